#include "common/ProgramProfile.h"

#include "common/Assertion.h"
#include "common/ErrCodeException.h"

static const char kAssertModule[] = "ProgramProfile.cpp";

namespace {
const ProgramProfile* g_profile = nullptr;
}

void InstallProgramProfile(const ProgramProfile& profile) {
    APP_ASSERT(profile.name != nullptr && profile.units != nullptr && profile.unitCount > 0);
    g_profile = &profile;
}

bool HasProgramProfile() {
    return g_profile != nullptr;
}

const ProgramProfile& CurrentProgramProfile() {
    APP_ASSERT(g_profile != nullptr);
    return *g_profile;
}

void ThrowFileWriteError() { throw ErrCodeException(CurrentProgramProfile().fileErrors.write); }

void ThrowFileReadError() { throw ErrCodeException(CurrentProgramProfile().fileErrors.read); }

void ThrowFileValueError() {
    throw ErrCodeException(CurrentProgramProfile().fileErrors.invalidValue);
}
