// The Quick Iterator command in the running engine program: its dialog
// opens on the active engine, and the result saved there opens as a new
// document titled "Best%d-" after the engine, on the main frame's timer.
#include <gtest/gtest.h>

#include <string>

#include "AppTestSupport.h"
#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/res/QuickIteratorResources.h"
#include "torvane/res/TorvaneResources.h"

namespace torvane {
namespace {

using testing_harness::ModalDriver;

TEST(QuickIteratorCommandTest, TheSavedResultOpensAsABestDocument) {
    ForgetProgramSettings();
    RunningApp app;
    ASSERT_TRUE(app.Started());
    auto* child = static_cast<CMDIChildWnd*>(CWnd::FromHandle(app.ActiveChild()));
    ASSERT_NE(nullptr, child);
    auto* doc = static_cast<CTorvaneDoc*>(child->GetActiveDocument());
    ASSERT_TRUE(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    BuildChevy350(*doc);
    ASSERT_TRUE(doc->RunSimulation(false, false));
    CString baseTitle = doc->GetTitle();
    if (baseTitle.Find('.') >= 0) baseTitle = baseTitle.Left(baseTitle.Find('.'));

    bool saved = false;
    ModalDriver::Instance().Handle("Quick Iterator", [&](HWND box) {
        // The bore/stroke sweep for power, its best saved.
        ::SendMessageA(::GetDlgItem(box, IDC_QI_BORE_BEST_POWER), BM_CLICK, 0, 0);
        saved = ::IsWindowEnabled(::GetDlgItem(box, IDOK)) != FALSE;
        ::SendMessageA(::GetDlgItem(box, saved ? IDOK : IDCANCEL), BM_CLICK, 0, 0);
    });
    app.Command(ID_QUICK_ITERATOR);
    ASSERT_TRUE(saved);
    CIterator* fine = doc->GetFineIterator();
    ASSERT_TRUE(fine != nullptr && fine->GetResultCount() > 0);
    int slot = 0;
    while (fine->GetResultDoc(slot) != fine->GetBestResultDoc()) ++slot;
    const float bestBore = fine->GetResultDoc(slot)->bore.GetValue();

    // The new document becomes the active one.
    CTorvaneDoc* made = nullptr;
    EXPECT_TRUE(testing_harness::PumpUntil([&] {
        auto* active = static_cast<CMDIChildWnd*>(CWnd::FromHandle(app.ActiveChild()));
        made = active ? static_cast<CTorvaneDoc*>(active->GetActiveDocument()) : nullptr;
        return made != nullptr && made != doc;
    }));
    ASSERT_NE(nullptr, made);
    EXPECT_EQ("Best" + std::to_string(slot + 1) + "-" + static_cast<const char*>(baseTitle),
              static_cast<const char*>(made->GetTitle()));
    EXPECT_EQ(bestBore, made->bore.GetValue());
    EXPECT_TRUE(made->IsModified());
    // Closed unsaved, so that the program closes without asking.
    made->SetModifiedFlag(FALSE);
    made->OnCloseDocument();
}

}  // namespace
}  // namespace torvane
