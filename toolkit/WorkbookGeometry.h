// The workbook's sheet tabs as plain functions: tab width, the 7-point tab
// outline under the MDI client, the label rectangle and label shortening.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

namespace workbook_geometry {

constexpr int kTabHeight = 23;
constexpr int kBevel = 2;
constexpr int kActiveWidening = 4;
constexpr int kActiveDepth = 2;
constexpr int kMaxTabWidth = 90;
// Room left around the MDI client in workbook mode.
constexpr RECT kMargins = {13, 13, 13, 33};  // left, top, right, bottom

// min((client width + 5) / sheets, 90); the width for no sheets is kept.
int TabWidth(int clientWidth, int sheetCount, int current);

// The outline of the tab at `position` (its index less the hidden sheets
// before it) under the client rectangle `client` (frame coordinates).
// An active or pressed tab is wider and deeper.
std::array<POINT, 7> TabPolygon(const RECT& client, int tabWidth, int position, bool raised);
RECT TabLabelRect(const std::array<POINT, 7>& points, int iconWidth);
// The area a tab covers, for invalidation; `toEnd` runs it to `frameRight`.
RECT TabArea(const RECT& client, int tabWidth, int position, bool toEnd, int frameRight);

// Shortens `label` one character a round, ending it in "...", while it has
// 4 or more characters and `fits` says no.
std::string ShortenLabel(const std::string& label, const std::function<bool(const std::string&)>& fits);

}  // namespace workbook_geometry
