#include "quillet/ui/VehiclePrinting.h"

#include <iterator>

#include "common/Assertion.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/services/QuilletProfile.h"
#include "quillet/ui/Chart2dView.h"
#include "quillet/ui/ResultsTableView.h"

namespace quillet {

static const char kAssertModule[] = "VehiclePrinting";

namespace {

// The form's two buttons (power curve, traction calculator) are not printed.
const UINT kUnprintedButtons[] = {1860, 1861};

}  // namespace

void VehiclePreparePrinting(CPrintInfo* info) { PrintoutPreparePrinting(info, kVehiclePageCount); }

void PrintVehiclePage(CDC* dc, UINT page, CWnd* form, POINT scroll, CQuilletDoc& doc,
                      const FormControlText& controlText) {
    PrintPage(dc, form, doc.GetTitle(), QuilletProgramProfile().name, page, kVehiclePageCount, [&] {
        if (page == 1) {
            SetPrintScale(dc, 80, form);
            PrintFormControls(dc, form, scroll, kUnprintedButtons, std::size(kUnprintedButtons), controlText);
        } else if (page == 2) {
            CView* table = doc.GetTableView(2);
            APP_ASSERT(table != nullptr && table->IsKindOf(RUNTIME_CLASS(CResultsTableView)));
            static_cast<CResultsTableView*>(table)->PrintTable(dc);
        } else {
            auto* graph = dynamic_cast<CChart2dView*>(doc.GetChartView(static_cast<int>(page) - 3));
            APP_ASSERT(graph != nullptr);
            graph->PrintChart(dc);
        }
    });
}

}  // namespace quillet
