#include "common/ui/EmbeddedPropSheet.h"

#include <algorithm>

#include "common/Assertion.h"
#include "common/ui/ColorSchemes.h"

namespace {

const char kAssertModule[] = "EmbeddedPropSheet";

// The colour slot of the sheet's background brush.
constexpr int kSheetBackgroundSlot = 27;

}  // namespace

IMPLEMENT_DYNAMIC(CEmbeddedPropSheet, CPropertySheet)

CEmbeddedPropSheet::CEmbeddedPropSheet(CWnd* parent, UINT firstPage)
    : CPropertySheet("Embedded Prop Sheet", parent, firstPage),
      brush_(::CreateSolidBrush(AppColorsGetSharedSlot(kSheetBackgroundSlot))) {}

CEmbeddedPropSheet::~CEmbeddedPropSheet() {
    if (brush_ != nullptr) ::DeleteObject(brush_);
}

bool CEmbeddedPropSheet::CreateEmbedded(CWnd* dialog, const CRect& rect) {
    APP_ASSERT(dialog != nullptr && dialog->IsKindOf(RUNTIME_CLASS(CDialog)));
    APP_ASSERT(!rect.IsRectEmpty());
    APP_ASSERT(GetPageCount() > 0);
    APP_ASSERT(m_hWnd == nullptr);

    if (!Create(dialog, WS_CHILD | WS_VISIBLE, 0)) return false;

    // The dialog manager tabs into the pages' controls only through windows
    // marked as control parents.
    ModifyStyle(0, WS_TABSTOP);
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    dialog->ModifyStyleEx(0, WS_EX_CONTROLPARENT);

    CTabCtrl* tab = GetTabControl();
    APP_ASSERT(tab != nullptr);
    CRect sheetClient, tabClient;
    GetClientRect(&sheetClient);
    tab->GetClientRect(&tabClient);
    const int dx = (std::max)(0, (sheetClient.Width() - tabClient.Width()) / 2);
    const int dy = (std::max)(0, (sheetClient.Height() - tabClient.Height()) / 2);

    MoveWindow(&rect);
    tab->MoveWindow(dx, dy, rect.Width() - 2 * dx, rect.Height() - 2 * dy);

    // Every page window made now, so the dialog can reach all pages' controls.
    const int active = GetActiveIndex();
    for (int page = 0; page < GetPageCount(); ++page) SetActivePage(page);
    SetActivePage(active);
    return true;
}
