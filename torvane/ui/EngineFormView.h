// The "Engine" tab of every engine document: the specification form, seven
// painted panels of fields bound to the document's specification fields.
#pragma once

#include "framework/Framework.h"

namespace torvane {

class CTorvaneDoc;

class CEngineFormView : public CFormView {
    DECLARE_DYNCREATE(CEngineFormView)
public:
    CEngineFormView();

    CTorvaneDoc* GetDocument() const;

    void OnInitialUpdate() override;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()
};

}  // namespace torvane
