// Data sets computed from a grid or an irregular grid: light intensities
// for a directional light, a 3 x 3 smoothing in place, and resampling of a
// sub-range onto a new regular grid (linear or cubic spline).
#include <algorithm>
#include <cmath>
#include <vector>

#include "kernel/ExportGuard.h"
#include "kernel/Helpers.h"
#include "zelplot3d.h"

namespace {

constexpr double kDegree = 0.017453292519943295;
constexpr double kShadeHole = -100.0;

// Read access to the two grid kinds: positions, spacings and values.
class GridView {
public:
    explicit GridView(const Zel3dData* data) : data_(data) {}

    bool Valid() const { return data_ && (data_->type == ZEL3D_DATA_GRID || data_->type == ZEL3D_DATA_IRGRID); }
    bool Regular() const { return data_->type == ZEL3D_DATA_GRID; }
    int nx() const { return Regular() ? data_->grid.nx : data_->irgrid.nx; }
    int ny() const { return Regular() ? data_->grid.ny : data_->irgrid.ny; }
    double hole() const { return Regular() ? data_->grid.hole : data_->irgrid.hole; }
    double** values() const { return Regular() ? data_->grid.values : data_->irgrid.values; }
    double z(int i, int j) const { return values()[i][j]; }
    double x(int i) const { return Regular() ? data_->grid.xorigin + i * data_->grid.xstep : data_->irgrid.x[i]; }
    double y(int j) const { return Regular() ? data_->grid.yorigin + j * data_->grid.ystep : data_->irgrid.y[j]; }
    // Spacing of the interval that starts at i (at j).
    double hx(int i) const { return Regular() ? data_->grid.xstep : data_->irgrid.x[i + 1] - data_->irgrid.x[i]; }
    double hy(int j) const { return Regular() ? data_->grid.ystep : data_->irgrid.y[j + 1] - data_->irgrid.y[j]; }

private:
    const Zel3dData* data_;
};

// Refuses point data (and anything that is not a grid) with the message
// every derived set gives.
bool AcceptsGrid(const Zel3dData* data) {
    if (GridView(data).Valid()) return true;
    zel3d_trace("Need grid or irregular grid data\n");
    return false;
}

// Slopes of point (i, j) by forward differences (backward on the last row
// and column); false when a value used is the hole.
bool Differences(const GridView& g, int i, int j, double* dzx, double* hx, double* dzy, double* hy) {
    int i0 = i + 1 < g.nx() ? i : i - 1;
    int j0 = j + 1 < g.ny() ? j : j - 1;
    double a = g.z(i0, j), b = g.z(i0 + 1, j), c = g.z(i, j0), d = g.z(i, j0 + 1);
    double hole = g.hole();
    if (a == hole || b == hole || c == hole || d == hole) return false;
    *dzx = b - a;
    *hx = g.hx(i0);
    *dzy = d - c;
    *hy = g.hy(j0);
    return true;
}

// The z scale that makes the mean slope show: the mean magnitude of the
// two slopes over the points whose forward differences exist, times the
// square root of 3; 1 when the surface has no slope to measure.
double AutomaticZScale(const GridView& g) {
    double sum = 0.0;
    long count = 0;
    for (int i = 0; i + 1 < g.nx(); ++i)
        for (int j = 0; j + 1 < g.ny(); ++j) {
            double dzx, hx, dzy, hy;
            if (!Differences(g, i, j, &dzx, &hx, &dzy, &hy) || hx == 0.0 || hy == 0.0) continue;
            sum += std::fabs(dzx / hx) + std::fabs(dzy / hy);
            ++count;
        }
    double scale = count ? sum / count * std::sqrt(3.0) : 0.0;
    return std::isfinite(scale) && scale > 0.0 ? scale : 1.0;
}

// Weights of the eight neighbours by inverse distance, summing to
// 1 - keep; order: (-1,-1) (-1,0) (-1,1) (0,-1) (0,1) (1,-1) (1,0) (1,1).
void NeighbourWeights(const GridView& g, int i, int j, double keep, double weights[8]) {
    double fx, bx, fy, by;
    if (g.Regular()) {
        fx = bx = std::fabs(g.hx(0));
        fy = by = std::fabs(g.hy(0));
    } else {
        fx = i + 1 < g.nx() ? std::fabs(g.x(i + 1) - g.x(i)) : 0.0;
        bx = i > 0 ? std::fabs(g.x(i) - g.x(i - 1)) : fx;
        fy = j + 1 < g.ny() ? std::fabs(g.y(j + 1) - g.y(j)) : 0.0;
        by = j > 0 ? std::fabs(g.y(j) - g.y(j - 1)) : fy;
        if (fx == 0.0) fx = bx;
        if (bx == 0.0) bx = fx;
        if (fy == 0.0) fy = by;
        if (by == 0.0) by = fy;
    }
    const double dx[3] = {bx, 0.0, fx}, dy[3] = {by, 0.0, fy};
    double sum = 0.0;
    int k = 0;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) {
            if (a == 1 && b == 1) continue;
            double distance = std::sqrt(dx[a] * dx[a] + dy[b] * dy[b]);
            weights[k] = distance > 0.0 ? 1.0 / distance : 0.0;
            sum += weights[k++];
        }
    for (int m = 0; m < 8; ++m) weights[m] = sum > 0.0 ? weights[m] * (1.0 - keep) / sum : 0.0;
}

