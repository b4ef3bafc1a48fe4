#include "quillet/ui/DialogChart.h"

#include "common/Assertion.h"

namespace quillet {

namespace {
const char kAssertModule[] = "DialogChart";

const COLORREF kSilver = 0xC0C0C0;
const COLORREF kWhite = 0xFFFFFF;
const int kFontPoints = 8;
}  // namespace

CDialogChart::~CDialogChart() {
    chart_.DestroyWindow();
    for (ZELDATA data : data_)
        if (data != nullptr) ZelDataDestroy(data);
}

HFONT CDialogChart::FontHandle() const {
    return font_.GetSafeHandle() != nullptr ? HFONT(font_.GetSafeHandle()) : HFONT(::GetStockObject(SYSTEM_FONT));
}

void CDialogChart::Create(CWnd* dialog, int placeholderId) {
    CWnd* placeholder = dialog->GetDlgItem(placeholderId);
    APP_ASSERT(placeholder != nullptr);
    CRect area;
    placeholder->GetWindowRect(&area);
    dialog->ScreenToClient(&area);
    placeholder->DestroyWindow();
    APP_ASSERT(area.Width() >= 1 && area.Height() >= 1);

    if (font_.CreatePointFont(kFontPoints * 10, "MS Sans Serif")) {
        CClientDC dc(dialog);
        fontPixels_ = dc.GetDeviceCaps(LOGPIXELSY) * kFontPoints / 72;
    }
    APP_ASSERT(chart_.Create("", WS_CHILD | WS_VISIBLE, area, dialog, 0));
    using namespace zel2d;
    SetValues(Handle(), Y_CHART_TYPE(ZEL2D_CHART_LINE), CHART_BORDER(0), CHART_BACKGROUND(kSilver),
              GRAPH_BACKGROUND(kSilver), PLOT_BACKGROUND(kWhite), NEW_CHART(1), GRAPH_X(0), GRAPH_Y(0),
              GRAPH_WIDTH(area.Width()), GRAPH_HEIGHT(area.Height()), FONT(FontHandle()), X_AXIS_SHOW(1),
              Y_AXIS_SHOW(1), X_MIN(0.0), Y_MIN(0.0));
}

ZELDATA CDialogChart::AddData(int kind, int sets, int points) {
    for (ZELDATA& slot : data_) {
        if (slot != nullptr) continue;
        slot = ZelDataCreate(kind, sets, points);
        APP_ASSERT(slot != nullptr);
        return slot;
    }
    APP_ASSERT(false);
    return nullptr;
}

}  // namespace quillet
