// The charts of the Quick Iterator dialogs of both programs: the two-bar "Iterator Best Result" chart of baseline against best.
#pragma once

#include "common/Chart2D.h"
#include "common/DialogChart.h"
#include "framework/Framework.h"

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
    bool Create(CWnd* dialog, int placeholderId, const CDialogChartFont& font, bool yGrid);
    // `kept`: the sweep keeps a result. Its scores `lo` to `hi` and the
    // baseline stay in range; without a result the best bar is hidden.
    void Update(double baseline, bool kept, double lo, double hi, double best);

    CChart2D& Chart() { return chart_; }
    ZELDATA Data() const { return data_; }

private:
    CChart2D chart_;
    ZELDATA data_ = nullptr;
};
