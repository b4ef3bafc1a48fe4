#include "common/Chart2D.h"

IMPLEMENT_DYNAMIC(CChart2D, CWnd)

CChart2D::~CChart2D() {
    DestroyWindow();
    if (m_chart) ZelDestroy(m_chart);
}

BOOL CChart2D::Create(LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!CWnd::Create(ZEL2D_WINDOW_CLASS, windowName, style, rect, parent, id)) return FALSE;
    m_chart = ZelCreate();
    if (!m_chart) return FALSE;
    ZelAttachWindow(m_chart, m_hWnd);
    return TRUE;
}

BOOL CChart2D::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }
