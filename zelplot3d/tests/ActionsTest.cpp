// Turning, zooming and moving a chart in a window of the X display with
// mouse and key messages, as the default bindings say, and the
// notifications the owner gets and may refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ChartPictures.h"
#include "drawing/ViewFit.h"
#include "kernel/Matrix3D.h"
#include "window/Actions.h"

namespace zel3d_test {
namespace {

using testing_harness::PumpPending;

constexpr int kWidth = 400, kHeight = 300;
constexpr double kDegreesPerRadian = 57.29577951308232;
const unsigned kBackground = Rgb(0xC0C0C0);

struct Binding {
    int message, modifiers, key, action;
};

// The default bindings as the interface reports them.
const Binding kDefaults[] = {
    {WM_MOUSEMOVE, 16, 0, 4},   {WM_MOUSEMOVE, 24, 0, 5},   {WM_MOUSEMOVE, 20, 0, 6},
    {WM_MOUSEMOVE, 9, 0, 8},    {WM_LBUTTONDOWN, 8, 0, 7},  {WM_KEYDOWN, 0, 'r', 11},
    {WM_RBUTTONDOWN, 0, 0, 12}, {WM_MBUTTONDOWN, 4, 0, 1},  {WM_MBUTTONUP, 0, 0, 2},
    {WM_LBUTTONUP, 8, 0, 9},    {WM_KEYDOWN, 16, 'x', 100}, {WM_KEYDOWN, 16, 27, 3},
};

int ListLength(Zel3dChart* chart) {
    int n = 0;
    for (Zel3dActionBinding* node = Zel3dGetActionList(chart); node; node = node->next) ++n;
    return n;
}

TEST(ActionBindings, DefaultsNormaliseAndChange) {
    Zel3dChart* chart = Zel3dCreate();
    EXPECT_EQ(28, ListLength(chart));
    for (const Binding& b : kDefaults) {
        SCOPED_TRACE(testing::Message() << b.message << " " << b.modifiers << " " << b.key);
        EXPECT_EQ(b.action, Zel3dGetAction(chart, b.message, b.modifiers, b.key));
    }
    // Control with the left button down is stored with the button's bit.
    bool stored = false;
    for (Zel3dActionBinding* node = Zel3dGetActionList(chart); node; node = node->next)
        stored |= node->message == WM_LBUTTONDOWN && node->modifiers == 9 && node->key == 0 &&
                  node->action == 7;
    EXPECT_TRUE(stored);

    // Rebinding changes in place; action 0 removes; a new triple with 0 is nothing.
    EXPECT_NE(nullptr, Zel3dSetAction(chart, WM_KEYDOWN, 0, 'r', 3));
    EXPECT_EQ(3, Zel3dGetAction(chart, WM_KEYDOWN, 0, 'R'));
    EXPECT_EQ(28, ListLength(chart));
    EXPECT_EQ(nullptr, Zel3dSetAction(chart, WM_KEYDOWN, 0, 'R', 0));
    EXPECT_EQ(0, Zel3dGetAction(chart, WM_KEYDOWN, 0, 'R'));
    EXPECT_EQ(27, ListLength(chart));
    EXPECT_EQ(nullptr, Zel3dSetAction(chart, WM_KEYDOWN, 0, 'Q', 0));
    EXPECT_EQ(27, ListLength(chart));
    Zel3dActionBinding* added = Zel3dSetAction(chart, WM_KEYDOWN, 0, 'q', 11);
    ASSERT_NE(nullptr, added);
    EXPECT_EQ(added, Zel3dGetActionList(chart));  // new bindings go to the front
    EXPECT_EQ('Q', added->key);

    Zel3dResetAllActions(chart);
    EXPECT_EQ(29, ListLength(chart));
    EXPECT_EQ(11, Zel3dGetAction(chart, WM_KEYDOWN, 0, 'R'));
    Zel3dRemoveAllActions(chart);
    EXPECT_EQ(nullptr, Zel3dGetActionList(chart));
    Zel3dResetAllActions(chart);
    EXPECT_EQ(28, ListLength(chart));

    // Nothing runs before the chart has been painted.
    EXPECT_EQ(0, Zel3dCallAction(chart, 11, 10, 10));
    EXPECT_EQ(0, Zel3dCallAction(chart, 57, 10, 10));
    Zel3dDestroy(chart);
}

// A chart in a window with the programs' set-up and a hook on what its owner
// is told.
class ChartActions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_EQ(1, Zel3dRegisterClass(GetModuleHandleA(nullptr))); }

