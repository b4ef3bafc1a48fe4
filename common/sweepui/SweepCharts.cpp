#include "common/sweepui/SweepCharts.h"

#include "common/Assertion.h"
#include "common/sweepui/SweepBestRange.h"

static const char kAssertModule[] = "SweepCharts.cpp";

namespace {

constexpr COLORREF kGrey = 0xC0C0C0;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kDarkGrey = 0x808080;
constexpr COLORREF kDarkRed = 0x000080;
constexpr double kHole = 1e308;
constexpr int kResultColumns = 10;

const double kHomeX = 25.0, kHomeY = 0.0;
const double kRotationStep = 5.0;

}  // namespace

// ---------------------------------------------------------- the bar chart

CSweepBestBars::~CSweepBestBars() {
    chart_.DestroyWindow();
    if (chart_.m_chart) {
        ZelDestroy(chart_.m_chart);
        chart_.m_chart = nullptr;
    }
    if (data_) ZelDataDestroy(data_);
}

void CSweepBestBars::Create(CWnd* page, int placeholderId) {
    APP_ASSERT(CreateChartInPlaceOf(page, placeholderId, chart_, ZEL2D_CHART_BAR, font_));
    ZELCHART chart = chart_.m_chart;
    using namespace zel2d;
    // Bars 1 to 10, half a bar's room at either end.
    SetValues(chart, Y_AXIS_SHOW(1), X_MIN(0.5), X_MAX(kBars + 0.5));
    data_ = ZelDataCreate(ZEL2D_DATA_SHARED_X, 1, kBars);
    APP_ASSERT(data_ != nullptr);
    for (int i = 0; i < kBars; ++i) {
        ZelDataSetXElement(data_, 0, i, i + 1);
        ZelDataSetYElement(data_, 0, i, 500.0 + 10.0 * i);
    }
    SetValues(chart, DATA(data_), REFERENCE_LINE_SHOW(1));
    ZelStyle line = GetValue(chart, REFERENCE_LINE_STYLE);
    line.pattern = ZEL2D_LINE_SOLID;
    line.color = kDarkGrey;
    line.width = 1;
    SetValues(chart, REFERENCE_LINE_STYLE(&line));
    ReduceChartMargins(chart, font_);
}

void CSweepBestBars::Update(double baseline, int count, const float* scores, double lo, double hi) {
    APP_ASSERT(count >= 0 && count <= kBars);
    ZELCHART chart = chart_.m_chart;
    using namespace zel2d;
    SetValues(chart, DRAWING(0), REFERENCE_VALUE(baseline));
    if (count == 0) {
        ZelDataSetDisplay(data_, 0, ZEL2D_DISPLAY_HIDE);
        SetValues(chart, Y_MIN(0.0), Y_MAX(baseline));
        lo = 0.0;
        hi = baseline;
    } else {
        ZelDataSetDisplay(data_, 0, ZEL2D_DISPLAY_SHOW);
    }
    const SweepYRange range =
        SweepBestYRange(lo, hi, baseline, {GetValue(chart, Y_MIN), GetValue(chart, Y_MAX)});
    SetValues(chart, Y_MIN(range.minimum), Y_MAX(range.maximum));
    SetValues(chart, Y_TICK_ANCHOR(GetValue(chart, Y_MIN)));
    for (int i = 0; i < kBars; ++i) {
        ZelDataSetXElement(data_, 0, i, i + 1);
        ZelDataSetYElement(data_, 0, i, i < count ? scores[i] : 0.0);
    }
    SetValues(chart, DATA(data_), DRAWING(1));
}

