#include "quillet/ui/Chart2dView.h"

#include <cstring>

#include "common/Assertion.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/res/GraphResources.h"
#include "quillet/services/ErrCode.h"
#include "quillet/ui/AppColors.h"
#include "quillet/ui/GearZones.h"

namespace quillet {

static const char kAssertModule[] = "Chart2dView";

IMPLEMENT_DYNCREATE(CChart2dView, CGraphView)

BEGIN_MESSAGE_MAP(CChart2dView, CGraphView)
END_MESSAGE_MAP()

namespace {

constexpr int kStylesPerAxis = 4;
constexpr unsigned short kWarnComboInCompare = 107;
// A fresh preset's zones run from a light grey to a steel blue.
constexpr int kFirstZoneColor = 0xDCDCD7;
constexpr int kLastZoneColor = 0xB48C73;

// The menu lists are runs of consecutive command ids.
static_assert(ID_RACE_GRAPH_X_LAST - ID_RACE_GRAPH_X_FIRST == 11, "x curves: rows 1-12");
static_assert(ID_RACE_GRAPH_Y_LAST - ID_RACE_GRAPH_Y_FIRST == 13, "y curves: rows 1-14");
static_assert(ID_RACE_GRAPH_Y2_LAST - ID_RACE_GRAPH_Y2_FIRST == 14, "second-y curves: rows 0-14");
static_assert(ID_RACE_GRAPH_Y_SCALE_FIRST == ID_RACE_GRAPH_X_SCALE_FIRST + 5 &&
                  ID_RACE_GRAPH_Y2_SCALE_FIRST == ID_RACE_GRAPH_Y_SCALE_FIRST + 5 &&
                  ID_RACE_GRAPH_SCALE_LAST == ID_RACE_GRAPH_Y2_SCALE_FIRST + 3,
              "four scale presets per axis, five ids apart");

const GraphCommandIds kCommandIds = {
    IDR_RACE_GRAPH_MENU,
    ID_RACE_GRAPH_PROPERTIES,
    ID_RACE_GRAPH_X_FIRST,
    ID_RACE_GRAPH_X_LAST,
    ID_RACE_GRAPH_Y_FIRST,
    ID_RACE_GRAPH_Y_LAST,
    ID_RACE_GRAPH_Y2_FIRST,
    ID_RACE_GRAPH_Y2_LAST,
    {ID_RACE_GRAPH_X_SCALE_FIRST, ID_RACE_GRAPH_Y_SCALE_FIRST, ID_RACE_GRAPH_Y2_SCALE_FIRST},
};

const ChartSheetIds kSheetIds = {
    IDD_RACE_GRAPH_DATA_PAGE, IDD_RACE_AXIS_PAGE,      IDD_RACE_DATA_ZONES_PAGE, IDC_RACE_SHOW_ZONES,
    IDC_RACE_ZONE_PRESET,     IDC_RACE_ZONE_MIN_FIRST, IDC_RACE_ZONE_MAX_FIRST,  IDC_RACE_ZONE_COLOR_FIRST,
};

const CQuilletDoc& AsVehicle(const CDocument* doc) { return *static_cast<const CQuilletDoc*>(doc); }

}  // namespace

CQuilletDoc* CChart2dView::GetQuilletDoc() const {
    CDocument* doc = GetDocument();
    if (doc == nullptr) return nullptr;
    APP_ASSERT(doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    return static_cast<CQuilletDoc*>(doc);
}

// ---- File ----------------------------------------------------------------

void CChart2dView::WriteChartSettings(FILE* file) { GetSettings().Write(file); }

std::function<void()> CChart2dView::ReadChartSettings(FILE* file) {
    ChartSettings read = GetSettings();
    read.Read(file);
    return [this, read] { SetSettings(read); };
}

void CChart2dView::RedrawZones() {
    if (GetChart().GetSafeHwnd()) GetChart().Invalidate(FALSE);
}

// ---- Program parts -------------------------------------------------------

int CChart2dView::RegisterWithDocument() {
    // The first free graph place of the document.
    CQuilletDoc* doc = GetQuilletDoc();
    doc->RegisterChartView(this);
    return doc->GetChartViewPlace(this);
}

void CChart2dView::UnregisterFromDocument() { GetQuilletDoc()->UnregisterChartView(this); }

bool CChart2dView::IsGraphDocument(const CDocument* doc) const { return doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)); }

