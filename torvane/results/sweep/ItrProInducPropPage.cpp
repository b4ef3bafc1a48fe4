#include "torvane/results/sweep/ItrProInducPropPage.h"

#include "common/Assertion.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/Iterator.h"
#include "torvane/res/SweepPagesResources.h"
#include "torvane/results/sweep/ItrProPageControls.h"

namespace torvane {

static const char kAssertModule[] = "ItrProInducPropPage.cpp";

const SweepManifold kSweepManifolds[kSweepManifoldCount] = {
    {IDC_ITI_SINGLE_PLANE_STD, 33506, 1},   {IDC_ITI_SINGLE_PLANE_HIGH, 33507, 8},
    {IDC_ITI_DUAL_PLANE_STD, 33508, 2},     {IDC_ITI_DUAL_PLANE_HIGH, 33509, 9},
    {IDC_ITI_DUAL_PLANE_TORQUE, 33510, 10}, {IDC_ITI_TUNNEL_RAM_STD, 33511, 3},
    {IDC_ITI_TUNNEL_RAM_CUSTOM, 33512, 11}, {IDC_ITI_TUNED_PORT, 33514, 5},
    {IDC_ITI_SEQUENTIAL, 33515, 6},         {IDC_ITI_INDIVIDUAL_RUNNER, 33513, kManifoldIndividualRunner},
};

CPartTypeSpec MakeSweepManifoldPart(const SweepManifold& manifold) {
    APP_ASSERT(GetComponentRow(TorvaneDocFindComponentRow(manifold.command)).typeIndex == manifold.type);
    CPartTypeSpec part("Manifold Type", 1, 11);
    part.SetType(manifold.type, TorvaneDocGetComponentName(manifold.command));
    return part;
}

IMPLEMENT_DYNCREATE(CItrProInducPropPage, CItrProPage)

BEGIN_MESSAGE_MAP(CItrProInducPropPage, CItrProPage)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ITI_SINGLE_PLANE_STD, IDC_ITI_INDIVIDUAL_RUNNER, OnManifoldClicked)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ITI_EXCLUDE, IDC_ITI_INCLUDE, OnPhaseClicked)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_ITI_FLOW_EXISTING, IDC_ITI_FLOW_INCREASE, OnFlowClicked)
END_MESSAGE_MAP()

CItrProInducPropPage::CItrProInducPropPage() : CItrProPage(IDD_ITRPRO_INDUCTION) {}

BOOL CItrProInducPropPage::OnInitDialog() {
    CItrProPage::OnInitDialog();
    UpdatePage();
    return TRUE;
}

int CItrProInducPropPage::GetTestCount() const {
    return coarse_->GetVariable(kSlotManifoldList).GetStepCount();
}

void CItrProInducPropPage::UpdatePage() {
    if (GetSafeHwnd() == nullptr) return;
    CIterVariable& list = coarse_->GetVariable(kSlotManifoldList);
    const bool included = list.IsEnabled();
    CheckDlgButton(IDC_ITI_EXCLUDE, included ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(IDC_ITI_INCLUDE, included ? BST_CHECKED : BST_UNCHECKED);
    bool individualRunner = false;
    for (const SweepManifold& manifold : kSweepManifolds) {
        const bool listed = list.GetMode() == kIterList && list.HasListType(manifold.type);
        CheckDlgButton(manifold.boxId, listed ? BST_CHECKED : BST_UNCHECKED);
        if (manifold.type == kManifoldIndividualRunner) individualRunner = listed;
    }
    EnableGroup(this, IDC_ITI_MANIFOLD_GROUP, included);
    EnableGroup(this, IDC_ITI_TESTS_GROUP, included);
    const bool scaled = coarse_->IsScaleRunnerFlow();
    CheckDlgButton(IDC_ITI_FLOW_EXISTING, scaled ? BST_UNCHECKED : BST_CHECKED);
    CheckDlgButton(IDC_ITI_FLOW_INCREASE, scaled ? BST_CHECKED : BST_UNCHECKED);
    // The flow choice concerns the individual-runner manifold alone.
    EnableGroup(this, IDC_ITI_FLOW_GROUP, included && individualRunner);
    SetItemTextF(this, IDC_ITI_TESTS, "%d", GetTestCount());
}

void CItrProInducPropPage::EnableControls(bool enable) {
    if (GetSafeHwnd() == nullptr) return;
    for (int id : {IDC_ITI_PHASE_GROUP, IDC_ITI_MANIFOLD_GROUP, IDC_ITI_FLOW_GROUP, IDC_ITI_TESTS_GROUP})
        EnableGroup(this, id, enable);
}

void CItrProInducPropPage::Changed() {
    owner_->ResetRunResults();
    UpdatePage();
    owner_->UpdateAllPages(this);
}

void CItrProInducPropPage::OnManifoldClicked(UINT id) {
    const SweepManifold* manifold = nullptr;
    for (const SweepManifold& candidate : kSweepManifolds)
        if (candidate.boxId == static_cast<int>(id)) manifold = &candidate;
    APP_ASSERT(manifold != nullptr);
    CIterVariable& list = coarse_->GetVariable(kSlotManifoldList);
    APP_ASSERT(list.GetMode() == kIterList);
    const bool checked = IsDlgButtonChecked(static_cast<int>(id)) == BST_CHECKED;
    // A type is listed once; a full list (a forced-induction engine's own
    // manifold takes a place no box shows) takes no more.
    if (checked && !list.HasListType(manifold->type)) {
        if (list.GetListCount() >= list.GetListCapacity()) {
            ::MessageBeep(MB_ICONEXCLAMATION);
            UpdatePage();
            return;
        }
        list.AddListItem(MakeSweepManifoldPart(*manifold));
    } else if (!checked && list.HasListType(manifold->type)) {
        list.RemoveListItem(MakeSweepManifoldPart(*manifold));
    }
    Changed();
}

void CItrProInducPropPage::OnPhaseClicked(UINT id) {
    if (IsDlgButtonChecked(static_cast<int>(id)) != BST_CHECKED) return;
    coarse_->EnablePartTypeList(id == IDC_ITI_INCLUDE);
    Changed();
}

void CItrProInducPropPage::OnFlowClicked(UINT id) {
    if (IsDlgButtonChecked(static_cast<int>(id)) != BST_CHECKED) return;
    if (id == IDC_ITI_FLOW_INCREASE) {
        coarse_->SetScaleRunnerFlow();
    } else {
        coarse_->ClearScaleRunnerFlow();
    }
    Changed();
}

}  // namespace torvane