double SmoothedValue(const GridView& g, int i, int j, double keep) {
    double hole = g.hole(), value = g.z(i, j);
    if (value == hole) return hole;
    double weights[8];
    NeighbourWeights(g, i, j, keep, weights);
    double total = keep * value, weight = keep;
    int k = 0;
    for (int a = -1; a <= 1; ++a)
        for (int b = -1; b <= 1; ++b) {
            if (a == 0 && b == 0) continue;
            double w = weights[k++];
            int ni = i + a, nj = j + b;
            if (ni < 0 || nj < 0 || ni >= g.nx() || nj >= g.ny() || g.z(ni, nj) == hole) continue;
            total += w * g.z(ni, nj);
            weight += w;
        }
    // A point with nothing to average keeps its own value.
    return weight > 0.0 ? total / weight : value;
}

// One column of samples to interpolate: the positions of the whole column
// (holes included, ascending) and the valid samples among them.
class Column {
public:
    Column(std::vector<double> positions, std::vector<double> values, double hole)
        : positions_(std::move(positions)), values_(std::move(values)), hole_(hole) {
        if (positions_.size() > 1 && positions_.front() > positions_.back()) {
            std::reverse(positions_.begin(), positions_.end());
            std::reverse(values_.begin(), values_.end());
        }
        for (size_t k = 0; k < positions_.size(); ++k)
            if (values_[k] != hole_) {
                xs_.push_back(positions_[k]);
                fs_.push_back(values_[k]);
            }
    }

    // Slopes of the interpolant at the valid samples: the cubic spline
    // (method 2) or none (linear).
    void Prepare(int method) {
        size_t m = xs_.size();
        spline_ = method == 2 && m > 2;
        if (!spline_) return;
        std::vector<double> h(m - 1), d(m - 1);
        for (size_t k = 0; k + 1 < m; ++k) {
            h[k] = xs_[k + 1] - xs_[k];
            d[k] = (fs_[k + 1] - fs_[k]) / h[k];
        }
        slopes_.assign(m, 0.0);
        // End slopes from the parabolas through the first and last three.
        slopes_[0] = d[0] + (d[1] - d[0]) / (xs_[2] - xs_[0]) * (xs_[0] - xs_[1]);
        slopes_[m - 1] = d[m - 2] + (d[m - 3] - d[m - 2]) / (xs_[m - 3] - xs_[m - 1]) * (xs_[m - 1] - xs_[m - 2]);
        // Interior slopes: a tridiagonal system, forward elimination and
        // back substitution.
        size_t n = m - 2;
        std::vector<double> diag(n), upper(n), rhs(n);
        for (size_t r = 0; r < n; ++r) {
            size_t k = r + 1;
            diag[r] = 2.0 * (h[k - 1] + h[k]);
            upper[r] = h[k - 1];
            rhs[r] = 3.0 * (h[k - 1] * d[k] + h[k] * d[k - 1]);
        }
        rhs[0] -= h[1] * slopes_[0];
        rhs[n - 1] -= h[m - 3] * slopes_[m - 1];
        for (size_t r = 1; r < n; ++r) {
            double lower = h[r + 1];
            double factor = lower / diag[r - 1];
            diag[r] -= factor * upper[r - 1];
            rhs[r] -= factor * rhs[r - 1];
        }
        slopes_[n] = rhs[n - 1] / diag[n - 1];
        for (size_t r = n - 1; r-- > 0;) slopes_[r + 1] = (rhs[r] - upper[r] * slopes_[r + 2]) / diag[r];
    }

