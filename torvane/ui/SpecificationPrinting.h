// The engine's printout: six pages with one header each, the specification
// form walked control by control, the cylinder-head airflow report, the two
// results tables and the two graphs (common/ui/FormPrinting.h lays out the
// pages). The form view calls these from its printing entry points.
#pragma once

#include "common/ui/FormPrinting.h"
#include "framework/Framework.h"

namespace torvane {

class CTorvaneDoc;

constexpr UINT kSpecificationPageCount = 6;

// The print dialog without "print to file" and "selection"; six pages.
void SpecificationPreparePrinting(CPrintInfo* info);

// Page `page` (1..6) of `doc`'s printout; `form` is the specification form
// scrolled to `scroll`.
void PrintSpecificationPage(CDC* dc, UINT page, CWnd* form, POINT scroll, CTorvaneDoc& doc,
                            const FormControlText& controlText = nullptr);

}  // namespace torvane
