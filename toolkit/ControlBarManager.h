// What a toolkit frame asks of the object that manages its control bars
// (the toolbar manager, with its customise mode). A frame has none until a
// program sets one; it does not own it.
#pragma once

#include <windows.h>

#include "CmdTarget.h"

class SECControlBarManager : public CCmdTarget {
    DECLARE_DYNAMIC(SECControlBarManager)

public:
    // While the user customises the bars the frame stays inert: its close
    // box is refused and it lays out its bars while a dialog is up.
    virtual BOOL IsInCustomizeMode() const { return FALSE; }
};
