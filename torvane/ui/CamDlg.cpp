#include "torvane/ui/CamDlg.h"

#include <commctrl.h>

#include <algorithm>

#include "common/Assertion.h"
#include "common/DialogChart.h"
#include "common/FieldValueCopy.h"
#include "common/Util.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/CamResources.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"
#include "zelplot2d/zelplot2d.h"

namespace torvane {

namespace {

const char kAssertModule[] = "CamDlg";

const char kCustomName[] = "Custom";

// "The cam data no longer match the named cam file."
const unsigned short kWarningFileMismatch = 109;
// "The ramp rate cannot be computed until both timings and both lifts are entered."
const unsigned short kWarningRampRateUndefined = 107;

const int kBarMin = 10, kBarMax = 60;
const float kRampMin = 1.0f, kRampMax = 6.0f;

const char* const kEngines[] = {"AMC",      "AMC/Jeep",      "Buick",     "Cadillac",
                                "Chevy",    "Chevy (Corvair)", "Chrysler", "Chrysler A",
                                "Chrysler/Dodge/Plymouth", "Datsun-Nissan", "Ford", "Ford Flat",
                                "Harley-Davidson", "Harvester", "Holden", "MG",
                                "Nissan",   "Olds",          "Olds F-85", "Pontiac",
                                "Rover",    "Toyota",        "VW"};

const char* const kUsages[] = {"Autocross",
                               "Bracket Racing",
                               "Bracket Racing & Marine Use",
                               "Bracket Racing & Super Street",
                               "Drag Racing",
                               "Drag Racing & Marine Use",
                               "Drag Racing & Oval Track",
                               "Drag Racing & Pro Street",
                               "Fuel Dragster & Funny Car",
                               "Hobby Class Racing",
                               "Hot Street & Drag Racing",
                               "Mud Runners & Pullers",
                               "Off Road & Bracket Racing",
                               "Pro Stock",
                               "Pro Stock & Supercharged",
                               "Street & Marine Use",
                               "Street High Performance",
                               "Street, Towing & RV",
                               "Super Gas",
                               "Supercharged Fuel",
                               "Supercharged Gas"};

struct LifterEntry {
    const char* text;
    int type;
};
const LifterEntry kLifters[] = {{"Hydraulic", 1},   {"Roller Hydraulic", 4},    {"Solid", 2},
                                {"Roller Solid", 3}, {"None (Overhead Cam)", 5}};

// The text controls and the texts they edit.
struct TextControl {
    int id;
    int text;
    int limit;
};
const TextControl kTextControls[] = {{IDC_CAM_ENGINE, kCamTextEngine, 100},
                                     {IDC_CAM_USAGE, kCamTextUsage, 100},
                                     {IDC_CAM_MANUFACTURER, kCamTextManufacturer, 100},
                                     {IDC_CAM_WEB, kCamTextWeb, 100},
                                     {IDC_CAM_ENGINE_TYPE, kCamTextEngineType, 1000},
                                     {IDC_CAM_APPLICATION, kCamTextApplication, 1000}};
const int kCamNameLimit = 72;

// The labels hidden while the ramp rate is undefined.
const int kUpperRampLabels[] = {IDC_CAM_RAMP_LABEL_6, IDC_CAM_RAMP_LABEL_5, IDC_CAM_RAMP_LABEL_4,
                                IDC_CAM_RAMP_LABEL_3, IDC_CAM_RAMP_LABEL_2};

const int kEnabledWithDialog[] = {IDC_CAM_FILE_NAME,  IDC_CAM_NAME,        IDC_CAM_ENGINE,      IDC_CAM_USAGE,
                                  IDC_CAM_MANUFACTURER, IDC_CAM_ENGINE_TYPE, IDC_CAM_APPLICATION, IDC_CAM_RAMP_BAR,
                                  IDC_CAM_RAMP_AUTO,  IDC_CAM_RAMP_MANUAL, IDC_CAM_CLEAR,       IDC_CAM_OPEN,
                                  IDC_CAM_SAVE,       IDOK,                IDC_CAM_APPLY,       IDCANCEL};

const TextControl* FindTextControl(UINT id) {
    for (const TextControl& control : kTextControls)
        if (control.id == static_cast<int>(id)) return &control;
    return nullptr;
}

// Splits "folder\name" at its last backslash (no folder without one).
void SplitPath(const CString& path, CString& folder, CString& name) {
    const int slash = path.ReverseFind('\\');
    folder = slash >= 0 ? path.Left(slash) : CString();
    name = path.Mid(slash + 1);
}

// The cam kept for loading files, for the program's lifetime.
Cam& ScratchCam() {
    static Cam scratch;
    return scratch;
}

bool AllEventsValid(const CamTimingSet& set) {
    return set.ivo.IsValid() && set.ivc.IsValid() && set.evo.IsValid() && set.evc.IsValid();
}

}  // namespace

BEGIN_MESSAGE_MAP(CCamDlg, CDialog)
ON_EN_KILLFOCUS(IDC_CAM_NAME, OnNameKillFocus)
ON_EN_SETFOCUS(IDC_CAM_NAME, OnNameSetFocus)
ON_EN_SETFOCUS(IDC_CAM_MANUFACTURER, OnManufacturerSetFocus)
ON_EN_SETFOCUS(IDC_CAM_WEB, OnWebSetFocus)
ON_CBN_KILLFOCUS(IDC_CAM_ENGINE, OnEngineKillFocus)
ON_CBN_KILLFOCUS(IDC_CAM_USAGE, OnUsageKillFocus)
ON_CBN_KILLFOCUS(IDC_CAM_LIFTER, OnLifterKillFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CAM_MANUFACTURER, IDC_CAM_WEB, OnTextKillFocus)
ON_BN_CLICKED(IDC_CAM_RAMP_AUTO, OnRampAuto)
ON_BN_CLICKED(IDC_CAM_RAMP_MANUAL, OnRampManual)
ON_MESSAGE(kMsgRampRateUndefined, OnRampRateUndefined)
ON_WM_VSCROLL()
ON_BN_CLICKED(IDC_CAM_CLEAR, OnClear)
ON_BN_CLICKED(IDC_CAM_OPEN, OnOpen)
ON_BN_CLICKED(IDC_CAM_SAVE, OnSave)
ON_BN_CLICKED(IDC_CAM_APPLY, OnApply)
ON_MESSAGE(ZEL2D_PAINTED, OnChartPainted)
END_MESSAGE_MAP()

CCamDlg::CCamDlg(CTorvaneDoc* doc, CWnd* parent)
    : CDialog(IDD_CAM_MANAGER, parent),
      doc_(doc),
      active_(&seatToSeat_),
      rampBackup_("Default", kUnitNone, kRampMin, kRampMax, kUnitNone, 1.0f) {
    APP_ASSERT(doc_ != nullptr);
    sheet_.SetOwnerDialog(this);
    BuildCopies(doc_->cam);
    if (doc_->camDataFile.IsSet()) SplitPath(doc_->camDataFile.GetText(), folder_, fileName_);
}

void CCamDlg::BuildCopies(const Cam& source) {
    source.CopyWithTimingMethod(&seatToSeat_, kSeatToSeat);
    source.CopyWithTimingMethod(&fiftyThou_, kFiftyThou);
    for (Cam* copy : {&seatToSeat_, &fiftyThou_})
        if (!copy->camshaftType.IsSet()) copy->camshaftType.SetType(kCamTypeCustom, kCustomName);
    method_ = source.primary.method.IsValid() ? source.primary.method.GetValue() : kSeatToSeat;
    active_ = method_ == kSeatToSeat ? &seatToSeat_ : &fiftyThou_;
    CopyFieldValue(rampBackup_, active_->rampRate);
}

float CCamDlg::RampRateAt(int position) {
    return std::clamp(static_cast<float>(kBarMax + kBarMin - position) * 0.1f, kRampMin, kRampMax);
}

int CCamDlg::PositionOf(float rampRate) {
    APP_ASSERT(rampRate >= kRampMin && rampRate <= kRampMax);
    return kBarMin + static_cast<int>((kRampMax - rampRate) * 10.0f + 0.0001f);
}

BOOL CCamDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_SETRANGE, TRUE, MAKELPARAM(kBarMin, kBarMax));
    SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_SETLINESIZE, 0, 1);
    SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_SETPAGESIZE, 0, 10);
    SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_SETTICFREQ, 10, 0);
    SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_SETPOS, TRUE, kBarMin);
    GetDlgItemText(IDC_CAM_RAMP_LABEL_1, lowLabel_);

    for (const char* engine : kEngines)
        SendDlgItemMessage(IDC_CAM_ENGINE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(engine));
    for (const char* usage : kUsages)
        SendDlgItemMessage(IDC_CAM_USAGE, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(usage));
    for (const LifterEntry& lifter : kLifters) {
        const LRESULT index =
            SendDlgItemMessage(IDC_CAM_LIFTER, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lifter.text));
        SendDlgItemMessage(IDC_CAM_LIFTER, CB_SETITEMDATA, static_cast<WPARAM>(index), lifter.type);
    }
    SendDlgItemMessage(IDC_CAM_NAME, EM_LIMITTEXT, kCamNameLimit, 0);
    for (const TextControl& control : kTextControls) {
        const bool combo = control.id == IDC_CAM_ENGINE || control.id == IDC_CAM_USAGE;
        SendDlgItemMessage(control.id, combo ? CB_LIMITTEXT : EM_LIMITTEXT, static_cast<WPARAM>(control.limit), 0);
    }

    // The sheet and the chart take their placeholders' places.
    if (!sheet_.CreateEmbedded(this, TakePlaceholderRect(this, IDC_CAM_SHEET_PLACE))) return FALSE;
    chart_.Create(TakePlaceholderRect(this, IDC_CAM_CHART_PLACE), this);

    UpdateControls(nullptr);
    return TRUE;
}

