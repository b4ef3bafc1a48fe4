// SECDialogBar: a dockable control bar whose contents come from a dialog
// template. Its natural size is the template's; all three remembered sizes
// (docked horizontally, vertically and floating) start at it. The child
// controls follow command update: the bar's owner frame enables and checks
// them through its command handlers, as it does toolbar buttons.
//
//   SECDialogBar bar;
//   bar.Create(frame, IDD_SEARCHBAR, CBRS_TOP | WS_VISIBLE, 0, ID_SEARCHBAR);
#pragma once

#include <windows.h>

#include "SECControlBar.h"

class SECDialogBar : public SECControlBar {
    DECLARE_DYNCREATE(SECDialogBar)

public:
    SECDialogBar();

    // Creates the bar from a dialog template (which needs the WS_CHILD
    // style); `style` holds the bar style bits and WS_VISIBLE.
    virtual BOOL Create(CWnd* parent, LPCSTR templateName, UINT style, DWORD exStyle, UINT id);
    BOOL Create(CWnd* parent, UINT templateId, UINT style, DWORD exStyle, UINT id) {
        return Create(parent, MAKEINTRESOURCEA(templateId), style, exStyle, id);
    }

    // The controls of the template that need a control container's sites;
    // this framework has no such container, so the information is only
    // kept (not owned).
    virtual BOOL SetOccDialogInfo(void* info);
    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
    // The record also keeps the template id, to create the bar again.
    void GetBarInfoEx(SECControlBarInfo* info) override;

    // The template's resource id (0 for a template named by a string): what
    // a saved bar state records to create the bar again.
    UINT GetTemplateId() const { return m_nTemplateId; }
    CSize GetNaturalSize() const { return CSize(m_nNaturalWidth, m_nNaturalHeight); }

protected:
    UINT m_nTemplateId = 0;
    void* m_pOccDialogInfo = nullptr;
    LPCSTR m_lpszTemplateName = nullptr;  // only during Create
    int m_nNaturalWidth = 0;
    int m_nNaturalHeight = 0;
};
