// A reacting label bound to one specification field: it shows the field's
// text, rewrites it only when stale, and opens the field editor on Enter, a
// click while focused, or a double click.
#pragma once

#include "common/ui/PopUpStatic.h"

class CSimSpec;
class CSimSpecEditDlg;

// Posted to a control to open its editor (wParam: the control's window).
constexpr UINT kMsgOpenFieldEditor = WM_USER + 101;
// Posted to the control's parent when the editor closed (wParam: the
// control's window; lParam: 1 after OK, else 0).
constexpr UINT kMsgFieldEditDone = WM_USER + 102;

// How a field is edited.
enum FieldEditKind {
    kFieldTyped = 0,    // the value is typed in the editor
    kFieldChosen = 1,   // the value is picked from the choice menu
    kFieldDerived = 2,  // a derived value: read-only, no menu
};

// What CommitText did with a typed text.
enum CommitResult { kCommitStored = 0, kCommitParseError = 1, kCommitRefused = 2 };

class CSimSpecEditCtrl : public CPopUpStatic {
    DECLARE_DYNAMIC(CSimSpecEditCtrl)
public:
    // Binds the field (asserted) with its edit kind and choice menu; returns
    // whether the field holds multi-line text.
    bool AttachSpec(CSimSpec* field, int editKind, UINT menuId);
    void SetEditKind(int kind) { editKind_ = kind; }
    int GetEditKind() const { return editKind_; }
    UINT GetMenuId() const { return menuId_; }
    CSimSpec* GetSpec() const { return field_; }
    void GetSpecText(CString& text) const;
    // The field's text with units differs from the shown text (both trimmed).
    bool IsTextStale() const;
    void SetTextFromSpec(bool withUnits);
    // Rewrites the text only when it is stale.
    void UpdateFromSpec(bool withUnits);
    // Parses and stores a typed text after the host agreed to the change.
    CommitResult CommitText(LPCSTR text);
    bool IsEditorOpen() const { return editorOpen_; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    afx_msg void OnSetFocus(CWnd* oldWnd);
    afx_msg void OnKillFocus(CWnd* newWnd);
    afx_msg void OnKeyDown(UINT key, UINT repeat, UINT flags);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
    afx_msg LRESULT OnOpenEditor(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void PostOpenEditor();
    void ShowStatus(const char* text) const;

    int editKind_ = kFieldTyped;
    CSimSpec* field_ = nullptr;
    UINT menuId_ = 0;
    bool editorOpen_ = false;
    CSimSpecEditDlg* editor_ = nullptr;
};