    double At(double p) const {
        p = Snapped(p);
        size_t m = xs_.size();
        if (m == 0) return hole_;
        if (m == 1) return p == xs_[0] ? fs_[0] : hole_;
        if (p < xs_.front() || p > xs_.back()) return hole_;
        if (HoleBrackets(p)) return hole_;
        size_t k = std::upper_bound(xs_.begin(), xs_.end(), p) - xs_.begin();
        k = std::min(std::max<size_t>(k, 1), m - 1) - 1;
        double h = xs_[k + 1] - xs_[k], t = p - xs_[k];
        double d = (fs_[k + 1] - fs_[k]) / h;
        if (!spline_) return fs_[k] + d * t;
        double s0 = slopes_[k], s1 = slopes_[k + 1];
        double c2 = (3.0 * d - 2.0 * s0 - s1) / h, c3 = (s0 + s1 - 2.0 * d) / (h * h);
        return fs_[k] + s0 * t + c2 * t * t + c3 * t * t * t;
    }

private:
    // A position within a rounding error of a source position is that
    // position: lo + k * step must not fall just beside a sample.
    double Snapped(double p) const {
        if (positions_.empty()) return p;
        double tolerance = 1e-12 * (std::fabs(positions_.front()) + std::fabs(positions_.back()) +
                                    (positions_.back() - positions_.front()));
        auto next = std::lower_bound(positions_.begin(), positions_.end(), p);
        if (next != positions_.end() && *next - p <= tolerance) return *next;
        if (next != positions_.begin() && p - *(next - 1) <= tolerance) return *(next - 1);
        return p;
    }

    // A hole at either end of the source interval holding p.
    bool HoleBrackets(double p) const {
        size_t n = positions_.size();
        size_t k = std::upper_bound(positions_.begin(), positions_.end(), p) - positions_.begin();
        k = std::min(std::max<size_t>(k, 1), n - 1) - 1;
        return values_[k] == hole_ || (n > 1 && values_[k + 1] == hole_);
    }

    std::vector<double> positions_, values_;
    double hole_;
    std::vector<double> xs_, fs_, slopes_;
    bool spline_ = false;
};

// n positions from lo to hi; the last is hi itself.
std::vector<double> Positions(double lo, double hi, int n) {
    std::vector<double> positions(static_cast<size_t>(n));
    double step = (hi - lo) / (n - 1);
    for (int k = 0; k < n; ++k) positions[k] = k + 1 == n ? hi : lo + k * step;
    return positions;
}

}  // namespace

