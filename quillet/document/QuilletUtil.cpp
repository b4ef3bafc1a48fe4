#include "quillet/document/QuilletUtil.h"

#include "common/Assertion.h"
#include "common/SimSpec.h"

namespace quillet {

static const char kAssertModule[] = "QuilletUtil.cpp";

float UtilCurveAreaByIndex(const float* x, const float* y, int count, int first, int last) {
    APP_ASSERT(x != nullptr && y != nullptr);
    APP_ASSERT(count >= 2 && first >= 0 && first < last && last < count);
    float area = 0.0f;
    for (int i = first; i < last; ++i) {
        const float dx = x[i + 1] - x[i];
        area += (y[i + 1] - y[i]) * dx * 0.5f;
        if (y[i] > 0.0f) area += y[i] * dx;
    }
    return area;
}

void UtilSetItemSpecTextOrDefault(HWND window, int id, const CSimSpec& spec,
                                  const char* defaultText) {
    APP_ASSERT(IsWindow(window));
    const HWND control = GetDlgItem(window, id);
    APP_ASSERT(control != nullptr);
    CString text;
    if (spec.IsValid()) {
        spec.FormatValue(text);
    } else if (defaultText != nullptr) {
        text = defaultText;
    }
    SetWindowTextA(control, text);
}

}  // namespace quillet
