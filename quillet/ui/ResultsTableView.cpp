#include "quillet/ui/ResultsTableView.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "common/Assertion.h"
#include "common/ui/SplitPanes.h"
#include "quillet/document/QuilletDoc.h"
#include "quillet/ui/AppColors.h"

namespace quillet {

static const char kAssertModule[] = "ResultsTableView";

BEGIN_MESSAGE_MAP(CRaceTableViewBase, CScrollView)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CResultsTableView, CScrollView)
BEGIN_MESSAGE_MAP(CResultsTableView, CRaceTableViewBase)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CProResultsTableView, CScrollView)
BEGIN_MESSAGE_MAP(CProResultsTableView, CRaceTableViewBase)
END_MESSAGE_MAP()

namespace {

const COLORREF kPale = RGB(255, 255, 153);
const COLORREF kNavy = RGB(51, 51, 153);
const COLORREF kRed = RGB(255, 51, 51);
const COLORREF kGreen = RGB(51, 153, 0);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

const char kNoValue[] = "- - - - -";

// Performance block.
const int kPerformanceWidths[] = {20, 20, 20, 20};
const BYTE kPerformanceColumnRules[] = {0, 1, 1, 1};
const COLORREF kPerformanceFills[] = {kPale, kNavy, kPale, kNavy};
const COLORREF kPerformanceTexts[] = {kBlack, kWhite, kBlack, kWhite};

// Track Data block.
const int kTrackWidths[] = {11, 10, 10, 10, 10, 10, 10, 10};
const BYTE kTrackColumnRules[] = {0, 1, 0, 0, 0, 0, 0, 0};
const BYTE kTrackRowRules[] = {0, 0, 1, 0, 0, 1, 0, 0};
const COLORREF kTrackFills[] = {kPale, kNavy, kNavy, kNavy, kNavy, kNavy, kNavy, kNavy};
const COLORREF kTrackTexts[] = {kBlack, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite};
const char* const kTrackHeadings[2][8] = {
    {"Distance", "Time", "Speed", "Engine", "Accel", "Tire", "Drag", "Clutch"},
    {" feet", " secs.", " mph", " rpm", " g's", " mph", " lbs", " rpm"},
};

// Engine Power Curve block.
const int kPowerWidths[] = {12, 12, 18, 12, 12, 18};
const BYTE kPowerColumnRules[] = {0, 1, 0, 0, 1, 0};
const BYTE kPowerRowRules[] = {0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
const COLORREF kPowerFills[] = {kPale, kRed, kGreen, kPale, kRed, kGreen};
const COLORREF kPowerTexts[] = {kBlack, kWhite, kWhite, kBlack, kWhite, kWhite};
const char* const kPowerHeadings[2][6] = {
    {"Engine", "Power", "Torque", "Engine", "Power", "Torque"},
    {" rpm", " hp", " lb-ft", " rpm", " hp", " lb-ft"},
};

// Pro Data block.
constexpr int kProRows = 104;
const int kProWidths[] = {11, 10, 10, 12, 12, 12, 12, 12};
const BYTE kProColumnRules[] = {0, 1, 0, 0, 0, 0, 0, 0};
const COLORREF kProFills[] = {kPale, kRed, kGreen, kNavy, kNavy, kNavy, kNavy, kNavy};
const COLORREF kProTexts[] = {kBlack, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite};
const char* const kProHeadings[2][8] = {
    {"Distance", "Time", "Speed", "Tire Speed", "Tire Slip", "Tire Dia.", "Engine", "Trans"},
    {" feet", " secs.", " mph", "mph", " mph", "inches", "rpm", "gear"},
};

// Row rules at row 2 and every fifth row from 7.
const std::array<BYTE, kProRows> kProRowRules = [] {
    std::array<BYTE, kProRows> rules{};
    rules[2] = 1;
    for (int r = 7; r < kProRows; r += 5) rules[r] = 1;
    return rules;
}();

const std::array<int, CProResultsTableView::kDistanceCount> kReportDistances = [] {
    std::array<int, CProResultsTableView::kDistanceCount> d{};
    int n = 0;
    const auto run = [&](int from, int to, int step) {
        for (int x = from; x <= to; x += step) d[n++] = x;
    };
    run(2, 30, 2);
    run(35, 110, 5);
    run(120, 400, 10);
    run(400, 400, 1);
    run(420, 520, 20);
    run(530, 530, 1);
    run(540, 700, 20);
    run(725, 1300, 25);
    run(1320, 1320, 1);
    return d;
}();

// The track-data row of a timing mark, -1 for other distances.
int TrackRowAt(int feet) {
    switch (feet) {
        case 60: return 1;
        case 330: return 2;
        case 660: return 3;
        case 1000: return 4;
        case 1320: return 5;
        default: return -1;
    }
}

CString Format(const char* format, double value) {
    CString text;
    text.Format(format, value);
    return text;
}

}  // namespace

// ------------------------------------------------------------------ base

CRaceTableViewBase::~CRaceTableViewBase() {
    // The document forgets a table view that goes before it.
    if (CDocument* doc = GetDocument(); doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc))) {
        auto* vehicle = static_cast<CQuilletDoc*>(doc);
        for (int slot : {2, 3})
            if (vehicle->GetTableView(slot) == this) vehicle->SetTableView(slot, nullptr);
    }
}

