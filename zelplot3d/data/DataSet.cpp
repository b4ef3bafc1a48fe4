// Grid, irregular-grid and point data sets: constructors, copy, value
// replacement and destruction. Every part is zeroed memory from malloc, so
// callers may free rows of their own with free().
#include <initializer_list>
#include <cstdlib>
#include <cstring>

#include "kernel/Helpers.h"
#include "zelplot3d.h"
#include "kernel/ExportGuard.h"

namespace {

// Counts of zero or less still allocate one element.
size_t AtLeastOne(int count) { return count > 0 ? size_t(count) : 1; }

template <class T>
T* Zeroed(int count) {
    return static_cast<T*>(calloc(AtLeastOne(count), sizeof(T)));
}

Zel3dData* NewRecord(int type) {
    Zel3dData* data = static_cast<Zel3dData*>(calloc(1, sizeof(Zel3dData)));
    if (data) data->type = type;
    return data;
}

// Allocates every value row of a grid kind; false on failure.
bool AllocateRows(double** rows, int nx, int ny) {
    for (int i = 0; i < nx; ++i) {
        rows[i] = Zeroed<double>(ny);
        if (!rows[i]) return false;
    }
    return true;
}

void FreeRows(double** rows, int nx) {
    if (!rows) return;
    for (int i = 0; i < nx; ++i) free(rows[i]);
    free(rows);
}

void CopyRows(double** to, double* const* from, int nx, int ny) {
    if (!from) return;
    for (int i = 0; i < nx; ++i)
        if (from[i] && ny > 0) memcpy(to[i], from[i], size_t(ny) * sizeof(double));
}

int ReplaceInRows(double** rows, int nx, int ny, double old_value, double new_value) {
    int count = 0;
    for (int i = 0; rows && i < nx; ++i) {
        for (int j = 0; rows[i] && j < ny; ++j) {
            if (rows[i][j] == old_value) {
                rows[i][j] = new_value;
                ++count;
            }
        }
    }
    return count;
}

}  // namespace