    void SetUp() override {
        ReleaseKeys();
        child_ = CreateWindowExA(0, "ZelChart3D8", "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                 owner_.window(), nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, child_);
        chart_ = Zel3dCreate();
        ASSERT_EQ(1, Zel3dAttachWindow(chart_, child_));
        ApplyProgramsSetup(chart_, kWidth, kHeight, grid_.data);
        zel3d::SetValues(chart_, zel3d::ZROTATION(0.0));
        PumpPending();
        ASSERT_TRUE(chart_->drawn);
        owner_.Clear();
    }
    void TearDown() override {
        ReleaseKeys();
        owner_.OnNotify(nullptr);
        Zel3dDestroy(chart_);
    }

    static void ReleaseKeys() {
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }
    static void HoldKeys(std::initializer_list<int> virtual_keys) {
        BYTE keys[256] = {};
        for (int key : virtual_keys) keys[key] = 0x80;
        SetKeyboardState(keys);
    }

    void Mouse(UINT message, WPARAM state, int x, int y) {
        SendMessageA(child_, message, state, MAKELPARAM(x, y));
    }
    void Key(int virtual_key) { SendMessageA(child_, WM_KEYDOWN, WPARAM(virtual_key), 1); }

    // A drag with the middle button (and `keys` such as MK_CONTROL) through
    // the given points.
    void MiddleDrag(WPARAM keys, std::initializer_list<POINT> path) {
        auto point = path.begin();
        Mouse(WM_MBUTTONDOWN, MK_MBUTTON | keys, point->x, point->y);
        for (++point; point != path.end(); ++point)
            Mouse(WM_MOUSEMOVE, MK_MBUTTON | keys, point->x, point->y);
        Mouse(WM_MBUTTONUP, keys, (path.end() - 1)->x, (path.end() - 1)->y);
    }

    double Value(zel3d::Property<double> property) { return zel3d::GetValue(chart_, property); }
    double X() { return Value(zel3d::XROTATION); }
    double Y() { return Value(zel3d::YROTATION); }
    double Z() { return Value(zel3d::ZROTATION); }

    // A point of the view box on the device.
    Point4 DevicePoint(double x, double y, double z) {
        const ViewState& view = chart_->scene.view;
        Matrix to_device;
        zel3d_mat_product(&view.device, &view.box_projection, &to_device);
        Point4 box = {x, y, z, 1.0}, device;
        zel3d_mat_project_point(&to_device, &box, &device);
        return device;
    }
    // The turn about a box axis that a pointer movement by (-dx, -dy) makes.
    double ExpectedTurn(int axis, int dx, int dy) {
        double low[3] = {0, 0, 0}, high[3] = {0, 0, 0};
        low[axis] = -1;
        high[axis] = 1;
        Point4 a = DevicePoint(low[0], low[1], low[2]), b = DevicePoint(high[0], high[1], high[2]);
        double ex = b.x - a.x, ey = b.y - a.y;
        return 100.0 * (ex * dy + ey * dx) / (ex * ex + ey * ey);
    }
    Pixels Screen() {
        InvalidateRect(child_, nullptr, FALSE);
        UpdateWindow(child_);
        return Pixels::FromWindow(child_);
    }

    OwnerWindow owner_{kWidth + 40, kHeight + 60};
    SweepGrid grid_;
    HWND child_ = nullptr;
    Zel3dChart* chart_ = nullptr;
};

double Turn(double degrees) {
    return fmod(degrees + 720.0, 360.0);
}

TEST_F(ChartActions, MiddleDragTurnsAboutTheChosenAxis) {
    // About x (the first mode): an upward movement turns by the amount the
    // x axis's length on the screen sets.
    double turn = ExpectedTurn(0, 0, 20);
    ASSERT_GT(fabs(turn), 1.0);
    MiddleDrag(0, {{200, 150}, {200, 130}});
    EXPECT_NEAR(Turn(25.0 + turn), X(), 1e-6);
    EXPECT_NEAR(0.0, Turn(Y() + 180.0) - 180.0, 1e-6);
    EXPECT_NEAR(0.0, Turn(Z() + 180.0) - 180.0, 1e-6);
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_START));
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_ROTATE));
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_END));

    // The Z key with the middle button down turns about z from then on.
    double x = X();
    Mouse(WM_MBUTTONDOWN, MK_MBUTTON, 200, 150);
    HoldKeys({VK_MBUTTON});
    Key('Z');
    turn = ExpectedTurn(2, -30, 0);
    Mouse(WM_MOUSEMOVE, MK_MBUTTON, 230, 150);
    ReleaseKeys();
    Mouse(WM_MBUTTONUP, 0, 230, 150);
    EXPECT_NEAR(x, X(), 1e-6);
    EXPECT_NEAR(Turn(turn), Z(), 1e-6);
    EXPECT_GE(Z(), 0.0);  // negative angles are stored plus 360 at the end
}

