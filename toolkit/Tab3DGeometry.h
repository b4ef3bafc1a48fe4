// The raised (3D) tab strip's geometry as plain functions: where its 3D edge
// runs, where each tab sits, which tab a point hits and which tab the arrow
// keys move to.
//
// The edge joins the tabs to the window they serve and lies along one side
// of the strip; the tabs stand side by side along it (left to right on a
// top or bottom edge, top to bottom on a left or right edge), starting
// kMargin from the strip's start. The current tab is raised: it grows by
// kRaise on both ends and away from the edge, and covers the edge itself,
// so it looks joined to the window.
#pragma once

#include <windows.h>

#include <vector>

namespace tab3d_geometry {

// The side of the 3D edge, from the strip's style.
enum Side : DWORD { kTop = 0x10, kBottom = 0x20, kRight = 0x40, kLeft = 0x80 };
// Style bits: leave out the edge's outer highlight and face lines; let the
// user drag the current tab to another place.
constexpr DWORD kNoOuterEdgeLines = 0x400;
constexpr DWORD kMovableTabs = 0x800;

constexpr int kEdge = 4;     // lines of the edge: black, shadow, face, highlight
constexpr int kMargin = 4;   // before the first tab
constexpr int kPadding = 6;  // on each end of a label
constexpr int kRaise = 2;    // the current tab's growth

// The side named by `style` (the top when none is).
Side SideOf(DWORD style);
bool IsHorizontal(Side side);

// The band the edge takes in `client`.
RECT EdgeRect(Side side, const RECT& client);
// Each tab's rectangle: `extents` are the labels' lengths along the edge,
// `current` the current tab (-1 when none).
std::vector<RECT> LayoutTabs(Side side, const RECT& client, const std::vector<int>& extents, int current);
// The tab under `point`: the current tab first (it lies on top), then the
// others in order; disabled tabs are never hit. -1 when none.
int HitTest(const std::vector<RECT>& tabs, const std::vector<bool>& enabled, int current, POINT point);
// The enabled tab `step` (-1 or +1) places from `from`, skipping disabled
// ones, without wrapping; `from` itself when there is none.
int NextEnabled(const std::vector<bool>& enabled, int from, int step);

}  // namespace tab3d_geometry
