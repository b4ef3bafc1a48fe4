#include "quillet/ui/tests/RunningQuilletTest.h"

#include "quillet/document/QuilletCommands.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"

namespace quillet {

RunningQuilletTest::Program* RunningQuilletTest::program_ = nullptr;

void RunningQuilletTest::SetUp() {
    ASSERT_TRUE(program_ != nullptr && program_->Started());
    ASSERT_NE(nullptr, Child());
    CDocument* doc = Child()->GetActiveDocument();
    ASSERT_TRUE(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    doc_ = static_cast<CQuilletDoc*>(doc);
}

void RunningQuilletTest::RunStreetCar(int raceLength) {
    doc_->SetAutoRun(false);
    ChooseStreetCar(*doc_);
    FrameCommand(raceLength == 660 ? kCmdEighthMile : kCmdQuarterMile);
    FrameCommand(kCmdRun);
    ASSERT_GT(doc_->GetResults().elapsedTime, 0.0f);
    ASSERT_EQ(raceLength, doc_->GetRaceLength());
}

}  // namespace quillet
