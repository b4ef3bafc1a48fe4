// The vehicle's five-page printout of a run in the running program, on the
// test set-up's PDF printer and in print preview: every page's header, the
// form's texts without its buttons, the results table and the three graphs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "WindowHelpers.h"
#include "common/ui/tests/PrintoutForm.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/ui/VehiclePrinting.h"
#include "quillet/ui/tests/RunningQuilletTest.h"

namespace quillet {

namespace {

using testing_harness::ModalDriver;
using testing_harness::Pixels;

class VehiclePrintingTest : public RunningQuilletTest {
protected:
    void SetUp() override {
        RunningQuilletTest::SetUp();
        RunStreetCar(1320);
        title_ = testing_harness::UniqueJobTitle("Vehicle");
        doc_->SetTitle(title_.c_str());
        // A form with a panel, a label and its value, and the two buttons
        // that are not printed.
        auto* form = new testing_harness::CPrintoutForm(
            {{"BUTTON", "  VEHICLE ", WS_VISIBLE | BS_GROUPBOX, 10, 10, 300, 90, 1005},
             {"STATIC", "Vehicle Weight:", WS_VISIBLE | SS_LEFT, 20, 34, 100, 16, 2001},
             {"STATIC", "3727.0 lbs", WS_VISIBLE | SS_LEFT, 130, 34, 120, 16, 2002},
             {"BUTTON", "Power Curve Button", WS_VISIBLE | BS_PUSHBUTTON, 20, 60, 130, 22, 1860},
             {"BUTTON", "Traction Button", WS_VISIBLE | BS_PUSHBUTTON, 160, 60, 130, 22, 1861}},
            VehiclePreparePrinting, [](CDC* dc, UINT page, CView* view) {
                PrintVehiclePage(dc, page, view, CPoint(0, 0), *static_cast<CQuilletDoc*>(view->GetDocument()));
            });
        ASSERT_TRUE(printout_.Open(doc_, form));
    }
    void TearDown() override { printout_.Close(); }

    std::string title_;
    testing_harness::PrintoutWindow printout_;
};

TEST_F(VehiclePrintingTest, FivePagesComeOutOfThePdfPrinterEachWithItsHeader) {
    const std::string outputDir = testing_harness::PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // the abort box, left alone
    printout_.form->OnFilePrint();
    const std::string pdf = testing_harness::WaitForPdf(outputDir, title_, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << title_ << " in " << outputDir;
    const std::vector<std::string> pages = testing_harness::PdfPageTexts(pdf);
    ASSERT_EQ(5u, pages.size());
    testing_harness::ExpectPageHeaders(pages, title_, "Quillet", 5);
    // The form without its buttons.
    for (const char* text : {"VEHICLE", "Vehicle Weight:", "3727.0 lbs"})
        EXPECT_NE(std::string::npos, pages[0].find(text)) << text;
    EXPECT_EQ(std::string::npos, pages[0].find("Power Curve Button"));
    EXPECT_EQ(std::string::npos, pages[0].find("Traction Button"));
    // The results table with the run's elapsed time.
    char et[32];
    snprintf(et, sizeof et, "%.3f secs", double(doc_->GetResults().elapsedTime));
    // (The title's hyphen comes back as a soft hyphen.)
    for (const char* text : {"Vehicle Performance", "1/4 Mile", "Track Data", "Engine Power Curve",
                             static_cast<const char*>(et)})
        EXPECT_NE(std::string::npos, pages[1].find(text)) << text;
    // The graphs print as pictures: each page holds curves in colour.
    for (int page = 3; page <= 5; ++page) {
        const Pixels pixels = testing_harness::PdfPagePixels(pdf, page, 40);
        int coloured = 0;
        for (int y = 0; y < pixels.height(); ++y)
            for (int x = 0; x < pixels.width(); ++x) coloured += testing_harness::IsColourful(pixels.At(x, y));
        EXPECT_GT(coloured, 100) << page;
    }
    testing_harness::KeepPdf(pdf, "vehicle-printout.pdf");
}

TEST_F(VehiclePrintingTest, PrintPreviewShowsTheHeaderAndAGraphsCurves) {
    if (testing_harness::PrinterOutputDir().empty()) GTEST_SKIP() << "no printer in this set-up";
    printout_.form->OnFilePrintPreview();
    testing_harness::PreviewPages preview(printout_.frame);
    ASSERT_TRUE(preview.IsOpen());
    const Pixels first = preview.Show("vehicle-preview-page1");
    EXPECT_GT(preview.CountOnPage(first, [](unsigned c) { return (c & 0xFF) < 0x80; }), 100);
    preview.Next(3);
    EXPECT_EQ(4u, preview.CurrentPage());
    // The second graph's curves in colour on the white page.
    const Pixels fourth = preview.Show("vehicle-preview-page4");
    EXPECT_GT(preview.CountOnPage(fourth, testing_harness::IsColourful), 20);
    preview.Close();
    EXPECT_EQ(printout_.form, printout_.frame->GetActiveView());
}

TEST(VehiclePreparePrintingTest, ThePrintDialogHasFivePagesAndNeitherFileNorSelection) {
    CPrintInfo info;
    VehiclePreparePrinting(&info);
    EXPECT_EQ(5u, info.GetMaxPage());
    EXPECT_TRUE(info.m_pPD->m_pd.Flags & PD_HIDEPRINTTOFILE);
    EXPECT_TRUE(info.m_pPD->m_pd.Flags & PD_NOSELECTION);
}

}  // namespace

}  // namespace quillet
