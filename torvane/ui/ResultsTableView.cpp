#include "torvane/ui/ResultsTableView.h"

#include <cstdio>
#include <iterator>

#include "common/Assertion.h"
#include "toolkit/TabWnd.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/ui/AppColors.h"

namespace torvane {

static const char kAssertModule[] = "ResultsTableView.cpp";

IMPLEMENT_DYNCREATE(CResultsTableView, CScrollView)
IMPLEMENT_DYNCREATE(CProResultsTableView, CResultsTableView)

BEGIN_MESSAGE_MAP(CResultsTableView, CScrollView)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CProResultsTableView, CResultsTableView)
END_MESSAGE_MAP()

namespace {

const ResultsTableColumn kBasicColumns[] = {
    {"Engine", "RPM", kCurveRpm, "%.0f"},
    {"Power", "(Fly)", kCurvePower, "%.0f"},
    {"Torque", "(Fly)", kCurveTorque, "%.0f"},
    {"Int Man", "Pressure", kCurveManifoldPressure, "%.2f"},
    {"Vol", "Eff %", kCurveVolumetricEfficiency, "%.1f"},
    {"BMEP", "Pressure", kCurveBmep, "%.1f"},
};

const ResultsTableColumn kProColumns[] = {
    {"Engine", "RPM", kCurveRpm, "%.0f"},
    {"Power", "(Fly)", kCurvePower, "%.0f"},
    {"Indicated", "Power", kCurveIndicatedPower, "%.0f"},
    {"Frictional", "Power", kCurveFrictionPower, "%.0f"},
    {"Pumping", "Power", kCurvePumpingPower, "%.0f"},
    {"Mech.", "Eff %", kCurveMechanicalEfficiency, "%.1f"},
    {"Induction", "Airflow", kCurveAirflow, "%.1f"},
    {"Piston", "Force", kCurvePistonForce, "%.0f"},
    {"Piston", "Speed", kCurvePistonSpeed, "%.0f"},
    {"IMEP", "Pressure", kCurveImep, "%.1f"},
    {"FMEP", "Pressure", kCurveFmep, "%.1f"},
    {"PMEP", "Pressure", kCurvePmep, "%.1f"},
};

// Two lines one pixel apart.
void DoubleRule(HDC dc, int x1, int y1, int x2, int y2, bool vertical) {
    for (int k = 0; k < 2; ++k) {
        const int dx = vertical ? k : 0, dy = vertical ? 0 : k;
        ::MoveToEx(dc, x1 + dx, y1 + dy, nullptr);
        ::LineTo(dc, x2 + dx, y2 + dy);
    }
}

}  // namespace

CResultsTableView::CResultsTableView() = default;
CResultsTableView::~CResultsTableView() {
    // The document forgets a table view that goes before it.
    if (CDocument* doc = GetDocument(); doc && doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc))) {
        auto* engine = static_cast<CTorvaneDoc*>(doc);
        for (DocViewSlot slot : {kResultsTableSlot1, kResultsTableSlot2})
            if (engine->GetViewPointer(slot) == this) engine->SetViewPointer(slot, nullptr);
    }
}

CTorvaneDoc* CResultsTableView::GetTorvaneDoc() const {
    CDocument* doc = GetDocument();
    APP_ASSERT(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    return static_cast<CTorvaneDoc*>(doc);
}

const ResultsTableColumn* CResultsTableView::Columns(int& count) const {
    count = static_cast<int>(std::size(kBasicColumns));
    return kBasicColumns;
}

const ResultsTableColumn* CProResultsTableView::Columns(int& count) const {
    count = static_cast<int>(std::size(kProColumns));
    return kProColumns;
}

void CResultsTableView::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    CTorvaneDoc* doc = GetTorvaneDoc();
    if (doc->GetViewPointer(kResultsTableSlot1) == nullptr) doc->SetViewPointer(kResultsTableSlot1, this);
    if (screenFont_.GetSafeHandle() == nullptr && !screenFont_.CreatePointFont(80, "MS Sans Serif"))
        screenFont_.Attach(::GetStockObject(SYSTEM_FONT));
    CClientDC dc(this);
    HGDIOBJ old = ::SelectObject(dc.m_hDC, screenFont_.GetSafeHandle());
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(dc.m_hDC, &metrics);
    ::SelectObject(dc.m_hDC, old);
    textHeight_ = metrics.tmHeight;
    charWidth_ = metrics.tmAveCharWidth;
    SetScrollSizes(MM_TEXT, CSize(130 * charWidth_, 50 * textHeight_));
}

