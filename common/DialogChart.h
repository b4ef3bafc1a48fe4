// A 2D chart inside a dialog or page: it takes the place of a placeholder
// control, draws on the dialog grey with a white plot area and writes its
// labels in 8-point "MS Sans Serif".
#pragma once

#include <utility>
#include <vector>

#include "common/Chart2D.h"
#include "framework/Framework.h"

// The rectangle of placeholder control `id` in `parent`'s client
// coordinates; the placeholder window goes (a missing one is an assertion).
CRect TakePlaceholderRect(CWnd* parent, int id);

// "MS Sans Serif" at 8 points, or the stock system font when it cannot be
// made.
class CDialogChartFont {
public:
    CDialogChartFont();
    HFONT Get() const;
    bool IsMade() const { return font_.GetSafeHandle() != nullptr; }
    // The screen's pixel height of 8 points.
    static int PointsHeight();

private:
    CFont font_;
};

// Destroys the placeholder control `placeholderId` of `dialog` and makes
// `chart` in its rectangle: chart type `chartType`, no border, grey chart
// and graph, white plot, the graph filling the window, `font` for the
// labels. False when the chart cannot be made.
bool CreateChartInPlaceOf(CWnd* dialog, int placeholderId, CChart2D& chart, int chartType,
                          const CDialogChartFont& font);
// The colour boxes of a chart's legend, which the dialog paints where
// swatch controls stand (the controls are hidden).
class CLegendSwatches {
public:
    // Takes the place of control `id` of `dialog` (a missing one is an
    // assertion), to be painted `colour`.
    void Add(CWnd* dialog, int id, COLORREF colour);
    // From the dialog's WM_PAINT.
    void Paint(CDC& dc) const;

private:
    std::vector<std::pair<CRect, COLORREF>> swatches_;
};

// The top and bottom margins less the font's height, when the font was made
// (the library's margins are sized for a larger font).
void ReduceChartMargins(ZELCHART chart, const CDialogChartFont& font);
