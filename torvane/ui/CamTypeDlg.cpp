#include "torvane/ui/CamTypeDlg.h"

#include "common/Util.h"
#include "torvane/res/CamResources.h"
#include "torvane/services/ErrCode.h"

namespace torvane {

namespace {
// "A valid cam description is required."
const unsigned short kErrorNoDescription = 28;
}  // namespace

BEGIN_MESSAGE_MAP(CCamTypeDlg, CDialog)
ON_EN_SETFOCUS(IDC_CT_DESCRIPTION, OnDescriptionSetFocus)
END_MESSAGE_MAP()

CCamTypeDlg::CCamTypeDlg(const char* name, CWnd* parent)
    : CDialog(IDD_CAM_TYPE, parent), name_(name != nullptr ? name : "") {}

BOOL CCamTypeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!name_.IsEmpty()) UtilSetItemTextString(this, IDC_CT_DESCRIPTION, name_);
    return TRUE;
}

void CCamTypeDlg::OnDescriptionSetFocus() { UtilSelectAllText(this, IDC_CT_DESCRIPTION); }

void CCamTypeDlg::OnOK() {
    CString entered;
    if (!UtilGetItemTextTrimmed(this, IDC_CT_DESCRIPTION, entered)) {
        ErrCodeShowError(kErrorNoDescription);
        return;
    }
    name_ = entered;
    EndDialog(IDOK);
}

const char* CCamTypeDlg::GetCamTypeName() const { return name_.IsEmpty() ? nullptr : name_.GetString(); }

bool ChooseCamTypeName(const char* currentName, CString& enteredName) {
    CCamTypeDlg dialog(currentName, nullptr);
    if (dialog.DoModal() != IDOK) return false;
    const char* name = dialog.GetCamTypeName();
    enteredName = name != nullptr ? name : "";
    return true;
}

}  // namespace torvane