void CProResultsTableView::OnInitialUpdate() {
    CTorvaneDoc* doc = GetTorvaneDoc();
    APP_ASSERT(doc->GetViewPointer(kResultsTableSlot1) != nullptr);
    if (doc->GetViewPointer(kResultsTableSlot2) == nullptr) doc->SetViewPointer(kResultsTableSlot2, this);
    CResultsTableView::OnInitialUpdate();
}

int CResultsTableView::RowY(int row, int h) const { return kHeaderY + (3 + row + row / 4) * h; }

void CResultsTableView::OnDraw(CDC* dc) {
    const CTorvaneDoc* doc = GetTorvaneDoc();
    HDC hdc = dc->m_hDC;
    const bool printing = dc->IsPrinting();
    const int scheme = AppColorsGetScheme();
    HGDIOBJ oldFont = nullptr;
    if (!printing) oldFont = ::SelectObject(hdc, screenFont_.GetSafeHandle() ? screenFont_.GetSafeHandle()
                                                                             : ::GetStockObject(SYSTEM_FONT));
    TEXTMETRIC metrics = {};
    ::GetTextMetrics(hdc, &metrics);
    const int h = metrics.tmHeight;
    const int cw = metrics.tmAveCharWidth;
    const int w = cw * 10 < 0 ? 50 : cw * 10;
    int columnCount = 0;
    const ResultsTableColumn* columns = Columns(columnCount);
    const int right = kTitleX + columnCount * w;
    const int top = kHeaderY - h / 4;
    const int bottom = RowY(kResultPointCount - 1, h) + 5 * h / 4;

    const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    const COLORREF oldText = ::SetTextColor(hdc, printing ? 0 : AppColorsGetColor(29));
    const COLORREF oldBack = ::SetBkColor(hdc, printing ? 0xFFFFFF : AppColorsGetColor(27));

    // The coloured bands of the program's own scheme, on screen only.
    const bool bands = !printing && scheme == 1;
    if (bands) {
        HBRUSH panel = ::CreateSolidBrush(AppColorsGetColor(0));
        RECT panelRect = {kTitleX - cw, top - h, right + cw, bottom + h};
        ::FillRect(hdc, &panelRect, panel);
        ::DeleteObject(panel);
        const int bandHeight = 2 * (13 * h + h / 4);
        for (int k = 0; k < columnCount; ++k) {
            COLORREF color = 0x993333;
            if (k == 0) color = 0x99FFFF;
            else if (k == 1) color = 0x3333FF;
            else if (k == 2 && columns == kBasicColumns) color = 0x009933;
            HBRUSH band = ::CreateSolidBrush(color);
            RECT bandRect = {kTitleX + k * w, top, kTitleX + (k + 1) * w, top + bandHeight};
            ::FillRect(hdc, &bandRect, band);
            ::DeleteObject(band);
        }
    }

    ::TextOutA(hdc, kTitleX, kTitleY, "CALCULATED POWER AND ENGINE PRESSURES", 37);
    for (int k = 0; k < columnCount; ++k) {
        const bool black = bands && k == 0;
        const COLORREF previous = black ? ::SetTextColor(hdc, 0) : 0;
        const int x = kTitleX + k * w + cw;
        ::TextOutA(hdc, x, kHeaderY, columns[k].header1, lstrlenA(columns[k].header1));
        ::TextOutA(hdc, x, kHeaderY + h, columns[k].header2, lstrlenA(columns[k].header2));
        if (black) ::SetTextColor(hdc, previous);
    }

    HPEN pen = ::CreatePen(PS_SOLID, 1, printing ? 0 : AppColorsGetColor(31));
    HGDIOBJ oldPen = ::SelectObject(hdc, pen);
    DoubleRule(hdc, kTitleX, top, right, top, false);
    DoubleRule(hdc, kTitleX, kHeaderY + 9 * h / 4, right, kHeaderY + 9 * h / 4, false);

    ::SetTextColor(hdc, printing ? 0 : AppColorsGetColor(30));
    ::SetBkColor(hdc, printing ? 0xFFFFFF : AppColorsGetColor(27));
    int y = kHeaderY + 2 * h;
    char text[32];
    for (int row = 0; row < kResultPointCount; ++row) {
        if (row > 0 && row % 4 == 0) {
            DoubleRule(hdc, kTitleX, y + 3 * h / 2, right, y + 3 * h / 2, false);
            y += 2 * h;
        } else {
            y += h;
        }
        for (int k = 0; k < columnCount; ++k) {
            const bool black = bands && k == 0;
            const COLORREF previous = black ? ::SetTextColor(hdc, 0) : 0;
            const int length = snprintf(text, sizeof text, columns[k].format,
                                        double(doc->GetCurvePoint(columns[k].curve, row)));
            ::TextOutA(hdc, kTitleX + k * w + cw, y, text, length);
            if (black) ::SetTextColor(hdc, previous);
        }
    }
    DoubleRule(hdc, kTitleX, y + 5 * h / 4, right, y + 5 * h / 4, false);
    DoubleRule(hdc, kTitleX + w, top, kTitleX + w, y + 5 * h / 4, true);

    ::SelectObject(hdc, oldPen);
    ::DeleteObject(pen);
    if (oldFont) ::SelectObject(hdc, oldFont);
    ::SetBkMode(hdc, oldMode);
    ::SetTextColor(hdc, oldText);
    ::SetBkColor(hdc, oldBack);
}

