// Base of test fixtures whose members are fields: installs the engine
// program's profile before any member is built.
#pragma once

#include "torvane/services/TorvaneProfile.h"

namespace torvane {

struct WithTorvaneProfile {
    WithTorvaneProfile() { TorvaneInstallProgramProfile(); }
};

}  // namespace torvane
