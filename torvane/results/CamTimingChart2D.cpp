#include "torvane/results/CamTimingChart2D.h"

#include <algorithm>

#include "common/Assertion.h"
#include "torvane/results/BaseUnitValue.h"

namespace torvane {

static const char kAssertModule[] = "CamTimingChart2D.cpp";

IMPLEMENT_DYNAMIC(CCamTimingChart2D, CChart2D)

BEGIN_MESSAGE_MAP(CCamTimingChart2D, CChart2D)
END_MESSAGE_MAP()

namespace {

constexpr double kXMin = 60.0;
constexpr double kXMax = 660.0;
constexpr COLORREF kDeadCentreLine = 0xC0C0C0;
constexpr COLORREF kGrey = 0x808080;

struct AnnotationSpec {
    int kind;
    int placement;
    int fallback;  // -1: the default side
    int extension;
    const char* label;
    const char* format;
};

const AnnotationSpec kAnnotations[] = {
    {CDimension::kAbove, CDimension::kAutomatic, -1, 24, "LCA", "%.1f"},
    {CDimension::kAbove, CDimension::kTextRight, -1, 24, "Overlap", "%.1f"},
    {CDimension::kBelow, CDimension::kAutomatic, CDimension::kTextLeft, 12, "IVO", "%.1f"},
    {CDimension::kBelow, CDimension::kAutomatic, CDimension::kTextRight, 12, "IVC", "%.1f"},
    {CDimension::kBelow, CDimension::kAutomatic, -1, 24, "Intake Dur", "%.1f"},
    {CDimension::kAbove, CDimension::kAutomatic, -1, 12, "ICA", "%.1f"},
    {CDimension::kBelow, CDimension::kAutomatic, CDimension::kTextLeft, 12, "EVO", "%.1f"},
    {CDimension::kBelow, CDimension::kAutomatic, CDimension::kTextRight, 12, "EVC", "%.1f"},
    {CDimension::kBelow, CDimension::kAutomatic, -1, 30, "Exhaust Dur", "%.1f"},
    {CDimension::kAbove, CDimension::kAutomatic, -1, 12, "ECA", "%.1f"},
    {CDimension::kAbove, CDimension::kAutomatic, -1, 8, "Power", nullptr},
    {CDimension::kAbove, CDimension::kAutomatic, -1, 8, "Exhaust", nullptr},
    {CDimension::kAbove, CDimension::kAutomatic, -1, 8, "Intake", nullptr},
    {CDimension::kAbove, CDimension::kAutomatic, -1, 8, "Compression", nullptr},
};
static_assert(sizeof kAnnotations / sizeof kAnnotations[0] == 14, "one row per annotation");

bool Set(const CFloatPtSpec& field) { return field.IsSet(); }

}  // namespace

CCamTimingChart2D::CCamTimingChart2D() {
    labelFont_.CreatePointFont(80, "Arial");
    LOGFONT font = {};
    HDC screen = ::GetDC(nullptr);
    font.lfHeight = -::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72);
    ::ReleaseDC(nullptr, screen);
    font.lfWeight = FW_NORMAL;
    font.lfItalic = TRUE;
    lstrcpynA(font.lfFaceName, "Arial", LF_FACESIZE);
    annotationFont_.CreateFontIndirect(&font);
    for (int i = 0; i < kAnnotationCount; ++i) {
        const AnnotationSpec& spec = kAnnotations[i];
        dimensions_[i] =
            std::make_unique<CDimension>(spec.kind, spec.placement, spec.extension, spec.label, spec.format);
        if (spec.fallback >= 0) dimensions_[i]->SetFallbackSide(spec.fallback);
        dimensions_[i]->SetColors(0, kGrey, i < kPowerStroke ? 0 : kGrey);
    }
}

CCamTimingChart2D::~CCamTimingChart2D() {
    // The window goes first, so no paint reaches freed data.
    DestroyWindow();
    if (exhaustData_) ZelDataDestroy(exhaustData_);
    if (intakeData_) ZelDataDestroy(intakeData_);
}

