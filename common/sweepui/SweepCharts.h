// The charts of the sweep dialogs: each is made in place of a placeholder
// control, with the dialogs' 8-point font; the best-results bar chart and
// the best-results surface are the same in both programs but for the values
// their owners give.
#pragma once

#include <functional>

#include "common/Chart2D.h"
#include "common/sweepui/QuickCharts.h"
#include "common/sweepui/Chart3D.h"
#include "framework/Framework.h"

// "Best Results": one bar per kept result (up to ten), the baseline score
// as a grey reference line, and a y range that keeps both in view.
class CSweepBestBars {
public:
    static constexpr int kBars = 10;

    CSweepBestBars() = default;
    // The chart window goes before its data.
    ~CSweepBestBars();
    CSweepBestBars(const CSweepBestBars&) = delete;
    CSweepBestBars& operator=(const CSweepBestBars&) = delete;

    void Create(CWnd* page, int placeholderId);
    // `scores`: the kept results' scores, `count` (0..10) of them; `lo` and
    // `hi` the lowest and highest bar (unused without a result).
    void Update(double baseline, int count, const float* scores, double lo, double hi);
    // Moves check box `firstBoxId` + k horizontally under bar k + 1.
    void PlaceBoxes(CWnd* page, int firstBoxId);
    ZELCHART Chart() const { return chart_.m_chart; }
    ZELDATA Data() const { return data_; }

private:
    CDialogChartFont font_;
    CChart2D chart_;
    ZELDATA data_ = nullptr;
};

// "Best Results - 3D": column i of a grid is kept result i's curve over the
// engine speed (or the distance) rows; before the first result the chart
// shows a one-value grid.
struct SweepSurfaceLook {
    double zRotation;         // of the initial view and of "Home"
    bool numbersBeforeTitles;  // x and y annotation first set to 3, then to 1
    const char* yTitle;
    int rows;                 // of the result grid
    double yStep, yOrigin;
};

class CSweepSurface {
public:
    // The rotation buttons, in control-id order.
    enum Rotation { kXPlus, kXMinus, kYPlus, kYMinus, kZPlus, kZMinus, kHome, kRotationCount };

    explicit CSweepSurface(const SweepSurfaceLook& look) : look_(look) {}
    // The chart goes before the grids it points into.
    ~CSweepSurface();
    CSweepSurface(const CSweepSurface&) = delete;
    CSweepSurface& operator=(const CSweepSurface&) = delete;

    // The chart with its fixed looks, both grids, the empty one shown.
    void Create(CWnd* page, int placeholderId);
    // The z title and the top colours, by the owner's scoring criterion.
    void SetZTitle(const char* title);
    // The result grid's rows in use (at most the rows it was made with).
    void SetRowCount(int rows);
    int GetRowCount() const;
    // The empty grid, or `columns` (<= 10) columns of value(column, row)
    // with zeros beyond them.
    void ShowEmpty();
    void Show(int columns, const std::function<double(int column, int row)>& value);
    void Rotate(Rotation button);
    Zel3dChart* Chart() const { return chart_.m_chart; }
    Zel3dData* ResultGrid() const { return resultGrid_; }
    Zel3dData* EmptyGrid() const { return emptyGrid_; }

private:
    void SetView(double x, double y, double z);

    SweepSurfaceLook look_;
    CChart3D chart_;
    Zel3dData* resultGrid_ = nullptr;
    Zel3dData* emptyGrid_ = nullptr;
};
