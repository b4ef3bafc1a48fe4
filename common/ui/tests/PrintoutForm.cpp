#include "common/ui/tests/PrintoutForm.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace testing_harness {

BEGIN_MESSAGE_MAP(CPrintoutForm, CView)
    ON_WM_CREATE()
END_MESSAGE_MAP()

CPrintoutForm::CPrintoutForm(std::vector<FormControl> controls, Prepare prepare, Print print)
    : controls_(std::move(controls)), prepare_(std::move(prepare)), print_(std::move(print)) {}

int CPrintoutForm::OnCreate(LPCREATESTRUCT cs) {
    if (CView::OnCreate(cs) == -1) return -1;
    for (const FormControl& c : controls_)
        ::CreateWindowExA(0, c.windowClass, c.text, WS_CHILD | c.style, c.x, c.y, c.width, c.height, m_hWnd,
                          HMENU(UINT_PTR(c.id)), nullptr, nullptr);
    return 0;
}

BOOL CPrintoutForm::OnPreparePrinting(CPrintInfo* info) {
    prepare_(info);
    info->m_bDirect = TRUE;
    return DoPreparePrinting(info);
}

void CPrintoutForm::OnPrint(CDC* dc, CPrintInfo* info) { print_(dc, info->m_nCurPage, this); }

bool PrintoutWindow::Open(CDocument* doc, CPrintoutForm* printoutForm) {
    CCreateContext context;
    context.m_pCurrentDoc = doc;
    frame = new CFrameWnd;
    if (!frame->Create(nullptr, "Printout", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(40, 40, 840, 640))) return false;
    form = printoutForm;
    if (!form->Create(nullptr, "Form", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), frame, AFX_IDW_PANE_FIRST,
                      &context))
        return false;
    frame->SetActiveView(form);
    frame->RecalcLayout();
    PumpPending();
    return true;
}

void PrintoutWindow::Close() {
    if (frame && ::IsWindow(frame->m_hWnd)) frame->DestroyWindow();
    PumpPending();
}

std::string UniqueJobTitle(const char* prefix) {
    return prefix + std::to_string(::GetCurrentProcessId()) + "x" + std::to_string(::GetTickCount());
}

void ExpectPageHeaders(const std::vector<std::string>& pages, const std::string& title, const char* program,
                       size_t count) {
    ASSERT_GE(pages.size(), count);
    for (size_t i = 0; i < count; ++i) {
        const std::string& page = pages[i];
        EXPECT_NE(std::string::npos, page.find(title)) << i + 1;
        // (The PDF's text runs spaces together.)
        EXPECT_NE(std::string::npos, page.find(std::string(program) + " Version 4.05")) << i + 1 << page;
        EXPECT_NE(std::string::npos, page.find("Page " + std::to_string(i + 1) + " of " + std::to_string(count)))
            << i + 1;
    }
}

PreviewPages::PreviewPages(CFrameWnd* frame) {
    CView* active = frame->GetActiveView();
    if (active && active->IsKindOf(RUNTIME_CLASS(CPreviewView))) preview_ = static_cast<CPreviewView*>(active);
}

Pixels PreviewPages::Show(const char* picture) {
    preview_->Invalidate(FALSE);
    preview_->UpdateWindow();
    Pixels pixels = Pixels::FromWindow(preview_->m_hWnd);
    pixels.SavePng(TestOutputPath(std::string(picture) + ".png"));
    return pixels;
}

int PreviewPages::CountOnPage(const Pixels& pixels, const std::function<bool(unsigned)>& match) const {
    const CRect page = preview_->GetPageRect(0);
    int n = 0;
    for (int y = page.top; y < page.bottom && y < pixels.height(); ++y)
        for (int x = page.left; x < page.right && x < pixels.width(); ++x) n += match(pixels.At(x, y));
    return n;
}

void PreviewPages::Next(int times) {
    for (int i = 0; i < times; ++i) {
        ::SendMessageA(::GetDlgItem(preview_->m_hWnd, AFX_ID_PREVIEW_NEXT), BM_CLICK, 0, 0);
        PumpPending();
    }
}

UINT PreviewPages::CurrentPage() const { return preview_->GetCurrentPage(); }

void PreviewPages::Close() {
    ::SendMessageA(::GetDlgItem(preview_->m_hWnd, AFX_ID_PREVIEW_CLOSE), BM_CLICK, 0, 0);
    PumpPending();
}

bool IsColourful(unsigned rgb) {
    const int r = rgb >> 16, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return std::max({r, g, b}) - std::min({r, g, b}) > 0x60;
}

}  // namespace testing_harness
