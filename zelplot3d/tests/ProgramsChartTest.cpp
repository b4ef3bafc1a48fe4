// The programs' own chart, drawn in each chart type.
#include <gtest/gtest.h>

#include "ChartPictures.h"

namespace zel3d_test {
namespace {

struct TypeCase {
    const char* name;
    int mesh, shaded, contours, zones;
};

TEST(ProgramsChart, Types) {
    const TypeCase cases[] = {{"surface", 1, 1, 0, 0}, {"mesh", 1, 0, 0, 0}, {"shaded", 0, 1, 0, 0},
                              {"contour", 0, 0, 1, 0}, {"zone", 0, 0, 0, 1}, {"zone_contour_mesh", 1, 0, 1, 1}};
    for (const TypeCase& c : cases) {
        SweepGrid grid;
        Zel3dChart* chart = MakeDetachedChart(480, 360);
        SetProgramsProperties(chart, 480, 360);
        Zel3dSetValues(chart, ZEL3D_SURFACE_DATA, grid.data, ZEL3D_DRAW_MESH, c.mesh, ZEL3D_DRAW_SHADED, c.shaded,
                       ZEL3D_DRAW_CONTOURS, c.contours, ZEL3D_DRAW_ZONES, c.zones, 0);
        Pixels pixels = RenderToMemory(chart);
        SavePicture(pixels, std::string("programs_") + c.name);
        EXPECT_EQ(Rgb(0xC0C0C0), pixels.At(0, 0));
        Zel3dDestroy(chart);
    }
}

}  // namespace
}  // namespace zel3d_test
