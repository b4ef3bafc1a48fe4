#include "quillet/ui/PowerCurveDlg.h"

#include <algorithm>
#include <commctrl.h>

#include "common/Assertion.h"
#include "common/Util.h"
#include "quillet/res/PowerCurveResources.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"

namespace quillet {

namespace {

const char kAssertModule[] = "PowerCurveDlg";

const int kRows = kPowerCurveMaxRows;
const float kMinStartRpm = 250.0f, kMaxStartRpm = 9750.0f;
const float kMinStepRpm = 100.0f, kMaxStepRpm = 2500.0f;
// Where a table entered from the peaks starts, and its step.
const float kPeakTableStartRpm = 2000.0f, kPeakTableStepRpm = 500.0f;

const COLORREF kPowerColor = RGB(255, 0, 0);
const COLORREF kTorqueColor = RGB(0, 128, 0);

// The peak and engine-speed edits, in the order of their fields.
const int kFieldIds[] = {IDC_PC_PEAK_POWER, IDC_PC_PEAK_POWER_RPM, IDC_PC_PEAK_TORQUE,
                         IDC_PC_PEAK_TORQUE_RPM, IDC_PC_START_RPM, IDC_PC_STEP_RPM};

bool IsPowerRow(int id) { return id >= IDC_PC_POWER_FIRST && id < IDC_PC_POWER_FIRST + kRows; }
bool IsTorqueRow(int id) { return id >= IDC_PC_TORQUE_FIRST && id < IDC_PC_TORQUE_FIRST + kRows; }
bool IsPeakField(int id) { return id >= IDC_PC_PEAK_POWER && id <= IDC_PC_PEAK_TORQUE_RPM; }

bool AllSet(std::initializer_list<const CFloatPtSpec*> fields) {
    return std::all_of(fields.begin(), fields.end(), [](const CFloatPtSpec* f) { return f->IsSet(); });
}

}  // namespace

BEGIN_MESSAGE_MAP(CPowerCurveDlg, CDialog)
ON_NOTIFY(UDN_DELTAPOS, IDC_PC_SPIN, OnPointsDelta)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_PC_START_RPM, IDC_PC_DESCRIPTION, OnFieldSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_PC_START_RPM, IDC_PC_DESCRIPTION, OnFieldKillFocus)
ON_CONTROL_RANGE(BN_CLICKED, IDC_PC_MODE_POWER, IDC_PC_MODE_PEAKS, OnModeChoice)
ON_CONTROL_RANGE(BN_CLICKED, IDC_PC_MODE_TORQUE, IDC_PC_MODE_TORQUE, OnModeChoice)
ON_BN_CLICKED(IDC_PC_RESET_ALL, OnResetAll)
ON_WM_PAINT()
ON_MESSAGE(kMsgFieldRejected, OnFieldRejected)
ON_MESSAGE(kMsgComputedTorqueOutOfRange, OnComputedTorqueOutOfRange)
ON_MESSAGE(kMsgComputedPowerOutOfRange, OnComputedPowerOutOfRange)
END_MESSAGE_MAP()

CPowerCurveDlg::CPowerCurveDlg(CPowerCurve* curve, const CString& description, CWnd* parent)
    : CDialog(IDD_POWER_CURVE, parent),
      description_(description),
      docCurve_(curve),
      curve_(*curve),
      startRpm_("Starting Engine Speed", kUnitRpm, kMinStartRpm, kMaxStartRpm, kUnitRpm, 1.0f),
      stepRpm_("Engine Step Speed", kUnitRpm, kMinStepRpm, kMaxStepRpm, kUnitRpm, 1.0f),
      entry_(this, IDC_PC_HELP) {
    APP_ASSERT(curve != nullptr);
    // A table whose first rows lie outside the engine-speed limits leaves
    // the start or the step to be typed.
    if (curve_.RpmAt(0).IsSet() && startRpm_.IsInRange(curve_.RpmAt(0).GetValue()))
        startRpm_.SetValue(curve_.RpmAt(0).GetValue());
    if (curve_.RpmAt(0).IsSet() && curve_.RpmAt(1).IsSet()) {
        const float step = curve_.RpmAt(1).GetValue() - curve_.RpmAt(0).GetValue();
        if (stepRpm_.IsInRange(step)) stepRpm_.SetValue(step);
    }
    entry_.Bind(IDC_PC_PEAK_POWER, &curve_.PeakPower());
    entry_.Bind(IDC_PC_PEAK_POWER_RPM, &curve_.PeakPowerRpm());
    entry_.Bind(IDC_PC_PEAK_TORQUE, &curve_.PeakTorque());
    entry_.Bind(IDC_PC_PEAK_TORQUE_RPM, &curve_.PeakTorqueRpm());
    entry_.Bind(IDC_PC_START_RPM, &startRpm_);
    entry_.Bind(IDC_PC_STEP_RPM, &stepRpm_);
    for (int i = 0; i < kRows; ++i) {
        entry_.Bind(IDC_PC_POWER_FIRST + i, &curve_.PowerAt(i));
        entry_.Bind(IDC_PC_TORQUE_FIRST + i, &curve_.TorqueAt(i));
    }
}

