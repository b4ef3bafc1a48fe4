#include "quillet/ui/ProgramDocHost.h"

#include "common/Assertion.h"
#include "common/ui/SimSpecEditDlg.h"
#include "quillet/ui/PowerCurveDlg.h"
#include "quillet/ui/TractionDlg.h"
#include "quillet/ui/sweep/ItrProDlg.h"
#include "quillet/ui/sweep/ItrQuickDlg.h"

namespace quillet {

static const char kAssertModule[] = "ProgramDocHost.cpp";

bool CProgramDocHost::IsEditorOpen() { return CSimSpecEditDlg::IsEditorOpen(); }

void CProgramDocHost::PostCommitToOpenEditor() { CSimSpecEditDlg::PostCommitToOpenEditor(); }

bool CProgramDocHost::RunQuickIterator(CIterator& coarse, CIterator& fine) {
    CItrQuickDlg dialog(&coarse, &fine, AfxGetMainWnd());
    return dialog.DoModal() == IDOK;
}

bool CProgramDocHost::RunProIterator(CIterator& coarse, CIterator& fine) {
    CItrProDlg dialog(&coarse, &fine, AfxGetMainWnd());
    return dialog.DoModal() == IDOK;
}

bool CProgramDocHost::EditPowerCurve(CPowerCurve& curve, CString& description) {
    CPowerCurveDlg dialog(&curve, description, AfxGetMainWnd());
    if (dialog.DoModal() != IDOK) return false;
    dialog.GetDescription(description);
    return true;
}

bool CProgramDocHost::RunTractionCalculator(CQuilletDoc& doc) {
    CTractionDlg dialog(&doc, AfxGetMainWnd());
    return dialog.DoModal() == IDOK;
}

void CProgramDocHost::SetBestResultsIterator(CIterator& iterator) {
    APP_ASSERT(bestResults_ == nullptr);
    bestResults_ = &iterator;
    CWnd* mainFrame = AfxGetMainWnd();
    if (mainFrame != nullptr && mainFrame->GetSafeHwnd() != nullptr)
        mainFrame->SetTimer(kTimerBestResults, kBestResultsTimerMs, nullptr);
}

void CProgramDocHost::DropBestResultsIterator(CIterator& iterator) {
    if (bestResults_ == &iterator) bestResults_ = nullptr;
}

CProgramDocHost& ProgramDocHost() {
    static CProgramDocHost host;
    return host;
}

}  // namespace quillet
