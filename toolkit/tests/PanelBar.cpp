#include "PanelBar.h"

#include "DC.h"

BEGIN_MESSAGE_MAP(CPanelBar, SECControlBar)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL CPanelBar::CreatePanel(CWnd* parent, UINT id, COLORREF colour, const char* title) {
    colour_ = colour;
    LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), nullptr);
    return CWnd::CreateEx(0, cls, title, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent->m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

void CPanelBar::OnPaint() {
    CPaintDC dc(this);
    CRect area;
    GetClientRect(&area);
    dc.FillSolidRect(&area, colour_);
}
