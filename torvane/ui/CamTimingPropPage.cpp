#include "torvane/ui/CamTimingPropPage.h"

#include "torvane/res/CamSheetResources.h"

namespace torvane {

namespace {

const int kSeatToSeatRow[] = {IDC_CT_SEAT_IVO_LABEL, IDC_CT_SEAT_IVO, IDC_CT_SEAT_IVC_LABEL, IDC_CT_SEAT_IVC,
                              IDC_CT_SEAT_EVO_LABEL, IDC_CT_SEAT_EVO, IDC_CT_SEAT_EVC_LABEL, IDC_CT_SEAT_EVC};
const int kFiftyThouRow[] = {IDC_CT_FIFTY_IVO_LABEL, IDC_CT_FIFTY_IVO, IDC_CT_FIFTY_IVC_LABEL, IDC_CT_FIFTY_IVC,
                             IDC_CT_FIFTY_EVO_LABEL, IDC_CT_FIFTY_EVO, IDC_CT_FIFTY_EVC_LABEL, IDC_CT_FIFTY_EVC};

const int kNumberFields[] = {IDC_CT_SEAT_IVO,  IDC_CT_SEAT_IVC,  IDC_CT_SEAT_EVO,  IDC_CT_SEAT_EVC,  IDC_CT_INTAKE_LIFT,
                             IDC_CT_FIFTY_IVO, IDC_CT_FIFTY_IVC, IDC_CT_FIFTY_EVO, IDC_CT_FIFTY_EVC, IDC_CT_EXHAUST_LIFT};

bool IsFiftyThouEvent(int id) {
    return id == IDC_CT_FIFTY_IVO || id == IDC_CT_FIFTY_IVC || id == IDC_CT_FIFTY_EVO || id == IDC_CT_FIFTY_EVC;
}

}  // namespace

IMPLEMENT_DYNCREATE(CCamTimingPropPage, CCamCopiesPage)

BEGIN_MESSAGE_MAP(CCamTimingPropPage, CCamCopiesPage)
ON_BN_CLICKED(IDC_CT_SEAT_TO_SEAT, OnSeatToSeat)
ON_BN_CLICKED(IDC_CT_FIFTY_THOU, OnFiftyThou)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_CT_SEAT_IVO, IDC_CT_FIFTY_EVC, OnFieldSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CT_SEAT_IVO, IDC_CT_FIFTY_EVC, OnFieldKillFocus)
END_MESSAGE_MAP()

CCamTimingPropPage::CCamTimingPropPage()
    : CCamCopiesPage(IDD_CAM_TIMING, {IDC_CT_HELP, IDC_CT_SEAT_TO_SEAT, IDC_CT_FIFTY_THOU, IDC_CT_NOTE}) {}

void CCamTimingPropPage::BindFields() {
    for (Cam* copy : {seatToSeat_, fiftyThou_}) {
        const int* row = copy == seatToSeat_ ? kSeatToSeatRow : kFiftyThouRow;
        // Every second id of a row is a field: IVO, IVC, EVO, EVC.
        CFloatPtSpec* events[] = {&copy->primary.ivo, &copy->primary.ivc, &copy->primary.evo, &copy->primary.evc};
        for (int i = 0; i < 4; ++i) entry_.Bind(row[2 * i + 1], events[i]);
    }
    entry_.Bind(IDC_CT_INTAKE_LIFT, &seatToSeat_->intakeLift);
    entry_.Bind(IDC_CT_EXHAUST_LIFT, &seatToSeat_->exhaustLift);
}

void CCamTimingPropPage::GetNumberIds(const int*& ids, int& count) const {
    ids = kNumberFields;
    count = static_cast<int>(sizeof kNumberFields / sizeof kNumberFields[0]);
}

void CCamTimingPropPage::GetRowIds(int method, const int*& ids, int& count) const {
    ids = method == kSeatToSeat ? kSeatToSeatRow : kFiftyThouRow;
    count = static_cast<int>(sizeof kSeatToSeatRow / sizeof kSeatToSeatRow[0]);
}

void CCamTimingPropPage::EnableControls(BOOL enable) {
    for (int id : {IDC_CT_SEAT_TO_SEAT, IDC_CT_FIFTY_THOU, IDC_CT_SEAT_IVO, IDC_CT_SEAT_IVC, IDC_CT_SEAT_EVO,
                   IDC_CT_SEAT_EVC, IDC_CT_INTAKE_LIFT, IDC_CT_FIFTY_IVO, IDC_CT_FIFTY_IVC, IDC_CT_FIFTY_EVO,
                   IDC_CT_FIFTY_EVC, IDC_CT_EXHAUST_LIFT, IDC_CT_HELP})
        GetDlgItem(id)->EnableWindow(enable);
    // Enabled again, the inactive method's row follows the ramp-rate mode.
    if (enable) EnableRows();
}

void CCamTimingPropPage::AfterEntry(int id, bool changed) {
    Cam& copy = IsFiftyThouEvent(id) ? *fiftyThou_ : *seatToSeat_;
    copy.ComputeFromEvents();
    if (changed) SetLeadFlag(copy, true);
    // The lifts belong to both copies: the 0.050-inch copy takes them
    // before the dialog shows the active copy.
    bool shared = false;
    if (id == IDC_CT_INTAKE_LIFT) shared = CopyValue(seatToSeat_->intakeLift, fiftyThou_->intakeLift);
    if (id == IDC_CT_EXHAUST_LIFT) shared = CopyValue(seatToSeat_->exhaustLift, fiftyThou_->exhaustLift);
    if (shared) SetLeadFlag(*fiftyThou_, true);
    owner_->UpdateControls(this);
}

}  // namespace torvane