CQuilletDoc* CRaceTableViewBase::GetQuilletDoc() const {
    CDocument* doc = GetDocument();
    APP_ASSERT(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    return static_cast<CQuilletDoc*>(doc);
}

void CRaceTableViewBase::MeasureFonts() {
    if (bodyFont_.GetSafeHandle() == nullptr) bodyFont_.CreatePointFont(80, "MS Sans Serif");
    if (titleFont_.GetSafeHandle() == nullptr) {
        LOGFONT title = {};
        title.lfHeight = 100;
        title.lfWeight = FW_BOLD;
        lstrcpyA(title.lfFaceName, "MS Sans Serif");
        titleFont_.CreatePointFontIndirect(&title);
    }
    CClientDC dc(this);
    HGDIOBJ font = bodyFont_.GetSafeHandle() ? bodyFont_.GetSafeHandle() : ::GetStockObject(SYSTEM_FONT);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, font);
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(dc.m_hDC, &metrics);
    ::SelectObject(dc.m_hDC, old);
    rowHeight_ = metrics.tmHeight;
    columnUnit_ = metrics.tmAveCharWidth;
}

int CRaceTableViewBase::TableWidth(int units) const {
    const int width = units * columnUnit_;
    return width < 0 ? 400 : width;
}

CFont* CRaceTableViewBase::BeginDraw(CDC* dc) {
    APP_ASSERT(dc != nullptr);
    GetQuilletDoc();
    CFont* old = nullptr;
    if (!dc->IsPrinting()) {
        dc->SetMapMode(MM_TEXT);
        old = bodyFont_.GetSafeHandle() ? dc->SelectObject(&bodyFont_)
                                        : static_cast<CFont*>(dc->SelectStockObject(SYSTEM_FONT));
    }
    dc->SetBkMode(TRANSPARENT);
    return old;
}

void CRaceTableViewBase::ColourBlock(CTableBlock& block, const CDC* dc, const COLORREF* fills,
                                     const COLORREF* texts) {
    const bool columns = AppColorsGetScheme() == 1 && !dc->IsPrinting();
    block.SetColours(AppColorsGetColor(28), AppColorsGetColor(29), AppColorsGetColor(31), AppColorsGetColor(28),
                     columns ? fills : nullptr, columns ? texts : nullptr);
}

BOOL CRaceTableViewBase::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, AppColorsGetColor(27));
    return TRUE;
}

CScrollBar* CRaceTableViewBase::GetScrollBarCtrl(int bar) const {
    if (CScrollBar* shared = TabWndScrollBarOf(this, bar)) return shared;
    return CScrollView::GetScrollBarCtrl(bar);
}

BOOL CRaceTableViewBase::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }

void CRaceTableViewBase::OnBeginPrinting(CDC* dc, CPrintInfo* info) {
    printFont_.DeleteObject();
    printFont_.CreatePointFont(120, "MS Sans Serif", dc);
    CScrollView::OnBeginPrinting(dc, info);
}

void CRaceTableViewBase::OnPrint(CDC* dc, CPrintInfo*) {
    APP_ASSERT(dc != nullptr && dc->IsPrinting());
    CFont* old = printFont_.GetSafeHandle() ? dc->SelectObject(&printFont_) : nullptr;
    OnDraw(dc);
    if (old != nullptr) dc->SelectObject(old);
}

void CRaceTableViewBase::OnEndPrinting(CDC* dc, CPrintInfo* info) {
    printFont_.DeleteObject();
    CScrollView::OnEndPrinting(dc, info);
}

// -------------------------------------------------------- results table

CResultsTableView::CResultsTableView() = default;
CResultsTableView::~CResultsTableView() = default;

