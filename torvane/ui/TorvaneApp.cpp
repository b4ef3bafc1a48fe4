#include "torvane/ui/TorvaneApp.h"

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/ui/FieldHost.h"
#include "common/ui/SimSpecEditDlg.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/results/sweep/ItrQuickDlg.h"
#include "torvane/results/sweep/ItrProDlg.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneProfile.h"
#include "torvane/services/TorvaneShellServices.h"
#include "torvane/ui/AirFlowDlg.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/CamDlg.h"
#include "torvane/ui/CamMathDlg.h"
#include "torvane/ui/CamTypeDlg.h"
#include "torvane/ui/ChildFrame.h"
#include "torvane/ui/EngineFormView.h"
#include "torvane/ui/MainFrame.h"

namespace torvane {

namespace {

const char kAssertModule[] = "Torvane";

const unsigned short kErrorBestResultDocument = 66;
const unsigned short kErrorManual = 76;
const unsigned short kErrorProductInfo = 77;

const int kSweepResultSlots = 10;

// The engine program's error messages, as the shared application shows them.
void ShowError(unsigned short code) { ErrCodeShowError(code); }

const ProgramAppValues kAppValues = {
    IDB_SPLASH,
    IDR_MAINFRAME,
    {IDD_ABOUT, IDC_ABOUT_VERSION, IDC_ABOUT_DATE, IDC_ABOUT_CONTRIBUTORS, IDC_ABOUT_COPYRIGHT, IDC_ABOUT_DISCLAIMER,
     IDC_ABOUT_COPY_WARNING},
    {IDD_LOW_COLOR_NOTICE, IDC_DONT_SHOW_AGAIN, IDC_NOTICE_ICON},
    "Torvane-UsersManual.pdf",
    ShowError,
    kErrorManual,
    kErrorProductInfo,
};

}  // namespace

BEGIN_MESSAGE_MAP(CTorvaneApp, CSimulatorApp)
    ON_COMMAND(ID_CREATE_BEST_RESULT_DOCS, OnCreateBestResultDocs)
    ON_COMMAND(ID_QUICK_ITERATOR_MAIN, OnNothing)
END_MESSAGE_MAP()

CTorvaneApp::CTorvaneApp() : CSimulatorApp(kAppValues) {}

BOOL CTorvaneApp::InitInstance() {
    TorvaneInstallProgramProfile();
    SetFieldColorLookup(AppColorsGetColor);
    SetFieldHoverSound(IDW_HOVER);
    SetFieldEditorResources({IDD_FIELD_EDITOR, IDD_NOTES_EDITOR, IDC_EDITOR_EDIT, IDC_NOTES_EDIT, IDC_EDITOR_CHOICES,
                             IDC_EDITOR_OK, IDB_EDITOR_OK, IDB_EDITOR_CANCEL, IDM_NO_CHOICES});
    ComponentDialogs dialogs;
    dialogs.editAirflow = EditAirflowData;
    dialogs.chooseCamTypeName = ChooseCamTypeName;
    dialogs.manageCam = ManageCam;
    dialogs.calculateCamEvents = CalculateCamEvents;
    dialogs.runQuickIterator = [](CIterator& coarse, CIterator& fine) {
        CItrQuickDlg dialog(&coarse, &fine, AfxGetMainWnd());
        return dialog.DoModal() == IDOK;
    };
    dialogs.runSweepDialog = [](CIterator& coarse, CIterator& fine) {
        CItrProDlg dialog(&coarse, &fine, AfxGetMainWnd());
        return dialog.DoModal() == IDOK;
    };
    dialogs.openMarkedResults = [this](CIterator& sweep) {
        SetBestResultsIterator(&sweep);
        GetMainFrame()->SetTimer(kTimerBestResults, kBestResultsTimerMs, nullptr);
    };
    InstallComponentDialogs(dialogs);
    return StartProgram(new CMultiDocTemplate(IDR_TORVANE_DOC, RUNTIME_CLASS(CTorvaneDoc), RUNTIME_CLASS(CChildFrame),
                                              RUNTIME_CLASS(CEngineFormView)),
                        new CMainFrame);
}

void CTorvaneApp::SetBestResultsIterator(CIterator* sweep) {
    APP_ASSERT(sweep != nullptr && GetBestResultsIterator() == nullptr);
    torvane::SetBestResultsIterator(sweep);
    sweepHandedOver_ = true;
}

void CTorvaneApp::OnCreateBestResultDocs() {
    CWaitCursor wait;
    CIterator* sweep = GetBestResultsIterator();
    if (sweep == nullptr && sweepHandedOver_) {
        // Its document was closed and took the sweep with it.
        sweepHandedOver_ = false;
        return;
    }
    APP_ASSERT(sweep != nullptr);
    int slot = 0;
    while (slot < kSweepResultSlots && !sweep->IsResultMarked(slot)) ++slot;
    if (slot == kSweepResultSlots) {
        ClearBestResultsIterator();
        sweepHandedOver_ = false;
        return;
    }
    sweep->SetResultMarked(slot, false);
    OpenBestResult(*sweep, slot);
    GetMainFrame()->SetTimer(kTimerBestResults, kBestResultsTimerMs, nullptr);
}

void CTorvaneApp::OpenBestResult(CIterator& sweep, int slot) {
    TorvaneDocClearLastCreated();
    OnFileNew();
    CTorvaneDoc* made = TorvaneDocGetLastCreated();
    TorvaneDocClearLastCreated();
    if (made == nullptr || !TorvaneDocIsValid(made)) {
        ErrCodeShowError(kErrorBestResultDocument);
        return;
    }
    CTorvaneDoc* result = sweep.GetResultDoc(slot);
    APP_ASSERT(result != nullptr);
    if (result->cam.primary.method.IsSet() && result->cam.primary.method.GetValue() == kSeatToSeat)
        made->cam.SetSeatToSeatLimits();
    else
        made->cam.Set050InchLimits();
    result->CopyEngineTo(*made);
    made->SetTitle(UtilBestResultTitle(slot, result->GetTitle()));
    made->SetModifiedFlag(TRUE);
    made->ClearAutoCalcFlags();
    made->RecomputeDerived();
    made->UpdateAllViews(nullptr, 0, nullptr);
}

}  // namespace torvane