extern "C" {

ZEL3D_API Zel3dData* Zel3dMakeGridData(int nx, int ny, double hole, double xstep, double ystep, double xorigin,
                                       double yorigin, int allocate) try {
    Zel3dData* data = NewRecord(ZEL3D_DATA_GRID);
    if (!data) return nullptr;
    Zel3dGridData& grid = data->grid;
    grid.nx = nx;
    grid.ny = ny;
    grid.hole = hole;
    grid.xstep = xstep;
    grid.ystep = ystep;
    grid.xorigin = xorigin;
    grid.yorigin = yorigin;
    grid.values = Zeroed<double*>(nx);
    if (!grid.values || (allocate && !AllocateRows(grid.values, nx, ny))) {
        Zel3dDestroyData(data, 1);
        return nullptr;
    }
    return data;
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}

ZEL3D_API Zel3dData* Zel3dMakeIrGridData(int nx, int ny, double hole, int allocate) try {
    Zel3dData* data = NewRecord(ZEL3D_DATA_IRGRID);
    if (!data) return nullptr;
    Zel3dIrGridData& grid = data->irgrid;
    grid.nx = nx;
    grid.ny = ny;
    grid.hole = hole;
    grid.values = Zeroed<double*>(nx);
    bool made = grid.values != nullptr;
    if (made && allocate) {
        grid.x = Zeroed<double>(nx);
        grid.y = Zeroed<double>(ny);
        made = grid.x && grid.y && AllocateRows(grid.values, nx, ny);
    }
    if (!made) {
        Zel3dDestroyData(data, 1);
        return nullptr;
    }
    return data;
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}

ZEL3D_API Zel3dData* Zel3dMakePointData(int nseries, int npoints, double hole, int allocate) try {
    Zel3dData* data = NewRecord(ZEL3D_DATA_POINT);
    if (!data) return nullptr;
    Zel3dPointData& points = data->point;
    points.nseries = nseries;
    points.hole = hole;
    points.series = Zeroed<Zel3dSeries>(nseries);
    bool made = points.series != nullptr;
    for (int s = 0; made && allocate && s < nseries; ++s) {
        points.series[s].npoints = npoints;
        points.series[s].points = Zeroed<Zel3dPoint>(npoints);
        made = points.series[s].points != nullptr;
    }
    if (!made) {
        Zel3dDestroyData(data, 1);
        return nullptr;
    }
    return data;
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}

ZEL3D_API int Zel3dMakePointDataSeries(Zel3dSeries* series, int npoints) try {
    if (!series || npoints < 0) return 0;
    free(series->points);
    series->points = nullptr;
    series->npoints = 0;
    if (npoints == 0) return 1;
    series->points = Zeroed<Zel3dPoint>(npoints);
    if (!series->points) return 0;
    series->npoints = npoints;
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API void Zel3dDestroyData(Zel3dData* data, int free_values) try {
    if (!data) return;
    switch (data->type) {
    case ZEL3D_DATA_GRID:
        if (free_values) FreeRows(data->grid.values, data->grid.nx);
        break;
    case ZEL3D_DATA_IRGRID:
        if (free_values) {
            free(data->irgrid.x);
            free(data->irgrid.y);
            FreeRows(data->irgrid.values, data->irgrid.nx);
        }
        break;
    case ZEL3D_DATA_POINT:
        if (data->point.series) {
            for (int s = 0; free_values && s < data->point.nseries; ++s) free(data->point.series[s].points);
            free(data->point.series);
        }
        break;
    default:
        break;
    }
    free(data);
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API Zel3dData* Zel3dDataCopy(const Zel3dData* data) try {
    if (!data) return nullptr;
    Zel3dData* copy = nullptr;
    switch (data->type) {
    case ZEL3D_DATA_GRID: {
        const Zel3dGridData& grid = data->grid;
        copy = Zel3dMakeGridData(grid.nx, grid.ny, grid.hole, grid.xstep, grid.ystep, grid.xorigin, grid.yorigin, 1);
        if (copy) CopyRows(copy->grid.values, grid.values, grid.nx, grid.ny);
        return copy;
    }
    case ZEL3D_DATA_IRGRID: {
        const Zel3dIrGridData& grid = data->irgrid;
        copy = Zel3dMakeIrGridData(grid.nx, grid.ny, grid.hole, 1);
        if (!copy) return nullptr;
        if (grid.x && grid.nx > 0) memcpy(copy->irgrid.x, grid.x, size_t(grid.nx) * sizeof(double));
        if (grid.y && grid.ny > 0) memcpy(copy->irgrid.y, grid.y, size_t(grid.ny) * sizeof(double));
        CopyRows(copy->irgrid.values, grid.values, grid.nx, grid.ny);
        return copy;
    }
    case ZEL3D_DATA_POINT: {
        const Zel3dPointData& points = data->point;
        copy = Zel3dMakePointData(points.nseries, 1, points.hole, 0);
        for (int s = 0; copy && s < points.nseries; ++s) {
            const Zel3dSeries& from = points.series[s];
            Zel3dSeries& to = copy->point.series[s];
            to.points = Zeroed<Zel3dPoint>(from.npoints);
            if (!to.points) {
                Zel3dDestroyData(copy, 1);
                return nullptr;
            }
            to.npoints = from.npoints;
            if (from.points && from.npoints > 0)
                memcpy(to.points, from.points, size_t(from.npoints) * sizeof(Zel3dPoint));
        }
        return copy;
    }
    default:
        zel3d_trace("Zel3dDataCopy: Unrecognized Zel3d Data type!\n");
        return nullptr;
    }
} catch (...) {
    return zel3d_export_failure<Zel3dData*>(nullptr);
}

ZEL3D_API int Zel3dDataUpdateDataValue(Zel3dData* data, double old_value, double new_value) try {
    if (!data) return 0;
    switch (data->type) {
    case ZEL3D_DATA_GRID:
        return ReplaceInRows(data->grid.values, data->grid.nx, data->grid.ny, old_value, new_value);
    case ZEL3D_DATA_IRGRID:
        return ReplaceInRows(data->irgrid.values, data->irgrid.nx, data->irgrid.ny, old_value, new_value);
    case ZEL3D_DATA_POINT: {
        int count = 0;
        for (int s = 0; data->point.series && s < data->point.nseries; ++s) {
            Zel3dSeries& series = data->point.series[s];
            for (int k = 0; series.points && k < series.npoints; ++k) {
                for (double* coordinate : {&series.points[k].x, &series.points[k].y, &series.points[k].z}) {
                    if (*coordinate == old_value) {
                        *coordinate = new_value;
                        ++count;
                    }
                }
            }
        }
        return count;
    }
    default:
        zel3d_trace("Zel3dDataUpdateDataValue: Unrecognized Zel3d Data type!\n");
        return 0;
    }
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"
