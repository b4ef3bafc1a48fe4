#include "DocTemplateUtils.h"

#include "WinApp.h"

template <typename Drop>
void SECDocTemplateUtils::RemoveIf(CPtrList& list, Drop drop) {
    for (POSITION at = list.GetHeadPosition(); at != nullptr;) {
        POSITION current = at;
        auto* tmpl = static_cast<CDocTemplate*>(list.GetNext(at));
        if (drop(tmpl)) list.RemoveAt(current);
    }
}

int SECDocTemplateUtils::GetTemplateOrdinal(CDocTemplate* tmpl, const CString& typeName) {
    CWinApp* app = AfxGetApp();
    if (tmpl == nullptr || app == nullptr) return -1;
    int count = 0;
    for (POSITION at = app->GetFirstDocTemplatePosition(); at != nullptr;) {
        CDocTemplate* each = app->GetNextDocTemplate(at);
        CString name;
        each->GetDocString(name, CDocTemplate::regFileTypeName);
        if (name == typeName) ++count;
        if (each == tmpl) return count - 1;
    }
    return -1;
}

CDocTemplate* SECDocTemplateUtils::GetTemplateByOrdinal(const CString& typeName, int n) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return nullptr;
    CDocTemplate* last = nullptr;
    int seen = 0;
    for (POSITION at = app->GetFirstDocTemplatePosition(); at != nullptr;) {
        CDocTemplate* each = app->GetNextDocTemplate(at);
        CString name;
        each->GetDocString(name, CDocTemplate::regFileTypeName);
        if (name != typeName) continue;
        if (seen++ == n) return each;
        last = each;
    }
    return last;
}

UINT SECDocTemplateUtils::GetFrameResourceId(CFrameWnd* frame) { return frame != nullptr ? frame->m_nIDHelp : 0; }

BOOL SECDocTemplateUtils::AddAllTemplates(CPtrList& list) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr) return FALSE;
    for (POSITION at = app->GetFirstDocTemplatePosition(); at != nullptr;) list.AddTail(app->GetNextDocTemplate(at));
    return TRUE;
}

CRuntimeClass* SECDocTemplateUtils::GetTemplateFrameClass(CDocTemplate* tmpl, int key) {
    return tmpl != nullptr && key == 0 ? tmpl->GetFrameClass() : nullptr;
}

BOOL SECDocTemplateUtils::KeepViewAndFrameMatches(CPtrList& list, CView* view, CFrameWnd* frame) {
    if (view == nullptr || frame == nullptr) return FALSE;
    const int key = GetViewKey(view->GetRuntimeClass());
    RemoveIf(list, [&](CDocTemplate* t) {
        return t->GetViewClass() != view->GetRuntimeClass() ||
               GetTemplateFrameClass(t, key) != frame->GetRuntimeClass();
    });
    return TRUE;
}

BOOL SECDocTemplateUtils::KeepResourceMatches(CPtrList& list, CFrameWnd* frame) {
    const UINT id = GetFrameResourceId(frame);
    RemoveIf(list, [id](CDocTemplate* t) { return t->GetResourceId() != id; });
    return TRUE;
}

BOOL SECDocTemplateUtils::KeepDocumentMatches(CPtrList& list, CDocument* doc) {
    if (doc == nullptr) return FALSE;
    RemoveIf(list, [doc](CDocTemplate* t) { return t->GetDocClass() != doc->GetRuntimeClass(); });
    return TRUE;
}

BOOL SECDocTemplateUtils::IsDecided(const CPtrList& list, CDocTemplate*& result) {
    if (list.GetCount() > 1) return FALSE;
    result = list.IsEmpty() ? nullptr : static_cast<CDocTemplate*>(list.GetHead());
    return TRUE;
}

CDocTemplate* SECDocTemplateUtils::FindTemplate(CDocument* doc, CView* view, CFrameWnd* frame) {
    if (doc == nullptr || view == nullptr || frame == nullptr) return nullptr;
    CPtrList list;
    CDocTemplate* result = nullptr;
    AddAllTemplates(list);
    if (IsDecided(list, result)) return result;
    KeepViewAndFrameMatches(list, view, frame);
    if (IsDecided(list, result)) return result;
    KeepResourceMatches(list, frame);
    if (IsDecided(list, result)) return result;
    KeepDocumentMatches(list, doc);
    if (IsDecided(list, result)) return result;
    CDocTemplate* own = doc->GetDocTemplate();
    if (own != nullptr && list.Find(own) != nullptr) return own;
    return static_cast<CDocTemplate*>(list.GetHead());
}
