#include "WinApp.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "CmdUI.h"
#include "CommandLineInfo.h"
#include "DocTemplate.h"
#include "FileDialog.h"
#include "WindowMessages.h"
#include "Wnd.h"

namespace {

CWinApp* currentApp = nullptr;

const char kRecentFileSection[] = "Recent File List";
const char kRecentFileEntry[] = "File%d";
const char kSettingsSection[] = "Settings";
const char kPreviewPagesEntry[] = "PreviewPages";

// An open registry key that closes itself.
class RegistryKey {
public:
    explicit RegistryKey(HKEY key = nullptr) : key_(key) {}
    ~RegistryKey() {
        if (key_) ::RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_;
};

HKEY CreateSubKey(HKEY parent, LPCSTR name) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(parent, name, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE,
                          nullptr, &key, &disposition) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR appName) : m_hInstance(AfxGetInstanceHandle()) {
    ASSERT(currentApp == nullptr);
    currentApp = this;

    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CString exe = path;
    exe = exe.Mid(exe.ReverseFind('\\') + 1);
    int dot = exe.ReverseFind('.');
    if (dot > 0) exe = exe.Left(dot);
    exeName_ = exe;
    m_pszExeName = exeName_;
    SetAppName(appName);
}

CWinApp::~CWinApp() {
    SelectPrinter(nullptr, nullptr);
    delete m_pRecentFileList;
    for (POSITION at = templates_.GetHeadPosition(); at;)
        delete static_cast<CDocTemplate*>(templates_.GetNext(at));
    if (currentApp == this) currentApp = nullptr;
}

void CWinApp::SetAppName(LPCSTR appName) {
    if (appName) {
        appName_ = appName;
    } else {
        char title[256] = {};
        if (::LoadStringA(AfxGetResourceHandle(), AFX_IDS_APP_TITLE, title, sizeof title) > 0) appName_ = title;
        else appName_ = exeName_;
    }
    m_pszAppName = appName_;
    m_pszProfileName = m_pszAppName;
}

BOOL CWinApp::InitApplication() { return TRUE; }

int CWinApp::ExitInstance() {
    if (m_pRecentFileList) SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

BOOL CWinApp::OnIdle(LONG count) { return CWinThread::OnIdle(count); }

// Profile

void CWinApp::SetRegistryKey(LPCSTR key) {
    registryKey_ = key;
    m_pszRegistryKey = registryKey_;
    m_pszProfileName = m_pszAppName;
}

void CWinApp::SetRegistryKey(UINT keyStringId) {
    CString key;
    VERIFY(key.LoadString(keyStringId));
    SetRegistryKey(key);
}

HKEY CWinApp::GetAppRegistryKey() {
    if (!m_pszRegistryKey) return nullptr;
    RegistryKey software(CreateSubKey(HKEY_CURRENT_USER, "Software"));
    if (!software) return nullptr;
    RegistryKey company(CreateSubKey(software.get(), m_pszRegistryKey));
    if (!company) return nullptr;
    return CreateSubKey(company.get(), m_pszProfileName);
}

HKEY CWinApp::GetSectionKey(LPCSTR section) {
    RegistryKey app(GetAppRegistryKey());
    if (!app) return nullptr;
    return CreateSubKey(app.get(), section);
}

CString CWinApp::ProfileFile() const {
    CString file = m_pszProfileName;
    return file + ".INI";
}

UINT CWinApp::GetProfileInt(LPCSTR section, LPCSTR entry, int defaultValue) {
    if (!m_pszRegistryKey) return ::GetPrivateProfileIntA(section, entry, defaultValue, ProfileFile());
    RegistryKey key(GetSectionKey(section));
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    if (!key || ::RegQueryValueExA(key.get(), entry, nullptr, &type, reinterpret_cast<LPBYTE>(&value),
                                   &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(defaultValue);
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCSTR section, LPCSTR entry, int value) {
    if (!m_pszRegistryKey) {
        CString text;
        text.Format("%d", value);
        return ::WritePrivateProfileStringA(section, entry, text, ProfileFile());
    }
    RegistryKey key(GetSectionKey(section));
    DWORD stored = static_cast<DWORD>(value);
    return key && ::RegSetValueExA(key.get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                                   sizeof stored) == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultValue) {
    if (!defaultValue) defaultValue = "";
    if (!m_pszRegistryKey) {
        char text[4096] = {};
        ::GetPrivateProfileStringA(section, entry, defaultValue, text, sizeof text, ProfileFile());
        return text;
    }
    RegistryKey key(GetSectionKey(section));
    DWORD type = 0;
    DWORD size = 0;
    if (!key || ::RegQueryValueExA(key.get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return defaultValue;
    CString value;
    LPSTR buffer = value.GetBuffer(static_cast<int>(size) + 1);
    DWORD read = size;
    if (::RegQueryValueExA(key.get(), entry, nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &read) != ERROR_SUCCESS)
        read = 0;
    buffer[read < size + 1 ? read : size] = '\0';
    value.ReleaseBuffer();
    return value;
}

BOOL CWinApp::WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value) {
    if (!m_pszRegistryKey) return ::WritePrivateProfileStringA(section, entry, value, ProfileFile());
    if (!entry) {
        RegistryKey app(GetAppRegistryKey());
        return app && ::RegDeleteKeyA(app.get(), section) == ERROR_SUCCESS;
    }
    RegistryKey key(GetSectionKey(section));
    if (!key) return FALSE;
    if (!value) return ::RegDeleteValueA(key.get(), entry) == ERROR_SUCCESS;
    return ::RegSetValueExA(key.get(), entry, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                            static_cast<DWORD>(std::strlen(value) + 1)) == ERROR_SUCCESS;
}

BOOL CWinApp::GetProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE* data, UINT* bytes) {
    *data = nullptr;
    *bytes = 0;
    if (!m_pszRegistryKey) {
        // Stored in the INI file as hex digits, two per byte.
        CString text = GetProfileString(section, entry);
        if (text.IsEmpty() || text.GetLength() % 2 != 0) return FALSE;
        *bytes = static_cast<UINT>(text.GetLength() / 2);
        *data = new BYTE[*bytes];
        for (UINT i = 0; i < *bytes; ++i)
            (*data)[i] = static_cast<BYTE>(std::strtoul(text.Mid(static_cast<int>(i) * 2, 2), nullptr, 16));
        return TRUE;
    }
    RegistryKey key(GetSectionKey(section));
    DWORD type = 0;
    DWORD size = 0;
    if (!key || ::RegQueryValueExA(key.get(), entry, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_BINARY)
        return FALSE;
    *data = new BYTE[size ? size : 1];
    if (::RegQueryValueExA(key.get(), entry, nullptr, &type, *data, &size) != ERROR_SUCCESS) {
        delete[] *data;
        *data = nullptr;
        return FALSE;
    }
    *bytes = size;
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCSTR section, LPCSTR entry, LPBYTE data, UINT bytes) {
    if (!m_pszRegistryKey) {
        CString text;
        for (UINT i = 0; i < bytes; ++i) text.AppendFormat("%02X", data[i]);
        return WriteProfileString(section, entry, text);
    }
    RegistryKey key(GetSectionKey(section));
    return key && ::RegSetValueExA(key.get(), entry, 0, REG_BINARY, data, bytes) == ERROR_SUCCESS;
}

void CWinApp::LoadStdProfileSettings(UINT maxRecentFiles) {
    ASSERT(maxRecentFiles <= ID_FILE_MRU_FILE16 - ID_FILE_MRU_FILE1 + 1);
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (maxRecentFiles > 0) {
        m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FILE1, kRecentFileSection, kRecentFileEntry,
                                                static_cast<int>(maxRecentFiles));
        m_pRecentFileList->ReadList();
    }
    m_nNumPreviewPages = GetProfileInt(kSettingsSection, kPreviewPagesEntry, 0);
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList) m_pRecentFileList->WriteList();
    if (m_nNumPreviewPages != 0)
        WriteProfileInt(kSettingsSection, kPreviewPagesEntry, static_cast<int>(m_nNumPreviewPages));
}

// Documents

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
    ASSERT(docTemplate != nullptr);
    docTemplate->LoadTemplate();  // its shared menu and accelerators
    templates_.AddTail(docTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const { return templates_.GetHeadPosition(); }

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& position) const {
    return static_cast<CDocTemplate*>(templates_.GetNext(position));
}

CDocument* CWinApp::OpenDocumentFile(LPCSTR fileName) {
    // The template that knows the file best opens it; an open document of
    // that file is only brought forward.
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocument* openDocument = nullptr;
    for (POSITION at = GetFirstDocTemplatePosition(); at;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(at);
        CDocument* matched = nullptr;
        CDocTemplate::Confidence match = docTemplate->MatchDocType(fileName, matched);
        if (match > bestMatch) {
            bestMatch = match;
            best = docTemplate;
            openDocument = matched;
        }
        if (match == CDocTemplate::yesAlreadyOpen) break;
    }
    if (bestMatch == CDocTemplate::yesAlreadyOpen) return openDocument;
    if (!best) {
        AfxMessageBox("No document type can open this file.", MB_ICONEXCLAMATION);
        return nullptr;
    }
    return best->OpenDocumentFile(fileName);
}

void CWinApp::AddToRecentFileList(LPCSTR pathName) {
    if (m_pRecentFileList) m_pRecentFileList->Add(pathName);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT titleId, DWORD flags, BOOL openFileDialog,
                               CDocTemplate* docTemplate) {
    // One filter per template (or only the given one), then all files.
    CString filter;
    CString defaultExtension;
    auto addFilter = [&](CDocTemplate* each) {
        CString name;
        CString extension;
        if (!each->GetDocString(name, CDocTemplate::filterName) || name.IsEmpty() ||
            !each->GetDocString(extension, CDocTemplate::filterExt) || extension.IsEmpty())
            return;
        if (defaultExtension.IsEmpty()) defaultExtension = extension.Mid(extension[0] == '.' ? 1 : 0);
        filter += name + "|*" + extension + "|";
    };
    if (docTemplate) {
        addFilter(docTemplate);
    } else {
        for (POSITION at = GetFirstDocTemplatePosition(); at;) addFilter(GetNextDocTemplate(at));
    }
    filter += "All Files (*.*)|*.*||";

    CFileDialog dialog(openFileDialog, defaultExtension.IsEmpty() ? nullptr : static_cast<LPCSTR>(defaultExtension),
                       fileName, flags | OFN_HIDEREADONLY, filter);
    CString title;
    if (!titleId || !title.LoadString(titleId)) title = openFileDialog ? "Open" : "Save As";
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK) return FALSE;
    fileName = dialog.GetPathName();
    return TRUE;
}

BOOL CWinApp::SaveAllModified() {
    for (POSITION at = GetFirstDocTemplatePosition(); at;)
        if (!GetNextDocTemplate(at)->SaveAllModified()) return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL endSession) {
    for (POSITION at = GetFirstDocTemplatePosition(); at;) GetNextDocTemplate(at)->CloseAllDocuments(endSession);
}

int CWinApp::GetOpenDocumentCount() {
    int count = 0;
    for (POSITION at = GetFirstDocTemplatePosition(); at;) {
        CDocTemplate* docTemplate = GetNextDocTemplate(at);
        for (POSITION doc = docTemplate->GetFirstDocPosition(); doc; docTemplate->GetNextDoc(doc)) ++count;
    }
    return count;
}

void CWinApp::OnFileNew() {
    // With several templates the first one serves: the programs have one.
    POSITION at = GetFirstDocTemplatePosition();
    if (!at) return;
    GetNextDocTemplate(at)->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    CString fileName;
    if (!DoPromptFileName(fileName, 0, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr)) return;
    OpenDocumentFile(fileName);
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT id) {
    if (!m_pRecentFileList) return FALSE;
    int index = static_cast<int>(id - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize()) return FALSE;
    CString path = (*m_pRecentFileList)[index];
    if (path.IsEmpty()) return FALSE;
    // A file that cannot be opened any more leaves the list.
    if (!OpenDocumentFile(path)) m_pRecentFileList->Remove(index);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* cmdUI) {
    if (m_pRecentFileList) m_pRecentFileList->UpdateMenu(cmdUI);
    else cmdUI->Enable(FALSE);
}

// Command line

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
    for (int i = 1; i < __argc; ++i) {
        LPCSTR param = __argv[i];
        BOOL flag = param[0] == '-' || param[0] == '/';
        if (flag) ++param;
        info.ParseParam(param, flag, i == __argc - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Printing from the shell is not offered: the request fails.
        return FALSE;
    default:
        return TRUE;
    }
}

// Resources and cursors

HICON CWinApp::LoadIcon(LPCSTR resourceName) const {
    return ::LoadIconA(AfxFindResourceHandle(resourceName, RT_GROUP_ICON), resourceName);
}

HCURSOR CWinApp::LoadCursor(LPCSTR resourceName) const {
    return ::LoadCursorA(AfxFindResourceHandle(resourceName, RT_GROUP_CURSOR), resourceName);
}

void CWinApp::DoWaitCursor(int change) {
    waitCursorCount_ += change;
    if (waitCursorCount_ < 0) waitCursorCount_ = 0;
    if (waitCursorCount_ > 0) {
        HCURSOR previous = ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
        if (change > 0 && waitCursorCount_ == 1) cursorBeforeWait_ = previous;
    } else if (change != 0) {
        ::SetCursor(cursorBeforeWait_ ? cursorBeforeWait_ : ::LoadCursor(nullptr, IDC_ARROW));
    }
}

int CWinApp::DoMessageBox(LPCSTR text, UINT type, UINT) {
    // Owned by the active window, else by the main window's latest pop-up.
    HWND owner = ::GetActiveWindow();
    if (!owner && m_pMainWnd && m_pMainWnd->m_hWnd) owner = ::GetLastActivePopup(m_pMainWnd->m_hWnd);
    if (owner && !::IsWindowEnabled(owner)) owner = nullptr;
    if ((type & MB_ICONMASK) == 0) {
        UINT buttons = type & MB_TYPEMASK;
        type |= (buttons == MB_OK || buttons == MB_OKCANCEL) ? MB_ICONEXCLAMATION
                : (buttons == MB_YESNO || buttons == MB_YESNOCANCEL) ? MB_ICONQUESTION
                                                                     : 0;
    }
    return ::MessageBoxA(owner, text, m_pszAppName, type);
}

// Globals

CWinApp* AfxGetApp() { return currentApp; }

LPCSTR AfxGetAppName() { return currentApp ? currentApp->m_pszAppName : ""; }

int AfxMessageBox(LPCSTR text, UINT type, UINT helpId) {
    if (currentApp) return currentApp->DoMessageBox(text, type, helpId);
    return ::MessageBoxA(::GetActiveWindow(), text, "", type);
}

int AfxMessageBox(UINT textId, UINT type, UINT helpId) {
    CString text;
    if (!text.LoadString(textId)) text.Format("Message %u", textId);
    return AfxMessageBox(text, type, helpId == static_cast<UINT>(-1) ? textId : helpId);
}

BOOL AfxWinInit(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    AfxSetInstanceHandle(instance);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    if (CWinApp* app = AfxGetApp()) {
        app->m_hInstance = instance;
        app->m_lpCmdLine = commandLine;
        app->m_nCmdShow = show;
    }
    return TRUE;
}

int AfxWinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    CWinApp* app = AfxGetApp();
    if (!app || !AfxWinInit(instance, previous, commandLine, show) || !app->InitApplication()) return -1;
    if (!app->InitInstance()) {
        if (app->m_pMainWnd && app->m_pMainWnd->m_hWnd) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

// CWaitCursor

CWaitCursor::CWaitCursor() {
    if (CWinApp* app = AfxGetApp()) app->BeginWaitCursor();
    else ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}

CWaitCursor::~CWaitCursor() {
    if (CWinApp* app = AfxGetApp()) app->EndWaitCursor();
    else ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
}

void CWaitCursor::Restore() {
    if (CWinApp* app = AfxGetApp()) app->RestoreWaitCursor();
    else ::SetCursor(::LoadCursor(nullptr, IDC_WAIT));
}
