// A multiple-document program in real windows: a main frame, two document
// templates, child frames with views, titles, menus, activation, command
// routing, status prompts, layout and closing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Controls.h"
#include "DocTemplate.h"
#include "FrameTestResources.h"
#include "MDIFrameWnd.h"
#include "ModalDriver.h"
#include "View.h"
#include "WinApp.h"
#include "WindowHelpers.h"
#include "WindowMessages.h"

using testing_harness::ModalDriver;

namespace {

// What each command target did, in order, and the thread's routing frame
// when the view and the application had their turn.
std::vector<std::string> routeLog;
CFrameWnd* routingAtView = nullptr;
CFrameWnd* routingAtApplication = nullptr;

class CEngineDoc : public CDocument {
    DECLARE_DYNCREATE(CEngineDoc)
public:
    afx_msg BOOL OnRoute(UINT) {
        routeLog.push_back("document");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CEngineDoc, CDocument)
BEGIN_MESSAGE_MAP(CEngineDoc, CDocument)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
END_MESSAGE_MAP()

class CVehicleDoc : public CDocument {
    DECLARE_DYNCREATE(CVehicleDoc)
};
IMPLEMENT_DYNCREATE(CVehicleDoc, CDocument)

class CRecordingView : public CView {
    DECLARE_DYNCREATE(CRecordingView)
public:
    int initialUpdates = 0;
    int colourChanges = 0;
    void OnInitialUpdate() override {
        ++initialUpdates;
        CView::OnInitialUpdate();
    }
    void OnDraw(CDC* dc) override {
        CRect area;
        GetClientRect(&area);
        dc->FillSolidRect(&area, RGB(255, 255, 224));
        dc->TextOut(4, 4, GetDocument() != nullptr ? static_cast<LPCSTR>(GetDocument()->GetTitle()) : "");
    }
    afx_msg BOOL OnRoute(UINT) {
        routeLog.push_back("view");
        routingAtView = CFrameWnd::GetRoutingFrame();
        return FALSE;
    }
    afx_msg void OnSysColorChange() { ++colourChanges; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRecordingView, CView)
BEGIN_MESSAGE_MAP(CRecordingView, CView)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

class CTestChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChildFrame)
public:
    afx_msg BOOL OnRoute(UINT) {
        routeLog.push_back("child frame");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CTestChildFrame, CMDIChildWnd)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
END_MESSAGE_MAP()

class CTestMainFrame : public CMDIFrameWnd {
public:
    std::vector<UINT> prompts;  // ids of WM_SETMESSAGESTRING, 0 for texts
    afx_msg BOOL OnRoute(UINT) {
        routeLog.push_back("main frame");
        return FALSE;
    }
    afx_msg LRESULT OnRecordPrompt(WPARAM id, LPARAM text) {
        prompts.push_back(static_cast<UINT>(id));
        return CFrameWnd::OnSetMessageString(id, text);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
    ON_MESSAGE(WM_SETMESSAGESTRING, OnRecordPrompt)
END_MESSAGE_MAP()

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp("Frame Tests") {}
    afx_msg BOOL OnRoute(UINT) {
        routeLog.push_back("application");
        routingAtApplication = CFrameWnd::GetRoutingFrame();
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND_EX(ID_TEST_ROUTE, OnRoute)
END_MESSAGE_MAP()

// An MDI client that keeps margins around itself, as a workbook does.
class CMarginClient : public CWnd {
public:
    int margin = 13;
    void CalcWindowRect(LPRECT rect, UINT adjustType) override {
        ::InflateRect(rect, -margin, -margin);
        CWnd::CalcWindowRect(rect, adjustType);
    }
};

// A bar along the top that takes 20 pixels through WM_SIZEPARENT.
class CTopBar : public CWnd {
public:
    afx_msg LRESULT OnSizeParent(WPARAM, LPARAM lParam) {
        auto* layout = reinterpret_cast<SizeParentParams*>(lParam);
        RECT rect = {layout->rect.left, layout->rect.top, layout->rect.right, layout->rect.top + 20};
        layout->rect.top += 20;
        AfxRepositionWindow(layout, m_hWnd, &rect);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CTopBar, CWnd)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
END_MESSAGE_MAP()

std::string TextOf(HWND wnd) { return testing_harness::ControlText(wnd); }

// Types `path` into a file dialog and presses OK.
void ChooseFile(HWND dialog, const std::string& path) {
    HWND box = ::GetDlgItem(dialog, 0x047C);  // the file name combo box, which passes on its text
    ::SetWindowTextA(box != nullptr ? box : ::GetDlgItem(dialog, 0x0480), path.c_str());
    ModalDriver::PressButton(dialog, IDOK);
}

void DrainQuit() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

class MDIFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        routeLog.clear();
        engine_ = new CMultiDocTemplate(IDR_ENGINE, RUNTIME_CLASS(CEngineDoc), RUNTIME_CLASS(CTestChildFrame),
                                        RUNTIME_CLASS(CRecordingView));
        vehicle_ = new CMultiDocTemplate(IDR_VEHICLE, RUNTIME_CLASS(CVehicleDoc),
                                         RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CRecordingView));
        app_.AddDocTemplate(engine_);
        app_.AddDocTemplate(vehicle_);
        frame_ = new CTestMainFrame;
        ASSERT_TRUE(frame_->LoadFrame(IDR_MAINFRAME));
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
        }
        DrainQuit();
    }

