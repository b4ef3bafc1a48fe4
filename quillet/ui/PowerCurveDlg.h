// The power-curve editor: the custom engine typed in either as its two
// peaks, from which the curve is synthesised, or as 2 to 26 rows of rpm with
// power or torque, the other column computed. A chart follows the curve as
// it is typed. Every control edits a working copy; OK writes it back once it
// validates.
#pragma once

#include "common/SimSpec.h"
#include "common/ui/EditFloatPt.h"
#include "common/ui/FieldEntry.h"
#include "framework/Framework.h"
#include "quillet/document/PowerCurve.h"
#include "quillet/ui/DialogChart.h"

namespace quillet {

// Posted after a row entry whose computed torque (power) left its limits.
constexpr UINT kMsgComputedTorqueOutOfRange = WM_USER + 112;
constexpr UINT kMsgComputedPowerOutOfRange = WM_USER + 113;

class CPowerCurveDlg : public CDialog {
public:
    CPowerCurveDlg(CPowerCurve* curve, const CString& description, CWnd* parent);

    BOOL OnInitDialog() override;
    void OnOK() override;

    // The description as last typed (untrimmed by the caller's rules).
    void GetDescription(CString& out) const { out = description_; }
    const CPowerCurve& GetWorkingCurve() const { return curve_; }
    // The chart's data set of power (set 0) and torque (set 1) over rpm/1000.
    ZELDATA GetChartData() const { return curveData_; }
    CChart2D& GetChart() { return chart_.Window(); }

protected:
    afx_msg void OnPointsDelta(NMHDR* header, LRESULT* result);
    afx_msg void OnFieldSetFocus(UINT id);
    afx_msg void OnFieldKillFocus(UINT id);
    afx_msg void OnModeChoice(UINT id);
    afx_msg void OnResetAll();
    afx_msg void OnPaint();
    afx_msg LRESULT OnFieldRejected(WPARAM id, LPARAM);
    afx_msg LRESULT OnComputedTorqueOutOfRange(WPARAM, LPARAM);
    afx_msg LRESULT OnComputedPowerOutOfRange(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    void FillEdits();
    void ShowPointCount();
    void ShowPeaks();
    void EnableByMode();
    void RecomputeFromPeaks();
    void CheckModeButton(int mode);
    // A row mode needs the rpm column to type against.
    void PrepareRowEntry();
    void OnRowEntry(int row, bool powerTyped);
    void OnStartOrStepEntry();
    void CreateChart();
    void UpdateChart();

    CString description_;
    CPowerCurve* docCurve_;
    CPowerCurve curve_;
    CFloatPtSpec startRpm_;
    CFloatPtSpec stepRpm_;
    CEditFloatPt fieldEdits_[6];
    CEditFloatPt powerEdits_[kPowerCurveMaxRows];
    CEditFloatPt torqueEdits_[kPowerCurveMaxRows];
    CFieldEntry entry_;
    CDialogChart chart_;
    ZELDATA curveData_ = nullptr;
};

}  // namespace quillet
