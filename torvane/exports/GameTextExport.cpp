#include "torvane/exports/GameTextExport.h"

#include "common/Util.h"

namespace torvane {

namespace {

const char kExportVersion[] = "4.05";

}  // namespace

void GameTextExportWrite(FILE* file, const GameTextExportInputs& in) {
    UtilWriteFormat(file, "VER: %s\n", kExportVersion);
    UtilWriteFormat(file, "NAME: %s\n", in.name);
    UtilWriteFormat(file, "BORE: %f\n", static_cast<double>(in.bore));
    UtilWriteFormat(file, "STROKE: %f\n", static_cast<double>(in.stroke));
    UtilWriteFormat(file, "NUMCYL: %d\n", in.cylinders);
    UtilWriteFormat(file, "NITROUS: %d\n", in.nitrous ? 1 : 0);
    UtilWriteFormat(file, "NUMDATA: %d\n", kGameTextRows);
    UtilWriteFormat(file, "DATA:\n");
    for (const GameTextTable& table : in.tables) {
        for (const auto& row : table.rows) {
            UtilWriteFormat(file, "%.0f %f %f %f\n", static_cast<double>(row[0]),
                            static_cast<double>(row[1]), static_cast<double>(row[2]),
                            static_cast<double>(row[3]));
        }
    }
}

}  // namespace torvane
