#include "common/ui/SimulatorApp.h"

#include <shellapi.h>

#include "common/Assertion.h"
#include "common/MessageTable.h"
#include "common/ProgramFolder.h"
#include "common/ui/ColorSchemes.h"
#include "common/ui/ProgramStart.h"
#include "toolkit/Workbook.h"

namespace {

const char kAssertModule[] = "App";

const char kPreferences[] = "Preferences";
const char kSuppressLowColor[] = "SuppressLowClrInfoMsg";
const char kHighColorMode[] = "HighColorModeLastUsed";
const char kColorScheme[] = "ColorSchemeNumLastUsed";

const char kManualFolder[] = "\\Manuals & Videos";
const char kProductInfoProgram[] = "\\Product Info\\HalvernProducts.exe";

// A registry value of 0 or 1; anything else gives the default.
int ZeroOrOne(UINT value, int fallback) { return value <= 1 ? static_cast<int>(value) : fallback; }

}  // namespace

BEGIN_MESSAGE_MAP(CSimulatorApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnFilePrintSetup)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(kCmdHelpUserManual, OnHelpUserManual)
    ON_COMMAND(kCmdProductInfo, OnProductInfo)
END_MESSAGE_MAP()

CSimulatorApp::CSimulatorApp(const ProgramAppValues& values) : values_(values) {}

BOOL CSimulatorApp::StartProgram(CDocTemplate* documentTemplate, SECWorkbook* mainFrame) {
    // The program folder; a folder too long to hold is refused.
    if (!ProgramFolderRecord()) {
        ShowSystemErrorMessage(ERROR_FILENAME_EXCED_RANGE);
        delete documentTemplate;
        delete mainFrame;
        return FALSE;
    }
    CSplashHold splash(values_.splashBitmap, kSplashDisplayMs);

    AfxEnableControlContainer();
    Enable3dControls();
    SetRegistryKey("Halvern");
    LoadStdProfileSettings(4);

    AddDocTemplate(documentTemplate);

    if (!mainFrame->LoadFrame(values_.mainFrame, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete mainFrame;
        return FALSE;
    }
    m_pMainWnd = mainFrame;
    frame_ = mainFrame;

    // A file named on the command line is not opened.
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    commandLine.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(commandLine)) return FALSE;

    splash.WaitAtLeast(kMinimumSplashMs);
    MaximizeActiveMdiChild(*mainFrame);
    mainFrame->SetWorkbookMode(TRUE);
    splash.Close();

    ApplyDisplayPreferences();

    OnFileNew();

    mainFrame->ShowWindow(SW_SHOWMAXIMIZED);
    mainFrame->UpdateWindow();
    return TRUE;
}

void CSimulatorApp::ApplyDisplayPreferences() {
    ReadPreferences();
    AppColorsSetScheme(preferences_.colorSchemeLastUsed);
    if (!AppColorsIsLowColorDisplay()) return;
    AppColorsSetScheme(0);
    if (preferences_.suppressLowColorNotice == 0 || preferences_.highColorModeLastUsed != 0) {
        preferences_.suppressLowColorNotice = 0;
        CLowColorDlg notice(values_.lowColorNotice);
        notice.DoModal();
        if (notice.GetDontShowAgain()) preferences_.suppressLowColorNotice = 1;
    }
}

int CSimulatorApp::ExitInstance() {
    preferences_.colorSchemeLastUsed = AppColorsGetScheme();
    WritePreferences();
    return CWinApp::ExitInstance();
}

void CSimulatorApp::ReadPreferences() {
    preferences_.suppressLowColorNotice = ZeroOrOne(GetProfileInt(kPreferences, kSuppressLowColor, 0), 0);
    preferences_.highColorModeLastUsed = ZeroOrOne(GetProfileInt(kPreferences, kHighColorMode, 0), 0);
    // Read as signed: 0xFFFFFFFF is -1, which selects scheme 0 like any other
    // value outside 0..1.
    const int scheme = static_cast<int>(GetProfileInt(kPreferences, kColorScheme, 1));
    preferences_.colorSchemeLastUsed = (scheme == 0 || scheme == 1) ? scheme : 0;
}

void CSimulatorApp::WritePreferences() {
    preferences_.highColorModeLastUsed = AppColorsIsLowColorDisplay() ? 0 : 1;
    WriteProfileInt(kPreferences, kSuppressLowColor, preferences_.suppressLowColorNotice);
    WriteProfileInt(kPreferences, kHighColorMode, preferences_.highColorModeLastUsed);
    WriteProfileInt(kPreferences, kColorScheme, preferences_.colorSchemeLastUsed);
}

void CSimulatorApp::GetProgramFolder(CString& folder) const { ProgramFolderGet(folder); }

void CSimulatorApp::MaximizeInWorkbookMode() {
    APP_ASSERT(frame_ != nullptr);
    if (frame_->IsWorkbookMode()) MaximizeActiveMdiChild(*frame_);
}

void CSimulatorApp::OnFileNew() {
    CWinApp::OnFileNew();
    MaximizeInWorkbookMode();
}

void CSimulatorApp::OnFileOpen() {
    CWinApp::OnFileOpen();
    MaximizeInWorkbookMode();
}

void CSimulatorApp::OnAppAbout() {
    CAboutDlg about(values_.about);
    about.DoModal();
}

void CSimulatorApp::OnHelpUserManual() {
    CString folder;
    GetProgramFolder(folder);
    APP_ASSERT(!folder.IsEmpty());
    folder += kManualFolder;
    const HINSTANCE result = ::ShellExecuteA(nullptr, "Open", values_.manualFile, nullptr, folder, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) <= 32) values_.showError(values_.manualError);
}

void CSimulatorApp::OnProductInfo() {
    CString program;
    GetProgramFolder(program);
    program += kProductInfoProgram;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process = {};
    if (!::CreateProcessA(program, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        values_.showError(values_.productInfoError);
        return;
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

void CSimulatorApp::OnNothing() {}
