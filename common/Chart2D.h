// CChart2D: the window through which every 2D chart of both programs is
// made. It owns exactly one chart of the 2D chart library; owners set and
// read its properties through the public handle, and all drawing is the
// library's.
#pragma once

#include "framework/Framework.h"
#include "zelplot2d/zelplot2d.h"

class CChart2D : public CWnd {
    DECLARE_DYNAMIC(CChart2D)

public:
    CChart2D() = default;
    // Destroys the window, then the chart when one was made.
    ~CChart2D() override;

    // Makes the chart window (class ZelChart2D8) and its chart. FALSE when
    // the window cannot be made, or when the chart cannot (the window then
    // stays, and goes with the object).
    BOOL Create(LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Notifications from the library window go to the parent unhandled.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    ZELCHART m_chart = nullptr;
};
