#include "torvane/results/sweep/ItrProDlg.h"

#include <commctrl.h>

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/charts/ChartCatalogue.h"
#include "torvane/res/ItrProResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

static const char kAssertModule[] = "ItrProDlg.cpp";

namespace {

constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kDarkGrey = 0x808080;
constexpr COLORREF kGreen = 0x00FF00;

// Catalogue rows of the "Current Test" chart's axes.
const int kRowEngineSpeed = 1, kRowPower = 2, kRowTorque = 3;

const int kDialogButtons[] = {IDOK,
                              IDCANCEL,
                              IDC_IP_RESET_ALL,
                              IDC_IP_PRESET_CAM,
                              IDC_IP_PRESET_INDUCTION,
                              IDC_IP_PRESET_BORE_STROKE,
                              IDC_IP_PRESET_TORQUE,
                              IDC_IP_PRESET_POWER};

// The legend rectangles: current (green), baseline (grey), new maximum (red).
const int kLegendIds[3] = {IDC_IP_LEGEND_CURRENT, IDC_IP_LEGEND_BASELINE, IDC_IP_LEGEND_MAXIMUM};
const COLORREF kLegendColors[3] = {kGreen, kDarkGrey, kRed};

CString Number(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

CString OneDecimal(float value) {
    CString text;
    text.Format("%.1f", UtilRoundToDecimals(value, 1));
    return text;
}

void SetCurve(ZELDATA data, int set, const float* x, const float* y) {
    APP_ASSERT(ZelDataGetNPoints(data, set) == kResultPointCount);
    for (int i = 0; i < kResultPointCount; ++i) {
        ZelDataSetXElement(data, set, i, x[i]);
        ZelDataSetYElement(data, set, i, y[i]);
    }
}

void SetStyle(ZELCHART chart, bool secondAxis, int set, COLORREF color) {
    ZelStyle style = {};
    if (secondAxis)
        ZelGetNthDataStyle2(chart, set, &style);
    else
        ZelGetNthDataStyle(chart, set, &style);
    style.pattern = ZEL2D_LINE_SOLID;
    style.color = static_cast<int>(color);
    style.width = 1;
    style.symbol = ZEL2D_SYMBOL_DOT;
    style.symbol_size = 5;
    if (secondAxis)
        ZelSetNthDataStyle2(chart, set, &style);
    else
        ZelSetNthDataStyle(chart, set, &style);
}

}  // namespace

BEGIN_MESSAGE_MAP(CItrProDlg, CDialog)
ON_WM_PAINT()
ON_BN_CLICKED(IDC_IP_RESET_ALL, OnResetAll)
ON_BN_CLICKED(IDC_IP_PRESET_CAM, OnPresetCam)
ON_BN_CLICKED(IDC_IP_PRESET_INDUCTION, OnPresetInduction)
ON_BN_CLICKED(IDC_IP_PRESET_BORE_STROKE, OnPresetBoreStroke)
ON_BN_CLICKED(IDC_IP_PRESET_TORQUE, OnPresetTorque)
ON_BN_CLICKED(IDC_IP_PRESET_POWER, OnPresetPower)
END_MESSAGE_MAP()

CItrProDlg::CItrProDlg(CIterator* coarse, CIterator* fine, CWnd* parent)
    : CDialog(IDD_ITR_PRO, parent),
      documentCoarse_(coarse),
      documentFine_(fine),
      document_(coarse != nullptr ? coarse->GetAttachedDocument() : nullptr),
      lamps_({IDB_LAMP_GREEN_LIT, IDB_LAMP_GREEN_UNLIT, IDB_LAMP_RED_LIT, IDB_LAMP_RED_UNLIT}) {
    APP_ASSERT(coarse != nullptr && fine != nullptr && document_ != nullptr);
    unsigned short code = 0;
    APP_ASSERT(document_->Validate(code));
    coarse_ = *coarse;
    fine_ = *fine;
    if (!coarse_.HasResults()) {
        APP_ASSERT(!fine_.HasResults());
        SetDefaults();
    }
    sheet_.SetOwner(this);
}

CItrProDlg::~CItrProDlg() {
    // The chart window goes before the data it draws.
    chart_.DestroyWindow();
    if (dataA_) ZelDataDestroy(dataA_);
    if (dataB_) ZelDataDestroy(dataB_);
}

void CItrProDlg::SetDefaults() {
    coarse_.PresetValveEvents(16.0f, 8.0f);
    coarse_.PresetPartTypeList(10);
    coarse_.ClearHoldDisplacement();
    coarse_.PresetBoreStroke(0.5f, 0.125f);
    fine_.PresetValveEvents(4.0f, 1.0f);
    fine_.ClearHoldDisplacement();
    fine_.PresetBoreStroke(0.08f, 0.02f);
    for (CIterator* sweep : {&coarse_, &fine_}) {
        sweep->EnableValveEvents(false);
        sweep->EnablePartTypeList(false);
        sweep->EnableBoreStroke(false);
        sweep->SetRpmRange(2500.0f, 7000.0f);
        sweep->Reset();
    }
}

BOOL CItrProDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CreateCurrentTestChart();
    for (int i = 0; i < 3; ++i) legends_.Add(this, kLegendIds[i], kLegendColors[i]);
    if (!sheet_.CreateEmbedded(this, TakePlaceholderRect(this, IDC_IP_SHEET_AREA))) {
        // Without its pages the dialog is no use: it closes.
        EndDialog(IDCANCEL);
        return FALSE;
    }
    UpdateAllPages(nullptr);
    return TRUE;
}

