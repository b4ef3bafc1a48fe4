// The engine program's main window: a workbook frame with the toolbar and
// the status bar, the timers that turn a sweep's marked results into new
// documents, the refresh of the active document's views, and the colour
// scheme commands.
#pragma once

#include "framework/Framework.h"
#include "toolkit/SECStatusBar.h"
#include "toolkit/SECToolBar.h"
#include "toolkit/Workbook.h"

namespace torvane {

// Timers of the main frame: each posts its command once and stops.
constexpr UINT_PTR kTimerCommand1 = 1;     // posts 33328 (never armed)
constexpr UINT_PTR kTimerBestResults = 2;  // posts 33329
constexpr UINT kBestResultsTimerMs = 100;

class CMainFrame : public SECWorkbook {
    DECLARE_DYNCREATE(CMainFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    BOOL IsWorkbookMode() const { return SECWorkbook::IsWorkbookMode(); }
    // Maximises the active document window, if there is one.
    void MaximizeActiveChild();
    // Shows `text` in the status bar's message pane at once.
    void SetStatusText(LPCSTR text);

    SECToolBar& GetToolBar() { return toolBar_; }
    SECStatusBar& GetStatusBar() { return statusBar_; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg LRESULT OnUpdateActiveDocViews(WPARAM, LPARAM);
    afx_msg void OnToggleWorkbook();
    afx_msg void OnUpdateToggleWorkbook(CCmdUI* cmdUI);
    afx_msg void OnWindowsColors();
    afx_msg void OnTorvaneColors();
    afx_msg void OnUpdateWindowsColors(CCmdUI* cmdUI);
    afx_msg void OnUpdateTorvaneColors(CCmdUI* cmdUI);
    afx_msg void OnSysColorChange();
    afx_msg void OnTimerCommand();
    DECLARE_MESSAGE_MAP()

private:
    SECToolBar toolBar_;
    SECStatusBar statusBar_;
};

// The program's main frame (asserted to be one).
CMainFrame* GetMainFrame();

}  // namespace torvane
