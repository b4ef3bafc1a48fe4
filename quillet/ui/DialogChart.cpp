#include "quillet/ui/DialogChart.h"

#include "common/Assertion.h"

namespace quillet {

namespace {
const char kAssertModule[] = "DialogChart";

}  // namespace

CDialogChart::~CDialogChart() {
    chart_.DestroyWindow();
    for (ZELDATA data : data_)
        if (data != nullptr) ZelDataDestroy(data);
}

int CDialogChart::FontPixels() const { return font_.IsMade() ? CDialogChartFont::PointsHeight() : 0; }

void CDialogChart::Create(CWnd* dialog, int placeholderId) {
    APP_ASSERT(CreateChartInPlaceOf(dialog, placeholderId, chart_, ZEL2D_CHART_LINE, font_));
    CRect area;
    chart_.GetClientRect(&area);
    APP_ASSERT(area.Width() >= 1 && area.Height() >= 1);
    using namespace zel2d;
    SetValues(Handle(), X_AXIS_SHOW(1), Y_AXIS_SHOW(1), X_MIN(0.0), Y_MIN(0.0));
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
