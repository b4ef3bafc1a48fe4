// The vehicle's printout: five pages with one header each, the
// specification form walked control by control at 80 %, the results table
// and the document's three graphs. The form view calls these from its
// printing entry points.
#pragma once

#include "common/ui/FormPrinting.h"
#include "framework/Framework.h"

namespace quillet {

class CQuilletDoc;

constexpr UINT kVehiclePageCount = 5;

// The print dialog without "print to file" and "selection"; five pages.
void VehiclePreparePrinting(CPrintInfo* info);

// Page `page` (1..5) of `doc`'s printout; `form` is the specification form
// scrolled to `scroll`.
void PrintVehiclePage(CDC* dc, UINT page, CWnd* form, POINT scroll, CQuilletDoc& doc,
                      const FormControlText& controlText = nullptr);

}  // namespace quillet
