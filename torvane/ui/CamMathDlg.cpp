#include "torvane/ui/CamMathDlg.h"

#include "common/Assertion.h"
#include "common/FieldChecks.h"
#include "common/Util.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/CamResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {

const char kAssertModule[] = "CamMathDlg";

bool IsLiftField(UINT id) { return id == IDC_CM_INTAKE_LIFT || id == IDC_CM_EXHAUST_LIFT; }

void AppendMethod(CWnd* dialog, int groupId, const CPartTypeSpec& method) {
    if (!method.IsValid()) return;
    CString caption;
    dialog->GetDlgItemText(groupId, caption);
    dialog->SetDlgItemText(groupId, caption + " @ " + method.GetTypeName());
}

}  // namespace

void CCamEventCalculation::Compute() {
    if (cam_.lobeCenterAngle.IsValid() && cam_.intakeCenterline.IsValid() && cam_.intakeDuration.IsValid() &&
        cam_.exhaustDuration.IsValid()) {
        cam_.ComputeEventsFromCenters();
        return;
    }
    for (CFloatPtSpec* event : {&cam_.primary.ivo, &cam_.primary.ivc, &cam_.primary.evo, &cam_.primary.evc})
        event->Clear();
}

bool CCamEventCalculation::Validate(unsigned short& code) const {
    const FieldCode checks[] = {{&cam_.intakeLift, 32},  {&cam_.exhaustLift, 33}, {&cam_.primary.ivo, 34},
                                {&cam_.primary.ivc, 35}, {&cam_.primary.evo, 36}, {&cam_.primary.evc, 37}};
    return cam_.ValidateCenters(code) && FirstInvalidField(checks, code);
}

BEGIN_MESSAGE_MAP(CCamMathDlg, CDialog)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_CM_LOBE_CENTER, IDC_CM_INTAKE_CENTERLINE, OnFieldSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CM_LOBE_CENTER, IDC_CM_INTAKE_CENTERLINE, OnFieldKillFocus)
ON_MESSAGE(kMsgFieldRejected, OnFieldRejected)
END_MESSAGE_MAP()

CCamMathDlg::CCamMathDlg(CTorvaneDoc* doc, CWnd* parent)
    : CDialog(IDD_CAM_MATH, parent), doc_(doc), calc_(doc->cam), entry_(this, IDC_CM_HELP) {
    Cam& cam = calc_.GetCam();
    // Accepted entries keep the text as typed; they only recompute.
    entry_.Bind(IDC_CM_LOBE_CENTER, &cam.lobeCenterAngle, false);
    entry_.Bind(IDC_CM_INTAKE_CENTERLINE, &cam.intakeCenterline, false);
    entry_.Bind(IDC_CM_INTAKE_DURATION, &cam.intakeDuration, false);
    entry_.Bind(IDC_CM_EXHAUST_DURATION, &cam.exhaustDuration, false);
    entry_.Bind(IDC_CM_INTAKE_LIFT, &cam.intakeLift, false);
    entry_.Bind(IDC_CM_EXHAUST_LIFT, &cam.exhaustLift, false);
}

BOOL CCamMathDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    const int editIds[] = {IDC_CM_LOBE_CENTER,      IDC_CM_INTAKE_CENTERLINE, IDC_CM_INTAKE_DURATION,
                           IDC_CM_EXHAUST_DURATION, IDC_CM_INTAKE_LIFT,       IDC_CM_EXHAUST_LIFT};
    for (int i = 0; i < 6; ++i) APP_ASSERT(edits_[i].SubclassDlgItem(editIds[i], this));
    const Cam& cam = calc_.GetCam();
    AppendMethod(this, IDC_CM_INPUT_GROUP, cam.primary.method);
    AppendMethod(this, IDC_CM_RESULT_GROUP, cam.primary.method);
    const BOOL liftsTyped = cam.GetAutoValveLift() ? FALSE : TRUE;
    GetDlgItem(IDC_CM_INTAKE_LIFT)->EnableWindow(liftsTyped);
    GetDlgItem(IDC_CM_EXHAUST_LIFT)->EnableWindow(liftsTyped);
    entry_.ShowAll();
    UtilSetItemUnitText(this, IDC_CM_UNIT_INTAKE_LIFT, cam.intakeLift);
    UtilSetItemUnitText(this, IDC_CM_UNIT_EXHAUST_LIFT, cam.exhaustLift);
    ComputeAndShow();
    return TRUE;
}

void CCamMathDlg::ComputeAndShow() {
    calc_.Compute();
    const CamTimingSet& events = calc_.GetCam().primary;
    UtilSetItemSpecText(this, IDC_CM_IVO, events.ivo);
    UtilSetItemSpecText(this, IDC_CM_IVC, events.ivc);
    UtilSetItemSpecText(this, IDC_CM_EVO, events.evo);
    UtilSetItemSpecText(this, IDC_CM_EVC, events.evc);
}

void CCamMathDlg::OnFieldSetFocus(UINT id) {
    if (!entry_.IsBound(static_cast<int>(id))) return;
    if (IsLiftField(id)) {
        entry_.OnSetFocus(static_cast<int>(id));
        return;
    }
    UtilSelectAllText(this, static_cast<int>(id));
    UtilSetItemText(this, IDC_CM_HELP, "");
}

void CCamMathDlg::OnFieldKillFocus(UINT id) {
    if (!entry_.IsBound(static_cast<int>(id))) return;
    if (entry_.OnKillFocus(static_cast<int>(id)) == CFieldEntry::kAccepted) ComputeAndShow();
    if (id == IDC_CM_EXHAUST_LIFT) UtilSetItemText(this, IDC_CM_HELP, "");
}

LRESULT CCamMathDlg::OnFieldRejected(WPARAM id, LPARAM) { return CFieldEntry::OnFieldRejected(this, id); }

void CCamMathDlg::OnOK() {
    if (!entry_.BeginCommit(IDOK)) return;
    unsigned short code = 0;
    if (!calc_.Validate(code)) {
        ErrCodeShowError(code);
        return;
    }
    // The same confirmation as every other change of the engine's cam.
    if (!doc_->ConfirmSpecChange(doc_->cam.primary.ivo)) return;
    // A changed cam no longer matches the file it came from.
    if (entry_.IsModified()) doc_->camDataFile.Clear();
    doc_->cam = calc_.GetCam();
    doc_->SetModifiedFlag(TRUE);
    EndDialog(IDOK);
}

bool CalculateCamEvents(CTorvaneDoc& doc) {
    CCamMathDlg dialog(&doc, nullptr);
    return dialog.DoModal() == IDOK;
}

}  // namespace torvane
