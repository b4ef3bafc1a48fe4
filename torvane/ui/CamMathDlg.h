// The cam event calculator: a cam card's lobe-centre angle, intake centre
// line and durations turned into the four valve events, applied to the
// engine's cam.
#pragma once

#include "common/ui/EditFloatPt.h"
#include "common/ui/FieldEntry.h"
#include "framework/Framework.h"
#include "torvane/components/Cam.h"

namespace torvane {

class CTorvaneDoc;

// The calculator's working cam: the four events from the centre lines and
// durations, and the first missing input or result.
class CCamEventCalculation {
public:
    explicit CCamEventCalculation(const Cam& cam) : cam_(cam) {}

    // The events from the inputs when all four angles are set, else none.
    void Compute();
    // The first missing input or result's message code.
    bool Validate(unsigned short& code) const;

    Cam& GetCam() { return cam_; }
    const Cam& GetCam() const { return cam_; }

private:
    Cam cam_;
};

class CCamMathDlg : public CDialog {
public:
    // Works on a copy of the document's cam.
    CCamMathDlg(CTorvaneDoc* doc, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    afx_msg void OnFieldSetFocus(UINT id);
    afx_msg void OnFieldKillFocus(UINT id);
    afx_msg LRESULT OnFieldRejected(WPARAM id, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void ComputeAndShow();

    CTorvaneDoc* doc_;
    CCamEventCalculation calc_;
    CFieldEntry entry_;
    CEditFloatPt edits_[6];
};

// The Cam Math command: the calculator on the document's cam; Apply changes
// the cam after the document's change confirmation. True when applied.
bool CalculateCamEvents(CTorvaneDoc& doc);

}  // namespace torvane