TEST_F(ChartActions, LeftAndRightTogetherTurnLikeTheMiddleButton) {
    double turn = ExpectedTurn(0, 0, -15);
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, 200, 150);
    Mouse(WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, 200, 150);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, 200, 165);
    Mouse(WM_LBUTTONUP, MK_RBUTTON, 200, 165);
    Mouse(WM_RBUTTONUP, 0, 200, 165);
    EXPECT_NEAR(Turn(25.0 + turn), X(), 1e-6);
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_END));
    EXPECT_EQ(0, owner_.Count(ZEL3D_NOTIFY_RIGHT_CLICK));
}

// The angle (degrees) by which the screen part of each box axis turned
// between two rotations, about the screen normal (rows 0, 1: screen x and
// y) or about the screen's y axis (rows 0, 2: screen x and depth); the
// axes must agree, and the row left out must not change.
double TurnOfTheAxes(const Matrix& before, const Matrix& after, int row_a, int row_b, int kept_row) {
    double turns[3];
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(before.m[kept_row][k], after.m[kept_row][k], 1e-9) << "axis " << k;
        double from = atan2(before.m[row_b][k], before.m[row_a][k]);
        double to = atan2(after.m[row_b][k], after.m[row_a][k]);
        turns[k] = Turn((to - from) * kDegreesPerRadian + 180.0) - 180.0;
    }
    EXPECT_NEAR(turns[0], turns[1], 1e-6);
    EXPECT_NEAR(turns[0], turns[2], 1e-6);
    return turns[0];
}

// With E pressed during a middle drag, the picture turns in the screen's
// plane by the angle the pointer sweeps round the box centre.
TEST_F(ChartActions, ScreenNormalDragTurnsThePictureInItsPlane) {
    Matrix before = chart_->scene.view.rotation;
    Point4 centre = DevicePoint(0.0, 0.0, 0.0);
    POINT from = {LONG(centre.x) + 60, LONG(centre.y)}, to = {LONG(centre.x) + 60, LONG(centre.y) - 45};
    double swept = (atan2(to.y - centre.y, to.x - centre.x) - atan2(from.y - centre.y, from.x - centre.x)) *
                   kDegreesPerRadian;
    Mouse(WM_MBUTTONDOWN, MK_MBUTTON, from.x, from.y);
    HoldKeys({VK_MBUTTON});
    Key('E');
    Mouse(WM_MOUSEMOVE, MK_MBUTTON, to.x, to.y);
    ReleaseKeys();
    Mouse(WM_MBUTTONUP, 0, to.x, to.y);
    ASSERT_GT(fabs(swept), 20.0);
    double turned = TurnOfTheAxes(before, chart_->scene.view.rotation, 0, 1, 2);
    EXPECT_NEAR(fabs(swept), fabs(turned), 1e-6);
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_ROTATE));
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_END));
}