void CResultsTableView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    CQuilletDoc* doc = GetQuilletDoc();
    if (doc->GetTableView(2) == nullptr) doc->SetTableView(2, this);
    MeasureFonts();
    const int width = TableWidth(80);
    SetScrollSizes(MM_TEXT, CSize(width + 120, 50 * rowHeight_));

    const int h = rowHeight_, unit = columnUnit_;
    blocks_[0].Layout(20, 10, width, 7, 4, h, unit, kPerformanceWidths, kPerformanceColumnRules, nullptr, unit);
    const int header = blocks_[0].GetHeaderHeight();
    const int trackTop = 10 + blocks_[0].GetHeight() + header;
    blocks_[1].Layout(20, trackTop, width, 8, 8, h, unit, kTrackWidths, kTrackColumnRules, kTrackRowRules, unit);
    blocks_[1].SetTitle("Track Data");
    const int powerTop = trackTop + blocks_[1].GetHeight() + header;
    blocks_[2].Layout(20, powerTop, width, 15, 6, h, unit, kPowerWidths, kPowerColumnRules, kPowerRowRules, unit);
    blocks_[2].SetTitle("Engine Power Curve");

}

void CResultsTableView::OnDraw(CDC* dc) {
    CFont* old = BeginDraw(dc);
    const CQuilletDoc& doc = *GetQuilletDoc();
    ColourBlock(blocks_[0], dc, kPerformanceFills, kPerformanceTexts);
    ColourBlock(blocks_[1], dc, kTrackFills, kTrackTexts);
    ColourBlock(blocks_[2], dc, kPowerFills, kPowerTexts);
    DrawPerformance(dc, doc);
    DrawTrackData(dc, doc);
    DrawPowerCurve(dc, doc);
    if (old != nullptr) dc->SelectObject(old);
}

void CResultsTableView::DrawPerformance(CDC* dc, const CQuilletDoc& doc) {
    const int length = doc.GetRaceLength();
    APP_ASSERT(length == 660 || length == 1320);
    CTableBlock& block = blocks_[0];
    block.SetTitle(length == 660 ? "Vehicle Performance - 1/8 Mile" : "Vehicle Performance - 1/4 Mile");
    block.DrawFrame(dc, titleFont_.GetSafeHandle() ? &titleFont_ : nullptr);
    const CRaceResults& results = doc.GetResults();
    block.DrawCell(dc, 0, 0, "Race Results", true);
    block.DrawCell(dc, 1, 0, "Elapsed Time");
    block.DrawCell(dc, 1, 1, Format("%.3f secs", results.elapsedTime));
    block.DrawCell(dc, 2, 0, "Trap Speed");
    block.DrawCell(dc, 2, 1, Format("%.1f mph", results.trapSpeed));
    block.DrawCell(dc, 4, 0, "Time to Speed", true);
    block.DrawCell(dc, 5, 0, "0-60 mph");
    if (results.trapSpeed >= 60.0f) block.DrawCell(dc, 5, 1, Format("%.3f secs", results.time0To60));
    block.DrawCell(dc, 6, 0, "0-100 mph");
    if (results.trapSpeed >= 100.0f) block.DrawCell(dc, 6, 1, Format("%.3f secs", results.time0To100));
    block.DrawCell(dc, 0, 2, "Time in Gear", true);
    static const char* const kGears[] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    block.DrawCell(dc, 0, 3, "seconds", true);
    for (int g = 0; g < kRaceGearCount; ++g) {
        block.DrawCell(dc, g + 1, 2, kGears[g]);
        block.DrawCell(dc, g + 1, 3, Format("%.3f", results.timeInGear[g]));
    }
}

void CResultsTableView::DrawTrackData(CDC* dc, const CQuilletDoc& doc) {
    CTableBlock& block = blocks_[1];
    block.DrawFrame(dc, titleFont_.GetSafeHandle() ? &titleFont_ : nullptr);
    block.DrawHeadingRow(dc, 0, kTrackHeadings[0]);
    block.DrawHeadingRow(dc, 1, kTrackHeadings[1]);
    for (int r = 0; r < kRaceTrackRowCount; ++r) {
        const TrackRow& row = doc.GetResults().GetTrackRow(r);
        CString cells[8];
        cells[0] = r == 0 ? CString("Rollout") : Format("%.0f", row.distance);
        if (float(doc.GetRaceLength()) >= row.distance) {
            cells[1] = Format("%.3f", row.time);
            cells[2] = Format("%.1f", row.speed);
            cells[3] = Format("%.0f", row.engineRpm);
            cells[4] = Format("%.2f", row.acceleration);
            cells[5] = Format("%.1f", row.tyreSpeed);
            cells[6] = Format("%.1f", row.resistance);
            cells[7] = Format("%.0f", row.clutchRpm);
        } else {
            for (int c = 1; c < 8; ++c) cells[c] = kNoValue;
        }
        block.DrawRow(dc, r + 2, cells);
    }
}

