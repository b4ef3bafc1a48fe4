// Printing: the print dialog, the description of a print job, and the
// printer settings an application keeps.
//
// A view prints through CView::OnFilePrint (see ViewPrinting.cpp):
//
//   OnPreparePrinting   sets the page range (SetMaxPage) and dialog flags,
//                       then DoPreparePrinting asks the user (or takes the
//                       default printer) and makes the printer DC
//   OnBeginPrinting     once, with the printer DC
//   for each page in the chosen range, while m_bContinuePrinting:
//     OnPrepareDC       may end the job by clearing m_bContinuePrinting
//     OnPrint           draws page m_nCurPage into m_rectDraw
//   OnEndPrinting       once, also after a failure or a cancel
//
// with an abort box ("Printing", Cancel) up while the pages print.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "FileDialog.h"
#include "Geometry.h"
#include "TextString.h"

class CDC;

class CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)

public:
    // `printSetupOnly` shows the printer set-up dialog instead of the print
    // dialog.
    explicit CPrintDialog(BOOL printSetupOnly,
                          DWORD flags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                        PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* parent = nullptr);
    ~CPrintDialog() override;

    PRINTDLGA m_pd;

    INT_PTR DoModal() override;
    // Fills m_pd with the default printer's settings without a dialog;
    // FALSE when there is no printer.
    BOOL GetDefaults();
    // A DC for the printer m_pd names (the caller deletes it); null when
    // none can be made.
    HDC CreatePrinterDC();
    HDC GetPrinterDC() const { return m_pd.hDC; }

    int GetCopies() const;
    int GetFromPage() const;
    int GetToPage() const;
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    LPDEVMODEA GetDevMode() const;
};

class CPrintInfo {
public:
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    // The print dialog of the job (owned).
    CPrintDialog* m_pPD;
    // Print without asking (the default printer's settings).
    BOOL m_bDirect = FALSE;
    // The pages go to print preview rather than to a printer.
    BOOL m_bPreview = FALSE;
    // Cleared (by OnPrepareDC, say) to end the job before the next page.
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    // Pages preview shows side by side: 1 or 2.
    UINT m_nNumPreviewPages = 0;
    // Format of the page number shown in preview ("Page %u").
    CString m_strPageDesc;
    LPVOID m_lpUserData = nullptr;
    // The printable area of the page, in logical units, for OnPrint.
    CRect m_rectDraw;

    // The pages the document has; 0xFFFF as the last means "until
    // OnPrepareDC says stop".
    void SetMinPage(UINT page) { m_pPD->m_pd.nMinPage = static_cast<WORD>(page); }
    void SetMaxPage(UINT page) { m_pPD->m_pd.nMaxPage = static_cast<WORD>(page); }
    UINT GetMinPage() const { return m_pPD->m_pd.nMinPage; }
    UINT GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
    // The pages chosen for the job: the dialog's range, else all of them.
    UINT GetFromPage() const;
    UINT GetToPage() const;
    // How far page numbers of this job are shifted (0: none).
    UINT GetOffsetPage() const { return 0; }
};

// Shown when a job cannot reach a printer.
extern const char kNoPrinterMessage[];

// A copy of a global memory block (a DEVMODE or DEVNAMES record), owned by
// the caller; null for null.
HGLOBAL AfxCopyGlobalMemory(HGLOBAL source);
