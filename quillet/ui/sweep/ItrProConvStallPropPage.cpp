#include "quillet/ui/sweep/ItrProConvStallPropPage.h"

#include "common/Assertion.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/SweepRangeResources.h"

namespace quillet {

static const char kAssertModule[] = "ItrProConvStallPropPage.cpp";

namespace {

const RangeRow kRows[] = {
    {0, 1,
     {{IDC_CONVSTALL_COARSE_STALL_LABEL, IDC_CONVSTALL_COARSE_STALL, IDC_CONVSTALL_COARSE_PM,
       IDC_CONVSTALL_COARSE_TOL},
      {IDC_CONVSTALL_FINE_STALL_LABEL, IDC_CONVSTALL_FINE_STALL, IDC_CONVSTALL_FINE_PM,
       IDC_CONVSTALL_FINE_TOL}}},
};

const RangePageLayout kLayout = {
    IDC_CONVSTALL_PHASE_FRAME, IDC_CONVSTALL_EXCLUDE, IDC_CONVSTALL_SINGLE, IDC_CONVSTALL_DUAL,
    kRows, 1,
    {{IDC_CONVSTALL_COARSE_GROUP, IDC_CONVSTALL_COARSE_STEP_LABEL, IDC_CONVSTALL_COARSE_STEP,
      IDC_CONVSTALL_COARSE_TESTS_LABEL, IDC_CONVSTALL_COARSE_TESTS},
     {IDC_CONVSTALL_FINE_GROUP, IDC_CONVSTALL_FINE_STEP_LABEL, IDC_CONVSTALL_FINE_STEP,
      IDC_CONVSTALL_FINE_TESTS_LABEL, IDC_CONVSTALL_FINE_TESTS}},
    kRpmTolerances, 7, kRpmSteps, 4, 1};

}  // namespace

IMPLEMENT_DYNAMIC(CItrProConvStallPropPage, CItrProRangePage)

BEGIN_MESSAGE_MAP(CItrProConvStallPropPage, CItrProRangePage)
    ON_BN_CLICKED(IDC_CONVSTALL_SINGLE, OnSingle)
    ON_BN_CLICKED(IDC_CONVSTALL_DUAL, OnDual)
    ON_BN_CLICKED(IDC_CONVSTALL_EXCLUDE, OnExclude)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CONVSTALL_COARSE_TOL, IDC_CONVSTALL_COARSE_TOL, OnToleranceChanged)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CONVSTALL_COARSE_STEP, IDC_CONVSTALL_COARSE_STEP, OnStepChanged)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CONVSTALL_FINE_TOL, IDC_CONVSTALL_FINE_TOL, OnToleranceChanged)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CONVSTALL_FINE_STEP, IDC_CONVSTALL_FINE_STEP, OnStepChanged)
END_MESSAGE_MAP()

CItrProConvStallPropPage::CItrProConvStallPropPage()
    : CItrProRangePage(IDD_ITRPRO_CONVERTER_STALL_PAGE, kLayout) {}

// The radio buttons follow the converter too.
void CItrProConvStallPropPage::UpdateControls() {
    CItrProRangePage::UpdateControls();
    EnablePhaseChoice(true);
}

const CFloatPtSpec& CItrProConvStallPropPage::RowValue(int row) const {
    APP_ASSERT(row == 0 && document_ != nullptr);
    return document_->m_converterStall;
}

bool CItrProConvStallPropPage::IsInUse() const {
    APP_ASSERT(document_ != nullptr);
    return document_->m_converterStall.IsSet();
}

}  // namespace quillet
