#include <gtest/gtest.h>
#include "ChartPictures.h"
namespace zel3d_test {
namespace {
TEST(Showcase, Pictures) {
    struct Case { const char* name; int mesh, shaded, contours, zones, solid, pzmin, pzmax; double xrot, zrot; bool hole; int mesh_top; };
    const Case cases[] = {
        {"mesh_hole", 1, 0, 0, 0, 1, 0, 0, 25, 220, true, 0},
        {"shaded_hole", 1, 1, 0, 0, 1, 0, 0, 25, 220, true, 0xC0C0C0},
        {"zones3d", 1, 1, 1, 1, 0, 3, 0, 45, 45, false, 0},
        {"below", 1, 1, 0, 0, 1, 0, 0, -30, 220, false, 0},
        {"default_view", 1, 0, 0, 0, 0, 0, 0, 45, 45, false, 0},
    };
    for (const Case& c : cases) {
        SweepGrid grid;
        if (c.hole) { grid.data->grid.values[4][8] = 1e308; grid.data->grid.values[5][9] = 1e308; }
        Zel3dChart* chart = MakeDetachedChart(480, 360);
        SetProgramsProperties(chart, 480, 360);
        Zel3dSetValues(chart, ZEL3D_SURFACE_DATA, grid.data, ZEL3D_DRAW_MESH, c.mesh, ZEL3D_DRAW_SHADED, c.shaded,
                       ZEL3D_DRAW_CONTOURS, c.contours, ZEL3D_DRAW_ZONES, c.zones, ZEL3D_SOLID_SURFACE, c.solid,
                       ZEL3D_PROJECT_ZMIN, c.pzmin, ZEL3D_PROJECT_ZMAX, c.pzmax, ZEL3D_XROTATION, c.xrot,
                       ZEL3D_ZROTATION, c.zrot, ZEL3D_MESH_TOP_COLOR, c.mesh_top, 0);
        Pixels pixels = RenderToMemory(chart);
        SavePicture(pixels, std::string("show_") + c.name);
        Zel3dDestroy(chart);
    }
}
}  // namespace
}  // namespace zel3d_test
