// CFormView: a view made from a dialog template, the controls of a form.
//
// The template (a child-style dialog) is made as the view's window; its
// size becomes the view's scroll size. Inside the form the dialog keys work
// (Tab order, arrows, Enter, mnemonics), after the frames' accelerators had
// their turn. The view remembers which of its controls had the focus when it
// stopped being the active view and gives the focus back there. At idle its
// controls are updated through the command routing (the view, then its
// document): an ON_UPDATE_COMMAND_UI handler for a control's id enables,
// checks or names it. WM_CTLCOLOR messages reach the form's map as in a
// dialog.
#pragma once

#include <windows.h>

#include "ScrollView.h"

class CFormView : public CScrollView {
    DECLARE_DYNAMIC(CFormView)

public:
    // Makes the template's window as the child `id` of `parent` at `rect`
    // (the class and window name are not used).
    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;

    void OnDraw(CDC*) override {}
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    BOOL PreTranslateMessage(MSG* msg) override;

    LPCSTR m_lpszTemplateName;

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM);

protected:
    explicit CFormView(UINT templateId);
    explicit CFormView(LPCSTR templateName);

    // The control that had the focus when the view was last deactivated.
    HWND m_hWndFocus = nullptr;

    DECLARE_MESSAGE_MAP()
};
