#include "torvane/ui/PaneTabs.h"

#include <iterator>

#include "torvane/ui/EngineFormView.h"
#include "torvane/ui/PlaceholderViews.h"

namespace torvane {

namespace {

const PaneTab kLeftTabs[] = {
    {"Engine", RUNTIME_CLASS(CEngineFormView), true},
    {"Graph", RUNTIME_CLASS(CGraphPlaceholderView), false},
    {"Table", RUNTIME_CLASS(CResultsTablePlaceholderView), true},
    {"ProData", RUNTIME_CLASS(CProDataPlaceholderView), true},
};

const PaneTab kRightTabs[] = {
    {"Graph", RUNTIME_CLASS(CGraphPlaceholderView), false},
    {"Table", RUNTIME_CLASS(CResultsTablePlaceholderView), true},
    {"ProData", RUNTIME_CLASS(CProDataPlaceholderView), true},
};

}  // namespace

const PaneTab* GetPaneTabs(Pane pane, int& count) {
    if (pane == Pane::Left) {
        count = static_cast<int>(std::size(kLeftTabs));
        return kLeftTabs;
    }
    count = static_cast<int>(std::size(kRightTabs));
    return kRightTabs;
}

}  // namespace torvane
