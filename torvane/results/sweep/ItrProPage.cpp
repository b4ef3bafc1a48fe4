#include "torvane/results/sweep/ItrProPage.h"

#include "common/Assertion.h"
#include "torvane/document/Iterator.h"

namespace torvane {

static const char kAssertModule[] = "ItrProPage.cpp";

bool ItrVariableIsOn(const CIterVariable& variable) {
    return variable.GetKind() != kIterUnused && variable.IsEnabled();
}

IMPLEMENT_DYNAMIC(CItrProPage, CPropertyPage)

CItrProPage::CItrProPage(UINT templateId) : CPropertyPage(templateId) {}

void CItrProPage::SetOwner(CItrProPageOwner* owner) {
    APP_ASSERT(owner != nullptr);
    owner_ = owner;
    coarse_ = owner->GetCoarseIterator();
    fine_ = owner->GetFineIterator();
    document_ = owner->GetDocument();
    APP_ASSERT(coarse_ != nullptr && fine_ != nullptr && document_ != nullptr);
}

}  // namespace torvane