extern "C" {

ZEL3D_API Zel3dData* Zel3dDataShaded(const Zel3dData* data, double azimuth, double elevation, double z_scale,
                                     double ambient, double diffuse) try {
    if (!AcceptsGrid(data)) return nullptr;
    GridView g(data);
    int nx = g.nx(), ny = g.ny();
    if (nx < 2 || ny < 2) {
        zel3d_trace("Grid too small: need at least 2x2 grid.\n");
        return nullptr;
    }
    Zel3dData* result = g.Regular() ? Zel3dMakeGridData(nx, ny, kShadeHole, data->grid.xstep, data->grid.ystep,
                                                        data->grid.xorigin, data->grid.yorigin, 1)
                                    : Zel3dMakeIrGridData(nx, ny, kShadeHole, 1);
    if (!result) {
        zel3d_trace("Can't create second data set\n");
        return nullptr;
    }
    if (!g.Regular()) {
        std::copy(data->irgrid.x, data->irgrid.x + nx, result->irgrid.x);
        std::copy(data->irgrid.y, data->irgrid.y + ny, result->irgrid.y);
    }
    double** out = GridView(result).values();
    ambient = std::clamp(ambient, 0.0, 1.0);
    diffuse = std::clamp(diffuse, 0.0, 1.0);
    if (z_scale == 0.0) z_scale = AutomaticZScale(g);
    double s2 = z_scale * z_scale;
    double a = azimuth * kDegree, e = elevation * kDegree;
    const double light[3] = {std::cos(e) * std::cos(a), std::cos(e) * std::sin(a), std::sin(e)};
    for (int i = 0; i < nx; ++i)
        for (int j = 0; j < ny; ++j) {
            double dzx, hx, dzy, hy;
            if (!Differences(g, i, j, &dzx, &hx, &dzy, &hy)) {
                out[i][j] = kShadeHole;
                continue;
            }
            const double n[3] = {-dzx * hy, -dzy * hx, s2 * hx * hy};
            double length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
            double c = (n[0] * light[0] + n[1] * light[1] + n[2] * light[2]) / length;
            c = std::isnan(c) ? 0.0 : std::clamp(c, 0.0, 1.0);
            out[i][j] = std::clamp(c * diffuse + ambient, 0.0, 1.0);
        }
    return result;
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}

ZEL3D_API void Zel3dDataSmooth(Zel3dData* data, double keep) try {
    if (!AcceptsGrid(data)) return;
    if (!(keep >= 0.0 && keep < 1.0)) return;
    GridView g(data);
    int nx = g.nx(), ny = g.ny();
    double** values = g.values();
    if (!values || nx <= 0 || ny <= 0) return;
    // Row i is written back only once row i + 1 is computed, so every
    // value is computed from unsmoothed neighbours.
    std::vector<double> previous(static_cast<size_t>(ny)), current(static_cast<size_t>(ny));
    for (int i = 0; i < nx; ++i) {
        for (int j = 0; j < ny; ++j) current[j] = SmoothedValue(g, i, j, keep);
        if (i > 0) std::copy(previous.begin(), previous.end(), values[i - 1]);
        previous.swap(current);
    }
    std::copy(previous.begin(), previous.end(), values[nx - 1]);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API Zel3dData* Zel3dDataWindow(const Zel3dData* data, double x1, double y1, double x2, double y2, int nx,
                                     int ny, int method) try {
    if (!data || nx <= 1 || ny <= 1) return nullptr;
    if (data->type == ZEL3D_DATA_POINT) {
        zel3d_trace("Need grid or irregular grid data\n");
        return nullptr;
    }
    double xlo = std::min(x1, x2), xhi = std::max(x1, x2), ylo = std::min(y1, y2), yhi = std::max(y1, y2);
    if (!(xhi > xlo) || !(yhi > ylo)) {
        zel3d_trace("Zel3dDataWindow: Data range is NULL!\n");
        return nullptr;
    }
    GridView g(data);
    if (!g.Valid()) {
        zel3d_trace("Zel3dDataWindow: Unrecognized Zel3d Data type!\n");
        return nullptr;
    }
    int sx = g.nx(), sy = g.ny();
    double hole = g.hole();
    if (sx < 1 || sy < 1 || !g.values()) return nullptr;
    std::vector<double> new_x = Positions(xlo, xhi, nx), new_y = Positions(ylo, yhi, ny);
    std::vector<double> source_x(size_t(std::max(sx, 0))), source_y(size_t(std::max(sy, 0)));
    for (int i = 0; i < sx; ++i) source_x[i] = g.x(i);
    for (int j = 0; j < sy; ++j) source_y[j] = g.y(j);

    // Pass 1, along x: every source column onto the new x positions.
    std::vector<std::vector<double>> across(size_t(nx), std::vector<double>(size_t(std::max(sy, 0)), hole));
    for (int j = 0; j < sy; ++j) {
        std::vector<double> column(static_cast<size_t>(sx));
        for (int i = 0; i < sx; ++i) column[i] = g.z(i, j);
        Column samples(source_x, column, hole);
        samples.Prepare(method);
        for (int k = 0; k < nx; ++k) across[k][j] = samples.At(new_x[k]);
    }
    Zel3dData* result = Zel3dMakeGridData(nx, ny, hole, (xhi - xlo) / (nx - 1), (yhi - ylo) / (ny - 1), xlo, ylo, 1);
    if (!result) return nullptr;
    // Pass 2, along y: every intermediate row onto the new y positions.
    for (int k = 0; k < nx; ++k) {
        Column samples(source_y, across[k], hole);
        samples.Prepare(method);
        for (int m = 0; m < ny; ++m) result->grid.values[k][m] = samples.At(new_y[m]);
    }
    return result;
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}

}  // extern "C"
