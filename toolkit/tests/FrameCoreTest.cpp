// The toolkit's MDI and SDI frames in real windows: the order in which
// commands reach their targets, activation, plug-ins that see messages and
// commands first, closing through the save prompt, idle layout, menus by id
// and the menu-bar hooks.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ControlBarManager.h"
#include "DocTemplate.h"
#include "FrameCoreTestResources.h"
#include "MDIFrame.h"
#include "MenuBar.h"
#include "ModalDriver.h"
#include "SDIFrame.h"
#include "View.h"
#include "WinApp.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"
#include "WndPlugIn.h"

using testing_harness::ModalDriver;

namespace {

std::vector<std::string> routeLog;

void Log(const std::string& entry) { routeLog.push_back(entry); }

std::string TitleOf(CDocument* document) {
    return document != nullptr ? std::string(static_cast<LPCSTR>(document->GetTitle())) : std::string("?");
}

class CCoreDoc : public CDocument {
    DECLARE_DYNCREATE(CCoreDoc)
public:
    afx_msg BOOL OnRoute(UINT) {
        Log("document " + TitleOf(this));
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CCoreDoc, CDocument)
BEGIN_MESSAGE_MAP(CCoreDoc, CDocument)
    ON_COMMAND_EX(ID_CORE_ROUTE, OnRoute)
END_MESSAGE_MAP()

class CCoreView : public CView {
    DECLARE_DYNCREATE(CCoreView)
public:
    void OnDraw(CDC*) override {}
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override {
        Log(std::string("view ") + TitleOf(GetDocument()) + (activate ? " on" : " off"));
        CView::OnActivateView(activate, activateView, deactiveView);
    }
    void OnActivateFrame(UINT state, CFrameWnd* frame) override {
        Log("frame activation " + std::to_string(state) + " told to " + TitleOf(GetDocument()));
        CView::OnActivateFrame(state, frame);
        if (state != WA_INACTIVE && bringToFront != nullptr) ::SetForegroundWindow(bringToFront);
    }
    // A window the view brings to the front when told of the activation.
    static HWND bringToFront;
    afx_msg BOOL OnRoute(UINT) {
        Log("view " + TitleOf(GetDocument()));
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CCoreView, CView)
HWND CCoreView::bringToFront = nullptr;
BEGIN_MESSAGE_MAP(CCoreView, CView)
    ON_COMMAND_EX(ID_CORE_ROUTE, OnRoute)
END_MESSAGE_MAP()

class CCoreChild : public SECMDIChildWnd {
    DECLARE_DYNCREATE(CCoreChild)
public:
    afx_msg BOOL OnRoute(UINT) {
        Log("child " + TitleOf(GetActiveDocument()));
        return FALSE;
    }
    afx_msg LRESULT OnHelp(WPARAM, LPARAM) {
        Log("help in " + TitleOf(GetActiveDocument()));
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CCoreChild, SECMDIChildWnd)
BEGIN_MESSAGE_MAP(CCoreChild, SECMDIChildWnd)
    ON_COMMAND_EX(ID_CORE_ROUTE, OnRoute)
    ON_MESSAGE(WM_COMMANDHELP, OnHelp)
END_MESSAGE_MAP()

constexpr UINT WM_CORE_PROBE = WM_APP + 1;

class CCoreMain : public SECMDIFrameWnd {
public:
    int layouts = 0;
    int idles = 0;
    void OnIdleLayout(UINT reason, CWnd* who) override {
        ++idles;
        SECMDIFrameWnd::OnIdleLayout(reason, who);
    }
    void RecalcLayout(BOOL notify) override {
        ++layouts;
        SECMDIFrameWnd::RecalcLayout(notify);
    }
    afx_msg BOOL OnRoute(UINT) {
        Log("main frame");
        return FALSE;
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM) {
        Log("frame saw " + std::to_string(wParam));
        return 3;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCoreMain, SECMDIFrameWnd)
    ON_COMMAND_EX(ID_CORE_ROUTE, OnRoute)
    ON_MESSAGE(WM_CORE_PROBE, OnProbe)
END_MESSAGE_MAP()

class CCoreApp : public CWinApp {
public:
    CCoreApp() : CWinApp("Core Tests") {}
    afx_msg BOOL OnRoute(UINT) {
        Log("application");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCoreApp, CWinApp)
    ON_COMMAND_EX(ID_CORE_ROUTE, OnRoute)
END_MESSAGE_MAP()

// A command plug-in: it sees the routed command, and takes one of its own.
class CCommandPlugIn : public SECWndPlugIn {
    DECLARE_DYNCREATE(CCommandPlugIn)
public:
    afx_msg BOOL OnRoute(UINT) {
        Log("plug-in");
        return FALSE;
    }
    afx_msg void OnOwn() { Log("plug-in took it"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CCommandPlugIn, SECWndPlugIn)
BEGIN_MESSAGE_MAP(CCommandPlugIn, SECWndPlugIn)
    ON_COMMAND_EX(ID_CORE_ROUTE, OnRoute)
    ON_COMMAND(ID_CORE_PLUGIN_ONLY, OnOwn)
END_MESSAGE_MAP()

// A menu plug-in: it sees the probe message first and eats it when wParam
// is 1; it sees pop-ups after the frame updated their items; it eats F9.
struct MenuPlugInRecord {
    bool alive = false;
    bool deletedWhileHostExisted = false;
    UINT disabledItemState = 0;
    int popups = 0;
};
MenuPlugInRecord menuPlugIn;

class CMenuPlugIn : public SECWndPlugIn {
    DECLARE_DYNCREATE(CMenuPlugIn)
public:
    CMenuPlugIn() { menuPlugIn.alive = true; }
    ~CMenuPlugIn() override {
        menuPlugIn.alive = false;
        menuPlugIn.deletedWhileHostExisted = m_hWnd != nullptr && ::IsWindow(m_hWnd);
    }
    BOOL PreTranslateMessage(MSG* msg) override { return msg->message == WM_KEYDOWN && msg->wParam == VK_F9; }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM) {
        Log("plug-in saw " + std::to_string(wParam));
        if (wParam == 1) {
            m_bHandled = TRUE;
            SetResult(77);
        }
        return 5;
    }
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT, BOOL) {
        ++menuPlugIn.popups;
        menuPlugIn.disabledItemState = popup->GetMenuState(ID_CORE_DISABLED, MF_BYCOMMAND);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMenuPlugIn, SECWndPlugIn)
BEGIN_MESSAGE_MAP(CMenuPlugIn, SECWndPlugIn)
    ON_MESSAGE(WM_CORE_PROBE, OnProbe)
    ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

// A control-bar manager whose customise mode the test switches.
class CTestManager : public SECControlBarManager {
public:
    BOOL customizing = FALSE;
    BOOL IsInCustomizeMode() const override { return customizing; }
};

// A menu bar that records what the frame asks of it.
class CFakeMenuBar : public SECMenuBarLink {
public:
    std::vector<UINT> switches;
    int resets = 0;
    CControlBar* GetMenuBarWnd() override { return nullptr; }
    BOOL SwitchMenu(UINT id) override {
        switches.push_back(id);
        return TRUE;
    }
    UINT GetMenuId() const override { return switches.empty() ? 0 : switches.back(); }
    BOOL ResetMDIButtons() override {
        ++resets;
        return FALSE;
    }
    SECWndPlugIn* CreateFramePlugIn() override { return new CMenuPlugIn; }
};

void DrainQuit() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

class ToolkitMDIFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        routeLog.clear();
        menuPlugIn = MenuPlugInRecord();
        engine_ = new CMultiDocTemplate(IDR_CORE_ENGINE, RUNTIME_CLASS(CCoreDoc), RUNTIME_CLASS(CCoreChild),
                                        RUNTIME_CLASS(CCoreView));
        app_.AddDocTemplate(engine_);
        frame_ = new CCoreMain;
    }
    // Set the frame's options before this.
    void Load() {
        ASSERT_TRUE(frame_->LoadFrame(IDR_CORE_MAIN));
        app_.m_pMainWnd = frame_;
        frame_->SetWindowPos(nullptr, 0, 0, 640, 480, SWP_NOZORDER);
        frame_->ShowWindow(SW_SHOW);
        frame_->UpdateWindow();
        mainWnd_ = frame_->m_hWnd;
    }
    void TearDown() override {
        if (::IsWindow(mainWnd_)) {
            app_.CloseAllDocuments(FALSE);
            frame_->DestroyWindow();
        } else if (mainWnd_ == nullptr) {
            delete frame_;
        }
        app_.m_pMainWnd = nullptr;
        DrainQuit();
    }
    static CMDIChildWnd* FrameOf(CDocument* document) {
        POSITION at = document->GetFirstViewPosition();
        return static_cast<CMDIChildWnd*>(document->GetNextView(at)->GetParentFrame());
    }
    std::vector<std::string> Route(UINT id = ID_CORE_ROUTE) {
        routeLog.clear();
        testing_harness::SendCommand(mainWnd_, static_cast<int>(id));
        return routeLog;
    }

