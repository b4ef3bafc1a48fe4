// The Quick Iterator command in the running program: its dialog opens on
// the active vehicle, and the result saved there opens as a new document
// titled "Best%d-" after the vehicle, on the main frame's next timer tick.
#include <gtest/gtest.h>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "quillet/document/Iterator.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/tests/QuilletDocTestSupport.h"
#include "quillet/res/QuickIteratorResources.h"
#include "quillet/ui/ProgramDocHost.h"
#include "quillet/ui/tests/RunningQuilletTest.h"

namespace quillet {

namespace {

using testing_harness::ModalDriver;

class QuickIteratorCommandTest : public RunningQuilletTest {};

TEST_F(QuickIteratorCommandTest, TheSavedResultOpensAsABestDocument) {
    doc_->SetAutoRun(false);
    ChooseStreetCarWithConverter(*doc_);
    FrameCommand(kCmdQuarterMile);
    FrameCommand(kCmdRun);
    CString baseTitle = doc_->GetTitle();
    if (baseTitle.Find('.') >= 0) baseTitle = baseTitle.Left(baseTitle.Find('.'));
    bool saved = false;
    ModalDriver::Instance().Handle("Quick Iterator", [&](HWND box) {
        // The launch and shift sweep of the two-speed car, its best saved.
        ::SendMessageA(::GetDlgItem(box, IDC_QI_SHIFTS_BEST_ET), BM_CLICK, 0, 0);
        saved = ::IsWindowEnabled(::GetDlgItem(box, IDOK)) != FALSE;
        ::SendMessageA(::GetDlgItem(box, saved ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    });
    FrameCommand(kCmdQuickIterator);
    ASSERT_TRUE(saved);
    CIterator* fine = doc_->GetFineIterator();
    ASSERT_NE(nullptr, fine);
    ASSERT_GT(fine->GetResultCount(), 0);
    int slot = 0;
    while (fine->GetResultDoc(slot) != fine->GetBestResultDoc()) ++slot;
    const float bestLaunch = fine->GetResultDoc(slot)->m_launchRpm.GetValue();

    CQuilletDoc* made = nullptr;
    EXPECT_TRUE(testing_harness::PumpUntil([&] {
        made = QuilletDocGetLastCreated();
        return made != nullptr && made != doc_;
    }));
    ASSERT_NE(nullptr, made);
    EXPECT_EQ("Best" + std::to_string(slot + 1) + "-" + static_cast<const char*>(baseTitle),
              static_cast<const char*>(made->GetTitle()));
    EXPECT_TRUE(made->IsModified());
    EXPECT_EQ(bestLaunch, made->m_launchRpm.GetValue());
    // The next tick finds no marked result left and lets the sweep go.
    EXPECT_TRUE(testing_harness::PumpUntil([] { return ProgramDocHost().GetBestResultsIterator() == nullptr; }));
    EXPECT_FALSE(fine->IsResultMarked(slot));
    // Closed unsaved, so that the program closes without asking.
    made->SetModifiedFlag(FALSE);
    made->OnCloseDocument();
}

}  // namespace

}  // namespace quillet
