// Questions about the program's document templates: a template's ordinal
// among those of one registry type name, and the template that made a given
// document, view and frame (found by narrowing the list of all templates).
#pragma once

#include <windows.h>

#include "DocTemplate.h"
#include "Document.h"
#include "FrameWnd.h"
#include "Lists.h"
#include "TextString.h"
#include "View.h"

class SECDocTemplateUtils {
public:
    virtual ~SECDocTemplateUtils() = default;

    virtual int GetTemplateOrdinal(CDocTemplate* tmpl, const CString& typeName);
    virtual CDocTemplate* GetTemplateByOrdinal(const CString& typeName, int n);
    virtual CDocTemplate* FindTemplate(CDocument* doc, CView* view, CFrameWnd* frame);
    virtual UINT GetFrameResourceId(CFrameWnd* frame);
    virtual BOOL AddAllTemplates(CPtrList& list);
    virtual BOOL KeepViewAndFrameMatches(CPtrList& list, CView* view, CFrameWnd* frame);
    virtual BOOL KeepResourceMatches(CPtrList& list, CFrameWnd* frame);
    virtual BOOL KeepDocumentMatches(CPtrList& list, CDocument* doc);
    virtual BOOL IsDecided(const CPtrList& list, CDocTemplate*& result);
    virtual int GetViewKey(CRuntimeClass* /*viewClass*/) { return 0; }
    virtual CRuntimeClass* GetTemplateFrameClass(CDocTemplate* tmpl, int key);

private:
    // Removes the templates for which `drop` holds.
    template <typename Drop>
    static void RemoveIf(CPtrList& list, Drop drop);
};
