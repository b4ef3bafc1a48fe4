// The vehicle's five-page printout of a run in the running program, on the
// test set-up's PDF printer and in print preview: every page's header, the
// form's texts without its buttons, the results table and the three graphs.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "WindowHelpers.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/ui/VehiclePrinting.h"
#include "quillet/ui/tests/RunningQuilletTest.h"

namespace quillet {

namespace {

using testing_harness::ModalDriver;
using testing_harness::Pixels;

// Neither white, black nor grey.
bool Colourful(unsigned c) {
    const int r = c >> 16, g = (c >> 8) & 0xFF, b = c & 0xFF;
    return std::max({r, g, b}) - std::min({r, g, b}) > 0x60;
}

// A form with a panel, a label and its value, and the two buttons that are
// not printed; it prints the vehicle's pages.
class CPrintoutView : public CView {
protected:
    int OnCreate(LPCREATESTRUCT cs) {
        if (CView::OnCreate(cs) == -1) return -1;
        auto child = [this](const char* cls, const char* text, DWORD style, int x, int y, int w, int h, UINT id) {
            ::CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, m_hWnd,
                              HMENU(UINT_PTR(id)), nullptr, nullptr);
        };
        child("BUTTON", "  VEHICLE ", BS_GROUPBOX, 10, 10, 300, 90, 1005);
        child("STATIC", "Vehicle Weight:", SS_LEFT, 20, 34, 100, 16, 2001);
        child("STATIC", "3727.0 lbs", SS_LEFT, 130, 34, 120, 16, 2002);
        child("BUTTON", "Power Curve Button", BS_PUSHBUTTON, 20, 60, 130, 22, 1860);
        child("BUTTON", "Traction Button", BS_PUSHBUTTON, 160, 60, 130, 22, 1861);
        return 0;
    }
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* info) override {
        VehiclePreparePrinting(info);
        info->m_bDirect = TRUE;
        return DoPreparePrinting(info);
    }
    void OnPrint(CDC* dc, CPrintInfo* info) override {
        PrintVehiclePage(dc, info->m_nCurPage, this, CPoint(0, 0), *static_cast<CQuilletDoc*>(GetDocument()));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPrintoutView, CView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class VehiclePrintingTest : public RunningQuilletTest {
protected:
    void SetUp() override {
        RunningQuilletTest::SetUp();
        RunStreetCar(1320);
        // A job name of letters and digits, which the PDF's text keeps as it is.
        title_ = "Vehicle" + std::to_string(::GetCurrentProcessId()) + "x" + std::to_string(::GetTickCount());
        doc_->SetTitle(title_.c_str());

        CCreateContext context;
        context.m_pCurrentDoc = doc_;
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
        testing_harness::PumpPending();
    }

    std::string title_;
    CFrameWnd* printFrame_ = nullptr;
    CPrintoutView* form_ = nullptr;
};

TEST_F(VehiclePrintingTest, FivePagesComeOutOfThePdfPrinterEachWithItsHeader) {
    const std::string outputDir = testing_harness::PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // the abort box, left alone
    form_->OnFilePrint();
    const std::string pdf = testing_harness::WaitForPdf(outputDir, title_, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << title_ << " in " << outputDir;
    const std::vector<std::string> pages = testing_harness::PdfPageTexts(pdf);
    ASSERT_EQ(5u, pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string& page = pages[i];
        EXPECT_NE(std::string::npos, page.find(title_)) << i + 1;
        // (The PDF's text runs spaces together.)
        EXPECT_NE(std::string::npos, page.find("Quillet Version 4.05")) << i + 1 << page;
        EXPECT_NE(std::string::npos, page.find("Page " + std::to_string(i + 1) + " of 5")) << i + 1;
    }
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
            for (int x = 0; x < pixels.width(); ++x) coloured += Colourful(pixels.At(x, y));
        EXPECT_GT(coloured, 100) << page;
    }
    testing_harness::KeepPdf(pdf, "vehicle-printout.pdf");
}

TEST_F(VehiclePrintingTest, PrintPreviewShowsTheHeaderAndAGraphsCurves) {
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
    const auto count = [&](const Pixels& pixels, bool (*match)(unsigned)) {
        const CRect page = preview->GetPageRect(0);
        int n = 0;
        for (int y = page.top; y < page.bottom && y < pixels.height(); ++y)
            for (int x = page.left; x < page.right && x < pixels.width(); ++x) n += match(pixels.At(x, y));
        return n;
    };
    const Pixels first = show("vehicle-preview-page1");
    EXPECT_GT(count(first, [](unsigned c) { return (c & 0xFF) < 0x80; }), 100);
    for (int next = 0; next < 3; ++next) {
        ::SendMessageA(::GetDlgItem(preview->m_hWnd, AFX_ID_PREVIEW_NEXT), BM_CLICK, 0, 0);
        testing_harness::PumpPending();
    }
    EXPECT_EQ(4u, preview->GetCurrentPage());
    // The second graph's curves in colour on the white page.
    const Pixels fourth = show("vehicle-preview-page4");
    EXPECT_GT(count(fourth, Colourful), 20);
    ::SendMessageA(::GetDlgItem(preview->m_hWnd, AFX_ID_PREVIEW_CLOSE), BM_CLICK, 0, 0);
    testing_harness::PumpPending();
    EXPECT_EQ(form_, printFrame_->GetActiveView());
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