BOOL CCamTimingChart2D::Create(const RECT& rect, CWnd* parent) {
    APP_ASSERT(parent != nullptr);
    if (!CChart2D::Create("", WS_CHILD | WS_VISIBLE, rect, parent, 0)) return FALSE;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    APP_ASSERT(width >= 1 && height >= 1);
    HFONT labelFont = labelFont_.GetSafeHandle() ? HFONT(labelFont_.GetSafeHandle())
                                                  : HFONT(::GetStockObject(SYSTEM_FONT));
    using namespace zel2d;
    SetValues(m_chart, DRAWING(0), Y_CHART_TYPE(1), Y2_CHART_TYPE(1), CHART_BORDER(0),
              CHART_BACKGROUND(0xD8E9EC), GRAPH_BACKGROUND(0xD8E9EC), PLOT_BACKGROUND(0xFFFFFF), NEW_CHART(1),
              GRAPH_X(0), GRAPH_Y(0), GRAPH_WIDTH(width), GRAPH_HEIGHT(height), FONT(labelFont),
              X_TITLE("Crank Degrees"), TICK_STYLE(3), X_MIN(kXMin), X_MAX(kXMax), X_GRID(0),
              X_MAJOR_SPACING(30.0), X_AXIS_SHOW(1), X_MINOR_SPACING(10.0), Y_TITLE("VALVE LIFT ( IN. )"),
              Y_DECIMALS(2), Y_AXIS_SHOW(1), Y_MIN(0.0), Y_MAX(1.0), Y_GRID(1));
    SetValues(m_chart, Y_TICK_ANCHOR(GetValue(m_chart, Y_MAX)), Y_MAJOR_SPACING(0.1),
              Y2_TITLE("VALVE LIFT ( IN. )"), Y2_DECIMALS(2), Y2_AXIS_SHOW(1), Y2_MIN(0.0), Y2_MAX(1.0),
              Y2_GRID(1), Y2_MAJOR_SPACING(0.1));
    ZelStyle grid = GetValue(m_chart, Y_GRID_STYLE);
    grid.pattern = ZEL2D_LINE_SOLID;
    grid.color = 0xDCDCDC;
    SetValues(m_chart, Y_GRID_STYLE(&grid), Y2_GRID_STYLE(&grid));

    // Red exhaust on the first y axis, blue intake on the second; the three
    // fields after the colour are the width, the symbol and its colour.
    ZelStyle style = {};
    ZelGetNthDataStyle(m_chart, 0, &style);
    style.color = 0x0000FF;
    style.width = 1;
    style.symbol = 1;
    style.symbol_color = 5;
    ZelSetNthDataStyle(m_chart, 0, &style);
    ZelGetNthDataStyle2(m_chart, 0, &style);
    style.color = 0xFF0000;
    style.width = 1;
    style.symbol = 1;
    style.symbol_color = 5;
    ZelSetNthDataStyle2(m_chart, 0, &style);

    APP_ASSERT(exhaustData_ == nullptr && intakeData_ == nullptr);
    exhaustData_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, kDataPoints);
    intakeData_ = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, kDataPoints);

    // Margins of three label heights round the graph.
    CClientDC dc(this);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, labelFont);
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(dc.m_hDC, &metrics);
    ::SelectObject(dc.m_hDC, old);
    const int margin = metrics.tmHeight * 3;
    SetValues(m_chart, MARGIN_LEFT(margin), MARGIN_RIGHT(margin), MARGIN_TOP(margin), MARGIN_BOTTOM(margin),
              DRAWING(1));
    return TRUE;
}

void CCamTimingChart2D::YScaleFor(float largestLift, double& max, double& spacing) {
    if (largestLift <= 0.7f) {
        max = 1.0;
        spacing = 0.1;
    } else if (largestLift <= 0.85f) {
        max = 1.2;
        spacing = 0.1;
    } else if (largestLift <= 1.1f) {
        max = 1.6;
        spacing = 0.2;
    } else {
        max = 2.2;
        spacing = 0.2;
    }
}

bool CCamTimingChart2D::FillCurve(CamLiftProfile& profile, ZELDATA data, const CFloatPtSpec& opening,
                                  const CFloatPtSpec& closing, float openingBase, float closingBase,
                                  float openingSign, const CFloatPtSpec& lift) {
    const bool complete = Set(opening) && Set(closing) && Set(cam_->rampRate) && Set(lift);
    if (complete) {
        APP_ASSERT(cam_->primary.method.IsSet());
        profile.Set(cam_->primary.method.GetValue(), openingBase + openingSign * opening.GetValue(),
                    closingBase + closing.GetValue(), BaseUnitValue(lift), cam_->rampRate.GetValue());
        profile.Generate();
        for (int i = 0; i < CamLiftProfile::kPointCount; ++i) {
            ZelDataSetXElement(data, 0, i, profile.angle[i]);
            ZelDataSetYElement(data, 0, i, profile.lift[i]);
        }
        ZelDataSetFirstPoint(data, 0, 0);
        ZelDataSetLastPoint(data, 0, CamLiftProfile::kPointCount - 1);
    }
    ZelDataSetDisplay(data, 0, complete ? ZEL2D_DISPLAY_SHOW : ZEL2D_DISPLAY_HIDE);
    return complete;
}