void CResultsTableView::DrawPowerCurve(CDC* dc, const CQuilletDoc& doc) {
    CTableBlock& block = blocks_[2];
    block.DrawFrame(dc, titleFont_.GetSafeHandle() ? &titleFont_ : nullptr);
    block.DrawHeadingRow(dc, 0, kPowerHeadings[0]);
    block.DrawHeadingRow(dc, 1, kPowerHeadings[1]);
    const CPowerCurve& curve = doc.m_powerCurve;
    for (int j = 0; j < 13; ++j) {
        CString cells[6];
        for (int half = 0; half < 2; ++half) {
            const int i = j + 13 * half;
            cells[3 * half] = Format("%.0f", curve.GetRpm(i));
            cells[3 * half + 1] = Format("%.0f", curve.GetPower(i));
            cells[3 * half + 2] = Format("%.0f", curve.GetTorque(i));
        }
        block.DrawRow(dc, j + 2, cells);
    }
}

// ------------------------------------------------------ Pro Data table

CProResultsTableView::CProResultsTableView() = default;
CProResultsTableView::~CProResultsTableView() = default;

const int* CProResultsTableView::ReportDistances() { return kReportDistances.data(); }

void CProResultsTableView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    CQuilletDoc* doc = GetQuilletDoc();
    APP_ASSERT(doc->GetTableView(2) != nullptr);
    if (doc->GetTableView(3) == nullptr) doc->SetTableView(3, this);
    MeasureFonts();
    const int width = TableWidth(90);
    SetScrollSizes(MM_TEXT, CSize(width + 120, 150 * rowHeight_));
    block_.Layout(20, 10, width, kProRows, 8, rowHeight_, columnUnit_, kProWidths, kProColumnRules,
                  kProRowRules.data(), columnUnit_);
    block_.SetTitle("Pro Data");
}

void CProResultsTableView::OnDraw(CDC* dc) {
    CFont* old = BeginDraw(dc);
    const CQuilletDoc& doc = *GetQuilletDoc();
    ColourBlock(block_, dc, kProFills, kProTexts);
    block_.DrawFrame(dc, titleFont_.GetSafeHandle() ? &titleFont_ : nullptr);
    block_.DrawHeadingRow(dc, 0, kProHeadings[0]);
    block_.DrawHeadingRow(dc, 1, kProHeadings[1]);

    const CRaceResults& results = doc.GetResults();
    // Gear ends are kept from the launch point; the rows count from the
    // start line, as the run's distance samples do.
    const float startOffset = results.GetTrackRow(0).distance;
    const bool gearsSet = doc.m_gearCount.IsSet();
    const int gears = gearsSet ? doc.m_gearCount.GetValue() : 0;
    int gear = gearsSet ? 1 : 0;
    int previous = 0;
    for (int r = 0; r < kDistanceCount; ++r) {
        const int d = kReportDistances[r];
        CString cells[8];
        cells[0].Format("%d", d);
        if (d > doc.GetRaceLength()) {
            for (int c = 1; c < 8; ++c) cells[c] = kNoValue;
        } else {
            float time = 0, speed = 0, tyreSpeed = 0, slip = 0, diameter = 0, rpm = 0;
            doc.InterpolateAtDistance(float(d), &time, &speed, &tyreSpeed, &slip, &diameter, &rpm);
            const int mark = TrackRowAt(d);
            if (mark >= 0) {
                const TrackRow& row = results.GetTrackRow(mark);
                time = row.time;
                speed = row.speed;
                tyreSpeed = row.tyreSpeed;
                rpm = row.engineRpm;
                slip = std::max(tyreSpeed - speed, 0.0f);
            }
            if (gear < gears && gear >= 1) {
                const float shiftAt = results.distanceAtGearEnd[gear - 1] - startOffset;
                if (float(d) >= shiftAt && float(previous) < shiftAt) ++gear;
            }
            cells[1] = Format("%.3f", time);
            cells[2] = Format("%.1f", speed);
            cells[3] = Format("%.1f", tyreSpeed);
            cells[4] = Format("%.1f", slip);
            cells[5] = Format("%.1f", diameter);
            cells[6] = Format("%.0f", rpm);
            cells[7].Format("%d", gear);
        }
        block_.DrawRow(dc, r + 2, cells);
        previous = d;
    }
    if (old != nullptr) dc->SelectObject(old);
}

}  // namespace quillet
