// What the specification-field controls ask of the window that holds them
// (the program's specification form) and of the program: the colour table,
// the hover sound, and per form the confirmation of a change, the status
// line, the choice menus and the registration of the one open editor.
#pragma once

#include <windows.h>

class CMenu;
class CSimSpec;
class CWnd;

// The window that holds specification-field controls implements this.
class CFieldHost {
public:
    virtual ~CFieldHost() = default;
    // Asked before a typed value is stored: false refuses the change.
    virtual bool ConfirmSpecChange(CSimSpec& field) = 0;
    // Stores a typed text that parses: 0 stored, 2 refused. By default the
    // change is confirmed, then the field parses and stores the text.
    virtual int StoreTypedText(CSimSpec& field, const char* text);
    // Shows `text` in the status bar's message pane at once.
    virtual void ShowStatusText(const char* text) = 0;
    // A new pop-up menu of the choices for a menu id (the editor owns it);
    // null when the host has none for that id.
    virtual HMENU MakeChoiceMenu(UINT menuId) = 0;
    // An editor's choice menu is about to show: check and enable its items.
    virtual void PrepareChoiceMenu(CMenu* menu) = 0;
    // The field editor opened or closed (one at a time in the process).
    virtual void EditorOpened(CWnd* editor) = 0;
    virtual void EditorClosed(CWnd* editor) = 0;
};

// The host of a control: its parent window, when that is one (else null).
CFieldHost* FieldHostOf(const CWnd* control);

// The program's colour table: the COLORREF of a slot.
using FieldColorLookup = COLORREF (*)(int slot);
void SetFieldColorLookup(FieldColorLookup lookup);
COLORREF FieldColor(int slot);

// The program's hover sound (a WAVE resource); 0 for none.
void SetFieldHoverSound(UINT waveResourceId);
UINT GetFieldHoverSound();
