// SECToolBarManager: the manager of a frame's customisable toolbars. It
// shares one bitmap manager among them, creates user toolbars (ids 0xE820
// to 0xE8FE, titled "ToolBar<n>"), keeps the default button lists that
// reset the application's own bars, switches tooltips, the cool (flat)
// look and large buttons for all bars, and runs customise mode, in which
// the frame's other child windows are disabled and clicks on the bars
// select buttons. Bars tell the manager when they are created, destroyed,
// shown or hidden, and the manager passes that on to its listeners (open
// customise dialogs) as "WM_BARNOTIFY".
//
//   SECToolBarManager manager(frame);
//   frame->SetControlBarManager(&manager);
//   manager.GetBmpMgr()->AddStrip(MAKEINTRESOURCE(IDB_TOOLS), ids, count);
//   manager.AttachBar(&toolBar);            // the application's own bars
//   manager.RunCustomiseDialog();           // the "Toolbars" dialog
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "ControlBarManager.h"
#include "TextString.h"

class CFrameWnd;
class CRuntimeClass;
class SECBmpMgr;
class SECCustomToolBar;

// WM_BARNOTIFY codes (lParam; wParam is the bar id).
enum : int { SEC_BARNOTIFY_SHOWN = 0, SEC_BARNOTIFY_HIDDEN = 1, SEC_BARNOTIFY_CREATED = 2,
             SEC_BARNOTIFY_DESTROYED = 3, SEC_BARNOTIFY_SELECTION = 4 };

class SECToolBarManager : public SECControlBarManager {
    DECLARE_DYNAMIC(SECToolBarManager)

public:
    static const UINT WM_BARNOTIFY;
    // Titles are cut to this many characters.
    static constexpr int kMaxTitle = 128;

    explicit SECToolBarManager(CFrameWnd* frame);
    ~SECToolBarManager() override;

    CFrameWnd* GetFrame() const { return m_pFrame; }
    SECBmpMgr* GetBmpMgr() const { return m_pBmpMgr; }

    // Puts one of the application's bars under the manager: the shared
    // images, the manager's look and customise mode.
    void AttachBar(SECCustomToolBar* bar);
    // A new user toolbar (the lowest free id), or null when all are taken.
    // It deletes itself when its window is destroyed.
    SECCustomToolBar* CreateUserToolBar(LPCSTR title = nullptr);
    // Where a new toolbar goes: just right of and below `anchor` (a screen
    // point), kept inside the work area of the monitor.
    static CPoint NewToolBarPoint(CPoint anchor, CSize barSize);
    // Floats a new toolbar just below the start of the top dock bar, or,
    // without one, beyond the frame's client area's bottom-right corner;
    // its floating frame is kept on the screen.
    void FloatNewToolBar(SECCustomToolBar* bar);

    void SetDefaultButtons(UINT barId, const UINT* ids, int count);
    BOOL GetDefaultButtons(UINT barId, std::vector<UINT>& ids) const;
    // The bar's default list replaces its buttons; FALSE when it has none.
    BOOL ResetBar(SECCustomToolBar* bar);

    void SetToolTips(BOOL on);
    BOOL GetToolTips() const { return m_bToolTips; }
    void SetFlyBy(BOOL on) { m_bFlyBy = on; }
    void SetCoolLook(BOOL on);
    BOOL GetCoolLook() const { return m_bCoolLook; }
    void SetLargeButtons(BOOL on);
    BOOL GetLargeButtons() const { return m_bLargeButtons; }

    void SetCustomiseMode(BOOL on);
    BOOL IsInCustomizeMode() const override { return m_bCustomiseMode; }
    // The frame's other child windows are disabled while customising.
    void EnterCustomise();
    void LeaveCustomise();
    BOOL IsCustomising() const { return m_bCustomising; }

    void BroadcastInformBtn(UINT id, int kind, DWORD set, DWORD clear);
    void AddListener(HWND window);
    void RemoveListener(HWND window);
    void NotifyBars(UINT barId, int code);

    // The frame's customisable toolbars, by id.
    std::vector<SECCustomToolBar*> GetBars() const;
    static BOOL IsUserBarId(UINT id);

    // Runs the "Toolbars" dialog modally; IDOK or IDCANCEL.
    INT_PTR RunCustomiseDialog();

private:
    void ApplyLook(SECCustomToolBar* bar) const;

    CFrameWnd* m_pFrame;
    SECBmpMgr* m_pBmpMgr;
    std::map<UINT, std::vector<UINT>> m_defaults;
    std::vector<HWND> m_listeners;
    std::vector<HWND> m_disabled;
    BOOL m_bCustomising = FALSE;
    BOOL m_bCustomiseMode = FALSE;
    BOOL m_bToolTips = TRUE;
    BOOL m_bFlyBy = TRUE;
    BOOL m_bCoolLook = FALSE;
    BOOL m_bLargeButtons = FALSE;
};
