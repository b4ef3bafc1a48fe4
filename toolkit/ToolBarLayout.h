// The toolbar's row layout, on plain button records: the size of the laid
// out buttons, wrapping them into rows at a width, and finding the width
// (or, standing vertically, the wrapping) that fits a length.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <vector>

struct ToolBarMetrics {
    SIZE button = {23, 22};
    // Wrapped separators are as high as 2/3 of their width unless the bar
    // is flat (or the control draws them so), then as high as wide.
    bool fullHeightSeparators = false;
    // Width added to a drop-down button when the arrows are drawn (0: none).
    int dropDownWidth = 0;
};

namespace toolbar_layout {

// The size of the buttons as wrapped now.
SIZE CalcSize(const std::vector<TBBUTTON>& buttons, const ToolBarMetrics& metrics);
// Wraps the buttons at `width`; returns the number of rows.
int WrapToolBar(std::vector<TBBUTTON>& buttons, const ToolBarMetrics& metrics, int width);
// Wraps to a width (horizontal) or fits a height (vertical).
void SizeToolBar(std::vector<TBBUTTON>& buttons, const ToolBarMetrics& metrics, int length, bool vertical);

}  // namespace toolbar_layout
