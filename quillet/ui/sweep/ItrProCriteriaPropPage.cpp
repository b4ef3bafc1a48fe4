#include "quillet/ui/sweep/ItrProCriteriaPropPage.h"

#include "common/Assertion.h"
#include "common/ui/ComboItems.h"
#include "quillet/document/Iterator.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/kernel/RaceSimBlock.h"
#include "quillet/res/SweepCriteriaResources.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

static const char kAssertModule[] = "ItrProCriteriaPage";

IMPLEMENT_DYNCREATE(CItrProCriteriaPropPage, CItrProPage)

BEGIN_MESSAGE_MAP(CItrProCriteriaPropPage, CItrProPage)
    ON_BN_CLICKED(IDC_ITO_BEST_ET, OnBestEt)
    ON_BN_CLICKED(IDC_ITO_TOP_SPEED, OnTopSpeed)
    ON_BN_CLICKED(IDC_ITO_AREA, OnAreaUnderCurve)
    ON_CBN_SELCHANGE(IDC_ITO_CURVE, OnCurveChanged)
    ON_CBN_SELCHANGE(IDC_ITO_FROM, OnFromChanged)
    ON_CBN_SELCHANGE(IDC_ITO_TO, OnToChanged)
END_MESSAGE_MAP()

namespace {

// The curve an area criterion scores (text, criterion).
const ComboItem kAreaCurves[] = {{"Acceleration", kCriterionAccelerationArea},
                                 {"Vehicle Speed", kCriterionSpeedArea},
                                 {"Torque", kCriterionTorqueArea},
                                 {"Horsepower", kCriterionPowerArea}};
// Feet.
const ComboItem kDistances[] = {{"0", 0},     {"10", 10},   {"20", 20},     {"30", 30},    {"60", 60},
                                {"330", 330}, {"660", 660}, {"1000", 1000}, {"1320", 1320}};

// The result curve each criterion's preview shows.
const int kCriterionCurves[] = {kCurveTime, kCurveSpeed, kCurveAcceleration, kCurveSpeed, kCurveTorque, kCurvePower};

constexpr int kXPreset = 3;  // the whole track
constexpr int kYPreset = 1;
constexpr unsigned short kErrDistanceRange = 128;

bool IsAreaCriterion(int criterion) { return criterion >= kCriterionAccelerationArea; }

}  // namespace

CItrProCriteriaPropPage::CItrProCriteriaPropPage() : CItrProPage(IDD_ITRPRO_CRITERIA) {}

BOOL CItrProCriteriaPropPage::OnInitDialog() {
    CItrProPage::OnInitDialog();
    const int criterion = coarse_->GetCriterion();
    APP_ASSERT(criterion >= kCriterionElapsedTime && criterion <= kCriterionPowerArea);
    xSetting_.Select(kCurveDistance, kXPreset);
    ySetting_.Select(kCriterionCurves[criterion], kYPreset);
    chart_.CreateInPlaceOf(this, IDC_ITO_CHART, kRaceMaxSamples, xSetting_, ySetting_);
    ComboFillItems(m_hWnd, IDC_ITO_CURVE, kAreaCurves);
    ComboFillItems(m_hWnd, IDC_ITO_FROM, kDistances);
    ComboFillItems(m_hWnd, IDC_ITO_TO, kDistances);
    UpdateControls();
    return TRUE;
}

void CItrProCriteriaPropPage::UpdateControls() {
    if (GetSafeHwnd() == nullptr) return;
    const int criterion = coarse_->GetCriterion();
    APP_ASSERT(criterion >= kCriterionElapsedTime && criterion <= kCriterionPowerArea);
    APP_ASSERT(fine_->GetCriterion() == criterion);
    CheckDlgButton(IDC_ITO_BEST_ET, criterion == kCriterionElapsedTime ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ITO_TOP_SPEED, criterion == kCriterionTrapSpeed ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_ITO_AREA, IsAreaCriterion(criterion) ? BST_CHECKED : BST_UNCHECKED);
    // The curve list matches the area criteria alone.
    const bool area = ComboSelectValue(m_hWnd, IDC_ITO_CURVE, criterion);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ITO_CURVE), area);
    float from = 0.0f, to = 0.0f;
    coarse_->GetDistanceRange(&from, &to);
    if (area) {
        ComboSelectValue(m_hWnd, IDC_ITO_FROM, static_cast<int>(from));
        ComboSelectValue(m_hWnd, IDC_ITO_TO, static_cast<int>(to));
    } else {
        ::SendDlgItemMessageA(m_hWnd, IDC_ITO_FROM, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        ::SendDlgItemMessageA(m_hWnd, IDC_ITO_TO, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ITO_FROM), area);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_ITO_TO), area);
    UpdateChartCurve();
    UpdateChart();
}

