// The drag-race program's main window: a workbook frame with the toolbar
// and the status bar, the colour-scheme commands, the warning when the
// display goes to low colour, and the refresh of the active document's
// views when a document goes away, and the time-slip window.
#pragma once

#include "framework/Framework.h"
#include "toolkit/SECStatusBar.h"
#include "toolkit/SECToolBar.h"
#include "toolkit/Workbook.h"

namespace quillet {

class CMainFrame : public SECWorkbook {
    DECLARE_DYNCREATE(CMainFrame)
public:
    BOOL IsWorkbookMode() const { return SECWorkbook::IsWorkbookMode(); }
    // Maximises the active document window, if there is one.
    void MaximizeActiveChild();

    SECToolBar& GetToolBar() { return toolBar_; }
    SECStatusBar& GetStatusBar() { return statusBar_; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg LRESULT OnDocumentDestroyed(WPARAM, LPARAM);
    afx_msg LRESULT OnTimeSlipRefresh(WPARAM, LPARAM);
    afx_msg void OnToggleWorkbook();
    // Opens the time slip unless it is open.
    afx_msg void OnToolsTimeSlip();
    afx_msg void OnUpdateToggleWorkbook(CCmdUI* cmdUI);
    afx_msg void OnWindowsColors();
    afx_msg void OnQuilletColors();
    afx_msg void OnUpdateWindowsColors(CCmdUI* cmdUI);
    afx_msg void OnUpdateQuilletColors(CCmdUI* cmdUI);
    afx_msg void OnSysColorChange();
    // The best-results timer: the application opens the next marked result.
    afx_msg void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()

private:
    SECToolBar toolBar_;
    SECStatusBar statusBar_;
};

// The program's main frame (asserted to be one).
CMainFrame* GetMainFrame();

}  // namespace quillet