    CCoreApp app_;
    CMultiDocTemplate* engine_ = nullptr;
    CCoreMain* frame_ = nullptr;
    HWND mainWnd_ = nullptr;
};

using Log_ = std::vector<std::string>;

}  // namespace

TEST_F(ToolkitMDIFrameTest, CommandsReachViewDocumentChildFramePlugInFrameAndApplicationInOrder) {
    Load();
    CDocument* first = engine_->OpenDocumentFile(nullptr);
    CDocument* second = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    CMDIChildWnd* firstChild = FrameOf(first);
    CMDIChildWnd* secondChild = FrameOf(second);
    ASSERT_TRUE(firstChild->IsKindOf(RUNTIME_CLASS(SECMDIChildWnd)));

    EXPECT_EQ(Route(), (Log_{"view Engine2", "document Engine2", "child Engine2", "main frame", "application"}));

    // Activating the other child moves the view activation, then the commands.
    routeLog.clear();
    frame_->MDIActivate(firstChild);
    EXPECT_EQ(routeLog, (Log_{"view Engine2 off", "view Engine1 on"}));
    EXPECT_EQ(frame_->GetActiveFrame(), firstChild);
    EXPECT_EQ(Route(), (Log_{"view Engine1", "document Engine1", "child Engine1", "main frame", "application"}));
    routeLog.clear();
    EXPECT_EQ(frame_->SendMessage(WM_COMMANDHELP), TRUE);  // help goes where commands go
    EXPECT_EQ(routeLog, (Log_{"help in Engine1"}));

    // The frame's activation reaches the active view once.
    routeLog.clear();
    frame_->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
    frame_->SendMessage(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(routeLog, (Log_{"frame activation 0 told to Engine1", "frame activation 1 told to Engine1"}));

    // A command plug-in comes after the child, before the frame.
    SECWndPlugIn* plugIn = frame_->CreateCommandPlugIn(frame_, 7, RUNTIME_CLASS(CCommandPlugIn), nullptr);
    ASSERT_NE(plugIn, nullptr);
    EXPECT_EQ(plugIn->GetPlugInId(), 7u);
    EXPECT_EQ(plugIn->GetHost(), frame_);
    EXPECT_EQ(Route(),
              (Log_{"view Engine1", "document Engine1", "child Engine1", "plug-in", "main frame", "application"}));
    EXPECT_EQ(Route(ID_CORE_PLUGIN_ONLY), (Log_{"plug-in took it"}));
    // A class that is no plug-in is refused, and the plug-in stays.
    EXPECT_EQ(frame_->CreateCommandPlugIn(frame_, 8, RUNTIME_CLASS(CCoreDoc), nullptr), nullptr);
    EXPECT_EQ(frame_->GetCommandPlugIn(), plugIn);

    // A floating MDI child made active comes first; the regular child
    // keeps its place in the MDI client but loses the view activation.
    frame_->MDIActivate(secondChild);
    routeLog.clear();
    frame_->ActivateFloatingMDIChild(firstChild);
    EXPECT_EQ(routeLog, (Log_{"view Engine2 off", "view Engine1 on"}));
    EXPECT_EQ(frame_->MDIGetActive(), firstChild);
    EXPECT_EQ(frame_->GetActiveFrame(), firstChild);
    EXPECT_EQ(reinterpret_cast<HWND>(::SendMessageA(frame_->m_hWndMDIClient, WM_MDIGETACTIVE, 0, 0)),
              secondChild->m_hWnd);
    EXPECT_EQ(Route(),
              (Log_{"view Engine1", "document Engine1", "child Engine1", "plug-in", "main frame", "application"}));
    frame_->DeactivateFloatingMDIChild(TRUE);
    EXPECT_EQ(frame_->GetActiveFloatingMDIChild(), nullptr);
    EXPECT_EQ(frame_->MDIGetActive(), secondChild);
    EXPECT_EQ(Route(),
              (Log_{"view Engine2", "document Engine2", "child Engine2", "plug-in", "main frame", "application"}));
}

TEST_F(ToolkitMDIFrameTest, AViewToldOfTheActivationLeavesTheFrameInFront) {
    Load();
    ASSERT_NE(engine_->OpenDocumentFile(nullptr), nullptr);
    HWND other = testing_harness::CreateTestWindow(200, 100, nullptr, "Other window");
    ASSERT_NE(other, nullptr);
    ::SetForegroundWindow(other);
    testing_harness::PumpPending();
    ASSERT_EQ(::GetForegroundWindow(), other);
    CCoreView::bringToFront = other;
    routeLog.clear();
    ::SetForegroundWindow(mainWnd_);
    testing_harness::PumpPending();
    CCoreView::bringToFront = nullptr;
    EXPECT_EQ(::GetForegroundWindow(), mainWnd_);
    // Told once, though the activation went away and came back meanwhile.
    EXPECT_EQ(std::count(routeLog.begin(), routeLog.end(), "frame activation 1 told to Engine1"), 1);
    ::DestroyWindow(other);
}

TEST_F(ToolkitMDIFrameTest, MenuPlugInSeesMessagesFirstAndMayEatThem) {
    frame_->EnableBitmapMenus(RUNTIME_CLASS(CMenuPlugIn));
    Load();
    SECWndPlugIn* plugIn = frame_->GetMenuPlugIn();
    ASSERT_NE(plugIn, nullptr);
    EXPECT_TRUE(plugIn->IsAttached());
    EXPECT_EQ(plugIn->m_hWnd, mainWnd_);
    EXPECT_EQ(CWnd::FromHandlePermanent(mainWnd_), frame_);  // borrowed, not bound

    routeLog.clear();
    EXPECT_EQ(frame_->SendMessage(WM_CORE_PROBE, 0), 3);
    EXPECT_EQ(routeLog, (Log_{"plug-in saw 0", "frame saw 0"}));
    routeLog.clear();
    EXPECT_EQ(frame_->SendMessage(WM_CORE_PROBE, 1), 77);
    EXPECT_EQ(routeLog, (Log_{"plug-in saw 1"}));

    // Keys: the plug-in's pre-translation comes first too.
    MSG key = {mainWnd_, WM_KEYDOWN, VK_F9, 0, 0, {0, 0}};
    EXPECT_TRUE(frame_->PreTranslateMessage(&key));

    // A pop-up reaches the plug-in after the frame disabled the item that
    // has no handler; the workspace commands stay enabled.
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    HMENU popup = ::GetSubMenu(engine_->m_hMenuShared, 1);
    ::AppendMenuA(popup, MF_STRING, ID_SEC_WORKSPACE_FIRST + 3, "Workspace");
    frame_->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), 1);
    EXPECT_EQ(menuPlugIn.popups, 1);
    EXPECT_TRUE(menuPlugIn.disabledItemState & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(popup, ID_SEC_WORKSPACE_FIRST + 3, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(popup, ID_CORE_ROUTE, MF_BYCOMMAND) & MF_GRAYED);
    routeLog.clear();
    testing_harness::SendCommand(mainWnd_, ID_SEC_WORKSPACE2_FIRST);
    EXPECT_TRUE(routeLog.empty());
}

TEST_F(ToolkitMDIFrameTest, ClosingAsksToSaveAndDeletesThePlugInBeforeTheWindow) {
    frame_->EnableBitmapMenus(RUNTIME_CLASS(CMenuPlugIn));
    Load();
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag();

    ModalDriver::Instance().Answer("", IDCANCEL);
    frame_->SendMessage(WM_CLOSE);
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, "Save changes to Engine1?");
    EXPECT_TRUE(::IsWindow(mainWnd_));
    EXPECT_TRUE(menuPlugIn.alive);

