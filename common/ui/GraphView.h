// CGraphView: a graph of a document's result curves, the same in both
// programs. It fills itself with a zone chart and feeds it the curves its
// three axis selections choose: in compare mode the same curves of up to
// four open documents, in combination mode one document's combination
// curves; it paints the data zones, offers the curve and scale menu and
// opens the "2D Chart Properties" sheet. Each program derives its
// `CChart2dView` from it and answers the hooks below: where the settings
// live and how the view takes its place in the document, the document's
// curves, the program's colours, command ids, sheet templates and codes.
#pragma once

#include "common/charts/ChartSettings.h"
#include "common/charts/GraphDataSetting.h"
#include "common/charts/ZoneChart2D.h"
#include "common/ui/ColorSchemes.h"
#include "framework/Framework.h"

// The context menu's command ids: each list is a run of consecutive ids.
// The x list holds every row but (None) and the combinations, the y list
// rows 1.., the second-y list rows 0..; four scale presets per axis.
struct GraphCommandIds {
    UINT menu;
    UINT properties;
    UINT xFirst, xLast;
    UINT yFirst, yLast;
    UINT y2First, y2Last;
    UINT scaleFirst[3];  // x, y, second y
};

// The property sheet's page templates and the data-zone page's own control
// ids (the other controls have the same ids in both programs).
struct ChartSheetIds {
    UINT graphDataTemplate, axisTemplate, zonesTemplate;
    UINT showZones, zonePreset;
    UINT zoneMinFirst, zoneMaxFirst;  // six each
    UINT zoneColorFirst;              // six colour buttons
};

// The document curves of a row (one, or those of a combination row) and
// the rows whose names label them.
struct GraphRowCurves {
    int count;
    int curves[4];
    int legendRows[4];
};

class CGraphView : public CView {
    DECLARE_DYNAMIC(CGraphView)

public:
    static constexpr int kMaxDocuments = 4;

    CGraphView();
    ~CGraphView() override;

    void GetAxisSettings(ChartAxisSetting& x, ChartAxisSetting& y, ChartAxisSetting& y2) const;
    void SetAxisSettings(const ChartAxisSetting& x, const ChartAxisSetting& y, const ChartAxisSetting& y2);
    // Setting 0 is the view's own document, 1..3 the compared ones.
    const GraphDataSetting& GetGraphData(int index) const;
    void SetGraphData(int index, const GraphDataSetting& setting);
    int GetCompareMode() const { return Settings().mode; }
    void SetCompareMode(int mode);
    void GetZoneSettings(ZoneSettings& zones) const { zones = Settings().zones; }
    void SetZoneSettings(const ZoneSettings& zones) { Settings().zones = zones; }
    const ChartSettings& GetSettings() const { return Settings(); }
    void SetSettings(const ChartSettings& settings) { Settings() = settings; }
    bool ZonesEnabled() const { return Settings().zones.enabled; }
    void ResetZoneSettings() { Settings().zones.Reset(); }
    bool IsFirstChartView() const { return place_ == 0; }
    bool IsSecondChartView() const { return place_ == 1; }
    bool IsThirdChartView() const { return place_ == 2; }
    // The view's graph place in its document, -1 while it has none.
    int GetPlace() const { return place_; }
    // The defaults of the view's place, zones off.
    void ResetChartSettings();
    // Feeds the chart again: OnUpdate(nullptr, 0, nullptr).
    void RefreshChart();
    void SetDocModified();

    // The settings lines of this view in the document's file.
    void WriteChartSettings(FILE* file) const { Settings().Write(file); }
    void ReadChartSettings(FILE* file) { Settings().Read(file); }

    // Draws the graph into a printer page, in a square of the printable
    // area, with a white background and black text.
    void PrintChart(CDC* dc);

    CZoneChart2D& GetChart() { return chart_; }
    ZELDATA GetYData() const { return yData_; }
    ZELDATA GetY2Data() const { return y2Data_; }

    // ---- What each program answers ------------------------------------
    // The view takes its place in its document: the place, or -1.
    virtual int RegisterWithDocument() = 0;
    virtual void UnregisterFromDocument() = 0;
    // The document's record of the place's settings, or null when the view
    // keeps them itself.
    virtual ChartSettings* DocumentSettings() = 0;
    // Whether `doc` is one of the program's documents (the graph-data
    // page lists those), its serial and whether it is still open.
    virtual bool IsGraphDocument(const CDocument* doc) const = 0;
    virtual int DocumentSerial(const CDocument* doc) const = 0;
    virtual bool DocumentIsOpen(const CDocument* doc, int serial) const = 0;
    // A document curve of `PointsPerSet` points, of which the first
    // `PointsDrawn` are drawn.
    virtual const float* DocumentCurve(const CDocument* doc, int resultCurve) const = 0;
    virtual int PointsPerSet() const = 0;
    virtual int PointsDrawn(const CDocument* doc) const = 0;
    // Zones attached to a curve whose preset needs its bounds converted.
    virtual void ConvertZones(ZoneSettings& zones) = 0;
    virtual const AppColorTable& ColorTable() const = 0;
    // The data styles of the y and second-y sets (again on a scheme change).
    virtual void SetCurveStyles(ZELCHART chart) = 0;
    virtual GraphRowCurves CurvesOfRow(int row) const = 0;
    // Whether two automatic y axes share one range.
    virtual bool ShareScale(const ChartAxisSetting& y, const ChartAxisSetting& y2) const = 0;
    virtual const GraphCommandIds& CommandIds() const = 0;
    virtual const ChartSheetIds& SheetIds() const = 0;
    virtual void ShowError(unsigned short code) = 0;
    // The warning that compare mode takes no combination curves: IDOK or
    // IDCANCEL.
    virtual int AskComboInCompare() = 0;
    // The colours of a freshly chosen zone preset.
    virtual void ColorPresetZones(ZoneSettings& zones) const = 0;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
    void OnDraw(CDC* dc) override;
    void OnPrint(CDC* dc, CPrintInfo* info) override;
    void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
    CScrollBar* GetScrollBarCtrl(int bar) const override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    COLORREF SchemeColor(int slot) const { return AppColorsGetSlot(ColorTable(), slot); }

    afx_msg int OnCreate(LPCREATESTRUCT cs);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* dc);
    afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* popup, UINT index, BOOL sysMenu);
    afx_msg LRESULT OnChartPainted(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // The settings: the document's record of the view's place, else the
    // view's own.
    ChartSettings& Settings();
    const ChartSettings& Settings() const;

private:
    void OnProperties();
    void SetUpChart();
    // Makes `data` hold `sets` sets (remade when the count differs).
    void EnsureSets(ZELDATA& data, int sets);
    void FillCompare();
    void FillCombination();
    void FillSet(ZELDATA data, int set, const CDocument& doc, int xCurve, int yCurve);
    void ApplySchemeColors();
    COLORREF PlotColor() const;
    bool ZonesShown() const;
    // A menu edit: the document modified and the chart fed again.
    void AfterMenuEdit();

    int place_ = -1;
    // The settings while the document does not keep them.
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
