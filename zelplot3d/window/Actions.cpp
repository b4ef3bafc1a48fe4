#include "window/Actions.h"

#include "chart/Chart.h"

// No event bindings yet: charts take no mouse or keyboard actions and pass
// every input message on to their owner.

void zel3d_install_default_actions(Zel3dChart* chart) { chart->actions = nullptr; }

void zel3d_free_actions(Zel3dChart* chart) { chart->actions = nullptr; }

bool zel3d_action_bound(const Zel3dChart*, UINT, WPARAM) { return false; }

void zel3d_dispatch_event(Zel3dChart*, UINT, WPARAM, LPARAM) {}
