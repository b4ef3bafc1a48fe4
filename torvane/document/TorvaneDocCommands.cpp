// The engine document's commands besides the component choices: the
// automatic-calculation switches, Auto Run, the exports, Save As, and the
// menu states of the choice menus.
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/SimInterfaceExport.h"
#include "torvane/document/TorvaneCommandIds.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/services/ErrCode.h"
#include "torvane/services/TorvaneShellServices.h"

namespace torvane {

namespace {
// The warning that the ramp rate cannot be computed from the cam.
const unsigned short kWarningRampRateUndefined = 107;
}  // namespace

void CTorvaneDoc::EndSwitchCommand() {
    if (FieldEditorIsOpen()) {
        FieldEditorPostCommit();
        return;
    }
    RecomputeDerived();
    UpdateAllViews(nullptr);
}

void CTorvaneDoc::OnAutoValveSizes() {
    autoValveSizes_ = !autoValveSizes_;
    EndSwitchCommand();
}

void CTorvaneDoc::OnAutoValveLift() {
    if (cam.GetAutoValveLift()) {
        cam.SetAutoValveLift(false);
    } else {
        cam.SetAutoValveLift(true);
        cam.intakeLift.Clear();
        cam.exhaustLift.Clear();
    }
    EndSwitchCommand();
}

void CTorvaneDoc::OnAutoCamAccurate() {
    if (cam.GetMoreAccurateRampRate()) {
        cam.SetMoreAccurateRampRate(false);
    } else {
        cam.SetMoreAccurateRampRate(true);
        // Only a complete cam has a ramp rate to compute.
        Cam trial = cam;
        if (!trial.IsComplete() || !trial.ComputeLifterRampRate()) {
            ErrCodeShowWarning(kWarningRampRateUndefined);
            EndSwitchCommand();
            // The cam manager is where the missing timing is entered; an
            // open field editor commits first.
            CWnd* mainWindow = AfxGetMainWnd();
            if (FieldEditorIsOpen() && mainWindow != nullptr)
                mainWindow->PostMessage(WM_COMMAND, kCmdCamManager);
            else
                OnCamDialog();
            return;
        }
    }
    EndSwitchCommand();
}

void CTorvaneDoc::OnCamDialog() {
    if (!RunCamManager(*this)) return;
    RecomputeDerived();
    UpdateAllViews(nullptr);
}

void CTorvaneDoc::OnCamMath() {
    if (!RunCamCalculator(*this)) return;
    RecomputeDerived();
    UpdateAllViews(nullptr);
}

void CTorvaneDoc::OnAutoRun() { autoRun_ = !autoRun_; }

void CTorvaneDoc::OnUpdateAutoRun(CCmdUI* cmdUI) { cmdUI->SetCheck(autoRun_ ? 1 : 0); }

void CTorvaneDoc::OnExportOlderPrograms() { SimInterfaceExportGameFile(this); }

void CTorvaneDoc::OnFileSaveAs() {
    CDocument::OnFileSaveAs();
    UpdateAllViews(nullptr);
}

void TorvaneDocPrepareChoiceMenu(const CTorvaneDoc& document, HMENU menu) {
    const bool headAllowsAutoSizes =
        document.cylinderHeadType.IsValid() && document.cylinderHeadType.GetValue() != kHeadTypeCustom;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        const UINT id = ::GetMenuItemID(menu, i);
        switch (id) {
        case kCmdAutoValveSizes:
            ::CheckMenuItem(menu, id, MF_BYCOMMAND | (document.IsAutoValveSizes() ? MF_CHECKED : MF_UNCHECKED));
            ::EnableMenuItem(menu, id, MF_BYCOMMAND | (headAllowsAutoSizes ? MF_ENABLED : MF_GRAYED));
            break;
        case kCmdAutoValveLift:
            ::CheckMenuItem(menu, id, MF_BYCOMMAND | (document.IsAutoValveLift() ? MF_CHECKED : MF_UNCHECKED));
            break;
        case kCmdAutoCamAccurate:
            ::CheckMenuItem(menu, id, MF_BYCOMMAND | (document.IsAutoCamAccurate() ? MF_CHECKED : MF_UNCHECKED));
            break;
        default:
            break;
        }
    }
}

}  // namespace torvane
