// 4x4 homogeneous matrices and 3D vectors of the chart's view. Points are
// column vectors multiplied on the right (p' = M p); every composing
// operation post-multiplies (M := M X), so X acts on a point before the old M.
#pragma once

struct Matrix {
    double m[4][4];  // m[row][column]
};

struct Point4 {
    double x, y, z, w;
};

struct Vec3 {
    double x, y, z;
};

constexpr double kDegreesToRadians = 0.017453292519943295;

// Axis numbers of the rotations.
enum Axis { kAxisX = 0, kAxisY = 1, kAxisZ = 2 };

void zel3d_mat_identity(Matrix* matrix);
void zel3d_mat_copy(const Matrix* source, Matrix* destination);
// M := M R(axis, degrees) through a full product; another axis leaves M.
void zel3d_mat_rotate(Matrix* matrix, int axis, double degrees);
// The same result on the two affected columns, with exact quarter turns.
void zel3d_mat_rotate_in_place(Matrix* matrix, int axis, double degrees);
void zel3d_mat_translate(Matrix* matrix, double tx, double ty, double tz);
void zel3d_mat_translate_in_place(Matrix* matrix, double tx, double ty, double tz);
void zel3d_mat_scale(Matrix* matrix, double sx, double sy, double sz);
// Scales one column in place: y when sy is not 1 (-1 negates it), else x,
// else z.
void zel3d_mat_scale_axis(Matrix* matrix, double sx, double sy, double sz);
// The identity with [3][2] = -1 / depth.
void zel3d_mat_perspective(Matrix* matrix, double depth);
// destination := a b; the destination may be a or b.
void zel3d_mat_multiply(const Matrix* a, const Matrix* b, Matrix* destination);
// destination := a b written directly; the destination must differ from both.
void zel3d_mat_product(const Matrix* a, const Matrix* b, Matrix* destination);
// M p divided by its w (the result's w is 1).
void zel3d_mat_project_point(const Matrix* matrix, const Point4* point, Point4* destination);
// The same result, adding only the columns of non-zero coordinates.
void zel3d_mat_transform_point(const Matrix* matrix, const Point4* point, Point4* destination);

// The angles (degrees) x, y, z of a rotation matrix Rx(x) Ry(y) Rz(z);
// with y at +-90 degrees, where only x + z or x - z is known, z is 0.
void zel3d_matrix_angles(const Matrix* matrix, double* x, double* y, double* z);

void zel3d_vec_cross(const Vec3* a, const Vec3* b, Vec3* destination);
void zel3d_vec_sub(const Vec3* a, const Vec3* b, Vec3* destination);
double zel3d_vec_dot(const Vec3* a, const Vec3* b);
// a / |a|; callers never pass a zero vector.
void zel3d_vec_normalize(const Vec3* a, Vec3* destination);

// A device coordinate from a projected one: + 0.5, truncated.
inline int zel3d_round_device(double v) { return static_cast<int>(v + 0.5); }
