#include "torvane/ui/Chart2dView.h"

#include <algorithm>
#include <cstring>

#include "common/Assertion.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/ResultsResources.h"
#include "torvane/results/BaseUnitValue.h"
#include "torvane/services/ErrCode.h"
#include "torvane/ui/AppColors.h"

namespace torvane {

static const char kAssertModule[] = "Chart2dView.cpp";

IMPLEMENT_DYNCREATE(CChart2dView, CGraphView)

BEGIN_MESSAGE_MAP(CChart2dView, CGraphView)
END_MESSAGE_MAP()

namespace {

constexpr int kPowerTorqueCombo = 6;
constexpr int kPowerCombo = 18;
constexpr int kPressuresCombo = 19;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kNavy = 0x800000;
constexpr COLORREF kGreen = 0x008000;
constexpr unsigned short kWarnComboInCompare = 111;

// The menu lists are runs of consecutive command ids.
static_assert(ID_GRAPH_X_LAST - ID_GRAPH_X_FIRST == 15, "x curves: rows 1-5 and 7-17");
static_assert(ID_GRAPH_Y_LAST - ID_GRAPH_Y_FIRST == 18, "y curves: rows 1-19");
static_assert(ID_GRAPH_Y2_LAST - ID_GRAPH_Y2_FIRST == 19, "second-y curves: rows 0-19");
static_assert(ID_GRAPH_Y_SCALE_FIRST == ID_GRAPH_X_SCALE_FIRST + 4 && ID_GRAPH_Y2_SCALE_FIRST == ID_GRAPH_Y_SCALE_FIRST + 4 &&
                  ID_GRAPH_SCALE_LAST == ID_GRAPH_Y2_SCALE_FIRST + 3,
              "four scale presets per axis");

const GraphCommandIds kCommandIds = {
    IDR_GRAPH_MENU,    ID_GRAPH_PROPERTIES, ID_GRAPH_X_FIRST,
    ID_GRAPH_X_LAST,   ID_GRAPH_Y_FIRST,    ID_GRAPH_Y_LAST,
    ID_GRAPH_Y2_FIRST, ID_GRAPH_Y2_LAST,    {ID_GRAPH_X_SCALE_FIRST, ID_GRAPH_Y_SCALE_FIRST, ID_GRAPH_Y2_SCALE_FIRST},
};

const ChartSheetIds kSheetIds = {
    IDD_GRAPH_DATA_PAGE, IDD_AXIS_PAGE,      IDD_DATA_ZONES_PAGE,  IDC_SHOW_ZONES,
    IDC_ZONE_PRESET,     IDC_ZONE_MIN_FIRST, IDC_ZONE_MAX_FIRST,   IDC_ZONE_COLOR_FIRST,
};

// Rows that draw power or torque, which share one scale.
bool IsPowerRow(int row) {
    static const int rows[] = {2, 3, 6, 7, 8, 9, 18};
    return std::find(std::begin(rows), std::end(rows), row) != std::end(rows);
}

const CTorvaneDoc& AsEngine(const CDocument* doc) { return *static_cast<const CTorvaneDoc*>(doc); }

}  // namespace

CTorvaneDoc* CChart2dView::GetTorvaneDoc() const {
    CDocument* doc = GetDocument();
    if (doc == nullptr) return nullptr;
    APP_ASSERT(doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    return static_cast<CTorvaneDoc*>(doc);
}

int CChart2dView::RegisterWithDocument() {
    // The document's first graph view, else its second.
    CTorvaneDoc* doc = GetTorvaneDoc();
    if (doc->GetViewPointer(kChartViewSlot1) == nullptr) {
        APP_ASSERT(doc->GetViewPointer(kChartViewSlot2) == nullptr);
        doc->SetViewPointer(kChartViewSlot1, this);
        return kFirstChartView;
    }
    if (doc->GetViewPointer(kChartViewSlot2) == nullptr) {
        doc->SetViewPointer(kChartViewSlot2, this);
        return kSecondChartView;
    }
    return -1;
}

void CChart2dView::UnregisterFromDocument() {
    CTorvaneDoc* doc = GetTorvaneDoc();
    const DocViewSlot slot = IsFirstChartView() ? kChartViewSlot1 : kChartViewSlot2;
    if (doc->GetViewPointer(slot) == this) doc->SetViewPointer(slot, nullptr);
}

ChartSettings* CChart2dView::DocumentSettings() {
    CTorvaneDoc* doc = GetTorvaneDoc();
    if (doc == nullptr) return nullptr;
    return &doc->GetChartSettings(IsSecondChartView() ? kSecondChartView : kFirstChartView);
}

bool CChart2dView::IsGraphDocument(const CDocument* doc) const {
    return doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc));
}

