// The engine's printout: six pages with one header each, the specification
// form walked control by control, the cylinder-head airflow report, the two
// results tables and the two graphs. All pages share one mapping from screen
// pixels to paper, so a form drawn in screen pixels prints at its shape.
// The form view calls these from its printing entry points.
#pragma once

#include <functional>

#include "framework/Framework.h"

namespace torvane {

class CTorvaneDoc;

constexpr UINT kSpecificationPageCount = 6;

// The print dialog without "print to file" and "selection"; six pages.
void SpecificationPreparePrinting(CPrintInfo* info);

// MM_ANISOTROPIC: `percent` of the printer's inch holds two thirds of an
// inch of `screenWnd`'s pixels. Asserts a printing DC.
void SetPrintScale(CDC* dc, int percent, CWnd* screenWnd);

// The rule half an inch below the paper's top edge, and above it the
// document's title, the program and version, and " Page n of m".
void PrintPageHeader(CDC* dc, const char* title, UINT page, UINT pageCount, CWnd* screenWnd);

// The text a control of the form shows (a field control's value); the
// window text when null.
using FormControlText = std::function<CString(CWnd* control)>;

// Page `page` (1..6) of `doc`'s printout; `form` is the specification form
// scrolled to `scroll`.
void PrintSpecificationPage(CDC* dc, UINT page, CWnd* form, POINT scroll, CTorvaneDoc& doc,
                            const FormControlText& controlText = nullptr);

}  // namespace torvane
