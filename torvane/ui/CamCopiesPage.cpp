#include "torvane/ui/CamCopiesPage.h"

#include "common/Assertion.h"
#include "common/Util.h"

namespace torvane {

namespace {
const char kAssertModule[] = "CamCopiesPage";
}  // namespace

IMPLEMENT_DYNAMIC(CCamCopiesPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CCamCopiesPage, CPropertyPage)
ON_MESSAGE(kMsgFieldRejected, OnFieldRejected)
END_MESSAGE_MAP()

CCamCopiesPage::CCamCopiesPage(UINT templateId, const PageIds& ids)
    : CPropertyPage(templateId), entry_(this, ids.help), ids_(ids) {}

void CCamCopiesPage::SetOwnerDialog(CCamSheetOwner* owner) {
    APP_ASSERT(owner != nullptr && owner_ == nullptr);
    owner_ = owner;
    seatToSeat_ = owner->GetSeatToSeatCam();
    fiftyThou_ = owner->Get050InchCam();
    APP_ASSERT(seatToSeat_ != nullptr && fiftyThou_ != nullptr);
    BindFields();
}

BOOL CCamCopiesPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    APP_ASSERT(owner_ != nullptr);
    CWnd* help = GetDlgItem(ids_.help);
    APP_ASSERT(help != nullptr);
    help->GetWindowText(helpText_);
    const int* numberIds = nullptr;
    int count = 0;
    GetNumberIds(numberIds, count);
    APP_ASSERT(count <= kMaxNumberFields);
    for (int i = 0; i < count; ++i) numberFields_[i].SubclassDlgItem(static_cast<UINT>(numberIds[i]), this);
    UpdateControls();
    GetDlgItem(owner_->GetTimingMethod() == kSeatToSeat ? ids_.seatToSeatRadio : ids_.fiftyThouRadio)->SetFocus();
    return FALSE;
}

void CCamCopiesPage::UpdateControls() {
    if (GetSafeHwnd() == nullptr) return;
    ShowFields();
    const bool seatToSeat = owner_->GetTimingMethod() == kSeatToSeat;
    CheckDlgButton(ids_.seatToSeatRadio, seatToSeat ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(ids_.fiftyThouRadio, seatToSeat ? BST_UNCHECKED : BST_CHECKED);
    EnableRows();
    GetDlgItem(ids_.note)->ShowWindow(owner_->IsAutoRampRate() ? SW_SHOW : SW_HIDE);
}

void CCamCopiesPage::EnableRows() {
    const bool automatic = owner_->IsAutoRampRate();
    const int active = owner_->GetTimingMethod();
    for (int method : {kSeatToSeat, kFiftyThou}) {
        const int* ids = nullptr;
        int count = 0;
        GetRowIds(method, ids, count);
        const BOOL enable = method == active || automatic ? TRUE : FALSE;
        for (int i = 0; i < count; ++i) GetDlgItem(ids[i])->EnableWindow(enable);
    }
}

bool CCamCopiesPage::CopyValue(const CFloatPtSpec& from, CFloatPtSpec& to) {
    const bool changed = from.IsSet() != to.IsSet() || (from.IsSet() && from.GetValue() != to.GetValue());
    if (from.IsSet())
        to.SetValue(from.GetValue());
    else
        to.Clear();
    return changed;
}

void CCamCopiesPage::OnSeatToSeat() { OnMethodClicked(kSeatToSeat); }

void CCamCopiesPage::OnFiftyThou() { OnMethodClicked(kFiftyThou); }

void CCamCopiesPage::OnMethodClicked(int method) {
    const int before = owner_->GetTimingMethod();
    owner_->SetTimingMethod(method);
    if (method != before) {
        SetLeadFlag(*seatToSeat_, true);
        SetLeadFlag(*fiftyThou_, true);
    }
    EnableRows();
    owner_->UpdateControls(nullptr);
}

void CCamCopiesPage::OnFieldSetFocus(UINT id) {
    if (entry_.IsBound(static_cast<int>(id))) entry_.OnSetFocus(static_cast<int>(id));
}

void CCamCopiesPage::OnFieldKillFocus(UINT uid) {
    const int id = static_cast<int>(uid);
    if (!entry_.IsBound(id)) return;
    entry_.SetModified(false);
    if (entry_.OnKillFocus(id) == CFieldEntry::kAccepted) AfterEntry(id, entry_.IsModified());
    UtilSetItemTextString(this, ids_.help, helpText_);
}

LRESULT CCamCopiesPage::OnFieldRejected(WPARAM id, LPARAM) { return CFieldEntry::OnFieldRejected(this, id); }

}  // namespace torvane
