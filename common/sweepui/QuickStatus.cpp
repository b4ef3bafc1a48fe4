#include "common/sweepui/QuickStatus.h"

void ShowQuickStatus(CWnd* dialog, const CSweepLamps& lamps, const QuickStatusIds& ids, const QuickStatus& status) {
    lamps.ShowGreen(dialog, ids.runningLamp, status.running);
    lamps.ShowRed(dialog, ids.stoppedLamp, !status.running);
    lamps.ShowGreen(dialog, ids.phase1Lamp, status.coarsePhase);
    lamps.ShowGreen(dialog, ids.phase2Lamp, !status.coarsePhase);
    CString text;
    text.Format("%d", status.total);
    dialog->SetDlgItemText(ids.total, text);
    text.Format("%d", status.completed);
    dialog->SetDlgItemText(ids.completed, text);
    dialog->SendDlgItemMessage(ids.progress, PBM_SETPOS, status.percent, 0);
    text.Format("%d%%", status.percent);
    dialog->SetDlgItemText(ids.percent, text);
}
