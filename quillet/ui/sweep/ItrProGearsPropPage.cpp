#include "quillet/ui/sweep/ItrProGearsPropPage.h"

#include "common/Assertion.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/SweepRangeResources.h"

namespace quillet {

static const char kAssertModule[] = "ItrProGearsPropPage.cpp";

namespace {

// Gears 1st..6th are variables 1..6, offered from that many gears; the rear
// axle is variable 7.
const RangeRow kRows[] = {
    {1, 1,
     {{IDC_GEARS_COARSE_GEAR1_LABEL, IDC_GEARS_COARSE_GEAR1, IDC_GEARS_COARSE_GEAR1_PM, 2340},
      {IDC_GEARS_FINE_GEAR1_LABEL, IDC_GEARS_FINE_GEAR1, IDC_GEARS_FINE_GEAR1_PM, 2350}}},
    {2, 2,
     {{IDC_GEARS_COARSE_GEAR2_LABEL, IDC_GEARS_COARSE_GEAR2, IDC_GEARS_COARSE_GEAR2_PM, 2341},
      {IDC_GEARS_FINE_GEAR2_LABEL, IDC_GEARS_FINE_GEAR2, IDC_GEARS_FINE_GEAR2_PM, 2351}}},
    {3, 3,
     {{IDC_GEARS_COARSE_GEAR3_LABEL, IDC_GEARS_COARSE_GEAR3, IDC_GEARS_COARSE_GEAR3_PM, 2342},
      {IDC_GEARS_FINE_GEAR3_LABEL, IDC_GEARS_FINE_GEAR3, IDC_GEARS_FINE_GEAR3_PM, 2352}}},
    {4, 4,
     {{IDC_GEARS_COARSE_GEAR4_LABEL, IDC_GEARS_COARSE_GEAR4, IDC_GEARS_COARSE_GEAR4_PM, 2343},
      {IDC_GEARS_FINE_GEAR4_LABEL, IDC_GEARS_FINE_GEAR4, IDC_GEARS_FINE_GEAR4_PM, 2353}}},
    {5, 5,
     {{IDC_GEARS_COARSE_GEAR5_LABEL, IDC_GEARS_COARSE_GEAR5, IDC_GEARS_COARSE_GEAR5_PM, 2344},
      {IDC_GEARS_FINE_GEAR5_LABEL, IDC_GEARS_FINE_GEAR5, IDC_GEARS_FINE_GEAR5_PM, 2354}}},
    {6, 6,
     {{IDC_GEARS_COARSE_GEAR6_LABEL, IDC_GEARS_COARSE_GEAR6, IDC_GEARS_COARSE_GEAR6_PM, 2345},
      {IDC_GEARS_FINE_GEAR6_LABEL, IDC_GEARS_FINE_GEAR6, IDC_GEARS_FINE_GEAR6_PM, 2355}}},
    {7, 1,
     {{IDC_GEARS_COARSE_REAR_LABEL, IDC_GEARS_COARSE_REAR, IDC_GEARS_COARSE_REAR_PM, 2346},
      {IDC_GEARS_FINE_REAR_LABEL, IDC_GEARS_FINE_REAR, IDC_GEARS_FINE_REAR_PM, 2356}}},
};

// Thousandths of a ratio unit.
const ComboItem kTolerances[] = {{"0", 0},         {"0.125", 125}, {"0.25", 250}, {"0.375", 375},
                                 {"0.50", 500},    {"0.75", 750},  {"1.00", 1000}, {"1.25", 1250},
                                 {"1.50", 1500},   {"1.75", 1750}, {"2.00", 2000}};
const ComboItem kSteps[] = {{"0.125", 125}, {"0.25", 250}, {"0.375", 375},
                            {"0.50", 500},  {"0.75", 750}, {"1.00", 1000}};

const RangePageLayout kLayout = {
    IDC_GEARS_PHASE_FRAME, IDC_GEARS_EXCLUDE, IDC_GEARS_SINGLE, IDC_GEARS_DUAL,
    kRows, 7,
    {{IDC_GEARS_COARSE_GROUP, IDC_GEARS_COARSE_STEP_LABEL, IDC_GEARS_COARSE_STEP,
      IDC_GEARS_COARSE_TESTS_LABEL, IDC_GEARS_COARSE_TESTS},
     {IDC_GEARS_FINE_GROUP, IDC_GEARS_FINE_STEP_LABEL, IDC_GEARS_FINE_STEP,
      IDC_GEARS_FINE_TESTS_LABEL, IDC_GEARS_FINE_TESTS}},
    kTolerances, 11, kSteps, 6, 1000};

}  // namespace

IMPLEMENT_DYNAMIC(CItrProGearsPropPage, CItrProRangePage)

BEGIN_MESSAGE_MAP(CItrProGearsPropPage, CItrProRangePage)
    ON_BN_CLICKED(IDC_GEARS_SINGLE, OnSingle)
    ON_BN_CLICKED(IDC_GEARS_DUAL, OnDual)
    ON_BN_CLICKED(IDC_GEARS_EXCLUDE, OnExclude)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_GEARS_COARSE_STEP, IDC_GEARS_COARSE_STEP, OnStepChanged)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_GEARS_FINE_STEP, IDC_GEARS_FINE_STEP, OnStepChanged)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_GEARS_COARSE_TOL_FIRST, IDC_GEARS_COARSE_TOL_LAST, OnToleranceChanged)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_GEARS_FINE_TOL_FIRST, IDC_GEARS_FINE_TOL_LAST, OnToleranceChanged)
END_MESSAGE_MAP()

CItrProGearsPropPage::CItrProGearsPropPage() : CItrProRangePage(IDD_ITRPRO_GEARS_PAGE, kLayout) {}

const CFloatPtSpec& CItrProGearsPropPage::RowValue(int row) const {
    APP_ASSERT(row >= 0 && row <= kGearFieldCount && document_ != nullptr);
    return row < kGearFieldCount ? document_->m_gearRatio[row] : document_->m_rearAxleRatio;
}


}  // namespace quillet