void CCamTimingChart2D::SetCam(const Cam* cam) {
    APP_ASSERT(cam != nullptr);
    cam_ = cam;
    if (exhaustData_ == nullptr || intakeData_ == nullptr) return;
    APP_ASSERT(ZelDataGetNPoints(exhaustData_, 0) == kDataPoints);
    APP_ASSERT(ZelDataGetNPoints(intakeData_, 0) == kDataPoints);
    using namespace zel2d;
    SetValues(m_chart, DRAWING(0));
    const CamTimingSet& events = cam->primary;
    FillCurve(intakeProfile_, intakeData_, events.ivo, events.ivc, 360, 540, -1, cam->intakeLift);
    FillCurve(exhaustProfile_, exhaustData_, events.evo, events.evc, 180, 360, -1, cam->exhaustLift);
    SetValues(m_chart, DATA(exhaustData_), DATA2(intakeData_));

    double max = 1.0, spacing = 0.1;
    YScaleFor(std::max(BaseUnitValue(cam->intakeLift), BaseUnitValue(cam->exhaustLift)), max, spacing);
    SetValues(m_chart, Y_MAX(max), Y_TICK_ANCHOR(max), Y2_MAX(max), Y_MAJOR_SPACING(spacing),
              Y2_MAJOR_SPACING(spacing));
    if (events.method.IsSet()) {
        const int method = events.method.GetValue();
        APP_ASSERT(method == kSeatToSeat || method == kFiftyThou);
        const double min = method == kSeatToSeat ? 0.0 : 0.05;
        SetValues(m_chart, Y_MIN(min), Y2_MIN(min));
    }
    SetValues(m_chart, DRAWING(1));
}

void CCamTimingChart2D::DrawSpan(CDC* dc, Annotation which, float value, float xa, float xb, float y) {
    dimensions_[which]->DrawInData(dc, this, value, std::min(xa, xb), y, std::max(xa, xb), y);
}

