#include "quillet/ui/TractionDlg.h"

#include <cmath>

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/ui/ComboItems.h"
#include "common/sweepui/SweepPump.h"
#include "quillet/document/QuilletUtil.h"
#include "quillet/res/TractionResources.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

namespace {

const char kAssertModule[] = "TractionDlg";

// Taken as no wheelspin at all; also the highest coefficient tried.
const float kNoSpinTraction = 6.0f;
const float kFirstTraction = 0.50f;
const float kTractionStep = 0.01f;

const COLORREF kVehicleSpeedColor = RGB(0, 255, 0);
const COLORREF kTyreSpeedColor = RGB(255, 0, 0);

// The efficiency choices, valued in thousandths.
const ComboItem kEfficiencies[] = {
    {"99.5% - No Wheelspin", 995},       {"99.0% - Small Wheelspin", 990},
    {"98.0% - Optimum Wheelspin", 980},  {"94.0% - Large Wheelspin", 940},
    {"90.0% - Excessive Wheelspin", 900},
};

const int kLegendBoxIds[] = {IDC_TC_CURRENT_SPEED_BOX, IDC_TC_CURRENT_TYRE_BOX, IDC_TC_NEW_SPEED_BOX,
                             IDC_TC_NEW_TYRE_BOX};
const COLORREF kLegendColors[] = {kVehicleSpeedColor, kTyreSpeedColor, kVehicleSpeedColor, kTyreSpeedColor};

}  // namespace

BEGIN_MESSAGE_MAP(CTractionDlg, CDialog)
ON_CBN_SELCHANGE(IDC_TC_EFFICIENCY, OnEfficiencyChange)
ON_BN_CLICKED(IDC_TC_CALC, OnCalcTraction)
ON_WM_PAINT()
END_MESSAGE_MAP()

CTractionDlg::CTractionDlg(CQuilletDoc* document, CWnd* parent)
    : CDialog(IDD_TRACTION, parent), document_(document) {
    APP_ASSERT(document != nullptr);
    short code = 0;
    APP_ASSERT(document->Validate(&code));
    document->CopyVehicleTo(&working_);
}

float CTractionDlg::TotalTyreSlippage(const CQuilletDoc& doc) {
    const int count = doc.GetNumCurvePoints();
    APP_ASSERT(count <= kRaceMaxSamples);
    if (count < 2) return 0.0f;
    const float* distance = doc.GetCurve(kCurveDistance);
    return UtilCurveAreaByIndex(distance, doc.GetCurve(kCurveTyreSpeed), count, 0, count - 1) -
           UtilCurveAreaByIndex(distance, doc.GetCurve(kCurveSpeed), count, 0, count - 1);
}

BOOL CTractionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CreateChart(currentChart_, IDC_TC_CURRENT_CHART_AREA, currentData_);
    CreateChart(newChart_, IDC_TC_NEW_CHART_AREA, newData_);
    APP_ASSERT(GetDlgItem(IDC_TC_EFFICIENCY) != nullptr);
    ComboFillItems(m_hWnd, IDC_TC_EFFICIENCY, kEfficiencies);
    // The legend's colour boxes are painted by the dialog where the
    // statics stood.
    for (int i = 0; i < 4; ++i) legendBoxes_.Add(this, kLegendBoxIds[i], kLegendColors[i]);
    UpdateDisplay();
    return TRUE;
}

// ---------------------------------------------------------------- Display

void CTractionDlg::CreateChart(CDialogChart& chart, int placeholderId, ZELDATA& data) {
    chart.Create(this, placeholderId);
    const ZELCHART handle = chart.Handle();
    using namespace zel2d;
    // Both race lengths share the quarter-mile axes.
    SetValues(handle, TITLE_FONT(chart.FontHandle()), X_TITLE("Distance (ft)"), Y_TITLE("Speed (mph)"),
              X_MAX(1320.0), Y_MAX(200.0));
    ZelStyle style = {};
    ZelGetNthDataStyle(handle, 0, &style);
    style.pattern = ZEL2D_LINE_SOLID;
    style.color = static_cast<int>(kVehicleSpeedColor);
    style.width = 1;
    style.symbol = ZEL2D_SYMBOL_DOT;
    style.symbol_size = 5;
    ZelSetNthDataStyle(handle, 0, &style);
    style.color = static_cast<int>(kTyreSpeedColor);
    ZelSetNthDataStyle(handle, 1, &style);
    // The margins stay the library's own: they are fitted to the labels
    // and titles, and anything narrower lays the titles over the labels.
    data = chart.AddData(ZEL2D_DATA_OWN_X, 2, kRaceMaxSamples);
}

