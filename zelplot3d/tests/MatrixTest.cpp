// The view's matrices: exact quarter turns, aliasing products, the chart's
// rotation and its eye point.
#include <gtest/gtest.h>

#include <cmath>

#include "ChartPictures.h"
#include "drawing/ViewFit.h"
#include "kernel/Matrix3D.h"

namespace zel3d_test {
namespace {

Matrix Sample() {
    Matrix m = {{{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}}};
    return m;
}

bool Equal(const Matrix& a, const Matrix& b) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (a.m[r][c] != b.m[r][c]) return false;
    return true;
}

void ExpectNear(const Matrix& a, const Matrix& b) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(a.m[r][c], b.m[r][c], 1e-12) << r << "," << c;
}

TEST(Matrix, QuarterTurnsAreExactAndMatchTheFullProduct) {
    for (int axis = 0; axis < 3; ++axis) {
        Matrix m = Sample();
        for (int k = 0; k < 4; ++k) zel3d_mat_rotate_in_place(&m, axis, 90.0);
        EXPECT_TRUE(Equal(m, Sample())) << axis;
        zel3d_mat_rotate_in_place(&m, axis, 0.0);
        EXPECT_TRUE(Equal(m, Sample()));
        for (double degrees : {90.0, -90.0, 180.0, 33.0}) {
            Matrix in_place = Sample(), full = Sample();
            zel3d_mat_rotate_in_place(&in_place, axis, degrees);
            zel3d_mat_rotate(&full, axis, degrees);
            ExpectNear(in_place, full);
        }
    }
}

TEST(Matrix, ProductsMayWriteIntoAnInput) {
    Matrix a = Sample(), b = Sample(), expected;
    zel3d_mat_rotate(&b, kAxisY, 30.0);
    zel3d_mat_product(&a, &b, &expected);
    zel3d_mat_multiply(&a, &b, &a);
    EXPECT_TRUE(Equal(a, expected));
    Matrix t = Sample(), u = Sample();
    zel3d_mat_translate(&t, 1.5, -2, 3);
    zel3d_mat_translate_in_place(&u, 1.5, -2, 3);
    ExpectNear(t, u);
}

TEST(Matrix, ProjectionDividesByW) {
    Matrix p;
    zel3d_mat_perspective(&p, 5.0);
    Point4 point = {1.0, 2.0, 2.5, 1.0}, out, same;
    zel3d_mat_project_point(&p, &point, &out);
    zel3d_mat_transform_point(&p, &point, &same);
    EXPECT_DOUBLE_EQ(2.0, out.x);  // w = 1 - 2.5 / 5
    EXPECT_DOUBLE_EQ(4.0, out.y);
    EXPECT_DOUBLE_EQ(out.x, same.x);
    EXPECT_DOUBLE_EQ(1.0, out.w);
}

// The chart's rotation R = Rx(-90) Rx(X) Ry(Y) Rz(Z) and its eye point
// 2 PD (-cos X sin Z, -cos X cos Z, sin X).
TEST(Matrix, ChartRotationAndEye) {
    SweepGrid grid;
    Zel3dChart* chart = MakeDetachedChart(400, 300);
    zel3d::SetValues(chart, zel3d::SURFACE_DATA(grid.data));
    RenderToMemory(chart);
    const Matrix& r = chart->scene.view.rotation;
    const double rows[3][3] = {{0.7071067811865476, -0.7071067811865476, 0}, {0.5, 0.5, 0.7071067811865476},
                               {-0.5, -0.5, 0.7071067811865476}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) EXPECT_NEAR(rows[row][column], r.m[row][column], 1e-12);
    const Point4& eye = chart->scene.view.eye;
    EXPECT_NEAR(-2.5, eye.x, 1e-12);
    EXPECT_NEAR(-2.5, eye.y, 1e-12);
    EXPECT_NEAR(3.5355339059327378, eye.z, 1e-12);

    ApplyProgramsSetup(chart, 400, 300, grid.data);
    RenderToMemory(chart);
    const Point4& programs_eye = chart->scene.view.eye;
    double x = 25 * kDegreesToRadians, z = 220 * kDegreesToRadians;
    EXPECT_NEAR(2e5 * -cos(x) * sin(z), programs_eye.x, 1e-6);
    EXPECT_NEAR(2e5 * -cos(x) * cos(z), programs_eye.y, 1e-6);
    EXPECT_NEAR(2e5 * sin(x), programs_eye.z, 1e-6);
    EXPECT_NEAR(0.583, programs_eye.x / 2e5, 1e-3);
    EXPECT_NEAR(0.694, programs_eye.y / 2e5, 1e-3);
    EXPECT_NEAR(0.423, programs_eye.z / 2e5, 1e-3);
    Zel3dDestroy(chart);
}

}  // namespace
}  // namespace zel3d_test
