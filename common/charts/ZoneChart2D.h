// CZoneChart2D: the graph view's chart window, which paints the graph's data
// zones over what the chart library drew, after each paint.
#pragma once

#include "common/Chart2D.h"
#include "common/charts/ZoneSettings.h"

class CZoneChart2D : public CChart2D {
    DECLARE_DYNAMIC(CZoneChart2D)

public:
    void SetZoneSettings(const ZoneSettings& settings) { zones_ = settings; }
    const ZoneSettings& GetZoneSettings() const { return zones_; }
    BOOL ZonesEnabled() const { return zones_.enabled; }
    int GetZoneAxis() const { return zones_.axis; }

    // The label strip's height (`strip`) and its distance from the plot
    // (`gap`), in the font selected in `dc`.
    void GetZoneStripMetrics(HDC dc, int& gap, int& strip);
    // The room the zones' strip and names need, in the chart font: above the
    // plot (`top`) for x zones, right of it (`right`) for y zones; the other
    // is 0.
    void MeasureZoneLegend(HDC dc, int& top, int& right);
    // Paints the enabled zones into the chart's picture: bands masked over
    // the plot (R2_MASKPEN, so the curves stay visible), the label strip, the
    // preset's name and the bounds' labels.
    void PaintZones(HDC dc);

protected:
    DECLARE_MESSAGE_MAP()

private:
    ZoneSettings zones_;
};