    ModalDriver::Instance().Answer("", IDNO);
    frame_->SendMessage(WM_CLOSE);
    EXPECT_EQ(ModalDriver::Instance().Boxes().size(), 2u);
    EXPECT_FALSE(::IsWindow(mainWnd_));
    EXPECT_FALSE(menuPlugIn.alive);
    EXPECT_TRUE(menuPlugIn.deletedWhileHostExisted);
}

namespace {

HWND idleBox = nullptr;
void CALLBACK CloseIdleBox(HWND, UINT, UINT_PTR id, DWORD) {
    ::KillTimer(nullptr, id);
    ModalDriver::PressButton(idleBox, IDOK);
}

INT_PTR CALLBACK IdleDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        ::EndDialog(dialog, IDOK);
        return TRUE;
    }
    return FALSE;
}

// Shows a dialog that stays up for a while, so that its modal loop idles
// (and tells its owner with WM_ENTERIDLE).
void ShowIdleBox(CWnd* owner) {
    ModalDriver::Instance().Handle("Idle", [](HWND box) {
        idleBox = box;
        ::SetTimer(nullptr, 0, 300, CloseIdleBox);
    });
    ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_CORE_IDLE), owner->m_hWnd, IdleDialogProc, 0);
}

}  // namespace

TEST_F(ToolkitMDIFrameTest, IdleTimeLaysOutAndCustomisingLaysOutUnderADialog) {
    Load();
    // The thread's idle time runs a delayed layout.
    frame_->DelayRecalcLayout();
    frame_->layouts = 0;
    CWinThread::SendIdleUpdates(frame_);
    EXPECT_EQ(frame_->layouts, 1);

    // Under a dialog, only while the bars are customised.
    CTestManager manager;
    frame_->SetControlBarManager(&manager);
    frame_->DelayRecalcLayout();
    frame_->layouts = 0;
    ShowIdleBox(frame_);
    EXPECT_GT(frame_->idles, 0);
    EXPECT_EQ(frame_->layouts, 0);
    manager.customizing = TRUE;
    ShowIdleBox(frame_);
    EXPECT_EQ(frame_->layouts, 1);

    // Customising: the close box and hit tests are refused.
    frame_->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(::IsWindow(mainWnd_));
    EXPECT_EQ(frame_->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(5, 5)), HTERROR);
    manager.customizing = FALSE;
    EXPECT_NE(frame_->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(5, 5)), HTERROR);
    frame_->SetControlBarManager(nullptr);
}

