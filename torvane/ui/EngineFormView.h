// The "Engine" tab of every engine document: the specification form. Seven
// panels (short block, cylinder heads, compression, induction, exhaust,
// camshaft, notes) of labels bound to the document's fields, refreshed from
// the document, enabled by its state, with "(Auto)" markers, a status icon
// per panel, and panels painted in the current colour scheme.
#pragma once

#include <array>

#include "common/ui/FieldHost.h"
#include "common/ui/SimSpecEditCtrl.h"
#include "framework/Framework.h"

namespace torvane {

class CTorvaneDoc;

constexpr int kFormFieldCount = 58;
constexpr int kFormPanelCount = 7;
constexpr int kFormSeparatorCount = 5;

class CEngineFormView : public CFormView, public CFieldHost {
    DECLARE_DYNCREATE(CEngineFormView)
public:
    CEngineFormView();
    ~CEngineFormView() override;

    CTorvaneDoc* GetDocument() const;
    // The control bound to a field id of the form (asserted to exist).
    CSimSpecEditCtrl& GetField(UINT id);

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void OnDraw(CDC* dc) override;
    CScrollBar* GetScrollBarCtrl(int bar) const override;

    // CFieldHost
    bool ConfirmSpecChange(CSimSpec& field) override;
    void ShowStatusText(const char* text) override;
    HMENU MakeChoiceMenu(UINT menuId) override;
    void PrepareChoiceMenu(CMenu* menu) override;
    void EditorOpened(CWnd* editor) override;
    void EditorClosed(CWnd* editor) override;

    // The panel rectangles and separator lines, in client coordinates.
    const CRect& GetPanelRect(int panel) const { return panels_[panel]; }

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
    afx_msg HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnCamButton();
    afx_msg void OnAirFlowButton();
    afx_msg void OnCompressionButton();
    DECLARE_MESSAGE_MAP()

private:
    void UpdateFields(const UINT* ids, int count, bool withUnits);
    void EnableForcedInduction();
    void UpdateExhaust();
    void UpdateNitrous();
    void UpdateTimingLabels();
    void UpdateStatusIcons();
    void UpdateAutoMarkers();
    void SetMarker(UINT id, bool automatic);
    void PaintProgramColours(CDC& dc, int captionHeight);
    void PaintWindowsColours(CDC& dc, int captionHeight);
    void SendCommand(UINT command);

    std::array<CSimSpecEditCtrl, kFormFieldCount> fields_;
    std::array<CRect, kFormPanelCount> panels_;
    std::array<CRect, kFormSeparatorCount> separators_;
    CFont printFont_;
    bool firstPaint_ = true;
    bool bound_ = false;
};

}  // namespace torvane
