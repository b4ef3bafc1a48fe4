#include "torvane/ui/ChildFrame.h"

#include "common/Assertion.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/ui/AirFlowMathDlg.h"
#include "torvane/ui/CompRatioDlg.h"

namespace torvane {

namespace {
const char kAssertModule[] = "ChildFrm";
// Scroll-bar style of the tabs that scroll.
const DWORD kTabScrollStyle = WS_HSCROLL | WS_VSCROLL;
}  // namespace

IMPLEMENT_DYNCREATE(CChildFrame, SECWorksheet)

BEGIN_MESSAGE_MAP(CChildFrame, SECWorksheet)
    ON_WM_MDIACTIVATE()
    ON_COMMAND(ID_COMPRESSION_MATH, OnCompressionMath)
    ON_COMMAND(ID_AIRFLOW_MATH, OnAirflowMath)
END_MESSAGE_MAP()

CChildFrame::~CChildFrame() {
    // Both pane objects are made with the window; a window that failed to
    // be made may have none.
    delete leftTabs_;
    delete rightTabs_;
}

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (!splitter_.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST)) return FALSE;
    leftTabs_ = CreatePane(0, kLeftPaneWidth, Pane::Left, context);
    if (leftTabs_ == nullptr) return FALSE;
    rightTabs_ = CreatePane(1, 0, Pane::Right, context);
    return rightTabs_ != nullptr;
}

CSplitterPaneTabWnd* CChildFrame::CreatePane(int column, int width, Pane pane, CCreateContext* context) {
    if (!splitter_.CreateView(0, column, RUNTIME_CLASS(CSplitterPaneTabWnd), CSize(width, 0), context))
        return nullptr;
    CWnd* made = splitter_.GetPane(0, column);
    APP_ASSERT(made != nullptr && made->IsKindOf(RUNTIME_CLASS(CSplitterPaneTabWnd)));
    auto* tabs = static_cast<CSplitterPaneTabWnd*>(made);
    AddTabs(pane, tabs, context);
    tabs->ActivateTabAt(0);
    tabs->ScrollToTab(0);
    return tabs;
}

void CChildFrame::AddTabs(Pane pane, CSplitterPaneTabWnd* tabs, CCreateContext* context) {
    APP_ASSERT(tabs != nullptr && context != nullptr);
    APP_ASSERT(tabs->IsKindOf(RUNTIME_CLASS(CSplitterPaneTabWnd)));
    int count = 0;
    const PaneTab* table = GetPaneTabs(pane, count);
    for (int i = 0; i < count; ++i) {
        CWnd* view = tabs->AddViewTab(table[i].viewClass, table[i].label, context);
        APP_ASSERT(view != nullptr);
        if (table[i].scrollBars) tabs->SetScrollStyle(i, kTabScrollStyle);
    }
}

CTorvaneDoc* CChildFrame::GetTorvaneDocument() {
    CDocument* document = GetActiveDocument();
    if (document == nullptr) return nullptr;
    APP_ASSERT(document->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    return static_cast<CTorvaneDoc*>(document);
}

void CChildFrame::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
    SECWorksheet::OnMDIActivate(activate, activated, deactivated);
    if (!activate) return;
    if (CTorvaneDoc* document = GetTorvaneDocument()) document->UpdateAllViews(nullptr, 0, nullptr);
}

void CChildFrame::OnCompressionMath() {
    if (CTorvaneDoc* document = GetTorvaneDocument()) OpenCompressionCalculator(document, this);
}

void CChildFrame::OnAirflowMath() {
    if (CTorvaneDoc* document = GetTorvaneDocument()) OpenAirflowCalculator(document, this);
}

}  // namespace torvane
