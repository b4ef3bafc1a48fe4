#include "torvane/ui/CamSearchPropPage.h"

#include <shlobj.h>

#include "common/Assertion.h"
#include "common/ProgramFolder.h"
#include "common/Util.h"
#include "common/sweepui/SweepPump.h"
#include "torvane/res/CamSheetResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {

const char kAssertModule[] = "CamSearchPage";

const int kTypeListIds[CCamSearchPropPage::kRows] = {IDC_SR_TYPE_1, IDC_SR_TYPE_2, IDC_SR_TYPE_3, IDC_SR_TYPE_4};

int RowOfList(int id) {
    for (int row = 0; row < CCamSearchPropPage::kRows; ++row)
        if (kTypeListIds[row] == id) return row;
    return -1;
}

}  // namespace

IMPLEMENT_DYNCREATE(CCamSearchPropPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CCamSearchPropPage, CPropertyPage)
ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_SR_TYPE_1, IDC_SR_TYPE_4, OnTypeChanged)
ON_BN_CLICKED(IDC_SR_SPECS, OnSpecsClicked)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_SR_FROM_FIRST, IDC_SR_TO_FIRST + CCamSearchPropPage::kRows - 1, OnRangeSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SR_FROM_FIRST, IDC_SR_TO_FIRST + CCamSearchPropPage::kRows - 1, OnRangeKillFocus)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_SR_NAME, IDC_SR_FOLDER, OnTextSetFocus)
ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SR_NAME, IDC_SR_FOLDER, OnTextKillFocus)
ON_BN_CLICKED(IDC_SR_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_SR_SEARCH, OnSearchStop)
ON_NOTIFY(LVN_ITEMCHANGED, IDC_SR_RESULTS, OnResultChanged)
ON_MESSAGE(kMsgFieldRejected, OnFieldRejected)
END_MESSAGE_MAP()

CCamSearchPropPage::CCamSearchPropPage() : CPropertyPage(IDD_CAM_SEARCH), entry_(this, 0) {
    int from[kRows], to[kRows];
    for (int row = 0; row < kRows; ++row) {
        from[row] = IDC_SR_FROM_FIRST + row;
        to[row] = IDC_SR_TO_FIRST + row;
    }
    UtilAssertConsecutiveIds(from, kRows);
    UtilAssertConsecutiveIds(to, kRows);
    // Entries in the range fields are kept as typed.
    for (int row = 0; row < kRows; ++row) {
        entry_.Bind(from[row], &search_.criteria[row].minimum, false);
        entry_.Bind(to[row], &search_.criteria[row].maximum, false);
    }
    search_.onEntry = [this] {
        PumpMessages();
        ShowCounts();
    };
    search_.onMatch = [this](const CString& name, const CString& folder) { AddMatch(name, folder); };
    Reset();
}

void CCamSearchPropPage::SetOwnerDialog(CCamSheetOwner* owner) {
    APP_ASSERT(owner != nullptr);
    owner_ = owner;
}

void CCamSearchPropPage::Reset() {
    search_.Reset();
    ProgramFolderGet(folder_);
    folder_ += "\\CamFiles (.CAM)";
    if (GetSafeHwnd() != nullptr) Results().DeleteAllItems();
}

CListCtrl& CCamSearchPropPage::Results() {
    if (results_.GetSafeHwnd() == nullptr) results_.SubclassDlgItem(IDC_SR_RESULTS, this);
    return results_;
}

BOOL CCamSearchPropPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    APP_ASSERT(owner_ != nullptr);
    for (int row = 0; row < kRows; ++row) {
        rangeFields_[row].SubclassDlgItem(IDC_SR_FROM_FIRST + row, this);
        rangeFields_[kRows + row].SubclassDlgItem(IDC_SR_TO_FIRST + row, this);
    }
    CRect list;
    Results().GetWindowRect(&list);
    Results().InsertColumn(0, "Name", LVCFMT_LEFT, list.Width() / 2);
    Results().InsertColumn(1, "In Folder", LVCFMT_LEFT, list.Width() / 2);
    for (int id : kTypeListIds) {
        CWnd* types = GetDlgItem(id);
        for (int type = 0; type < CamRangeCriterion::kTypeCount; ++type) {
            const LRESULT index =
                types->SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(CamRangeCriterion::ListText(type)));
            types->SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), type);
        }
    }
    // The four seat-to-seat events, ready to be switched on.
    for (int row = 0; row < kRows; ++row) SetCriterion(row, row + 1);
    UpdateControls();
    return TRUE;
}

