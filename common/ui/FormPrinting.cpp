#include "common/ui/FormPrinting.h"

#include <algorithm>
#include <cstdio>

#include "common/Assertion.h"
#include "common/ui/PopUpStatic.h"

static const char kAssertModule[] = "FormPrinting";

const char kPrintoutVersion[] = "4.05";

namespace {

// Screen pixels per inch of `wnd`'s client DC, times two thirds.
CSize ScreenUnitsPerInch(CWnd* wnd) {
    CClientDC screen(wnd);
    return CSize(static_cast<int>(float(screen.GetDeviceCaps(LOGPIXELSX)) * 2 / 3),
                 static_cast<int>(float(screen.GetDeviceCaps(LOGPIXELSY)) * 2 / 3));
}

}  // namespace

CString ShownControlText(CWnd* control) {
    CString text;
    if (control->IsKindOf(RUNTIME_CLASS(CPopUpStatic)))
        static_cast<CPopUpStatic*>(control)->GetText(text);
    else
        control->GetWindowText(text);
    return text;
}

void PrintoutPreparePrinting(CPrintInfo* info, UINT pageCount) {
    APP_ASSERT(info != nullptr);
    info->m_pPD->m_pd.Flags |= PD_HIDEPRINTTOFILE | PD_NOSELECTION;
    info->SetMaxPage(pageCount);
}

void SetPrintScale(CDC* dc, int percent, CWnd* screenWnd) {
    APP_ASSERT(dc != nullptr && dc->IsPrinting());
    const CSize screen = ScreenUnitsPerInch(screenWnd);
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt(screen.cx, screen.cy);
    dc->SetViewportExt(percent * dc->GetDeviceCaps(LOGPIXELSX) / 100, percent * dc->GetDeviceCaps(LOGPIXELSY) / 100);
}

void PrintPageHeader(CDC* dc, const char* title, const char* program, UINT page, UINT pageCount,
                     CWnd* screenWnd) {
    const CSize units = ScreenUnitsPerInch(screenWnd);
    const double ppiX = dc->GetDeviceCaps(LOGPIXELSX), ppiY = dc->GetDeviceCaps(LOGPIXELSY);
    const double width = dc->GetDeviceCaps(PHYSICALWIDTH) / ppiX;
    const double offsetX = dc->GetDeviceCaps(PHYSICALOFFSETX) / ppiX;
    const double offsetY = dc->GetDeviceCaps(PHYSICALOFFSETY) / ppiY;
    // Half an inch inside the paper's edges, whatever the printable area.
    const int left = static_cast<int>(units.cx * (0.5 - offsetX));
    const int right = left + static_cast<int>(units.cx * (width - 1));
    const int y = static_cast<int>(units.cy * (0.5 - offsetY));
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&pen);
    dc->MoveTo(left, y);
    dc->LineTo(right, y);
    dc->SelectObject(oldPen);

    TEXTMETRIC metrics = {};
    dc->GetTextMetrics(&metrics);
    const int textY = y - 5 * metrics.tmHeight / 4;
    const UINT oldAlign = dc->SetTextAlign(TA_LEFT | TA_TOP);
    dc->TextOut(left, textY, title, lstrlenA(title));
    char text[128];
    int length = snprintf(text, sizeof text, "%s  Version %s", program, kPrintoutVersion);
    dc->SetTextAlign(TA_CENTER | TA_TOP);
    dc->TextOut((left + right) / 2, textY, text, length);
    length = snprintf(text, sizeof text, " Page %u of %u", page, pageCount);
    dc->SetTextAlign(TA_RIGHT | TA_TOP);
    dc->TextOut(right, textY, text, length);
    dc->SetTextAlign(oldAlign);
}

void PrintFormControls(CDC* dc, CWnd* form, POINT scroll, const UINT* skipped, size_t skippedCount,
                       const FormControlText& controlText) {
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&pen);
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    TEXTMETRIC metrics = {};
    dc->GetTextMetrics(&metrics);
    const int h = metrics.tmHeight;
    for (HWND child = ::GetWindow(form->m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        if (std::find(skipped, skipped + skippedCount, id) != skipped + skippedCount) continue;
        CRect rect;
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, form->m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        rect.OffsetRect(scroll);
        char className[57] = "";
        ::GetClassNameA(child, className, sizeof className);
        const LONG style = ::GetWindowLongA(child, GWL_STYLE);
        CWnd* control = CWnd::FromHandle(child);
        if (lstrcmpiA(className, "button") == 0) {
            // A panel frame: its caption, and the outline below it.
            CString text;
            control->GetWindowText(text);
            dc->TextOut(rect.left, rect.top, text);
            dc->MoveTo(rect.left, rect.top + h);
            dc->LineTo(rect.right, rect.top + h);
            dc->LineTo(rect.right, rect.bottom);
            dc->LineTo(rect.left, rect.bottom);
            dc->LineTo(rect.left, rect.top + h);
        } else if (lstrcmpiA(className, "static") == 0) {
            const LONG type = style & SS_TYPEMASK;
            if (type == SS_ETCHEDHORZ) {
                dc->MoveTo(rect.left, rect.top);
                dc->LineTo(rect.right, rect.top);
            } else if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_LEFTNOWORDWRAP) {
                CString text;
                if (controlText) text = controlText(control);
                else control->GetWindowText(text);
                const UINT align = type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
                dc->DrawText(text, &rect, DT_WORDBREAK | align);
            }
        }
    }
    dc->SetBkMode(oldMode);
    dc->SelectObject(oldPen);
}

void PrintPage(CDC* dc, CWnd* screenWnd, const char* title, const char* program, UINT page, UINT pageCount,
               const std::function<void()>& body) {
    APP_ASSERT(dc != nullptr && screenWnd != nullptr);
    APP_ASSERT(page >= 1 && page <= pageCount);
    // Each page starts from the printable area's corner: a printer DC keeps
    // the last page's origin.
    dc->SetViewportOrg(0, 0);
    SetPrintScale(dc, 100, screenWnd);
    CFont font;
    if (!font.CreatePointFont(100, "Arial", dc)) font.Attach(::GetStockObject(SYSTEM_FONT));
    CFont* oldFont = dc->SelectObject(&font);
    dc->SetViewportOrg(dc->GetDeviceCaps(LOGPIXELSX) / 2, dc->GetDeviceCaps(LOGPIXELSY) / 2);
    body();
    // The header goes over the body: a graph's picture is opaque.
    dc->SetViewportOrg(0, 0);
    SetPrintScale(dc, 100, screenWnd);
    dc->SelectObject(&font);
    PrintPageHeader(dc, title, program, page, pageCount, screenWnd);
    dc->SelectObject(oldFont);
}