void CTractionDlg::UpdateChart(const CQuilletDoc& doc, CDialogChart& chart, ZELDATA data) {
    APP_ASSERT(ZelDataGetNSets(data) == 2 && ZelDataGetNPoints(data, 0) == kRaceMaxSamples &&
               ZelDataGetNPoints(data, 1) == kRaceMaxSamples);
    const int count = doc.GetNumCurvePoints();
    APP_ASSERT(count <= kRaceMaxSamples);
    const float* distance = doc.GetCurve(kCurveDistance);
    const float* speed = doc.GetCurve(kCurveSpeed);
    const float* tyreSpeed = doc.GetCurve(kCurveTyreSpeed);
    for (int i = 0; i < count; ++i) {
        ZelDataSetXElement(data, 0, i, distance[i]);
        ZelDataSetYElement(data, 0, i, speed[i]);
        ZelDataSetXElement(data, 1, i, distance[i]);
        ZelDataSetYElement(data, 1, i, tyreSpeed[i]);
    }
    for (int set = 0; set < 2; ++set) {
        ZelDataSetFirstPoint(data, set, 0);
        ZelDataSetLastPoint(data, set, count - 1);
    }
    zel2d::SetValues(chart.Handle(), zel2d::DATA(data), zel2d::Y_AUTO_MAX(1));
}

void CTractionDlg::ShowSetup(const CQuilletDoc& doc, const SetupIds& ids, CDialogChart& chart,
                             ZELDATA data) {
    UtilSetItemSpecText(this, ids.coefficient, doc.m_tractionCoefficient);
    const CRaceResults& results = doc.GetResults();
    CString text;
    text.Format("%.0f", static_cast<double>(TotalTyreSlippage(doc)));
    UtilSetItemTextString(this, ids.slippage, text);
    text.Format("%.3f", static_cast<double>(results.elapsedTime));
    UtilSetItemTextString(this, ids.elapsedTime, text);
    text.Format("%.1f", static_cast<double>(results.trapSpeed));
    UtilSetItemTextString(this, ids.trapSpeed, text);
    UpdateChart(doc, chart, data);
}

void CTractionDlg::ShowNewSetup() {
    ShowSetup(working_, {IDC_TC_NEW_COEFFICIENT, IDC_TC_NEW_SLIPPAGE, IDC_TC_NEW_ET, IDC_TC_NEW_MPH},
              newChart_, newData_);
}

void CTractionDlg::UpdateDisplay() {
    if (!::IsWindow(m_hWnd)) return;
    APP_ASSERT(document_->m_tractionCoefficient.IsSet());
    ShowSetup(*document_,
              {IDC_TC_CURRENT_COEFFICIENT, IDC_TC_CURRENT_SLIPPAGE, IDC_TC_CURRENT_ET, IDC_TC_CURRENT_MPH},
              currentChart_, currentData_);
    ComboSelectValue(m_hWnd, IDC_TC_EFFICIENCY, static_cast<int>(std::lround(target_ * 1000.0f)));
    ShowNewSetup();
}

void CTractionDlg::OnPaint() {
    CPaintDC dc(this);
    legendBoxes_.Paint(dc);
}

// ----------------------------------------------------------------- Search

void CTractionDlg::OnEfficiencyChange() {
    const int thousandths = ComboSelectedValue(m_hWnd, IDC_TC_EFFICIENCY);
    if (thousandths < 0) return;
    target_ = static_cast<float>(thousandths) * 0.001f;
    // The search so far is dropped.
    document_->CopyVehicleTo(&working_);
    UpdateDisplay();
}

void CTractionDlg::EnableDuringSearch(bool searching) {
    UtilSetItemText(this, IDC_TC_CALC, searching ? "Stop" : "Calc Traction");
    for (int id : {IDC_TC_EFFICIENCY, IDOK, IDCANCEL}) GetDlgItem(id)->EnableWindow(!searching);
}

bool CTractionDlg::RunAt(float coefficient) {
    working_.m_tractionCoefficient.SetValue(coefficient);
    ++runCount_;
    return working_.RunSimulation(false, false);
}

void CTractionDlg::OnCalcTraction() {
    if (running_) {
        stopRequested_ = true;
        return;
    }
    short code = 0;
    APP_ASSERT(working_.Validate(&code));
    running_ = true;
    stopRequested_ = false;
    runCount_ = 0;
    EnableDuringSearch(true);

    // Without wheelspin the vehicle sets the time to measure against; when
    // even that run fails there is nothing to measure, and the document's
    // setup stays as it is.
    const bool baseline = RunAt(kNoSpinTraction);
    if (!baseline) {
        document_->CopyVehicleTo(&working_);
        ErrCodeShowError(kErrRunFailed);
    } else {
        const float noSpinTime = working_.GetResults().elapsedTime;
        threshold_ = noSpinTime + noSpinTime * (1.0f - target_);
        bool found = false;
        for (float t = kFirstTraction; !stopRequested_;) {
            // The window repaints and Stop can be pressed; a program that is
            // closing stops the search.
            if (!SweepPumpMessages()) stopRequested_ = true;
            if (stopRequested_) break;
            if (RunAt(t)) {
                ShowNewSetup();
                found = working_.GetResults().elapsedTime <= threshold_;
            }
            t += kTractionStep;
            if (t > kNoSpinTraction || found) break;
        }
    }

    running_ = false;
    stopRequested_ = false;
    EnableDuringSearch(false);
    UpdateDisplay();
}

void CTractionDlg::OnOK() {
    if (running_) return;
    document_->m_tractionCoefficient.SetValue(working_.m_tractionCoefficient.GetValue());
    EndDialog(IDOK);
}

void CTractionDlg::OnCancel() {
    if (running_) return;
    CDialog::OnCancel();
}

}  // namespace quillet