void CItrProCriteriaPropPage::UpdateChartCurve() {
    const int criterion = coarse_->GetCriterion();
    APP_ASSERT(criterion >= kCriterionElapsedTime && criterion <= kCriterionPowerArea);
    ySetting_.SetCurve(kCriterionCurves[criterion]);
    chart_.SetYTitle(ySetting_);
}

void CItrProCriteriaPropPage::UpdateChart() {
    APP_ASSERT(xSetting_.resultCurve == kCurveDistance);
    float from = 0.0f, to = 0.0f;
    coarse_->GetDistanceRange(&from, &to);
    const bool area = IsAreaCriterion(coarse_->GetCriterion());
    chart_.ShowCurve(document_->GetCurve(kCurveDistance), document_->GetCurve(ySetting_.resultCurve),
                     document_->GetNumCurvePoints(), from, to, area, area);
}

void CItrProCriteriaPropPage::EnableAll(bool enable) {
    if (GetSafeHwnd() == nullptr) return;
    for (int id : {IDC_ITO_BEST_ET, IDC_ITO_TOP_SPEED, IDC_ITO_AREA, IDC_ITO_CURVE, IDC_ITO_RANGE_LABEL,
                   IDC_ITO_FROM_LABEL, IDC_ITO_FROM, IDC_ITO_TO_LABEL, IDC_ITO_TO})
        ::EnableWindow(::GetDlgItem(m_hWnd, id), enable);
}

void CItrProCriteriaPropPage::Changed() {
    owner_->ResetRunResults();
    UpdateControls();
    owner_->UpdateAllPages(this);
}

void CItrProCriteriaPropPage::SetCriterion(int criterion) {
    coarse_->SetCriterion(criterion);
    fine_->SetCriterion(criterion);
    Changed();
}

void CItrProCriteriaPropPage::OnBestEt() { SetCriterion(kCriterionElapsedTime); }

void CItrProCriteriaPropPage::OnTopSpeed() { SetCriterion(kCriterionTrapSpeed); }

void CItrProCriteriaPropPage::OnAreaUnderCurve() { SetCriterion(kCriterionAccelerationArea); }

void CItrProCriteriaPropPage::OnCurveChanged() {
    const int criterion = ComboSelectedValue(m_hWnd, IDC_ITO_CURVE);
    if (criterion >= 0) SetCriterion(criterion);
}

void CItrProCriteriaPropPage::ChangeWindow(float from, float to, int listId, float current) {
    if (from >= to) {
        ErrCodeShowError(kErrDistanceRange);
        ComboSelectValue(m_hWnd, listId, static_cast<int>(current));
        return;
    }
    coarse_->SetDistanceRange(from, to);
    fine_->SetDistanceRange(from, to);
    Changed();
}

void CItrProCriteriaPropPage::OnFromChanged() {
    const int chosen = ComboSelectedValue(m_hWnd, IDC_ITO_FROM);
    if (chosen < 0) return;
    float from = 0.0f, to = 0.0f;
    coarse_->GetDistanceRange(&from, &to);
    ChangeWindow(static_cast<float>(chosen), to, IDC_ITO_FROM, from);
}

void CItrProCriteriaPropPage::OnToChanged() {
    const int chosen = ComboSelectedValue(m_hWnd, IDC_ITO_TO);
    if (chosen < 0) return;
    float from = 0.0f, to = 0.0f;
    coarse_->GetDistanceRange(&from, &to);
    ChangeWindow(from, static_cast<float>(chosen), IDC_ITO_TO, to);
}

}  // namespace quillet
