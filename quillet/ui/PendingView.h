// A blank view that holds a pane's place until the pane's own view (the
// vehicle form, the graphs, the results tables) takes it.
#pragma once

#include "framework/Framework.h"

namespace quillet {

class CPendingView : public CView {
    DECLARE_DYNCREATE(CPendingView)
protected:
    void OnDraw(CDC* dc) override;
};

}  // namespace quillet
