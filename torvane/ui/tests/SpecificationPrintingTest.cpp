// The engine's six-page printout on the test set-up's PDF printer, read back
// with the Unix PDF tools, and in print preview: the header of every page,
// the form's controls, the airflow report, both tables and both graphs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "WindowHelpers.h"
#include "common/ui/tests/PrintoutForm.h"
#include "torvane/document/tests/TorvaneDocTestSupport.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/Chart2dView.h"
#include "torvane/ui/ResultsTableView.h"
#include "torvane/ui/SpecificationPrinting.h"
#include "torvane/ui/tests/ResultPanesFrame.h"

using testing_harness::ModalDriver;
using testing_harness::Pixels;
using namespace torvane;

namespace {

class SpecificationPrintingTest : public TorvaneDocTest {
protected:
    void SetUp() override {
        AppColorsSetScheme(1);
        docTemplate_ = new CMultiDocTemplate(0, RUNTIME_CLASS(CTorvaneDoc), nullptr, nullptr);
        app_.AddDocTemplate(docTemplate_);
        TorvaneDocClearLastCreated();
        docTemplate_->OpenDocumentFile(nullptr);
        doc_ = TorvaneDocGetLastCreated();
        ASSERT_NE(nullptr, doc_);
        BuildChevy350(*doc_);
        ASSERT_TRUE(doc_->RunSimulation(false, false));
        title_ = testing_harness::UniqueJobTitle("Engine");
        doc_->SetTitle(title_.c_str());
        // The second graph shows power and torque.
        panes_ = new ResultPanesFrame(true);
        ASSERT_TRUE(panes_->Open(doc_));
        // A form with a panel, labels, a hidden separator line and a button.
        auto* form = new testing_harness::CPrintoutForm(
            {{"BUTTON", "Short Block", WS_VISIBLE | BS_GROUPBOX, 10, 10, 300, 110, 2001},
             {"STATIC", "Bore:", WS_VISIBLE | SS_LEFT, 20, 34, 80, 16, 2002},
             {"STATIC", "4.000 in", WS_VISIBLE | SS_LEFT, 110, 34, 120, 16, 2003},
             {"STATIC", "Stroke:", WS_VISIBLE | SS_LEFT, 20, 54, 80, 16, 2004},
             {"STATIC", "3.480 in", WS_VISIBLE | SS_LEFT, 110, 54, 120, 16, 2005},
             {"STATIC", "", SS_ETCHEDHORZ, 20, 80, 280, 2, 2006},  // hidden, still printed
             {"BUTTON", "Camshaft Button", WS_VISIBLE | BS_PUSHBUTTON, 20, 90, 120, 22, kCamButton}},
            SpecificationPreparePrinting, [](CDC* dc, UINT page, CView* view) {
                PrintSpecificationPage(dc, page, view, CPoint(0, 0), *static_cast<CTorvaneDoc*>(view->GetDocument()));
            });
        ASSERT_TRUE(printout_.Open(doc_, form));
    }
    void TearDown() override {
        printout_.Close();
        if (panes_ && ::IsWindow(panes_->m_hWnd)) panes_->DestroyWindow();
        testing_harness::PumpPending();
    }

    static constexpr UINT kCamButton = 2127;

