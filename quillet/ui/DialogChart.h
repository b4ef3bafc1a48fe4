// A small 2D chart inside a drag-race dialog: it takes the place and size of
// a placeholder static, draws on silver with a white plot area and writes
// its labels in 8-point "MS Sans Serif".
#pragma once

#include "common/Chart2D.h"
#include "common/DialogChart.h"
#include "framework/Framework.h"

namespace quillet {

class CDialogChart {
public:
    CDialogChart() = default;
    CDialogChart(const CDialogChart&) = delete;
    CDialogChart& operator=(const CDialogChart&) = delete;
    // The chart window goes before the data sets it draws.
    ~CDialogChart();

    // Replaces the placeholder `placeholderId` of `dialog` with the chart,
    // both axes shown and starting at 0.
    void Create(CWnd* dialog, int placeholderId);

    // A data set the chart owns from now on (destroyed after the chart).
    ZELDATA AddData(int kind, int sets, int points);

    ZELCHART Handle() const { return chart_.m_chart; }
    CChart2D& Window() { return chart_; }
    // The font's height in pixels; 0 when the font could not be made.
    int FontPixels() const;
    HFONT FontHandle() const { return font_.Get(); }

private:
    CChart2D chart_;
    CDialogChartFont font_;
    ZELDATA data_[2] = {nullptr, nullptr};
};

}  // namespace quillet