void CSweepBestBars::PlaceBoxes(CWnd* page, int firstBoxId) {
    ZELCHART chart = chart_.m_chart;
    const double bottom = zel2d::GetValue(chart, zel2d::Y_MIN);
    for (int k = 0; k < kBars; ++k) {
        CWnd* box = page->GetDlgItem(firstBoxId + k);
        APP_ASSERT(box != nullptr);
        POINT bar = {};
        ZelUnmap(chart, 1, k + 1, bottom, &bar);
        chart_.MapWindowPoints(page, &bar, 1);
        CRect place;
        box->GetWindowRect(&place);
        page->ScreenToClient(&place);
        const int shift = bar.x - place.CenterPoint().x + 1;
        if (shift != 0)
            box->SetWindowPos(nullptr, place.left + shift, place.top, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// ------------------------------------------------------------ the surface

CSweepSurface::~CSweepSurface() {
    chart_.DestroyWindow();
    if (chart_.m_chart) {
        Zel3dDestroy(chart_.m_chart);
        chart_.m_chart = nullptr;
    }
    if (resultGrid_) Zel3dDestroyData(resultGrid_, 1);
    if (emptyGrid_) Zel3dDestroyData(emptyGrid_, 1);
}

void CSweepSurface::Create(CWnd* page, int placeholderId) {
    const CRect rect = TakePlaceholderRect(page, placeholderId);
    APP_ASSERT(rect.Width() > 0 && rect.Height() > 0);
    chart_.Create("", WS_CHILD | WS_VISIBLE, rect, page, 0);
    Zel3dChart* chart = chart_.m_chart;
    APP_ASSERT(chart != nullptr);
    using namespace zel3d;
    SetValues(chart, GRAPH_X(0), GRAPH_Y(0), GRAPH_WIDTH(rect.Width()), GRAPH_HEIGHT(rect.Height()));
    SetValues(chart, DRAW_MESH(1), DRAW_SHADED(1), BACKGROUND_COLOR(kGrey), GRAPH_BACKGROUND_COLOR(kGrey),
              DATA_AREA_BACKGROUND_COLOR(kWhite), SURFACE_BOTTOM_COLOR(kDarkGrey), GRAPH_BORDER(0),
              SOLID_SURFACE(1), PERSPECTIVE_DEPTH(100000.0));
    SetView(kHomeX, kHomeY, look_.zRotation);
    if (look_.numbersBeforeTitles) SetValues(chart, XANNO_METHOD(3), YANNO_METHOD(3));
    SetValues(chart, XANNO_METHOD(1), YANNO_METHOD(1), ZANNO_METHOD(1), XGRID_LINES(3), YGRID_LINES(5),
              ZGRID_LINES(6), XAXIS_TITLE("Best Result#(X)"), YAXIS_TITLE(look_.yTitle));

    APP_ASSERT(resultGrid_ == nullptr && emptyGrid_ == nullptr);
    resultGrid_ = Zel3dMakeGridData(kResultColumns, look_.rows, kHole, 1.0, look_.yStep, 1.0, look_.yOrigin, 1);
    APP_ASSERT(resultGrid_ != nullptr);
    emptyGrid_ = Zel3dMakeGridData(1, 1, kHole, 1.0, look_.yStep, 1.0, look_.yOrigin, 1);
    APP_ASSERT(emptyGrid_ != nullptr);
    emptyGrid_->grid.values[0][0] = 0.0;
    SetValues(chart, SURFACE_DATA(emptyGrid_));
}

void CSweepSurface::SetZTitle(const char* title) {
    using namespace zel3d;
    SetValues(chart_.m_chart, ZAXIS_TITLE(title), MESH_TOP_COLOR(kGrey), SURFACE_TOP_COLOR(kDarkRed));
}

void CSweepSurface::SetRowCount(int rows) {
    APP_ASSERT(resultGrid_ != nullptr && rows > 0 && rows <= look_.rows);
    resultGrid_->grid.ny = rows;
}

int CSweepSurface::GetRowCount() const { return resultGrid_->grid.ny; }

void CSweepSurface::ShowEmpty() { zel3d::SetValues(chart_.m_chart, zel3d::SURFACE_DATA(emptyGrid_)); }

void CSweepSurface::Show(int columns, const std::function<double(int column, int row)>& value) {
    Zel3dGridData& grid = resultGrid_->grid;
    APP_ASSERT(grid.nx == kResultColumns && columns >= 0 && columns <= kResultColumns);
    for (int i = 0; i < grid.nx; ++i)
        for (int j = 0; j < grid.ny; ++j) grid.values[i][j] = i < columns ? value(i, j) : 0.0;
    zel3d::SetValues(chart_.m_chart, zel3d::SURFACE_DATA(resultGrid_));
}

void CSweepSurface::Rotate(Rotation button) {
    Zel3dChart* chart = chart_.m_chart;
    using namespace zel3d;
    const double x = GetValue(chart, XROTATION), y = GetValue(chart, YROTATION), z = GetValue(chart, ZROTATION);
    switch (button) {
    case kXPlus: SetValues(chart, XROTATION(x + kRotationStep)); break;
    case kXMinus: SetValues(chart, XROTATION(x - kRotationStep)); break;
    case kYPlus: SetValues(chart, YROTATION(y + kRotationStep)); break;
    case kYMinus: SetValues(chart, YROTATION(y - kRotationStep)); break;
    // Z+ turns the view the other way round.
    case kZPlus: SetValues(chart, ZROTATION(z - kRotationStep)); break;
    case kZMinus: SetValues(chart, ZROTATION(z + kRotationStep)); break;
    case kHome: SetView(kHomeX, kHomeY, look_.zRotation); break;
    default: APP_ASSERT(false);
    }
}

void CSweepSurface::SetView(double x, double y, double z) {
    using namespace zel3d;
    SetValues(chart_.m_chart, XROTATION(x), YROTATION(y), ZROTATION(z));
}