void CCamTimingChart2D::DrawDimensions(HDC hdc) {
    APP_ASSERT(hdc != nullptr);
    CDC* dc = CDC::FromHandle(hdc);
    APP_ASSERT(dc != nullptr);
    using namespace zel2d;
    const double xMin = GetValue(m_chart, X_MIN), xMax = GetValue(m_chart, X_MAX);
    const double yMin = GetValue(m_chart, Y_MIN), yMax = GetValue(m_chart, Y_MAX);
    POINT topLeft, topRight, bottomLeft, bdc1, tdc, bdc2;
    if (!ZelUnmap(m_chart, 1, xMin, yMax, &topLeft) || !ZelUnmap(m_chart, 1, xMax, yMax, &topRight) ||
        !ZelUnmap(m_chart, 1, xMin, yMin, &bottomLeft))
        return;
    ZelUnmap(m_chart, 1, 180, yMax, &bdc1);
    ZelUnmap(m_chart, 1, 360, yMax, &tdc);
    ZelUnmap(m_chart, 1, 540, yMax, &bdc2);

    HGDIOBJ labelFont = labelFont_.GetSafeHandle() ? labelFont_.GetSafeHandle() : ::GetStockObject(SYSTEM_FONT);
    HGDIOBJ oldFont = ::SelectObject(hdc, labelFont);
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(hdc, &metrics);
    const int h = metrics.tmHeight;
    ::SelectObject(hdc, annotationFont_.GetSafeHandle() ? annotationFont_.GetSafeHandle()
                                                        : ::GetStockObject(SYSTEM_FONT));

    // The four strokes above the plot.
    const int bandY = topLeft.y - h;
    dimensions_[kPowerStroke]->Draw(dc, 0, topLeft.x, bandY, bdc1.x, bandY);
    dimensions_[kExhaustStroke]->Draw(dc, 0, bdc1.x, bandY, tdc.x, bandY);
    dimensions_[kIntakeStroke]->Draw(dc, 0, tdc.x, bandY, bdc2.x, bandY);
    dimensions_[kCompressionStroke]->Draw(dc, 0, bdc2.x, bandY, topRight.x, bandY);

    // Dead-centre lines.
    HPEN pen = ::CreatePen(PS_SOLID, 1, kDeadCentreLine);
    HGDIOBJ oldPen = ::SelectObject(hdc, pen);
    const UINT oldAlign = ::SetTextAlign(hdc, TA_CENTER | TA_TOP);
    const COLORREF oldColor = ::SetTextColor(hdc, kGrey);
    const int oldMode = ::SetBkMode(hdc, OPAQUE);
    const POINT centres[3] = {bdc1, tdc, bdc2};
    const char* names[3] = {"BDC", "TDC", "BDC"};
    for (int i = 0; i < 3; ++i) {
        ::MoveToEx(hdc, centres[i].x, topLeft.y, nullptr);
        ::LineTo(hdc, centres[i].x, bottomLeft.y);
        ::TextOutA(hdc, centres[i].x, topLeft.y + 3, names[i], 3);
    }
    ::SetTextAlign(hdc, oldAlign);
    ::SetTextColor(hdc, oldColor);
    ::SetBkMode(hdc, oldMode);
    ::SelectObject(hdc, oldPen);
    ::DeleteObject(pen);

    if (cam_ != nullptr) {
        const Cam& cam = *cam_;
        const CamTimingSet& events = cam.primary;
        const float bottom = static_cast<float>(yMin);
        float evc = 0, exhaustCentre = 0, exhaustLift = 0;
        const bool exhaustDrawn = Set(events.evo) && Set(events.evc) && Set(cam.rampRate) && Set(cam.exhaustLift);
        const bool intakeDrawn = Set(events.ivo) && Set(events.ivc) && Set(cam.rampRate) && Set(cam.intakeLift);
        if (exhaustDrawn) {
            const float evo = events.evo.GetValue();
            evc = events.evc.GetValue();
            exhaustLift = BaseUnitValue(cam.exhaustLift);
            DrawSpan(dc, kExhaustDuration, cam.exhaustDuration.GetValue(), 180 - evo, evc + 360, bottom);
            DrawSpan(dc, kExhaustOpening, evo, 180 - evo, 180, bottom);
            DrawSpan(dc, kExhaustClosing, evc, evc + 360, 360, bottom);
            const float c = cam.exhaustCenterline.GetValue();
            exhaustCentre = 360 - c;
            DrawSpan(dc, kExhaustCenterline, c, 360 - c, 360, exhaustLift);
        }
        float ivo = 0, intakeCentre = 0, intakeLift = 0;
        if (intakeDrawn) {
            ivo = events.ivo.GetValue();
            const float ivc = events.ivc.GetValue();
            intakeLift = BaseUnitValue(cam.intakeLift);
            DrawSpan(dc, kIntakeDuration, cam.intakeDuration.GetValue(), 360 - ivo, ivc + 540, bottom);
            dimensions_[kIntakeOpening]->SetExtension(ivo > 20 && evc > 20 ? 12 : 18);
            DrawSpan(dc, kIntakeOpening, ivo, 360 - ivo, 360, bottom);
            DrawSpan(dc, kIntakeClosing, ivc, 540, ivc + 540, bottom);
            const float c = cam.intakeCenterline.GetValue();
            intakeCentre = c + 360;
            DrawSpan(dc, kIntakeCenterline, c, 360, c + 360, intakeLift);
        }
        if (Set(cam.lobeCenterAngle) && exhaustCentre > 0 && intakeCentre > 0 && exhaustLift > 0 &&
            intakeLift > 0)
            DrawSpan(dc, kLobeCenter, cam.lobeCenterAngle.GetValue(), exhaustCentre, intakeCentre,
                     std::max(exhaustLift, intakeLift));
        // The overlap needs both valves: with one missing it would only repeat
        // the other's event.
        const float closeAt = evc + 360, openAt = 360 - ivo;
        if (exhaustDrawn && intakeDrawn && closeAt > 0 && openAt > 0 && closeAt > openAt)
            DrawSpan(dc, kOverlap, closeAt - openAt, openAt, closeAt, bottom);
    }
    ::SelectObject(hdc, oldFont);
}

}  // namespace torvane