CIterator& CItrProDlg::Shown() {
    CIterator* shown = sheet_.GetRunPage().GetCurrentIterator();
    return shown != nullptr ? *shown : coarse_;
}

void CItrProDlg::SetText(int id, const CString& text) { UtilSetItemTextString(this, id, text); }

void CItrProDlg::ResetRunResults() { sheet_.GetRunPage().ResetResults(); }

void CItrProDlg::UpdateAllPages(CPropertyPage* asker) {
    if (GetSafeHwnd() == nullptr) return;
    sheet_.UpdatePages(asker);
    UpdateStatus(false);
    UpdateValues(false);
    UpdateOkButtonText();
}

bool CItrProDlg::IsFinePhaseEnabled() {
    return ItrVariableIsOn(fine_.GetVariable(kSlotIntakeOpening)) || ItrVariableIsOn(fine_.GetVariable(kSlotBore));
}

void CItrProDlg::EnableControls(bool enable) {
    for (int id : kDialogButtons) GetDlgItem(id)->EnableWindow(enable);
    sheet_.EnablePages(enable);
}

void CItrProDlg::UpdateStatus(bool runOnly) {
    const bool running = sheet_.GetRunPage().GetRunState() == CItrProRunPropPage::kStateRunning;
    lamps_.ShowGreen(this, IDC_IP_LAMP_RUNNING, running);
    lamps_.ShowRed(this, IDC_IP_LAMP_STOPPED, !running);
    const bool fineShown = &Shown() == &fine_;
    lamps_.ShowGreen(this, IDC_IP_LAMP_PHASE1, !fineShown);
    lamps_.ShowGreen(this, IDC_IP_LAMP_PHASE2, fineShown);
    if (!runOnly) {
        const bool dual = IsFinePhaseEnabled();
        lamps_.ShowGreen(this, IDC_IP_LAMP_SINGLE, !dual);
        lamps_.ShowGreen(this, IDC_IP_LAMP_DUAL, dual);
        // Cam and bore/stroke: the coarse phase's runs, and the fine
        // phase's when it is on.
        CItrProCamPropPage& cam = sheet_.GetCamPage();
        CItrProBoreStrokePropPage& boreStroke = sheet_.GetBoreStrokePage();
        const struct {
            int lamp, tests, slot, coarseTests, fineTests;
        } series[] = {{IDC_IP_LAMP_CAM, IDC_IP_TESTS_CAM, kSlotIntakeOpening, cam.GetCoarseTestCount(),
                       cam.GetFineTestCount()},
                      {IDC_IP_LAMP_BORE_STROKE, IDC_IP_TESTS_BORE_STROKE, kSlotBore, boreStroke.GetCoarseTestCount(),
                       boreStroke.GetFineTestCount()},
                      {IDC_IP_LAMP_INDUCTION, IDC_IP_TESTS_INDUCTION, kSlotManifoldList,
                       sheet_.GetInductionPage().GetTestCount(), 0}};
        for (const auto& s : series) {
            const bool used = ItrVariableIsOn(coarse_.GetVariable(s.slot));
            lamps_.ShowGreen(this, s.lamp, used);
            const int tests = s.coarseTests + (ItrVariableIsOn(fine_.GetVariable(s.slot)) ? s.fineTests : 0);
            SetText(s.tests, used ? Number(tests) : CString("Not Used"));
        }
        SetText(IDC_IP_TOTAL, Number(coarse_.GetTotal() + fine_.GetTotal()));
        SetText(IDC_IP_PHASE1_CAPTION, dual ? "Phase1" : "Single Phase");
        GetDlgItem(IDC_IP_LAMP_PHASE2)->ShowWindow(dual ? SW_SHOW : SW_HIDE);
        GetDlgItem(IDC_IP_PHASE2_CAPTION)->ShowWindow(dual ? SW_SHOW : SW_HIDE);
    }
    SetText(IDC_IP_COMPLETED, Number(coarse_.GetRunsDone() + (fineShown ? fine_.GetRunsDone() : 0)));
    const int percent = Shown().GetProgressPercent();
    SendDlgItemMessage(IDC_IP_PROGRESS, PBM_SETPOS, percent, 0);
    CString text;
    text.Format("%d%%", percent);
    SetText(IDC_IP_PERCENT, text);
}

