// Printing a chart: the print dialog, one page drawn as vectors, and a
// cancel dialog with the abort procedure that keeps messages flowing while
// the printer driver works.
#include <windows.h>

#include "chart/Chart.h"
#include "kernel/ExportGuard.h"
#include "window/ChartObject.h"
#include "window/ChartOutput.h"
#include "zelplot3d.h"

namespace {

// One print at a time, on the thread of the chart's window.
struct PrintState {
    bool aborted;
    HWND cancel_dialog;
    HDC printer;
};
PrintState g_print = {false, nullptr, nullptr};

INT_PTR CALLBACK CancelDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_GRAYED);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) != IDCANCEL) return FALSE;
            g_print.aborted = true;
            if (g_print.printer) AbortDoc(g_print.printer);
            DestroyWindow(dialog);
            g_print.cancel_dialog = nullptr;
            return TRUE;
        default:
            return FALSE;
    }
}

BOOL CALLBACK AbortProc(HDC, int) {
    MSG message;
    while (!g_print.aborted && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (g_print.cancel_dialog && IsDialogMessageA(g_print.cancel_dialog, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return !g_print.aborted;
}

// Prints one page; false when the job failed or was cancelled.
bool PrintPage(Zel3dChart* chart, HDC printer, int method, int mode, int x, int y, int w, int h) {
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = "Stock graphs";
    if (StartDocA(printer, &document) <= 0) return false;
    // The cancel box is served between the steps too, where the system does
    // not call the abort procedure itself.
    bool printed =
        StartPage(printer) > 0 && AbortProc(printer, 0) &&
        zel3d_place_output(chart, kOutputToPrinter, printer, method, mode, x, y, w, h) != 0 &&
        AbortProc(printer, 0) && EndPage(printer) > 0;
    if (g_print.aborted) return false;  // the cancel dialog aborted the job
    if (!printed) {
        AbortDoc(printer);
        return false;
    }
    return EndDoc(printer) > 0 && !g_print.aborted;
}

// The printer the user chose in the print dialog; null when cancelled.
HDC ChoosePrinter() {
    PRINTDLGA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDC;
    BOOL chosen = PrintDlgA(&dialog);
    if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
    return chosen ? dialog.hDC : nullptr;
}

// One print job: the process-wide print state, the cancel box and the abort
// procedure for its life; the printer DC goes with it.
class PrintJob {
public:
    PrintJob(HWND owner, HDC printer) {
        g_print = {false, nullptr, printer};
        g_print.cancel_dialog =
            CreateDialogParamA(zel3d_module(), "Abort", owner, CancelDialogProc, 0);
        SetAbortProc(printer, AbortProc);
    }
    ~PrintJob() {
        DeleteDC(g_print.printer);
        if (g_print.cancel_dialog) DestroyWindow(g_print.cancel_dialog);
        g_print = {false, nullptr, nullptr};
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
};

}  // namespace

extern "C" ZEL3D_API int Zel3dPrint(Zel3dChart* chart, int method, int mode, int x, int y, int w,
                                    int h) try {
    if (!chart || !chart->window || g_print.printer) return 0;
    HDC printer = ChoosePrinter();
    if (!printer) return 0;
    bool printed;
    {
        PrintJob job(chart->window, printer);
        printed = PrintPage(chart, printer, method, mode, x, y, w, h);
    }
    // The window's picture was measured on the printer: draw it again.
    InvalidateRect(chart->window, nullptr, FALSE);
    return printed ? 1 : 0;
} catch (...) {
    return zel3d_export_failure<int>(0);
}
