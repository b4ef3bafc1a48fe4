// Derived data sets against grids worked out by hand: shading of planes,
// the smoothing weights, and resampling that reproduces linear and
// quadratic data.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "zelplot3d.h"

namespace {

constexpr double kHole = 1e308;

// A grid of nx by ny with steps 1 and origin 0, filled from f(x, y).
Zel3dData* Grid(int nx, int ny, const std::function<double(double, double)>& f, double xstep = 1.0,
                double ystep = 1.0) {
    Zel3dData* data = Zel3dMakeGridData(nx, ny, kHole, xstep, ystep, 0.0, 0.0, 1);
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) data->grid.values[i][j] = f(i * xstep, j * ystep);
    return data;
}

struct DataDeleter {
    void operator()(Zel3dData* data) const { Zel3dDestroyData(data, 1); }
};
using DataPtr = std::unique_ptr<Zel3dData, DataDeleter>;

TEST(DataShaded, FlatGridsShadeToTheSineOfTheElevation) {
    DataPtr flat(Grid(3, 4, [](double, double) { return 2.0; }));
    DataPtr half(Zel3dDataShaded(flat.get(), 10.0, 30.0, 1.0, 0.1, 0.8));
    ASSERT_NE(nullptr, half);
    EXPECT_EQ(ZEL3D_DATA_GRID, half->type);
    EXPECT_EQ(-100.0, half->grid.hole);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(0.5, half->grid.values[i][j], 1e-12);
    DataPtr full(Zel3dDataShaded(flat.get(), 0.0, 90.0, 1.0, 0.0, 1.0));
    EXPECT_NEAR(1.0, full->grid.values[1][1], 1e-12);
    // A vanishing z scale leaves a zero normal: the ambient value.
    DataPtr none(Zel3dDataShaded(flat.get(), 0.0, 45.0, 1e-200, 0.25, 1.0));
    EXPECT_EQ(0.25, none->grid.values[2][3]);
}

// The plane z = x has the normal (-1, 0, 1) / sqrt 2: full light from the
// upper left (azimuth 180, elevation 45), none from the upper right.
TEST(DataShaded, APlaneFacesItsLight) {
    DataPtr plane(Grid(3, 3, [](double x, double) { return x; }));
    DataPtr lit(Zel3dDataShaded(plane.get(), 180.0, 45.0, 1.0, 0.25, 0.5));
    DataPtr dark(Zel3dDataShaded(plane.get(), 0.0, 45.0, 1.0, 0.25, 0.5));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(0.75, lit->grid.values[i][j], 1e-12);
            EXPECT_NEAR(0.25, dark->grid.values[i][j], 1e-12);
        }
    // A hole makes every point whose differences use it a hole.
    plane->grid.values[1][1] = kHole;
    DataPtr holed(Zel3dDataShaded(plane.get(), 180.0, 45.0, 1.0, 0.25, 0.5));
    EXPECT_EQ(-100.0, holed->grid.values[1][1]);
    EXPECT_EQ(-100.0, holed->grid.values[0][1]);  // x pair (0, 1)
    EXPECT_EQ(-100.0, holed->grid.values[1][0]);  // y pair (0, 1)
    EXPECT_EQ(-100.0, holed->grid.values[2][1]);  // last row: x pair (1, 2)
    EXPECT_NEAR(0.75, holed->grid.values[0][0], 1e-12);
    EXPECT_NEAR(0.75, holed->grid.values[2][2], 1e-12);
}

TEST(DataShaded, IrregularGridsKeepTheirPositionsAndSmallGridsAreRefused) {
    Zel3dData* data = Zel3dMakeIrGridData(2, 3, kHole, 1);
    const double xs[] = {0.0, 2.0}, ys[] = {0.0, 1.0, 3.0};
    for (int i = 0; i < 2; ++i) data->irgrid.x[i] = xs[i];
    for (int j = 0; j < 3; ++j) data->irgrid.y[j] = ys[j];
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j) data->irgrid.values[i][j] = ys[j];  // z = y: slope 1 along y
    DataPtr source(data);
    DataPtr shaded(Zel3dDataShaded(source.get(), 270.0, 45.0, 1.0, 0.0, 1.0));
    ASSERT_NE(nullptr, shaded);
    ASSERT_EQ(ZEL3D_DATA_IRGRID, shaded->type);
    EXPECT_EQ(3.0, shaded->irgrid.y[2]);
    // Normal (0, -1, 1) / sqrt 2 against (0, -1, 1) / sqrt 2.
    EXPECT_NEAR(1.0, shaded->irgrid.values[1][2], 1e-12);

    DataPtr thin(Grid(1, 5, [](double, double) { return 0.0; }));
    EXPECT_EQ(nullptr, Zel3dDataShaded(thin.get(), 0.0, 45.0, 1.0, 0.0, 1.0));
    DataPtr points(Zel3dMakePointData(1, 3, kHole, 1));
    EXPECT_EQ(nullptr, Zel3dDataShaded(points.get(), 0.0, 45.0, 1.0, 0.0, 1.0));
    EXPECT_EQ(nullptr, Zel3dDataShaded(nullptr, 0.0, 45.0, 1.0, 0.0, 1.0));
}