    // The child frame showing `document` (its first view's frame).
    static CMDIChildWnd* FrameOf(CDocument* document) {
        POSITION at = document->GetFirstViewPosition();
        CView* view = document->GetNextView(at);
        return static_cast<CMDIChildWnd*>(view->GetParentFrame());
    }
    static CRecordingView* ViewOf(CDocument* document) {
        POSITION at = document->GetFirstViewPosition();
        return static_cast<CRecordingView*>(document->GetNextView(at));
    }
    CString TitleOf(CWnd* wnd) const {
        CString text;
        wnd->GetWindowText(text);
        return text;
    }
    void Idle() { CWinThread::SendIdleUpdates(frame_); }

    CTestApp app_;
    CMultiDocTemplate* engine_ = nullptr;
    CMultiDocTemplate* vehicle_ = nullptr;
    CTestMainFrame* frame_ = nullptr;
    HWND mainWnd_ = nullptr;
};

}  // namespace

TEST_F(MDIFrameTest, TwoDocumentsOfTwoTemplatesGetFramesViewsTitlesAndMenus) {
    CDocument* engineDoc = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(engineDoc, nullptr);
    CDocument* vehicleDoc = vehicle_->OpenDocumentFile(nullptr);
    ASSERT_NE(vehicleDoc, nullptr);
    EXPECT_TRUE(engineDoc->IsKindOf(RUNTIME_CLASS(CEngineDoc)));
    EXPECT_TRUE(vehicleDoc->IsKindOf(RUNTIME_CLASS(CVehicleDoc)));

    CMDIChildWnd* engineFrame = FrameOf(engineDoc);
    CMDIChildWnd* vehicleFrame = FrameOf(vehicleDoc);
    ASSERT_NE(engineFrame, nullptr);
    ASSERT_NE(vehicleFrame, nullptr);
    EXPECT_EQ(::GetParent(engineFrame->m_hWnd), frame_->m_hWndMDIClient);
    EXPECT_TRUE(engineFrame->IsWindowVisible());
    EXPECT_EQ(AFX_IDW_PANE_FIRST, ViewOf(engineDoc)->GetDlgCtrlID());
    EXPECT_EQ(1, ViewOf(engineDoc)->initialUpdates);
    EXPECT_EQ(ViewOf(engineDoc), engineFrame->GetActiveView());
    EXPECT_EQ(UINT(IDR_MAINFRAME), frame_->m_nIDHelp);
    EXPECT_EQ(UINT(IDR_ENGINE), engineFrame->m_nIDHelp);
    EXPECT_EQ(engine_->m_hAccelTable, engineFrame->m_hAccelTable);
    EXPECT_EQ(engine_->m_hMenuShared, engineFrame->m_hMenuShared);
    // The main frame's icon is the one of its resource id.
    EXPECT_EQ(app_.LoadIcon(IDR_MAINFRAME),
              reinterpret_cast<HICON>(::GetClassLongPtrA(mainWnd_, GCLP_HICON)));

    // The newest is active: its menu, accelerators and title are up.
    EXPECT_EQ(vehicleFrame, frame_->MDIGetActive());
    EXPECT_EQ(vehicleDoc, frame_->GetActiveDocument());
    EXPECT_EQ(vehicle_->m_hMenuShared, ::GetMenu(mainWnd_));
    EXPECT_EQ(CString("Engine1"), TitleOf(engineFrame));
    EXPECT_EQ(CString("Vehicle1"), TitleOf(vehicleFrame));
    EXPECT_EQ(CString("Frame Tests - Vehicle1"), TitleOf(frame_));

    frame_->MDIActivate(engineFrame);
    EXPECT_EQ(engineFrame, frame_->MDIGetActive());
    EXPECT_EQ(engine_->m_hMenuShared, ::GetMenu(mainWnd_));
    EXPECT_EQ(engine_->m_hAccelTable, frame_->GetDefaultAccelerator());
    EXPECT_EQ(CString("Frame Tests - Engine1"), TitleOf(frame_));
    // The Window pop-up of the shared menu lists the children.
    HMENU windowMenu = frame_->GetWindowMenuPopup(engine_->m_hMenuShared);
    EXPECT_NE(static_cast<UINT>(-1), ::GetMenuState(windowMenu, AFX_IDM_FIRST_MDICHILD, MF_BYCOMMAND));
    EXPECT_NE(static_cast<UINT>(-1), ::GetMenuState(windowMenu, AFX_IDM_FIRST_MDICHILD + 1, MF_BYCOMMAND));

    // A document's title change reaches its frame and the main frame.
    engineDoc->SetTitle("Dyno");
    EXPECT_EQ(CString("Dyno"), TitleOf(engineFrame));
    EXPECT_EQ(CString("Frame Tests - Dyno"), TitleOf(frame_));

    testing_harness::PumpPending();
    testing_harness::Pixels shot = testing_harness::Pixels::FromWindow(mainWnd_);
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    shot.SavePng(std::string(folder) + "framework_mdi_two_documents.png");

    // Closing the last child brings the main frame's own menu and title back.
    engineDoc->OnCloseDocument();
    vehicleDoc->OnCloseDocument();
    EXPECT_EQ(nullptr, frame_->MDIGetActive());
    Idle();
    EXPECT_EQ(frame_->m_hMenuDefault, ::GetMenu(mainWnd_));
    EXPECT_EQ(CString("Frame Tests"), TitleOf(frame_));
}

TEST_F(MDIFrameTest, SecondWindowOfADocumentNumbersTheTitles) {
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    CMDIChildWnd* first = FrameOf(document);
    testing_harness::SendCommand(mainWnd_, ID_WINDOW_NEW);
    CMDIChildWnd* second = frame_->MDIGetActive();
    ASSERT_NE(second, first);
    EXPECT_EQ(document, second->GetActiveDocument());
    EXPECT_EQ(CString("Engine1:1"), TitleOf(first));
    EXPECT_EQ(CString("Engine1:2"), TitleOf(second));
    EXPECT_EQ(CString("Frame Tests - Engine1:2"), TitleOf(frame_));

    // Closing one window keeps the document, now in one unnumbered window.
    second->SendMessage(WM_CLOSE);
    EXPECT_EQ(first, frame_->MDIGetActive());
    EXPECT_EQ(CString("Engine1"), TitleOf(first));
    EXPECT_EQ(1, app_.GetOpenDocumentCount());
}

TEST_F(MDIFrameTest, CommandsRouteThroughViewDocumentChildFrameMainFrameAndApplication) {
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    testing_harness::SendCommand(mainWnd_, ID_TEST_ROUTE);
    EXPECT_EQ((std::vector<std::string>{"view", "document", "child frame", "main frame", "application"}),
              routeLog);
    // The innermost frame routing is the thread's routing frame meanwhile.
    EXPECT_EQ(FrameOf(document), routingAtView);
    EXPECT_EQ(frame_, routingAtApplication);
    EXPECT_EQ(nullptr, CFrameWnd::GetRoutingFrame());

    // Without a child only the main frame and the application are asked.
    routeLog.clear();
    app_.CloseAllDocuments(FALSE);
    testing_harness::SendCommand(mainWnd_, ID_TEST_ROUTE);
    EXPECT_EQ((std::vector<std::string>{"main frame", "application"}), routeLog);
}

TEST_F(MDIFrameTest, MenuItemsAreUpdatedThroughTheActiveChild) {
    ASSERT_NE(engine_->OpenDocumentFile(nullptr), nullptr);
    HMENU engineMenu = ::GetSubMenu(engine_->m_hMenuShared, 1);
    frame_->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(engineMenu), 1);
    // Route has handlers (that decline): enabled. Nothing has none: greyed.
    EXPECT_EQ(0u, ::GetMenuState(engineMenu, ID_TEST_ROUTE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(0u, ::GetMenuState(engineMenu, ID_TEST_NO_HANDLER, MF_BYCOMMAND) & MF_GRAYED);
    // The Window commands want an active child.
    HMENU windowMenu = ::GetSubMenu(engine_->m_hMenuShared, 2);
    frame_->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(windowMenu), 2);
    EXPECT_EQ(0u, ::GetMenuState(windowMenu, ID_WINDOW_CASCADE, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MDIFrameTest, MouseActivationOfAnInactiveChildActivatesItThroughTheClient) {
    CDocument* engineDoc = engine_->OpenDocumentFile(nullptr);
    CDocument* vehicleDoc = vehicle_->OpenDocumentFile(nullptr);
    ASSERT_TRUE(engineDoc && vehicleDoc);
    CMDIChildWnd* engineFrame = FrameOf(engineDoc);
    ASSERT_EQ(FrameOf(vehicleDoc), frame_->MDIGetActive());
    // As a tab strip does it: WM_MOUSEACTIVATE with no hit-test code.
    engineFrame->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(mainWnd_), 0);
    EXPECT_EQ(engineFrame, frame_->MDIGetActive());
    EXPECT_EQ(engine_->m_hMenuShared, ::GetMenu(mainWnd_));

    // A real click on the other child's view does the same.
    CView* vehicleView = ViewOf(vehicleDoc);
    testing_harness::PumpPending();
    // Its lower right corner is not covered by the other child.
    CRect viewArea;
    vehicleView->GetClientRect(&viewArea);
    testing_harness::MouseClickAt(vehicleView->m_hWnd, viewArea.right - 5, viewArea.bottom - 5);
    EXPECT_TRUE(testing_harness::PumpUntil([&] { return frame_->MDIGetActive() == FrameOf(vehicleDoc); }, 3000));
    EXPECT_EQ(vehicleView, FrameOf(vehicleDoc)->GetActiveView());
}

TEST_F(MDIFrameTest, MaximisedChildKeepsTheMaximisedStateForTheNextDocument) {
    CDocument* first = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(first, nullptr);
    FrameOf(first)->MDIMaximize();
    BOOL maximized = FALSE;
    frame_->MDIGetActive(&maximized);
    EXPECT_TRUE(maximized);
    CDocument* second = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(FrameOf(second), frame_->MDIGetActive(&maximized));
    EXPECT_TRUE(maximized);
    EXPECT_TRUE(FrameOf(second)->IsZoomed());
}

TEST_F(MDIFrameTest, StatusPromptsArriveWithoutAStatusBar) {
    HMENU help = ::GetSubMenu(frame_->m_hMenuDefault, 1);
    frame_->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_RUN, MF_STRING), reinterpret_cast<LPARAM>(help));
    ASSERT_FALSE(frame_->prompts.empty());
    EXPECT_EQ(UINT(ID_TEST_RUN), frame_->prompts.back());
    CString prompt;
    frame_->GetMessageString(ID_TEST_RUN, prompt);
    EXPECT_EQ(CString("Run the test"), prompt);

