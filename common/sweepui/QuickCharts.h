// The charts of the Quick Iterator dialogs of both programs: the 8-point
// chart font, a chart made in the place of a dialog's placeholder control,
// and the two-bar "Iterator Best Result" chart of baseline against best.
#pragma once

#include "common/Chart2D.h"
#include "framework/Framework.h"

// "MS Sans Serif" at 8 points, or the stock system font when it cannot be
// made.
class CSweepChartFont {
public:
    CSweepChartFont();
    HFONT Get() const;
    bool IsMade() const { return font_.GetSafeHandle() != nullptr; }
    // The screen's pixel height of 8 points.
    static int PointsHeight();

private:
    CFont font_;
};

// The placeholder control's rectangle in `parent`'s client coordinates; the
// placeholder window goes (a missing one is an assertion).
CRect SweepTakePlaceholder(CWnd* parent, int id);

// Destroys the placeholder control `placeholderId` of `dialog` and makes
// `chart` in its rectangle with the sweep dialogs' looks: chart type
// `chartType`, no border, grey chart and graph, white plot, the graph
// filling the window, `font` for the labels. False when the chart cannot be
// made.
bool CreateChartInPlaceOf(CWnd* dialog, int placeholderId, CChart2D& chart, int chartType,
                          const CSweepChartFont& font);
// The top and bottom margins less the font's height, when the font was made
// (the library's margins are sized for a larger font).
void ReduceChartMargins(ZELCHART chart, const CSweepChartFont& font);

// Baseline and best score as two bars labelled "Baseline" and "Best"; the
// y range follows the best-results rule of the sweep dialogs.
class CQuickBestChart {
public:
    CQuickBestChart() = default;
    // The window goes before the data it draws.
    ~CQuickBestChart();
    CQuickBestChart(const CQuickBestChart&) = delete;
    CQuickBestChart& operator=(const CQuickBestChart&) = delete;

    // Made in place of `placeholderId`; `yGrid` false turns the y grid off.
    bool Create(CWnd* dialog, int placeholderId, const CSweepChartFont& font, bool yGrid);
    // `kept`: the sweep keeps a result. Its scores `lo` to `hi` and the
    // baseline stay in range; without a result the best bar is hidden.
    void Update(double baseline, bool kept, double lo, double hi, double best);

    CChart2D& Chart() { return chart_; }
    ZELDATA Data() const { return data_; }

private:
    CChart2D chart_;
    ZELDATA data_ = nullptr;
};
