// Driving the engine program's dialogs as a user does: typing into a field,
// moving the focus, clicking a radio button, reading texts; and screenshots.
#pragma once

#include <windows.h>

#include <string>

#include "WindowHelpers.h"

class CSimSpec;

namespace torvane {

using testing_harness::ClickRadio;
using testing_harness::FocusOn;
using testing_harness::TextOf;
using testing_harness::TypeInto;

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
