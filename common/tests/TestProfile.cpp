#include "common/tests/TestProfile.h"

namespace {

const UnitRow kTestUnits[] = {
    {kTestNone, " ", "%.2f"},
    {kTestInch, "in", "%.3f"},
    {kTestMm, "mm", "%.2f"},
    {kTestLitre, "l", "%.1f"},
};

const ProgramProfile kTestProfile = {
    "TestProgram", kTestUnits, 4, {kTestWriteError, kTestReadError, kTestValueError}};

}  // namespace

void InstallTestProfile() {
    InstallProgramProfile(kTestProfile);
}