TEST_F(ToolkitMDIFrameTest, MenusAreFoundByIdOrHandle) {
    Load();
    ASSERT_NE(engine_->m_hMenuShared, nullptr);
    auto ask = [&](WPARAM id, LPARAM position) {
        return reinterpret_cast<HMENU>(frame_->SendMessage(WM_SECGETMENU, id, position));
    };
    EXPECT_EQ(ask(IDR_CORE_ENGINE, 1), ::GetSubMenu(engine_->m_hMenuShared, 1));
    EXPECT_EQ(ask(reinterpret_cast<WPARAM>(engine_->m_hMenuShared), 2), ::GetSubMenu(engine_->m_hMenuShared, 2));
    EXPECT_EQ(ask(IDR_CORE_ENGINE, 9), nullptr);
    EXPECT_EQ(ask(IDR_CORE_ENGINE, -1), nullptr);
    EXPECT_EQ(ask(IDR_CORE_MAIN, 0), nullptr);  // no menu bar: the frame's menu is the system's
    HMENU kept = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_CORE_SDI));
    frame_->AddMenu(600, kept);
    EXPECT_EQ(ask(600, 1), ::GetSubMenu(kept, 1));
}

TEST_F(ToolkitMDIFrameTest, AMenuBarShowsTheMenusOfTheActiveChild) {
    CFakeMenuBar bar;
    frame_->SetMenuBar(&bar);
    Load();
    EXPECT_EQ(::GetMenu(mainWnd_), nullptr);
    HMENU own = frame_->GetDefaultMenu();
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(::GetMenuItemCount(own), 2);
    EXPECT_EQ(bar.switches, (std::vector<UINT>{IDR_CORE_MAIN}));
    ASSERT_NE(frame_->GetMenuPlugIn(), nullptr);  // the bar's frame plug-in
    EXPECT_EQ(reinterpret_cast<HMENU>(frame_->SendMessage(WM_SECGETMENU, IDR_CORE_MAIN, 1)), ::GetSubMenu(own, 1));

    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    auto* child = static_cast<SECMDIChildWnd*>(FrameOf(document));
    EXPECT_EQ(child->GetMenuBarMenuId(), UINT(IDR_CORE_ENGINE));
    EXPECT_EQ(bar.switches.back(), UINT(IDR_CORE_ENGINE));
    EXPECT_EQ(::GetMenu(mainWnd_), nullptr);
    const int resets = bar.resets;
    child->MDIMaximize();
    EXPECT_GT(bar.resets, resets);

    document->OnCloseDocument();
    EXPECT_EQ(bar.switches.back(), UINT(IDR_CORE_MAIN));
}

