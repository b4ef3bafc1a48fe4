#include "View.h"

IMPLEMENT_DYNAMIC(CView, CWnd)

CView::~CView() {
    if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) {
    if (m_hWnd != nullptr) Invalidate(TRUE);
}
