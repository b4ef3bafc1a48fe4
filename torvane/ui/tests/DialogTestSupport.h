// Driving the engine program's dialogs as a user does: typing into a field,
// moving the focus, clicking a radio button, reading texts; and screenshots.
#pragma once

#include <windows.h>

#include <string>

class CSimSpec;

namespace torvane {

// Focuses the field and types over its selected text.
void TypeInto(HWND dialog, int id, const std::string& text);
// Moves the focus to a control (the field that had it runs its kill-focus).
void FocusOn(HWND dialog, int id);
std::string TextOf(HWND dialog, int id);
// A click on a radio button: the focus first, then the check and the
// notification (a real click depends on where the pointer is).
void ClickRadio(HWND dialog, int id);
// A fresh program folder under the temp folder, with `componentFolder` in
// it, recorded as the program's folder; returns its path.
std::string UseTestProgramFolder(const std::string& name, const std::string& componentFolder);
// Writes the first half of the file at `from` to `to` (a file cut short).
void WriteCutCopy(const std::string& from, const std::string& to);
// Presses OK with the dialog's change warning ("Important!") answered
// Cancel, expects the dialog still open, then presses OK again with the
// warning answered OK.
void PressOkRefusedThenConfirmed(HWND dialog);
// Answers the next file dialog whose caption holds `caption` with a full path.
void AnswerFileDialog(const char* caption, const std::string& path);
// Shows the window and saves its pixels as a PNG in the build's artifacts
// folder.
void SaveScreenshot(HWND window, const std::string& fileName);
// The field's value with its unit, as the form shows it.
std::string FormattedWithUnits(const CSimSpec& field);

}  // namespace torvane
