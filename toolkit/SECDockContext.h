// SECDockContext: the toolkit's drag-and-dock tracker. On the framework's
// tracker it tells the user in the status bar that Ctrl keeps the bar
// floating while a move lasts, keeps a resized floating bar between the
// smallest floating frame and the screen, and keeps a bar's share of its
// row across floating and docking again.
#pragma once

#include <windows.h>

#include "DockContext.h"

class SECDockContext : public CDockContext {
public:
    explicit SECDockContext(CControlBar* bar);

    void StartDrag(CPoint point) override;
    void Stretch(CPoint point) override;
    void ToggleDocking() override;

    // The floating size limits (read once).
    CSize m_sizeMinFloat;
    CSize m_sizeMaxFloat;
    // The share the bar had when it was last docked.
    float m_fSavedProportionalWidth = 1.0f;

protected:
    // Shows prompt `id` in the dock site's status bar.
    void ShowPrompt(UINT id);
};