void CItrProDlg::UpdateValues(bool runOnly) {
    const float baseline = UtilRoundToDecimals(coarse_.GetBaselineScore(), 1);
    SetText(IDC_IP_BASELINE, OneDecimal(baseline));
    if (!runOnly) {
        APP_ASSERT(coarse_.GetCriterion() == fine_.GetCriterion());
        static const char* const kUnits[] = {"lb-ft", "lb-ft-rpm x 1000", "hp", "hp-rpm x 1000"};
        const int criterion = coarse_.GetCriterion();
        APP_ASSERT(criterion >= 0 && criterion < 4);
        SetText(IDC_IP_UNITS, kUnits[criterion]);
    }
    if (coarse_.GetRunsDone() == 0) {
        for (int id : {IDC_IP_CURRENT, IDC_IP_MAXIMUM, IDC_IP_INCREASE}) SetText(id, " ");
    } else {
        CIterator& shown = Shown();
        const float best = UtilRoundToDecimals(shown.GetBestScore(), 1);
        SetText(IDC_IP_CURRENT, OneDecimal(shown.GetLastScore()));
        SetText(IDC_IP_MAXIMUM, OneDecimal(best));
        SetText(IDC_IP_INCREASE, OneDecimal(best - baseline));
    }
    if (!runOnly) SelectCurrentTestYAxis();
    UpdateCurrentTestChart();
}

void CItrProDlg::UpdateOkButtonText() {
    CIterator& sweep = fine_.GetResultCount() > 0 ? fine_ : coarse_;
    bool marked = false;
    for (int i = 0; i < sweep.GetResultCount(); ++i) marked = marked || sweep.IsResultMarked(i);
    SetText(IDOK, marked ? "Save" : "OK");
}

