// The result views inside the engine program as a user meets them: after a
// run the graph and table tabs of the document's panes show its results,
// and the Print command prints the six pages whatever tab is active.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "WindowHelpers.h"
#include "toolkit/TabWnd.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/ui/Chart2dView.h"
#include "torvane/ui/ResultsTableView.h"

namespace torvane {
namespace {

using testing_harness::ModalDriver;

class ProgramResultsTest : public ::testing::Test {
protected:
    void SetUp() override { ForgetProgramSettings(); }
    // The active child frame's engine document.
    static CTorvaneDoc* ActiveDocument(RunningApp& app) {
        auto* child = static_cast<CMDIChildWnd*>(CWnd::FromHandle(app.ActiveChild()));
        CDocument* doc = child ? child->GetActiveDocument() : nullptr;
        return doc && doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)) ? static_cast<CTorvaneDoc*>(doc) : nullptr;
    }
    static void ShowTab(CView* view) {
        auto* tabs = static_cast<SECTabWnd*>(view->GetParent());
        ASSERT_TRUE(tabs->IsKindOf(RUNTIME_CLASS(SECTabWnd)));
        tabs->ActivateTabWnd(view);
        testing_harness::PumpPending();
    }
};

TEST_F(ProgramResultsTest, AfterARunTheGraphAndTableTabsShowTheResultsAndPrintGivesSixPages) {
    RunningApp app;
    ASSERT_TRUE(app.Started());
    CTorvaneDoc* doc = ActiveDocument(app);
    ASSERT_NE(nullptr, doc);
    BuildChevy350(*doc);
    ASSERT_TRUE(doc->RunSimulation(false, false));
    doc->UpdateAllViews(nullptr);
    testing_harness::PumpPending();

    // Both graphs and both tables of the two panes are the document's.
    auto* graph = static_cast<CChart2dView*>(doc->GetViewPointer(kChartViewSlot1));
    auto* secondGraph = static_cast<CChart2dView*>(doc->GetViewPointer(kChartViewSlot2));
    auto* table = static_cast<CResultsTableView*>(doc->GetViewPointer(kResultsTableSlot1));
    auto* proTable = static_cast<CResultsTableView*>(doc->GetViewPointer(kResultsTableSlot2));
    ASSERT_TRUE(graph && secondGraph && table && proTable);
    EXPECT_TRUE(graph->IsKindOf(RUNTIME_CLASS(CChart2dView)));
    EXPECT_TRUE(proTable->IsKindOf(RUNTIME_CLASS(CProResultsTableView)));
    ASSERT_NE(nullptr, graph->GetYData());
    EXPECT_EQ(kResultPointCount, ZelDataGetNPoints(graph->GetYData(), 0));
    double top = zel2d::GetValue(secondGraph->GetChart().m_chart, zel2d::Y_MAX);
    EXPECT_EQ(1000.0, top);  // the second graph: power on "Mid-Range"

    // The left pane's graph beside the right pane's; then its two tables.
    ShowTab(graph);
    app.SaveScreenshot("program-graphs.png");
    EXPECT_TRUE(graph->IsWindowVisible());
    EXPECT_TRUE(secondGraph->IsWindowVisible());
    ShowTab(table);
    app.SaveScreenshot("program-table.png");
    EXPECT_TRUE(table->IsWindowVisible());
    EXPECT_FALSE(graph->IsWindowVisible());
    ShowTab(proTable);
    app.SaveScreenshot("program-prodata.png");
    EXPECT_TRUE(proTable->IsWindowVisible());
    ShowTab(graph);

    // Print from the menu with the graph tab active: the form prints the pages.
    const std::string outputDir = testing_harness::PrinterOutputDir();
    if (outputDir.empty()) return;
    const std::string title = "Program" + std::to_string(::GetCurrentProcessId()) + "x" +
                              std::to_string(::GetTickCount());
    doc->SetTitle(title.c_str());
    ModalDriver::Instance().Answer("Print", IDOK);
    ModalDriver::Instance().Handle("Printing", [](HWND) {});
    app.Command(ID_FILE_PRINT);
    const std::string pdf = testing_harness::WaitForPdf(outputDir, title, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << title;
    const std::vector<std::string> pages = testing_harness::PdfPageTexts(pdf);
    ASSERT_GE(pages.size(), 6u);
    for (size_t i = 0; i < 6; ++i)
        EXPECT_NE(std::string::npos, pages[i].find("Page " + std::to_string(i + 1) + " of 6")) << pages[i];
    // The form's labels and its fields' values.
    CString bore;
    doc->bore.FormatValue(bore);
    for (const std::string& text : {std::string("Short Block:"), std::string("Bore:"), std::string(bore)})
        EXPECT_NE(std::string::npos, pages[0].find(text)) << text << "\n" << pages[0];
    EXPECT_NE(std::string::npos, pages[2].find("CALCULATED POWER AND ENGINE PRESSURES"));
    testing_harness::KeepPdf(pdf, "program-printout.pdf");
}

}  // namespace
}  // namespace torvane
