// The shares of a dock-bar row as plain functions: each sizeable bar of a
// row has a share (its proportional width) of the row's length; splitters
// 6 pixels wide stand between the bars, no bar is shorter than 18 pixels,
// and dragging a splitter moves length from the bars on one side to those
// on the other.
#pragma once

#include <vector>

namespace dock_rows {

const int splitterSize = 6;
const int clientEdgeSize = 2;
const int minimumBarLength = 18;
// How far a dragged splitter stays from the row's ends per bar in between.
const int splitterBarRoom = 24;
const float maximumShare = 0.95f;

// 18 / length, at most 1; 0.05 for a length that is not positive.
float MinimumProportion(int length);

// Makes the shares add up to 1, each at least `minimum`. With `changed`
// (an index; -1 for none) that bar keeps its share, held between `minimum`
// and 0.95, and the others share the rest in their old ratios (equally when
// they had none).
void NormaliseShares(std::vector<float>& shares, int changed, float minimum);

// The lengths of the bars of a row `available` pixels long: the room left
// by the splitters, split by share, each at least 18; the last bar takes
// what rounding leaves.
std::vector<int> ShareLengths(const std::vector<float>& shares, int available);

// Moves the splitter after bar `index` by `delta` pixels: the bars before
// it grow (or shrink) and those after it shrink (or grow), each bar giving
// what it can above 18 pixels and passing the rest on. Answers the distance
// the splitter really moved.
int MoveSplitter(std::vector<int>& lengths, int index, int delta);

// The shares that give `lengths` in a row of `available` pixels.
std::vector<float> SharesOf(const std::vector<int>& lengths, int available);

}  // namespace dock_rows