// With N pressed during a middle drag, the turn is free: a sideways move
// turns about the screen's upright axis, an upward one about its
// horizontal axis, by half a turn per graph width.
TEST_F(ChartActions, FreeDragTurnsAboutTheScreenAxisAcrossTheMove) {
    int width = chart_->graph.width.value;
    ASSERT_GT(width, 0);
    struct Move {
        int dx, dy;
        int row_a, row_b, kept_row;  // the plane the axes turn in, and the row that stays
    };
    for (const Move& move : {Move{40, 0, 0, 2, 1}, Move{0, -30, 1, 2, 0}}) {
        SCOPED_TRACE(move.dx);
        Matrix before = chart_->scene.view.rotation;
        Mouse(WM_MBUTTONDOWN, MK_MBUTTON, 200, 150);
        HoldKeys({VK_MBUTTON});
        Key('N');
        Mouse(WM_MOUSEMOVE, MK_MBUTTON, 200 + move.dx, 150 + move.dy);
        ReleaseKeys();
        Mouse(WM_MBUTTONUP, 0, 200 + move.dx, 150 + move.dy);
        double turned = TurnOfTheAxes(before, chart_->scene.view.rotation, move.row_a, move.row_b, move.kept_row);
        EXPECT_NEAR(180.0 * (abs(move.dx) + abs(move.dy)) / width, fabs(turned), 1e-6);
    }
    EXPECT_EQ(2, owner_.Count(ZEL3D_NOTIFY_ROTATE));
}

TEST_F(ChartActions, EscapeDuringATurnRestoresTheView) {
    Mouse(WM_MBUTTONDOWN, MK_MBUTTON, 200, 150);
    Mouse(WM_MOUSEMOVE, MK_MBUTTON, 200, 100);
    EXPECT_NE(25.0, X());
    HoldKeys({VK_MBUTTON});
    Key(VK_ESCAPE);
    EXPECT_EQ(25.0, X());
    EXPECT_EQ(0.0, Z());
    EXPECT_EQ(0, chart_->interaction_state);
    EXPECT_EQ(1, owner_.Count(ZEL3D_NOTIFY_END));
}

TEST_F(ChartActions, ControlDragZoomsWithinItsLimits) {
    MiddleDrag(MK_CONTROL, {{200, 150}, {200, 180}});
    double scale = pow(10.0, 30.0 / kHeight);
    EXPECT_NEAR(scale, Value(zel3d::VIEW_SCALE), 1e-12);
    // The middle of the visible box stays where it was.
    EXPECT_NEAR(0.5 * (1.0 - 1.0 / scale), Value(zel3d::VIEW_XTRANSLATE), 1e-12);
    EXPECT_NEAR(0.5 * (1.0 - 1.0 / scale), Value(zel3d::VIEW_YTRANSLATE), 1e-12);
    EXPECT_EQ(0, zel3d::GetValue(chart_, zel3d::VIEW_NORMALIZED));
    // Each long drag down zooms in by 10^(280 / 300); up zooms out.
    for (int drag = 0; drag < 3; ++drag) MiddleDrag(MK_CONTROL, {{200, 10}, {200, 290}});
    EXPECT_DOUBLE_EQ(30.0, Value(zel3d::VIEW_SCALE));
    for (int drag = 0; drag < 6; ++drag) MiddleDrag(MK_CONTROL, {{200, 290}, {200, 10}});
    EXPECT_DOUBLE_EQ(0.03333333333333333, Value(zel3d::VIEW_SCALE));
}

TEST_F(ChartActions, ShiftDragMovesThePictureWithThePointer) {
    double z = grid_.data->grid.values[4][9];
    POINT before = DeviceOf(chart_, 5.0, 6.5, z);
    MiddleDrag(MK_SHIFT, {{200, 150}, {230, 135}});
    POINT after = DeviceOf(chart_, 5.0, 6.5, z);
    EXPECT_NEAR(30, after.x - before.x, 1);
    EXPECT_NEAR(-15, after.y - before.y, 1);
    EXPECT_EQ(1.0, Value(zel3d::VIEW_SCALE));
}

