// CItrProDlg: the Zuv Oradizov, the engine document's full parameter sweep.
// The user picks on the sheet's pages what to vary and how to score, runs
// the sweep on the last page and marks the results to open as new
// documents. The dialog works on copies of the document's coarse and fine
// sweeps and writes them back on OK only.
#pragma once

#include "common/Chart2D.h"
#include "common/DialogChart.h"
#include "common/charts/ChartAxisSetting.h"
#include "common/sweepui/SweepCharts.h"
#include "common/sweepui/SweepLamps.h"
#include "framework/Framework.h"
#include "torvane/document/Iterator.h"
#include "torvane/results/sweep/ItrProPage.h"
#include "torvane/results/sweep/ItrProPropSheet.h"

namespace torvane {

class CItrProDlg : public CDialog, public CItrProPageOwner {
public:
    // `coarse` and `fine`: the document's sweeps, attached to a valid
    // document. A first opening (no results kept from an earlier OK) starts
    // from the defaults.
    CItrProDlg(CIterator* coarse, CIterator* fine, CWnd* parent = nullptr);
    ~CItrProDlg() override;

    // Every sweep's settings back to the start; the criterion stays.
    void SetDefaults();

    // CItrProPageOwner
    CIterator* GetCoarseIterator() override { return &coarse_; }
    CIterator* GetFineIterator() override { return &fine_; }
    CTorvaneDoc* GetDocument() override { return document_; }
    void ResetRunResults() override;
    void UpdateAllPages(CPropertyPage* asker) override;
    bool IsFinePhaseEnabled() override;
    void EnableControls(bool enable) override;
    void UpdateStatus(bool runOnly) override;
    void UpdateValues(bool runOnly) override;
    void UpdateOkButtonText() override;

    CItrProPropSheet& GetSheet() { return sheet_; }
    ZELCHART GetCurrentTestChart() const { return chart_.m_chart; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnPaint();
    afx_msg void OnResetAll();
    afx_msg void OnPresetCam();
    afx_msg void OnPresetInduction();
    afx_msg void OnPresetBoreStroke();
    afx_msg void OnPresetTorque();
    afx_msg void OnPresetPower();
    DECLARE_MESSAGE_MAP()

private:
    // After a preset: results cleared, every page refreshed and `page`
    // (when the sheet has it) shown.
    void EndPreset(CPropertyPage* page);
    void CreateCurrentTestChart();
    void SelectCurrentTestYAxis();
    void UpdateCurrentTestChart();
    // The sweep the run page shows: the coarse one, or the fine one once
    // the fine phase has begun.
    CIterator& Shown();
    void SetText(int id, const CString& text);

    CIterator* documentCoarse_;
    CIterator* documentFine_;
    CTorvaneDoc* document_;
    CIterator coarse_;
    CIterator fine_;
    CItrProPropSheet sheet_;
    CSweepLamps lamps_;
    CDialogChartFont font_;
    CChart2D chart_;
    ZELDATA dataA_ = nullptr;  // first y axis: best, baseline, under test
    ZELDATA dataB_ = nullptr;  // second y axis: best (area criteria)
    ChartAxisSetting xAxis_;
    ChartAxisSetting yAxis_;
    CLegendSwatches legends_;
};

}  // namespace torvane
