// The "Engine" tab of every engine document: the specification form. Seven
// panels (short block, cylinder heads, compression, induction, exhaust,
// camshaft, notes) of labels bound to the document's fields, refreshed from
// the document, enabled by its state, with "(Auto)" markers, a status icon
// per panel, and panels painted in the current colour scheme.
#pragma once

#include "common/ui/SpecFormView.h"

namespace torvane {

class CTorvaneDoc;

constexpr int kFormFieldCount = 58;

class CEngineFormView : public CSpecFormView {
    DECLARE_DYNCREATE(CEngineFormView)
public:
    CEngineFormView();
    ~CEngineFormView() override;

    CTorvaneDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

    // CFieldHost
    bool ConfirmSpecChange(CSimSpec& field) override;
    void ShowStatusText(const char* text) override;
    HMENU MakeChoiceMenu(UINT menuId) override;
    void PrepareChoiceMenu(CMenu* menu) override;
    void EditorOpened(CWnd* editor) override;
    void EditorClosed(CWnd* editor) override;

    // The engine's six-page printout (EngineFormPrinting.cpp), whatever tab
    // is active: the document's Print and Print Preview commands.
    afx_msg void DoFilePrint();
    afx_msg void DoFilePrintPreview();
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnBeginPrinting(CDC* dc, CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnEndPrinting(CDC* dc, CPrintInfo* info) override;

protected:
    afx_msg LRESULT OnSpecEditDone(WPARAM control, LPARAM ok);
    afx_msg void OnCamButton();
    afx_msg void OnAirFlowButton();
    afx_msg void OnCompressionButton();
    DECLARE_MESSAGE_MAP()

private:
    // Takes the document's form slot when it is free.
    void EnterIntoDocument();
    void EnableForcedInduction();
    void UpdateExhaust();
    void UpdateNitrous();
    void UpdateTimingLabels();
    void UpdateStatusIcons();
    void UpdateAutoMarkers();
    void SetMarker(UINT id, bool automatic);

    CFont printFont_;
};

}  // namespace torvane
