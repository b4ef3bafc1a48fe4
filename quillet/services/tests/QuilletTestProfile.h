// Base of test fixtures whose members are fields: installs the drag-race
// program's profile before any member is built.
#pragma once

#include "quillet/services/QuilletProfile.h"

namespace quillet {

struct WithQuilletProfile {
    WithQuilletProfile() { QuilletInstallProgramProfile(); }
};

}  // namespace quillet
