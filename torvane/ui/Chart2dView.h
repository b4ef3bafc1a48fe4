// CChart2dView: the "Graph" tab of an engine document. It fills itself with
// a zone chart and feeds it the document's result curves as its three axis
// selections choose: in compare mode the same curves of up to four open
// engine documents, in combination mode one document's combination curves.
// Its settings (mode, axes, zones) are the document's record for the view's
// place, so the engine file keeps what the graph shows.
#pragma once

#include "framework/Framework.h"
#include "common/charts/ChartSettings.h"
#include "torvane/results/TorvaneChartCatalogue.h"
#include "common/charts/GraphDataSetting.h"
#include "common/charts/ZoneChart2D.h"

namespace torvane {

class CTorvaneDoc;

class CChart2dView : public CView {
    DECLARE_DYNCREATE(CChart2dView)

public:
    static constexpr int kMaxDocuments = 4;

    CChart2dView();
    ~CChart2dView() override;

    void GetAxisSettings(ChartAxisSetting& x, ChartAxisSetting& y, ChartAxisSetting& y2) const;
    void SetAxisSettings(const ChartAxisSetting& x, const ChartAxisSetting& y, const ChartAxisSetting& y2);
    // Setting 0 is the view's own document, 1..3 the compared ones.
    const GraphDataSetting& GetGraphData(int index) const;
    void SetGraphData(int index, const GraphDataSetting& setting);
    int GetCompareMode() const { return Settings().mode; }
    void SetCompareMode(int mode);
    void GetZoneSettings(ZoneSettings& zones) const { zones = Settings().zones; }
    void SetZoneSettings(const ZoneSettings& zones) { Settings().zones = zones; }
    bool IsFirstChartView() const { return registered_ && place_ == kFirstChartView; }
    bool IsSecondChartView() const { return registered_ && place_ == kSecondChartView; }
    ChartViewPlace GetPlace() const { return place_; }
    // The defaults of the view's place, zones off.
    void ResetChartSettings();
    // Feeds the chart again: OnUpdate(nullptr, 0, nullptr).
    void RefreshChart();
    void SetDocModified();

    // Draws the graph into a printer page, in a square of the printable
    // area, with a white background and black text.
    void PrintChart(CDC* dc);

    CZoneChart2D& GetChart() { return chart_; }
    ZELDATA GetYData() const { return yData_; }
    ZELDATA GetY2Data() const { return y2Data_; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void OnDraw(CDC* dc) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    CScrollBar* GetScrollBarCtrl(int bar) const override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    afx_msg LRESULT OnChartPainted(WPARAM wParam, LPARAM lParam);
    afx_msg void OnProperties();
    afx_msg void OnXCurve(UINT id);
    afx_msg void OnYCurve(UINT id);
    afx_msg void OnY2Curve(UINT id);
    afx_msg void OnScale(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    ChartSettings& Settings();
    const ChartSettings& Settings() const;
    CTorvaneDoc* GetTorvaneDoc() const;
    void SetUpChart();
    // Makes `data` hold `sets` sets of 19 points (remade when the count differs).
    void EnsureSets(ZELDATA& data, int sets);
    void FillCompare();
    void FillCombination();
    void FillSet(ZELDATA data, int set, const CTorvaneDoc& doc, int xCurve, int yCurve);
    void ApplySchemeColors();
    COLORREF PlotColor() const;
    bool ZonesShown() const;

    ChartViewPlace place_ = kFirstChartView;
    bool registered_ = false;
    // The settings while the view has no document.
    ChartSettings ownSettings_;
    CFont font_;
    CZoneChart2D chart_;
    ZELTEXT captions_[3] = {};
    const char* captionLines_[3][2] = {};
    CRect printRect_;
    ZELDATA yData_ = nullptr;
    ZELDATA y2Data_ = nullptr;
    const char* yLegends_[kMaxDocuments + 1] = {};
    const char* y2Legends_[kMaxDocuments + 1] = {};
    GraphDataSetting graphData_[kMaxDocuments];
    int appliedScheme_ = -1;
};

}  // namespace torvane
