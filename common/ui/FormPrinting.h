// The printout of a document in both programs: pages with one header each
// (title, program and version, " Page n of m"), the specification form
// walked control by control and the document's views below it. All pages
// share one mapping from screen pixels to paper, so what is drawn in screen
// pixels prints at its shape; all state changes go through the CDC, so the
// same code draws into print preview.
#pragma once

#include <cstddef>
#include <functional>

#include "framework/Framework.h"

// The print dialog without "print to file" and "selection"; `pageCount`
// pages.
void PrintoutPreparePrinting(CPrintInfo* info, UINT pageCount);

// MM_ANISOTROPIC: `percent` of the printer's inch holds two thirds of an
// inch of `screenWnd`'s pixels. Asserts a printing DC.
void SetPrintScale(CDC* dc, int percent, CWnd* screenWnd);

// The rule half an inch below the paper's top edge, and above it the
// document's title, "<program>  Version <version>" and " Page n of m".
void PrintPageHeader(CDC* dc, const char* title, const char* program, UINT page, UINT pageCount,
                     CWnd* screenWnd);

// The text a control of the form shows (a field control's value); the
// window text when null.
using FormControlText = std::function<CString(CWnd* control)>;

// The text a form's control shows: a field label's own text (kept apart
// from its window text), else the window text.
CString ShownControlText(CWnd* control);

// The form's panels (caption and outline), text statics and etched lines,
// hidden ones too, scrolled by `scroll`; the controls `skipped` are left out.
void PrintFormControls(CDC* dc, CWnd* form, POINT scroll, const UINT* skipped, size_t skippedCount,
                       const FormControlText& controlText);

// One page: from the printable area's corner at 100 % in a 10-point font,
// `body` drawn half an inch in, then the header over it (a graph's picture
// is opaque).
void PrintPage(CDC* dc, CWnd* screenWnd, const char* title, const char* program, UINT page, UINT pageCount,
               const std::function<void()>& body);

// The programs' version in every printout header.
extern const char kPrintoutVersion[];
