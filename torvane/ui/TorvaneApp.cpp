#include "torvane/ui/TorvaneApp.h"

#include "common/Assertion.h"
#include "common/ui/FieldHost.h"
#include "common/ui/ProgramStart.h"
#include "common/ui/SimSpecEditDlg.h"
#include "torvane/document/Iterator.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/ProgramFolder.h"
#include "torvane/services/TorvaneProfile.h"
#include "torvane/services/TorvaneShellServices.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/AppDialogs.h"
#include "torvane/ui/ChildFrame.h"
#include "torvane/ui/EngineFormView.h"
#include "torvane/ui/MainFrame.h"

namespace torvane {

namespace {

const char kAssertModule[] = "Torvane";

const char kPreferences[] = "Preferences";
const char kSuppressLowColor[] = "SuppressLowClrInfoMsg";
const char kHighColorMode[] = "HighColorModeLastUsed";
const char kColorScheme[] = "ColorSchemeNumLastUsed";

const char kManualFolder[] = "\\Manuals & Videos";
const char kManualFile[] = "Torvane-UsersManual.pdf";
const char kProductInfoProgram[] = "\\Product Info\\HalvernProducts.exe";

const unsigned short kErrorBestResultDocument = 66;
const unsigned short kErrorManual = 76;
const unsigned short kErrorProductInfo = 77;

const int kSweepResultSlots = 10;

// A registry value of 0 or 1; anything else gives the default.
int ZeroOrOne(UINT value, int fallback) { return value <= 1 ? static_cast<int>(value) : fallback; }

}  // namespace

BEGIN_MESSAGE_MAP(CTorvaneApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_HELP_USER_MANUAL, OnHelpUserManual)
    ON_COMMAND(ID_PRODUCT_INFO, OnProductInfo)
    ON_COMMAND(ID_CREATE_BEST_RESULT_DOCS, OnCreateBestResultDocs)
    ON_COMMAND(ID_QUICK_ITERATOR_MAIN, OnNothing)
END_MESSAGE_MAP()

CTorvaneApp::CTorvaneApp() {}

BOOL CTorvaneApp::InitInstance() {
    // The program folder; a folder too long to hold is refused.
    if (!ProgramFolderRecord()) {
        ErrCodeShowSystemError(ERROR_FILENAME_EXCED_RANGE);
        return FALSE;
    }
    TorvaneInstallProgramProfile();
    SetFieldColorLookup(AppColorsGetColor);
    SetFieldHoverSound(IDW_HOVER);
    SetFieldEditorResources({IDD_FIELD_EDITOR, IDD_NOTES_EDITOR, IDC_EDITOR_EDIT, IDC_NOTES_EDIT, IDC_EDITOR_CHOICES,
                             IDC_EDITOR_OK, IDB_EDITOR_OK, IDB_EDITOR_CANCEL, IDM_NO_CHOICES});

    CSplashHold splash(IDB_SPLASH, kSplashDisplayMs);

    AfxEnableControlContainer();
    Enable3dControls();
    SetRegistryKey("Halvern");
    LoadStdProfileSettings(4);

    AddDocTemplate(new CMultiDocTemplate(IDR_TORVANE_DOC, RUNTIME_CLASS(CTorvaneDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CEngineFormView)));

    auto* mainFrame = new CMainFrame;
    if (!mainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete mainFrame;
        return FALSE;
    }
    m_pMainWnd = mainFrame;

    // A file named on the command line is not opened.
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    commandLine.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(commandLine)) return FALSE;

    splash.WaitAtLeast(kMinimumSplashMs);
    mainFrame->MaximizeActiveChild();
    mainFrame->SetWorkbookMode(TRUE);
    splash.Close();

    ReadPreferences();
    AppColorsSetScheme(preferences_.colorSchemeLastUsed);
    if (AppColorsIsLowColorDisplay()) {
        AppColorsSetScheme(0);
        if (preferences_.suppressLowColorNotice == 0 || preferences_.highColorModeLastUsed != 0) {
            preferences_.suppressLowColorNotice = 0;
            CLowColorDlg notice;
            notice.DoModal();
            if (notice.GetDontShowAgain()) preferences_.suppressLowColorNotice = 1;
        }
    }

    OnFileNew();

    mainFrame->ShowWindow(SW_SHOWMAXIMIZED);
    mainFrame->UpdateWindow();
    return TRUE;
}

int CTorvaneApp::ExitInstance() {
    preferences_.colorSchemeLastUsed = AppColorsGetScheme();
    WritePreferences();
    return CWinApp::ExitInstance();
}

void CTorvaneApp::ReadPreferences() {
    preferences_.suppressLowColorNotice = ZeroOrOne(GetProfileInt(kPreferences, kSuppressLowColor, 0), 0);
    preferences_.highColorModeLastUsed = ZeroOrOne(GetProfileInt(kPreferences, kHighColorMode, 0), 0);
    // Read as signed: 0xFFFFFFFF is -1, which selects scheme 0 like any other
    // value outside 0..1.
    const int scheme = static_cast<int>(GetProfileInt(kPreferences, kColorScheme, 1));
    preferences_.colorSchemeLastUsed = (scheme == 0 || scheme == 1) ? scheme : 0;
}

void CTorvaneApp::WritePreferences() {
    preferences_.highColorModeLastUsed = AppColorsIsLowColorDisplay() ? 0 : 1;
    WriteProfileInt(kPreferences, kSuppressLowColor, preferences_.suppressLowColorNotice);
    WriteProfileInt(kPreferences, kHighColorMode, preferences_.highColorModeLastUsed);
    WriteProfileInt(kPreferences, kColorScheme, preferences_.colorSchemeLastUsed);
}

void CTorvaneApp::GetProgramFolder(CString& folder) const { ProgramFolderGet(folder); }

void CTorvaneApp::SetBestResultsIterator(CIterator* sweep) {
    APP_ASSERT(sweep != nullptr && GetBestResultsIterator() == nullptr);
    torvane::SetBestResultsIterator(sweep);
    sweepHandedOver_ = true;
}

void CTorvaneApp::MaximizeInWorkbookMode() {
    CMainFrame* frame = GetMainFrame();
    if (frame->IsWorkbookMode()) frame->MaximizeActiveChild();
}

void CTorvaneApp::OnFileNew() {
    CWinApp::OnFileNew();
    MaximizeInWorkbookMode();
}

void CTorvaneApp::OnFileOpen() {
    CWinApp::OnFileOpen();
    MaximizeInWorkbookMode();
}

void CTorvaneApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}

void CTorvaneApp::OnHelpUserManual() {
    CString folder;
    GetProgramFolder(folder);
    APP_ASSERT(!folder.IsEmpty());
    folder += kManualFolder;
    const HINSTANCE result = ::ShellExecuteA(nullptr, "Open", kManualFile, nullptr, folder, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32) ErrCodeShowError(kErrorManual);
}

void CTorvaneApp::OnProductInfo() {
    CString program;
    GetProgramFolder(program);
    program += kProductInfoProgram;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(program, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ErrCodeShowError(kErrorProductInfo);
        return;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
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
    CString title;
    title.Format("Best%d-", slot + 1);
    CString resultTitle = result->GetTitle();
    const int dot = resultTitle.Find('.');
    if (dot >= 0) resultTitle = resultTitle.Left(dot);
    made->SetTitle(title + resultTitle);
    made->SetModifiedFlag(TRUE);
    made->ClearAutoCalcFlags();
    made->RecomputeDerived();
    made->UpdateAllViews(nullptr, 0, nullptr);
}

void CTorvaneApp::OnNothing() {}

}  // namespace torvane
