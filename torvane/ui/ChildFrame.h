// A document's window: a worksheet of the main workbook split into two
// columns, each a tabbed window whose tabs are the document's views.
#pragma once

#include "framework/Framework.h"
#include "toolkit/Workbook.h"
#include "common/ui/SplitPanes.h"
#include "torvane/ui/PaneTabs.h"

namespace torvane {

class CTorvaneDoc;

// Width of the left pane when the window is made.
constexpr int kLeftPaneWidth = 450;

class CChildFrame : public SECWorksheet {
    DECLARE_DYNCREATE(CChildFrame)
public:
    ~CChildFrame() override;

    CSplitterPaneTabWnd* GetLeftTabs() const { return leftTabs_; }
    CSplitterPaneTabWnd* GetRightTabs() const { return rightTabs_; }
    CTorvaneSplitterWnd& GetSplitter() { return splitter_; }

protected:
    BOOL OnCreateClient(LPCREATESTRUCT cs, CCreateContext* context) override;
    afx_msg void OnMDIActivate(BOOL activate, CWnd* activated, CWnd* deactivated);
    // The calculators work on the frame's document whichever view is active.
    afx_msg void OnCompressionMath();
    afx_msg void OnAirflowMath();
    DECLARE_MESSAGE_MAP()

private:
    // The frame's document (null while no view is active).
    CTorvaneDoc* GetTorvaneDocument();
    // Adds the pane's tabs with their views of the context's document.
    static void AddTabs(Pane pane, CSplitterPaneTabWnd* tabs, CCreateContext* context);
    CSplitterPaneTabWnd* CreatePane(int column, int width, Pane pane, CCreateContext* context);

    CTorvaneSplitterWnd splitter_;
    CSplitterPaneTabWnd* leftTabs_ = nullptr;
    CSplitterPaneTabWnd* rightTabs_ = nullptr;
};

}  // namespace torvane
