// Small helpers shared by both programs: rounding, curve areas, file names,
// paths, and the line input and output of the text files (whose failures
// throw the installed program's write and read codes as ErrCodeException).
#pragma once

#include <cstdio>

#include "framework/TextString.h"

class CWnd;
class CSimSpec;
class CFloatPtSpec;

// ---- Dialog controls. `window` is a dialog or form; `id` a control in it
// (a missing window or control is an assertion).

// Asserts that each id is the one before plus 1; returns the last id.
int UtilAssertConsecutiveIds(const int* ids, int count);
// Selects the whole text of an edit control and scrolls the caret into view.
void UtilSelectAllText(CWnd* window, int id);
// A rejected entry: the default beep, and the focus back to the control.
void UtilBeepAndFocus(CWnd* window, int id);
// The control's text trimmed on both sides; true when it is not empty.
bool UtilGetItemTextTrimmed(CWnd* window, int id, CString& out);
// The field's value (with its unit), or an empty control when it is not valid.
void UtilSetItemSpecText(CWnd* window, int id, const CSimSpec& field);
void UtilSetItemSpecTextWithUnits(CWnd* window, int id, const CSimSpec& field);
void UtilSetItemUnitText(CWnd* window, int id, const CFloatPtSpec& field);
void UtilSetItemText(CWnd* window, int id, const char* text);
void UtilSetItemTextString(CWnd* window, int id, const CString& text);
void UtilSetItemPrompt(CWnd* window, int id, const CSimSpec& field);

// ---- Numbers, names and files.

// Rounds half away from zero, in single precision. A value too large to have
// digits at that many decimals comes back as it is.
float UtilRoundToDecimals(float value, int decimals);

// Trapezoid area under a curve sampled at increasing x, from the sample point
// xFrom to xTo (within the samples). A left value of 0 or below adds only the
// segment's slope triangle.
float UtilCurveArea(const float* x, const float* y, int count, float xFrom, float xTo);

// `name` up to its first '.', cut to 8 characters, plus `extension` (".gme").
// False, and `out` empty, when nothing of the name is left to use.
bool UtilMakeShortFileName(const char* name, CString& out, const char* extension);

// folder + "\" + name, with no second backslash when the folder ends with one.
void UtilJoinPath(const char* folder, const char* name, CString& out);

void UtilGetWindowsDir(CString& out);

// Replaces each of \ / : * ? < > | in a (non-empty) name by '_'.
void UtilSanitizeFileName(CString& name);

// The title of a sweep's kept result `slot` (0..9) opened as a document:
// "Best<slot + 1>-" and the source document's title up to its first '.'.
CString UtilBestResultTitle(int slot, const CString& sourceTitle);

// Prints to the file; no output throws the write code.
void UtilWriteFormat(FILE* file, const char* format, ...);

// Writes one text as one line ("***" when empty). Line breaks inside the text
// travel as control characters, so the text never shifts the lines after it.
void UtilWriteLine(FILE* file, const char* text);

// The longest line the text files hold, without its line end: far beyond
// any field's line.
const int kMaxTextLineLength = 4096;

// Reads one line, trims white space on the right and undoes UtilWriteLine
// ("***" reads as empty). End of file, and a line longer than
// kMaxTextLineLength, throw the read code.
CString UtilReadLine(FILE* file);

// A line holding one integer ("%d"); a line that does not scan throws the
// read code.
int UtilReadInt(FILE* file);
void UtilWriteInt(FILE* file, int value);
