#include "quillet/ui/QuilletApp.h"

#include "common/ui/ProgramStart.h"
#include "quillet/document/QuilletCommands.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/QuilletResources.h"
#include "quillet/services/QuilletProfile.h"
#include "quillet/ui/ChildFrame.h"
#include "quillet/ui/MainFrame.h"
#include "quillet/ui/PendingView.h"

namespace quillet {

BEGIN_MESSAGE_MAP(CQuilletApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_TIMER1_COMMAND, OnNothing)
    ON_COMMAND(kCmdIteratorNoOp, OnNothing)
END_MESSAGE_MAP()

CQuilletApp::CQuilletApp() {}

BOOL CQuilletApp::InitInstance() {
    QuilletInstallProgramProfile();
    CSplashHold splash(IDB_SPLASH, kSplashDisplayMs);

    AfxEnableControlContainer();
    Enable3dControls();
    SetRegistryKey("Halvern");
    LoadStdProfileSettings(4);

    AddDocTemplate(new CMultiDocTemplate(IDR_QUILLET_DOC, RUNTIME_CLASS(CQuilletDoc), RUNTIME_CLASS(CChildFrame),
                                         RUNTIME_CLASS(CPendingView)));

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

    OnFileNew();

    mainFrame->ShowWindow(SW_SHOWMAXIMIZED);
    mainFrame->UpdateWindow();
    return TRUE;
}

void CQuilletApp::MaximizeInWorkbookMode() {
    CMainFrame* frame = GetMainFrame();
    if (frame->IsWorkbookMode()) frame->MaximizeActiveChild();
}

void CQuilletApp::OnFileNew() {
    CWinApp::OnFileNew();
    MaximizeInWorkbookMode();
}

void CQuilletApp::OnFileOpen() {
    CWinApp::OnFileOpen();
    MaximizeInWorkbookMode();
}

void CQuilletApp::OnNothing() {}

}  // namespace quillet
