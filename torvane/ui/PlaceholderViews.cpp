#include "torvane/ui/PlaceholderViews.h"

namespace torvane {

IMPLEMENT_DYNAMIC(CPlaceholderView, CView)
IMPLEMENT_DYNCREATE(CGraphPlaceholderView, CPlaceholderView)
IMPLEMENT_DYNCREATE(CResultsTablePlaceholderView, CPlaceholderView)
IMPLEMENT_DYNCREATE(CProDataPlaceholderView, CPlaceholderView)

void CPlaceholderView::OnDraw(CDC* dc) {
    CRect area;
    GetClientRect(&area);
    dc->FillSolidRect(&area, ::GetSysColor(COLOR_WINDOW));
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
    dc->DrawText(name_, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace torvane
