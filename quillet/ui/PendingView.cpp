#include "quillet/ui/PendingView.h"

namespace quillet {

IMPLEMENT_DYNCREATE(CPendingView, CView)

void CPendingView::OnDraw(CDC*) {}

}  // namespace quillet
