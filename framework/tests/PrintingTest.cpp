// Printing through the system's real print path onto the test set-up's
// PDF printer: the pages a view prints come back out of the PDF file, read
// with the Unix PDF tools. Without a printer the job stops with a message.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Document.h"
#include "FrameWnd.h"
#include "ModalDriver.h"
#include "PrintedOutput.h"
#include "PrintPreview.h"
#include "Printing.h"
#include "View.h"
#include "WinApp.h"
#include "WinThread.h"
#include "WindowHelpers.h"

// The common dialogs' control ids.
#include <dlgs.h>

using testing_harness::ModalDriver;
using testing_harness::PdfInfo;
using testing_harness::PdfPageCount;
using testing_harness::PdfPageTexts;
using testing_harness::Pixels;
using testing_harness::PrinterOutputDir;
using testing_harness::RemovePdf;
using testing_harness::UniqueJobName;
using testing_harness::WaitForPdf;

namespace {

// A view whose document has `pages` pages, each saying which it is.
class CPagesView : public CView {
public:
    UINT pages = 3;
    BOOL direct = TRUE;
    LPCSTR device = nullptr;  // a printer to use instead of the default
    std::vector<UINT> printed;
    std::vector<BOOL> previewed;  // m_bPreview of each OnPrint call
    CRect drawn;                  // m_rectDraw of the last page
    int began = 0;
    int ended = 0;
    // Outlive the view, which deletes itself with its window.
    int* endedCount = nullptr;
    HDC* printerDC = nullptr;  // the DC OnBeginPrinting got

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
    void OnBeginPrinting(CDC* dc, CPrintInfo*) override {
        ++began;
        if (printerDC) *printerDC = dc->m_hDC;
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override {
        ++ended;
        if (endedCount) ++*endedCount;
    }
    void OnPrint(CDC* dc, CPrintInfo* info) override {
        printed.push_back(info->m_nCurPage);
        previewed.push_back(info->m_bPreview);
        drawn = info->m_rectDraw;
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
    std::string info = PdfInfo(pdf);
    EXPECT_EQ(PdfPageCount(info), 3) << info;
    std::vector<std::string> pageTexts = PdfPageTexts(pdf);
    ASSERT_GE(pageTexts.size(), 3u);
    for (UINT page = 1; page <= 3; ++page) {
        EXPECT_NE(pageTexts[page - 1].find(CPagesView::PageText(page, 3)), std::string::npos)
            << "page " << page << ": " << pageTexts[page - 1];
    }
    RemovePdf(pdf);
}

TEST_F(PrintingTest, PageRangeChosenInThePrintDialogPrintsJustThosePages) {
    std::string outputDir = PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    view->pages = 4;
    view->direct = FALSE;
    std::string job = UniqueJobName("fwprint");
    ASSERT_TRUE(view->CreateIn(&host, job.c_str()));
    // As a user: Pages, from 2 to 3, then the dialog's OK.
    ModalDriver::Instance().Handle("Print", [](HWND box) {
        ::SendMessageA(::GetDlgItem(box, rad3), BM_CLICK, 0, 0);
        ::SetDlgItemTextA(box, edt1, "2");
        ::SetDlgItemTextA(box, edt2, "3");
        ModalDriver::PressButton(box, IDOK);
    });
    ModalDriver::Instance().Handle("Printing", [](HWND) {});
    view->OnFilePrint();
    ASSERT_GE(ModalDriver::Instance().Boxes().size(), 1u);
    EXPECT_EQ(ModalDriver::Instance().Boxes()[0].caption, "Print");
    EXPECT_EQ(view->printed, (std::vector<UINT>{2, 3}));
    EXPECT_EQ(view->ended, 1);

    std::string pdf = WaitForPdf(outputDir, job, 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << job << " in " << outputDir;
    std::string info = PdfInfo(pdf);
    EXPECT_EQ(PdfPageCount(info), 2) << info;
    std::vector<std::string> pageTexts = PdfPageTexts(pdf);
    ASSERT_GE(pageTexts.size(), 2u);
    EXPECT_NE(pageTexts[0].find(CPagesView::PageText(2, 4)), std::string::npos) << pageTexts[0];
    EXPECT_NE(pageTexts[1].find(CPagesView::PageText(3, 4)), std::string::npos) << pageTexts[1];
    RemovePdf(pdf);
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
    // The part of the preview's client area where pages show (below the buttons).
    CRect PageView() const {
        CRect area;
        Preview()->GetClientRect(&area);
        area.top += 30;
        return area;
    }
    // Dark (text) pixels of the `index`th page where it shows.
    int TextPixels(UINT index) {
        Pixels pixels = Pixels::FromWindow(Preview()->m_hWnd);
        CRect page;
        CRect pageRect = Preview()->GetPageRect(index), view = PageView();
        page.IntersectRect(&pageRect, &view);
        int dark = 0;
        for (int y = page.top; y < page.bottom; ++y)
            for (int x = page.left; x < page.right; ++x)
                if ((pixels.At(x, y) & 0xFF) < 0x80) ++dark;
        return dark;
    }
    bool HasScrollBar(DWORD style) const { return (Preview()->GetStyle() & style) != 0; }
    void SavePreview(const char* name) {
        Pixels::FromWindow(Preview()->m_hWnd).SavePng(std::string(getenv("TEMP") ? getenv("TEMP") : ".") + "\\" + name);
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
    std::vector<std::string> pageTexts = PdfPageTexts(pdf);
    ASSERT_GE(pageTexts.size(), 3u);
    for (UINT page = 1; page <= 3; ++page)
        EXPECT_NE(pageTexts[page - 1].find(CPagesView::PageText(page, 3)), std::string::npos) << pageTexts[page - 1];
    RemovePdf(pdf);
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

TEST_F(PrintPreviewTest, AZoomedPageLargerThanTheViewScrolls) {
    view->OnFilePrintPreview();
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_FALSE(HasScrollBar(WS_VSCROLL | WS_HSCROLL));  // the fitted page needs none

    // Twice the fitted size is higher than the view: a vertical bar whose
    // range is the page with its margins and whose page is the view.
    Press(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_TRUE(HasScrollBar(WS_VSCROLL));
    CRect top = preview->GetPageRect(0);
    CRect view = PageView();
    SCROLLINFO bar = {};
    bar.cbSize = sizeof bar;
    bar.fMask = SIF_ALL;
    ASSERT_TRUE(::GetScrollInfo(preview->m_hWnd, SB_VERT, &bar));
    EXPECT_EQ(bar.nMin, 0);
    EXPECT_EQ(bar.nMax + 1, top.Height() + 20);
    EXPECT_EQ(static_cast<int>(bar.nPage), view.Height());
    EXPECT_GT(top.Height(), view.Height());
    Repaint();
    EXPECT_GT(TextPixels(0), 20);  // the text at the page's top shows

    // A line down moves the drawn page up by a tenth of the view's height.
    const int line = view.Height() / 10;
    preview->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
    EXPECT_EQ(preview->GetPageScroll().y, line);
    EXPECT_EQ(::GetScrollPos(preview->m_hWnd, SB_VERT), line);
    EXPECT_EQ(preview->GetPageRect(0).top, top.top - line);
    // Paging down stops where the page's lower edge shows, with grey below
    // it; the text at the page's top has gone out of view.
    const int lowest = static_cast<int>(bar.nMax + 1 - bar.nPage);
    preview->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0));
    EXPECT_EQ(preview->GetPageScroll().y, std::min(line + view.Height(), lowest));
    preview->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    EXPECT_EQ(preview->GetPageScroll().y, lowest);
    EXPECT_EQ(Repaint(), (std::vector<UINT>{1}));
    CRect bottom = preview->GetPageRect(0);
    EXPECT_EQ(bottom.bottom + 10, view.bottom);
    Pixels pixels = Pixels::FromWindow(preview->m_hWnd);
    int x = bottom.CenterPoint().x;
    EXPECT_EQ(pixels.At(x, bottom.bottom - 3), 0xFFFFFFu);
    EXPECT_EQ(pixels.At(x, bottom.bottom + 5), 0x808080u);
    EXPECT_EQ(TextPixels(0), 0);
    SavePreview("print-preview-scrolled.png");
    // The wheel scrolls back up a step; the button row is never drawn over.
    preview->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(preview->GetPageScroll().y, lowest - line);
    EXPECT_TRUE(::IsWindowVisible(Button(AFX_ID_PREVIEW_CLOSE)));

    // Three times is wider than the view too: both bars, from the top-left
    // corner; a horizontal page step moves the page left.
    Press(AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_TRUE(HasScrollBar(WS_VSCROLL));
    EXPECT_TRUE(HasScrollBar(WS_HSCROLL));
    EXPECT_EQ(preview->GetPageScroll(), CPoint(0, 0));
    CRect left = preview->GetPageRect(0);
    preview->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
    EXPECT_GT(preview->GetPageScroll().x, 0);
    EXPECT_EQ(preview->GetPageRect(0).left, left.left - preview->GetPageScroll().x);

    // Back to the fitted page: no bars, nothing scrolled.
    Press(AFX_ID_PREVIEW_ZOOMOUT);
    Press(AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_FALSE(HasScrollBar(WS_VSCROLL | WS_HSCROLL));
    EXPECT_EQ(preview->GetPageScroll(), CPoint(0, 0));
    Press(AFX_ID_PREVIEW_CLOSE);
}

// However the preview's surroundings go, its job ends once, its printer DC
// is deleted and the frame gets its menu back.
TEST_F(PrintPreviewTest, ClosingTheFrameOrDocumentInPreviewEndsTheJobOnce) {
    enum class Way { CloseFrame, DestroyFrame, CloseDocumentOfMainWindow };
    const struct {
        Way way;
        const char* name;
        bool frameStays;
    } cases[] = {
        {Way::CloseFrame, "frame closed", false},
        {Way::DestroyFrame, "frame destroyed", false},
        {Way::CloseDocumentOfMainWindow, "document of the main window closed", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!::IsWindow(frameWnd())) SetUp();
        CWinApp app("Print Tests");
        auto* document = new CDocument;  // deletes itself when closed
        document->AddView(view);
        if (c.way == Way::CloseDocumentOfMainWindow) app.m_pMainWnd = frame;
        int ended = 0;
        HDC printerDC = nullptr;
        view->endedCount = &ended;
        view->printerDC = &printerDC;
        view->OnFilePrintPreview();
        ASSERT_NE(Preview(), nullptr);
        HWND previewWnd = Preview()->m_hWnd;
        ASSERT_NE(printerDC, nullptr);
        EXPECT_NE(::GetObjectType(printerDC), 0u);

        switch (c.way) {
        case Way::CloseFrame: ::SendMessageA(frameWnd(), WM_CLOSE, 0, 0); break;
        case Way::DestroyFrame: frame->DestroyWindow(); break;
        case Way::CloseDocumentOfMainWindow: document->OnCloseDocument(); break;
        }
        EXPECT_EQ(ended, 1);
        EXPECT_FALSE(::IsWindow(previewWnd));
        EXPECT_EQ(::GetObjectType(printerDC), 0u);  // the job's printer DC is gone
        EXPECT_EQ(::IsWindow(frameWnd()) != FALSE, c.frameStays);
        if (c.frameStays) {
            EXPECT_EQ(::GetMenu(frameWnd()), menu);
            EXPECT_EQ(frame->m_lpfnCloseProc, nullptr);
            EXPECT_EQ(::GetDlgItem(frameWnd(), AFX_IDW_PANE_FIRST), nullptr);  // the view went with its document
            EXPECT_EQ(frame->GetActiveView(), nullptr);
            app.m_pMainWnd = nullptr;
            frame->DestroyWindow();
        }
        testing_harness::PumpPending();
        EXPECT_EQ(ended, 1);
    }
}

// A frame in an application that handles Print Setup.
class CPrintSetupApp : public CWinApp {
public:
    CPrintSetupApp() : CWinApp("Print Tests") {}
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CPrintSetupApp, CWinApp)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
END_MESSAGE_MAP()

std::string ComboText(HWND combo) {
    char text[64] = "";
    LRESULT at = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (at >= 0) ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text));
    return text;
}

TEST_F(PrintPreviewTest, PrintSetupChoiceIsUsedByLaterJobsAndByThePreview) {
    std::string outputDir = PrinterOutputDir();
    if (outputDir.empty()) GTEST_SKIP() << "no PDF printer in this set-up (TEST_PRINTER_OUTPUT_DIR unset)";
    CPrintSetupApp app;
    // Print Setup (command 57606, routed from the frame to the application):
    // landscape A5, as a user picks them.
    ModalDriver::Instance().Handle("Print Setup", [](HWND box) {
        HWND paper = ::GetDlgItem(box, cmb2);
        ::SendMessageA(paper, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("A5"));
        ::SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE), reinterpret_cast<LPARAM>(paper));
        ::SendMessageA(::GetDlgItem(box, rad2), BM_CLICK, 0, 0);
        ModalDriver::PressButton(box, IDOK);
    });
    testing_harness::SendCommand(frameWnd(), ID_FILE_PRINT_SETUP);
    ASSERT_EQ(ModalDriver::Instance().Boxes().size(), 1u);
    ASSERT_NE(app.m_hDevMode, nullptr);
    ASSERT_NE(app.m_hDevNames, nullptr);
    {
        auto* mode = static_cast<DEVMODEA*>(::GlobalLock(app.m_hDevMode));
        EXPECT_EQ(mode->dmOrientation, DMORIENT_LANDSCAPE);
        EXPECT_EQ(mode->dmPaperSize, DMPAPER_A5);
        ::GlobalUnlock(app.m_hDevMode);
    }
    // The dialog opens on the kept choice; Cancel changes nothing.
    HGLOBAL keptMode = app.m_hDevMode;
    bool landscape = false;
    std::string paper;
    ModalDriver::Instance().Handle("Print Setup", [&](HWND box) {
        landscape = ::IsDlgButtonChecked(box, rad2) == BST_CHECKED;
        paper = ComboText(::GetDlgItem(box, cmb2));
        ModalDriver::PressButton(box, IDCANCEL);
    });
    testing_harness::SendCommand(frameWnd(), ID_FILE_PRINT_SETUP);
    EXPECT_TRUE(landscape);
    EXPECT_EQ(paper, "A5");
    EXPECT_EQ(app.m_hDevMode, keptMode);

    // The preview shows landscape pages.
    view->OnFilePrintPreview();
    ASSERT_NE(Preview(), nullptr);
    CRect page = Preview()->GetPageRect(0);
    EXPECT_GT(page.Width(), page.Height());
    Repaint();
    SavePreview("print-preview-landscape.png");
    Press(AFX_ID_PREVIEW_CLOSE);

    // A later job prints landscape A5 pages.
    CString job;
    view->GetWindowText(job);
    ModalDriver::Instance().Handle("Printing", [](HWND) {});
    view->OnFilePrint();
    EXPECT_EQ(view->printed.back(), 3u);
    EXPECT_GT(view->drawn.Width(), view->drawn.Height());
    std::string pdf = WaitForPdf(outputDir, std::string(job), 60000);
    ASSERT_FALSE(pdf.empty()) << "no PDF named after " << std::string(job) << " in " << outputDir;
    std::string info = PdfInfo(pdf);
    EXPECT_EQ(PdfPageCount(info), 3) << info;
    // pdfinfo gives the sheet as A5 turned a quarter.
    EXPECT_NE(info.find("(A5)"), std::string::npos) << info;
    EXPECT_NE(info.find("Page rot:        90"), std::string::npos) << info;
    RemovePdf(pdf);
}

}  // namespace
