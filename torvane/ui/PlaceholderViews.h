// Empty views that stand in the tabs of the result views (graphs, result
// tables) until those views exist: each paints its tab's name on a plain
// background.
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CPlaceholderView : public CView {
    DECLARE_DYNAMIC(CPlaceholderView)
public:
    void OnDraw(CDC* dc) override;

protected:
    explicit CPlaceholderView(const char* name) : name_(name) {}

private:
    const char* name_;
};

class CGraphPlaceholderView : public CPlaceholderView {
    DECLARE_DYNCREATE(CGraphPlaceholderView)
public:
    CGraphPlaceholderView() : CPlaceholderView("Graph") {}
};

class CResultsTablePlaceholderView : public CPlaceholderView {
    DECLARE_DYNCREATE(CResultsTablePlaceholderView)
public:
    CResultsTablePlaceholderView() : CPlaceholderView("Table") {}
};

class CProDataPlaceholderView : public CPlaceholderView {
    DECLARE_DYNCREATE(CProDataPlaceholderView)
public:
    CProDataPlaceholderView() : CPlaceholderView("ProData") {}
};

}  // namespace torvane