BOOL CPowerCurveDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < 6; ++i) APP_ASSERT(fieldEdits_[i].SubclassDlgItem(kFieldIds[i], this));
    for (int i = 0; i < kRows; ++i) {
        APP_ASSERT(powerEdits_[i].SubclassDlgItem(IDC_PC_POWER_FIRST + i, this));
        APP_ASSERT(torqueEdits_[i].SubclassDlgItem(IDC_PC_TORQUE_FIRST + i, this));
        APP_ASSERT(GetDlgItem(IDC_PC_RPM_FIRST + i) != nullptr);
    }
    GetDlgItem(IDC_PC_SPIN)->SendMessage(UDM_SETRANGE, 0, MAKELPARAM(kRows, kPowerCurveMinRows));
    ShowPointCount();
    UtilSetItemTextString(this, IDC_PC_DESCRIPTION, description_);

    FillEdits();
    UtilSetItemText(this, IDC_PC_HELP, "");
    CreateChart();
    UpdateChart();
    EnableByMode();

    const int mode = curve_.GetEntryMode();
    APP_ASSERT(mode == kEntryPeaks || mode == kEntryPower || mode == kEntryTorque);
    CheckModeButton(mode);
    return FALSE;
}

// ------------------------------------------------------------- Display

void CPowerCurveDlg::FillEdits() {
    entry_.ShowAll();
    for (int i = 0; i < kRows; ++i) UtilSetItemSpecText(this, IDC_PC_RPM_FIRST + i, curve_.RpmAt(i));
}

void CPowerCurveDlg::ShowPointCount() {
    GetDlgItem(IDC_PC_SPIN)->SendMessage(UDM_SETPOS, 0, MAKELPARAM(curve_.GetNumPoints(), 0));
    CString count;
    count.Format("%d", curve_.GetNumPoints());
    UtilSetItemTextString(this, IDC_PC_POINTS, count);
}

void CPowerCurveDlg::ShowPeaks() {
    APP_ASSERT(curve_.GetEntryMode() == kEntryPower || curve_.GetEntryMode() == kEntryTorque);
    curve_.UpdatePeaksFromTable();
    for (int id = IDC_PC_PEAK_POWER; id <= IDC_PC_PEAK_TORQUE_RPM; ++id) entry_.Show(id);
}

void CPowerCurveDlg::EnableByMode() {
    const int mode = curve_.GetEntryMode();
    const bool peaks = mode == kEntryPeaks;
    for (int id = IDC_PC_PEAK_POWER; id <= IDC_PC_PEAK_TORQUE_RPM; ++id) GetDlgItem(id)->EnableWindow(peaks);
    for (int id : {IDC_PC_SPIN, IDC_PC_POINTS, IDC_PC_START_RPM, IDC_PC_STEP_RPM})
        GetDlgItem(id)->EnableWindow(!peaks);
    for (int i = 0; i < kRows; ++i) {
        const bool row = i < curve_.GetNumPoints();
        GetDlgItem(IDC_PC_POWER_FIRST + i)->EnableWindow(mode == kEntryPower && row);
        GetDlgItem(IDC_PC_TORQUE_FIRST + i)->EnableWindow(mode == kEntryTorque && row);
    }
}

