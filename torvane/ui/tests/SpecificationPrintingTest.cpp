// The engine's six-page printout on the test set-up's PDF printer, read back
// with the Unix PDF tools, and in print preview: the header of every page,
// the form's controls, the airflow report, both tables and both graphs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "WindowHelpers.h"
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

// A form with a panel, labels, a hidden separator line and a button, that
// prints the engine's pages.
class CPrintoutView : public CView {
public:
    static constexpr UINT kCamButton = 2127;

protected:
    int OnCreate(LPCREATESTRUCT cs) {
        if (CView::OnCreate(cs) == -1) return -1;
        auto child = [this](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, UINT id) {
            ::CreateWindowExA(0, cls, text, WS_CHILD | style, x, y, w, h, m_hWnd, HMENU(UINT_PTR(id)), nullptr,
                              nullptr);
        };
        child("BUTTON", "Short Block", WS_VISIBLE | BS_GROUPBOX, 10, 10, 300, 110, 2001);
        child("STATIC", "Bore:", WS_VISIBLE | SS_LEFT, 20, 34, 80, 16, 2002);
        child("STATIC", "4.000 in", WS_VISIBLE | SS_LEFT, 110, 34, 120, 16, 2003);
        child("STATIC", "Stroke:", WS_VISIBLE | SS_LEFT, 20, 54, 80, 16, 2004);
        child("STATIC", "3.480 in", WS_VISIBLE | SS_LEFT, 110, 54, 120, 16, 2005);
        child("STATIC", "", SS_ETCHEDHORZ, 20, 80, 280, 2, 2006);  // hidden, still printed
        child("BUTTON", "Camshaft Button", WS_VISIBLE | BS_PUSHBUTTON, 20, 90, 120, 22, kCamButton);
        return 0;
    }
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* info) override {
        SpecificationPreparePrinting(info);
        info->m_bDirect = TRUE;
        return DoPreparePrinting(info);
    }
    void OnPrint(CDC* dc, CPrintInfo* info) override {
        PrintSpecificationPage(dc, info->m_nCurPage, this, CPoint(0, 0), *static_cast<CTorvaneDoc*>(GetDocument()));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPrintoutView, CView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

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
        // A job name of letters and digits, which the PDF's text keeps as it is.
        title_ = "Engine" + std::to_string(::GetCurrentProcessId()) + "x" + std::to_string(::GetTickCount());
        doc_->SetTitle(title_.c_str());
        // The second graph shows power and torque.
        panes_ = new ResultPanesFrame(true);
        ASSERT_TRUE(panes_->Open(doc_));
        CCreateContext context;
        context.m_pCurrentDoc = doc_;
        // The printout's frame, its pane the form.
        printFrame_ = new CFrameWnd;
        ASSERT_TRUE(printFrame_->Create(nullptr, "Printout", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 840, 640)));
        form_ = new CPrintoutView;
        ASSERT_TRUE(form_->Create(nullptr, "Form", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), printFrame_,
                                  AFX_IDW_PANE_FIRST, &context));
        printFrame_->SetActiveView(form_);
        printFrame_->RecalcLayout();
        testing_harness::PumpPending();
    }
    void TearDown() override {
        if (printFrame_ && ::IsWindow(printFrame_->m_hWnd)) printFrame_->DestroyWindow();
        if (panes_ && ::IsWindow(panes_->m_hWnd)) panes_->DestroyWindow();
        testing_harness::PumpPending();
    }

    CWinApp app_{"SpecificationPrintingTest"};
    CMultiDocTemplate* docTemplate_ = nullptr;
    CTorvaneDoc* doc_ = nullptr;
    std::string title_;
    ResultPanesFrame* panes_ = nullptr;
    CFrameWnd* printFrame_ = nullptr;
    CPrintoutView* form_ = nullptr;
};

TEST_F(SpecificationPrintingTest, SixPagesComeOutOfThePdfPrinterEachWithItsHeader) {
    const std::string outputDir = testing_harness::PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // the abort box, left alone
    form_->OnFilePrint();
    const std::string pdf = testing_harness::WaitForPdf(outputDir, title_, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << title_ << " in " << outputDir;
    const std::vector<std::string> pages = testing_harness::PdfPageTexts(pdf);
    ASSERT_GE(pages.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        const std::string& page = pages[i];
        EXPECT_NE(std::string::npos, page.find(title_)) << i + 1;
        // (The PDF's text runs spaces together.)
        EXPECT_NE(std::string::npos, page.find("Torvane Version 4.05")) << i + 1 << page;
        EXPECT_NE(std::string::npos, page.find("Page " + std::to_string(i + 1) + " of 6")) << i + 1;
    }
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
    form_->OnFilePrintPreview();
    CView* active = printFrame_->GetActiveView();
    ASSERT_TRUE(active && active->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    auto* preview = static_cast<CPreviewView*>(active);
    auto show = [&](const char* picture) {
        preview->Invalidate(FALSE);
        preview->UpdateWindow();
        Pixels pixels = Pixels::FromWindow(preview->m_hWnd);
        pixels.SavePng(testing_harness::TestOutputPath(std::string(picture) + ".png"));
        return pixels;
    };
    const Pixels first = show("printout-preview-page1");
    CRect page = preview->GetPageRect(0);
    int dark = 0;
    for (int y = page.top; y < page.bottom && y < first.height(); ++y)
        for (int x = page.left; x < page.right && x < first.width(); ++x) dark += (first.At(x, y) & 0xFF) < 0x80;
    EXPECT_GT(dark, 100);
    for (int next = 0; next < 4; ++next) {
        ::SendMessageA(::GetDlgItem(preview->m_hWnd, AFX_ID_PREVIEW_NEXT), BM_CLICK, 0, 0);
        testing_harness::PumpPending();
    }
    EXPECT_EQ(5u, preview->GetCurrentPage());
    const Pixels fifth = show("printout-preview-page5");
    // The first graph's red curve on the white page.
    page = preview->GetPageRect(0);
    int red = 0;
    for (int y = page.top; y < page.bottom && y < fifth.height(); ++y)
        for (int x = page.left; x < page.right && x < fifth.width(); ++x) {
            const unsigned c = fifth.At(x, y);
            red += (c >> 16) > 0xC0 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60;
        }
    EXPECT_GT(red, 20);
    ::SendMessageA(::GetDlgItem(preview->m_hWnd, AFX_ID_PREVIEW_CLOSE), BM_CLICK, 0, 0);
    testing_harness::PumpPending();
    EXPECT_EQ(form_, printFrame_->GetActiveView());
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