// ---- Copies and the timing method

void CCamDlg::SetTimingMethod(int method) {
    APP_ASSERT(method == kSeatToSeat || method == kFiftyThou);
    Cam* next = method == kSeatToSeat ? &seatToSeat_ : &fiftyThou_;
    if (next != active_) {
        // The texts and the name live in the active copy: they go along.
        for (int i = 0; i < Cam::kTextCount; ++i) next->SetText(i, active_->GetText(i));
        next->camshaftType = active_->camshaftType;
    }
    method_ = method;
    active_ = next;
}

bool CCamDlg::IsAutoRampRate() const {
    const bool automatic = seatToSeat_.GetMoreAccurateRampRate();
    APP_ASSERT(automatic == fiftyThou_.GetMoreAccurateRampRate());
    return automatic;
}

void CCamDlg::MarkBothModified() {
    SetLeadFlag(seatToSeat_, true);
    SetLeadFlag(fiftyThou_, true);
}

bool CCamDlg::EitherModified() const { return GetLeadFlag(seatToSeat_) || GetLeadFlag(fiftyThou_); }

void CCamDlg::MakeCombinedCam(Cam& combined) const {
    const Cam& other = active_ == &seatToSeat_ ? fiftyThou_ : seatToSeat_;
    combined = *active_;
    combined.alternate.method = other.primary.method;
    combined.SetNominalEvents(other.primary.ivo, other.primary.ivc, other.primary.evo, other.primary.evc);
}

