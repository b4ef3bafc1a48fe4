// Rays through the 3D view: from the eye through a device point or a data
// point, walked over the grid cells the ray passes above until it meets the
// surface. Box units (the normalised coordinates of the view).
#pragma once

#include "chart/Chart.h"

struct Ray {
    Vec3 origin;
    Vec3 direction;
};

struct RayHit {
    int i, j;       // the cell
    double t;       // ray parameter
    Vec3 point;     // box units
};

// Box units of grid point (i, j) of the surface data.
// The ray against the bar of grid point (i, j): the ray parameter of the
// nearest crossing in front of the origin.
bool zel3d_ray_hit_bar(const Zel3dChart* chart, const Ray& ray, int i, int j, double* t);

Vec3 zel3d_grid_point_view(const Zel3dChart* chart, int i, int j);

// The first surface cell the ray meets; false when it meets none.
bool zel3d_ray_pick_cell(const Zel3dChart* chart, const Ray& ray, RayHit* hit);

// Where two 2D segments cross, as the parameter along the first (p + t r);
// 1e308 when they are parallel or the crossing lies outside [-0.01, 1.01]
// of the second (q + u s).
double zel3d_line_intersection(double px, double py, double rx, double ry, double qx, double qy, double sx,
                               double sy);
