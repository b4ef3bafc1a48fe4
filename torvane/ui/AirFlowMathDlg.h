// The airflow calculator: an airflow measured at one pressure drop converted
// to the flow at another, e.g. to an induction unit's rating standard.
#pragma once

#include "common/SimSpec.h"
#include "common/ui/FieldEntry.h"
#include "framework/Framework.h"

namespace torvane {

class CTorvaneDoc;

// Rating standards of induction units.
enum FlowRatingStandard { kNoRatingStandard = 0, kTwoBarrelRating = 1, kFourBarrelRating = 2 };

// The calculator's values without windows. Pressure drops are shown in
// water or mercury units of the units mode (inches or cm); airflows in cfm.
class CAirFlowCalculation {
public:
    // 0 English, 1 metric.
    explicit CAirFlowCalculation(int unitsMode);

    int GetUnitsMode() const { return unitsMode_; }
    int GetStandard() const { return standard_; }
    // A rating standard sets the calculated pressure drop to its value in
    // that field's current unit.
    void SetStandard(int standard);
    // Shows a pressure drop in water (true) or mercury units.
    static void ShowInWater(CFloatPtSpec& drop, bool water);

    // The calculated airflow, when both airflow inputs and both drops are set.
    void Compute();
    // 98 no known pressure drop, 97 no known airflow, 99 a result outside
    // 100..4000 cfm; true when none applies.
    bool Validate(unsigned short& code) const;
    // After a successful Validate with a standard: the rated flow (cfm) and
    // the standard's pressure drop (inHg).
    void GetInductionFlow(float* flow, float* pressureDrop) const;

    CFloatPtSpec knownFlow;
    CFloatPtSpec knownDrop;
    CFloatPtSpec calculatedFlow;
    CFloatPtSpec calculatedDrop;

private:
    int unitsMode_;
    int standard_ = kFourBarrelRating;
};

class CAirFlowMathDlg : public CDialog {
public:
    CAirFlowMathDlg(int unitsMode, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    const CAirFlowCalculation& GetCalculation() const { return calc_; }
    void GetInductionFlow(float* flow, float* pressureDrop) const {
        calc_.GetInductionFlow(flow, pressureDrop);
    }

protected:
    afx_msg void OnStandard(UINT id);
    afx_msg void OnKnownUnit(UINT id);
    afx_msg void OnCalculatedUnit(UINT id);
    afx_msg void OnFieldSetFocus(UINT id);
    afx_msg void OnFieldKillFocus(UINT id);
    afx_msg LRESULT OnFieldRejected(WPARAM id, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void ApplyStandard();
    void ShowKnownValues();
    void ComputeAndShow();

    CAirFlowCalculation calc_;
    CFieldEntry entry_;
};

// The Airflow Math command: with a rating standard, OK stores the rated flow
// and the standard's pressure drop in the document, after its change
// confirmation.
void OpenAirflowCalculator(CTorvaneDoc* doc, CWnd* parent);

}  // namespace torvane