    CWinApp app_{"SpecificationPrintingTest"};
    CMultiDocTemplate* docTemplate_ = nullptr;
    CTorvaneDoc* doc_ = nullptr;
    std::string title_;
    ResultPanesFrame* panes_ = nullptr;
    testing_harness::PrintoutWindow printout_;
};

TEST_F(SpecificationPrintingTest, SixPagesComeOutOfThePdfPrinterEachWithItsHeader) {
    const std::string outputDir = testing_harness::PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // the abort box, left alone
    printout_.form->OnFilePrint();
    const std::string pdf = testing_harness::WaitForPdf(outputDir, title_, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << title_ << " in " << outputDir;
    const std::vector<std::string> pages = testing_harness::PdfPageTexts(pdf);
    ASSERT_GE(pages.size(), 6u);
    testing_harness::ExpectPageHeaders(pages, title_, "Torvane", 6);
    // The form: its panel, labels and values, not its button.
    for (const char* text : {"Short Block", "Bore:", "4.000 in", "Stroke:", "3.480 in"})
        EXPECT_NE(std::string::npos, pages[0].find(text)) << text;
    EXPECT_EQ(std::string::npos, pages[0].find("Camshaft Button"));
    // Both tables with the document's first row.
    char power[16];
    snprintf(power, sizeof power, "%.0f", double(doc_->GetPowerPoint(0)));
    for (int page : {2, 3}) {
        EXPECT_NE(std::string::npos, pages[page].find("CALCULATED POWER AND ENGINE PRESSURES")) << page + 1;
        EXPECT_NE(std::string::npos, pages[page].find(power)) << page + 1;
    }
    EXPECT_NE(std::string::npos, pages[2].find("Torque"));
    EXPECT_NE(std::string::npos, pages[3].find("Frictional"));
    // Kept beside the test program for a look.
    testing_harness::KeepPdf(pdf, "printout.pdf");
}

TEST_F(SpecificationPrintingTest, PrintPreviewShowsTheFormAndTheFirstGraph) {
    if (testing_harness::PrinterOutputDir().empty()) GTEST_SKIP() << "no printer in this set-up";
    printout_.form->OnFilePrintPreview();
    testing_harness::PreviewPages preview(printout_.frame);
    ASSERT_TRUE(preview.IsOpen());
    const Pixels first = preview.Show("printout-preview-page1");
    EXPECT_GT(preview.CountOnPage(first, [](unsigned c) { return (c & 0xFF) < 0x80; }), 100);
    preview.Next(4);
    EXPECT_EQ(5u, preview.CurrentPage());
    // The first graph's red curve on the white page.
    const Pixels fifth = preview.Show("printout-preview-page5");
    const auto red = [](unsigned c) { return (c >> 16) > 0xC0 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60; };
    EXPECT_GT(preview.CountOnPage(fifth, red), 20);
    preview.Close();
    EXPECT_EQ(printout_.form, printout_.frame->GetActiveView());
}

TEST_F(SpecificationPrintingTest, TheTablePrintsOnItsOwnThroughThePrintDialog) {
    const std::string outputDir = testing_harness::PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    ModalDriver::Instance().Answer("Print", IDOK);
    ModalDriver::Instance().Handle("Printing", [](HWND) {});
    panes_->table->OnFilePrint();
    const std::string pdf = testing_harness::WaitForPdf(outputDir, title_, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << title_ << " in " << outputDir;
    const std::vector<std::string> pages = testing_harness::PdfPageTexts(pdf);
    ASSERT_GE(pages.size(), 1u);
    EXPECT_NE(std::string::npos, pages[0].find("CALCULATED POWER AND ENGINE PRESSURES")) << pages[0];
    char torque[16];
    snprintf(torque, sizeof torque, "%.0f", double(doc_->GetTorquePoint(18)));
    EXPECT_NE(std::string::npos, pages[0].find("11000")) << pages[0];
    EXPECT_NE(std::string::npos, pages[0].find(torque)) << pages[0];
    testing_harness::RemovePdf(pdf);
}

TEST(SpecificationPreparePrintingTest, ThePrintDialogHasSixPagesAndNeitherFileNorSelection) {
    CPrintInfo info;
    SpecificationPreparePrinting(&info);
    EXPECT_EQ(6u, info.GetMaxPage());
    EXPECT_TRUE(info.m_pPD->m_pd.Flags & PD_HIDEPRINTTOFILE);
    EXPECT_TRUE(info.m_pPD->m_pd.Flags & PD_NOSELECTION);
}

}  // namespace
