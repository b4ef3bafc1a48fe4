#include "torvane/ui/AirFlowDlg.h"

#include <algorithm>
#include <commctrl.h>

#include "common/Assertion.h"
#include "common/Util.h"
#include "torvane/res/AirflowResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {

const char kAssertModule[] = "AirFlowDlg";

const int kPoints = CylHeadFlow::kMaxPoints;

// The first control of each grid column; each runs over ten consecutive ids.
const int kGridFirstIds[] = {IDC_AF_INTAKE_LIFT_FIRST, IDC_AF_INTAKE_FLOW_FIRST,
                             IDC_AF_EXHAUST_LIFT_FIRST, IDC_AF_EXHAUST_FLOW_FIRST};

bool InColumn(int id, int first) { return id >= first && id < first + kPoints; }

// The field of row `row` in the grid column starting at `first`.
CFloatPtSpec& CellField(CylHeadFlow& flow, int first, int row) {
    const size_t i = static_cast<size_t>(row);
    switch (first) {
    case IDC_AF_INTAKE_LIFT_FIRST: return flow.intake.lift[i];
    case IDC_AF_INTAKE_FLOW_FIRST: return flow.intake.airflow[i];
    case IDC_AF_EXHAUST_LIFT_FIRST: return flow.exhaust.lift[i];
    default: return flow.exhaust.airflow[i];
    }
}

CIntegerSpec& ValvesOf(CylHeadFlow& flow, int listId) {
    return listId == IDC_AF_INTAKE_VALVES ? flow.intake.valvesPerPort : flow.exhaust.valvesPerPort;
}

}  // namespace

BEGIN_MESSAGE_MAP(CAirFlowDlg, CDialog)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_AF_DESCRIPTION, IDC_AF_FILE_NAME, OnEditSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_AF_DESCRIPTION, IDC_AF_FILE_NAME, OnEditKillFocus)
ON_CONTROL_RANGE(CBN_SETFOCUS, IDC_AF_EXHAUST_VALVES, IDC_AF_INTAKE_VALVES, OnValvesSetFocus)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_AF_EXHAUST_VALVES, IDC_AF_INTAKE_VALVES, OnValvesChanged)
ON_NOTIFY(UDN_DELTAPOS, IDC_AF_SPIN, OnPointsDelta)
ON_BN_CLICKED(IDC_AF_CALC_OTHERS, OnCalcOthers)
ON_BN_CLICKED(IDC_AF_RESET_ALL, OnResetAll)
ON_BN_CLICKED(IDC_AF_OPEN, OnOpen)
ON_BN_CLICKED(IDC_AF_SAVE_AS, OnSaveAs)
ON_MESSAGE(kMsgFieldRejected, OnFieldRejected)
END_MESSAGE_MAP()

CAirFlowDlg::CAirFlowDlg(CylHeadFlow* target, CFileSpec* targetFile, CWnd* parent)
    : CDialog(IDD_AIRFLOW, parent),
      target_(target),
      targetFile_(targetFile),
      flow_(*target),
      file_("Airflow File"),
      entry_(this, IDC_AF_HELP) {
    APP_ASSERT(target != nullptr && targetFile != nullptr);
    if (targetFile->IsSet()) {
        file_ = *targetFile;
        APP_ASSERT(!GetLeadFlag(*target));
    }
    for (int first : kGridFirstIds) {
        int ids[kPoints];
        for (int i = 0; i < kPoints; ++i) ids[i] = first + i;
        UtilAssertConsecutiveIds(ids, kPoints);
    }
    BindFields();
}

void CAirFlowDlg::BindFields() {
    auto bind = [this](int id, CSimSpec* field) {
        if (entry_.IsBound(id))
            entry_.Rebind(id, field);
        else
            entry_.Bind(id, field);
    };
    bind(IDC_AF_INTAKE_DIAMETER, &flow_.intake.testDiameter);
    bind(IDC_AF_INTAKE_DROP, &flow_.intake.pressureDrop);
    bind(IDC_AF_EXHAUST_DIAMETER, &flow_.exhaust.testDiameter);
    bind(IDC_AF_EXHAUST_DROP, &flow_.exhaust.pressureDrop);
    for (int first : kGridFirstIds)
        for (int i = 0; i < kPoints; ++i) bind(first + i, &CellField(flow_, first, i));
}

BOOL CAirFlowDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_AF_SPIN)->SendMessage(UDM_SETRANGE32, CylHeadFlow::kMinPoints, kPoints);
    ShowPointCount();
    FillValveList(IDC_AF_INTAKE_VALVES);
    FillValveList(IDC_AF_EXHAUST_VALVES);
    Refresh();
    EnableRows();
    return TRUE;
}

void CAirFlowDlg::FillValveList(int id) {
    CWnd* list = GetDlgItem(id);
    for (int count = 1; count <= 3; ++count) {
        const char text[2] = {static_cast<char>('0' + count), '\0'};
        const LRESULT index = list->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        list->SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), count);
    }
}