    // The menu closes; at idle the idle prompt comes back, once.
    frame_->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Idle();
    Idle();
    EXPECT_EQ((std::vector<UINT>{ID_TEST_RUN, AFX_IDS_IDLEMESSAGE}), frame_->prompts);

    // A child frame's prompts are shown by the main frame.
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    FrameOf(document)->SetMessageText(ID_TEST_RUN);
    EXPECT_EQ(UINT(ID_TEST_RUN), frame_->prompts.back());
}

TEST_F(MDIFrameTest, StatusPromptsAreShownInTheMessageBar) {
    CStatic bar;
    ASSERT_TRUE(bar.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), frame_, AFX_IDW_STATUS_BAR));
    HMENU help = ::GetSubMenu(frame_->m_hMenuDefault, 1);
    frame_->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_RUN, MF_STRING), reinterpret_cast<LPARAM>(help));
    EXPECT_EQ("Run the test", TextOf(bar.m_hWnd));
    frame_->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    Idle();
    EXPECT_EQ("Ready", TextOf(bar.m_hWnd));
    // A text set by the program stays until the next menu.
    frame_->SetMessageText("Running...");
    Idle();
    EXPECT_EQ("Running...", TextOf(bar.m_hWnd));
    bar.DestroyWindow();
}

TEST_F(MDIFrameTest, LayoutGivesBarsTheirRoomAndTheClientTheRestThroughItsCalcWindowRect) {
    CMarginClient client;
    ASSERT_TRUE(client.SubclassWindow(frame_->m_hWndMDIClient));
    CTopBar bar;
    ASSERT_TRUE(bar.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame_, 0xE800));
    frame_->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOZORDER | SWP_NOMOVE);

    CRect area;
    frame_->GetClientRect(&area);
    CRect clientRect;
    ::GetWindowRect(frame_->m_hWndMDIClient, &clientRect);
    frame_->ScreenToClient(&clientRect);
    EXPECT_EQ(CRect(13, 20 + 13, area.right - 13, area.bottom - 13), clientRect);
    CRect barRect;
    bar.GetWindowRect(&barRect);
    frame_->ScreenToClient(&barRect);
    EXPECT_EQ(CRect(0, 0, area.right, 20), barRect);

    // A layout query reports the free area and moves nothing.
    CRect free;
    frame_->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &free);
    EXPECT_EQ(CRect(0, 20, area.right, area.bottom), free);

    bar.DestroyWindow();
    client.UnsubclassWindow();
}

TEST_F(MDIFrameTest, ColourChangesReachTheViews) {
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    frame_->SendMessage(WM_SYSCOLORCHANGE);
    EXPECT_EQ(1, ViewOf(document)->colourChanges);
}

TEST_F(MDIFrameTest, ClosingAModifiedDocumentAsksToSave) {
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    document->SetModifiedFlag();
    HWND child = FrameOf(document)->m_hWnd;

    // Cancel keeps everything.
    ModalDriver::Instance().Answer("Frame Tests", IDCANCEL);
    ::SendMessageA(child, WM_CLOSE, 0, 0);
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_EQ("Save changes to Engine1?", ModalDriver::Instance().Boxes()[0].text);
    EXPECT_TRUE(::IsWindow(child));
    EXPECT_EQ(1, app_.GetOpenDocumentCount());

    // No closes the document and its frame without saving.
    ModalDriver::Instance().Answer("Frame Tests", IDNO);
    ::SendMessageA(child, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(child));
    EXPECT_EQ(0, app_.GetOpenDocumentCount());
    EXPECT_TRUE(::IsWindow(mainWnd_));
}

TEST_F(MDIFrameTest, ClosingTheMainFrameAsksForEachModifiedDocumentAndQuits) {
    CDocument* engineDoc = engine_->OpenDocumentFile(nullptr);
    CDocument* vehicleDoc = vehicle_->OpenDocumentFile(nullptr);
    ASSERT_TRUE(engineDoc && vehicleDoc);
    engineDoc->SetModifiedFlag();

    // Cancel: nothing closes.
    ModalDriver::Instance().Answer("Frame Tests", IDCANCEL);
    frame_->SendMessage(WM_CLOSE);
    EXPECT_TRUE(::IsWindow(mainWnd_));
    EXPECT_EQ(2, app_.GetOpenDocumentCount());

    ModalDriver::Instance().Answer("Frame Tests", IDNO);
    frame_->SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(mainWnd_));
    EXPECT_EQ(0, app_.GetOpenDocumentCount());
    EXPECT_EQ(nullptr, app_.m_pMainWnd);
    MSG quit;
    EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MDIFrameTest, FileCloseCommandClosesTheActiveDocument) {
    CDocument* engineDoc = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(engineDoc, nullptr);
    CDocument* vehicleDoc = vehicle_->OpenDocumentFile(nullptr);
    ASSERT_NE(vehicleDoc, nullptr);
    testing_harness::SendCommand(mainWnd_, ID_FILE_CLOSE);
    EXPECT_EQ(1, app_.GetOpenDocumentCount());
    EXPECT_EQ(engineDoc, frame_->GetActiveDocument());
    // File New from the menu makes a document of the first template.
    testing_harness::SendCommand(mainWnd_, ID_FILE_NEW);
    EXPECT_EQ(2, app_.GetOpenDocumentCount());
    EXPECT_EQ(CString("Engine2"), frame_->GetActiveDocument()->GetTitle());
}

