#include "torvane/results/sweep/ItrProPage.h"

#include "common/Assertion.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/Iterator.h"

namespace torvane {

static const char kAssertModule[] = "ItrProPage.cpp";

const ItrManifoldChoice kItrManifoldChoices[kItrManifoldChoiceCount] = {
    {1, 33506}, {2, 33508}, {3, 33511}, {4, 33513}, {5, 33514},
    {6, 33515}, {8, 33507}, {9, 33509}, {10, 33510}, {11, 33512},
};

CPartTypeSpec ItrManifoldItem(const ItrManifoldChoice& choice) {
    CPartTypeSpec item("Manifold Type", 1, 11);
    item.SetType(choice.type, TorvaneDocGetComponentName(choice.command));
    return item;
}

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