void CPowerCurveDlg::CheckModeButton(int mode) {
    const int ids[] = {IDC_PC_MODE_PEAKS, IDC_PC_MODE_POWER, IDC_PC_MODE_TORQUE};
    for (int id : ids) CheckDlgButton(id, BST_UNCHECKED);
    CheckDlgButton(ids[mode], BST_CHECKED);
    GetDlgItem(ids[mode])->SetFocus();
}

void CPowerCurveDlg::RecomputeFromPeaks() {
    if (AllSet({&curve_.PeakPower(), &curve_.PeakPowerRpm(), &curve_.PeakTorque(), &curve_.PeakTorqueRpm()})) {
        curve_.SynthesizeFromPeaks();
    } else {
        for (int i = 0; i < kRows; ++i) {
            curve_.RpmAt(i).Clear();
            curve_.PowerAt(i).Clear();
            curve_.TorqueAt(i).Clear();
        }
    }
    ShowPointCount();
    FillEdits();
    UpdateChart();
}

void CPowerCurveDlg::PrepareRowEntry() {
    // Peaks that were never completed leave the rows without rpm; rows are
    // typed against the rpm column, so it continues from the engine speeds.
    if (curve_.GetNumPoints() < kPowerCurveMinRows) curve_.SetNumPoints(kPowerCurveMinRows);
    bool rpmMissing = false;
    for (int i = 0; i < curve_.GetNumPoints(); ++i) rpmMissing = rpmMissing || !curve_.RpmAt(i).IsSet();
    if (rpmMissing && startRpm_.IsSet() && stepRpm_.IsSet())
        curve_.FillRpmSteps(startRpm_.GetValue(), stepRpm_.GetValue());
    ShowPointCount();
    FillEdits();
    UpdateChart();
}

// ---------------------------------------------------------------- Entries

void CPowerCurveDlg::OnFieldSetFocus(UINT uid) {
    const int id = static_cast<int>(uid);
    if (id == IDC_PC_DESCRIPTION)
        UtilSetItemText(this, IDC_PC_HELP, "Enter a Description for this Engine Power Curve Data");
    else if (id == IDC_PC_POINTS)
        UtilSetItemText(this, IDC_PC_HELP, "Select the Number of Power Curve Data Points");
    else if (entry_.IsBound(id))
        entry_.OnSetFocus(id);
}

void CPowerCurveDlg::OnFieldKillFocus(UINT uid) {
    const int id = static_cast<int>(uid);
    if (id == IDC_PC_DESCRIPTION) {
        UtilGetItemTextTrimmed(this, IDC_PC_DESCRIPTION, description_);
    } else if (entry_.IsBound(id) && entry_.OnKillFocus(id) == CFieldEntry::kAccepted) {
        if (IsPeakField(id))
            RecomputeFromPeaks();
        else if (id == IDC_PC_START_RPM || id == IDC_PC_STEP_RPM)
            OnStartOrStepEntry();
        else if (IsPowerRow(id))
            OnRowEntry(id - IDC_PC_POWER_FIRST, true);
        else if (IsTorqueRow(id))
            OnRowEntry(id - IDC_PC_TORQUE_FIRST, false);
    }
    UtilSetItemText(this, IDC_PC_HELP, "");
}

void CPowerCurveDlg::OnStartOrStepEntry() {
    if (!startRpm_.IsSet() || !stepRpm_.IsSet()) return;
    curve_.FillRpmSteps(startRpm_.GetValue(), stepRpm_.GetValue());
    FillEdits();
    UpdateChart();
    ShowPeaks();
}

void CPowerCurveDlg::OnRowEntry(int row, bool powerTyped) {
    // A row without rpm (a table read without one) has nothing to compute
    // the other column from: it stays empty.
    bool inRange = true;
    if (!curve_.RpmAt(row).IsSet())
        (powerTyped ? curve_.TorqueAt(row) : curve_.PowerAt(row)).Clear();
    else if (powerTyped)
        inRange = curve_.ComputeTorqueFromPower(row);
    else
        inRange = curve_.ComputePowerFromTorque(row);
    if (!inRange)
        PostMessage(powerTyped ? kMsgComputedTorqueOutOfRange : kMsgComputedPowerOutOfRange);
    entry_.Show(powerTyped ? IDC_PC_TORQUE_FIRST + row : IDC_PC_POWER_FIRST + row);
    UpdateChart();
    ShowPeaks();
}

