// "Optimize For": what the sweep optimises (best elapsed time, top speed, or
// the area under a result curve over a distance window), set on both phases
// at once, with a small chart of the vehicle's last run over distance and
// the window marked on it.
#pragma once

#include "common/charts/ChartAxisSetting.h"
#include "common/charts/CriterionChart2D.h"
#include "quillet/ui/sweep/ItrProPage.h"

namespace quillet {

class CItrProCriteriaPropPage : public CItrProPage {
    DECLARE_DYNCREATE(CItrProCriteriaPropPage)
public:
    CItrProCriteriaPropPage();

    // Radios, lists and chart from the iterators (nothing before the page
    // window exists).
    void UpdateControls();
    // Every control of the page on or off, for the length of a sweep.
    void EnableAll(bool enable);
    void UpdatePage() override { UpdateControls(); }
    void EnableControls(bool enable) override { EnableAll(enable); }

    // The y axis takes the criterion's curve; the chart its title.
    void UpdateChartCurve();
    // The vehicle's curve over distance, with the window for the area
    // criteria.
    void UpdateChart();

    CCriterionChart2D& GetChart() { return chart_; }
    const ChartAxisSetting& GetYAxisSetting() const { return ySetting_; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBestEt();
    afx_msg void OnTopSpeed();
    afx_msg void OnAreaUnderCurve();
    afx_msg void OnCurveChanged();
    afx_msg void OnFromChanged();
    afx_msg void OnToChanged();
    DECLARE_MESSAGE_MAP()

private:
    void SetCriterion(int criterion);
    // The new window on both iterators, or error 128 and `listId` back at
    // `current` when `from` is not below `to`.
    void ChangeWindow(float from, float to, int listId, float current);
    void Changed();

    CCriterionChart2D chart_;
    ChartAxisSetting xSetting_;
    ChartAxisSetting ySetting_;
};

}  // namespace quillet
