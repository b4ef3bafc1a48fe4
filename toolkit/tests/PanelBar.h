// A toolkit control bar for tests: a window of its own class painted in
// one colour, created as a child of the frame with the bar's id.
#pragma once

#include <windows.h>

#include "SECControlBar.h"

class CPanelBar : public SECControlBar {
public:
    // The bar style, ex-style and remembered sizes are set before this.
    BOOL CreatePanel(CWnd* parent, UINT id, COLORREF colour, const char* title = "");

    afx_msg void OnPaint();
    COLORREF colour_ = 0;
    DECLARE_MESSAGE_MAP()
};
