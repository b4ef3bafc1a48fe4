// Printing through the system's real print path onto the test set-up's
// PDF printer: the pages a view prints come back out of the PDF file, read
// with the Unix PDF tools. Without a printer the job stops with a message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "FrameWnd.h"
#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "PrintPreview.h"
#include "Printing.h"
#include "View.h"
#include "WinThread.h"
#include "WindowHelpers.h"

using testing_harness::ModalDriver;
using testing_harness::Pixels;
using namespace testing_harness;

namespace {

// A view whose document has `pages` pages, each saying which it is.
class CPagesView : public CView {
public:
    UINT pages = 3;
    BOOL direct = TRUE;
    LPCSTR device = nullptr;  // a printer to use instead of the default
    std::vector<UINT> printed;
    std::vector<BOOL> previewed;  // m_bPreview of each OnPrint call
    int began = 0;
    int ended = 0;

    BOOL CreateIn(CWnd* parent, LPCSTR jobName) {
        return Create(nullptr, jobName, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), parent, 1);
    }

    static std::string PageText(UINT page, UINT count) {
        return "Page " + std::to_string(page) + " of " + std::to_string(count) + " of the test job";
    }

protected:
    BOOL OnPreparePrinting(CPrintInfo* info) override {
        info->SetMaxPage(pages);
        info->m_bDirect = direct;
        if (device) info->m_pPD->m_pd.hDevNames = DevNamesFor(device);
        return DoPreparePrinting(info);
    }
    void OnBeginPrinting(CDC*, CPrintInfo*) override { ++began; }
    void OnEndPrinting(CDC*, CPrintInfo*) override { ++ended; }
    void OnPrint(CDC* dc, CPrintInfo* info) override {
        printed.push_back(info->m_nCurPage);
        previewed.push_back(info->m_bPreview);
        EXPECT_TRUE(dc->IsPrinting());
        CFont font;
        font.CreatePointFont(200, "Arial", dc);
        CFont* old = dc->SelectObject(&font);
        std::string text = PageText(info->m_nCurPage, info->GetMaxPage());
        dc->TextOut(info->m_rectDraw.left + info->m_rectDraw.Width() / 10,
                    info->m_rectDraw.top + info->m_rectDraw.Height() / 10, text.c_str(),
                    static_cast<int>(text.size()));
        dc->SelectObject(old);
    }

private:
    static HGLOBAL DevNamesFor(LPCSTR device) {
        size_t length = std::strlen(device) + 1;
        HGLOBAL names = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + length + 2);
        auto* record = static_cast<DEVNAMES*>(::GlobalLock(names));
        record->wDriverOffset = sizeof(DEVNAMES) + static_cast<WORD>(length);  // empty
        record->wDeviceOffset = sizeof(DEVNAMES);
        record->wOutputOffset = record->wDriverOffset;
        std::memcpy(reinterpret_cast<char*>(record) + sizeof(DEVNAMES), device, length);
        ::GlobalUnlock(names);
        return names;
    }
};

class PrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Print Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  300, 200, nullptr, nullptr));
        view = new CPagesView;  // deletes itself with its window
    }
    void TearDown() override {
        host.DestroyWindow();
        CWinThread::DeleteTempMaps();
    }

    CWnd host;
    CPagesView* view = nullptr;
};