void CItrProDlg::CreateCurrentTestChart() {
    APP_ASSERT(CreateChartInPlaceOf(this, IDC_IP_CHART_AREA, chart_, ZEL2D_CHART_LINE, font_));
    ZELCHART chart = chart_.m_chart;
    using namespace zel2d;
    SetValues(chart, Y2_CHART_TYPE(ZEL2D_CHART_LINE), Y2_ANNOTATION(ZEL2D_ANNOTATE_VALUE_LABELS),
              TITLE_FONT(font_.Get()));
    xAxis_.Select(kRowEngineSpeed, 3);
    SetValues(chart, X_TITLE(xAxis_.name), X_AXIS_SHOW(1));
    SelectCurrentTestYAxis();
    SetValues(chart, Y_AXIS_SHOW(1), X_MIN(double(xAxis_.presetMin)), X_MAX(double(xAxis_.presetMax)),
              Y_MIN(double(yAxis_.presetMin)), Y_MAX(double(yAxis_.presetMax)), Y2_MIN(double(yAxis_.presetMin)),
              Y2_MAX(double(yAxis_.presetMax)));
    // Best (red) on both axes; baseline (grey) and the engine under test
    // (green) on the first.
    SetStyle(chart, false, 0, kRed);
    SetStyle(chart, true, 0, kRed);
    SetStyle(chart, false, 1, kDarkGrey);
    SetStyle(chart, false, 2, kGreen);
    dataA_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 3, kResultPointCount);
    dataB_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, kResultPointCount);
    APP_ASSERT(dataA_ != nullptr && dataB_ != nullptr);
    SetValues(chart, DATA(dataA_), DATA2(dataB_));
    ReduceChartMargins(chart, font_);
}

void CItrProDlg::SelectCurrentTestYAxis() {
    if (chart_.m_chart == nullptr) return;
    const struct {
        int chartType, fill, row;
    } kAxes[] = {{ZEL2D_CHART_LINE, ZEL2D_FILL_OUTLINE, kRowTorque},
                 {ZEL2D_CHART_AREA, ZEL2D_FILL_SOLID, kRowTorque},
                 {ZEL2D_CHART_LINE, ZEL2D_FILL_OUTLINE, kRowPower},
                 {ZEL2D_CHART_AREA, ZEL2D_FILL_SOLID, kRowPower}};
    const int criterion = coarse_.GetCriterion();
    APP_ASSERT(criterion >= 0 && criterion < 4);
    using namespace zel2d;
    SetValues(chart_.m_chart, Y_CHART_TYPE(kAxes[criterion].chartType), Y_FILL(kAxes[criterion].fill));
    yAxis_.Select(kAxes[criterion].row, 1);
    SetValues(chart_.m_chart, Y_TITLE(yAxis_.name));
}

