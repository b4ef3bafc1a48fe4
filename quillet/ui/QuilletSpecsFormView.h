// The "Quillet Specs" tab of every vehicle document: the vehicle form. Seven
// panels (vehicle, engine, drivetrain, tires/wheels, driving, weather,
// notes) of labels bound to the document's fields, refreshed from the
// document, enabled by the engine class, the coupling and the number of
// gears, with a status icon per checked panel and the "(Auto)" marker of a
// preset driving style. It also prints the vehicle's five pages.
#pragma once

#include "common/ui/SpecFormView.h"
#include "quillet/document/QuilletDocHost.h"

namespace quillet {

class CQuilletDoc;

constexpr int kVehicleFormFieldCount = 54;

class CQuilletSpecsFormView : public CSpecFormView, public CQuilletFormViewLink {
    DECLARE_DYNCREATE(CQuilletSpecsFormView)
public:
    CQuilletSpecsFormView();

    CQuilletDoc* GetDocument() const;

    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;

    // CFieldHost
    bool ConfirmSpecChange(CSimSpec& field) override;
    int StoreTypedText(CSimSpec& field, const char* text) override;
    void ShowStatusText(const char* text) override;
    HMENU MakeChoiceMenu(UINT menuId) override;
    void PrepareChoiceMenu(CMenu* menu) override;
    void EditorOpened(CWnd* editor) override;
    void EditorClosed(CWnd* editor) override;

    // CQuilletFormViewLink: the document's Print and Print Preview.
    void DoFilePrint() override;
    void DoFilePrintPreview() override;
    BOOL OnPreparePrinting(CPrintInfo* info) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;

protected:
    afx_msg LRESULT OnSpecEditDone(WPARAM control, LPARAM ok);
    afx_msg void OnPowerCurveButton();
    afx_msg void OnTractionButton();
    DECLARE_MESSAGE_MAP()

private:
    void EnableByEngineClass();
    void EnablePistonEngine();
    void EnableJetEngine();
    void Enable(UINT id, bool enabled);
    void UpdateStatusIcons();
};

}  // namespace quillet
