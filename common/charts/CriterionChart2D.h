// The small chart of a sweep's "Optimize For" page: one result curve of the
// document, the part of it inside the scoring window (filled, for the
// criteria that score an area) and two upright markers at the window's ends.
#pragma once

#include "common/Chart2D.h"
#include "common/DialogChart.h"
#include "common/charts/ChartAxisSetting.h"
#include "framework/Framework.h"

class CCriterionChart2D : public CChart2D {
    DECLARE_DYNAMIC(CCriterionChart2D)

public:
    CCriterionChart2D() = default;
    // The window goes before the data sets it draws.
    ~CCriterionChart2D() override;

    // Makes the chart in place of the parent's control `placeholderId`
    // (whose window goes), for curves of `points` samples, with the axes'
    // titles and ranges from `x` and `y`. False when it cannot be made.
    bool CreateInPlaceOf(CWnd* parent, int placeholderId, int points, const ChartAxisSetting& x,
                         const ChartAxisSetting& y);
    // The y axis title.
    void SetYTitle(const ChartAxisSetting& y);
    // Draws the first `count` samples of (x, y): the whole curve, the
    // samples whose x lies in [from, to] as the window series (shown when
    // `showWindow`), and markers from the x axis up to the curve at `from`
    // and `to` (shown when `showMarkers`; of height 0 when no sample lies in
    // the window). The y axis follows the whole curve's range.
    void ShowCurve(const float* x, const float* y, int count, double from, double to, bool showWindow,
                   bool showMarkers);

    // The markers' heights: the curve at the window's first and last sample.
    double GetFromMarkerHeight() const { return fromHeight_; }
    double GetToMarkerHeight() const { return toHeight_; }
    ZELDATA GetWindowData() const { return window_; }
    ZELDATA GetCurveData() const { return curve_; }

private:
    CDialogChartFont font_;
    ZELDATA window_ = nullptr;  // one series on the first y axis
    ZELDATA curve_ = nullptr;   // the whole curve and the two markers, on the second
    int points_ = 0;
    double fromHeight_ = 0.0;
    double toHeight_ = 0.0;
};
