// Dimension annotations: their texts and style choice, and their pixels
// drawn into a memory DC from pixel and chart-data coordinates, as the cam
// timing chart places them.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "ModalDriver.h"
#include "WindowHelpers.h"
#include "torvane/results/Dimension.h"

using testing_harness::ModalDriver;
using testing_harness::Pixels;
using torvane::CDimension;

namespace {

constexpr unsigned kWhite = 0xFFFFFF, kBlack = 0x000000, kGrey = 0x808080;

// A white memory DC with the GUI font, wrapped for the annotations.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height) {
        HDC screen = ::GetDC(nullptr);
        memory_ = ::CreateCompatibleDC(screen);
        bitmap_ = ::CreateCompatibleBitmap(screen, width, height);
        ::ReleaseDC(nullptr, screen);
        previous_ = ::SelectObject(memory_, bitmap_);
        ::SelectObject(memory_, ::GetStockObject(DEFAULT_GUI_FONT));
        RECT all = {0, 0, width, height};
        ::FillRect(memory_, &all, HBRUSH(::GetStockObject(WHITE_BRUSH)));
        dc_.Attach(memory_);
    }
    ~Canvas() {
        dc_.Detach();
        ::SelectObject(memory_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(memory_);
    }
    CDC* dc() { return &dc_; }
    Pixels pixels() const { return Pixels::FromDC(memory_, width_, height_); }
    int TextWidth(const char* text) const {
        SIZE size;
        ::GetTextExtentPoint32A(memory_, text, int(strlen(text)), &size);
        return size.cx;
    }
    int TextHeight() const {
        TEXTMETRICA tm;
        ::GetTextMetricsA(memory_, &tm);
        return tm.tmHeight;
    }

private:
    int width_, height_;
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    CDC dc_;
};

// Non-white pixels in a rectangle.
int Ink(const Pixels& p, RECT r) {
    int count = 0;
    for (LONG y = r.top; y < r.bottom; ++y)
        for (LONG x = r.left; x < r.right; ++x) count += p.At(x, y) != kWhite;
    return count;
}

}  // namespace

TEST(Dimension, TextsJoinLabelAndNumberWithoutASpace) {
    struct Case {
        const char* label;
        const char* format;
        float value;
        const char* text;
    } cases[] = {{"LCA", "%.1f", 108.0f, "LCA:108.0"},
                 {"Intake Dur", "%.1f", 252.0f, "Intake Dur:252.0"},
                 {nullptr, "%.1f", 20.0f, "20.0"},
                 {"Compression", nullptr, 0.0f, "Compression"}};
    for (const Case& c : cases) {
        CDimension dimension(CDimension::kAbove, CDimension::kAutomatic, 8, c.label, c.format);
        EXPECT_STREQ(dimension.Text(c.value), c.text);
    }
}

TEST(Dimension, TheFallbackSideStartsFromThePlacement) {
    struct Case {
        int kind, placement, fallback;
    } cases[] = {{CDimension::kAbove, 0, CDimension::kTextLeft},   {CDimension::kBelow, 0, CDimension::kTextLeft},
                 {CDimension::kRight, 0, CDimension::kTextAbove},  {CDimension::kLeft, 0, CDimension::kTextAbove},
                 {CDimension::kAbove, 4, CDimension::kTextRight}, {CDimension::kRight, 2, CDimension::kTextBelow}};
    for (const Case& c : cases)
        EXPECT_EQ(CDimension(c.kind, c.placement, 12, "IVO", "%.1f").FallbackSide(), c.fallback) << c.kind;
}

