#include "common/sweepui/QuickSweepDlg.h"

#include "common/Assertion.h"
#include "common/sweepui/SweepRunLoop.h"

static const char kAssertModule[] = "QuickSweepDlg.cpp";

BEGIN_MESSAGE_MAP(CQuickSweepDlg, CDialog)
ON_WM_PAINT()
END_MESSAGE_MAP()

CQuickSweepDlg::CQuickSweepDlg(UINT templateId, CWnd* parent, const Controls& controls,
                               const CSweepLamps::BitmapIds& lamps)
    : CDialog(templateId, parent), controls_(controls), lamps_(lamps) {}

void CQuickSweepDlg::StartNewSweep() {
    state_ = kStopped;
    UpdateControls();
    RunOrStop();
}

void CQuickSweepDlg::RunOrStop() {
    GetDlgItem(controls_.run)->EnableWindow(TRUE);
    if (running_) {
        stopRequest_ = true;
        return;
    }
    if (!PrepareRun()) return;

    running_ = true;
    stopRequest_ = false;
    state_ = kRunning;
    SetRunCaption();
    EnableControls(false);
    CSweepPace pace;
    SweepRunSteps steps;
    steps.finished = [this] { return IsCurrentFinished(); };
    steps.step = [this](int runs, bool* kept) { *kept = StepCurrent(runs); };
    steps.shown = [this](bool kept) { ShowProgress(kept); };
    steps.nextPhase = [this] {
        if (IsCoarsePhaseOver()) StartFinePhase();
    };
    SweepRunBatches(pace, stopRequest_, steps);
    running_ = false;
    stopRequest_ = false;
    state_ = AreBothPhasesFinished() ? kFinished : kStopped;
    SetRunCaption();
    EnableControls(true);
    UpdateControls();
}

void CQuickSweepDlg::EnableControls(bool enable) {
    for (int id : controls_.presets) GetDlgItem(id)->EnableWindow(enable);
    for (int id : {IDOK, IDCANCEL}) GetDlgItem(id)->EnableWindow(enable);
}

void CQuickSweepDlg::SetRunCaption() { SetDlgItemText(controls_.run, running_ ? "Stop" : "Resume"); }

void CQuickSweepDlg::ShowStatus(bool coarsePhase, int total, int completed, int percent) {
    ShowQuickStatus(this, lamps_, controls_.status, {state_ == kRunning, coarsePhase, total, completed, percent});
}

void CQuickSweepDlg::InitSweepControls(const std::vector<std::pair<int, COLORREF>>& swatches) {
    for (const auto& swatch : swatches) legends_.Add(this, swatch.first, swatch.second);
    // A preset must set the sweep up before it can run.
    GetDlgItem(controls_.run)->EnableWindow(FALSE);
    SetRunCaption();
}

void CQuickSweepDlg::OnPaint() {
    CPaintDC dc(this);
    legends_.Paint(dc);
}

void CQuickSweepDlg::OnOK() {
    if (running_ || !HasKeptResult()) return;
    SaveResults();
    EndDialog(IDOK);
}

void CQuickSweepDlg::OnCancel() {
    if (running_) return;
    CDialog::OnCancel();
}
