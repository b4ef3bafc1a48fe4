#include "drawing/RayPick.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/Bars.h"
#include "drawing/DrawHelpers.h"

namespace {

double BoxX(const Zel3dChart* chart, double x) {
    const Matrix& n = chart->scene.view.normalize;
    return n.m[0][0] * x + n.m[0][3];
}

double BoxY(const Zel3dChart* chart, double y) {
    const Matrix& n = chart->scene.view.normalize;
    return n.m[1][1] * y + n.m[1][3];
}

double BoxZ(const Zel3dChart* chart, double z) {
    const Matrix& n = chart->scene.view.normalize;
    return n.m[2][2] * z + n.m[2][3];
}

// The part of the ray in front of its origin that lies between the low
// and high bounds of its first `axes` coordinates (the slab method).
bool InsideSlabs(const Ray& ray, const double* lows, const double* highs, int axes, double* t_in, double* t_out) {
    const double origin[3] = {ray.origin.x, ray.origin.y, ray.origin.z};
    const double direction[3] = {ray.direction.x, ray.direction.y, ray.direction.z};
    *t_in = 0.0;
    *t_out = 1e308;
    for (int a = 0; a < axes; ++a) {
        if (direction[a] == 0.0) {
            if (origin[a] < lows[a] || origin[a] > highs[a]) return false;
            continue;
        }
        double t1 = (lows[a] - origin[a]) / direction[a], t2 = (highs[a] - origin[a]) / direction[a];
        *t_in = std::max(*t_in, std::min(t1, t2));
        *t_out = std::min(*t_out, std::max(t1, t2));
    }
    return *t_in <= *t_out;
}

// The ray against the triangle (a, b, c): the parameter of the crossing
// with the triangle's plane when it lies inside the triangle.
bool HitTriangle(const Ray& ray, const Vec3& a, const Vec3& b, const Vec3& c, double* t) {
    Vec3 ab, ac, normal;
    zel3d_vec_sub(&b, &a, &ab);
    zel3d_vec_sub(&c, &a, &ac);
    zel3d_vec_cross(&ab, &ac, &normal);
    double along = zel3d_vec_dot(&normal, &ray.direction);
    if (along == 0.0) return false;
    Vec3 to_a;
    zel3d_vec_sub(&a, &ray.origin, &to_a);
    double s = zel3d_vec_dot(&normal, &to_a) / along;
    Vec3 p = {ray.origin.x + s * ray.direction.x, ray.origin.y + s * ray.direction.y,
              ray.origin.z + s * ray.direction.z};
    // Inside when p lies on the inner side of each edge.
    const Vec3* corners[3] = {&a, &b, &c};
    for (int k = 0; k < 3; ++k) {
        Vec3 edge, to_p, cross;
        zel3d_vec_sub(corners[(k + 1) % 3], corners[k], &edge);
        zel3d_vec_sub(&p, corners[k], &to_p);
        zel3d_vec_cross(&edge, &to_p, &cross);
        if (zel3d_vec_dot(&cross, &normal) < -1e-12 * zel3d_vec_dot(&normal, &normal)) return false;
    }
    *t = s;
    return true;
}

// The ray against the four triangles of cell (i, j) around its centre.
bool HitSurfaceCell(const Zel3dChart* chart, const Ray& ray, int i, int j, double* t) {
    const DataView& view = chart->surface_view;
    double v[4] = {view.values[i][j], view.values[i][j + 1], view.values[i + 1][j + 1], view.values[i + 1][j]};
    for (double value : v)
        if (value == view.hole) return false;
    Vec3 c[4] = {zel3d_grid_point_view(chart, i, j), zel3d_grid_point_view(chart, i, j + 1),
                 zel3d_grid_point_view(chart, i + 1, j + 1), zel3d_grid_point_view(chart, i + 1, j)};
    Vec3 centre = {(c[0].x + c[2].x) / 2, (c[0].y + c[2].y) / 2, (c[0].z + c[1].z + c[2].z + c[3].z) / 4};
    double nearest = 1e308;
    for (int k = 0; k < 4; ++k) {
        double s = 0.0;
        if (HitTriangle(ray, centre, c[k], c[(k + 1) % 4], &s)) nearest = std::min(nearest, s);
    }
    *t = nearest;
    return nearest != 1e308;
}

// The nearest bar that the ray crosses in front of its origin.
bool PickBar(const Zel3dChart* chart, const Ray& ray, RayHit* hit) {
    const DataWindow& w = chart->scene.window;
    double nearest = 1e308;
    for (int i = w.first_x; i <= w.last_x; ++i)
        for (int j = w.first_y; j <= w.last_y; ++j) {
            double t;
            if (!zel3d_ray_hit_bar(chart, ray, i, j, &t) || t >= nearest) continue;
            nearest = t;
            hit->i = i;
            hit->j = j;
        }
    if (nearest == 1e308) return false;
    hit->t = nearest;
    hit->point = {ray.origin.x + nearest * ray.direction.x, ray.origin.y + nearest * ray.direction.y,
                  ray.origin.z + nearest * ray.direction.z};
    return true;
}

}  // namespace