TEST(Dimension, TheStyleFollowsTheSpanAgainstTheText) {
    struct Case {
        int kind, placement, span, extent;
        CDimension::Style style;
        int side;
    } cases[] = {
        // Horizontal, text 40 wide: room for it takes 56 pixels.
        {CDimension::kBelow, 0, 11, 40, CDimension::kOutside, CDimension::kTextLeft},
        {CDimension::kBelow, 0, 12, 40, CDimension::kSpanning, CDimension::kTextLeft},
        {CDimension::kBelow, 0, 55, 40, CDimension::kSpanning, CDimension::kTextLeft},
        {CDimension::kBelow, 0, 56, 40, CDimension::kSplit, CDimension::kAutomatic},
        {CDimension::kAbove, 4, 200, 40, CDimension::kSpanning, CDimension::kTextRight},
        {CDimension::kAbove, 4, 5, 40, CDimension::kOutside, CDimension::kTextRight},
        // Vertical, text 13 high: room takes 27.
        {CDimension::kRight, 0, 26, 13, CDimension::kSpanning, CDimension::kTextAbove},
        {CDimension::kRight, 0, 27, 13, CDimension::kSplit, CDimension::kAutomatic},
        {CDimension::kLeft, 2, 8, 13, CDimension::kOutside, CDimension::kTextBelow},
    };
    for (const Case& c : cases) {
        const CDimension::Choice choice = CDimension(c.kind, c.placement, 10, "X", nullptr).Choose(c.span, c.extent);
        EXPECT_EQ(choice.style, c.style) << c.kind << " " << c.placement << " " << c.span;
        EXPECT_EQ(choice.side, c.side) << c.kind << " " << c.placement << " " << c.span;
    }
}

TEST(Dimension, OutsideStyleDrawsTerminatorsOutsideAndTheTextOnTheFallbackSide) {
    Canvas canvas(400, 120);
    CDimension ivo(CDimension::kBelow, CDimension::kAutomatic, 12, "IVO", "%.1f");
    ivo.Draw(canvas.dc(), 20.0f, 200, 30, 208, 30);  // 8 pixels: shorter than 12
    const Pixels p = canvas.pixels();
    const int y = 30 + 12;
    // Extension lines from 4 below the points, 12 long.
    EXPECT_EQ(p.At(200, 34), kGrey);
    EXPECT_EQ(p.At(200, 45), kGrey);
    EXPECT_EQ(p.At(200, 33), kWhite);
    EXPECT_EQ(p.At(208, 40), kGrey);
    // Terminators outside the span, 10 long; nothing between the points.
    EXPECT_EQ(p.At(195, y), kBlack);
    EXPECT_EQ(p.At(190, y), kBlack);
    EXPECT_EQ(p.At(213, y), kBlack);
    EXPECT_EQ(p.At(218, y), kBlack);
    EXPECT_EQ(Ink(p, RECT{202, y - 1, 207, y + 2}), 0);
    // The text ends 11 pixels left of the first point, with no leader to it.
    const int width = canvas.TextWidth("IVO:20.0");
    EXPECT_GT(Ink(p, RECT{189 - width, y - 8, 189, y + 8}), 20);
    EXPECT_EQ(Ink(p, RECT{220, y - 8, 400, y + 8}), 0);
}

TEST(Dimension, SplitStyleLeavesAGapForCentredText) {
    Canvas canvas(400, 120);
    CDimension duration(CDimension::kBelow, CDimension::kAutomatic, 24, "Intake Dur", "%.1f");
    const int width = canvas.TextWidth("Intake Dur:252.0");
    const int x1 = 50, x2 = 50 + width + 16;  // exactly the room for the text: split
    duration.Draw(canvas.dc(), 252.0f, x1, 20, x2, 20);
    const Pixels p = canvas.pixels();
    const int y = 20 + 24;
    const int inward = (x2 - x1 - (width + 4)) / 2;  // 6
    // Inward terminators from both ends with their grey and black ticks.
    EXPECT_EQ(p.At(x1 + 2, y - 1), kGrey);
    EXPECT_EQ(p.At(x1 + 3, y - 1), kBlack);
    for (int x = x1 + 1; x < x1 + 1 + inward; ++x) EXPECT_EQ(p.At(x, y), kBlack) << x;
    for (int x = x2 - 1; x > x2 - 1 - inward; --x) EXPECT_EQ(p.At(x, y), kBlack) << x;
    // The text centred between the points.
    EXPECT_GT(Ink(p, RECT{x1 + 8, y - 8, x2 - 8, y + 8}), 40);
    EXPECT_EQ(Ink(p, RECT{0, y - 8, x1 - 1, y + 8}), 0);
    EXPECT_EQ(Ink(p, RECT{x2 + 1, y - 8, 400, y + 8}), 0);
}

