// CView: a window that shows a document. This is the part of it that the
// document relies on (its document link and the update calls); drawing,
// printing and frame activation are added with the frames.
#pragma once

#include <windows.h>

#include "Document.h"
#include "Wnd.h"

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CDocument* GetDocument() const { return m_pDocument; }

    // First update after the view and its document are ready; calls OnUpdate.
    virtual void OnInitialUpdate();

protected:
    CView() = default;
    // Leaves its document's view list.
    ~CView() override;

    // The document changed (sent by UpdateAllViews); repaints the view.
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);

    CDocument* m_pDocument = nullptr;

private:
    friend class CDocument;
};
