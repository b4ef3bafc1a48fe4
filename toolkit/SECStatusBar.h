// SECStatusBar: the status bar along the bottom of a main frame, a control
// bar over the system's status-bar control with a pane table of its own.
// Each pane has a command id, a width, a style and a text; the first pane
// with id 0 is the message pane and carries the bar's window text, so the
// frame's prompts show there. Panes are updated by command id at idle time.
#pragma once

#include <windows.h>

#include <vector>

#include "CmdUI.h"
#include "SECControlBar.h"

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x00000100
#define SBPS_POPOUT 0x00000200
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class SECStatusBar : public SECControlBar {
    DECLARE_DYNAMIC(SECStatusBar)

public:
    SECStatusBar();

    // Pixels of pane border the layout adds to each pane's width.
    static const int paneBorder = 6;

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, UINT id);

    // One pane per id: its text is the id's string (two spaces when there
    // is none) and its width that text's; id 0 gives a quarter-screen pane,
    // the first of which stretches. FALSE when a text can't be stored.
    BOOL SetIndicators(const UINT* ids, int count);
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    int GetPaneCount() const { return static_cast<int>(m_panes.size()); }
    UINT GetPaneStyle(int index) const;
    void SetPaneStyle(int index, UINT style);
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    CString GetPaneText(int index) const;
    // Stores the text; with `update` sends it to the control now, else marks
    // it to be sent at the next painting. Unchanged text sends nothing.
    BOOL SetPaneText(int index, LPCSTR text, BOOL update = TRUE);
    // Places the panes (right edges, stretch panes sharing the free width)
    // and/or sends the texts marked changed.
    void UpdateAllPanes(BOOL updateRects, BOOL updateText);
    void SetMinHeight(int height) { SendMessage(SB_SETMINHEIGHT, height); }

    CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
    void CalcInsideRect(CRect& rect, BOOL horz) const override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    void OnBarStyleChange(DWORD oldStyle, DWORD newStyle) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    // Draws an owner-drawn pane; the bar has none of its own.
    virtual void DrawItem(LPDRAWITEMSTRUCT) {}

    // The right edges the panes get: pane widths plus `paneBorder`, stretch
    // panes sharing what is left of `insideWidth`, starting at `leftBorder`
    // with `spacing` between panes.
    static std::vector<int> PaneEdges(const std::vector<int>& widths, const std::vector<bool>& stretch,
                                      int insideWidth, int leftBorder, int spacing);

    afx_msg LRESULT OnNcHitTestGrip(WPARAM, LPARAM);
    afx_msg LRESULT OnNcCalcSizeStatus(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnPaintPanes(WPARAM, LPARAM);
    afx_msg LRESULT OnSizePanes(WPARAM, LPARAM);
    afx_msg LRESULT OnSetText(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetTextLength(WPARAM, LPARAM);
    afx_msg LRESULT OnSetMinHeight(WPARAM, LPARAM);

protected:
    struct Pane {
        UINT id = 0;
        int width = 0;
        UINT style = 0;
        BOOL changed = FALSE;
        CString text;
    };
    // The control's horizontal and vertical borders and spacing.
    void GetControlBorders(int& horizontal, int& vertical, int& spacing) const;
    int MessagePaneIndex() const;

    std::vector<Pane> m_panes;
    int m_nMinHeight = 0;

    DECLARE_MESSAGE_MAP()
};

// The command update of one status pane.
class SECStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override;
    void SetCheck(int check = 1) override;
    void SetText(LPCSTR text) override;
};