TEST(Dimension, SpanningStyleJoinsTheTerminatorsAndLeadsToTheText) {
    Canvas canvas(400, 120);
    CDimension ivc(CDimension::kBelow, CDimension::kAutomatic, 12, "IVC", "%.1f");
    ivc.SetFallbackSide(CDimension::kTextRight);
    ivc.Draw(canvas.dc(), 52.0f, 100, 20, 130, 20);  // 30 pixels: too short for the text
    const Pixels p = canvas.pixels();
    const int y = 32;
    for (int x = 101; x < 130; ++x) EXPECT_EQ(p.At(x, y), kBlack) << x;  // across the span
    for (int x = 131; x < 140; ++x) EXPECT_EQ(p.At(x, y), kBlack) << x;  // the leader
    EXPECT_GT(Ink(p, RECT{142, y - 8, 142 + canvas.TextWidth("IVC:52.0"), y + 8}), 20);
    EXPECT_EQ(Ink(p, RECT{0, y - 8, 99, y + 8}), 0);
}

TEST(Dimension, VerticalDimensionsCentreTheirTextOnTheLine) {
    Canvas canvas(300, 200);
    CDimension height(CDimension::kRight, CDimension::kAutomatic, 20, "Lift", nullptr);
    height.Draw(canvas.dc(), 0.0f, 100, 40, 100, 160);
    const Pixels p = canvas.pixels();
    const int x = 120;
    EXPECT_EQ(p.At(104, 40), kGrey);  // extension lines to the right
    EXPECT_EQ(p.At(123, 160), kGrey);
    EXPECT_EQ(p.At(x, 45), kBlack);   // terminators downward from the top ...
    EXPECT_EQ(p.At(x, 155), kBlack);  // ... and upward from the bottom
    const int h = canvas.TextHeight();
    EXPECT_GT(Ink(p, RECT{x - 20, 100 - h, x + 20, 100 + h}), 20);  // text at mid-height
}

TEST(Dimension, DataPointsMapThroughTheChartAndOutsideDrawNothing) {
    // The cam chart's axes: crank degrees 60..660, lift 0..1.
    CChart2D chart;
    chart.m_chart = ZelCreate();
    zel2d::SetValues(chart.m_chart, zel2d::GRAPH_WIDTH(620), zel2d::GRAPH_HEIGHT(400), zel2d::MARGIN_LEFT(10),
                     zel2d::MARGIN_TOP(40), zel2d::MARGIN_RIGHT(9), zel2d::MARGIN_BOTTOM(60), zel2d::X_MIN(60),
                     zel2d::X_MAX(660), zel2d::Y_MIN(0), zel2d::Y_MAX(1));
    // Plot from (10, 40) to (610, 339): one degree is one pixel.
    Canvas canvas(640, 420);
    CDimension ivo(CDimension::kBelow, CDimension::kAutomatic, 12, "IVO", "%.1f");
    ASSERT_EQ(ivo.DrawInData(canvas.dc(), &chart, 20.0f, 340.0f, 0.0f, 360.0f, 0.0f), 1);
    Pixels p = canvas.pixels();
    EXPECT_EQ(p.At(290, 343), kGrey);  // x(340) = 290, 4 below the axis
    EXPECT_EQ(p.At(310, 350), kGrey);  // x(360) = 310
    EXPECT_EQ(p.At(291, 339 + 12), kBlack);  // spanning: 20 pixels < text + 16
    EXPECT_EQ(p.At(300, 339 + 12), kBlack);
    // The IVO text goes left of 340 degrees.
    EXPECT_GT(Ink(p, RECT{200, 339 + 12 - 8, 279, 339 + 12 + 8}), 20);

    Canvas empty(640, 420);
    EXPECT_EQ(ivo.DrawInData(empty.dc(), &chart, 20.0f, 340.0f, 0.0f, 700.0f, 0.0f), -1);
    EXPECT_EQ(ivo.DrawInData(empty.dc(), &chart, 20.0f, 340.0f, -0.1f, 360.0f, -0.1f), -1);
    EXPECT_EQ(Ink(empty.pixels(), RECT{0, 0, 640, 420}), 0);
}

