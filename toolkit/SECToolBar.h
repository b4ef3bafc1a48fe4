// SECToolBar: the docking toolbar, a control bar whose window is the
// system's toolbar control ("ToolbarWindow32"). It loads its buttons from a
// toolbar resource and its images from a bitmap mapped to the system
// colours, lays the buttons out in rows for each docking state (remembering
// each state's size), enables and checks them through command update, and
// names the button under the mouse for tooltips and fly-by prompts.
//
// Inside the bar the enabled bit of a button's state (TBSTATE_ENABLED) is
// kept inverted, so that a cleared bit means enabled: the packed style word
// of GetButtonStyle has the style byte in bits 0-7 and the state byte in
// bits 16-23 (0x10000 checked, 0x20000 pressed, 0x40000 disabled,
// 0x100000 indeterminate).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "CmdUI.h"
#include "SECControlBar.h"
#include "ToolBarLayout.h"

// Packed button style bits.
#define TBBS_CHECKBOX 0x0002
#define TBBS_CHECKED 0x10000
#define TBBS_PRESSED 0x20000
#define TBBS_DISABLED 0x40000
#define TBBS_INDETERMINATE 0x100000

class SECToolBar : public SECControlBar {
    DECLARE_DYNAMIC(SECToolBar)

public:
    SECToolBar();
    ~SECToolBar() override;

    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* parent, DWORD ctrlStyle, DWORD style, const CRect& borders, UINT id);
    // The bar made by name, as a saved layout makes it again: the same style
    // rules, the ex-style kept (without CBRS_EX_OWNBORDERS once any of the
    // gripper-and-border bits is asked for: the control draws its own look),
    // the window shown and named, the sizes to be measured again. The
    // button and image sizes stay the control's until SetSizes.
    BOOL CreateEx(CWnd* parent, LPCSTR windowName, DWORD style, DWORD exStyle, UINT id, CCreateContext* context);
    BOOL Create(CWnd* parent, LPCSTR windowName, DWORD style, DWORD exStyle, UINT id,
                CCreateContext* context = nullptr) override {
        return CreateEx(parent, windowName, style, exStyle, id, context);
    }

    void SetSizes(SIZE button, SIZE image);
    // Buttons from the toolbar resource (type 241) and images from the
    // bitmap of the same name.
    BOOL LoadToolBar(LPCSTR name);
    BOOL LoadToolBar(UINT id) { return LoadToolBar(MAKEINTRESOURCEA(id)); }
    BOOL LoadBitmap(LPCSTR name);
    // Hands the image strip to the control; the bar owns it on success.
    BOOL SetBitmap(HBITMAP bitmap);
    HBITMAP GetBitmap() const { return m_hbmImageWell; }
    // A button per non-zero id (images counted over buttons), a separator
    // per 0; null ids give `count` blank buttons.
    BOOL SetButtons(const UINT* ids, int count);

    int GetButtonCount() const;
    // The button record with the enabled bit inverted.
    void GetButtonInfo(int index, TBBUTTON& button) const;
    void SetButtonInfo(int index, const TBBUTTON& button);
    UINT GetItemID(int index) const;
    UINT GetButtonStyle(int index) const;
    void SetButtonStyle(int index, UINT style);
    int CommandToIndex(UINT id) const;
    virtual void GetItemRect(int index, LPRECT rect);

    SIZE GetButtonSize() const { return m_sizeButton; }
    SIZE GetImageSize() const { return m_sizeImage; }
    BOOL IsLayoutDelayed() const { return m_bDelayedLayout; }

    CSize CalcDynamicLayout(int length, DWORD mode) override;
    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* info) const override;
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    void OnBarStyleChange(DWORD oldStyle, DWORD newStyle) override;

    // The system's common-control version (major << 16 | minor), once per process.
    static DWORD GetComCtlVersion();
    // The width of a drop-down arrow, once per process.
    static int GetDropDownWidth();
    static const DWORD version471 = 0x40047;

    afx_msg LRESULT OnNcCreate(WPARAM, LPARAM);
    afx_msg LRESULT OnNcHitTestClient(WPARAM, LPARAM);
    afx_msg LRESULT OnNcCalcSizeToolBar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnWindowPosChangingToolBar(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnPaintButtons(WPARAM, LPARAM);
    afx_msg LRESULT OnSetButtonSize(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnSetBitmapSize(WPARAM, LPARAM lParam);
    afx_msg LRESULT OnZeroBorderDefault(WPARAM, LPARAM);
    afx_msg LRESULT OnSysColorChangeStrip(WPARAM, LPARAM);

protected:
    // Lays the buttons out for a mode (see CalcDynamicLayout) and, with
    // LM_COMMIT, writes the wrapping back and remembers the size.
    CSize CalcLayout(DWORD mode, int length);
    ToolBarMetrics Metrics() const;
    std::vector<TBBUTTON> ReadButtons() const;
    // Default processing with the flat and transparent styles on, so the
    // control keeps no border of its own around the buttons.
    LRESULT DefaultWithZeroBorder();
    // The bar style of `style`, the common controls registered and the
    // process-wide caches filled: what both creation forms start with.
    void PrepareCreate(DWORD style, UINT id);
    static DWORD ControlWindowStyle(DWORD style) {
        return (style & 0xFFBF0000) | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    }

    // The strip's resource, for reloading it in the new system colours.
    HINSTANCE m_hInstImage = nullptr;
    HRSRC m_hRsrcImage = nullptr;
    HBITMAP m_hbmImageWell = nullptr;
    BOOL m_bDelayedLayout = TRUE;
    BOOL m_bFloatSizeStale = TRUE;
    BOOL m_bHorzSizeStale = TRUE;
    BOOL m_bVertSizeStale = TRUE;
    SIZE m_sizeImage = {16, 15};
    SIZE m_sizeButton = {23, 22};

    DECLARE_MESSAGE_MAP()
};

// The command update of one toolbar button.
class SECToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL on = TRUE) override;
    void SetCheck(int check = 1) override;
    void SetText(LPCSTR) override {}
};
