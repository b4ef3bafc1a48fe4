#include "torvane/results/sweep/ItrProCriteriaPropPage.h"

#include "common/Assertion.h"
#include "common/ui/ComboItems.h"
#include "torvane/document/Iterator.h"
#include "torvane/res/SweepPagesResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

static const char kAssertModule[] = "ItrProCriteriaPropPage.cpp";

IMPLEMENT_DYNCREATE(CItrProCriteriaPropPage, CItrProPage)

BEGIN_MESSAGE_MAP(CItrProCriteriaPropPage, CItrProPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ITO_PEAK_TORQUE, IDC_ITO_POWER_AREA, OnCriterionClicked)
    ON_CBN_SELCHANGE(IDC_ITO_FROM, OnFromChanged)
    ON_CBN_SELCHANGE(IDC_ITO_TO, OnToChanged)
END_MESSAGE_MAP()

namespace {

struct CriterionRow {
    int radio;
    const char* rangeLabel;
    bool area;
    int curveRow;  // of the chart catalogue: 2 power, 3 torque
};

const CriterionRow kCriteria[] = {
    {IDC_ITO_PEAK_TORQUE, "RPM Range for Peak Torque:", false, 3},
    {IDC_ITO_TORQUE_AREA, "RPM Range for Area under Torque Curve:", true, 3},
    {IDC_ITO_PEAK_POWER, "RPM Range for Peak Horsepower:", false, 2},
    {IDC_ITO_POWER_AREA, "RPM Range for Area under Horsepower Curve:", true, 2},
};

constexpr int kSpeedRow = 1;
constexpr int kSpeedPreset = 3;
constexpr int kCurvePreset = 1;
constexpr unsigned short kErrRpmRange = 67;

const ComboItem kRpms[] = {{"2000", 2000}, {"2500", 2500}, {"3000", 3000}, {"3500", 3500}, {"4000", 4000}, {"4500", 4500}, {"5000", 5000}, {"5500", 5500}, {"6000", 6000}, {"6500", 6500}, {"7000", 7000}, {"7500", 7500}, {"8000", 8000}, {"8500", 8500}, {"9000", 9000}, {"9500", 9500}, {"10000", 10000}, {"10500", 10500}, {"11000", 11000}};

}  // namespace

CItrProCriteriaPropPage::CItrProCriteriaPropPage() : CItrProPage(IDD_ITRPRO_CRITERIA) {}

BOOL CItrProCriteriaPropPage::OnInitDialog() {
    CItrProPage::OnInitDialog();
    ComboFillItems(m_hWnd, IDC_ITO_FROM, kRpms);
    ComboFillItems(m_hWnd, IDC_ITO_TO, kRpms);
    xSetting_.Select(kSpeedRow, kSpeedPreset);
    ySetting_.Select(kCriteria[coarse_->GetCriterion()].curveRow, kCurvePreset);
    chart_.CreateInPlaceOf(this, IDC_ITO_CHART, kResultPointCount, xSetting_, ySetting_);
    UpdatePage();
    return TRUE;
}

void CItrProCriteriaPropPage::UpdatePage() {
    if (GetSafeHwnd() == nullptr) return;
    const int criterion = coarse_->GetCriterion();
    APP_ASSERT(criterion >= kCriterionPeakTorque && criterion <= kCriterionPowerArea);
    APP_ASSERT(fine_->GetCriterion() == criterion);
    for (int i = 0; i < 4; ++i) CheckDlgButton(kCriteria[i].radio, i == criterion ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_ITO_RANGE_LABEL, kCriteria[criterion].rangeLabel);
    float from = 0.0f, to = 0.0f;
    coarse_->GetRpmRange(&from, &to);
    ComboSelectValue(m_hWnd, IDC_ITO_FROM, static_cast<int>(from));
    ComboSelectValue(m_hWnd, IDC_ITO_TO, static_cast<int>(to));
    UpdateChart(criterion, from, to);
}

void CItrProCriteriaPropPage::UpdateChart(int criterion, float from, float to) {
    ySetting_.Select(kCriteria[criterion].curveRow, kCurvePreset);
    chart_.SetYTitle(ySetting_);
    const int curve = kCriteria[criterion].curveRow == 2 ? kCurvePower : kCurveTorque;
    chart_.ShowCurve(document_->GetCurve(kCurveRpm), document_->GetCurve(curve), kResultPointCount, from, to,
                     kCriteria[criterion].area, true);
}

void CItrProCriteriaPropPage::EnableControls(bool enable) {
    if (GetSafeHwnd() == nullptr) return;
    for (int id : {IDC_ITO_PEAK_TORQUE, IDC_ITO_TORQUE_AREA, IDC_ITO_PEAK_POWER, IDC_ITO_POWER_AREA,
                   IDC_ITO_RANGE_LABEL, IDC_ITO_FROM_LABEL, IDC_ITO_TO_LABEL, IDC_ITO_FROM, IDC_ITO_TO})
        ::EnableWindow(::GetDlgItem(m_hWnd, id), enable);
}

void CItrProCriteriaPropPage::Changed() {
    owner_->ResetRunResults();
    UpdatePage();
    owner_->UpdateAllPages(this);
}

void CItrProCriteriaPropPage::OnCriterionClicked(UINT id) {
    if (IsDlgButtonChecked(static_cast<int>(id)) != BST_CHECKED) return;
    for (int i = 0; i < 4; ++i) {
        if (kCriteria[i].radio != static_cast<int>(id)) continue;
        coarse_->SetCriterion(i);
        fine_->SetCriterion(i);
        Changed();
        return;
    }
}

void CItrProCriteriaPropPage::ChangeWindow(float from, float to, int listId, float current) {
    if (from >= to) {
        ErrCodeShowError(kErrRpmRange);
        ComboSelectValue(m_hWnd, listId, static_cast<int>(current));
        return;
    }
    coarse_->SetRpmRange(from, to);
    fine_->SetRpmRange(from, to);
    Changed();
}

void CItrProCriteriaPropPage::OnFromChanged() {
    const int chosen = ComboSelectedValue(m_hWnd, IDC_ITO_FROM);
    if (chosen < 0) return;
    float from = 0.0f, to = 0.0f;
    coarse_->GetRpmRange(&from, &to);
    ChangeWindow(static_cast<float>(chosen), to, IDC_ITO_FROM, from);
}

void CItrProCriteriaPropPage::OnToChanged() {
    const int chosen = ComboSelectedValue(m_hWnd, IDC_ITO_TO);
    if (chosen < 0) return;
    float from = 0.0f, to = 0.0f;
    coarse_->GetRpmRange(&from, &to);
    ChangeWindow(from, static_cast<float>(chosen), IDC_ITO_TO, to);
}

}  // namespace torvane
