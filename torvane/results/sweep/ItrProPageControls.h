// What the range pages of the sweep dialog share: the three-way phase
// choice, group frames that enable what lies inside them, and test counts.
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CIterator;

// "Exclude", "Single" or "Dual" from the coarse and fine enabled flags (the
// fine phase never runs without the coarse one).
enum class SweepPhase { kExclude, kSingle, kDual };
SweepPhase PhaseOf(bool coarseEnabled, bool fineEnabled);
void CheckPhaseRadios(CWnd* page, int excludeId, int singleId, int dualId, SweepPhase phase);

// The group frame and every control lying inside it.
void EnableGroup(CWnd* page, int groupId, bool enable);

// The tests of one phase: the product of the step counts of the variables
// in slots first..last that have at least one value (0 when none has).
int PhaseTestCount(CIterator& sweep, int firstSlot, int lastSlot);

// Sets the text of control `id` with printf formatting.
void SetItemTextF(CWnd* page, int id, const char* format, ...);

}  // namespace torvane
