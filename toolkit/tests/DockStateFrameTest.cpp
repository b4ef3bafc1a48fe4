// A toolkit frame's bar layout saved and given back: bars moved to another
// side, floated, hidden, and one made at run time; saved in each of the
// three forms (profile through the frame, persistent tree, archive), the
// frame destroyed and built again, the layout restored to the same
// rectangles and visibility, the run-time bar made again by its class.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "Archive.h"
#include "BmpMgr.h"
#include "ButtonTestResources.h"
#include "CustomToolBar.h"
#include "DialogBar.h"
#include "DockBar.h"
#include "Files.h"
#include "MiniFrameWnd.h"
#include "PanelBar.h"
#include "PersistentTree.h"
#include "SDIFrame.h"
#include "SECControlBar.h"
#include "SECDockBar.h"
#include "SECDockState.h"
#include "ScratchKey.h"
#include "ToolBarManager.h"
#include "WinApp.h"
#include "WindowHelpers.h"
#include "WinThread.h"

namespace {

const UINT ID_BAR_A = 0xE810;
const UINT ID_BAR_B = 0xE811;
const UINT ID_BAR_C = 0xE812;
const UINT ID_BAR_FIND = 0xE813;

const std::string& AppName() {
    static const std::string name = "FrameLayout-" + std::to_string(::GetCurrentProcessId());
    return name;
}

class CLayoutApp : public CWinApp {
public:
    CLayoutApp() : CWinApp(AppName().c_str()) { SetRegistryKey("ToolkitTests"); }
};

// A sizeable toolkit bar painted in one colour, with a gripper.
class CLayoutBar : public CPanelBar {
public:
    BOOL Create(CWnd* parent, UINT id, COLORREF colour, const char* title) {
        m_dwStyle = CBRS_ALIGN_TOP | CBRS_SIZE_DYNAMIC;
        m_dwExStyle = CBRS_EX_OWNBORDERS | CBRS_EX_GRIPPER;
        m_szHorzDocked = CSize(200, 60);
        m_szVertDocked = CSize(80, 200);
        m_szFloat = CSize(180, 90);
        if (!CreatePanel(parent, id, colour, title)) return FALSE;
        EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
};

// Three panels docked along the top, A and B sharing a row, C below them.
class CLayoutFrame : public SECFrameWnd {
public:
    CLayoutBar barA, barB, barC;

    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        if (SECFrameWnd::OnCreate(cs) == -1) return -1;
        if (!barA.Create(this, ID_BAR_A, RGB(200, 220, 255), "Alpha") ||
            !barB.Create(this, ID_BAR_B, RGB(255, 230, 190), "Beta") ||
            !barC.Create(this, ID_BAR_C, RGB(210, 255, 210), "Gamma"))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&barA, AFX_IDW_DOCKBAR_TOP);
        DockControlBar(&barC, AFX_IDW_DOCKBAR_TOP);
        RecalcLayout();
        CRect a;
        barA.GetWindowRect(&a);
        CRect drop(a.right - 10, a.top, a.right + 190, a.bottom);
        DockControlBar(&barB, AFX_IDW_DOCKBAR_TOP, &drop);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CLayoutFrame, SECFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

struct BarPlace {
    CRect rect;
    bool visible;
};

class DockStateFrameTest : public ::testing::Test {
protected:
    DockStateFrameTest() : scratch_("FrameLayout") {}

    void SetUp() override { frame_ = Build(); }
    void TearDown() override {
        if (frame_ != nullptr && ::IsWindow(frame_->m_hWnd)) frame_->DestroyWindow();
        testing_harness::PumpPending();
    }

    static CLayoutFrame* Build() {
        auto* frame = new CLayoutFrame;
        if (!frame->Create(nullptr, "Layout", WS_OVERLAPPEDWINDOW, CRect(40, 40, 740, 540))) return nullptr;
        frame->ShowWindow(SW_SHOWNA);
        Settle(frame);
        return frame;
    }
    static void Settle(CFrameWnd* frame) {
        frame->RecalcLayout();
        CWinThread::SendIdleUpdates(frame);
        testing_harness::PumpPending();
        frame->RecalcLayout();
        testing_harness::PumpPending();
    }