LRESULT CPowerCurveDlg::OnFieldRejected(WPARAM id, LPARAM) { return CFieldEntry::OnFieldRejected(this, id); }

LRESULT CPowerCurveDlg::OnComputedTorqueOutOfRange(WPARAM, LPARAM) {
    ErrCodeShowWarning(kNoticeTorqueOutOfRange);
    return 0;
}

LRESULT CPowerCurveDlg::OnComputedPowerOutOfRange(WPARAM, LPARAM) {
    ErrCodeShowWarning(kNoticePowerOutOfRange);
    return 0;
}

// -------------------------------------------------------- Point count

void CPowerCurveDlg::OnPointsDelta(NMHDR* header, LRESULT* result) {
    const NMUPDOWN* upDown = reinterpret_cast<const NMUPDOWN*>(header);
    // The dialog moves the control itself, so its position is always the
    // number of rows; after a refused entry nothing moves.
    *result = 1;
    if (!entry_.IsEntryAccepted()) return;
    const int current = curve_.GetNumPoints();
    const int step = std::max(-1, std::min(1, upDown->iDelta));
    const int count = std::max(kPowerCurveMinRows, std::min(kRows, current + step));
    curve_.SetNumPoints(count);
    if (step > 0 && count > current) {
        // The new last row continues the one before by one engine-speed step.
        const int last = count - 1;
        const CFloatPtSpec& previousRpm = curve_.RpmAt(last - 1);
        CFloatPtSpec& rpm = curve_.RpmAt(last);
        if (previousRpm.IsSet()) {
            const float next = previousRpm.GetValue() + (stepRpm_.IsSet() ? stepRpm_.GetValue() : 0.0f);
            rpm.SetValue(stepRpm_.IsSet() && rpm.IsInRange(next) ? next : previousRpm.GetValue());
        }
        if (curve_.PowerAt(last - 1).IsSet())
            curve_.PowerAt(last).SetValue(curve_.PowerAt(last - 1).GetValue());
        if (curve_.PowerAt(last).IsSet() && rpm.IsSet())
            curve_.ComputeTorqueFromPower(last);
        else
            curve_.TorqueAt(last).Clear();
    }
    ShowPointCount();
    FillEdits();
    UpdateChart();
    EnableByMode();
    ShowPeaks();
}

// -------------------------------------------------------------- Modes

void CPowerCurveDlg::OnModeChoice(UINT uid) {
    const int id = static_cast<int>(uid);
    const int mode = curve_.GetEntryMode();
    if (id == IDC_PC_MODE_POWER || id == IDC_PC_MODE_TORQUE) {
        curve_.SetEntryMode(id == IDC_PC_MODE_POWER ? kEntryPower : kEntryTorque);
        PrepareRowEntry();
        EnableByMode();
        return;
    }
    if (mode != kEntryPeaks && ErrCodeAskConfirm(203) != IDOK) {
        CheckModeButton(mode);
        return;
    }
    curve_.SetEntryMode(kEntryPeaks);
    startRpm_.SetValue(kPeakTableStartRpm);
    stepRpm_.SetValue(kPeakTableStepRpm);
    // The synthesised table starts at 2000 rpm: a peak below it is dropped.
    const struct {
        CFloatPtSpec& value;
        CFloatPtSpec& rpm;
    } peaks[] = {{curve_.PeakPower(), curve_.PeakPowerRpm()}, {curve_.PeakTorque(), curve_.PeakTorqueRpm()}};
    for (const auto& peak : peaks) {
        if (peak.rpm.IsSet() && peak.rpm.GetValue() < kPeakTableStartRpm) {
            peak.value.Clear();
            peak.rpm.Clear();
        }
    }
    RecomputeFromPeaks();
    EnableByMode();
}

