#include "torvane/ui/PaneTabs.h"

#include <iterator>

#include "torvane/ui/Chart2dView.h"
#include "torvane/ui/EngineFormView.h"
#include "torvane/ui/ResultsTableView.h"

namespace torvane {

namespace {

const PaneTab kLeftTabs[] = {
    {"Engine", RUNTIME_CLASS(CEngineFormView), true},
    {"Graph", RUNTIME_CLASS(CChart2dView), false},
    {"Table", RUNTIME_CLASS(CResultsTableView), true},
    {"ProData", RUNTIME_CLASS(CProResultsTableView), true},
};

const PaneTab kRightTabs[] = {
    {"Graph", RUNTIME_CLASS(CChart2dView), false},
    {"Table", RUNTIME_CLASS(CResultsTableView), true},
    {"ProData", RUNTIME_CLASS(CProResultsTableView), true},
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
