#include "torvane/results/sweep/ItrProPageControls.h"

#include <cstdarg>
#include <cstdio>

#include "common/Assertion.h"
#include "torvane/document/Iterator.h"

namespace torvane {

static const char kAssertModule[] = "ItrProPageControls.cpp";

SweepPhase PhaseOf(bool coarseEnabled, bool fineEnabled) {
    APP_ASSERT(coarseEnabled || !fineEnabled);
    if (!coarseEnabled) return SweepPhase::kExclude;
    return fineEnabled ? SweepPhase::kDual : SweepPhase::kSingle;
}

void CheckPhaseRadios(CWnd* page, int excludeId, int singleId, int dualId, SweepPhase phase) {
    page->CheckDlgButton(excludeId, phase == SweepPhase::kExclude ? BST_CHECKED : BST_UNCHECKED);
    page->CheckDlgButton(singleId, phase == SweepPhase::kSingle ? BST_CHECKED : BST_UNCHECKED);
    page->CheckDlgButton(dualId, phase == SweepPhase::kDual ? BST_CHECKED : BST_UNCHECKED);
}

void EnableGroup(CWnd* page, int groupId, bool enable) {
    HWND group = ::GetDlgItem(page->m_hWnd, groupId);
    APP_ASSERT(group != nullptr);
    RECT frame;
    ::GetWindowRect(group, &frame);
    ::EnableWindow(group, enable);
    for (HWND child = ::GetWindow(page->m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (child == group) continue;
        RECT rect;
        ::GetWindowRect(child, &rect);
        if (rect.left >= frame.left && rect.right <= frame.right && rect.top >= frame.top &&
            rect.bottom <= frame.bottom)
            ::EnableWindow(child, enable);
    }
}

int PhaseTestCount(CIterator& sweep, int firstSlot, int lastSlot) {
    int count = 0;
    for (int slot = firstSlot; slot <= lastSlot; ++slot) {
        const int steps = sweep.GetVariable(slot).GetStepCount();
        if (steps >= 1) count = count == 0 ? steps : count * steps;
    }
    return count;
}

void SetItemTextF(CWnd* page, int id, const char* format, ...) {
    char text[64];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    page->SetDlgItemText(id, text);
}

}  // namespace torvane
