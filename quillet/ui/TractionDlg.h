// The traction calculator: finds the lowest tyre traction coefficient at
// which the vehicle still runs within a chosen efficiency of its
// wheelspin-free elapsed time, by racing a private copy of the vehicle
// again and again (traction 6.0 first, then 0.50 upward in steps of 0.01).
// The current setup and the new one are shown side by side, each with a
// chart of vehicle and tyre speed over distance; Apply writes the
// coefficient found into the document.
#pragma once

#include "framework/Framework.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/ui/DialogChart.h"

namespace quillet {

class CTractionDlg : public CDialog {
public:
    // `document` must validate.
    CTractionDlg(CQuilletDoc* document, CWnd* parent);

    BOOL OnInitDialog() override;
    // Apply: the document takes the working copy's coefficient. Neither
    // Apply nor Cancel (nor Enter, Escape or the close box) acts while a
    // search runs.
    void OnOK() override;
    void OnCancel() override;

    float GetTargetEfficiency() const { return target_; }
    const CQuilletDoc& GetWorkingCopy() const { return working_; }
    bool IsSearching() const { return running_; }
    // The elapsed time the search accepts, from the run at traction 6.0.
    float GetThreshold() const { return threshold_; }
    // Runs of the last search, the one at traction 6.0 included.
    int GetRunCount() const { return runCount_; }
    // The charts' data sets: vehicle speed (set 0) and tyre speed (set 1)
    // over distance.
    ZELDATA GetCurrentChartData() const { return currentData_; }
    ZELDATA GetNewChartData() const { return newData_; }
    ZELCHART GetCurrentChart() const { return currentChart_.Handle(); }
    ZELCHART GetNewChart() const { return newChart_.Handle(); }

    // Tyre speed minus vehicle speed integrated over distance (mph x ft)
    // for the document's last run; 0 without one.
    static float TotalTyreSlippage(const CQuilletDoc& doc);

protected:
    afx_msg void OnEfficiencyChange();
    afx_msg void OnCalcTraction();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    struct SetupIds {
        int coefficient, slippage, elapsedTime, trapSpeed;
    };

    void CreateChart(CDialogChart& chart, int placeholderId, ZELDATA& data);
    void ShowSetup(const CQuilletDoc& doc, const SetupIds& ids, CDialogChart& chart, ZELDATA data);
    void UpdateChart(const CQuilletDoc& doc, CDialogChart& chart, ZELDATA data);
    void UpdateDisplay();
    void ShowNewSetup();
    void EnableDuringSearch(bool searching);
    // Runs the working copy at traction `coefficient`; false when it fails.
    bool RunAt(float coefficient);

    CQuilletDoc* document_;
    CQuilletDoc working_;
    float target_ = 0.98f;
    bool running_ = false;
    bool stopRequested_ = false;
    float threshold_ = 0.0f;
    int runCount_ = 0;
    CDialogChart currentChart_;
    CDialogChart newChart_;
    ZELDATA currentData_ = nullptr;
    ZELDATA newData_ = nullptr;
    CLegendSwatches legendBoxes_;
};

}  // namespace quillet