// ---- Refresh

void CCamDlg::UpdateControls(CWnd* exceptPage) {
    UtilSetItemTextString(this, IDC_CAM_FILE_NAME, fileName_);
    UtilSetItemTextString(this, IDC_CAM_NAME,
                          active_->camshaftType.IsValid() ? active_->camshaftType.GetTypeName() : CString());
    for (const TextControl& control : kTextControls)
        UtilSetItemTextString(this, control.id, active_->GetText(control.text));

    int selection = -1;
    if (active_->lifterType.IsValid()) {
        const int count = static_cast<int>(SendDlgItemMessage(IDC_CAM_LIFTER, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count && selection < 0; ++i)
            if (SendDlgItemMessage(IDC_CAM_LIFTER, CB_GETITEMDATA, static_cast<WPARAM>(i), 0) ==
                active_->lifterType.GetValue())
                selection = i;
        APP_ASSERT(selection >= 0);
    }
    SendDlgItemMessage(IDC_CAM_LIFTER, CB_SETCURSEL, static_cast<WPARAM>(selection), 0);

    if (IsAutoRampRate()) ComputeAutoRampRate();
    CheckRadioButton(IDC_CAM_RAMP_AUTO, IDC_CAM_RAMP_MANUAL, IsAutoRampRate() ? IDC_CAM_RAMP_AUTO : IDC_CAM_RAMP_MANUAL);
    GetDlgItem(IDC_CAM_RAMP_BAR)->EnableWindow(IsAutoRampRate() ? FALSE : TRUE);
    ShowRampRate();
    ShowChart();
    sheet_.UpdatePages(exceptPage);
}

void CCamDlg::ShowRampControls() {
    GetDlgItem(IDC_CAM_RAMP_BAR)->EnableWindow(IsAutoRampRate() ? FALSE : TRUE);
    ShowRampRate();
    ShowChart();
    // The pages enable the other method's row and show their note in Auto.
    sheet_.GetSpecsPage().UpdateControls();
    sheet_.GetTimingPage().UpdateControls();
}

void CCamDlg::ShowRampRate() {
    const CFloatPtSpec& rate = active_->rampRate;
    const bool defined = rate.IsValid();
    for (int id : kUpperRampLabels) GetDlgItem(id)->ShowWindow(defined ? SW_SHOW : SW_HIDE);
    if (defined)
        UtilSetItemSpecText(this, IDC_CAM_RAMP_VALUE, rate);
    else
        UtilSetItemText(this, IDC_CAM_RAMP_VALUE, "***");
    UtilSetItemTextString(this, IDC_CAM_RAMP_LABEL_1, defined ? lowLabel_ : CString("Undefined"));
    const int position = PositionOf(defined ? rate.GetValue() : kRampMin);
    if (SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_GETPOS, 0, 0) != position)
        SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_SETPOS, TRUE, position);
}

