#include "quillet/ui/TimeSlipWnd.h"

#include <cstdio>

#include "common/Assertion.h"
#include "quillet/document/QuilletDoc.h"

namespace quillet {

static const char kAssertModule[] = "TimeSlipWnd";

namespace {

CTimeSlipWnd* g_instance = nullptr;

const COLORREF kSlipYellow = RGB(255, 255, 0);

// The active child's vehicle document, or null when no child is active.
const CQuilletDoc* ActiveVehicle() {
    CWnd* main = AfxGetMainWnd();
    APP_ASSERT(main != nullptr && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)));
    CMDIChildWnd* child = static_cast<CMDIFrameWnd*>(main)->MDIGetActive();
    if (child == nullptr) return nullptr;
    CDocument* doc = child->GetActiveDocument();
    APP_ASSERT(doc != nullptr && doc->IsKindOf(RUNTIME_CLASS(CQuilletDoc)));
    return static_cast<const CQuilletDoc*>(doc);
}

}  // namespace

BEGIN_MESSAGE_MAP(CTimeSlipWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CTimeSlipWnd::CTimeSlipWnd(CWnd* parent) {
    APP_ASSERT(parent != nullptr && parent->m_hWnd != nullptr && g_instance == nullptr);
    g_instance = this;
    background_.CreateSolidBrush(kSlipYellow);
    LPCSTR windowClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursor(nullptr, IDC_ARROW),
                                             static_cast<HBRUSH>(background_.GetSafeHandle()), nullptr);
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
    const CRect place(100, 100, 100 + 130, 100 + 180);
    CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, windowClass, "Time Slip", style, place, parent, 0);
    BringWindowToTop();
    font_.CreatePointFont(80, "MS Sans Serif");
}

CTimeSlipWnd::~CTimeSlipWnd() {
    g_instance = nullptr;
    background_.DeleteObject();
    font_.DeleteObject();
}

void CTimeSlipWnd::PostNcDestroy() { delete this; }

CTimeSlipWnd* TimeSlipWndGetInstance() { return g_instance; }

void TimeSlipWndInvalidate() {
    if (g_instance != nullptr && g_instance->m_hWnd != nullptr) g_instance->Invalidate(TRUE);
}

void CTimeSlipWnd::OnPaint() {
    CPaintDC paint(this);
    DrawSlip(&paint);
}

void CTimeSlipWnd::DrawSlip(CDC* target) {
    CDC& dc = *target;
    dc.SetMapMode(MM_TEXT);
    dc.SetBkMode(TRANSPARENT);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&pen);
    CFont* oldFont = font_.GetSafeHandle() != nullptr ? dc.SelectObject(&font_)
                                                       : static_cast<CFont*>(dc.SelectStockObject(SYSTEM_FONT));
    TEXTMETRIC metrics = {};
    dc.GetTextMetrics(&metrics);
    const int h = metrics.tmHeight, w = metrics.tmAveCharWidth;

    const CQuilletDoc* doc = ActiveVehicle();
    const int length = doc != nullptr && doc->GetRaceLength() == 660 ? 660 : 1320;
    SetWindowText(length == 660 ? "1/8 Mile TimeSlip" : "1/4 Mile TimeSlip");

    int valueX = dc.GetTextExtent("Temperature", 11).cx + 2 * w + 5;
    if (valueX < 0) valueX = 75;
    int ruleEnd = valueX + 7 * w;
    if (ruleEnd < 0) ruleEnd = 110;

    char text[32];
    const auto row = [&](int y, const char* label, const char* format, double value) {
        dc.TextOut(5, y, label, lstrlenA(label));
        if (doc == nullptr) return;
        const int n = snprintf(text, sizeof text, format, value);
        dc.TextOut(valueX, y, text, n);
    };
    const auto weatherRow = [&](int y, const char* label, void (CQuilletDoc::*formatField)(CString&) const) {
        dc.TextOut(5, y, label, lstrlenA(label));
        if (doc == nullptr) return;
        CString value;
        (doc->*formatField)(value);
        dc.TextOut(valueX, y, value);
    };
    const auto rule = [&](int y) {
        dc.MoveTo(5, y);
        dc.LineTo(ruleEnd, y);
    };

    const CRaceResults* results = doc != nullptr ? &doc->GetResults() : nullptr;
    const auto split = [&](int mark, bool speed) -> double {
        if (results == nullptr) return 0.0;
        const TrackRow& track = results->GetTrackRow(mark);
        return speed ? track.speed : track.time;
    };
    row(5, "E.T.", "%.3f", results ? results->elapsedTime : 0.0);
    row(h + 5, "MPH", "%.1f", results ? results->trapSpeed : 0.0);
    const int y1 = 2 * h + h / 4 + 5;
    rule(y1);
    int y = y1 + h / 2;
    row(y, "60'", "%.3f", split(1, false));
    row(y += h, "330'", "%.3f", split(2, false));
    row(y += h, "660'", "%.3f", split(3, false));
    row(y += h, "660 mph", "%.1f", split(3, true));
    if (length >= 1000) row(y += h, "1000'", "%.3f", split(4, false));
    const int y2 = y + h + h / 4;
    rule(y2);
    weatherRow(y2 + h / 2, "Temperature", &CQuilletDoc::FormatTemperature);
    weatherRow(y2 + h / 2 + h, "Humidity", &CQuilletDoc::FormatHumidity);
    weatherRow(y2 + h / 2 + 2 * h, "Barometer", &CQuilletDoc::FormatBarometer);

    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}

}  // namespace quillet
