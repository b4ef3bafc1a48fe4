#include "torvane/ui/SpecificationPrinting.h"

#include <iterator>

#include "common/Assertion.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/TorvaneProfile.h"
#include "torvane/ui/Chart2dView.h"
#include "torvane/ui/ResultsTableView.h"

namespace torvane {

static const char kAssertModule[] = "SpecificationPrinting.cpp";

namespace {

// The form's buttons, which are not printed.
const UINT kUnprintedButtons[] = {2127, 2128, 2129};

CView* DocView(CTorvaneDoc& doc, DocViewSlot slot) {
    CView* view = doc.GetViewPointer(slot);
    APP_ASSERT(view != nullptr);
    return view;
}

}  // namespace

void SpecificationPreparePrinting(CPrintInfo* info) { PrintoutPreparePrinting(info, kSpecificationPageCount); }

void PrintSpecificationPage(CDC* dc, UINT page, CWnd* form, POINT scroll, CTorvaneDoc& doc,
                            const FormControlText& controlText) {
    APP_ASSERT(dc != nullptr && form != nullptr);
    APP_ASSERT(page >= 1 && page <= kSpecificationPageCount);
    PrintPage(dc, form, doc.GetTitle(), TorvaneProgramProfile().name, page, kSpecificationPageCount, [&] {
        switch (page) {
        case 1:
            SetPrintScale(dc, 75, form);
            PrintFormControls(dc, form, scroll, kUnprintedButtons, std::size(kUnprintedButtons), controlText);
            break;
        case 2: doc.headFlow.PrintReport(dc); break;
        case 3:
        case 4: {
            SetPrintScale(dc, page == 3 ? 100 : 75, form);
            CView* table = DocView(doc, page == 3 ? kResultsTableSlot1 : kResultsTableSlot2);
            APP_ASSERT(table->IsKindOf(RUNTIME_CLASS(CResultsTableView)));
            static_cast<CResultsTableView*>(table)->PrintTable(dc);
            break;
        }
        default: {
            CView* graph = DocView(doc, page == 5 ? kChartViewSlot1 : kChartViewSlot2);
            APP_ASSERT(graph->IsKindOf(RUNTIME_CLASS(CChart2dView)));
            static_cast<CChart2dView*>(graph)->PrintChart(dc);
            break;
        }
        }
    });
}

}  // namespace torvane
