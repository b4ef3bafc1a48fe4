// CWinApp: the application object.
//
// A program has one, as a global object; constructing it makes it the
// application that AfxGetApp returns (and destroying it unregisters it, so a
// test may make one, use it and let it go). The program's entry point runs
// InitInstance and then the message loop (AfxWinMain).
//
// Profile functions keep settings under HKEY_CURRENT_USER\Software\<key>\<app>
// once SetRegistryKey has named the key; before that they use <app>.INI in
// the Windows folder.
#pragma once

#include <windows.h>
#include <commdlg.h>

#include "Lists.h"
#include "RecentFileList.h"
#include "WinThread.h"

class CDocTemplate;
class CDocument;
class CPrintDialog;
class CCmdUI;
class CCommandLineInfo;

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)

public:
    // The name defaults to the string resource AFX_IDS_APP_TITLE, then to
    // the program file's name.
    explicit CWinApp(LPCSTR appName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance;
    LPSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCSTR m_pszAppName = nullptr;
    LPCSTR m_pszExeName = nullptr;
    LPCSTR m_pszRegistryKey = nullptr;
    LPCSTR m_pszProfileName = nullptr;
    CRecentFileList* m_pRecentFileList = nullptr;
    // Pages print preview shows at once, kept in the profile's "Settings".
    UINT m_nNumPreviewPages = 0;

    virtual BOOL InitApplication();
    int ExitInstance() override;
    BOOL OnIdle(LONG count) override;

    // Old-system switches: present for the start-up code, nothing to do.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    // Profile.
    void SetRegistryKey(LPCSTR key);
    void SetRegistryKey(UINT keyStringId);
    // HKCU\Software\<key>\<app> (created), or null without a registry key;
    // the caller closes it.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCSTR section);
    UINT GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue);
    BOOL WriteProfileInt(LPCSTR section, LPCSTR entry, int value);
    CString GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue = nullptr);
    // A null entry deletes the section, a null value deletes the entry.
    BOOL WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value);
    // `*data` is allocated with new[]; the caller deletes it.
    BOOL GetProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE* data, UINT* bytes);
    BOOL WriteProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE data, UINT bytes);
    // Reads the recent-file list (of `maxRecentFiles` entries) and "Settings".
    void LoadStdProfileSettings(UINT maxRecentFiles = 4);
    void SaveStdProfileSettings();

    // Documents.
    void AddDocTemplate(CDocTemplate* docTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate* GetNextDocTemplate(POSITION& position) const;
    virtual CDocument* OpenDocumentFile(LPCSTR fileName);
    virtual void AddToRecentFileList(LPCSTR pathName);
    // Asks for a file name with the templates' filters; FALSE on Cancel.
    virtual BOOL DoPromptFileName(CString& fileName, UINT titleId, DWORD flags, BOOL openFileDialog,
                                  CDocTemplate* docTemplate);
    BOOL SaveAllModified();
    void CloseAllDocuments(BOOL endSession);
    int GetOpenDocumentCount();

    // Command line.
    void ParseCommandLine(CCommandLineInfo& info);
    BOOL ProcessShellCommand(CCommandLineInfo& info);

    // Resources.
    HICON LoadIcon(LPCSTR resourceName) const;
    HICON LoadIcon(UINT resourceId) const { return LoadIcon(MAKEINTRESOURCEA(resourceId)); }
    HICON LoadStandardIcon(LPCSTR iconName) const { return ::LoadIconA(nullptr, iconName); }
    HCURSOR LoadCursor(LPCSTR resourceName) const;
    HCURSOR LoadCursor(UINT resourceId) const { return LoadCursor(MAKEINTRESOURCEA(resourceId)); }
    HCURSOR LoadStandardCursor(LPCSTR cursorName) const { return ::LoadCursorA(nullptr, cursorName); }

    // Wait cursor, counted: each Begin needs an End.
    void BeginWaitCursor() { DoWaitCursor(1); }
    void EndWaitCursor() { DoWaitCursor(-1); }
    void RestoreWaitCursor() { DoWaitCursor(0); }
    virtual void DoWaitCursor(int change);

    // The message box behind AfxMessageBox.
    virtual int DoMessageBox(LPCSTR text, UINT type, UINT helpId);

    // The printer every job uses: the one last chosen in Print Setup or a
    // print dialog, else the default printer. The application owns the two
    // records; dialogs and jobs get copies.
    HGLOBAL m_hDevMode = nullptr;
    HGLOBAL m_hDevNames = nullptr;
    // Fills `pd` with copies of the application's printer (the default
    // printer the first time); FALSE when there is no printer.
    BOOL GetPrinterDeviceDefaults(PRINTDLGA* pd);
    // Shows a print or print set-up dialog on the application's printer;
    // on OK the printer and settings chosen become the application's.
    virtual INT_PTR DoPrintDialog(CPrintDialog* dialog);
    // Makes these records (owned from now on) the application's printer.
    void SelectPrinter(HGLOBAL devNames, HGLOBAL devMode);

    // Command handlers.
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    afx_msg void OnAppExit();
    // The print set-up dialog (ID_FILE_PRINT_SETUP).
    afx_msg void OnFilePrintSetup();
    afx_msg BOOL OnOpenRecentFile(UINT id);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI* cmdUI);

protected:
    DECLARE_MESSAGE_MAP()

private:
    void SetAppName(LPCSTR appName);
    // The INI file the profile uses without a registry key.
    CString ProfileFile() const;

    CPtrList templates_;
    CString appName_;
    CString exeName_;
    CString registryKey_;
    int waitCursorCount_ = 0;
    HCURSOR cursorBeforeWait_ = nullptr;
};

// The application object, or null when there is none.
CWinApp* AfxGetApp();
LPCSTR AfxGetAppName();

// A message box owned by the application's active window, with the
// application's name as caption.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT textId, UINT type = MB_OK, UINT helpId = (UINT)-1);

// Control containment is not needed by these programs; kept for start-up code.
inline void AfxEnableControlContainer() {}

// Start-up of a program: records the module and command line.
BOOL AfxWinInit(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
// Runs the application object: InitInstance, then the message loop.
int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

// Shows the wait cursor for its lifetime.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};