TEST_F(ChartActions, ControlLeftDragSpansAZoomBoxThatZooms) {
    Pixels before = Screen();
    double per_unit = chart_->scene.view.device.m[0][0];  // pixels per view unit
    double z = grid_.data->grid.values[4][9];
    POINT a0 = DeviceOf(chart_, 4.0, 5.0, z), b0 = DeviceOf(chart_, 6.0, 8.0, z);
    HoldKeys({VK_CONTROL});
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 150, 100);
    Mouse(WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, 250, 180);
    // The band inverts the pixels under its outline.
    Pixels band = Pixels::FromWindow(child_);
    SavePicture(band, "actions_zoom_box");
    EXPECT_EQ(0xFFFFFFu ^ before.At(200, 100), band.At(200, 100));
    EXPECT_EQ(0xFFFFFFu ^ before.At(150, 140), band.At(150, 140));
    EXPECT_EQ(before.At(200, 140), band.At(200, 140));
    Mouse(WM_LBUTTONUP, MK_CONTROL, 250, 180);
    ReleaseKeys();

    // The box's view width over the stored fit's: 100 x 80 pixels at the
    // fit's pixels per view unit.
    double expected = std::min(chart_->scene.view.extents[2] * per_unit / 100.0,
                               chart_->scene.view.extents[3] * per_unit / 80.0);
    double scale = Value(zel3d::VIEW_SCALE);
    EXPECT_GT(scale, 1.5);
    EXPECT_NEAR(expected / scale, 1.0, 0.02);
    POINT a1 = DeviceOf(chart_, 4.0, 5.0, z), b1 = DeviceOf(chart_, 6.0, 8.0, z);
    double d0 = hypot(b0.x - a0.x, b0.y - a0.y), d1 = hypot(b1.x - a1.x, b1.y - a1.y);
    EXPECT_NEAR(scale, d1 / d0, 0.05);
    Pixels after = Screen();
    SavePicture(after, "actions_zoomed");

    // R puts the view back as it was before any zoom.
    Key('R');
    EXPECT_EQ(1.0, Value(zel3d::VIEW_SCALE));
    EXPECT_EQ(0.0, Value(zel3d::VIEW_XTRANSLATE));
    EXPECT_EQ(0.0, Value(zel3d::VIEW_YTRANSLATE));
    EXPECT_EQ(1, zel3d::GetValue(chart_, zel3d::VIEW_NORMALIZED));
    Pixels reset = Screen();
    int different = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) different += reset.At(x, y) != before.At(x, y);
    EXPECT_EQ(0, different);
}

TEST_F(ChartActions, EndingBelowZeroStoresTheAnglePlus360) {
    zel3d::SetValues(chart_, zel3d::XROTATION(5.0));
    double per_pixel = ExpectedTurn(0, 0, 1);
    int dy = int(lround(-25.0 / per_pixel));
    double turn = ExpectedTurn(0, 0, dy);
    MiddleDrag(0, {{200, 150}, {200, 150 - dy}});
    EXPECT_LT(5.0 + turn, 0.0);
    EXPECT_NEAR(365.0 + turn, X(), 1e-6);
}

