#include "Document.h"

#include "DocTemplate.h"
#include "FrameWnd.h"
#include "View.h"
#include "WinApp.h"
#include "WindowMessages.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

bool FileExists(LPCSTR pathName) { return GetFileAttributesA(pathName) != INVALID_FILE_ATTRIBUTES; }

// The frame a view is shown in, when the view has a window.
CFrameWnd* FrameOf(const CView* view) { return view->m_hWnd != nullptr ? view->GetParentFrame() : nullptr; }

}  // namespace

CDocument::~CDocument() {
    // Views outlive a document only by mistake; they must not point at it.
    while (!m_viewList.IsEmpty()) static_cast<CView*>(m_viewList.RemoveHead())->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR title) {
    m_strTitle = title;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR pathName, BOOL addToRecentFiles) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(pathName, MAX_PATH, full, nullptr);
    m_strPathName = (length > 0 && length < MAX_PATH) ? CString(full) : CString(pathName);
    SetTitle(FileNamePart(m_strPathName));
    CWinApp* app = AfxGetApp();
    if (addToRecentFiles && app != nullptr) app->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* view) {
    ASSERT(view != nullptr && view->m_pDocument == nullptr);
    if (view == nullptr || view->m_pDocument == this) return;
    if (view->m_pDocument != nullptr) view->m_pDocument->RemoveView(view);
    m_viewList.AddTail(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
    if (view == nullptr || view->m_pDocument != this) return;
    m_viewList.RemoveAt(m_viewList.Find(view));
    view->m_pDocument = nullptr;
    OnChangedViewList();
}

CView* CDocument::GetNextView(POSITION& position) const {
    return static_cast<CView*>(m_viewList.GetNext(position));
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
    for (POSITION at = GetFirstViewPosition(); at != nullptr;) {
        CView* view = GetNextView(at);
        if (view != sender) view->OnUpdate(sender, hint, hintObject);
    }
}

void CDocument::OnChangedViewList() {
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR pathName) { return SerializeFile(pathName, FALSE); }

BOOL CDocument::OnSaveDocument(LPCSTR pathName) { return SerializeFile(pathName, TRUE); }

BOOL CDocument::SerializeFile(LPCSTR pathName, BOOL saving) {
    CFile file;
    CFileException error;
    UINT openFlags = saving ? CFile::modeCreate | CFile::modeReadWrite | CFile::shareExclusive
                            : CFile::modeRead | CFile::shareDenyWrite;
    if (!file.Open(pathName, openFlags, &error)) {
        ReportSaveLoadException(pathName, &error, saving);
        return FALSE;
    }
    if (!saving) {
        DeleteContents();
        SetModifiedFlag(TRUE);  // modified while only partly read
    }
    try {
        CArchive archive(&file, saving ? CArchive::store : CArchive::load);
        Serialize(archive);
        file.Close();
    } catch (CException* e) {
        file.Abort();
        if (!saving) DeleteContents();
        ReportSaveLoadException(pathName, e, saving);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // The document must stay alive while its views go.
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    CWinApp* app = AfxGetApp();
    while (!m_viewList.IsEmpty()) {
        CView* view = static_cast<CView*>(m_viewList.GetHead());
        // A view goes with its frame, unless that is the main window.
        CFrameWnd* frame = FrameOf(view);
        if (frame != nullptr && (app == nullptr || app->m_pMainWnd != frame)) {
            PreCloseFrame(frame);
            frame->DestroyWindow();
        } else if (view->m_hWnd != nullptr) {
            view->DestroyWindow();
        }
        // A view that deleted itself with its window has left the list.
        if (m_viewList.Find(view) != nullptr) RemoveView(view);
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete) delete this;
}

void CDocument::PreCloseFrame(CFrameWnd*) {}

BOOL CDocument::HasOtherFrame(CFrameWnd* frame) const {
    for (POSITION at = GetFirstViewPosition(); at != nullptr;) {
        CFrameWnd* other = FrameOf(GetNextView(at));
        if (other != nullptr && other != frame && other->IsWindowVisible()) return TRUE;
    }
    return FALSE;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* frame) { return HasOtherFrame(frame) || SaveModified(); }

void CDocument::UpdateFrameCounts() {
    // The distinct visible frames, in the order of their first view.
    CPtrList frames;
    for (POSITION at = GetFirstViewPosition(); at != nullptr;) {
        CFrameWnd* frame = FrameOf(GetNextView(at));
        if (frame != nullptr && frame->IsWindowVisible() && frames.Find(frame) == nullptr) frames.AddTail(frame);
    }
    int number = frames.GetCount() > 1 ? 1 : 0;
    for (POSITION at = frames.GetHeadPosition(); at != nullptr;) {
        auto* frame = static_cast<CFrameWnd*>(frames.GetNext(at));
        frame->m_nWindow = number;
        if (number > 0) ++number;
        frame->OnUpdateFrameTitle(TRUE);
    }
}

BOOL CDocument::SaveModified() {
    if (!IsModified()) return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : FileNamePart(m_strPathName);
    if (name.IsEmpty()) name = "Untitled";
    CString prompt;
    prompt.Format("Save changes to %s?", static_cast<LPCSTR>(name));
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
        case IDCANCEL: return FALSE;
        case IDYES: return DoFileSave();
        default: return TRUE;  // IDNO: close without saving
    }
}

void CDocument::ReportSaveLoadException(LPCSTR pathName, CException* exception, BOOL saving) {
    // The user has been told already.
    if (exception != nullptr && exception->IsKindOf(RUNTIME_CLASS(CUserException))) return;
    char reason[512] = "";
    if (exception != nullptr) exception->GetErrorMessage(reason, sizeof reason);
    CString text;
    text.Format(saving ? "Could not save %s." : "Could not open %s.", pathName ? pathName : "the document");
    if (reason[0] != '\0') text = text + "\n" + reason;
    AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

BOOL CDocument::DoFileSave() {
    DWORD attributes = GetFileAttributesA(m_strPathName);
    // Without a path, or when the file is gone or read-only, ask for a name.
    if (m_strPathName.IsEmpty() || attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & FILE_ATTRIBUTE_READONLY))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

CString CDocument::ProposedFileName() const {
    CString name = m_strTitle;
    // Characters a file name cannot hold are dropped.
    for (const char* bad = "\\/:*?\"<>|"; *bad != '\0'; ++bad) name.Remove(*bad);
    CString extension;
    if (m_pDocTemplate != nullptr && m_pDocTemplate->GetDocString(extension, CDocTemplate::filterExt) &&
        name.Find('.') < 0)
        name += extension;
    return name;
}

BOOL CDocument::DoSave(LPCSTR pathName, BOOL replace) {
    CString newName(pathName);
    if (newName.IsEmpty()) {
        newName = m_strPathName.IsEmpty() ? ProposedFileName() : m_strPathName;
        CWinApp* app = AfxGetApp();
        if (app == nullptr ||
            !app->DoPromptFileName(newName, 0, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;  // cancelled: nothing changes
    }
    const bool existed = FileExists(newName);
    if (!OnSaveDocument(newName)) {
        // A file this save created is incomplete: remove it. A file that
        // was there before is left alone (the save may have refused before
        // writing anything).
        if (!existed && FileExists(newName)) DeleteFileA(newName);
        return FALSE;
    }
    if (replace) SetPathName(newName);
    return TRUE;
}

void CDocument::OnFileClose() {
    if (!SaveModified()) return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }
