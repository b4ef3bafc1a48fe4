// A frame holding an engine document's result views as its panes hold them:
// the graph, the table and the pro-data table in a tabbed window with
// shared scroll bars, and optionally the second graph.
#pragma once

#include "WindowHelpers.h"
#include "toolkit/TabWnd.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/ui/Chart2dView.h"
#include "torvane/ui/ResultsTableView.h"

namespace torvane {

class ResultPanesFrame : public CFrameWnd {
public:
    explicit ResultPanesFrame(bool secondGraph = false) : secondGraph_(secondGraph) {}

    // The frame round `doc`'s views at `x`, shown with the graph tab active.
    BOOL Open(CTorvaneDoc* doc, int x = 0) {
        CCreateContext context;
        context.m_pCurrentDoc = doc;
        if (!Create(nullptr, doc->GetTitle(), WS_OVERLAPPEDWINDOW, CRect(x, 0, x + 720, 560), nullptr, nullptr, 0,
                    &context))
            return FALSE;
        InitialUpdateFrame(doc, TRUE);
        RecalcLayout();
        tabs.ActivateTabAt(0);
        tabs.RecalcLayout();
        testing_harness::PumpPending();
        return TRUE;
    }

    SECTabWnd tabs;
    CChart2dView* graph = nullptr;
    CResultsTableView* table = nullptr;
    CProResultsTableView* proTable = nullptr;
    CChart2dView* secondGraph = nullptr;

protected:
    BOOL OnCreateClient(LPCREATESTRUCT, CCreateContext* context) override {
        if (!tabs.Create(this)) return FALSE;
        graph = static_cast<CChart2dView*>(tabs.AddViewTab(RUNTIME_CLASS(CChart2dView), "Graph", context));
        table = static_cast<CResultsTableView*>(tabs.AddViewTab(RUNTIME_CLASS(CResultsTableView), "Table", context));
        proTable = static_cast<CProResultsTableView*>(
            tabs.AddViewTab(RUNTIME_CLASS(CProResultsTableView), "ProData", context));
        tabs.SetScrollStyle(1, WS_HSCROLL | WS_VSCROLL);
        tabs.SetScrollStyle(2, WS_HSCROLL | WS_VSCROLL);
        if (secondGraph_)
            secondGraph = static_cast<CChart2dView*>(tabs.AddViewTab(RUNTIME_CLASS(CChart2dView), "Graph 2", context));
        return graph && table && proTable && (!secondGraph_ || secondGraph);
    }

private:
    bool secondGraph_;
};

}  // namespace torvane