TEST_F(ChartActions, TheOwnerMayRefuseAnInteractionOrAStep) {
    int refuse = ZEL3D_NOTIFY_START;
    owner_.OnNotify([&](UINT message, LPARAM payload) {
        if (message == UINT(refuse) && message == ZEL3D_NOTIFY_START)
            reinterpret_cast<Zel3dStartRequest*>(payload)->allow = 0;
        if (message == UINT(refuse) && message == ZEL3D_NOTIFY_ROTATE)
            reinterpret_cast<Zel3dRotateRequest*>(payload)->allow = 0;
        if (message == ZEL3D_NOTIFY_ZOOM) reinterpret_cast<Zel3dZoomRequest*>(payload)->scale = 2.0;
    });
    MiddleDrag(0, {{200, 150}, {200, 120}});
    EXPECT_EQ(25.0, X());
    EXPECT_EQ(0, owner_.Count(ZEL3D_NOTIFY_ROTATE));
    EXPECT_EQ(0, owner_.Count(ZEL3D_NOTIFY_END));

    // A refused step leaves the angles; the next one is applied.
    refuse = ZEL3D_NOTIFY_ROTATE;
    Mouse(WM_MBUTTONDOWN, MK_MBUTTON, 200, 150);
    Mouse(WM_MOUSEMOVE, MK_MBUTTON, 200, 120);
    EXPECT_EQ(25.0, X());
    refuse = 0;
    double turn = ExpectedTurn(0, 0, 10);
    Mouse(WM_MOUSEMOVE, MK_MBUTTON, 200, 110);
    Mouse(WM_MBUTTONUP, 0, 200, 110);
    EXPECT_NEAR(25.0 + turn, X(), 1e-6);

    // The owner's own values are the ones stored.
    MiddleDrag(MK_CONTROL, {{200, 150}, {200, 160}});
    EXPECT_EQ(2.0, Value(zel3d::VIEW_SCALE));
}

TEST_F(ChartActions, RightClickTellsTheOwnerWhere) {
    Mouse(WM_RBUTTONDOWN, MK_RBUTTON, 37, 41);
    Mouse(WM_RBUTTONUP, 0, 37, 41);
    ASSERT_EQ(1, owner_.Count(ZEL3D_NOTIFY_RIGHT_CLICK));
    EXPECT_EQ(37, owner_.Last(ZEL3D_NOTIFY_RIGHT_CLICK)->click.x);
    EXPECT_EQ(41, owner_.Last(ZEL3D_NOTIFY_RIGHT_CLICK)->click.y);
    // The click also reaches the owner as a message.
    EXPECT_EQ(1, owner_.Count(WM_RBUTTONDOWN));
    EXPECT_EQ(-1, Zel3dCallAction(chart_, 0, 0, 0));
    EXPECT_EQ(56, Zel3dCallAction(chart_, 57, 0, 0));
}

TEST_F(ChartActions, TheTurnPreviewErasesItsLastOutlineAndShowsItsAxis) {
    unsigned foreground = 0;  // the programs' graph foreground: black
    Mouse(WM_MBUTTONDOWN, MK_MBUTTON, 200, 150);
    Pixels started = Pixels::FromWindow(child_);
    // The graph is cleared for the outline: no surface colour is left.
    const Rect& graph = chart_->graph.rect;
    RECT area = {graph.x, graph.y, graph.x + graph.width, graph.y + graph.height};
    EXPECT_EQ(0, started.Count(Rgb(0x000080), &area));
    Mouse(WM_MOUSEMOVE, MK_MBUTTON, 200, 120);
    Pixels first = Pixels::FromWindow(child_);
    double hx = chart_->x_axis.normalized_scale;
    Point4 axis_end = DevicePoint(1.4 * hx, 0, 0);
    int near_end = 0;  // the line may pass a pixel beside the exact point
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            near_end +=
                first.At(int(axis_end.x + 0.5) + dx, int(axis_end.y + 0.5) + dy) == foreground;
    EXPECT_GE(near_end, 1);
    Mouse(WM_MOUSEMOVE, MK_MBUTTON, 200, 60);
    Pixels second = Pixels::FromWindow(child_);
    SavePicture(first, "actions_preview_first");
    SavePicture(second, "actions_preview_second");
    // Every outline pixel of the first step that the second does not draw
    // again is background once more.
    int stale = 0, erased = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            if (first.At(x, y) != foreground || started.At(x, y) == foreground) continue;
            if (second.At(x, y) == foreground) continue;
            ++erased;
            stale += second.At(x, y) != kBackground;
        }
    EXPECT_GT(erased, 100);
    EXPECT_EQ(0, stale);
    Mouse(WM_MBUTTONUP, 0, 200, 60);
    EXPECT_GT(Screen().Count(Rgb(0x000080), &area), 1000);
}

}  // namespace
}  // namespace zel3d_test
