// "Optimize For": what the sweep scores (peak or area of the torque or the
// power curve) and the rpm window it scores in, set on both phases at once,
// with a small chart of the engine's curve and the window on it.
#pragma once

#include "common/charts/ChartAxisSetting.h"
#include "common/charts/CriterionChart2D.h"
#include "torvane/results/sweep/ItrProPage.h"

namespace torvane {

class CItrProCriteriaPropPage : public CItrProPage {
    DECLARE_DYNCREATE(CItrProCriteriaPropPage)
public:
    CItrProCriteriaPropPage();

    void UpdatePage() override;
    void EnableControls(bool enable) override;

    CCriterionChart2D& GetChart() { return chart_; }
    const ChartAxisSetting& GetYAxisSetting() const { return ySetting_; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnCriterionClicked(UINT id);
    afx_msg void OnFromChanged();
    afx_msg void OnToChanged();
    DECLARE_MESSAGE_MAP()

private:
    void Changed();
    // The new window on both phases, or error 67 and the list back at the
    // window's end when `from` is not below `to`.
    void ChangeWindow(float from, float to, int listId, float current);
    void UpdateChart(int criterion, float from, float to);

    CCriterionChart2D chart_;
    ChartAxisSetting xSetting_;
    ChartAxisSetting ySetting_;
};

}  // namespace torvane
