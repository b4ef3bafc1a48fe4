#include "kernel/Matrix3D.h"

#include <cmath>
#include <cstring>

namespace {

const Matrix kIdentity = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};

// M := M X.
void PostMultiply(Matrix* matrix, const Matrix& x) {
    Matrix result;
    zel3d_mat_product(matrix, &x, &result);
    *matrix = result;
}

// The two columns a rotation about `axis` changes, ordered so that one sign
// convention serves all three axes; false for an unknown axis.
bool RotatedColumns(int axis, int* u, int* v) {
    switch (axis) {
    case kAxisX: *u = 1; *v = 2; return true;
    case kAxisY: *u = 2; *v = 0; return true;
    case kAxisZ: *u = 0; *v = 1; return true;
    default: return false;
    }
}

}  // namespace

void zel3d_mat_identity(Matrix* matrix) { *matrix = kIdentity; }

void zel3d_mat_copy(const Matrix* source, Matrix* destination) { memcpy(destination, source, sizeof(Matrix)); }

void zel3d_mat_rotate(Matrix* matrix, int axis, double degrees) {
    double radians = degrees * kDegreesToRadians;
    double c = cos(radians), s = sin(radians);
    Matrix r = kIdentity;
    switch (axis) {
    case kAxisX: r.m[1][1] = c; r.m[1][2] = -s; r.m[2][1] = s; r.m[2][2] = c; break;
    case kAxisY: r.m[0][0] = c; r.m[0][2] = s; r.m[2][0] = -s; r.m[2][2] = c; break;
    case kAxisZ: r.m[0][0] = c; r.m[0][1] = -s; r.m[1][0] = s; r.m[1][1] = c; break;
    default: break;
    }
    PostMultiply(matrix, r);
}

void zel3d_mat_rotate_in_place(Matrix* matrix, int axis, double degrees) {
    int u, v;
    if (degrees == 0.0 || !RotatedColumns(axis, &u, &v)) return;
    double c = 0.0, s = 0.0;
    bool general = degrees != 90.0 && degrees != -90.0 && degrees != 180.0;
    if (general) {
        c = cos(degrees * kDegreesToRadians);
        s = sin(degrees * kDegreesToRadians);
    }
    for (auto& row : matrix->m) {
        double old_u = row[u], old_v = row[v];
        if (general) {
            row[u] = c * old_u + s * old_v;
            row[v] = c * old_v - s * old_u;
        } else if (degrees == 90.0) {
            row[u] = old_v;
            row[v] = -old_u;
        } else if (degrees == -90.0) {
            row[u] = -old_v;
            row[v] = old_u;
        } else {
            row[u] = -old_u;
            row[v] = -old_v;
        }
    }
}

void zel3d_mat_translate(Matrix* matrix, double tx, double ty, double tz) {
    Matrix t = kIdentity;
    t.m[0][3] = tx;
    t.m[1][3] = ty;
    t.m[2][3] = tz;
    PostMultiply(matrix, t);
}

void zel3d_mat_translate_in_place(Matrix* matrix, double tx, double ty, double tz) {
    const double factors[3] = {tx, ty, tz};
    for (int column = 0; column < 3; ++column) {
        if (factors[column] == 0.0) continue;
        for (auto& row : matrix->m) row[3] += factors[column] * row[column];
    }
}

void zel3d_mat_scale(Matrix* matrix, double sx, double sy, double sz) {
    Matrix s = kIdentity;
    s.m[0][0] = sx;
    s.m[1][1] = sy;
    s.m[2][2] = sz;
    PostMultiply(matrix, s);
}

void zel3d_mat_scale_axis(Matrix* matrix, double sx, double sy, double sz) {
    int column;
    double factor;
    if (sy != 1.0) {
        column = 1;
        factor = sy;
    } else if (sx != 1.0) {
        column = 0;
        factor = sx;
    } else if (sz != 1.0) {
        column = 2;
        factor = sz;
    } else {
        return;
    }
    for (auto& row : matrix->m) row[column] = factor == -1.0 ? -row[column] : row[column] * factor;
}

void zel3d_mat_perspective(Matrix* matrix, double depth) {
    *matrix = kIdentity;
    matrix->m[3][2] = -1.0 / depth;
}

void zel3d_mat_multiply(const Matrix* a, const Matrix* b, Matrix* destination) {
    Matrix result;
    zel3d_mat_product(a, b, &result);
    *destination = result;
}

void zel3d_mat_product(const Matrix* a, const Matrix* b, Matrix* destination) {
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            destination->m[row][column] = a->m[row][0] * b->m[0][column] + a->m[row][1] * b->m[1][column] +
                                          a->m[row][2] * b->m[2][column] + a->m[row][3] * b->m[3][column];
}

void zel3d_mat_project_point(const Matrix* matrix, const Point4* point, Point4* destination) {
    double out[4];
    bool unit_w = point->w == 1.0;
    for (int row = 0; row < 4; ++row) {
        const double* r = matrix->m[row];
        double sum = r[0] * point->x + r[1] * point->y + r[2] * point->z;
        out[row] = unit_w ? sum + r[3] : sum + r[3] * point->w;
    }
    double reciprocal = 1.0 / out[3];
    *destination = {out[0] * reciprocal, out[1] * reciprocal, out[2] * reciprocal, 1.0};
}

void zel3d_mat_transform_point(const Matrix* matrix, const Point4* point, Point4* destination) {
    const double coordinates[4] = {point->x, point->y, point->z, point->w};
    double out[4] = {0, 0, 0, 0};
    for (int column = 0; column < 4; ++column) {
        double c = coordinates[column];
        if (c == 0.0) continue;
        for (int row = 0; row < 4; ++row) out[row] += matrix->m[row][column] * c;
    }
    double reciprocal = 1.0 / out[3];
    *destination = {out[0] * reciprocal, out[1] * reciprocal, out[2] * reciprocal, 1.0};
}

void zel3d_matrix_angles(const Matrix* matrix, double* x, double* y, double* z) {
    const double(*m)[4] = matrix->m;
    double sine = m[0][2] > 1.0 ? 1.0 : m[0][2] < -1.0 ? -1.0 : m[0][2];
    double ry = asin(sine), rx, rz;
    if (cos(ry) + 1.0 != 1.0) {
        rx = atan2(-m[1][2], m[2][2]);
        rz = atan2(-m[0][1], m[0][0]);
    } else {
        rx = atan2(m[2][1], m[1][1]);
        rz = 0.0;
    }
    *x = rx / kDegreesToRadians;
    *y = ry / kDegreesToRadians;
    *z = rz / kDegreesToRadians;
}

void zel3d_vec_cross(const Vec3* a, const Vec3* b, Vec3* destination) {
    Vec3 result = {a->y * b->z - a->z * b->y, a->z * b->x - a->x * b->z, a->x * b->y - a->y * b->x};
    *destination = result;
}

void zel3d_vec_sub(const Vec3* a, const Vec3* b, Vec3* destination) {
    *destination = {a->x - b->x, a->y - b->y, a->z - b->z};
}

double zel3d_vec_dot(const Vec3* a, const Vec3* b) { return a->x * b->x + a->y * b->y + a->z * b->z; }

void zel3d_vec_normalize(const Vec3* a, Vec3* destination) {
    double reciprocal = 1.0 / sqrt(a->x * a->x + a->y * a->y + a->z * a->z);
    *destination = {a->x * reciprocal, a->y * reciprocal, a->z * reciprocal};
}
