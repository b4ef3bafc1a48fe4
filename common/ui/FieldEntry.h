// The way every value-entry dialog treats its edit fields: the whole text is
// selected and the field's prompt shown on focus; on leaving, the trimmed text
// is parsed and rewritten, or refused with a beep and the focus back on the
// field (posted, so it comes after the focus change); OK and Apply commit only
// when the last entry was accepted.
#pragma once

#include <vector>

#include "framework/Framework.h"

class CSimSpec;
class CFloatPtSpec;

// Posted to the dialog when an entry was refused (wParam: the control id).
constexpr UINT kMsgFieldRejected = WM_USER + 108;

class CFieldEntry {
public:
    enum Outcome { kLeftEmpty, kAccepted, kRejected };

    // `dialog` owns the controls; `helpId` is its help line (0: none).
    CFieldEntry(CWnd* dialog, int helpId) : dialog_(dialog), helpId_(helpId) {}

    // An edit control bound to a field, parsed with the field's own parse and,
    // with `rewrite`, rewritten when accepted.
    void Bind(int id, CSimSpec* field, bool rewrite = true);
    // Parsed rounded to `decimals`; `rewrite` shows the stored value after.
    void BindRounded(int id, CFloatPtSpec* field, int decimals, bool rewrite = true);
    // Bound to another field (a working copy that was replaced).
    void Rebind(int id, CSimSpec* field);
    bool IsBound(int id) const { return Find(id) != nullptr; }

    // Writes every bound field's text into its control.
    void ShowAll() const;
    void Show(int id) const;

    // EN_SETFOCUS: select the text and show the prompt.
    void OnSetFocus(int id) const;
    // EN_KILLFOCUS: the entry as the conventions treat it.
    Outcome OnKillFocus(int id);

    // OK, Apply or Calculate: sets the commit flag and moves the focus to the
    // button, which runs a pending kill-focus; true when nothing was refused.
    bool BeginCommit(int buttonId);

    bool IsEntryAccepted() const { return entryAccepted_; }
    // An entry changed a value (or set a field that was not set).
    bool IsModified() const { return modified_; }
    void SetModified(bool modified) { modified_ = modified; }

    // The shared handler of kMsgFieldRejected: beep and focus the control.
    static LRESULT OnFieldRejected(CWnd* dialog, WPARAM id);

private:
    struct Binding {
        int id;
        CSimSpec* field;
        CFloatPtSpec* rounded;  // set when parsed with ParseAndSetRounded
        int decimals;
        bool rewrite;
    };
    const Binding* Find(int id) const;
    Binding* Find(int id);

    CWnd* dialog_;
    int helpId_;
    std::vector<Binding> bindings_;
    bool entryAccepted_ = true;
    bool commit_ = false;
    bool modified_ = false;
};
