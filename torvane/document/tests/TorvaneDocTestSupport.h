// Engine documents for tests: a fixture that installs the program's profile,
// and engines built the way a user builds them, through component commands.
#pragma once

#include <gtest/gtest.h>

#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/tests/TorvaneTestProfile.h"

namespace torvane {

// Sends a menu command to the document through its message map.
void SendCommand(CTorvaneDoc& doc, UINT commandId);

// "Chevy 350" (33135), "Wedge/Stock Ports And Valves" heads (32798) with
// 2.02/1.60 valves, compression 9.5, 600 cfm at 1.5 inHg on a "Dual-Plane
// Std-Flow" manifold, "H.P. Manifolds And Mufflers", "Stock Street/Economy"
// cam, gasoline: the kernel tests' MakeChevy350Block.
void BuildChevy350(CTorvaneDoc& doc);
// The same on the "Forced Induction" manifold with the "Centrifugal- Paxton"
// blower: the kernel tests' MakeCentrifugalBlowerBlock.
void BuildPaxtonChevy350(CTorvaneDoc& doc);

class TorvaneDocTest : public WithTorvaneProfile, public ::testing::Test {};

}  // namespace torvane
