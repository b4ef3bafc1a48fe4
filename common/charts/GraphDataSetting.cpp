#include "common/charts/GraphDataSetting.h"

#include "common/charts/ChartCatalogue.h"

void GraphDataSetting::Reset() {
    title = yLegend = y2Legend = ResultCurveName(0);
    document = nullptr;
    serial = 0;
}