    // The user's changes: C to the left side, B floated, A hidden, and a
    // dialog bar made at run time docked on the right.
    void Rearrange() {
        frame_->DockControlBar(&frame_->barC, AFX_IDW_DOCKBAR_LEFT);
        frame_->FloatControlBar(&frame_->barB, CPoint(420, 330));
        frame_->ShowControlBar(&frame_->barA, FALSE, FALSE);
        AddFindBar(frame_, AFX_IDW_DOCKBAR_RIGHT);
        Settle(frame_);
    }
    static void AddFindBar(CLayoutFrame* frame, UINT dockBarId) {
        auto* find = new SECDialogBar;
        ASSERT_TRUE(find->Create(frame, IDD_TEST_DIALOGBAR, WS_VISIBLE | CBRS_TOP, 0, ID_BAR_FIND));
        find->SetWindowText("Find");
        find->EnableDocking(CBRS_ALIGN_ANY);
        frame->AdoptObject(find);
        frame->DockControlBar(find, dockBarId);
    }

    // Where each bar is on the screen (and its floating frame), and whether it shows.
    static std::map<UINT, BarPlace> Places(CFrameWnd* frame) {
        std::map<UINT, BarPlace> places;
        for (UINT id : {ID_BAR_A, ID_BAR_B, ID_BAR_C, ID_BAR_FIND}) {
            CControlBar* bar = frame->GetControlBar(id);
            if (bar == nullptr) continue;
            BarPlace place{};
            bar->GetWindowRect(&place.rect);
            place.visible = bar->IsVisible() && (bar->GetStyle() & WS_VISIBLE) != 0;
            places[id] = place;
            if (bar->IsFloating()) {
                CRect outer;
                bar->GetParentFrame()->GetWindowRect(&outer);
                places[id + 0x100] = BarPlace{outer, ::IsWindowVisible(bar->GetParentFrame()->m_hWnd) != FALSE};
            }
        }
        return places;
    }

