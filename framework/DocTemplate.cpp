#include "DocTemplate.h"

#include "CreateContext.h"
#include "FrameWnd.h"
#include "View.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT resourceId, CRuntimeClass* documentClass,
                           CRuntimeClass* frameClass, CRuntimeClass* viewClass)
    : m_nIDResource(resourceId),
      m_pDocClass(documentClass),
      m_pFrameClass(frameClass),
      m_pViewClass(viewClass) {
    if (resourceId != 0) m_strDocStrings.LoadString(resourceId);
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate() {
    if (m_strDocStrings.IsEmpty() && m_nIDResource != 0) m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const {
    return AfxExtractSubString(text, m_strDocStrings, index) && !text.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* document) {
    ASSERT(document != nullptr && document->m_pDocTemplate == nullptr);
    document->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* document) {
    ASSERT(document != nullptr && document->m_pDocTemplate == this);
    document->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument() {
    if (m_pDocClass == nullptr) return nullptr;
    auto* document = static_cast<CDocument*>(m_pDocClass->CreateObjectOfKind(RUNTIME_CLASS(CDocument)));
    if (document == nullptr) return nullptr;
    AddDocument(document);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document, CFrameWnd* other) {
    if (m_pFrameClass == nullptr) return nullptr;
    CCreateContext context;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pCurrentDoc = document;
    context.m_pNewDocTemplate = this;
    context.m_pCurrentFrame = other;
    if (other != nullptr) context.m_pLastView = other->GetActiveView();
    auto* frame = static_cast<CFrameWnd*>(m_pFrameClass->CreateObjectOfKind(RUNTIME_CLASS(CFrameWnd)));
    if (frame == nullptr) return nullptr;
    // A frame whose window could not be made has deleted itself.
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible) {
    if (frame != nullptr) frame->InitialUpdateFrame(document, makeVisible);
}

CDocument* CDocTemplate::OpenDocument(CDocument* document, LPCSTR pathName, BOOL makeVisible) {
    if (document == nullptr) return nullptr;
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    if (frame == nullptr && m_pFrameClass != nullptr) {
        delete document;
        return nullptr;
    }
    BOOL ready;
    if (pathName == nullptr) {
        SetDefaultTitle(document);
        ready = document->OnNewDocument();
    } else {
        ready = document->OnOpenDocument(pathName);
        if (ready) document->SetPathName(pathName);
    }
    if (!ready) {
        // The frame goes first; its views leave the document, which must
        // not close itself on the way.
        if (frame != nullptr) {
            document->m_bAutoDelete = FALSE;
            frame->DestroyWindow();
        }
        delete document;
        return nullptr;
    }
    InitialUpdateFrame(frame, document, makeVisible);
    return document;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR pathName, CDocument*& match) {
    match = nullptr;
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(pathName, MAX_PATH, full, nullptr);
    CString path = (length > 0 && length < MAX_PATH) ? CString(full) : CString(pathName);
    for (POSITION at = GetFirstDocPosition(); at != nullptr;) {
        CDocument* document = GetNextDoc(at);
        if (document->GetPathName().CompareNoCase(path) == 0) {
            match = document;
            return yesAlreadyOpen;
        }
    }
    CString extension;
    if (GetDocString(extension, filterExt) && path.GetLength() > extension.GetLength() &&
        path.Right(extension.GetLength()).CompareNoCase(extension) == 0)
        return yesAttemptNative;
    return yesAttemptForeign;
}

BOOL CDocTemplate::SaveAllModified() {
    for (POSITION at = GetFirstDocPosition(); at != nullptr;)
        if (!GetNextDoc(at)->SaveModified()) return FALSE;
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
    // Each document leaves the list as it closes; `at` has moved on by then.
    for (POSITION at = GetFirstDocPosition(); at != nullptr;) GetNextDoc(at)->OnCloseDocument();
}

CMultiDocTemplate::CMultiDocTemplate(UINT resourceId, CRuntimeClass* documentClass,
                                     CRuntimeClass* frameClass, CRuntimeClass* viewClass)
    : CDocTemplate(resourceId, documentClass, frameClass, viewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
    // Documents that outlive the template no longer point at it.
    while (!m_docList.IsEmpty())
        CDocTemplate::RemoveDocument(static_cast<CDocument*>(m_docList.RemoveHead()));
    if (m_hMenuShared != nullptr) DestroyMenu(m_hMenuShared);
    // Accelerator tables loaded from resources are freed with the module.
}

void CMultiDocTemplate::LoadTemplate() {
    CDocTemplate::LoadTemplate();
    if (m_nIDResource == 0) return;
    LPCSTR name = MAKEINTRESOURCEA(m_nIDResource);
    if (m_hMenuShared == nullptr)
        m_hMenuShared = LoadMenuA(AfxFindResourceHandle(name, RT_MENU), name);
    if (m_hAccelTable == nullptr)
        m_hAccelTable =
            LoadAcceleratorsA(AfxFindResourceHandle(name, RT_ACCELERATOR), name);
}

void CMultiDocTemplate::AddDocument(CDocument* document) {
    CDocTemplate::AddDocument(document);
    m_docList.AddTail(document);
}

void CMultiDocTemplate::RemoveDocument(CDocument* document) {
    POSITION at = m_docList.Find(document);
    if (at != nullptr) m_docList.RemoveAt(at);
    CDocTemplate::RemoveDocument(document);
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& position) const {
    return static_cast<CDocument*>(m_docList.GetNext(position));
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR pathName, BOOL makeVisible) {
    CDocument* document = OpenDocument(CreateNewDocument(), pathName, makeVisible);
    if (document != nullptr && pathName == nullptr) ++m_nUntitledCount;
    return document;
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* document) {
    CString name;
    if (!GetDocString(name, docName)) name = "Untitled";
    CString title;
    title.Format("%s%u", static_cast<LPCSTR>(name), m_nUntitledCount + 1);
    document->SetTitle(title);
}
