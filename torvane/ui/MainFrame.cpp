#include "torvane/ui/MainFrame.h"

#include "common/Assertion.h"
#include "common/ui/ProgramStart.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/services/ErrCode.h"
#include "torvane/ui/AppColors.h"

namespace torvane {

namespace {

const char kAssertModule[] = "MainFrm";

// The warning that the display went to a low colour mode.
const unsigned short kWarningLowColorDisplay = 106;

}  // namespace

IMPLEMENT_DYNCREATE(CMainFrame, SECWorkbook)

BEGIN_MESSAGE_MAP(CMainFrame, SECWorkbook)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_WM_SYSCOLORCHANGE()
    ON_MESSAGE(kMsgDocumentClosing, OnUpdateActiveDocViews)
    ON_COMMAND(ID_VIEW_WORKBOOK, OnToggleWorkbook)
    ON_UPDATE_COMMAND_UI(ID_VIEW_WORKBOOK, OnUpdateToggleWorkbook)
    ON_COMMAND(ID_COLORS_WINDOWS, OnWindowsColors)
    ON_COMMAND(ID_COLORS_TORVANE, OnTorvaneColors)
    ON_UPDATE_COMMAND_UI(ID_COLORS_WINDOWS, OnUpdateWindowsColors)
    ON_UPDATE_COMMAND_UI(ID_COLORS_TORVANE, OnUpdateTorvaneColors)
    ON_COMMAND(ID_TIMER1_COMMAND, OnTimerCommand)
END_MESSAGE_MAP()

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs) { return SECWorkbook::PreCreateWindow(cs); }

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
    if (SECWorkbook::OnCreate(cs) == -1) return -1;
    return CreateFrameBars(*this, toolBar_, statusBar_, IDR_MAINFRAME) ? 0 : -1;
}

void CMainFrame::MaximizeActiveChild() { MaximizeActiveMdiChild(*this); }

void CMainFrame::SetStatusText(LPCSTR text) {
    // Through the frame's message line, so that idle time keeps the text.
    SetMessageText(text);
    statusBar_.UpdateWindow();
}

void CMainFrame::OnTimer(UINT_PTR id) {
    if (id != kTimerCommand1 && id != kTimerBestResults) return;
    KillTimer(id);
    PostMessage(WM_COMMAND, id == kTimerCommand1 ? ID_TIMER1_COMMAND : ID_CREATE_BEST_RESULT_DOCS, 0);
}

LRESULT CMainFrame::OnUpdateActiveDocViews(WPARAM, LPARAM) {
    CMDIChildWnd* child = MDIGetActive();
    if (child == nullptr) return 0;
    CDocument* document = child->GetActiveDocument();
    if (document == nullptr) return 0;
    APP_ASSERT(document->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    document->UpdateAllViews(nullptr, 0, nullptr);
    return 0;
}

void CMainFrame::OnToggleWorkbook() {
    ToggleWorkbookMode();
    if (IsWorkbookMode()) MaximizeActiveChild();
}

void CMainFrame::OnUpdateToggleWorkbook(CCmdUI* cmdUI) { OnUpdateWorkbookMode(cmdUI); }

void CMainFrame::OnWindowsColors() { AppColorsChooseScheme(0); }

void CMainFrame::OnTorvaneColors() { AppColorsChooseScheme(1); }

void CMainFrame::OnUpdateWindowsColors(CCmdUI* cmdUI) { AppColorsUpdateSchemeCommand(cmdUI, 0); }

void CMainFrame::OnUpdateTorvaneColors(CCmdUI* cmdUI) { AppColorsUpdateSchemeCommand(cmdUI, 1); }

void CMainFrame::OnSysColorChange() {
    SECWorkbook::OnSysColorChange();
    if (AppColorsFollowDisplay()) ErrCodeShowWarning(kWarningLowColorDisplay);
}

void CMainFrame::OnTimerCommand() {}

CMainFrame* GetMainFrame() {
    CWnd* main = AfxGetMainWnd();
    APP_ASSERT(main != nullptr && main->IsKindOf(RUNTIME_CLASS(CMainFrame)));
    return static_cast<CMainFrame*>(main);
}

}  // namespace torvane
