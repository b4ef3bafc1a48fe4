// CChart3D: a 3D chart of the chart library in a child window of a dialog
// or page. Owners set and read its properties through the public handle;
// the data sets it is given stay theirs and must be destroyed after the
// chart has let go of them (destroy the chart's surface data only after the
// chart, or after giving it other data).
#pragma once

#include "framework/Framework.h"
#include "zelplot3d/zelplot3d.h"

class CChart3D : public CWnd {
    DECLARE_DYNAMIC(CChart3D)

public:
    CChart3D() = default;
    // Destroys the window, then the chart when one was made.
    ~CChart3D() override;

    // Makes the chart window (class ZelChart3D8) and its chart. FALSE when
    // the window cannot be made, or when the chart cannot (the window then
    // stays, and goes with the object).
    BOOL Create(LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Notifications from the library window go to the parent unhandled.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    Zel3dChart* m_chart = nullptr;
};