// On a grid with steps 1 and 2 the neighbour weights are g along x,
// g / 2 along y and g / sqrt 5 on the diagonals, summing to 1 - keep.
TEST(DataSmooth, WeightsFollowTheInverseDistance) {
    const double keep = 0.5;
    DataPtr spike(Grid(3, 3, [](double x, double y) { return x == 1.0 && y == 2.0 ? 9.0 : 0.0; }, 1.0, 2.0));
    Zel3dDataSmooth(spike.get(), keep);
    double along_x = 1.0, along_y = 0.5, diagonal = 1.0 / std::sqrt(5.0);
    double g = (1.0 - keep) / (2 * along_x + 2 * along_y + 4 * diagonal);
    double** v = spike->grid.values;
    EXPECT_NEAR(keep * 9.0, v[1][1], 1e-12);  // all eight neighbours present
    // A corner sees three neighbours: (0, 1), (1, 0) and the spike at (1, 1).
    EXPECT_NEAR(g * diagonal * 9.0 / (keep + g * (along_x + along_y + diagonal)), v[0][0], 1e-12);
    // An edge point sees five: the spike across x.
    EXPECT_NEAR(g * along_x * 9.0 / (keep + g * (along_x + 2 * along_y + 2 * diagonal)), v[0][1], 1e-12);
    EXPECT_NEAR(g * along_y * 9.0 / (keep + g * (2 * along_x + along_y + 2 * diagonal)), v[1][0], 1e-12);
}

TEST(DataSmooth, HolesAndOutOfRangeKeeps) {
    DataPtr ramp(Grid(3, 3, [](double x, double y) { return x + 3 * y; }));
    // A plane is its own weighted mean inside; keep at 1 or below 0 changes nothing.
    for (double keep : {1.0, 1.5, -0.1}) {
        Zel3dDataSmooth(ramp.get(), keep);
        EXPECT_EQ(5.0, ramp->grid.values[2][1]);
    }
    Zel3dDataSmooth(ramp.get(), 0.999);
    EXPECT_NEAR(4.0, ramp->grid.values[1][1], 1e-12);
    EXPECT_NEAR(5.0, ramp->grid.values[2][1], 2e-3);

    DataPtr holed(Grid(3, 3, [](double, double) { return 6.0; }));
    holed->grid.values[1][1] = kHole;
    holed->grid.values[0][0] = 3.0;
    Zel3dDataSmooth(holed.get(), 0.2);
    EXPECT_EQ(kHole, holed->grid.values[1][1]);
    // (0, 1) averages 3 and four 6s (and itself) without the hole.
    EXPECT_GT(holed->grid.values[0][1], 3.0);
    EXPECT_LT(holed->grid.values[0][1], 6.0);
    EXPECT_DOUBLE_EQ(6.0, holed->grid.values[2][2]);

    // With keep 0 an isolated value has nothing to average and keeps itself.
    DataPtr island(Grid(3, 3, [](double, double) { return kHole; }));
    island->grid.values[1][1] = 7.0;
    Zel3dDataSmooth(island.get(), 0.0);
    EXPECT_EQ(7.0, island->grid.values[1][1]);
}