void CAirFlowDlg::ShowPointCount() {
    GetDlgItem(IDC_AF_SPIN)->SendMessage(UDM_SETPOS32, 0, flow_.GetNumPoints());
    CString count;
    count.Format("%d", flow_.GetNumPoints());
    UtilSetItemTextString(this, IDC_AF_POINTS, count);
}

void CAirFlowDlg::Refresh() {
    UtilSetItemText(this, IDC_AF_FILE_NAME, file_.IsSet() ? file_.GetText().GetString() : "");
    UtilSetItemUnitText(this, IDC_AF_INTAKE_DIAMETER_UNIT, flow_.intake.testDiameter);
    UtilSetItemUnitText(this, IDC_AF_INTAKE_DROP_UNIT, flow_.intake.pressureDrop);
    UtilSetItemUnitText(this, IDC_AF_INTAKE_LIFT_UNIT, flow_.intake.lift[0]);
    UtilSetItemUnitText(this, IDC_AF_INTAKE_FLOW_UNIT, flow_.intake.airflow[0]);
    UtilSetItemUnitText(this, IDC_AF_EXHAUST_DIAMETER_UNIT, flow_.exhaust.testDiameter);
    UtilSetItemUnitText(this, IDC_AF_EXHAUST_DROP_UNIT, flow_.exhaust.pressureDrop);
    UtilSetItemUnitText(this, IDC_AF_EXHAUST_LIFT_UNIT, flow_.exhaust.lift[0]);
    UtilSetItemUnitText(this, IDC_AF_EXHAUST_FLOW_UNIT, flow_.exhaust.airflow[0]);
    UtilSetItemTextString(this, IDC_AF_DESCRIPTION, flow_.GetDescription());
    for (int id : {IDC_AF_INTAKE_VALVES, IDC_AF_EXHAUST_VALVES}) {
        // Older airflow files have no valve counts: then nothing is selected.
        const CIntegerSpec& valves = ValvesOf(flow_, id);
        CWnd* list = GetDlgItem(id);
        int selected = -1;
        const int count = static_cast<int>(list->SendMessage(CB_GETCOUNT));
        for (int i = 0; i < count && valves.IsValid(); ++i)
            if (static_cast<int>(list->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(i))) ==
                valves.GetValue())
                selected = i;
        list->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(selected));
    }
    // Unset grid points show empty.
    entry_.ShowAll();
    UtilSetItemTextString(this, IDC_AF_NOTES, flow_.GetNotes());
}

void CAirFlowDlg::EnableRows() {
    for (int first : kGridFirstIds)
        for (int i = 0; i < kPoints; ++i)
            GetDlgItem(first + i)->EnableWindow(i < flow_.GetNumPoints() ? TRUE : FALSE);
}

bool CAirFlowDlg::IsLiftCell(int id) const {
    return InColumn(id, IDC_AF_INTAKE_LIFT_FIRST) || InColumn(id, IDC_AF_EXHAUST_LIFT_FIRST);
}

void CAirFlowDlg::OnEditSetFocus(UINT uid) {
    const int id = static_cast<int>(uid);
    if (id == IDC_AF_DESCRIPTION) {
        UtilSetItemText(this, IDC_AF_HELP, "Enter a Description for this Cylinder Head Airflow Data");
    } else if (id == IDC_AF_NOTES) {
        UtilSetItemText(this, IDC_AF_HELP, "Enter Notes for this Cylinder Head Airflow Data");
    } else if (id == IDC_AF_POINTS) {
        UtilSetItemText(this, IDC_AF_HELP,
                        "Select the Number of Intake and Exhaust Airflow Data Points");
    } else if (entry_.IsBound(id)) {
        if (IsLiftCell(id)) {
            lastLiftId_ = id;
            GetDlgItem(IDC_AF_CALC_OTHERS)->EnableWindow(TRUE);
        }
        entry_.OnSetFocus(id);
    }
}

void CAirFlowDlg::OnEditKillFocus(UINT uid) {
    const int id = static_cast<int>(uid);
    if (id == IDC_AF_DESCRIPTION || id == IDC_AF_NOTES) {
        StoreText(id);
        return;
    }
    if (!entry_.IsBound(id)) return;
    if (IsLiftCell(id)) {
        // The focus has already moved: Calc Others stays usable only when it
        // was pressed.
        CWnd* calcOthers = GetDlgItem(IDC_AF_CALC_OTHERS);
        if (CWnd::GetFocus() != calcOthers) calcOthers->EnableWindow(FALSE);
    }
    entry_.SetModified(false);
    entry_.OnKillFocus(id);
    if (entry_.IsModified()) MarkModified();
}

void CAirFlowDlg::StoreText(int id) {
    CString text;
    UtilGetItemTextTrimmed(this, id, text);
    const bool notes = id == IDC_AF_NOTES;
    if (text == (notes ? flow_.GetNotes() : flow_.GetDescription())) return;
    if (notes)
        flow_.SetNotes(text);
    else
        flow_.SetDescription(text);
    MarkModified();
}

