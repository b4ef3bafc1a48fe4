// Base of test fixtures whose members are fields: installs the engine
// program's profile before any member is built.
#pragma once

#include "TorvaneProfile.h"

struct WithTorvaneProfile {
    WithTorvaneProfile() { TorvaneInstallProgramProfile(); }
};