TEST(DataWindow, LinearDataIsReproduced) {
    auto plane = [](double x, double y) { return 2 * x + 3 * y - 1; };
    DataPtr source(Grid(5, 4, plane));
    DataPtr same(Zel3dDataWindow(source.get(), 0.0, 0.0, 4.0, 3.0, 5, 4, 1));
    ASSERT_NE(nullptr, same);
    for (int i = 0; i < 5; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_NEAR(plane(i, j), same->grid.values[i][j], 1e-12);
    // A reversed corner order and finer counts: steps 0.5 and 0.25.
    for (int method : {1, 2}) {
        DataPtr finer(Zel3dDataWindow(source.get(), 3.0, 2.0, 1.0, 1.0, 5, 5, method));
        ASSERT_NE(nullptr, finer);
        EXPECT_EQ(1.0, finer->grid.xorigin);
        EXPECT_EQ(1.0, finer->grid.yorigin);
        EXPECT_EQ(0.5, finer->grid.xstep);
        EXPECT_EQ(0.25, finer->grid.ystep);
        for (int i = 0; i < 5; ++i)
            for (int j = 0; j < 5; ++j) EXPECT_NEAR(plane(1 + 0.5 * i, 1 + 0.25 * j), finer->grid.values[i][j], 1e-12);
    }
}

// The spline's end slopes come from parabolas, so it reproduces z = x^2
// exactly; linear interpolation gives the chords.
TEST(DataWindow, TheSplineReproducesAParabola) {
    DataPtr source(Grid(5, 2, [](double x, double) { return x * x; }));
    DataPtr spline(Zel3dDataWindow(source.get(), 0.0, 0.0, 4.0, 1.0, 9, 2, 2));
    DataPtr linear(Zel3dDataWindow(source.get(), 0.0, 0.0, 4.0, 1.0, 9, 2, 1));
    for (int i = 0; i < 9; ++i) {
        double x = 0.5 * i;
        EXPECT_NEAR(x * x, spline->grid.values[i][1], 1e-12);
        double chord = i % 2 ? (std::floor(x) * std::floor(x) + std::ceil(x) * std::ceil(x)) / 2 : x * x;
        EXPECT_NEAR(chord, linear->grid.values[i][0], 1e-12);
    }
}

TEST(DataWindow, HolesEdgesAndRefusals) {
    DataPtr source(Grid(4, 2, [](double x, double) { return 10 * x; }, 0.1, 1.0));
    // 0 .. 0.3 in 4 positions: the last position is on the last sample,
    // not a rounding step past it.
    DataPtr same(Zel3dDataWindow(source.get(), 0.0, 0.0, 0.3, 1.0, 4, 2, 1));
    EXPECT_NEAR(3.0, same->grid.values[3][0], 1e-12);
    EXPECT_NEAR(3.0, same->grid.values[3][1], 1e-12);
    // Outside the samples: holes.
    DataPtr wider(Zel3dDataWindow(source.get(), -0.1, 0.0, 0.3, 1.0, 5, 2, 1));
    EXPECT_EQ(kHole, wider->grid.values[0][0]);
    EXPECT_NEAR(0.0, wider->grid.values[1][0], 1e-12);
    // A hole in the source: positions in the intervals on either side of it
    // (their ends included) are holes, the rest interpolate across the
    // valid samples.
    source->grid.values[1][0] = source->grid.values[1][1] = kHole;
    DataPtr holed(Zel3dDataWindow(source.get(), 0.0, 0.0, 0.3, 1.0, 7, 2, 2));
    for (int i : {0, 1, 2, 3}) EXPECT_EQ(kHole, holed->grid.values[i][0]) << i;
    EXPECT_NEAR(2.0, holed->grid.values[4][0], 1e-12);
    EXPECT_NEAR(2.5, holed->grid.values[5][1], 1e-12);
    // Two valid samples: both methods give the straight line.
    DataPtr two(Grid(2, 2, [](double x, double y) { return x + y; }));
    for (int method : {1, 2}) {
        DataPtr line(Zel3dDataWindow(two.get(), 0.0, 0.0, 1.0, 1.0, 3, 3, method));
        EXPECT_NEAR(1.0, line->grid.values[1][1], 1e-12);
    }
    EXPECT_EQ(nullptr, Zel3dDataWindow(source.get(), 0.0, 0.0, 0.0, 1.0, 4, 2, 1));
    EXPECT_EQ(nullptr, Zel3dDataWindow(source.get(), 0.0, 0.0, 0.3, 1.0, 1, 2, 1));
    DataPtr points(Zel3dMakePointData(1, 3, kHole, 1));
    EXPECT_EQ(nullptr, Zel3dDataWindow(points.get(), 0.0, 0.0, 1.0, 1.0, 4, 2, 1));
    EXPECT_EQ(nullptr, Zel3dDataWindow(nullptr, 0.0, 0.0, 1.0, 1.0, 4, 2, 1));
}

}  // namespace
