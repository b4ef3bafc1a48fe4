#include "common/sweepui/Chart3D.h"

IMPLEMENT_DYNAMIC(CChart3D, CWnd)

CChart3D::~CChart3D() {
    DestroyWindow();
    if (m_chart) Zel3dDestroy(m_chart);
}

BOOL CChart3D::Create(LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CWnd::Create("ZelChart3D8", windowName, style, rect, parent, id)) return FALSE;
    m_chart = Zel3dCreate();
    if (!m_chart) return FALSE;
    Zel3dAttachWindow(m_chart, m_hWnd);
    return TRUE;
}

BOOL CChart3D::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
