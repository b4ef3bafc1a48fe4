// Mouse and keyboard actions bound to a chart.
#pragma once

#include <windows.h>

struct Zel3dChart;
struct ActionBinding;

void zel3d_install_default_actions(Zel3dChart* chart);
void zel3d_free_actions(Zel3dChart* chart);
// An action is bound to this message and modifier state.
bool zel3d_action_bound(const Zel3dChart* chart, UINT message, WPARAM wParam);
// Hands a mouse or keyboard event to the bound action.
void zel3d_dispatch_event(Zel3dChart* chart, UINT message, WPARAM wParam, LPARAM lParam);