int CChart2dView::DocumentSerial(const CDocument* doc) const { return AsEngine(doc).GetSerial(); }

bool CChart2dView::DocumentIsOpen(const CDocument* doc, int serial) const {
    return TorvaneDocIsOpen(static_cast<const CTorvaneDoc*>(doc), serial);
}

const float* CChart2dView::DocumentCurve(const CDocument* doc, int resultCurve) const {
    return AsEngine(doc).GetCurve(resultCurve);
}

int CChart2dView::PointsPerSet() const { return kResultPointCount; }

int CChart2dView::PointsDrawn(const CDocument*) const { return kResultPointCount; }

void CChart2dView::ConvertZones(ZoneSettings& zones) {
    const CTorvaneDoc& doc = *GetTorvaneDoc();
    zones.ConvertPistonSpeedZones(doc.stroke.IsSet(), BaseUnitValue(doc.stroke));
}

const AppColorTable& CChart2dView::ColorTable() const { return kTorvaneColors; }

void CChart2dView::SetCurveStyles(ZELCHART chart) {
    // Own document: a red line with red dots; compared ones: red lines with
    // navy symbols. The second axis likewise in green.
    const int symbols[4] = {ZEL2D_SYMBOL_DOT, ZEL2D_SYMBOL_DIAMOND, ZEL2D_SYMBOL_BOX, ZEL2D_SYMBOL_TRIANGLE};
    int (*const getters[2])(ZELCHART, int, ZelStyle*) = {ZelGetNthDataStyle, ZelGetNthDataStyle2};
    int (*const setters[2])(ZELCHART, int, const ZelStyle*) = {ZelSetNthDataStyle, ZelSetNthDataStyle2};
    const COLORREF lines[2] = {kRed, kGreen};
    for (int axis = 0; axis < 2; ++axis) {
        for (int n = 0; n < kMaxDocuments; ++n) {
            ZelStyle style = {};
            getters[axis](chart, n, &style);
            style.color = static_cast<int>(lines[axis]);
            style.pattern = ZEL2D_LINE_SOLID;
            style.symbol = symbols[n];
            style.symbol_color = static_cast<int>(n == 0 ? lines[axis] : kNavy);
            style.symbol_size = 5;
            setters[axis](chart, n, &style);
        }
    }
}

GraphRowCurves CChart2dView::CurvesOfRow(int row) const {
    switch (row) {
    case kPowerTorqueCombo: return {2, {kCurvePower, kCurveTorque}, {2, 3}};
    case kPowerCombo:
        return {4, {kCurvePower, kCurveIndicatedPower, kCurveFrictionPower, kCurvePumpingPower}, {2, 7, 8, 9}};
    case kPressuresCombo: return {4, {kCurveBmep, kCurveImep, kCurveFmep, kCurvePmep}, {14, 15, 16, 17}};
    default: return {1, {ResultCurveResultId(row)}, {row}};
    }
}

bool CChart2dView::ShareScale(const ChartAxisSetting& y, const ChartAxisSetting& y2) const {
    // Curves of one kind share one automatic scale.
    return std::strcmp(y.unit, y2.unit) == 0 || (IsPowerRow(y.curveIndex) && IsPowerRow(y2.curveIndex));
}

const GraphCommandIds& CChart2dView::CommandIds() const { return kCommandIds; }

const ChartSheetIds& CChart2dView::SheetIds() const { return kSheetIds; }

void CChart2dView::ShowError(unsigned short code) { ErrCodeShowError(code); }

int CChart2dView::AskComboInCompare() { return ErrCodeShowWarning(kWarnComboInCompare, true); }

void CChart2dView::ColorPresetZones(ZoneSettings& zones) const {
    // Piston-speed bands from white to deepening yellow; other presets from
    // pale yellow to steel blue.
    static const int kPistonSpeedColors[kMaxZones] = {0xFFFFFF, 0xD6F7FF, 0xBDF3FF, 0x9CEFFF, 0x84EBFF, 0x6BE7FF};
    if (zones.preset == kPistonSpeedZonePreset) {
        for (int i = 0; i < kMaxZones; ++i) zones.zones[i].SetColor(kPistonSpeedColors[i]);
        return;
    }
    zones.zones[0].SetColor(0xBDF3FF);
    if (zones.zoneCount > 1) zones.zones[zones.zoneCount - 1].SetColor(0xB48C73);
    if (zones.zoneCount > 2) zones.BlendColors();
}

}  // namespace torvane
