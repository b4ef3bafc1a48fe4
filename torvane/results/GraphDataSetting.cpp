#include "torvane/results/GraphDataSetting.h"

#include "torvane/results/ResultCurveCatalogue.h"

namespace torvane {

void GraphDataSetting::Reset() {
    title = yLegend = y2Legend = ResultCurveName(0);
    document = nullptr;
    serial = 0;
}

}  // namespace torvane
