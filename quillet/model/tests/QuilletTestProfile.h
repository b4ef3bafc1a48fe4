// Base of test fixtures whose members are fields: installs the drag-race
// program's profile before any member is built.
#pragma once

#include "QuilletProfile.h"

struct WithQuilletProfile {
    WithQuilletProfile() { QuilletInstallProgramProfile(); }
};
