// The workbook look of an MDI frame: in workbook mode the frame leaves
// margins around the MDI client, draws a bevelled border and one tab per
// visible sheet (child frame) under the client; a click on a tab activates
// its sheet, and a shortened label shows its full text as a tooltip.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "CommonControls.h"
#include "GdiObjects.h"
#include "MDIFrame.h"
#include "TextString.h"
#include "WorkbookGeometry.h"

// The client tells its frame that the active sheet may have changed; the
// refresh message asks the client for that notice.
#define WM_WORKBOOK_SHEETCHANGED 0x084D
#define WM_WORKBOOK_REFRESHCLIENT 0x084E

class SECWorksheet;

// The MDI client, subclassed: it keeps the frame's margins and reports
// every activation to its frame.
class SECWorkbookClient : public CWnd {
    DECLARE_DYNCREATE(SECWorkbookClient)

public:
    void SetMargins(int left, int right, int top, int bottom);
    void GetMargins(int& left, int& right, int& top, int& bottom) const;
    void CalcWindowRect(LPRECT clientRect, UINT adjustType = adjustBorder) override;

protected:
    afx_msg LRESULT OnActivation(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int m_left = 0, m_right = 0, m_top = 0, m_bottom = 0;
};

class SECWorkbook : public SECMDIFrameWnd {
    DECLARE_DYNCREATE(SECWorkbook)

public:
    // Bars floated in the MDI client become sheets (SECControlBarWorksheet).
    SECWorkbook();
    ~SECWorkbook() override;

    void SetWorkbookMode(BOOL on);
    void ToggleWorkbookMode() { SetWorkbookMode(!m_workbookMode); }
    BOOL IsWorkbookMode() const { return m_workbookMode; }
    void OnUpdateWorkbookMode(CCmdUI* cmdUI);
    // The mode last set by any workbook of the process.
    static BOOL workbookModeInProcess;

    virtual void GetWorkbookRect(CRect& rect);
    virtual BOOL AllowSheetActivation(SECWorksheet* /*sheet*/) { return TRUE; }
    virtual void AddSheet(SECWorksheet* sheet);
    virtual int RemoveSheet(SECWorksheet* sheet);
    virtual BOOL IsTabLabelComplete(SECWorksheet* sheet);
    virtual std::array<POINT, 7> GetTabPolygon(SECWorksheet* sheet);
    virtual CString GetSheetLabel(SECWorksheet* sheet);
    virtual void DrawTab(CDC* dc, SECWorksheet* sheet);
    virtual void DrawWorkbookBorder(CDC* dc);
    virtual void DrawTabLabel(CDC* dc, SECWorksheet* sheet);
    virtual HICON GetSheetIcon(SECWorksheet* sheet);
    virtual BOOL SetSheetIcon(SECWorksheet* sheet, HICON icon, BOOL redraw);

    BOOL CreateClient(LPCREATESTRUCT cs, CMenu* windowMenu) override;
    void RecalcLayout(BOOL notify = TRUE) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const override;

    int GetSheetCount() const { return static_cast<int>(m_sheets.size()); }
    SECWorksheet* GetSheet(int index) const { return m_sheets[index]; }
    int GetTabWidth() const { return m_tabWidth; }
    SECWorkbookClient* GetWorkbookClient() const { return m_client; }
    void SetShowIcons(BOOL show) { m_showIcons = show; }
    // The MDI client's window rectangle in this frame's client coordinates.
    CRect GetClientAreaRect() const;
    // Invalidates a sheet's tab, or from it to the end of the tab row.
    void InvalidateTab(SECWorksheet* sheet, BOOL toEnd = FALSE);
    void InvalidateTabRow();

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnSheetChanged(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int PositionOf(const SECWorksheet* sheet) const;  // index less the hidden sheets before it
    bool IsRaised(SECWorksheet* sheet) const;
    int RecomputeTabWidth();
    CRgn* MakeTabRegion(SECWorksheet* sheet, CRgn& region);

    std::vector<SECWorksheet*> m_sheets;
    BOOL m_workbookMode = FALSE;
    BOOL m_showIcons = TRUE;
    HFONT m_tabFont = nullptr;
    SECWorkbookClient* m_client = nullptr;
    CPen m_highlightPen, m_blackPen, m_shadowPen, m_facePen;
    int m_tabWidth = 100;
    CRect m_lastWorkbookRect;
    int m_lastActive = 0;
    CToolTipCtrl* m_toolTip = nullptr;
};

// A sheet: a child frame of a workbook with its own small icon.
class SECWorksheet : public SECMDIChildWnd {
    DECLARE_DYNCREATE(SECWorksheet)

public:
    BOOL LoadFrame(UINT resourceId, DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* parent = nullptr, CCreateContext* context = nullptr) override;
    void OnUpdateFrameTitle(BOOL addToTitle) override;

    HICON m_icon = nullptr;
    int m_index = 0;
    BOOL m_pressed = FALSE;

protected:
    SECWorkbook* GetWorkbook() const;
    afx_msg void OnShowWindow(BOOL show, UINT status);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