void CPowerCurveDlg::OnResetAll() {
    if (ErrCodeAskConfirm(200) != IDOK) return;
    curve_.ClearAll();
    FillEdits();
    UpdateChart();
}

// ------------------------------------------------------------------- OK

void CPowerCurveDlg::OnOK() {
    // Moving the focus to OK runs the entry of the field that had it.
    if (!entry_.BeginCommit(IDOK)) return;
    unsigned short code = 0;
    if (!curve_.Validate(&code)) {
        ErrCodeShowError(code);
        return;
    }
    *docCurve_ = curve_;
    EndDialog(IDOK);
}

// ---------------------------------------------------------------- Chart

void CPowerCurveDlg::CreateChart() {
    chart_.Create(this, IDC_PC_CHART_AREA);
    const ZELCHART chart = chart_.Handle();
    using namespace zel2d;
    // Our chart library keeps fixed ranges unless asked: the curve's top
    // ends are picked from the data.
    SetValues(chart, X_MAJOR_SPACING(2.0), X_AUTO_MAX(1), Y_AUTO_MAX(1));

    ZelStyle style = {};
    ZelGetNthDataStyle(chart, 0, &style);
    style.color = 255;
    style.width = 2;
    style.symbol = ZEL2D_SYMBOL_BOX;
    style.symbol_color = 0x800000;
    style.symbol_size = 3;
    ZelSetNthDataStyle(chart, 0, &style);
    style.color = 0x8000;
    ZelSetNthDataStyle(chart, 1, &style);

    // Until the first update the chart holds a single point at the origin.
    ZELDATA origin = chart_.AddData(ZEL2D_DATA_OWN_X, 1, 1);
    ZelDataSetXElement(origin, 0, 0, 0.0);
    ZelDataSetYElement(origin, 0, 0, 0.0);
    SetValues(chart, DATA(origin));
    curveData_ = chart_.AddData(ZEL2D_DATA_OWN_X, 2, kRows);

    const int f = chart_.FontPixels();
    if (f > 0) {
        if (f < GetValue(chart, MARGIN_TOP)) SetValues(chart, MARGIN_TOP(f));
        if (2 * f < GetValue(chart, MARGIN_BOTTOM)) SetValues(chart, MARGIN_BOTTOM(2 * f));
    }
}

void CPowerCurveDlg::UpdateChart() {
    APP_ASSERT(ZelDataGetNPoints(curveData_, 0) == kRows && ZelDataGetNPoints(curveData_, 1) == kRows);
    int points = 0;
    for (int k = 0; k < curve_.GetNumPoints(); ++k) {
        if (!curve_.IsPointComplete(k)) continue;
        const double x = curve_.GetRpm(k) * 0.001;
        ZelDataSetXElement(curveData_, 0, points, x);
        ZelDataSetYElement(curveData_, 0, points, curve_.GetPower(k));
        ZelDataSetXElement(curveData_, 1, points, x);
        ZelDataSetYElement(curveData_, 1, points, curve_.GetTorque(k));
        ++points;
    }
    for (int set = 0; set < 2; ++set) {
        ZelDataSetDisplay(curveData_, set, points > 0 ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
        if (points > 0) {
            ZelDataSetFirstPoint(curveData_, set, 0);
            ZelDataSetLastPoint(curveData_, set, points - 1);
        }
    }
    zel2d::SetValues(chart_.Handle(), zel2d::DATA(curveData_));
}

void CPowerCurveDlg::OnPaint() {
    CPaintDC dc(this);
    const struct {
        int id;
        COLORREF color;
    } legends[] = {{IDC_PC_POWER_LEGEND, kPowerColor}, {IDC_PC_TORQUE_LEGEND, kTorqueColor}};
    for (const auto& legend : legends) {
        CRect rect;
        GetDlgItem(legend.id)->GetWindowRect(&rect);
        ScreenToClient(&rect);
        CPen pen(PS_SOLID, 2, legend.color);
        CPen* old = dc.SelectObject(&pen);
        const int y = (rect.top + rect.bottom) / 2;
        dc.MoveTo(rect.left - 20, y);
        dc.LineTo(rect.left - 5, y);
        dc.SelectObject(old);
    }
}

}  // namespace quillet
