// Cams for tests: the four events of a set in one call.
#pragma once

#include "torvane/components/Cam.h"

namespace torvane {

// The events of a set, within the set's own limits.
inline void SetEvents(CamTimingSet& set, float ivo, float ivc, float evo, float evc) {
    set.ivo.SetValue(ivo);
    set.ivc.SetValue(ivc);
    set.evo.SetValue(evo);
    set.evc.SetValue(evc);
}

}  // namespace torvane