void CItrProDlg::UpdateCurrentTestChart() {
    if (chart_.m_chart == nullptr) return;
    CIterator& shown = Shown();
    const bool ran = coarse_.GetRunsDone() > 0;
    const bool powerRow = yAxis_.resultCurve == kCurvePower;
    if (ran && shown.GetResultCount() > 0) {
        const CTorvaneDoc* best = shown.GetBestResultDoc();
        SetCurve(dataA_, 0, best->GetCurve(kCurveRpm), best->GetCurve(yAxis_.resultCurve));
        SetCurve(dataB_, 0, best->GetCurve(kCurveRpm), best->GetCurve(yAxis_.resultCurve));
        const int criterion = coarse_.GetCriterion();
        const bool area = criterion == kCriterionTorqueArea || criterion == kCriterionPowerArea;
        ZelDataSetDisplay(dataA_, 0, ZEL2D_DISPLAY_SHOW);
        ZelDataSetDisplay(dataB_, 0, area ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    } else {
        ZelDataSetDisplay(dataA_, 0, ZEL2D_DISPLAY_HIDE);
        ZelDataSetDisplay(dataB_, 0, ZEL2D_DISPLAY_HIDE);
    }
    SetCurve(dataA_, 1, document_->GetCurve(kCurveRpm), document_->GetCurve(yAxis_.resultCurve));
    ZelDataSetDisplay(dataA_, 1, ZEL2D_DISPLAY_SHOW);
    SetCurve(dataA_, 2, shown.GetRpmCurve(), powerRow ? shown.GetPowerCurve() : shown.GetTorqueCurve());
    ZelDataSetDisplay(dataA_, 2, ran ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    using namespace zel2d;
    ZELCHART chart = chart_.m_chart;
    SetValues(chart, DATA(dataA_), DATA2(dataB_), Y_AUTO_MAX(1));
    SetValues(chart, Y2_MIN(GetValue(chart, Y_MIN)), Y2_MAX(GetValue(chart, Y_MAX)));
}

void CItrProDlg::OnPaint() {
    CPaintDC dc(this);
    legends_.Paint(dc);
}

void CItrProDlg::OnOK() {
    unsigned short code = 0;
    if (!coarse_.Validate(code) || (IsFinePhaseEnabled() && !fine_.Validate(code))) {
        ErrCodeShowError(code);
        return;
    }
    coarse_.SetHasResults(true);
    fine_.SetHasResults(true);
    *documentCoarse_ = coarse_;
    *documentFine_ = fine_;
    // A fine phase refines the dialog's copy of the best coarse result,
    // which goes with the dialog: it refines the document's copy instead.
    if (documentFine_->GetAttachedDocument() != document_ && documentCoarse_->GetResultCount() > 0)
        documentFine_->AttachDocument(documentCoarse_->GetBestResultDoc());
    EndDialog(IDOK);
}

void CItrProDlg::OnCancel() {
    // Escape and the close box wait for a running sweep's Stop.
    if (sheet_.GetRunPage().IsRunning()) return;
    CDialog::OnCancel();
}

void CItrProDlg::EndPreset(CPropertyPage* page) {
    ResetRunResults();
    UpdateAllPages(nullptr);
    if (page != nullptr) sheet_.SetActivePage(page);
}

void CItrProDlg::OnPresetCam() {
    coarse_.PresetValveEvents(24.0f, 8.0f);
    fine_.PresetValveEvents(4.0f, 1.0f);
    EndPreset(&sheet_.GetCamPage());
}

void CItrProDlg::OnPresetInduction() {
    coarse_.PresetPartTypeList(10);
    CIterVariable& list = coarse_.GetVariable(kSlotManifoldList);
    // The list starts with the engine's own manifold. A forced-induction
    // one (type 7) is not among the choices and takes a place of its own:
    // the last choice then finds no room.
    const int own = document_->manifoldType.GetValue();
    for (int type = 1; type <= 11; ++type) {
        if (type == own) continue;
        for (const SweepManifold& manifold : kSweepManifolds)
            if (manifold.type == type && list.GetListCount() < list.GetListCapacity())
                list.AddListItem(MakeSweepManifoldPart(manifold));
    }
    EndPreset(&sheet_.GetInductionPage());
}

void CItrProDlg::OnPresetBoreStroke() {
    coarse_.PresetBoreStroke(0.25f, 0.05f);
    fine_.PresetBoreStroke(0.05f, 0.01f);
    EndPreset(&sheet_.GetBoreStrokePage());
}

void CItrProDlg::OnPresetTorque() {
    coarse_.SetCriterion(kCriterionPeakTorque);
    fine_.SetCriterion(kCriterionPeakTorque);
    EndPreset(&sheet_.GetCriteriaPage());
}

void CItrProDlg::OnPresetPower() {
    coarse_.SetCriterion(kCriterionPeakPower);
    fine_.SetCriterion(kCriterionPeakPower);
    EndPreset(&sheet_.GetCriteriaPage());
}

void CItrProDlg::OnResetAll() {
    SetDefaults();
    coarse_.SetCriterion(kCriterionPeakPower);
    fine_.SetCriterion(kCriterionPeakPower);
    EndPreset(nullptr);
}

}  // namespace torvane
