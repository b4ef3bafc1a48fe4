#include "quillet/ui/QuilletApp.h"

#include "common/Assertion.h"
#include "common/Util.h"
#include "common/ui/FieldHost.h"
#include "common/ui/SimSpecEditDlg.h"
#include "quillet/document/Iterator.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/services/ErrCode.h"
#include "quillet/services/QuilletProfile.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/ChildFrame.h"
#include "quillet/ui/MainFrame.h"
#include "quillet/ui/ProgramDocHost.h"
#include "quillet/ui/QuilletChartCatalogue.h"
#include "quillet/ui/QuilletSpecsFormView.h"

namespace quillet {

namespace {

const char kAssertModule[] = "QuilletApp.cpp";

const unsigned short kErrorBestResultDocument = 90;
const unsigned short kErrorManual = 100;
const unsigned short kErrorProductInfo = 101;

const ProgramAppValues kAppValues = {
    IDB_SPLASH,
    IDR_MAINFRAME,
    {IDD_ABOUT, IDC_ABOUT_VERSION, IDC_ABOUT_DATE, IDC_ABOUT_CONTRIBUTORS, IDC_ABOUT_COPYRIGHT, IDC_ABOUT_DISCLAIMER,
     IDC_ABOUT_COPY_WARNING},
    {IDD_LOW_COLOR_NOTICE, IDC_DONT_SHOW_AGAIN, IDC_NOTICE_ICON},
    "Quillet-UsersManual.pdf",
    ErrCodeShowError,
    kErrorManual,
    kErrorProductInfo,
};

}  // namespace

BEGIN_MESSAGE_MAP(CQuilletApp, CSimulatorApp)
    ON_COMMAND(ID_TIMER1_COMMAND, OnNothing)
    ON_COMMAND(kCmdIteratorNoOp, OnNothing)
    ON_COMMAND(ID_CREATE_BEST_RESULT_DOCS, OnCreateBestResultDocs)
END_MESSAGE_MAP()

CQuilletApp::CQuilletApp() : CSimulatorApp(kAppValues) {}

BOOL CQuilletApp::InitInstance() {
    QuilletInstallProgramProfile();
    QuilletInstallChartCatalogue();
    QuilletSetDocHost(&ProgramDocHost());
    SetFieldColorLookup(AppColorsGetColor);
    SetFieldHoverSound(IDW_HOVER);
    SetFieldEditorResources({IDD_FIELD_EDITOR, IDD_NOTES_EDITOR, IDC_EDITOR_EDIT, IDC_NOTES_EDIT, IDC_EDITOR_CHOICES,
                             IDC_EDITOR_OK, IDB_EDITOR_OK, IDB_EDITOR_CANCEL, IDM_NO_CHOICES});
    return StartProgram(new CMultiDocTemplate(IDR_QUILLET_DOC, RUNTIME_CLASS(CQuilletDoc), RUNTIME_CLASS(CChildFrame),
                                              RUNTIME_CLASS(CQuilletSpecsFormView)),
                        new CMainFrame);
}

void CQuilletApp::OnCreateBestResultDocs() {
    CWaitCursor wait;
    CProgramDocHost& host = ProgramDocHost();
    CIterator* sweep = host.GetBestResultsIterator();
    // A sweep whose document was closed went with it.
    if (sweep == nullptr) return;
    int slot = 0;
    while (slot < kIterResultCount && !sweep->IsResultMarked(slot)) ++slot;
    if (slot == kIterResultCount) {
        host.ClearBestResultsIterator();
        return;
    }
    sweep->SetResultMarked(slot, false);
    OpenBestResult(*sweep, slot);
    m_pMainWnd->SetTimer(kTimerBestResults, kBestResultsTimerMs, nullptr);
}

void CQuilletApp::OpenBestResult(CIterator& sweep, int slot) {
    OnFileNew();
    CQuilletDoc* made = QuilletDocGetLastCreated();
    if (made == nullptr || !QuilletDocIsValid(made)) {
        ErrCodeShowError(kErrorBestResultDocument);
        return;
    }
    const CQuilletDoc* result = sweep.GetResultDoc(slot);
    APP_ASSERT(result != nullptr);
    result->CopyVehicleTo(made);
    made->SetTitle(UtilBestResultTitle(slot, result->GetTitle()));
    made->SetModifiedFlag(TRUE);
    made->UpdateBarometerFromElevation();
    made->UpdateAllViews(nullptr, 0, nullptr);
}

}  // namespace quillet
