#include "quillet/ui/MainFrame.h"

#include "common/Assertion.h"
#include "common/ui/ProgramStart.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/services/ErrCode.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/ProgramDocHost.h"
#include "quillet/ui/TimeSlipWnd.h"

namespace quillet {

namespace {

const char kAssertModule[] = "MainFrm";

// The warning that the display went to a low colour mode.
const unsigned short kWarningLowColorDisplay = 105;

}  // namespace

IMPLEMENT_DYNCREATE(CMainFrame, SECWorkbook)

BEGIN_MESSAGE_MAP(CMainFrame, SECWorkbook)
    ON_WM_CREATE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_TIMER()
    ON_MESSAGE(kMsgDocumentDestroyed, OnDocumentDestroyed)
    ON_MESSAGE(kMsgRepaintTimeSlip, OnTimeSlipRefresh)
    ON_COMMAND(ID_VIEW_WORKBOOK, OnToggleWorkbook)
    ON_COMMAND(ID_TOOLS_TIME_SLIP, OnToolsTimeSlip)
    ON_UPDATE_COMMAND_UI(ID_VIEW_WORKBOOK, OnUpdateToggleWorkbook)
    ON_COMMAND(ID_COLORS_WINDOWS, OnWindowsColors)
    ON_COMMAND(ID_COLORS_QUILLET, OnQuilletColors)
    ON_UPDATE_COMMAND_UI(ID_COLORS_WINDOWS, OnUpdateWindowsColors)
    ON_UPDATE_COMMAND_UI(ID_COLORS_QUILLET, OnUpdateQuilletColors)
END_MESSAGE_MAP()

int CMainFrame::OnCreate(LPCREATESTRUCT cs) {
    if (SECWorkbook::OnCreate(cs) == -1) return -1;
    return CreateFrameBars(*this, toolBar_, statusBar_, IDR_MAINFRAME) ? 0 : -1;
}

void CMainFrame::MaximizeActiveChild() { MaximizeActiveMdiChild(*this); }

LRESULT CMainFrame::OnDocumentDestroyed(WPARAM, LPARAM) {
    CMDIChildWnd* child = MDIGetActive();
    if (child == nullptr) return 0;
    CDocument* document = child->GetActiveDocument();
    if (document == nullptr) return 0;
    APP_ASSERT(document->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    static_cast<CQuilletDoc*>(document)->RefreshAllViews();
    return 0;
}

LRESULT CMainFrame::OnTimeSlipRefresh(WPARAM, LPARAM) {
    TimeSlipWndInvalidate();
    return 0;
}

void CMainFrame::OnToolsTimeSlip() {
    if (TimeSlipWndGetInstance() != nullptr) return;
    // The window owns itself once made.
    auto* slip = new CTimeSlipWnd(this);
    APP_ASSERT(slip->m_hWnd != nullptr);
}

void CMainFrame::OnToggleWorkbook() {
    ToggleWorkbookMode();
    if (IsWorkbookMode()) MaximizeActiveChild();
}

void CMainFrame::OnUpdateToggleWorkbook(CCmdUI* cmdUI) { OnUpdateWorkbookMode(cmdUI); }

void CMainFrame::OnWindowsColors() { AppColorsChooseScheme(0); }

void CMainFrame::OnQuilletColors() { AppColorsChooseScheme(1); }

void CMainFrame::OnUpdateWindowsColors(CCmdUI* cmdUI) { AppColorsUpdateSchemeCommand(cmdUI, 0); }

void CMainFrame::OnUpdateQuilletColors(CCmdUI* cmdUI) { AppColorsUpdateSchemeCommand(cmdUI, 1); }

void CMainFrame::OnSysColorChange() {
    SECWorkbook::OnSysColorChange();
    if (AppColorsFollowDisplay()) ErrCodeShowWarning(kWarningLowColorDisplay);
}

CMainFrame* GetMainFrame() {
    CWnd* main = AfxGetMainWnd();
    APP_ASSERT(main != nullptr && main->IsKindOf(RUNTIME_CLASS(CMainFrame)));
    return static_cast<CMainFrame*>(main);
}

void CMainFrame::OnTimer(UINT_PTR id) {
    if (id != kTimerBestResults) {
        SECWorkbook::OnTimer(id);
        return;
    }
    KillTimer(id);
    PostMessage(WM_COMMAND, ID_CREATE_BEST_RESULT_DOCS, 0);
}

}  // namespace quillet