void CCamDlg::ShowChart() {
    UtilSetItemText(this, IDC_CAM_CHART_GROUP,
                    method_ == kSeatToSeat ? "Camshaft Timing Diagram (Seat-To-Seat Timing Specs)"
                                           : "Camshaft Timing Diagram (0.050-inch Timing Specs)");
    if (chart_.m_hWnd != nullptr) chart_.SetCam(active_);
}

LRESULT CCamDlg::OnChartPainted(WPARAM, LPARAM dcPointer) {
    APP_ASSERT(chart_.m_hWnd != nullptr);
    chart_.DrawDimensions(*reinterpret_cast<HDC*>(dcPointer));
    return 1;
}

void CCamDlg::EnableControls(BOOL enable) {
    for (int id : kEnabledWithDialog) GetDlgItem(id)->EnableWindow(enable);
    sheet_.EnablePages(enable);
}

// ---- Texts and the lifter

void CCamDlg::OnNameKillFocus() {
    CString text;
    if (!UtilGetItemTextTrimmed(this, IDC_CAM_NAME, text)) return;
    CPartTypeSpec& type = active_->camshaftType;
    const bool same = type.IsSet() && type.GetTypeName() == text;
    if (type.ParseAndSet(text, false) && !same) SetLeadFlag(*active_, true);
}

// The one-line texts are typed over as a whole.
void CCamDlg::OnNameSetFocus() { UtilSelectAllText(this, IDC_CAM_NAME); }

void CCamDlg::OnManufacturerSetFocus() { UtilSelectAllText(this, IDC_CAM_MANUFACTURER); }

void CCamDlg::OnWebSetFocus() { UtilSelectAllText(this, IDC_CAM_WEB); }

void CCamDlg::StoreText(int id) {
    const TextControl* control = FindTextControl(static_cast<UINT>(id));
    APP_ASSERT(control != nullptr);
    CString text;
    UtilGetItemTextTrimmed(this, id, text);
    if (text == active_->GetText(control->text)) return;
    active_->SetText(control->text, text);
    SetLeadFlag(*active_, true);
}

void CCamDlg::OnTextKillFocus(UINT id) {
    if (FindTextControl(id) != nullptr) StoreText(static_cast<int>(id));
}

void CCamDlg::OnEngineKillFocus() { StoreText(IDC_CAM_ENGINE); }

void CCamDlg::OnUsageKillFocus() { StoreText(IDC_CAM_USAGE); }

