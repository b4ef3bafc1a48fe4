#include "quillet/ui/ChildFrame.h"

#include <algorithm>
#include <iterator>

#include "common/Assertion.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/ui/Chart2dView.h"
#include "quillet/ui/QuilletSpecsFormView.h"
#include "quillet/ui/ResultsTableView.h"

namespace quillet {

namespace {

const char kAssertModule[] = "ChildFrm";

// Scroll-bar style of the tabs that scroll.
const DWORD kTabScrollStyle = WS_HSCROLL | WS_VSCROLL;
const UINT kGraphSplitterId = 0xE900;
const int kMinimumUpperGraphHeight = 180;

struct PaneTab {
    const char* label;
    CRuntimeClass* viewClass;
    bool scrollBars;  // the tab shows the pane's scroll bars
};

// The left pane's tabs; the right pane has the two graphs' splitter, then
// the two tables.
const PaneTab kLeftTabs[] = {
    {"Quillet Specs", RUNTIME_CLASS(CQuilletSpecsFormView), true},
    {"Graph", RUNTIME_CLASS(CChart2dView), false},
    {"Table", RUNTIME_CLASS(CResultsTableView), true},
    {"ProData", RUNTIME_CLASS(CProResultsTableView), true},
};
CRuntimeClass* const kGraphClass = RUNTIME_CLASS(CChart2dView);
const PaneTab kRightTables[] = {
    {"Table", RUNTIME_CLASS(CResultsTableView), true},
    {"ProData", RUNTIME_CLASS(CProResultsTableView), true},
};

// Adds `tabs` to `pane` after its first `offset` tabs.
bool AddViewTabs(CSplitterPaneTabWnd* pane, const PaneTab* tabs, int count, int offset, CCreateContext* context) {
    for (int i = 0; i < count; ++i) {
        if (pane->AddViewTab(tabs[i].viewClass, tabs[i].label, context) == nullptr) return false;
        if (tabs[i].scrollBars) pane->SetScrollStyle(offset + i, kTabScrollStyle);
    }
    return true;
}

}  // namespace

IMPLEMENT_DYNCREATE(CChildFrame, SECWorksheet)

BEGIN_MESSAGE_MAP(CChildFrame, SECWorksheet)
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

bool CChildFrame::IsWithheldTool(UINT id) {
    static const UINT kWithheld[] = {kCmdIterator};
    return std::find(std::begin(kWithheld), std::end(kWithheld), id) != std::end(kWithheld);
}

BOOL CChildFrame::OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) {
    if (IsWithheldTool(id)) {
        if (code == CN_UPDATE_COMMAND_UI) {
            if (extra != nullptr) static_cast<CCmdUI*>(extra)->Enable(FALSE);
            return TRUE;
        }
        // Sent, the command is dropped; asked about, it has no handler.
        if (code == CN_COMMAND) return handlerInfo == nullptr;
    }
    return SECWorksheet::OnCmdMsg(id, code, extra, handlerInfo);
}

CChildFrame::~CChildFrame() {
    // Both pane objects are made with the window; a window that failed to
    // be made may have none.
    delete leftTabs_;
    delete rightTabs_;
}

int CChildFrame::UpperGraphHeight(int screenHeight) {
    return std::max(screenHeight * 38 / 100, kMinimumUpperGraphHeight);
}

BOOL CChildFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (!splitter_.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST)) return FALSE;
    leftTabs_ = CreatePane(0, kLeftPaneWidth, context);
    if (leftTabs_ == nullptr || !AddLeftTabs(context)) return FALSE;
    rightTabs_ = CreatePane(1, 0, context);
    return rightTabs_ != nullptr && AddRightTabs(context);
}

CSplitterPaneTabWnd* CChildFrame::CreatePane(int column, int width, CCreateContext* context) {
    if (!splitter_.CreateView(0, column, RUNTIME_CLASS(CSplitterPaneTabWnd), CSize(width, 0), context))
        return nullptr;
    CWnd* made = splitter_.GetPane(0, column);
    APP_ASSERT(made != nullptr && made->IsKindOf(RUNTIME_CLASS(CSplitterPaneTabWnd)));
    return static_cast<CSplitterPaneTabWnd*>(made);
}

bool CChildFrame::AddLeftTabs(CCreateContext* context) {
    if (!AddViewTabs(leftTabs_, kLeftTabs, static_cast<int>(std::size(kLeftTabs)), 0, context)) return false;
    leftTabs_->ActivateTabAt(0);
    leftTabs_->ScrollToTab(0);
    return true;
}

bool CChildFrame::AddRightTabs(CCreateContext* context) {
    if (!graphSplitter_.CreateStatic(rightTabs_, 2, 1, WS_CHILD | WS_VISIBLE, kGraphSplitterId)) return false;
    const int upper = UpperGraphHeight(::GetSystemMetrics(SM_CYSCREEN));
    if (!graphSplitter_.CreateView(0, 0, kGraphClass, CSize(0, upper), context) ||
        !graphSplitter_.CreateView(1, 0, kGraphClass, CSize(0, 0), context))
        return false;
    rightTabs_->AddTab(&graphSplitter_, "Graph");
    if (!AddViewTabs(rightTabs_, kRightTables, static_cast<int>(std::size(kRightTables)), 1, context)) return false;
    rightTabs_->ActivateTabAt(0);
    rightTabs_->ScrollToTab(0);
    return true;
}

void CChildFrame::OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated) {
    SECWorksheet::OnMDIActivate(activate, activated, deactivated);
    if (!activate) return;
    CDocument* document = GetActiveDocument();
    if (document != nullptr) {
        APP_ASSERT(document->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
        static_cast<CQuilletDoc*>(document)->RefreshAllViews();
    }
    CWnd* main = AfxGetMainWnd();
    if (main != nullptr) main->PostMessage(kMsgRepaintTimeSlip, 0, 0);
}

}  // namespace quillet
