// The texts a painter draws, read back from a metafile it painted into, with
// the reference point of each.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_harness {

struct DrawnText {
    std::string text;
    POINT at;
};

// Runs `paint` on a metafile DC made for the screen and returns its texts
// in the order drawn.
std::vector<DrawnText> TextsDrawnBy(const std::function<void(HDC)>& paint);

}  // namespace testing_harness
