// Where the game exports write: the system's save dialog, then the chosen
// name in the 8.3 form the games read, in the chosen folder. A shortened
// name never replaces a file the user did not choose and confirm.
#pragma once

#include "framework/Framework.h"

namespace torvane {

struct ExportFileKind {
    const char* defaultExtension;  // "gme"
    const char* extension;         // ".gme", appended to the 8.3 base
    const char* filter;            // "... (*.gme)|*.gme|All Files (*.*)|*.*||"
    const char* title;
};

// The path an export of the chosen file writes: the chosen folder plus the
// chosen name shortened to 8.3 form with the kind's extension. 0, or the
// error refusing it: 43 for a name with nothing to shorten (".gme"), 78 when
// the shortened name is another file than the chosen one and exists already
// (the dialog's overwrite prompt asked only about the chosen one).
unsigned short ExportTargetPath(const char* chosenPath, const char* chosenName,
                                const char* extension, CString& target);

// Runs the save dialog, offering the document title shortened to 8.3 form,
// and gives the path to write. False when the user cancelled or the chosen
// name was refused (its error shown).
bool ExportChooseTarget(const ExportFileKind& kind, const char* documentTitle, CString& target);

}  // namespace torvane