TEST_F(PrintingTest, ThreePageDocumentComesOutOfThePdfPrinterPageByPage) {
    std::string outputDir = PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    // Wine sees the printer as the default one.
    char name[256] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(::GetDefaultPrinterA(name, &size));
    EXPECT_STREQ(name, "PDF");
    CPrintDialog defaults(FALSE);
    ASSERT_TRUE(defaults.GetDefaults());
    EXPECT_EQ(std::string(defaults.GetDeviceName()), "PDF");

    std::string job = UniqueJobName("fwprint");
    ASSERT_TRUE(view->CreateIn(&host, job.c_str()));
    ModalDriver::Instance().Handle("Printing", [](HWND) {});  // the abort box, left alone
    view->OnFilePrint();
    EXPECT_EQ(view->printed, (std::vector<UINT>{1, 2, 3}));
    EXPECT_EQ(view->began, 1);
    EXPECT_EQ(view->ended, 1);
    EXPECT_TRUE(host.IsWindowEnabled());  // enabled again after the job

    std::string pdf = WaitForPdf(outputDir, job, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << job << " in " << outputDir;
    std::string base = "/tmp/" + job;
    ASSERT_TRUE(RunUnix("pdfinfo '" + pdf + "' > " + base + ".info; pdftotext -layout '" + pdf + "' " + base +
                            ".txt",
                        base + ".done", 30000));
    std::string info = ReadFile(WindowsPath(base + ".info"));
    size_t pagesAt = info.find("Pages:");
    ASSERT_NE(pagesAt, std::string::npos) << info;
    EXPECT_EQ(std::atoi(info.c_str() + pagesAt + 6), 3) << info;
    // pdftotext ends each page with a form feed.
    std::string text = ReadFile(WindowsPath(base + ".txt"));
    std::vector<std::string> pageTexts;
    std::stringstream pagesIn(text);
    for (std::string page; std::getline(pagesIn, page, '\f');) pageTexts.push_back(page);
    ASSERT_GE(pageTexts.size(), 3u) << text;
    for (UINT page = 1; page <= 3; ++page) {
        EXPECT_NE(pageTexts[page - 1].find(CPagesView::PageText(page, 3)), std::string::npos)
            << "page " << page << ": " << pageTexts[page - 1];
    }
    RunUnix("rm -f " + base + ".info " + base + ".txt '" + pdf + "'", base + ".done2", 10000);
}

TEST_F(PrintingTest, CancelInTheAbortBoxStopsTheJob) {
    if (PrinterOutputDir().empty()) GTEST_SKIP() << "no PDF printer in this set-up";
    view->pages = 50;
    ASSERT_TRUE(view->CreateIn(&host, UniqueJobName("fwprint").c_str()));
    ModalDriver::Instance().Handle("Printing", [](HWND box) { ModalDriver::PressButton(box, IDCANCEL); });
    view->OnFilePrint();
    EXPECT_LT(view->printed.size(), 50u);
    EXPECT_EQ(view->began, 1);
    EXPECT_EQ(view->ended, 1);
    EXPECT_TRUE(host.IsWindowEnabled());
}

TEST_F(PrintingTest, MissingPrinterStopsTheJobWithAMessage) {
    view->device = "No Such Printer";
    ASSERT_TRUE(view->CreateIn(&host, "missing printer"));
    ModalDriver::Instance().Answer("", IDOK);
    DWORD start = ::GetTickCount();
    view->OnFilePrint();
    EXPECT_LT(::GetTickCount() - start, 20000u);
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, kNoPrinterMessage);
    EXPECT_TRUE(view->printed.empty());
    EXPECT_EQ(view->began, 0);
}

// A frame whose pane is a page view, with a menu, for print preview.
class PrintPreviewTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = new CFrameWnd;  // deletes itself with its window
        ASSERT_TRUE(frame->Create(nullptr, "Preview Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 760, 560)));
        menu = ::CreateMenu();
        ::AppendMenuA(menu, MF_STRING, ID_FILE_PRINT_PREVIEW, "Preview");
        ::SetMenu(frame->m_hWnd, menu);
        view = new CPagesView;
        ASSERT_TRUE(view->Create(nullptr, UniqueJobName("fwprint").c_str(), WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame,
                                 AFX_IDW_PANE_FIRST));
        frame->SetActiveView(view);
        frame->RecalcLayout();
    }
    void TearDown() override {
        if (::IsWindow(frameWnd())) frame->DestroyWindow();
        CWinThread::DeleteTempMaps();
    }
    HWND frameWnd() const { return frame ? frame->m_hWnd : nullptr; }

    CPreviewView* Preview() const {
        CView* active = frame->GetActiveView();
        return active && active->IsKindOf(RUNTIME_CLASS(CPreviewView)) ? static_cast<CPreviewView*>(active) : nullptr;
    }
    HWND Button(UINT id) const { return ::GetDlgItem(Preview()->m_hWnd, id); }
    // Presses a preview button and lets the preview repaint.
    void Press(UINT id) {
        ::SendMessageA(Button(id), BM_CLICK, 0, 0);
        testing_harness::PumpPending();
        if (Preview()) Preview()->UpdateWindow();
    }
    // The pages drawn by the last paint.
    std::vector<UINT> Repaint() {
        view->printed.clear();
        Preview()->Invalidate(FALSE);
        Preview()->UpdateWindow();
        return view->printed;
    }
    // Dark (text) pixels inside the `index`th page shown.
    int TextPixels(UINT index) {
        Pixels pixels = Pixels::FromWindow(Preview()->m_hWnd);
        CRect page = Preview()->GetPageRect(index);
        int dark = 0;
        for (int y = page.top; y < page.bottom && y < pixels.height(); ++y)
            for (int x = page.left; x < page.right && x < pixels.width(); ++x)
                if ((pixels.At(x, y) & 0xFF) < 0x80) ++dark;
        return dark;
    }

    CFrameWnd* frame = nullptr;
    HMENU menu = nullptr;
    CPagesView* view = nullptr;
};

