#include "quillet/ui/sweep/ItrProPropSheet.h"

#include "common/Assertion.h"

namespace quillet {

static const char kAssertModule[] = "ItrProPropSheet.cpp";

IMPLEMENT_DYNAMIC(CItrProPropSheet, CEmbeddedPropSheet)

CItrProPropSheet::CItrProPropSheet() {
    for (int i = 0; i < kPageCount; ++i) AddPage(Pages(i));
}

CItrProPage* CItrProPropSheet::Pages(int index) {
    CItrProPage* const pages[kPageCount] = {&shiftPointsPage_, &gearsPage_, &converterPage_, &criteriaPage_, &runPage_};
    APP_ASSERT(index >= 0 && index < kPageCount);
    return pages[index];
}

void CItrProPropSheet::SetOwner(CItrProPageOwner* owner) {
    for (int i = 0; i < kPageCount; ++i) Pages(i)->SetOwner(owner);
}

void CItrProPropSheet::UpdatePages(CPropertyPage* asker) {
    for (int i = 0; i < kPageCount; ++i)
        if (Pages(i) != asker) Pages(i)->UpdatePage();
}

void CItrProPropSheet::EnablePages(bool enable) {
    for (int i = 0; i < kPageCount; ++i) Pages(i)->EnableControls(enable);
}

}  // namespace quillet
