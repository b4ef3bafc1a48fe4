// A program profile for the shared code's own tests: a few units and file
// codes that differ from either program's, so that a test shows the codes
// really come from the installed profile.
#pragma once

#include "common/ProgramProfile.h"

enum TestUnit { kTestNone = 0, kTestInch = 1, kTestMm = 2, kTestLitre = 3 };

const unsigned short kTestWriteError = 180;
const unsigned short kTestReadError = 181;
const unsigned short kTestValueError = 183;

void InstallTestProfile();