void CCamDlg::OnLifterKillFocus() {
    const LRESULT selection = SendDlgItemMessage(IDC_CAM_LIFTER, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return;
    const int type = static_cast<int>(SendDlgItemMessage(IDC_CAM_LIFTER, CB_GETITEMDATA, static_cast<WPARAM>(selection), 0));
    CString text;
    CComboBox* list = static_cast<CComboBox*>(GetDlgItem(IDC_CAM_LIFTER));
    list->GetLBText(static_cast<int>(selection), text);
    const bool changed = !active_->lifterType.IsSet() || active_->lifterType.GetValue() != type;
    seatToSeat_.lifterType.SetType(type, text);
    fiftyThou_.lifterType = seatToSeat_.lifterType;
    if (changed) SetLeadFlag(*active_, true);
}

// ---- Ramp rate

bool CCamDlg::ComputeAutoRampRate() {
    Cam& seat = seatToSeat_;
    const CamTimingSet& fifty = fiftyThou_.primary;
    if (AllEventsValid(seat.primary) && AllEventsValid(fifty) && seat.intakeLift.IsValid() &&
        seat.exhaustLift.IsValid()) {
        seat.alternate.method = fifty.method;
        seat.SetNominalEvents(fifty.ivo, fifty.ivc, fifty.evo, fifty.evc);
        // Typed events may give no ramp (the 0.050-inch events as wide as
        // the seat-to-seat ones): that is "cannot compute", not a fault.
        if (seat.IsComplete() && seat.ComputeLifterRampRate()) {
            CopyFieldValue(fiftyThou_.rampRate, seat.rampRate);
            return true;
        }
    }
    seat.rampRate.Clear();
    fiftyThou_.rampRate.Clear();
    return false;
}

void CCamDlg::OnRampAuto() {
    CheckRadioButton(IDC_CAM_RAMP_AUTO, IDC_CAM_RAMP_MANUAL, IDC_CAM_RAMP_AUTO);
    if (!IsAutoRampRate()) {
        CopyFieldValue(rampBackup_, seatToSeat_.rampRate);
        MarkBothModified();
    }
    seatToSeat_.SetMoreAccurateRampRate(true);
    fiftyThou_.SetMoreAccurateRampRate(true);
    if (!ComputeAutoRampRate()) PostMessage(kMsgRampRateUndefined);
    ShowRampControls();
}

void CCamDlg::OnRampManual() {
    CheckRadioButton(IDC_CAM_RAMP_AUTO, IDC_CAM_RAMP_MANUAL, IDC_CAM_RAMP_MANUAL);
    const bool wasAutomatic = IsAutoRampRate();
    // The rate from before "Auto Calc." comes back, as a value: the cam's
    // field keeps its own name and limits.
    if (wasAutomatic && !seatToSeat_.rampRate.IsSet()) {
        CopyFieldValue(seatToSeat_.rampRate, rampBackup_);
        CopyFieldValue(fiftyThou_.rampRate, rampBackup_);
    }
    seatToSeat_.SetMoreAccurateRampRate(false);
    fiftyThou_.SetMoreAccurateRampRate(false);
    if (wasAutomatic) MarkBothModified();
    ShowRampControls();
}

LRESULT CCamDlg::OnRampRateUndefined(WPARAM, LPARAM) {
    if (ErrCodeShowWarning(kWarningRampRateUndefined, true) == IDOK) return 0;
    OnRampManual();
    GetDlgItem(IDC_CAM_RAMP_MANUAL)->SetFocus();
    return 0;
}

void CCamDlg::OnVScroll(UINT code, UINT position, CScrollBar* bar) {
    if (bar != nullptr && bar->m_hWnd == GetDlgItem(IDC_CAM_RAMP_BAR)->m_hWnd) {
        const float rate = RampRateAt(static_cast<int>(SendDlgItemMessage(IDC_CAM_RAMP_BAR, TBM_GETPOS, 0, 0)));
        if (!active_->rampRate.IsSet() || active_->rampRate.GetValue() != rate) {
            seatToSeat_.rampRate.SetValue(rate);
            fiftyThou_.rampRate.SetValue(rate);
            MarkBothModified();
        }
        ShowRampRate();
        ShowChart();
    }
    CDialog::OnVScroll(code, position, bar);
}

// ---- Buttons

void CCamDlg::OnClear() {
    seatToSeat_.Clear();
    seatToSeat_.camshaftType.SetType(kCamTypeCustom, kCustomName);
    seatToSeat_.SetTimingSeatToSeat();
    seatToSeat_.SetSeatToSeatLimits();
    fiftyThou_.Clear();
    fiftyThou_.camshaftType.SetType(kCamTypeCustom, kCustomName);
    fiftyThou_.SetTiming050Inch();
    fiftyThou_.Set050InchLimits();
    method_ = kSeatToSeat;
    active_ = &seatToSeat_;
    fileName_.Empty();
    folder_.Empty();
    sheet_.ResetSearch();
    UpdateControls(nullptr);
}

bool CCamDlg::LoadCamFile(const char* name, const char* folder) {
    CString fileName, fileFolder, path;
    if (name == nullptr && folder == nullptr) {
        CString chosenName;
        if (!active_->BrowseOpen(chosenName, path)) return false;
        SplitPath(path, fileFolder, fileName);
    } else {
        APP_ASSERT(name != nullptr && folder != nullptr);
        fileName = name;
        fileFolder = folder;
        path.Format("%s\\%s", folder, name);
    }
    // Loaded aside: a file that fails to read changes nothing here.
    Cam& scratch = ScratchCam();
    scratch.Clear();
    if (!scratch.LoadFromFile(path)) return false;
    scratch.SetUnits(active_->GetUnits());
    unsigned short code = 0;
    if (scratch.ValidateEvents(code)) scratch.ComputeFromEvents();
    fileName_ = fileName;
    folder_ = fileFolder;
    BuildCopies(scratch);
    return true;
}

void CCamDlg::OnOpen() {
    if (LoadCamFile(nullptr, nullptr)) {
        SetLeadFlag(seatToSeat_, false);
        SetLeadFlag(fiftyThou_, false);
    }
    UpdateControls(nullptr);
}

void CCamDlg::FullPath(CString& path) const {
    path = folder_.IsEmpty() ? fileName_ : folder_ + "\\" + fileName_;
}

void CCamDlg::OnSave() {
    // A text still being typed belongs to what is saved.
    if (!CommitEntries(IDC_CAM_SAVE)) return;
    Cam saved;
    MakeCombinedCam(saved);
    CString current, name, path;
    FullPath(current);
    if (saved.BrowseSave(fileName_.IsEmpty() ? nullptr : current.GetString(), name, path) &&
        saved.SaveToFile(path)) {
        SplitPath(path, folder_, fileName_);
        SetLeadFlag(seatToSeat_, false);
        SetLeadFlag(fiftyThou_, false);
    }
    UpdateControls(nullptr);
}

bool CCamDlg::CommitEntries(int buttonId) {
    CWnd* button = GetDlgItem(buttonId);
    if (GetFocus() != button) button->SetFocus();
    // A refused entry on a page has posted its beep and refocus.
    return sheet_.IsEntryAccepted();
}

bool CCamDlg::BeginApply(int buttonId) {
    if (!CommitEntries(buttonId)) return false;
    unsigned short code = 0;
    if (!active_->Validate(code)) {
        ErrCodeShowError(code);
        return false;
    }
    return doc_->ConfirmSpecChange(doc_->cam.primary.ivo);
}

void CCamDlg::ApplyToDocument() {
    unsigned short code = 0;
    APP_ASSERT(active_->Validate(code));
    APP_ASSERT(active_ == (method_ == kSeatToSeat ? &seatToSeat_ : &fiftyThou_));
    APP_ASSERT(seatToSeat_.primary.method.GetValue() == kSeatToSeat &&
               fiftyThou_.primary.method.GetValue() == kFiftyThou);
    MakeCombinedCam(doc_->cam);
    if (fileName_.IsEmpty() || EitherModified()) {
        doc_->camDataFile.Clear();
    } else {
        CString path;
        FullPath(path);
        doc_->camDataFile.ParseAndSet(path, false);
    }
    SetLeadFlag(doc_->cam, false);
    doc_->SetModifiedFlag(TRUE);
}

void CCamDlg::OnOK() {
    if (!BeginApply(IDOK)) return;
    if (!fileName_.IsEmpty() && EitherModified() && ErrCodeShowWarning(kWarningFileMismatch, true) != IDOK)
        return;
    ApplyToDocument();
    EndDialog(IDOK);
}

void CCamDlg::OnApply() {
    if (!BeginApply(IDC_CAM_APPLY)) return;
    ApplyToDocument();
    doc_->RecomputeDerived();
    doc_->UpdateAllViews(nullptr, 0, nullptr);
}

bool ManageCam(CTorvaneDoc& doc) {
    CCamDlg dialog(&doc, AfxGetMainWnd());
    return dialog.DoModal() == IDOK;
}

}  // namespace torvane