void CCamSearchPropPage::UpdateControls() {
    if (GetSafeHwnd() == nullptr) return;
    ShowCounts();
    UtilSetItemText(this, IDC_SR_SEARCH, search_.IsRunning() ? "Stop" : "Search");
    UtilSetItemTextString(this, IDC_SR_NAME, search_.namePattern);
    UtilSetItemTextString(this, IDC_SR_PHRASE, search_.phrase);
    UtilSetItemTextString(this, IDC_SR_FOLDER, folder_);
    CheckDlgButton(IDC_SR_SPECS, search_.specsOn ? BST_CHECKED : BST_UNCHECKED);
    for (int row = 0; row < kRows; ++row) RedrawRow(row, true);
}

void CCamSearchPropPage::EnableControls(BOOL enable) {
    for (int id : {IDC_SR_NAME, IDC_SR_PHRASE, IDC_SR_FOLDER, IDC_SR_BROWSE, IDC_SR_SPECS, IDC_SR_RESULTS})
        GetDlgItem(id)->EnableWindow(enable);
    for (int row = 0; row < kRows; ++row) {
        if (enable) {
            RedrawRow(row, false);  // the rows follow the specs box and their types
            continue;
        }
        for (int id : {kTypeListIds[row], IDC_SR_FROM_FIRST + row, IDC_SR_TO_FIRST + row,
                       IDC_SR_FROM_LABEL_FIRST + row, IDC_SR_TO_LABEL_FIRST + row})
            GetDlgItem(id)->EnableWindow(FALSE);
    }
}

void CCamSearchPropPage::SetCriterion(int row, int type) {
    const Cam& seatToSeat = *owner_->GetSeatToSeatCam();
    const Cam& fiftyThou = *owner_->Get050InchCam();
    APP_ASSERT(seatToSeat.primary.method.IsSet() && seatToSeat.primary.method.GetValue() == kSeatToSeat);
    APP_ASSERT(fiftyThou.primary.method.IsSet() && fiftyThou.primary.method.GetValue() == kFiftyThou);
    const CFloatPtSpec* event = nullptr;
    if (type != 0) {
        const Cam& copy = CamRangeCriterion::TimingMethod(type) == kSeatToSeat ? seatToSeat : fiftyThou;
        event = &CamRangeCriterion::EventOf(copy.primary, type);
    }
    search_.criteria[row].SetType(type, event);
    RedrawRow(row, false);
}

void CCamSearchPropPage::RedrawRow(int row, bool selectType) {
    const CamRangeCriterion& criterion = search_.criteria[row];
    CWnd* types = GetDlgItem(kTypeListIds[row]);
    if (selectType) {
        int found = -1;
        const int count = static_cast<int>(types->SendMessage(CB_GETCOUNT));
        for (int i = 0; i < count && found < 0; ++i)
            if (static_cast<int>(types->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(i))) == criterion.GetType())
                found = i;
        APP_ASSERT(found >= 0);
        types->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(found));
    }
    types->EnableWindow(search_.specsOn ? TRUE : FALSE);
    const BOOL fields = search_.specsOn && criterion.GetType() != 0 ? TRUE : FALSE;
    for (int id : {IDC_SR_FROM_FIRST + row, IDC_SR_TO_FIRST + row, IDC_SR_FROM_LABEL_FIRST + row,
                   IDC_SR_TO_LABEL_FIRST + row})
        GetDlgItem(id)->EnableWindow(fields);
    entry_.Show(IDC_SR_FROM_FIRST + row);
    entry_.Show(IDC_SR_TO_FIRST + row);
}

void CCamSearchPropPage::ShowCounts() {
    CString text;
    text.Format("%d", search_.GetFilesSearched());
    UtilSetItemTextString(this, IDC_SR_FILES_SEARCHED, text);
    text.Format("%d", search_.GetMatchesFound());
    UtilSetItemTextString(this, IDC_SR_MATCHES_FOUND, text);
}

