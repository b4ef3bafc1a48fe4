#include "quillet/ui/sweep/ItrProDlg.h"

#include <commctrl.h>

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/charts/ChartCatalogue.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/ItrProResources.h"
#include "quillet/services/ErrCode.h"

namespace quillet {

static const char kAssertModule[] = "ItrProDlg.cpp";

namespace {

constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kDarkGrey = 0x808080;
constexpr COLORREF kGreen = 0x00FF00;

// Catalogue row of the "Current Test" chart's x axis.
const int kRowDistance = 2;

const int kDialogButtons[] = {IDOK,
                              IDCANCEL,
                              IDC_IP_RESET_ALL,
                              IDC_IP_PRESET_SHIFT_POINTS,
                              IDC_IP_PRESET_GEARS,
                              IDC_IP_PRESET_CONVERTER,
                              IDC_IP_PRESET_ET,
                              IDC_IP_PRESET_MPH};

// The legend rectangles: current (green), baseline (grey), new maximum (red).
const int kLegendIds[3] = {IDC_IP_LEGEND_CURRENT, IDC_IP_LEGEND_BASELINE, IDC_IP_LEGEND_MAXIMUM};
const COLORREF kLegendColors[3] = {kGreen, kDarkGrey, kRed};

// How each criterion is shown: readouts and the "Current Test" y axis.
struct CriterionLook {
    int decimals;
    const char* format;
    const char* units;
    int chartType, fill, row;
};
const CriterionLook kLooks[] = {
    {3, "%.3f", "secs.", ZEL2D_CHART_LINE, ZEL2D_FILL_OUTLINE, 1},
    {1, "%.1f", "MPH", ZEL2D_CHART_LINE, ZEL2D_FILL_OUTLINE, 4},
    {3, "%.3f", "g's-feet x 1000", ZEL2D_CHART_AREA, ZEL2D_FILL_SOLID, 3},
    {3, "%.3f", "MPH-feet x 1000", ZEL2D_CHART_AREA, ZEL2D_FILL_SOLID, 4},
    {3, "%.3f", "lbft-feet x 1000", ZEL2D_CHART_AREA, ZEL2D_FILL_SOLID, 7},
    {3, "%.3f", "HP-feet x 1000", ZEL2D_CHART_AREA, ZEL2D_FILL_SOLID, 8},
};

const CriterionLook& LookOf(int criterion) {
    APP_ASSERT(criterion >= kCriterionElapsedTime && criterion <= kCriterionPowerArea);
    return kLooks[criterion];
}

CString Number(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

void SetCurve(ZELDATA data, int set, const float* x, const float* y) {
    APP_ASSERT(ZelDataGetNPoints(data, set) == kRaceStepCount);
    for (int i = 0; i < kRaceStepCount; ++i) {
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
ON_BN_CLICKED(IDC_IP_PRESET_SHIFT_POINTS, OnPresetShiftPoints)
ON_BN_CLICKED(IDC_IP_PRESET_GEARS, OnPresetGears)
ON_BN_CLICKED(IDC_IP_PRESET_CONVERTER, OnPresetConverter)
ON_BN_CLICKED(IDC_IP_PRESET_ET, OnPresetElapsedTime)
ON_BN_CLICKED(IDC_IP_PRESET_MPH, OnPresetTrapSpeed)
END_MESSAGE_MAP()

CItrProDlg::CItrProDlg(CIterator* coarse, CIterator* fine, CWnd* parent)
    : CDialog(IDD_ITR_PRO, parent),
      documentCoarse_(coarse),
      documentFine_(fine),
      document_(coarse != nullptr ? coarse->GetSourceDocument() : nullptr),
      lamps_({IDB_LAMP_GREEN_LIT, IDB_LAMP_GREEN_UNLIT, IDB_LAMP_RED_LIT, IDB_LAMP_RED_UNLIT}),
      converterInUse_(document_ != nullptr && document_->m_converterStall.IsSet()) {
    APP_ASSERT(coarse != nullptr && fine != nullptr && document_ != nullptr);
    short code = 0;
    APP_ASSERT(document_->Validate(&code));
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
    coarse_.PresetShiftPoints(2000.0f, 1000.0f);
    coarse_.PresetGearRatios(1.5f, 0.75f);
    fine_.PresetShiftPoints(500.0f, 250.0f);
    fine_.PresetGearRatios(0.375f, 0.125f);
    if (converterInUse_) {
        coarse_.PresetConverterStall(2000.0f, 1000.0f);
        fine_.PresetConverterStall(1000.0f, 250.0f);
    }
    for (CIterator* sweep : {&coarse_, &fine_}) {
        sweep->EnableShiftPoints(false);
        sweep->EnableGearRatios(false);
        sweep->EnableConverterStall(false);
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
    EnableConverterPreset();
}

void CItrProDlg::EnableConverterPreset() { GetDlgItem(IDC_IP_PRESET_CONVERTER)->EnableWindow(converterInUse_); }

bool CItrProDlg::IsFinePhaseEnabled() {
    return sheet_.GetShiftPointsPage().IsPhaseEnabled(kFinePhase) ||
           sheet_.GetGearsPage().IsPhaseEnabled(kFinePhase) || sheet_.GetConverterPage().IsPhaseEnabled(kFinePhase);
}

void CItrProDlg::EnableControls(bool enable) {
    for (int id : kDialogButtons) GetDlgItem(id)->EnableWindow(enable);
    if (enable) EnableConverterPreset();
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
        // Each series: the coarse phase's runs, and the fine phase's when
        // it is on.
        const struct {
            int lamp, tests;
            CItrProRangePage& page;
        } series[] = {{IDC_IP_LAMP_SHIFT_POINTS, IDC_IP_TESTS_SHIFT_POINTS, sheet_.GetShiftPointsPage()},
                      {IDC_IP_LAMP_GEARS, IDC_IP_TESTS_GEARS, sheet_.GetGearsPage()},
                      {IDC_IP_LAMP_CONVERTER, IDC_IP_TESTS_CONVERTER, sheet_.GetConverterPage()}};
        for (const auto& s : series) {
            const bool used = s.page.IsPhaseEnabled(kCoarsePhase);
            lamps_.ShowGreen(this, s.lamp, used);
            int tests = s.page.GetNumberOfTests(&coarse_);
            if (s.page.IsPhaseEnabled(kFinePhase)) tests += s.page.GetNumberOfTests(&fine_);
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
    APP_ASSERT(coarse_.GetCriterion() == fine_.GetCriterion());
    const int criterion = coarse_.GetCriterion();
    const CriterionLook& look = LookOf(criterion);
    auto shownValue = [&](float value) {
        CString text;
        text.Format(look.format, UtilRoundToDecimals(value, look.decimals));
        return text;
    };
    const float baseline = UtilRoundToDecimals(coarse_.GetBaselineScore(), look.decimals);
    SetText(IDC_IP_BASELINE, shownValue(baseline));
    if (!runOnly) SetText(IDC_IP_UNITS, look.units);
    if (coarse_.GetRunsDone() == 0) {
        for (int id : {IDC_IP_CURRENT, IDC_IP_MAXIMUM, IDC_IP_INCREASE}) SetText(id, " ");
    } else {
        CIterator& shown = Shown();
        const float best = UtilRoundToDecimals(shown.GetBestScore(), look.decimals);
        SetText(IDC_IP_CURRENT, shownValue(shown.GetLastScore()));
        SetText(IDC_IP_MAXIMUM, shownValue(best));
        // A lower elapsed time is the gain.
        SetText(IDC_IP_INCREASE,
                shownValue(criterion == kCriterionElapsedTime ? baseline - best : best - baseline));
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
    xAxis_.Select(kRowDistance, 3);
    SetValues(chart, X_TITLE(xAxis_.name), X_AXIS_SHOW(1));
    SelectCurrentTestYAxis();
    SetValues(chart, Y_AXIS_SHOW(1), X_MIN(double(xAxis_.presetMin)), X_MAX(double(xAxis_.presetMax)),
              Y_MIN(double(yAxis_.presetMin)), Y_MAX(double(yAxis_.presetMax)), Y2_MIN(double(yAxis_.presetMin)),
              Y2_MAX(double(yAxis_.presetMax)));
    // Best (red) on both axes; baseline (grey) and the vehicle under test
    // (green) on the first.
    SetStyle(chart, false, 0, kRed);
    SetStyle(chart, true, 0, kRed);
    SetStyle(chart, false, 1, kDarkGrey);
    SetStyle(chart, false, 2, kGreen);
    dataA_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 3, kRaceStepCount);
    dataB_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, kRaceStepCount);
    APP_ASSERT(dataA_ != nullptr && dataB_ != nullptr);
    SetValues(chart, DATA(dataA_), DATA2(dataB_));
    ReduceChartMargins(chart, font_);
}

void CItrProDlg::SelectCurrentTestYAxis() {
    if (chart_.m_chart == nullptr) return;
    const CriterionLook& look = LookOf(coarse_.GetCriterion());
    using namespace zel2d;
    SetValues(chart_.m_chart, Y_CHART_TYPE(look.chartType), Y_FILL(look.fill));
    yAxis_.Select(look.row, 1);
    SetValues(chart_.m_chart, Y_TITLE(yAxis_.name));
}

void CItrProDlg::UpdateCurrentTestChart() {
    if (chart_.m_chart == nullptr) return;
    CIterator& shown = Shown();
    const bool ran = coarse_.GetRunsDone() > 0;
    const int curve = yAxis_.resultCurve;
    if (ran && shown.GetResultCount() > 0) {
        const CQuilletDoc* best = shown.GetBestResultDoc();
        SetCurve(dataA_, 0, best->GetStepTable(kCurveDistance), best->GetStepTable(curve));
        SetCurve(dataB_, 0, best->GetStepTable(kCurveDistance), best->GetStepTable(curve));
        const bool area = coarse_.GetCriterion() >= kCriterionAccelerationArea;
        ZelDataSetDisplay(dataA_, 0, ZEL2D_DISPLAY_SHOW);
        ZelDataSetDisplay(dataB_, 0, area ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    } else {
        ZelDataSetDisplay(dataA_, 0, ZEL2D_DISPLAY_HIDE);
        ZelDataSetDisplay(dataB_, 0, ZEL2D_DISPLAY_HIDE);
    }
    SetCurve(dataA_, 1, document_->GetStepTable(kCurveDistance), document_->GetStepTable(curve));
    ZelDataSetDisplay(dataA_, 1, ZEL2D_DISPLAY_SHOW);
    SetCurve(dataA_, 2, shown.GetWorkingStepTable(kCurveDistance), shown.GetWorkingStepTable(curve));
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
    short code = 0;
    if (!coarse_.Validate(&code) || (IsFinePhaseEnabled() && !fine_.Validate(&code))) {
        ErrCodeShowError(static_cast<unsigned short>(code));
        return;
    }
    coarse_.SetHasResults(true);
    fine_.SetHasResults(true);
    *documentCoarse_ = coarse_;
    *documentFine_ = fine_;
    // A fine phase refines the dialog's copy of the best coarse result,
    // which goes with the dialog: it refines the document's copy instead.
    if (documentFine_->GetSourceDocument() != document_ && documentCoarse_->GetResultCount() > 0)
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

void CItrProDlg::OnPresetShiftPoints() {
    coarse_.PresetShiftPoints(2000.0f, 1000.0f);
    fine_.PresetShiftPoints(500.0f, 250.0f);
    EndPreset(&sheet_.GetShiftPointsPage());
}

void CItrProDlg::OnPresetGears() {
    coarse_.PresetGearRatios(1.5f, 0.75f);
    fine_.PresetGearRatios(0.375f, 0.125f);
    EndPreset(&sheet_.GetGearsPage());
}

void CItrProDlg::OnPresetConverter() {
    if (!converterInUse_) return;
    coarse_.PresetConverterStall(2000.0f, 1000.0f);
    fine_.PresetConverterStall(1000.0f, 250.0f);
    EndPreset(&sheet_.GetConverterPage());
}

void CItrProDlg::OnPresetElapsedTime() {
    coarse_.SetCriterion(kCriterionElapsedTime);
    fine_.SetCriterion(kCriterionElapsedTime);
    EndPreset(&sheet_.GetCriteriaPage());
}

void CItrProDlg::OnPresetTrapSpeed() {
    coarse_.SetCriterion(kCriterionTrapSpeed);
    fine_.SetCriterion(kCriterionTrapSpeed);
    EndPreset(&sheet_.GetCriteriaPage());
}

void CItrProDlg::OnResetAll() {
    SetDefaults();
    coarse_.SetCriterion(kCriterionElapsedTime);
    fine_.SetCriterion(kCriterionElapsedTime);
    EndPreset(nullptr);
}

}  // namespace quillet