int CChart2dView::DocumentSerial(const CDocument* doc) const { return AsVehicle(doc).GetSerial(); }

bool CChart2dView::DocumentIsOpen(const CDocument* doc, int serial) const {
    return QuilletDocIsOpen(static_cast<const CQuilletDoc*>(doc), serial);
}

const float* CChart2dView::DocumentCurve(const CDocument* doc, int resultCurve) const {
    return AsVehicle(doc).GetCurve(resultCurve);
}

int CChart2dView::PointsPerSet() const { return kRaceMaxSamples; }

int CChart2dView::PointsDrawn(const CDocument* doc) const { return AsVehicle(doc).GetNumCurvePoints(); }

void CChart2dView::ConvertZones(ZoneSettings& zones) {
    // The gear zones follow the last run's shifts along its time or
    // distance, worked out afresh on every update.
    APP_ASSERT(zones.preset == kGearZonePreset);
    const GearZones gears = ComputeGearZones(*GetQuilletDoc(), zones.curveIndex);
    for (int i = 0; i < zones.zoneCount; ++i) {
        ZoneRange& zone = zones.zones[i];
        const GearZone& gear = gears.zones[i];
        zone.SetEnabled(gear.enabled);
        if (!gear.enabled) continue;
        zone.SetDisplayMin(gear.displayMin);
        zone.SetDisplayMax(gear.displayMax);
    }
    zones.needsConversion = false;
}

const AppColorTable& CChart2dView::ColorTable() const { return kQuilletColors; }

void CChart2dView::SetCurveStyles(ZELCHART chart) {
    // The curve colours are the scheme's: y in slots 19..22, the second y
    // in slot 23 and then 24..26.
    int (*const getters[2])(ZELCHART, int, ZelStyle*) = {ZelGetNthDataStyle, ZelGetNthDataStyle2};
    int (*const setters[2])(ZELCHART, int, const ZelStyle*) = {ZelSetNthDataStyle, ZelSetNthDataStyle2};
    for (int n = 0; n < kStylesPerAxis; ++n) {
        const COLORREF colours[2] = {SchemeColor(19 + n), SchemeColor(23 + n)};
        for (int axis = 0; axis < 2; ++axis) {
            ZelStyle style = {};
            getters[axis](chart, n, &style);
            style.pattern = ZEL2D_LINE_SOLID;
            style.color = static_cast<int>(colours[axis]);
            style.symbol = ZEL2D_SYMBOL_NONE;
            style.symbol_color = static_cast<int>(colours[axis]);
            setters[axis](chart, n, &style);
        }
    }
}

GraphRowCurves CChart2dView::CurvesOfRow(int row) const {
    switch (row) {
    case kSpeedsComboRow: return {2, {kCurveSpeed, kCurveTyreSpeed}, {4, 11}};
    case kRpmsComboRow: return {2, {kCurveEngineRpm, kCurveClutchRpm}, {9, 10}};
    default: return {1, {ResultCurveResultId(row)}, {row}};
    }
}

bool CChart2dView::ShareScale(const ChartAxisSetting& y, const ChartAxisSetting& y2) const {
    // Curves in one unit share one automatic scale.
    return std::strcmp(y.unit, y2.unit) == 0;
}

const GraphCommandIds& CChart2dView::CommandIds() const { return kCommandIds; }

const ChartSheetIds& CChart2dView::SheetIds() const { return kSheetIds; }

void CChart2dView::ShowError(unsigned short code) { ErrCodeShowError(code); }

int CChart2dView::AskComboInCompare() { return ErrCodeShowWarning(kWarnComboInCompare, true); }

void CChart2dView::ColorPresetZones(ZoneSettings& zones) const {
    zones.zones[0].SetColor(kFirstZoneColor);
    if (zones.zoneCount > 1) zones.zones[zones.zoneCount - 1].SetColor(kLastZoneColor);
    if (zones.zoneCount > 2) zones.BlendColors();
}

}  // namespace quillet
