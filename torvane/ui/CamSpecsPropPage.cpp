#include "torvane/ui/CamSpecsPropPage.h"

#include "common/Util.h"
#include "torvane/res/CamSheetResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {

const int kSeatToSeatRow[] = {IDC_CS_SEAT_DURATION_LABEL_IN, IDC_CS_SEAT_DURATION_IN, IDC_CS_SEAT_DURATION_LABEL_EX,
                              IDC_CS_SEAT_DURATION_EX};
const int kFiftyThouRow[] = {IDC_CS_FIFTY_DURATION_LABEL_IN, IDC_CS_FIFTY_DURATION_IN, IDC_CS_FIFTY_DURATION_LABEL_EX,
                             IDC_CS_FIFTY_DURATION_EX};

const int kNumberFields[] = {IDC_CS_SEAT_DURATION_IN, IDC_CS_FIFTY_DURATION_IN, IDC_CS_INTAKE_CENTERLINE,
                             IDC_CS_INTAKE_LIFT,      IDC_CS_SEAT_DURATION_EX,  IDC_CS_FIFTY_DURATION_EX,
                             IDC_CS_EXHAUST_CENTERLINE, IDC_CS_EXHAUST_LIFT,   IDC_CS_LOBE_CENTER};

bool BothSet(const CFloatPtSpec& a, const CFloatPtSpec& b) { return a.IsSet() && b.IsSet(); }

}  // namespace

IMPLEMENT_DYNCREATE(CCamSpecsPropPage, CCamCopiesPage)

BEGIN_MESSAGE_MAP(CCamSpecsPropPage, CCamCopiesPage)
ON_BN_CLICKED(IDC_CS_SEAT_TO_SEAT, OnSeatToSeat)
ON_BN_CLICKED(IDC_CS_FIFTY_THOU, OnFiftyThou)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_CS_SEAT_DURATION_IN, IDC_CS_LOBE_CENTER, OnFieldSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CS_SEAT_DURATION_IN, IDC_CS_LOBE_CENTER, OnFieldKillFocus)
ON_MESSAGE(kMsgEventsIncomplete, OnEventsIncomplete)
END_MESSAGE_MAP()

CCamSpecsPropPage::CCamSpecsPropPage()
    : CCamCopiesPage(IDD_CAM_SPECS, {IDC_CS_HELP, IDC_CS_SEAT_TO_SEAT, IDC_CS_FIFTY_THOU, IDC_CS_NOTE}) {}

void CCamSpecsPropPage::BindFields() {
    entry_.Bind(IDC_CS_SEAT_DURATION_IN, &seatToSeat_->intakeDuration);
    entry_.Bind(IDC_CS_FIFTY_DURATION_IN, &fiftyThou_->intakeDuration);
    entry_.Bind(IDC_CS_INTAKE_CENTERLINE, &seatToSeat_->intakeCenterline);
    entry_.Bind(IDC_CS_INTAKE_LIFT, &seatToSeat_->intakeLift);
    entry_.Bind(IDC_CS_SEAT_DURATION_EX, &seatToSeat_->exhaustDuration);
    entry_.Bind(IDC_CS_FIFTY_DURATION_EX, &fiftyThou_->exhaustDuration);
    entry_.Bind(IDC_CS_EXHAUST_LIFT, &seatToSeat_->exhaustLift);
    entry_.Bind(IDC_CS_LOBE_CENTER, &seatToSeat_->lobeCenterAngle);
}

void CCamSpecsPropPage::GetNumberIds(const int*& ids, int& count) const {
    ids = kNumberFields;
    count = static_cast<int>(sizeof kNumberFields / sizeof kNumberFields[0]);
}

void CCamSpecsPropPage::ShowFields() {
    CCamCopiesPage::ShowFields();
    UtilSetItemSpecText(this, IDC_CS_EXHAUST_CENTERLINE, seatToSeat_->exhaustCenterline);
    UtilSetItemSpecText(this, IDC_CS_OVERLAP, owner_->GetActiveCam()->valveOverlap);
}

