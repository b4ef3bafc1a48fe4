// CCreateContext: what a frame and its panes need to know while they are
// being made for a document. A template fills one and passes it through
// LoadFrame to the frame's OnCreateClient, which passes it on to each view
// it creates (CWnd::Create's last argument); a view joins the context's
// document when its window is created.
#pragma once

#include "ObjectModel.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CView;

struct CCreateContext {
    CRuntimeClass* m_pNewViewClass = nullptr;    // the view to create, or null
    CDocument* m_pCurrentDoc = nullptr;          // the document the views show
    CDocTemplate* m_pNewDocTemplate = nullptr;   // the template making the frame
    CView* m_pLastView = nullptr;                // a view the new frame copies (Window New)
    CFrameWnd* m_pCurrentFrame = nullptr;        // the frame the new one copies
};
