// Mouse and keyboard actions bound to a chart: the bindings, the dispatch of
// input messages to them, and the interactive rotation, zoom, move and zoom
// box with their notifications to the owner.
#pragma once

#include <windows.h>

struct Zel3dChart;

// Interaction states of a chart.
enum InteractionState {
    kInteractionIdle = 0,
    kInteractionStarted = 1,
    kInteractionZoomBox = 2,
    kInteractionRotating = 3
};

// Installs the 28 default bindings (equal triples are updated in place).
void zel3d_install_default_actions(Zel3dChart* chart);
void zel3d_free_actions(Zel3dChart* chart);
// Normalises an event triple in place: button messages set or clear their
// button's bit and have no key; key messages take upper-case letters.
void zel3d_normalize_event(int* message, int* modifiers, int* key);
// An action is bound to this button message and key state.
bool zel3d_action_bound(const Zel3dChart* chart, UINT message, WPARAM wParam);
// Hands a mouse or keyboard message to the bound action.
void zel3d_dispatch_event(Zel3dChart* chart, UINT message, WPARAM wParam, LPARAM lParam);
// Runs an action at a device point (0 before the first paint; an unknown
// code gives code - 1).
int zel3d_call_action(Zel3dChart* chart, int action, int x, int y);