BOOL CResultsTableView::OnEraseBkgnd(CDC* dc) {
    CRect client;
    GetClientRect(&client);
    HBRUSH brush = ::CreateSolidBrush(AppColorsGetColor(27));
    ::FillRect(dc->m_hDC, &client, brush);
    ::DeleteObject(brush);
    return TRUE;
}

CScrollBar* CResultsTableView::GetScrollBarCtrl(int bar) const {
    CWnd* parent = GetParent();
    if (parent && parent->IsKindOf(RUNTIME_CLASS(SECTabWnd)))
        return static_cast<SECTabWnd*>(parent)->GetScrollBar(bar, this);
    return CScrollView::GetScrollBarCtrl(bar);
}

BOOL CResultsTableView::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }

void CResultsTableView::OnBeginPrinting(CDC* dc, CPrintInfo* info) {
    printFont_.DeleteObject();
    printFont_.CreatePointFont(120, "MS Sans Serif", dc);
    CScrollView::OnBeginPrinting(dc, info);
}

void CResultsTableView::OnPrint(CDC* dc, CPrintInfo*) {
    APP_ASSERT(dc != nullptr && dc->IsPrinting());
    HGDIOBJ old = printFont_.GetSafeHandle() ? ::SelectObject(dc->m_hDC, printFont_.GetSafeHandle()) : nullptr;
    OnDraw(dc);
    if (old) ::SelectObject(dc->m_hDC, old);
}

void CResultsTableView::OnEndPrinting(CDC* dc, CPrintInfo* info) {
    printFont_.DeleteObject();
    CScrollView::OnEndPrinting(dc, info);
}

void CResultsTableView::PrintTable(CDC* dc) {
    APP_ASSERT(dc != nullptr && dc->IsPrinting());
    OnDraw(dc);
}

}  // namespace torvane
