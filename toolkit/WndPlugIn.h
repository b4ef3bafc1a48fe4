// A window plug-in: an object that handles messages of a window it does not
// own. It borrows the host's window handle (PlugInTo) and its own message map
// sees the host's messages before the host does; a handler that wants the
// host to skip its own processing sets m_bHandled, and may give the answer
// with SetResult. Commands reach the plug-in's map through OnCmdMsg while it
// is attached.
//
// The host decides where the plug-in sits in its processing: a toolkit frame
// offers each message to its menu plug-in first (HookMessage), and each
// command to its command plug-in before its own routing (RouteCommand).
//
// The plug-in's map has no window entries of its own base: only the handlers
// a derived plug-in lists run, so nothing is reflected or defaulted twice.
// Default processing from a handler (Default, DefWindowProc) reaches the
// host's default processing only with m_bPassToDefault set.
//
// Destroying a plug-in never destroys the borrowed window.
#pragma once

#include <windows.h>

#include "Wnd.h"

class SECWndPlugIn : public CWnd {
    DECLARE_DYNCREATE(SECWndPlugIn)

public:
    SECWndPlugIn() = default;
    ~SECWndPlugIn() override;

    // Made from a class by a host: `style`, `parent`, `id` and `param` are
    // the creation arguments a derived plug-in may use; the base only keeps
    // the id. FALSE refuses the creation.
    virtual BOOL CreatePlugIn(DWORD style, CWnd* parent, UINT id, LPVOID param);

    // The answer of the message being handled.
    virtual void SetResult(LRESULT result);
    // Takes the host's window handle; a null host does nothing (FALSE).
    virtual BOOL PlugInTo(CWnd* host);
    // Gives the handle back.
    virtual void UnPlug();

    BOOL IsAttached() const { return m_bAttached; }
    CWnd* GetHost() const { return m_pHost; }
    UINT GetPlugInId() const { return m_nPlugInId; }

    // The host's call for each message: TRUE when a handler took it
    // (m_bHandled), with *result its answer.
    BOOL HookMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The host's call for each command: TRUE when a handler of the plug-in
    // took it; the handled mark is cleared afterwards.
    BOOL RouteCommand(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    BOOL OnCmdMsg(UINT id, int code, void* extra, CmdHandlerInfo* handlerInfo) override;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Set by a handler: the host skips its own processing of the message.
    BOOL m_bHandled = FALSE;
    // Set by a handler: its default processing reaches the host's.
    BOOL m_bPassToDefault = FALSE;

protected:
    BOOL m_bAttached = FALSE;
    BOOL m_bHasResult = FALSE;
    LRESULT m_result = 0;
    CWnd* m_pHost = nullptr;
    UINT m_nPlugInId = 0;

    DECLARE_MESSAGE_MAP()
};
