#include "chart/Scene.h"

#include <cstdlib>

#include "chart/Chart.h"

void zel3d_free_scene(Zel3dChart* chart) {
    Projection& projection = chart->scene.projection;
    free(projection.points);
    free(projection.row_start);
    free(projection.x_mesh);
    free(projection.y_mesh);
    free(projection.sorted);
    projection = Projection{};
}