void CCamSpecsPropPage::GetRowIds(int method, const int*& ids, int& count) const {
    ids = method == kSeatToSeat ? kSeatToSeatRow : kFiftyThouRow;
    count = static_cast<int>(sizeof kSeatToSeatRow / sizeof kSeatToSeatRow[0]);
}

void CCamSpecsPropPage::EnableControls(BOOL enable) {
    for (int id : {IDC_CS_SEAT_TO_SEAT, IDC_CS_FIFTY_THOU, IDC_CS_SEAT_DURATION_IN, IDC_CS_FIFTY_DURATION_IN,
                   IDC_CS_INTAKE_CENTERLINE, IDC_CS_INTAKE_LIFT, IDC_CS_SEAT_DURATION_EX, IDC_CS_FIFTY_DURATION_EX,
                   IDC_CS_EXHAUST_CENTERLINE, IDC_CS_EXHAUST_LIFT, IDC_CS_LOBE_CENTER, IDC_CS_HELP})
        GetDlgItem(id)->EnableWindow(enable);
    // Enabled again, the inactive method's row follows the ramp-rate mode.
    if (enable) EnableRows();
}

void CCamSpecsPropPage::DeriveEvents(Cam& copy, bool& lostIntake, bool& lostExhaust) {
    const bool intakeBefore = BothSet(copy.primary.ivo, copy.primary.ivc);
    const bool exhaustBefore = BothSet(copy.primary.evo, copy.primary.evc);
    unsigned short code = 0;
    if (copy.ValidateCenters(code)) copy.ComputeEventsFromCenters();
    lostIntake = lostIntake || (intakeBefore && !BothSet(copy.primary.ivo, copy.primary.ivc));
    lostExhaust = lostExhaust || (exhaustBefore && !BothSet(copy.primary.evo, copy.primary.evc));
}

void CCamSpecsPropPage::AfterEntry(int id, bool changed) {
    const bool fiftyThouField = id == IDC_CS_FIFTY_DURATION_IN || id == IDC_CS_FIFTY_DURATION_EX;
    Cam& copy = fiftyThouField ? *fiftyThou_ : *seatToSeat_;
    if (changed) SetLeadFlag(copy, true);

    // The centre line, lobe centre and lifts belong to both copies; the
    // 0.050-inch copy takes them before its events are derived, so that the
    // copy the dialog shows is never stale.
    bool shared = false;
    switch (id) {
    case IDC_CS_INTAKE_CENTERLINE:
        shared = CopyValue(seatToSeat_->intakeCenterline, fiftyThou_->intakeCenterline);
        break;
    case IDC_CS_LOBE_CENTER:
        shared = CopyValue(seatToSeat_->lobeCenterAngle, fiftyThou_->lobeCenterAngle);
        break;
    case IDC_CS_INTAKE_LIFT: shared = CopyValue(seatToSeat_->intakeLift, fiftyThou_->intakeLift); break;
    case IDC_CS_EXHAUST_LIFT: shared = CopyValue(seatToSeat_->exhaustLift, fiftyThou_->exhaustLift); break;
    default: break;
    }
    if (shared) SetLeadFlag(*fiftyThou_, true);

    bool lostIntake = false, lostExhaust = false;
    DeriveEvents(copy, lostIntake, lostExhaust);
    if (shared && (id == IDC_CS_INTAKE_CENTERLINE || id == IDC_CS_LOBE_CENTER))
        DeriveEvents(*fiftyThou_, lostIntake, lostExhaust);
    if (lostIntake) PostMessage(kMsgEventsIncomplete, 106);
    if (lostExhaust) PostMessage(kMsgEventsIncomplete, 107);
    owner_->UpdateControls(nullptr);
}

LRESULT CCamSpecsPropPage::OnEventsIncomplete(WPARAM code, LPARAM) {
    ErrCodeShowError(static_cast<unsigned short>(code));
    return 0;
}

}  // namespace torvane
