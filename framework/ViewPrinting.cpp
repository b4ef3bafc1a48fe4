// CView's printing: DoPreparePrinting and the print job of OnFilePrint,
// with its abort box.
#include <string>
#include <vector>

#include "Dialog.h"
#include "Printing.h"
#include "View.h"
#include "WinApp.h"
#include "WindowMessages.h"

namespace {

// A dialog template built in memory, for the framework's own boxes.
class DialogTemplateBuilder {
public:
    DialogTemplateBuilder(LPCSTR caption, DWORD style, short cx, short cy) {
        Dword(style | DS_SETFONT);
        Dword(0);          // extended style
        countAt_ = words_.size();
        words_.push_back(0);  // item count
        Short(0), Short(0), Short(cx), Short(cy);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // the dialog class
        Text(caption);
        words_.push_back(8);
        Text("MS Sans Serif");
    }

    // A control of a system class atom (0x80 button, 0x82 static).
    void Control(WORD classAtom, LPCSTR text, WORD id, DWORD style, short x, short y, short cx, short cy) {
        if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Short(x), Short(y), Short(cx), Short(cy);
        words_.push_back(id);
        words_.push_back(0xFFFF);
        words_.push_back(classAtom);
        Text(text);
        words_.push_back(0);  // no creation data
        ++words_[countAt_];
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(words_.data()); }

private:
    void Dword(DWORD value) {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void Short(short value) { words_.push_back(static_cast<WORD>(value)); }
    void Text(LPCSTR text) {
        for (; *text; ++text) words_.push_back(static_cast<unsigned char>(*text));
        words_.push_back(0);
    }

    std::vector<WORD> words_;
    size_t countAt_ = 0;
};

enum : WORD { kButtonAtom = 0x80, kStaticAtom = 0x82 };
enum : WORD { IDC_PRINTING_DOCUMENT = 0x100, IDC_PRINTING_PAGE = 0x101 };

// The box shown while a job prints: the document, the page, and Cancel.
class CPrintingDialog : public CDialog {
public:
    CPrintingDialog(CWnd* owner, LPCSTR document) : template_("Printing", WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_CENTER, 180, 60) {
        template_.Control(kStaticAtom, "", IDC_PRINTING_DOCUMENT, SS_CENTER, 10, 8, 160, 10);
        template_.Control(kStaticAtom, "", IDC_PRINTING_PAGE, SS_CENTER, 10, 22, 160, 10);
        template_.Control(kButtonAtom, "Cancel", IDCANCEL, BS_DEFPUSHBUTTON | WS_TABSTOP, 65, 40, 50, 14);
        if (CreateIndirect(template_.Get(), owner)) {
            SetDlgItemText(IDC_PRINTING_DOCUMENT, document);
            ShowWindow(SW_SHOW);
            UpdateWindow();
        }
    }
    ~CPrintingDialog() override { DestroyWindow(); }

    bool cancelled = false;

    void ShowPage(UINT page) {
        CString text;
        text.Format("Page %u", page);
        SetDlgItemText(IDC_PRINTING_PAGE, text);
    }
    // Lets the user reach Cancel between pages.
    void PumpMessages() {
        MSG msg;
        while (!cancelled && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));
                cancelled = true;
                break;
            }
            if (!m_hWnd || !::IsDialogMessageA(m_hWnd, &msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
    }
    void OnCancel() override { cancelled = true; }

private:
    DialogTemplateBuilder template_;
};

// Disables a window for the life of the object.
class DisabledWindow {
public:
    explicit DisabledWindow(HWND wnd) : wnd_(wnd && ::IsWindowEnabled(wnd) ? wnd : nullptr) {
        if (wnd_) ::EnableWindow(wnd_, FALSE);
    }
    ~DisabledWindow() {
        if (wnd_) ::EnableWindow(wnd_, TRUE);
    }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

private:
    HWND wnd_;
};

}  // namespace

BOOL CView::DoPreparePrinting(CPrintInfo* info) {
    CPrintDialog* dialog = info->m_pPD;
    PRINTDLGA& pd = dialog->m_pd;
    if (pd.nMinPage > pd.nMaxPage) pd.nMaxPage = pd.nMinPage;
    pd.nFromPage = pd.nMinPage;
    pd.nToPage = pd.nMaxPage;
    // The job prints on the application's printer unless the view named one.
    CWinApp* app = AfxGetApp();
    if (!pd.hDevNames && app) app->GetPrinterDeviceDefaults(&pd);
    if (info->m_bDirect || info->m_bPreview) {
        if (!pd.hDevNames && !dialog->GetDefaults()) {
            AfxMessageBox(kNoPrinterMessage, MB_ICONEXCLAMATION);
            return FALSE;
        }
    } else if ((app ? app->DoPrintDialog(dialog) : dialog->DoModal()) != IDOK) {
        // A cancel says nothing; a dialog that could not find a printer does.
        if (::CommDlgExtendedError() != 0) AfxMessageBox(kNoPrinterMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!dialog->CreatePrinterDC()) {
        AfxMessageBox(kNoPrinterMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

void CView::OnFilePrint() {
    CPrintInfo info;
    const MSG* current = GetCurrentMessage();
    if (current->message == WM_COMMAND && LOWORD(current->wParam) == ID_FILE_PRINT_DIRECT) info.m_bDirect = TRUE;
    if (!OnPreparePrinting(&info)) return;
    ASSERT(info.m_pPD->m_pd.hDC != nullptr);

    CString title;
    if (m_pDocument) title = m_pDocument->GetTitle();
    if (title.IsEmpty()) GetWindowText(title);
    DOCINFOA docInfo = {};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = title;

    CDC dc;
    dc.Attach(info.m_pPD->m_pd.hDC);
    dc.m_bPrinting = TRUE;
    OnBeginPrinting(&dc, &info);

    CWnd* topLevel = GetTopLevelParent();
    bool failed = false;
    bool cancelled = false;
    {
        DisabledWindow disabled(topLevel ? topLevel->m_hWnd : nullptr);
        CPrintingDialog abortBox(topLevel, title);
        if (dc.StartDoc(&docInfo) <= 0) {
            failed = true;
        } else {
            UINT last = info.GetToPage();
            for (info.m_nCurPage = info.GetFromPage(); info.m_nCurPage <= last; ++info.m_nCurPage) {
                abortBox.ShowPage(info.m_nCurPage);
                abortBox.PumpMessages();
                if (abortBox.cancelled) break;
                OnPrepareDC(&dc, &info);
                if (!info.m_bContinuePrinting) break;
                if (dc.StartPage() <= 0) {
                    failed = true;
                    break;
                }
                info.m_rectDraw.SetRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
                dc.DPtoLP(&info.m_rectDraw);
                OnPrint(&dc, &info);
                if (dc.EndPage() <= 0) {
                    failed = true;
                    break;
                }
                if (info.m_nCurPage == 0xFFFF) break;
            }
            abortBox.PumpMessages();
            cancelled = abortBox.cancelled;
            if (failed || cancelled) dc.AbortDoc();
            else if (dc.EndDoc() <= 0) failed = true;
        }
    }
    OnEndPrinting(&dc, &info);
    dc.Detach();  // the print dialog deletes its DC
    if (failed) AfxMessageBox("The document could not be printed.", MB_ICONEXCLAMATION);
}
