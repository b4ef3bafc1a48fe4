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

    // The engine's six-page printout (EngineFormPrinting.cpp), whatever tab
    // is active: the document's Print and Print Preview commands.
    afx_msg void DoFilePrint();
    afx_msg void DoFilePrintPreview();
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    DECLARE_MESSAGE_MAP()
};

}  // namespace torvane