namespace {

// A chart window laid out as the cam timing chart, whose owner draws the
// annotations over it after each paint.
class CamChartOwner : public CWnd {
public:
    CamChartOwner() {
        CreateEx(0, AfxRegisterWndClass(0), "Cam", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 700, 480, nullptr,
                 nullptr);
    }
    ~CamChartOwner() override { DestroyWindow(); }
    CChart2D chart;
    std::function<void(CDC*)> draw;
    int painted = 0;

protected:
    afx_msg LRESULT OnChartPainted(WPARAM, LPARAM lParam) {
        ++painted;
        CDC dc;
        dc.Attach(*reinterpret_cast<HDC*>(lParam));
        if (draw) draw(&dc);
        dc.Detach();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CamChartOwner, CWnd)
    ON_MESSAGE(ZEL2D_PAINTED, OnChartPainted)
END_MESSAGE_MAP()

}  // namespace

TEST(Dimension, TheCamChartsAnnotationsStandOverItsCurvesAfterEachPaint) {
    CamChartOwner owner;
    ASSERT_TRUE(owner.chart.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 680, 440), &owner, 0));
    ZELCHART chart = owner.chart.m_chart;
    ZELDATA exhaust = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 300), intake = ZelDataCreate(ZEL2D_DATA_OWN_X, 1, 300);
    // Raised-cosine lifts of 0.5 inch: exhaust 126..378, intake 340..592.
    for (int i = 0; i <= 40; ++i) {
        const double s = i / 40.0, lift = 0.5 * 0.5 * (1 - std::cos(2 * 3.14159265 * s));
        ZelDataSetXElement(exhaust, 0, i, 126 + 252 * s);
        ZelDataSetYElement(exhaust, 0, i, lift);
        ZelDataSetXElement(intake, 0, i, 340 + 252 * s);
        ZelDataSetYElement(intake, 0, i, lift);
    }
    ZelStyle red = {ZEL2D_LINE_SOLID, 0, 0x0000FF, 1, 0, 0, 5}, blue = {ZEL2D_LINE_SOLID, 0, 0xFF0000, 1, 0, 0, 5};
    ZelSetNthDataStyle(chart, 0, &red);
    ZelSetNthDataStyle2(chart, 0, &blue);
    ZelStyle grid = zel2d::GetValue(chart, zel2d::Y_GRID_STYLE);
    grid.pattern = ZEL2D_LINE_SOLID;
    grid.color = 0xDCDCDC;
    const int h = 13;
    zel2d::SetValues(chart, zel2d::DRAWING(0), zel2d::CHART_BACKGROUND(0xD8E9EC), zel2d::GRAPH_BACKGROUND(0xD8E9EC),
                     zel2d::PLOT_BACKGROUND(0xFFFFFF), zel2d::X_TITLE("Crank Degrees"), zel2d::X_MIN(60),
                     zel2d::X_MAX(660), zel2d::X_MAJOR_SPACING(30), zel2d::X_MINOR_SPACING(10),
                     zel2d::Y_TITLE("VALVE LIFT ( IN. )"), zel2d::Y_DECIMALS(2), zel2d::Y_MIN(0), zel2d::Y_MAX(1),
                     zel2d::Y_GRID(1), zel2d::Y_TICK_ANCHOR(1.0), zel2d::Y_MAJOR_SPACING(0.1),
                     zel2d::Y2_TITLE("VALVE LIFT ( IN. )"), zel2d::Y2_DECIMALS(2), zel2d::Y2_AXIS_SHOW(1),
                     zel2d::Y2_MIN(0), zel2d::Y2_MAX(1), zel2d::Y2_GRID(1), zel2d::Y2_MAJOR_SPACING(0.1),
                     zel2d::Y_GRID_STYLE(&grid), zel2d::Y2_GRID_STYLE(&grid), zel2d::MARGIN_LEFT(3 * h),
                     zel2d::MARGIN_RIGHT(3 * h), zel2d::MARGIN_TOP(3 * h), zel2d::MARGIN_BOTTOM(3 * h),
                     zel2d::DATA(exhaust), zel2d::DATA2(intake), zel2d::DRAWING(1));

    CDimension duration(CDimension::kBelow, CDimension::kAutomatic, 24, "Intake Dur", "%.1f");
    CDimension ivo(CDimension::kBelow, CDimension::kAutomatic, 12, "IVO", "%.1f");
    CDimension ivc(CDimension::kBelow, CDimension::kAutomatic, 12, "IVC", "%.1f");
    ivc.SetFallbackSide(CDimension::kTextRight);
    CDimension lca(CDimension::kAbove, CDimension::kAutomatic, 24, "LCA", "%.1f");
    CDimension power(CDimension::kAbove, CDimension::kAutomatic, 8, "Power", nullptr);
    std::vector<int> drawn;
    POINT ivo_left = {}, lca_left = {};
    owner.draw = [&](CDC* dc) {
        drawn.clear();
        drawn.push_back(duration.DrawInData(dc, &owner.chart, 252.0f, 340, 0, 592, 0));
        drawn.push_back(ivo.DrawInData(dc, &owner.chart, 20.0f, 340, 0, 360, 0));
        drawn.push_back(ivc.DrawInData(dc, &owner.chart, 52.0f, 540, 0, 592, 0));
        drawn.push_back(lca.DrawInData(dc, &owner.chart, 108.0f, 252, 0.5, 466, 0.5));
        ZelUnmap(chart, 1, 340, 0, &ivo_left);
        ZelUnmap(chart, 1, 252, 0.5, &lca_left);
        POINT left, right;
        ZelUnmap(chart, 1, 60, 1, &left);
        ZelUnmap(chart, 1, 180, 1, &right);
        power.Draw(dc, 0.0f, left.x, left.y - h, right.x, right.y - h);
    };
    owner.chart.Invalidate(FALSE);
    owner.chart.UpdateWindow();
    ASSERT_TRUE(testing_harness::PumpUntil([&] { return owner.painted > 0 && drawn.size() == 4; }, 3000));
    for (int result : drawn) EXPECT_EQ(result, 1);
    const Pixels p = Pixels::FromWindow(owner.chart.m_hWnd);
    char folder[MAX_PATH] = "";
    if (::GetEnvironmentVariableA("ZEL2D_PICTURES", folder, MAX_PATH)) p.SavePng(std::string(folder) + "\\cam_annotations.png");
    // IVO's extension lines hang 4 pixels below the axis at 340 degrees; its
    // dimension line 12 below; LCA's 24 above the 0.5-inch points.
    EXPECT_EQ(p.At(ivo_left.x, ivo_left.y + 4), kGrey);
    EXPECT_EQ(p.At(ivo_left.x + 2, ivo_left.y + 12), kBlack);
    EXPECT_EQ(p.At(lca_left.x, lca_left.y - 4), kGrey);
    EXPECT_EQ(p.At(lca_left.x + 5, lca_left.y - 24), kBlack);
    ZelDataDestroy(exhaust);
    ZelDataDestroy(intake);
    owner.chart.DestroyWindow();
}

