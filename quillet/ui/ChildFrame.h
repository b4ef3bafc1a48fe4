// A vehicle document's window: a worksheet of the main workbook split into
// two columns, each a tabbed window whose tabs are the document's views.
// The right pane's first tab is itself split into two graphs, one above
// the other.
#pragma once

#include "common/ui/SplitPanes.h"
#include "framework/Framework.h"
#include "toolkit/Workbook.h"

namespace quillet {

// Width of the left pane when the window is made.
constexpr int kLeftPaneWidth = 450;

class CChildFrame : public SECWorksheet {
    DECLARE_DYNCREATE(CChildFrame)
public:
    ~CChildFrame() override;

    // Height of the upper graph for a screen `screenHeight` pixels high.
    static int UpperGraphHeight(int screenHeight);

    CSplitterPaneTabWnd* GetLeftTabs() const { return leftTabs_; }
    CSplitterPaneTabWnd* GetRightTabs() const { return rightTabs_; }
    CSplitterWnd& GetGraphSplitter() { return graphSplitter_; }

    // Tool commands whose windows this program does not have yet: greyed,
    // and never passed on to the document, whose handlers would open them.
    static bool IsWithheldTool(UINT id);
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    afx_msg void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    DECLARE_MESSAGE_MAP()

private:
    CSplitterPaneTabWnd* CreatePane(int column, int width, CCreateContext* context);
    bool AddLeftTabs(CCreateContext* context);
    bool AddRightTabs(CCreateContext* context);

    CTorvaneSplitterWnd splitter_;
    // Declared after the outer splitter, so destroyed before it.
    CSplitterWnd graphSplitter_;
    CSplitterPaneTabWnd* leftTabs_ = nullptr;
    CSplitterPaneTabWnd* rightTabs_ = nullptr;
};

}  // namespace quillet