    ScratchKey scratch_;
    CLayoutApp app_;
    CLayoutFrame* frame_ = nullptr;
};

// One way of keeping the layout while the frame is rebuilt.
struct LayoutForm {
    const char* name;
    // The archive keeps no class names: there the program makes its
    // run-time bar again itself, and the layout only places it.
    bool recreatesByClass;
    std::function<void(CLayoutFrame*, void* store)> save;
    std::function<void(CLayoutFrame*, void* store)> restore;
};

std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name + "-" + std::to_string(::GetCurrentProcessId());
}

TEST_F(DockStateFrameTest, MovedFloatedAndHiddenBarsComeBackInEachForm) {
    ASSERT_NE(frame_, nullptr);
    Rearrange();
    const std::map<UINT, BarPlace> before = Places(frame_);
    ASSERT_EQ(before.size(), 5u);  // four bars and B's floating frame
    ASSERT_FALSE(before.at(ID_BAR_A).visible);
    ASSERT_TRUE(frame_->barB.IsFloating());
    {
        testing_harness::Pixels shot = testing_harness::Pixels::FromWindow(frame_->m_hWnd);
        shot.SavePng(testing_harness::TestOutputPath("bar-layout-saved.png"));
    }

    SECPersistentTreeNode root;
    ASSERT_EQ(root.Create("Frame"), PTN_SUCCESS);
    const std::string archivePath = TempFile("frame-layout.bin");
    const LayoutForm forms[] = {
        {"profile", true, [](CLayoutFrame* f, void*) { f->SaveBarState("Layout"); },
         [](CLayoutFrame* f, void*) { f->LoadBarState("Layout"); }},
        {"tree", true,
         [](CLayoutFrame* f, void* store) {
             SECDockState state;
             f->GetDockState(state);
             state.Normalize();
             ASSERT_TRUE(state.SaveState(static_cast<SECPersistentTreeNode*>(store)));
         },
         [](CLayoutFrame* f, void* store) {
             SECDockState state;
             ASSERT_TRUE(state.LoadState(static_cast<SECPersistentTreeNode*>(store)));
             f->SetDockState(state);
         }},
        {"archive", false,
         [](CLayoutFrame* f, void* store) {
             SECDockState state;
             f->GetDockState(state);
             state.Normalize();
             CFile file(static_cast<std::string*>(store)->c_str(), CFile::modeCreate | CFile::modeWrite);
             CArchive archive(&file, CArchive::store);
             state.Serialize(archive);
         },
         [](CLayoutFrame* f, void* store) {
             CFile file(static_cast<std::string*>(store)->c_str(), CFile::modeRead);
             CArchive archive(&file, CArchive::load);
             SECDockState state;
             state.Serialize(archive);
             f->SetDockState(state);
         }},
    };
    std::string archiveStore = archivePath;
    for (const LayoutForm& form : forms) {
        SCOPED_TRACE(form.name);
        void* store = std::string(form.name) == "tree" ? static_cast<void*>(&root) : static_cast<void*>(&archiveStore);
        form.save(frame_, store);
        frame_->DestroyWindow();
        testing_harness::PumpPending();

        frame_ = Build();
        ASSERT_NE(frame_, nullptr);
        // Built afresh: every panel docked and shown, no run-time bar.
        EXPECT_EQ(frame_->GetControlBar(ID_BAR_FIND), nullptr);
        EXPECT_FALSE(frame_->barB.IsFloating());
        if (!form.recreatesByClass) AddFindBar(frame_, AFX_IDW_DOCKBAR_TOP);
        form.restore(frame_, store);
        Settle(frame_);

        const std::map<UINT, BarPlace> after = Places(frame_);
        ASSERT_EQ(after.size(), before.size());
        for (const auto& [id, place] : before) {
            SCOPED_TRACE(id);
            ASSERT_EQ(after.count(id), 1u);
            EXPECT_EQ(after.at(id).visible, place.visible);
            if (place.visible) {
                EXPECT_EQ(after.at(id).rect, place.rect);
            }
        }
        EXPECT_TRUE(frame_->barB.IsFloating());
        EXPECT_EQ(frame_->barC.m_pDockBar, frame_->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
        auto* find = dynamic_cast<SECDialogBar*>(frame_->GetControlBar(ID_BAR_FIND));
        ASSERT_NE(find, nullptr);
        EXPECT_EQ(find->GetTemplateId(), static_cast<UINT>(IDD_TEST_DIALOGBAR));
        EXPECT_EQ(find->m_pDockBar, frame_->GetControlBar(AFX_IDW_DOCKBAR_RIGHT));
        CString title;
        find->GetWindowText(title);
        EXPECT_STREQ(title, "Find");
        // A hidden bar shown again takes its place in its old row.
        frame_->ShowControlBar(&frame_->barA, TRUE, FALSE);
        EXPECT_EQ(frame_->barA.m_pDockBar, frame_->GetControlBar(AFX_IDW_DOCKBAR_TOP));
        frame_->ShowControlBar(&frame_->barA, FALSE, FALSE);
        Settle(frame_);
    }
    testing_harness::Pixels shot = testing_harness::Pixels::FromWindow(frame_->m_hWnd);
    shot.SavePng(testing_harness::TestOutputPath("bar-layout-restored.png"));
    ::DeleteFileA(archivePath.c_str());
}

// Records of bars that can't be had (unknown class, a class that is no
// bar) are dropped; the other bars are restored.
TEST_F(DockStateFrameTest, UnknownBarsAreDroppedAndTheOthersRestored) {
    ASSERT_NE(frame_, nullptr);
    Rearrange();
    const std::map<UINT, BarPlace> before = Places(frame_);
    SECDockState saved;
    frame_->GetDockState(saved);
    saved.Normalize();
    SECPersistentTreeNode root;
    ASSERT_EQ(root.Create("Frame"), PTN_SUCCESS);
    ASSERT_TRUE(saved.SaveState(&root));
    for (int i = 0;; ++i) {
        SECPersistentTreeNode* node = root.FindChild("DockState")->FindChild(("Bar-" + std::to_string(i)).c_str());
        ASSERT_NE(node, nullptr);
        int id = 0;
        node->GetIntValue("BarID", id);
        if (id != static_cast<int>(ID_BAR_FIND)) continue;
        node->SetValue("ClassName", "SECPersistentTreeNode");
        break;
    }
    frame_->DestroyWindow();
    testing_harness::PumpPending();
    frame_ = Build();
    ASSERT_NE(frame_, nullptr);
    SECDockState loaded;
    ASSERT_TRUE(loaded.LoadState(&root));
    frame_->SetDockState(loaded);
    Settle(frame_);
    EXPECT_EQ(frame_->GetControlBar(ID_BAR_FIND), nullptr);
    const std::map<UINT, BarPlace> after = Places(frame_);
    EXPECT_TRUE(frame_->barB.IsFloating());
    EXPECT_EQ(after.at(ID_BAR_B).rect, before.at(ID_BAR_B).rect);
    EXPECT_FALSE(after.at(ID_BAR_A).visible);
    EXPECT_EQ(frame_->barC.m_pDockBar, frame_->GetControlBar(AFX_IDW_DOCKBAR_LEFT));
}

// A user toolbar of the toolbar manager, customised and floated, is saved
// in the registry with the frame's layout and made again, with its title,
// buttons and place, by the manager of the rebuilt frame.
TEST_F(DockStateFrameTest, TheManagersUserToolBarsComeBackFromTheRegistry) {
    ASSERT_NE(frame_, nullptr);
    const UINT images[] = {0xE100, 0xE101, 0xE103};
    auto attachManager = [&](CLayoutFrame* frame) {
        auto manager = std::make_unique<SECToolBarManager>(frame);
        EXPECT_TRUE(manager->GetBmpMgr()->AddStrip(MAKEINTRESOURCEA(IDB_BUTTON_STRIP), images, 3));
        frame->SetControlBarManager(manager.get());
        return manager;
    };
    std::unique_ptr<SECToolBarManager> manager = attachManager(frame_);
    SECCustomToolBar* user = manager->CreateUserToolBar("Favourites");
    ASSERT_NE(user, nullptr);
    const UINT buttons[] = {0xE103, 0, 0xE100};
    user->SetButtons(buttons, 3);
    manager->FloatNewToolBar(user);
    Settle(frame_);
    ASSERT_TRUE(user->IsFloating());
    CRect floatingBefore;
    user->GetParentFrame()->GetWindowRect(&floatingBefore);

    frame_->SaveBarState("Managed");
    EXPECT_TRUE(scratch_.Exists(scratch_.Sub("Managed-Summary")));
    frame_->DestroyWindow();
    testing_harness::PumpPending();
    manager.reset();

    frame_ = Build();
    ASSERT_NE(frame_, nullptr);
    manager = attachManager(frame_);
    EXPECT_TRUE(manager->GetBars().empty());
    frame_->LoadBarState("Managed");
    Settle(frame_);

    const std::vector<SECCustomToolBar*> bars = manager->GetBars();
    ASSERT_EQ(bars.size(), 1u);
    SECCustomToolBar* again = bars[0];
    EXPECT_EQ(again->GetDlgCtrlID(), static_cast<int>(SEC_IDW_USERBAR_FIRST));
    CString title;
    again->GetWindowText(title);
    EXPECT_STREQ(title, "Favourites");
    ASSERT_EQ(again->GetButtonCount(), 3);
    EXPECT_EQ(again->GetButton(0)->m_nID, 0xE103u);
    EXPECT_TRUE(again->GetButton(1)->IsSeparator());
    EXPECT_EQ(again->GetButton(2)->m_nID, 0xE100u);
    EXPECT_EQ(again->GetBmpMgr(), manager->GetBmpMgr());
    ASSERT_TRUE(again->IsFloating());
    CRect floatingAfter;
    again->GetParentFrame()->GetWindowRect(&floatingAfter);
    EXPECT_EQ(floatingAfter, floatingBefore);
    EXPECT_TRUE(::IsWindowVisible(again->GetParentFrame()->m_hWnd));
    frame_->DestroyWindow();
    testing_harness::PumpPending();
    frame_ = nullptr;
    manager.reset();
}

}  // namespace
