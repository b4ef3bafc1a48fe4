// CChart2dView: a graph of a vehicle document's run. The document has three
// graph places (the two rows of the right pane's graph tab and the left
// pane's graph tab); each view takes the first free one when it is made and
// starts with that place's curves. It feeds its chart the run's sampled
// curves as its three axis selections choose, in compare mode one curve per
// axis, in combination mode the two curves of a combination row. The
// vehicle file keeps each view's settings.
#pragma once

#include <string>

#include "common/Chart2D.h"
#include "common/charts/ChartSettings.h"
#include "framework/Framework.h"
#include "quillet/document/QuilletDocHost.h"

namespace quillet {

class CQuilletDoc;

class CChart2dView : public CView, public CQuilletChartViewLink {
    DECLARE_DYNCREATE(CChart2dView)

public:
    CChart2dView();
    ~CChart2dView() override;

    bool IsFirstChartView() const { return place_ == 0; }
    bool IsSecondChartView() const { return place_ == 1; }
    bool IsThirdChartView() const { return place_ == 2; }
    // 0..2, or -1 while the view holds no place.
    int GetPlace() const { return place_; }
    const ChartSettings& GetSettings() const { return settings_; }
    void SetSettings(const ChartSettings& settings) { settings_ = settings; }
    // The defaults of the view's place.
    void ResetChartSettings();
    // Feeds the chart again from the document.
    void RefreshChart();

    // Draws the graph into a printer page, in a square of the printable
    // area, white with black text.
    void PrintChart(CDC* dc);

    CChart2D& GetChart() { return chart_; }
    ZELDATA GetYData() const { return yData_; }
    ZELDATA GetY2Data() const { return y2Data_; }

    // The vehicle file's block of this view.
    void WriteChartSettings(FILE* file) override;
    std::function<void()> ReadChartSettings(FILE* file) override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void OnDraw(CDC* dc) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    CScrollBar* GetScrollBarCtrl(int bar) const override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    afx_msg void OnXCurve(UINT id);
    afx_msg void OnYCurve(UINT id);
    afx_msg void OnY2Curve(UINT id);
    afx_msg void OnScale(UINT id);
    DECLARE_MESSAGE_MAP()

private:
    CQuilletDoc* GetQuilletDoc() const;
    void SetUpChart();
    void ApplySchemeColors();
    // Makes `data` hold `sets` sets of the document's sample count.
    void EnsureSets(ZELDATA& data, int sets);
    // The axis's curves (one, or the two of a combination row) over x.
    void FillAxis(ZELDATA& data, const char** legends, const ChartAxisSetting& axis, bool shown);
    void LayOut(CDC* dc);
    // A menu edit: the document modified and the chart fed again.
    void AfterMenuEdit();

    int place_ = -1;
    ChartSettings settings_;
    CFont font_;
    CChart2D chart_;
    ZELTEXT captions_[3] = {};
    const char* captionLines_[3][2] = {};
    CRect printRect_;
    ZELDATA yData_ = nullptr;
    ZELDATA y2Data_ = nullptr;
    const char* yLegends_[3] = {};
    const char* y2Legends_[3] = {};
    // Compare mode's legends: curve name and document title.
    std::string compareLegends_[2];
    int appliedScheme_ = -1;
};

}  // namespace quillet