TEST_F(MDIFrameTest, FileSaveThroughTheMainFrameSavesTheActiveDocument) {
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "framework_frames_save.eng";
    // An old file of that name, which the save rewrites.
    HANDLE old = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, old);
    DWORD written = 0;
    ::WriteFile(old, "old", 3, &written, nullptr);
    ::CloseHandle(old);
    document->SetPathName(path.c_str(), FALSE);
    document->SetModifiedFlag();
    // The frame's title follows the document's new name.
    EXPECT_EQ(CString("framework_frames_save.eng"), TitleOf(FrameOf(document)));

    testing_harness::SendCommand(mainWnd_, ID_FILE_SAVE);
    EXPECT_FALSE(document->IsModified());
    WIN32_FILE_ATTRIBUTE_DATA saved = {};
    ASSERT_TRUE(::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &saved));
    EXPECT_EQ(0u, saved.nFileSizeLow);  // the document has no data to write
    ::DeleteFileA(path.c_str());
}

TEST_F(MDIFrameTest, AFileThatCannotBeOpenedLeavesNoFrameAndNoDocument) {
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "framework_frames_missing.eng";
    ::DeleteFileA(path.c_str());
    ModalDriver::Instance().Answer("Frame Tests", IDOK);
    EXPECT_EQ(nullptr, engine_->OpenDocumentFile(path.c_str()));
    ASSERT_EQ(1u, ModalDriver::Instance().Boxes().size());
    EXPECT_NE(std::string::npos, ModalDriver::Instance().Boxes()[0].text.find("Could not open"));
    EXPECT_EQ(nullptr, frame_->MDIGetActive());
    EXPECT_EQ(nullptr, ::GetWindow(frame_->m_hWndMDIClient, GW_CHILD));
    EXPECT_EQ(0, app_.GetOpenDocumentCount());
    EXPECT_EQ(frame_->m_hMenuDefault, ::GetMenu(mainWnd_));
}