void CAirFlowDlg::OnValvesSetFocus(UINT id) {
    UtilSetItemPrompt(this, IDC_AF_HELP, ValvesOf(flow_, static_cast<int>(id)));
}

void CAirFlowDlg::OnValvesChanged(UINT uid) {
    const int id = static_cast<int>(uid);
    CWnd* list = GetDlgItem(id);
    const LRESULT selected = list->SendMessage(CB_GETCURSEL);
    if (selected < 0) return;
    const int count = static_cast<int>(list->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(selected)));
    CIntegerSpec& valves = ValvesOf(flow_, id);
    if (valves.IsSet() && valves.GetValue() == count) return;
    valves.SetValue(count);
    MarkModified();
}

void CAirFlowDlg::OnPointsDelta(NMHDR* header, LRESULT* result) {
    const NMUPDOWN* upDown = reinterpret_cast<const NMUPDOWN*>(header);
    // The dialog sets the position itself (the control's own change is
    // always refused), so it always equals the number of points.
    *result = 1;
    if (!entry_.IsEntryAccepted()) return;
    const int current = flow_.GetNumPoints();
    const int step = std::max(-1, std::min(1, upDown->iDelta));
    const int count = std::max(CylHeadFlow::kMinPoints, std::min(kPoints, current + step));
    // At either end the control still notifies: nothing changes, so the last
    // point the user typed stays.
    if (count == current) return;
    if (count > current) {
        // A new point continues the last lift step, which must be a rise.
        unsigned short code = 0;
        if (!flow_.ValidateIntakeLift(current - 1, code) ||
            !flow_.ValidateExhaustLift(current - 1, code)) {
            ErrCodeShowError(code);
            return;
        }
    }
    flow_.SetNumPoints(count);
    MarkModified();
    if (count > current) {
        flow_.FillIntakeLifts(count - 2);
        flow_.FillExhaustLifts(count - 2);
        flow_.FillNextPoint();
    }
    ShowPointCount();
    Refresh();
    EnableRows();
}

void CAirFlowDlg::OnCalcOthers() {
    APP_ASSERT(IsLiftCell(lastLiftId_));
    const bool intake = InColumn(lastLiftId_, IDC_AF_INTAKE_LIFT_FIRST);
    const int row = lastLiftId_ - (intake ? IDC_AF_INTAKE_LIFT_FIRST : IDC_AF_EXHAUST_LIFT_FIRST);
    unsigned short code = 0;
    const bool valid =
        intake ? flow_.ValidateIntakeLift(row, code) : flow_.ValidateExhaustLift(row, code);
    if (!valid) {
        ErrCodeShowError(code);
    } else {
        if (intake)
            flow_.FillIntakeLifts(row);
        else
            flow_.FillExhaustLifts(row);
        MarkModified();
        Refresh();
    }
    GetDlgItem(lastLiftId_)->SetFocus();
}

void CAirFlowDlg::OnResetAll() {
    if (ErrCodeAskConfirm(200) != IDOK) return;
    file_.Clear();
    flow_.Reset();
    Refresh();
}

void CAirFlowDlg::OnOpen() {
    CString fileName, fullPath;
    if (!flow_.BrowseOpen(fileName, fullPath)) return;
    // A failed read leaves the working copy as it was.
    if (!flow_.LoadFromFile(fullPath)) return;
    BindFields();
    SetLeadFlag(flow_, false);
    file_.ParseAndSet(fullPath, false);
    ShowPointCount();
    Refresh();
    EnableRows();
}

void CAirFlowDlg::OnSaveAs() {
    CString fileName, fullPath;
    const char* current = file_.IsSet() ? file_.GetText().GetString() : nullptr;
    if (!flow_.BrowseSave(current, fileName, fullPath)) return;
    if (!flow_.SaveToFile(fullPath)) return;
    SetLeadFlag(flow_, false);
    file_.ParseAndSet(fullPath, false);
    Refresh();
}

LRESULT CAirFlowDlg::OnFieldRejected(WPARAM id, LPARAM) {
    return CFieldEntry::OnFieldRejected(this, id);
}

void CAirFlowDlg::OnOK() {
    if (!entry_.BeginCommit(IDOK)) return;
    unsigned short code = 0;
    if (!flow_.Validate(code)) {
        ErrCodeShowError(code);
        return;
    }
    const bool modified = GetLeadFlag(flow_);
    if (file_.IsSet() && modified && ErrCodeShowWarning(108, true) != IDOK) return;
    *target_ = flow_;
    SetLeadFlag(*target_, false);
    if (!file_.IsSet() || modified)
        targetFile_->Clear();
    else
        *targetFile_ = file_;
    EndDialog(IDOK);
}

bool EditAirflowData(CylHeadFlow& flow, CFileSpec& airflowFile) {
    CAirFlowDlg dialog(&flow, &airflowFile, AfxGetMainWnd());
    return dialog.DoModal() == IDOK;
}

}  // namespace torvane