namespace {

// The test frame with a real menu bar.
class CMenuBarMain : public CCoreMain {
public:
    SECMenuBar menuBar;
    afx_msg int OnCreate(LPCREATESTRUCT cs) {
        if (SECMDIFrameWnd::OnCreate(cs) == -1) return -1;
        return menuBar.Create(this) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CMenuBarMain, CCoreMain)
    ON_WM_CREATE()
END_MESSAGE_MAP()

// Pumps messages until `done` or `timeout` ms.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout = 3000) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (::GetTickCount() - start >= timeout) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

}  // namespace

// A maximised child puts its icon first and its minimise, restore and close
// buttons last in the menu bar; clicked with the mouse they act on the child.
TEST_F(ToolkitMDIFrameTest, AMaximisedChildsCaptionButtonsInTheMenuBarActOnIt) {
    delete frame_;
    auto* frame = new CMenuBarMain;
    frame_ = frame;
    frame->SetMenuBar(&frame->menuBar);
    Load();
    SECMenuBar& bar = frame->menuBar;
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    CMDIChildWnd* child = FrameOf(document);
    const HWND childWnd = child->m_hWnd;
    auto maximized = [&] {
        BOOL max = FALSE;
        return frame->MDIGetActive(&max) != nullptr && max;
    };
    auto captionButtons = [&] {
        const int count = bar.GetButtonCount();
        return count > 0 && bar.GetButton(0)->m_nType == SEC_BTN_CAPTION_MENU &&
               bar.GetButton(count - 1)->m_nType == SEC_BTN_CAPTION;
    };
    auto clickCell = [&](SECBtnCaption::Cell cell) {
        auto* caption = static_cast<SECBtnCaption*>(bar.GetButton(bar.GetButtonCount() - 1));
        const RECT r = caption->CellRect(cell);
        testing_harness::MouseClickAt(bar.m_hWnd, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    EXPECT_EQ(bar.GetButtonCount(), 3);  // File, Engine, Window
    EXPECT_FALSE(captionButtons());

    child->MDIMaximize();
    ASSERT_TRUE(PumpUntil([&] { return maximized() && captionButtons(); }));
    EXPECT_EQ(bar.GetButtonCount(), 5);
    testing_harness::Pixels::FromWindow(mainWnd_).SavePng("menubar-maximised-child.png");

    clickCell(SECBtnCaption::kRestore);
    EXPECT_TRUE(PumpUntil([&] { return !maximized() && !captionButtons(); })) << "restore";
    EXPECT_TRUE(::IsWindow(childWnd));

    child->MDIMaximize();
    ASSERT_TRUE(PumpUntil([&] { return maximized() && captionButtons(); }));
    clickCell(SECBtnCaption::kClose);
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(childWnd); })) << "close";
    EXPECT_EQ(engine_->GetFirstDocPosition(), nullptr);
    EXPECT_FALSE(captionButtons());
    EXPECT_EQ(bar.GetMenuId(), UINT(IDR_CORE_MAIN));
    ::SetWindowPos(mainWnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

namespace {

class CCoreSDIFrame : public SECFrameWnd {
public:
    afx_msg BOOL OnRoute(UINT) {
        Log("sdi frame");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CCoreSDIFrame, SECFrameWnd)
    ON_COMMAND_EX(ID_CORE_ROUTE, OnRoute)
END_MESSAGE_MAP()

}  // namespace

TEST(ToolkitSDIFrameTest, PlugInsRoutingMenusAndClosing) {
    routeLog.clear();
    menuPlugIn = MenuPlugInRecord();
    auto* frame = new CCoreSDIFrame;
    frame->EnableBitmapMenus(RUNTIME_CLASS(CMenuPlugIn));
    ASSERT_TRUE(frame->LoadFrame(IDR_CORE_SDI));
    HWND wnd = frame->m_hWnd;
    EXPECT_EQ(testing_harness::ControlText(wnd), "Single Frame - Tools");
    EXPECT_NE(::GetMenu(wnd), nullptr);
    ASSERT_NE(frame->GetMenuPlugIn(), nullptr);

    ASSERT_NE(frame->CreateCommandPlugIn(frame, 1, RUNTIME_CLASS(CCommandPlugIn), nullptr), nullptr);
    testing_harness::SendCommand(wnd, ID_CORE_ROUTE);
    EXPECT_EQ(routeLog, (Log_{"plug-in", "sdi frame"}));
    routeLog.clear();
    EXPECT_EQ(frame->SendMessage(WM_CORE_PROBE, 1), 77);
    EXPECT_EQ(routeLog, (Log_{"plug-in saw 1"}));
    // Without a menu bar the frame hands out no menus of its own.
    EXPECT_EQ(frame->SendMessage(WM_SECGETMENU, IDR_CORE_SDI, 0), 0);

    CTestManager manager;
    manager.customizing = TRUE;
    frame->SetControlBarManager(&manager);
    frame->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_TRUE(::IsWindow(wnd));
    frame->SetControlBarManager(nullptr);

    EXPECT_FALSE(frame->IsClosing());
    frame->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(wnd));
    EXPECT_FALSE(menuPlugIn.alive);
    EXPECT_TRUE(menuPlugIn.deletedWhileHostExisted);
}

TEST(ToolkitSDIFrameTest, AMenuBarTakesTheFramesMenu) {
    CFakeMenuBar bar;
    auto* frame = new CCoreSDIFrame;
    frame->SetMenuBar(&bar);
    ASSERT_TRUE(frame->LoadFrame(IDR_CORE_SDI));
    HWND wnd = frame->m_hWnd;
    EXPECT_EQ(::GetMenu(wnd), nullptr);
    ASSERT_NE(frame->GetDefaultMenu(), nullptr);
    EXPECT_EQ(bar.switches, (std::vector<UINT>{IDR_CORE_SDI}));
    EXPECT_EQ(reinterpret_cast<HMENU>(frame->SendMessage(WM_SECGETMENU, IDR_CORE_SDI, 1)),
              ::GetSubMenu(frame->GetDefaultMenu(), 1));
    EXPECT_EQ(frame->SendMessage(WM_SECGETMENU, IDR_CORE_MAIN, 0), 0);
    frame->DestroyWindow();
    EXPECT_FALSE(::IsWindow(wnd));
    DrainQuit();
}

TEST(CustomCaptionGeometry, RectanglesBandsAndTextPlaces) {
    namespace cg = caption_geometry;
    const cg::Metrics m = {4, 4, 18, 18};
    struct RectCase { int width; bool thick, newShell; int buttons; RECT expected; };
    const RectCase rects[] = {
        {400, true, true, 3, {4, 4, 342, 22}},
        {400, false, true, 3, {4, 3, 342, 21}},   // one higher without a thick frame
        {400, true, true, 0, {4, 4, 396, 22}},
        {400, true, false, 3, {4, 4, 381, 22}},   // the older shell kept room for one button
        {50, true, true, 3, {4, 4, 4, 22}},       // never negative
    };
    for (const RectCase& c : rects) {
        const RECT r = cg::CaptionRect(c.width, m, c.thick, c.newShell, c.buttons);
        EXPECT_TRUE(::EqualRect(&r, &c.expected)) << c.width << " " << c.buttons << ": " << r.left << "," << r.top
                                                  << "," << r.right << "," << r.bottom;
    }
    EXPECT_EQ(cg::BandCount(600), 60);
    EXPECT_EQ(cg::BandCount(30), 30);
    EXPECT_EQ(cg::BandCount(0), 1);
    const COLORREF blue = RGB(10, 40, 200);
    EXPECT_EQ(cg::BandColour(0, 60, blue), RGB(0, 0, 0));
    EXPECT_EQ(cg::BandColour(59, 60, blue), blue);
    EXPECT_EQ(cg::BandColour(30, 61, blue), RGB(5, 20, 100));
    EXPECT_EQ(cg::BandColour(0, 1, blue), blue);
    const RECT caption = {10, 0, 210, 18};
    const RECT firstBand = cg::BandRect(0, 60, caption);
    const RECT lastBand = cg::BandRect(59, 60, caption);
    EXPECT_EQ(firstBand.left, 10);
    EXPECT_EQ(lastBand.right, 210);
    struct TextCase { int alignment, width, expected; };
    const TextCase texts[] = {{0, 50, 10}, {1, 50, 85}, {2, 50, 160}, {1, 300, 10}, {2, 300, 10}};
    for (const TextCase& c : texts) EXPECT_EQ(cg::TextStart(c.alignment, caption, c.width), c.expected);
}

namespace {

// Screenshots go to the temporary folder, out of the source tree.
std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

// The frame's whole window, non-client area included, as the screen shows it.
testing_harness::Pixels WindowPixels(HWND wnd) {
    RECT r;
    ::GetWindowRect(wnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HDC windowDC = ::GetWindowDC(wnd);
    HDC memory = ::CreateCompatibleDC(windowDC);
    HBITMAP bitmap = ::CreateCompatibleBitmap(windowDC, width, height);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, windowDC, 0, 0, SRCCOPY);
    testing_harness::Pixels pixels = testing_harness::Pixels::FromDC(memory, width, height);
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(wnd, windowDC);
    return pixels;
}

}  // namespace

TEST(CustomCaption, DrawsAGradientThatFollowsActivation) {
    auto* frame = new CCoreSDIFrame;
    ASSERT_TRUE(frame->LoadFrame(IDR_CORE_SDI));
    HWND wnd = frame->m_hWnd;
    frame->SetWindowPos(nullptr, 20, 20, 480, 200, SWP_NOZORDER);
    frame->ShowWindow(SW_SHOW);
    frame->UpdateWindow();
    frame->EnableCustomCaption(TRUE, TRUE);
    testing_harness::PumpPending();
    ASSERT_TRUE(frame->GetCustomCaption().IsEnabled());

    frame->SendMessage(WM_NCACTIVATE, TRUE);
    EXPECT_TRUE(frame->GetCustomCaption().IsActive());
    const RECT caption = frame->GetCustomCaption().GetCaptionRect();
    const int width = caption.right - caption.left;
    ASSERT_GT(width, 180);
    testing_harness::Pixels active = WindowPixels(wnd);
    active.SavePng(TempFile("custom-caption.png"));
    const COLORREF to = ::GetSysColor(COLOR_ACTIVECAPTION);
    using testing_harness::Rgb;
    // Row 0 of the caption is clear of the icon and the title.
    EXPECT_EQ(active.At(caption.right - 2, caption.top), Rgb(to));
    const RECT middle = caption_geometry::BandRect(30, 60, caption);
    EXPECT_EQ(active.At(middle.left, caption.top), Rgb(caption_geometry::BandColour(30, 60, to)));
    // The title is drawn: white pixels in the caption.
    const RECT title = {caption.left, caption.top, caption.left + width / 2, caption.bottom};
    EXPECT_GT(active.Count(0xFFFFFF, &title), 10);

    frame->SendMessage(WM_NCACTIVATE, FALSE);
    EXPECT_FALSE(frame->GetCustomCaption().IsActive());
    testing_harness::Pixels inactive = WindowPixels(wnd);
    EXPECT_EQ(inactive.At(caption.right - 2, caption.top), Rgb(::GetSysColor(COLOR_INACTIVECAPTION)));
    EXPECT_EQ(inactive.At(middle.left, caption.top), Rgb(::GetSysColor(COLOR_INACTIVECAPTION)));

    // A new title is drawn by the caption too.
    frame->SendMessage(WM_NCACTIVATE, TRUE);
    frame->SetWindowText("Renamed - Frame");
    EXPECT_EQ(testing_harness::ControlText(wnd), "Renamed - Frame");
    EXPECT_EQ(WindowPixels(wnd).At(caption.right - 2, caption.top), Rgb(to));
    frame->DestroyWindow();
    DrainQuit();
}