TEST_F(PrintPreviewTest, PagesAreDrawnByOnPrintAndPagedZoomedAndClosed) {
    view->OnFilePrintPreview();
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    // The preview took the pane's place and the menu went down.
    EXPECT_EQ(::GetDlgItem(frameWnd(), AFX_IDW_PANE_FIRST), preview->m_hWnd);
    EXPECT_FALSE(view->IsWindowVisible());
    EXPECT_EQ(::GetMenu(frameWnd()), nullptr);
    EXPECT_EQ(view->began, 1);

    // Page 1, drawn by the view's OnPrint as a preview page.
    EXPECT_EQ(Repaint(), (std::vector<UINT>{1}));
    ASSERT_FALSE(view->previewed.empty());
    EXPECT_TRUE(view->previewed.back());
    EXPECT_EQ(preview->GetCurrentPage(), 1u);
    EXPECT_GT(TextPixels(0), 20);
    // The whole page is white paper, fitted to the window's height.
    CRect page = preview->GetPageRect(0);
    CRect client;
    preview->GetClientRect(&client);
    EXPECT_GT(page.Height(), client.Height() / 2);
    EXPECT_GT(Pixels::FromWindow(preview->m_hWnd).Count(0xFFFFFF, &page), page.Width() * page.Height() * 9 / 10);
    EXPECT_FALSE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_PREV)));
    EXPECT_TRUE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_NEXT)));
    EXPECT_FALSE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_ZOOMOUT)));
    std::string shot = std::string(getenv("TEMP") ? getenv("TEMP") : ".") + "\\print-preview.png";
    Pixels::FromWindow(preview->m_hWnd).SavePng(shot);

    // Next and previous, with the buttons' states at the ends.
    Press(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    EXPECT_EQ(Repaint(), (std::vector<UINT>{2}));
    EXPECT_TRUE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_PREV)));
    Press(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 3u);
    EXPECT_FALSE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_NEXT)));
    Press(AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);

    // Two pages side by side: 2 and 3, both with text; the last pair ends Next.
    Press(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(testing_harness::ControlText(Button(AFX_ID_PREVIEW_NUMPAGE)), "One Page");
    EXPECT_EQ(Repaint(), (std::vector<UINT>{2, 3}));
    EXPECT_GT(TextPixels(0), 20);
    EXPECT_GT(TextPixels(1), 20);
    EXPECT_FALSE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_NEXT)));
    Pixels::FromWindow(preview->m_hWnd).SavePng(std::string(getenv("TEMP") ? getenv("TEMP") : ".") +
                                                "\\print-preview-two.png");

    // Zoom: one larger page; the page count and Zoom In stop at the top level.
    CRect fitted = preview->GetPageRect(0);
    Press(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(preview->GetZoom(), 2);
    EXPECT_GT(preview->GetPageRect(0).Width(), fitted.Width());
    EXPECT_EQ(Repaint(), (std::vector<UINT>{2}));
    EXPECT_FALSE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_NUMPAGE)));
    EXPECT_TRUE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_ZOOMOUT)));
    Press(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_FALSE(::IsWindowEnabled(Button(AFX_ID_PREVIEW_ZOOMIN)));
    Press(AFX_ID_PREVIEW_ZOOMOUT);
    Press(AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(preview->GetZoom(), 1);

    // Close: the view, its id, the active view and the menu come back.
    HWND previewWnd = preview->m_hWnd;
    Press(AFX_ID_PREVIEW_CLOSE);
    EXPECT_FALSE(::IsWindow(previewWnd));
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(::GetDlgItem(frameWnd(), AFX_IDW_PANE_FIRST), view->m_hWnd);
    EXPECT_TRUE(view->IsWindowVisible());
    EXPECT_EQ(::GetMenu(frameWnd()), menu);
    EXPECT_EQ(view->ended, 1);
    CRect pane;
    frame->GetClientRect(&client);
    view->GetClientRect(&pane);
    EXPECT_EQ(pane.Size(), client.Size());
}

TEST_F(PrintPreviewTest, PrintFromPreviewClosesItAndPrintsThePages) {
    std::string outputDir = PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    CString job;
    view->GetWindowText(job);
    view->OnFilePrintPreview();
    ASSERT_NE(Preview(), nullptr);
    ModalDriver::Instance().Handle("Printing", [](HWND) {});
    view->printed.clear();
    Press(AFX_ID_PREVIEW_PRINT);
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(view->printed, (std::vector<UINT>{1, 2, 3}));
    EXPECT_FALSE(view->previewed.back());
    std::string pdf = WaitForPdf(outputDir, std::string(job), 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << std::string(job) << " in " << outputDir;
    std::string base = "/tmp/" + std::string(job);
    ASSERT_TRUE(RunUnix("pdftotext -layout '" + pdf + "' " + base + ".txt", base + ".done", 30000));
    std::string text = ReadFile(WindowsPath(base + ".txt"));
    for (UINT page = 1; page <= 3; ++page)
        EXPECT_NE(text.find(CPagesView::PageText(page, 3)), std::string::npos) << text;
    RunUnix("rm -f " + base + ".txt '" + pdf + "'", base + ".done2", 10000);
}

TEST_F(PrintPreviewTest, MissingPrinterShowsTheMessageAndNoPreview) {
    view->device = "No Such Printer";
    ModalDriver::Instance().Answer("", IDOK);
    view->OnFilePrintPreview();
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].text, kNoPrinterMessage);
    EXPECT_EQ(Preview(), nullptr);
    EXPECT_EQ(frame->GetActiveView(), view);
    EXPECT_EQ(::GetMenu(frameWnd()), menu);
    EXPECT_TRUE(view->printed.empty());
}

}  // namespace
