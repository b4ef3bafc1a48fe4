// Helpers of the drag-race program beside the shared ones of Util.h.
#pragma once

#include <windows.h>

class CSimSpec;

namespace quillet {

// Trapezoid area under y over x between the samples first and last
// (0 <= first < last < count). A segment whose left value is not above 0
// adds only its slope triangle.
float UtilCurveAreaByIndex(const float* x, const float* y, int count, int first, int last);

// Sets the text of control `id` of `window` to the field's value when the
// field is valid, else to `defaultText`, else to the empty text.
void UtilSetItemSpecTextOrDefault(HWND window, int id, const CSimSpec& spec,
                                  const char* defaultText);

}  // namespace quillet