void CCamSearchPropPage::OnTypeChanged(UINT id) {
    const int row = RowOfList(static_cast<int>(id));
    if (row < 0) return;
    CWnd* types = GetDlgItem(static_cast<int>(id));
    const LRESULT selected = types->SendMessage(CB_GETCURSEL);
    if (selected < 0) return;
    SetCriterion(row, static_cast<int>(types->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(selected))));
}

void CCamSearchPropPage::OnSpecsClicked() {
    const bool on = IsDlgButtonChecked(IDC_SR_SPECS) == BST_CHECKED;
    const bool turnedOn = on && !search_.specsOn;
    search_.specsOn = on;
    unsigned short code = 0;
    for (int row = 0; row < kRows; ++row) {
        // An incomplete row is preset again from the dialog's cam.
        if (turnedOn && !search_.criteria[row].Validate(code))
            SetCriterion(row, search_.criteria[row].GetType());
        RedrawRow(row, false);
    }
}

void CCamSearchPropPage::OnRangeSetFocus(UINT id) { entry_.OnSetFocus(static_cast<int>(id)); }

void CCamSearchPropPage::OnRangeKillFocus(UINT id) { entry_.OnKillFocus(static_cast<int>(id)); }

void CCamSearchPropPage::OnTextSetFocus(UINT id) {
    if (id == IDC_SR_NAME || id == IDC_SR_PHRASE || id == IDC_SR_FOLDER) UtilSelectAllText(this, static_cast<int>(id));
}

void CCamSearchPropPage::OnTextKillFocus(UINT id) {
    CString text;
    switch (id) {
    case IDC_SR_NAME: UtilGetItemTextTrimmed(this, IDC_SR_NAME, search_.namePattern); break;
    case IDC_SR_PHRASE: UtilGetItemTextTrimmed(this, IDC_SR_PHRASE, search_.phrase); break;
    case IDC_SR_FOLDER: UtilGetItemTextTrimmed(this, IDC_SR_FOLDER, folder_); break;
    default: break;
    }
}

void CCamSearchPropPage::OnBrowse() {
    BROWSEINFOA info = {};
    info.hwndOwner = GetSafeHwnd();
    info.lpszTitle = "Choose directory to search";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
    if (chosen != nullptr) {
        char path[MAX_PATH] = "";
        if (::SHGetPathFromIDListA(chosen, path)) folder_ = path;
        ::CoTaskMemFree(chosen);
    }
    UtilSetItemTextString(this, IDC_SR_FOLDER, folder_);
}

void CCamSearchPropPage::OnSearchStop() {
    if (search_.IsRunning()) {
        search_.Stop();
        return;
    }
    unsigned short code = 0;
    if (!search_.Validate(folder_, code)) {
        ErrCodeShowError(code);
        return;
    }
    UtilSetItemText(this, IDC_SR_SEARCH, "Stop");
    Results().DeleteAllItems();
    owner_->EnableControls(FALSE);
    search_.Run(folder_);
    ShowCounts();
    UtilSetItemText(this, IDC_SR_SEARCH, "Search");
    owner_->EnableControls(TRUE);
}

void CCamSearchPropPage::PumpMessages() {
    // The program is closing: stop, and leave the quit to its loop.
    if (!SweepPumpMessages()) search_.Stop();
}

void CCamSearchPropPage::AddMatch(const CString& name, const CString& folder) {
    CListCtrl& results = Results();
    const int index = results.InsertItem(results.GetItemCount(), name);
    results.SetItemText(index, 1, folder);
}

void CCamSearchPropPage::OnResultChanged(NMHDR* header, LRESULT* result) {
    const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(header);
    *result = 0;
    // A row newly selected (focus changes notify too).
    if ((change->uNewState & LVIS_SELECTED) == 0 || (change->uOldState & LVIS_SELECTED) != 0) return;
    const CString name = Results().GetItemText(change->iItem, 0);
    const CString folder = Results().GetItemText(change->iItem, 1);
    owner_->LoadCamFile(name, folder);
    owner_->UpdateControls(this);
}

LRESULT CCamSearchPropPage::OnFieldRejected(WPARAM id, LPARAM) { return CFieldEntry::OnFieldRejected(this, id); }

}  // namespace torvane
