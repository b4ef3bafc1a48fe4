// The "2D Chart Properties" sheet of a graph: which documents the
// graph shows ("Graph Data"), the curve and scale of each axis ("Axis
// Properties") and the data zones ("Data Zones"). The pages edit copies of
// the graph's settings; OK or Apply validates them and hands them over.
#pragma once

#include <vector>

#include "common/SimSpec.h"
#include "common/charts/ChartAxisSetting.h"
#include "common/charts/GraphDataSetting.h"
#include "common/charts/ZoneSettings.h"
#include "common/ui/GraphView.h"
#include "framework/Framework.h"
#include "toolkit/OwnerDrawButton.h"

class CChart2dPropSheet;

class CGraphDataPage : public CPropertyPage {
public:
    explicit CGraphDataPage(CGraphView* view);

    void UpdateControls();
    void OnOK() override;
    // Back to the view's own document only, in compare mode.
    void ResetAll();
    int GetMode() const { return mode_; }

    int entryValid_ = 1;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnDocumentChosen(UINT id);
    afx_msg void OnSingleDocument();
    afx_msg void OnMultipleDocuments();
    afx_msg LRESULT OnConfirmCompare(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

private:
    // Compare mode, unless a y curve is a combination: then the user is
    // asked first (posted, so the click finishes).
    void EnterCompareMode();
    void ResetComparedDocuments();

    CGraphView* view_;
    int mode_;
    GraphDataSetting data_[4];
};

class CAxisPropsPage : public CPropertyPage {
public:
    explicit CAxisPropsPage(CGraphView* view);

    void FillCurveCombos();
    void UpdateControls();
    void OnOK() override;
    ChartAxisSetting& Axis(int index) { return axes_[index]; }

    int entryValid_ = 1;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnCurveChosen(UINT id);
    afx_msg void OnScaleChosen(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    void ShowRow(int axis);

    CGraphView* view_;
    ChartAxisSetting axes_[3];
};

class CDataZonesPage : public CPropertyPage {
public:
    explicit CDataZonesPage(CGraphView* view);

    void UpdateControls(bool all);
    void BlendZoneColors();
    bool ValidateZones(unsigned short& code) const { return zones_.Validate(code); }
    void OnOK() override;
    void ResetAll();
    const ZoneSettings& Zones() const { return zones_; }

    int entryValid_ = 1;

protected:
    BOOL OnInitDialog() override;
    // The show check box, the preset and the bounds have each program's
    // ids.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg void OnShowZones();
    afx_msg void OnPresetChosen();
    afx_msg void OnSpin(NMHDR* header, LRESULT* result);
    afx_msg void OnBoundKillFocus(UINT id);
    afx_msg LRESULT OnBadEntry(WPARAM id, LPARAM);
    afx_msg LRESULT OnColorChosen(WPARAM id, LPARAM);
    afx_msg void OnBlend();
    DECLARE_MESSAGE_MAP()

private:
    void LoadFields();
    CFloatPtSpec& Field(UINT id);
    bool IsBoundEdit(UINT id) const;
    bool IsMinEdit(UINT id) const;
    int ZoneOfEdit(UINT id) const;

    CGraphView* view_;
    const ChartSheetIds& ids_;
    ZoneSettings zones_;
    std::vector<CFloatPtSpec> minFields_;
    std::vector<CFloatPtSpec> maxFields_;
    SECWellButton wells_[kMaxZones];
    int lastEntryGood_ = 1;
};

class CChart2dPropSheet : public CPropertySheet {
public:
    CChart2dPropSheet(CGraphView* view, CWnd* parent, UINT selectPage = 0);
    ~CChart2dPropSheet() override;

    // The sheet that is open, or null.
    static CChart2dPropSheet* GetActive();
    CGraphDataPage& GetGraphDataPage() { return graphPage_; }
    CAxisPropsPage& GetAxisPage() { return axisPage_; }
    CDataZonesPage& GetZonesPage() { return zonesPage_; }

    BOOL OnInitDialog() override;

protected:
    afx_msg void OnResetAll();
    afx_msg void OnApplyNow();
    afx_msg void OnOKButton();
    DECLARE_MESSAGE_MAP()

private:
    // Validates every page; shows the first failing code.
    bool ValidatePages();
    void ApplyPages();

    CGraphView* view_;
    CGraphDataPage graphPage_;
    CAxisPropsPage axisPage_;
    CDataZonesPage zonesPage_;
    CButton resetAll_;
};