Vec3 zel3d_grid_point_view(const Zel3dChart* chart, int i, int j) {
    const DataView& view = chart->surface_view;
    return {BoxX(chart, view.x[i]), BoxY(chart, view.y[j]), BoxZ(chart, view.values[i][j])};
}

double zel3d_line_intersection(double px, double py, double rx, double ry, double qx, double qy, double sx,
                               double sy) {
    double d = rx * sy - ry * sx;
    if (d + 1.0 == 1.0) return 1e308;
    double t = ((qx - px) * sy - (qy - py) * sx) / d;
    double u = ((qx - px) * ry - (qy - py) * rx) / d;
    if (u < -0.01 || u > 1.01) return 1e308;
    return t;
}

bool zel3d_ray_pick_cell(const Zel3dChart* chart, const Ray& ray, RayHit* hit) {
    const DataView& view = chart->surface_view;
    const DataWindow& w = chart->scene.window;
    if (!view.valid || view.type == ZEL3D_DATA_POINT) return false;
    if (chart->type == 1) return PickBar(chart, ray, hit);
    if (chart->type != 0 || w.count_x < 2 || w.count_y < 2) return false;
    int nx = w.count_x, ny = w.count_y;
    std::vector<double> gx(nx), gy(ny);
    for (int k = 0; k < nx; ++k) gx[k] = BoxX(chart, view.x[w.first_x + k]);
    for (int k = 0; k < ny; ++k) gy[k] = BoxY(chart, view.y[w.first_y + k]);
    const Vec3& o = ray.origin;
    const Vec3& d = ray.direction;
    // The part of the ray above the grid (the slab method); the walk starts
    // where that part begins, or at the eye when it stands over the grid.
    double t_in, t_out;
    const double lows[2] = {gx.front(), gy.front()}, highs[2] = {gx.back(), gy.back()};
    if (!InsideSlabs(ray, lows, highs, 2, &t_in, &t_out)) return false;
    double sx = o.x + t_in * d.x, sy = o.y + t_in * d.y;
    int i = zel3d_interval_index(sx, gx.data(), nx), j = zel3d_interval_index(sy, gy.data(), ny);
    double t = t_in;
    for (int steps = 0; steps < 2 * (nx + ny) + 4; ++steps) {
        double s;
        if (HitSurfaceCell(chart, ray, w.first_x + i, w.first_y + j, &s)) {
            hit->i = w.first_x + i;
            hit->j = w.first_y + j;
            hit->t = s;
            hit->point = {o.x + s * d.x, o.y + s * d.y, o.z + s * d.z};
            return true;
        }
        // Leave the cell across the side the ray's projection crosses first.
        double tx = d.x > 0 ? (gx[i + 1] - o.x) / d.x : d.x < 0 ? (gx[i] - o.x) / d.x : 1e308;
        double ty = d.y > 0 ? (gy[j + 1] - o.y) / d.y : d.y < 0 ? (gy[j] - o.y) / d.y : 1e308;
        if (tx <= ty) {
            i += d.x > 0 ? 1 : -1;
            t = tx;
        } else {
            j += d.y > 0 ? 1 : -1;
            t = ty;
        }
        if (i < 0 || j < 0 || i > nx - 2 || j > ny - 2 || t > t_out) return false;
    }
    return false;
}

bool zel3d_ray_hit_bar(const Zel3dChart* chart, const Ray& ray, int i, int j, double* t) {
    const DataView& view = chart->surface_view;
    double value = view.values[i][j];
    if (value == view.hole) return false;
    BarFootprint f = zel3d_cell_bounds(chart, i, j);
    Vec3 a = {BoxX(chart, f.x0), BoxY(chart, f.y0), BoxZ(chart, std::min(value, chart->zorigin))};
    Vec3 b = {BoxX(chart, f.x1), BoxY(chart, f.y1), BoxZ(chart, std::max(value, chart->zorigin))};
    const double lows[3] = {std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z)};
    const double highs[3] = {std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z)};
    double t_in, t_out;
    if (!InsideSlabs(ray, lows, highs, 3, &t_in, &t_out)) return false;
    *t = t_in;
    return true;
}