TEST_F(MDIFrameTest, SaveAsAndOpenGoThroughTheMainFrame) {
    CDocument* document = engine_->OpenDocumentFile(nullptr);
    ASSERT_NE(document, nullptr);
    char folder[MAX_PATH];
    ::GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "framework_frames_save_as.eng";
    ::DeleteFileA(path.c_str());

    ModalDriver::Instance().Handle("", [&](HWND dialog) { ChooseFile(dialog, path); });
    testing_harness::SendCommand(mainWnd_, ID_FILE_SAVE_AS);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str()));
    EXPECT_EQ(CString("framework_frames_save_as.eng"), TitleOf(FrameOf(document)));

    app_.CloseAllDocuments(FALSE);
    ModalDriver::Instance().Handle("", [&](HWND dialog) { ChooseFile(dialog, path); });
    testing_harness::SendCommand(mainWnd_, ID_FILE_OPEN);
    CDocument* opened = frame_->GetActiveDocument();
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->IsKindOf(RUNTIME_CLASS(CEngineDoc)));
    EXPECT_EQ(CString("framework_frames_save_as.eng"), TitleOf(FrameOf(opened)));
    EXPECT_EQ(CString("Frame Tests - framework_frames_save_as.eng"), TitleOf(frame_));
    ::DeleteFileA(path.c_str());
}

TEST_F(MDIFrameTest, PrintPreviewModeTakesTheMenuDownAndPutsItBack) {
    ASSERT_NE(engine_->OpenDocumentFile(nullptr), nullptr);
    frame_->OnSetPreviewMode(TRUE, nullptr);
    EXPECT_EQ(nullptr, ::GetMenu(mainWnd_));
    frame_->OnSetPreviewMode(FALSE, nullptr);
    EXPECT_EQ(engine_->m_hMenuShared, ::GetMenu(mainWnd_));
}
