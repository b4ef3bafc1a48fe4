// The tabs of a document's two panes: label, view class and whether the tab
// uses the pane's shared scroll bars. This table is the one place that says
// which view shows in which tab.
#pragma once

#include "framework/Framework.h"

namespace torvane {

struct PaneTab {
    const char* label;
    CRuntimeClass* viewClass;
    bool scrollBars;  // the tab shows the pane's scroll bars
};

enum class Pane { Left, Right };

// The tabs of a pane, in order; `count` receives their number.
const PaneTab* GetPaneTabs(Pane pane, int& count);

}  // namespace torvane