TEST(DimensionDeathTest, BrokenPreconditionsAreAssertions) {
    struct Case {
        const char* what;
        std::function<void()> run;
    };
    const Case cases[] = {
        {"negative extension", [] { CDimension(CDimension::kAbove, 0, -1, "LCA", "%.1f"); }},
        {"neither label nor format", [] { CDimension(CDimension::kAbove, 0, 8, nullptr, nullptr); }},
        {"unknown kind",
         [] {
             Canvas canvas(50, 50);
             CDimension(7, 0, 8, "X", nullptr).Draw(canvas.dc(), 0.0f, 1, 1, 20, 1);
         }},
        {"points in the wrong order",
         [] {
             Canvas canvas(50, 50);
             CDimension(CDimension::kBelow, 0, 8, "X", nullptr).Draw(canvas.dc(), 0.0f, 20, 1, 1, 1);
         }},
        {"a vertical placement on a horizontal dimension",
         [] { CDimension(CDimension::kAbove, CDimension::kTextAbove, 8, "X", nullptr).Choose(100, 10); }},
        {"no owner",
         [] {
             Canvas canvas(50, 50);
             CDimension(CDimension::kAbove, 0, 8, "X", nullptr).DrawInData(canvas.dc(), nullptr, 0, 0, 0, 1, 0);
         }},
    };
    for (const Case& c : cases) {
        EXPECT_EXIT(
            {
                ModalDriver::Instance().Answer("ASSERTION FAILURE", IDOK);
                c.run();
            },
            ::testing::ExitedWithCode(9999), "")
            << c.what;
    }
}
