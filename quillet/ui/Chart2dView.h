// CChart2dView: a graph of a vehicle document's run, the shared graph view
// with the drag-race program's parts. The document has three graph places
// (the two rows of the right pane's graph tab and the left pane's graph
// tab); each view takes the first free one when it is made and starts with
// that place's curves, and keeps its settings itself: the vehicle file asks
// each view for its block. The run's sampled curves are drawn up to the
// run's last valid sample, in the colour scheme's curve colours; the gear
// zones follow the run's shifts.
#pragma once

#include "common/ui/GraphView.h"
#include "quillet/document/QuilletDocHost.h"
#include "quillet/ui/QuilletChartCatalogue.h"

namespace quillet {

class CQuilletDoc;

class CChart2dView : public CGraphView, public CQuilletChartViewLink {
    DECLARE_DYNCREATE(CChart2dView)

public:
    // The vehicle file's block of this view.
    void WriteChartSettings(FILE* file) override;
    std::function<void()> ReadChartSettings(FILE* file) override;
    void ResetZoneSettings() override { CGraphView::ResetZoneSettings(); }
    bool ZonesEnabled() const override { return CGraphView::ZonesEnabled(); }
    // The zones are attached to their curve when the view is next updated
    // (the framework's first update of an opened vehicle).
    void RedrawZones() override;

    int RegisterWithDocument() override;
    void UnregisterFromDocument() override;
    ChartSettings* DocumentSettings() override { return nullptr; }
    bool IsGraphDocument(const CDocument* doc) const override;
    int DocumentSerial(const CDocument* doc) const override;
    bool DocumentIsOpen(const CDocument* doc, int serial) const override;
    const float* DocumentCurve(const CDocument* doc, int resultCurve) const override;
    int PointsPerSet() const override;
    int PointsDrawn(const CDocument* doc) const override;
    void ConvertZones(ZoneSettings& zones) override;
    const AppColorTable& ColorTable() const override;
    void SetCurveStyles(ZELCHART chart) override;
    GraphRowCurves CurvesOfRow(int row) const override;
    bool ShareScale(const ChartAxisSetting& y, const ChartAxisSetting& y2) const override;
    const GraphCommandIds& CommandIds() const override;
    const ChartSheetIds& SheetIds() const override;
    void ShowError(unsigned short code) override;
    int AskComboInCompare() override;
    void ColorPresetZones(ZoneSettings& zones) const override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    CQuilletDoc* GetQuilletDoc() const;
};

}  // namespace quillet
