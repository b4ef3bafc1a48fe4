// CChart2dView: the "Graph" tab of an engine document, the shared graph
// view with the engine program's parts: the document's first and second
// graph view, whose settings the engine document keeps (so the engine file
// keeps what the graph shows); the 19-point result curves; the power,
// torque and pressure combinations; red and green curves; the piston-speed
// zones in engine speed.
#pragma once

#include "common/ui/GraphView.h"
#include "torvane/results/TorvaneChartCatalogue.h"

namespace torvane {

class CTorvaneDoc;

class CChart2dView : public CGraphView {
    DECLARE_DYNCREATE(CChart2dView)

public:

    int RegisterWithDocument() override;
    void UnregisterFromDocument() override;
    ChartSettings* DocumentSettings() override;
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
    CTorvaneDoc* GetTorvaneDoc() const;
};

}  // namespace torvane
