#include "ToolBarLayout.h"

namespace toolbar_layout {

namespace {

bool IsSeparator(const TBBUTTON& button) { return (button.fsStyle & TBSTYLE_SEP) != 0; }
bool IsHidden(const TBBUTTON& button) { return (button.fsState & TBSTATE_HIDDEN) != 0; }

int SeparatorHeight(const TBBUTTON& button, const ToolBarMetrics& metrics) {
    return metrics.fullHeightSeparators ? button.iBitmap : button.iBitmap * 2 / 3;
}

int ItemWidth(const TBBUTTON& button, const ToolBarMetrics& metrics) {
    return IsSeparator(button) ? button.iBitmap : metrics.button.cx;
}

}  // namespace

SIZE CalcSize(const std::vector<TBBUTTON>& buttons, const ToolBarMetrics& metrics) {
    SIZE size = {0, 0};
    int x = 0;
    int y = 0;
    for (const TBBUTTON& button : buttons) {
        if (IsHidden(button)) continue;
        const bool separator = IsSeparator(button);
        const int separatorHeight = separator ? SeparatorHeight(button, metrics) : 0;
        int width = metrics.button.cx;
        if (!separator && (button.fsStyle & TBSTYLE_DROPDOWN)) width += metrics.dropDownWidth;
        if (!separator) {
            if (x + width > size.cx) size.cx = x + width;
            if (y + metrics.button.cy > size.cy) size.cy = y + metrics.button.cy;
        }
        if (separator) {
            if (button.fsState & TBSTATE_WRAP) {
                if (y + metrics.button.cy + separatorHeight > size.cy)
                    size.cy = y + metrics.button.cy + separatorHeight;
            } else if (x + button.iBitmap > size.cx) {
                size.cx = x + button.iBitmap;
            }
        }
        x += separator ? button.iBitmap : width;
        if (button.fsState & TBSTATE_WRAP) {
            x = 0;
            y += metrics.button.cy + separatorHeight;
        }
    }
    return size;
}

int WrapToolBar(std::vector<TBBUTTON>& buttons, const ToolBarMetrics& metrics, int width) {
    for (TBBUTTON& button : buttons) button.fsState &= ~TBSTATE_WRAP;
    int rows = 1;
    int x = 0;
    const int count = static_cast<int>(buttons.size());
    for (int i = 0; i < count; ++i) {
        if (IsHidden(buttons[i])) continue;
        x += ItemWidth(buttons[i], metrics);
        if (x <= width) continue;
        int wrapAt = -1;
        for (int j = i; j >= 0 && !(buttons[j].fsState & TBSTATE_WRAP); --j) {
            if (!IsHidden(buttons[j]) && IsSeparator(buttons[j]) && buttons[j].idCommand == 0) {
                wrapAt = j;
                break;
            }
        }
        if (wrapAt == -1) {
            for (int j = i - 1; j >= 0 && !(buttons[j].fsState & TBSTATE_WRAP); --j) {
                // Separators with a command id hold embedded controls.
                if (!IsHidden(buttons[j]) && !(IsSeparator(buttons[j]) && buttons[j].idCommand != 0)) {
                    wrapAt = j;
                    break;
                }
            }
        }
        if (wrapAt == -1) continue;
        buttons[wrapAt].fsState |= TBSTATE_WRAP;
        x = 0;
        ++rows;
        i = wrapAt;
    }
    return rows;
}

void SizeToolBar(std::vector<TBBUTTON>& buttons, const ToolBarMetrics& metrics, int length, bool vertical) {
    if (!vertical) {
        const int target = WrapToolBar(buttons, metrics, length);
        if (WrapToolBar(buttons, metrics, 0) != target && length > 0) {
            int lo = 0;
            int hi = length;
            for (;;) {
                int mid = (lo + hi) / 2;
                if (WrapToolBar(buttons, metrics, mid) == target) {
                    hi = mid;
                } else if (lo == mid) {
                    WrapToolBar(buttons, metrics, hi);
                    break;
                } else {
                    lo = mid;
                }
            }
        } else {
            WrapToolBar(buttons, metrics, length);
        }
        WrapToolBar(buttons, metrics, CalcSize(buttons, metrics).cx);
        return;
    }
    WrapToolBar(buttons, metrics, 0);
    SIZE sizeMin = CalcSize(buttons, metrics);
    WrapToolBar(buttons, metrics, 32767);
    SIZE sizeMax = CalcSize(buttons, metrics);
    // Each step halves the range; the cap only guards against widths that
    // do not wrap as measured (a button wider than the row).
    for (int step = 0; step < 64 && sizeMin.cx < sizeMax.cx; ++step) {
        WrapToolBar(buttons, metrics, (sizeMin.cx + sizeMax.cx) / 2);
        SIZE size = CalcSize(buttons, metrics);
        if (size.cy > length) {
            if (size.cx == sizeMin.cx && size.cy == sizeMin.cy) {
                WrapToolBar(buttons, metrics, sizeMax.cx);
                break;
            }
            sizeMin = size;
        } else if (size.cy < length) {
            sizeMax = size;
        } else {
            break;
        }
    }
}

}  // namespace toolbar_layout
