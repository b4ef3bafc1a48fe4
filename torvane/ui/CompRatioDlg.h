// The compression-ratio calculator: the engine's compression ratio from the
// measured head chamber, head gasket and deck volumes.
#pragma once

#include "common/SimSpec.h"
#include "common/ui/FieldEntry.h"
#include "framework/Framework.h"

namespace torvane {

class CTorvaneDoc;

// Piston kinds; the deck volume is measured differently for each.
enum PistonType { kPistonDomed = 1, kPistonFlatTop = 2 };

// The calculator's inputs (working copies of the document's fields) and its
// four results. Lengths may be shown in either unit; volumes are cc.
class CCompressionCalculation {
public:
    explicit CCompressionCalculation(const CTorvaneDoc& doc);

    // The piston type and its "Piston Distance" limits.
    void SetPistonType(int type);
    int GetPistonType() const { return pistonType_; }

    // The four results from the inputs and the engine's swept cylinder
    // volume (cc); each result is stored rounded to 2 decimals, or left unset
    // when its inputs are missing.
    void Compute(const CFloatPtSpec& cylinderVolume);
    // The chambers add up to exactly nothing.
    bool IsRatioInfinite() const;
    // The first missing or refused value's message code; `ratioLimits` is
    // the document's "Compression Ratio".
    bool Validate(unsigned short& code, const CFloatPtSpec& ratioLimits) const;

    CFloatPtSpec bore;
    CFloatPtSpec chamberVolume;
    CFloatPtSpec gasketBore;
    CFloatPtSpec gasketThickness;
    CFloatPtSpec pistonDistance;
    CFloatPtSpec measuredVolume;

    CFloatPtSpec gasketVolume;
    CFloatPtSpec deckVolume;
    CFloatPtSpec totalCombustionVolume;
    CFloatPtSpec compressionRatio;

private:
    int pistonType_ = kPistonFlatTop;
};

class CCompRatioDlg : public CDialog {
public:
    CCompRatioDlg(CTorvaneDoc* doc, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CCompressionCalculation& GetCalculation() const { return calc_; }

protected:
    afx_msg void OnFlatTop();
    afx_msg void OnDomed();
    afx_msg void OnFieldSetFocus(UINT id);
    afx_msg void OnFieldKillFocus(UINT id);
    afx_msg LRESULT OnFieldRejected(WPARAM id, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void ChangePistonType(int type);
    void ShowValuesAndLayout();
    void ComputeAndShow();
    void ApplyToDocument();

    CTorvaneDoc* doc_;
    CCompressionCalculation calc_;
    CFieldEntry entry_;
    CRect deckRow_[3];      // the deck-volume row's label, value and unit
    CRect measuredRow_[3];  // the measured-volume row's
};

// The Compression Ratio Math command: opens the calculator once the short
// block is complete; Apply changes the document after its change confirmation.
void OpenCompressionCalculator(CTorvaneDoc* doc, CWnd* parent);

}  // namespace torvane
