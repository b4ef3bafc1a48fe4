#include "torvane/ui/CamPropSheet.h"

#include "common/Assertion.h"

namespace torvane {

namespace {
const char kAssertModule[] = "CamPropSheet";
}  // namespace

CCamPropSheet::CCamPropSheet() {
    AddPage(&specsPage_);
    AddPage(&timingPage_);
    AddPage(&searchPage_);
}

void CCamPropSheet::SetOwnerDialog(CCamSheetOwner* owner) {
    APP_ASSERT(owner != nullptr);
    specsPage_.SetOwnerDialog(owner);
    timingPage_.SetOwnerDialog(owner);
    searchPage_.SetOwnerDialog(owner);
}

BOOL CCamPropSheet::OnInitDialog() {
    CEmbeddedPropSheet::OnInitDialog();
    return TRUE;
}

void CCamPropSheet::UpdatePages(CWnd* exceptPage) {
    if (exceptPage != &specsPage_) specsPage_.UpdateControls();
    if (exceptPage != &timingPage_) timingPage_.UpdateControls();
    if (exceptPage != &searchPage_) searchPage_.UpdateControls();
}

void CCamPropSheet::EnablePages(BOOL enable) {
    // A page made later starts enabled.
    if (specsPage_.GetSafeHwnd() != nullptr) specsPage_.EnableControls(enable);
    if (timingPage_.GetSafeHwnd() != nullptr) timingPage_.EnableControls(enable);
    if (searchPage_.GetSafeHwnd() != nullptr) searchPage_.EnableControls(enable);
}

bool CCamPropSheet::IsEntryAccepted() const {
    return specsPage_.IsEntryAccepted() && timingPage_.IsEntryAccepted() && searchPage_.IsEntryAccepted();
}

}  // namespace torvane
