#include "torvane/ui/EngineFormView.h"

#include <iterator>

#include "common/Assertion.h"
#include "common/ui/SimSpecEditDlg.h"
#include "toolkit/TabWnd.h"
#include "torvane/document/ComponentMenuTable.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/services/TorvaneShellServices.h"
#include "torvane/ui/AppColors.h"
#include "torvane/ui/ChoiceMenus.h"
#include "torvane/ui/MainFrame.h"

namespace torvane {

namespace {

const char kAssertModule[] = "EngineFormView";

// How each field of the form is bound.
struct FormField {
    UINT id;
    CSimSpec* (*field)(CTorvaneDoc&);
    int kind;
    UINT menuId;
};

#define DOC_FIELD(member) [](CTorvaneDoc& doc) -> CSimSpec* { return &doc.member; }

const FormField kFields[kFormFieldCount] = {
    {1014, DOC_FIELD(shortBlockType), kFieldTyped, kMenuShortBlocks},
    {1022, DOC_FIELD(bore), kFieldTyped, 0},
    {1026, DOC_FIELD(stroke), kFieldTyped, 0},
    {1017, DOC_FIELD(cylinders), kFieldTyped, 0},
    {1030, DOC_FIELD(cylinderVolume), kFieldDerived, 0},
    {1034, DOC_FIELD(totalBlockVolume), kFieldDerived, 0},
    {1036, DOC_FIELD(cylinderHeadType), kFieldChosen, kMenuCylinderHeads},
    {1056, DOC_FIELD(intakeValvesPerCylinder), kFieldDerived, 0},
    {1068, DOC_FIELD(exhaustValvesPerCylinder), kFieldDerived, 0},
    {1038, DOC_FIELD(intakeValveDiameter), kFieldTyped, kMenuIntakeValveDiameters},
    {1040, DOC_FIELD(exhaustValveDiameter), kFieldTyped, kMenuExhaustValveDiameters},
    {1042, DOC_FIELD(compressionRatio), kFieldTyped, kMenuCompressionRatio},
    {1044, DOC_FIELD(combustionSpace), kFieldDerived, 0},
    {1031, DOC_FIELD(cylinderVolume), kFieldDerived, 0},
    {1046, DOC_FIELD(inductionFlow), kFieldTyped, kMenuInductionAirflow},
    {1057, DOC_FIELD(pressureDrop), kFieldChosen, kMenuPressureDrop},
    {1048, DOC_FIELD(manifoldType), kFieldChosen, kMenuManifolds},
    {1050, DOC_FIELD(fuelType), kFieldChosen, kMenuFuels},
    {1052, DOC_FIELD(nitrousFlowRate), kFieldTyped, 0},
    {1091, DOC_FIELD(forcedInductionType), kFieldChosen, kMenuForcedInduction},
    {1095, DOC_FIELD(blowerFlowRate), kFieldTyped, 0},
    {1097, DOC_FIELD(blowerPressureRatio), kFieldTyped, 0},
    {1099, DOC_FIELD(blowerEfficiency), kFieldTyped, 0},
    {1101, DOC_FIELD(blowerRpm), kFieldTyped, 0},
    {1103, DOC_FIELD(blowerSurgeFlowRate), kFieldTyped, 0},
    {1107, DOC_FIELD(blowerInternalGearRatio), kFieldTyped, 0},
    {1109, DOC_FIELD(blowerBeltGearRatio), kFieldTyped, 0},
    {1105, DOC_FIELD(blowerBoostLimit), kFieldTyped, 0},
    {1093, DOC_FIELD(intercoolerEfficiency), kFieldTyped, kMenuIntercooler},
    {1060, DOC_FIELD(exhaustSystem), kFieldChosen, kMenuExhaust},
    {1071, DOC_FIELD(cam.camshaftType), kFieldChosen, kMenuCamTypes},
    {1077, DOC_FIELD(cam.lifterType), kFieldChosen, kMenuLifterTypes},
    {1110, DOC_FIELD(cam.rampRate), kFieldTyped, kMenuLifterRampRate},
    {1073, DOC_FIELD(cam.primary.method), kFieldChosen, kMenuCamTiming},
    {1082, DOC_FIELD(cam.lobeCenterAngle), kFieldDerived, 0},
    {1198, DOC_FIELD(cam.valveOverlap), kFieldDerived, 0},
    {1202, DOC_FIELD(cam.advance), kFieldTyped, kMenuCamAdvance},
    {1196, DOC_FIELD(cam.intakeLift), kFieldTyped, kMenuIntakeValveLift},
    {1200, DOC_FIELD(cam.exhaustLift), kFieldTyped, kMenuExhaustValveLift},
    {1088, DOC_FIELD(cam.intakeDuration), kFieldDerived, 0},
    {1194, DOC_FIELD(cam.exhaustDuration), kFieldDerived, 0},
    {1084, DOC_FIELD(cam.primary.ivo), kFieldTyped, 0},
    {1086, DOC_FIELD(cam.primary.ivc), kFieldTyped, 0},
    {1190, DOC_FIELD(cam.primary.evo), kFieldTyped, 0},
    {1192, DOC_FIELD(cam.primary.evc), kFieldTyped, 0},
    {1128, DOC_FIELD(cam.alternate.ivo), kFieldTyped, 0},
    {1129, DOC_FIELD(cam.alternate.ivc), kFieldTyped, 0},
    {1213, DOC_FIELD(cam.alternate.evo), kFieldTyped, 0},
    {1217, DOC_FIELD(cam.alternate.evc), kFieldTyped, 0},
    {1080, DOC_FIELD(cam.intakeCenterline), kFieldDerived, 0},
    {1208, DOC_FIELD(cam.exhaustCenterline), kFieldDerived, 0},
    {1227, DOC_FIELD(cam.actualIvo), kFieldDerived, 0},
    {1230, DOC_FIELD(cam.actualIvc), kFieldDerived, 0},
    {1233, DOC_FIELD(cam.actualEvo), kFieldDerived, 0},
    {1235, DOC_FIELD(cam.actualEvc), kFieldDerived, 0},
    {1223, DOC_FIELD(cam.actualIntakeCenterline), kFieldDerived, 0},
    {1246, DOC_FIELD(cam.actualExhaustCenterline), kFieldDerived, 0},
    {1664, DOC_FIELD(notes), kFieldTyped, 0},
};

#undef DOC_FIELD

// Refresh groups, in the order the form refreshes them.
const UINT kBlockAndHeads[] = {1014, 1022, 1026, 1017, 1030, 1034, 1036, 1056, 1068, 1038, 1040};
const UINT kCompressionAndInduction[] = {1042, 1044, 1031, 1046, 1057, 1048, 1050, 1052, 1091,
                                         1095, 1097, 1099, 1101, 1103, 1107, 1109, 1105, 1093};
const UINT kCamWithUnits[] = {1071, 1077, 1110, 1073};
const UINT kCamSummary[] = {1082, 1198, 1202};
const UINT kValveLifts[] = {1196, 1200};
const UINT kTiming[] = {1088, 1194, 1084, 1086, 1190, 1192, 1128, 1129, 1213, 1217};
const UINT kCenterlines[] = {1080, 1208, 1227, 1230, 1233, 1235, 1223, 1246};
const UINT kNotes[] = {1664};

// Forced induction: the blower type, the eight blower fields, the intercooler.
const UINT kBlowerType = 1091, kIntercooler = 1093;
const UINT kBlowerFields[] = {1095, 1097, 1099, 1101, 1103, 1107, 1109, 1105};
// Per blower category 1..3, which of the eight blower fields are enabled.
const bool kBlowerEnabled[3][8] = {
    {true, true, true, false, true, false, false, true},  // turbocharger
    {true, true, true, true, false, true, true, true},    // centrifugal blower
    {true, false, true, false, false, false, true, true},  // roots blower
};

const UINT kPanels[kFormPanelCount] = {1003, 1006, 1008, 1010, 1058, 1069, 1013};
const UINT kNotesPanel = 1013;
const UINT kSeparators[kFormSeparatorCount] = {1214, 1207, 1209, 1211, 1212};
const UINT kStatusIcons[6] = {1004, 1005, 1007, 1009, 1055, 1067};
const UINT kCaptionBitmaps[kFormPanelCount] = {IDB_CAPTION_SHORT_BLOCK, IDB_CAPTION_HEADS,
                                               IDB_CAPTION_COMPRESSION, IDB_CAPTION_INDUCTION,
                                               IDB_CAPTION_EXHAUST,     IDB_CAPTION_CAMSHAFT,
                                               IDB_CAPTION_NOTES};
const UINT kTimingLabel = 1134, kSecondTimingLabel = 1136;
const UINT kExhaust = 1060, kNitrous = 1052;
const UINT kCamButton = 2127, kAirFlowButton = 2128, kCompressionButton = 2129;

// Fuel types without nitrous.
const int kFuelsWithoutNitrous[] = {1, 10, 19, 20, 21};

const char kForcedInductionExhaust[] = "Forced Induction Exhaust";
const char kAutoMarker[] = "(Auto)";
const char kNoMarker[] = " ";

// Colour slots of the form.
const int kPanelSlot = 0, kEraseSlot = 1, kCaptionTextSlot = 2, kControlTextSlot = 3, kSeparatorLowSlot = 10,
          kSeparatorHighSlot = 11;

// Pictures and the brush all forms share; loaded by the first form, released
// by the last.
struct SharedResources {
    int instances = 0;
    CBitmap valid, invalid;
    CBitmap captions[kFormPanelCount];
    HBRUSH panelBrush = nullptr;
    COLORREF panelBrushColour = 0;
} g_shared;

void LoadBitmapAsserted(CBitmap& bitmap, UINT id) { APP_ASSERT(bitmap.LoadBitmap(id)); }

// The shared brush of the panel colour, made again when the scheme changed.
HBRUSH PanelBrush() {
    const COLORREF colour = AppColorsGetColor(kPanelSlot);
    if (g_shared.panelBrush == nullptr || g_shared.panelBrushColour != colour) {
        if (g_shared.panelBrush != nullptr) ::DeleteObject(g_shared.panelBrush);
        g_shared.panelBrush = ::CreateSolidBrush(colour);
        g_shared.panelBrushColour = colour;
    }
    return g_shared.panelBrush;
}

void Line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

}  // namespace

IMPLEMENT_DYNCREATE(CEngineFormView, CFormView)

BEGIN_MESSAGE_MAP(CEngineFormView, CFormView)
    ON_MESSAGE(kMsgFieldEditDone, OnSpecEditDone)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
    ON_COMMAND(ID_FILE_PRINT, DoFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, DoFilePrintPreview)
    ON_BN_CLICKED(kCamButton, OnCamButton)
    ON_BN_CLICKED(kAirFlowButton, OnAirFlowButton)
    ON_BN_CLICKED(kCompressionButton, OnCompressionButton)
END_MESSAGE_MAP()

CEngineFormView::CEngineFormView() : CFormView(IDD_ENGINE_FORM) {
    if (g_shared.instances++ == 0) {
        LoadBitmapAsserted(g_shared.valid, IDB_VALID);
        LoadBitmapAsserted(g_shared.invalid, IDB_INVALID);
        for (int i = 0; i < kFormPanelCount; ++i) LoadBitmapAsserted(g_shared.captions[i], kCaptionBitmaps[i]);
    }
}

CEngineFormView::~CEngineFormView() {
    printFont_.DeleteObject();
    APP_ASSERT(g_shared.instances > 0);
    if (--g_shared.instances > 0) return;
    g_shared.valid.DeleteObject();
    g_shared.invalid.DeleteObject();
    for (CBitmap& caption : g_shared.captions) caption.DeleteObject();
    if (g_shared.panelBrush != nullptr) ::DeleteObject(g_shared.panelBrush);
    g_shared.panelBrush = nullptr;
}

CTorvaneDoc* CEngineFormView::GetDocument() const {
    CDocument* document = CFormView::GetDocument();
    APP_ASSERT(document != nullptr && document->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    return static_cast<CTorvaneDoc*>(document);
}

CSimSpecEditCtrl& CEngineFormView::GetField(UINT id) {
    for (int i = 0; i < kFormFieldCount; ++i)
        if (kFields[i].id == id) return fields_[static_cast<size_t>(i)];
    AssertionFailure(kAssertModule, __LINE__);
}

void CEngineFormView::OnInitialUpdate() {
    CTorvaneDoc* document = GetDocument();
    if (document->GetViewPointer(kFormViewSlot) == nullptr) document->SetViewPointer(kFormViewSlot, this);
    if (!bound_) {
        bound_ = true;
        for (int i = 0; i < kFormFieldCount; ++i) {
            CSimSpecEditCtrl& control = fields_[static_cast<size_t>(i)];
            APP_ASSERT(control.SubclassDlgItem(kFields[i].id, this));
            control.AttachSpec(kFields[i].field(*document), kFields[i].kind, kFields[i].menuId);
        }
        auto clientRect = [this](UINT id) {
            CWnd* item = GetDlgItem(static_cast<int>(id));
            APP_ASSERT(item != nullptr);
            CRect rect;
            item->GetWindowRect(&rect);
            ScreenToClient(&rect);
            return rect;
        };
        for (int i = 0; i < kFormPanelCount; ++i) panels_[static_cast<size_t>(i)] = clientRect(kPanels[i]);
        for (int i = 0; i < kFormSeparatorCount; ++i)
            separators_[static_cast<size_t>(i)] = clientRect(kSeparators[i]);
        // The cam manager and the compression calculator come with their
        // dialogs; until then their buttons stay disabled.
        GetDlgItem(kCamButton)->EnableWindow(FALSE);
        GetDlgItem(kCompressionButton)->EnableWindow(FALSE);
    }
    CFormView::OnInitialUpdate();
}

void CEngineFormView::UpdateFields(const UINT* ids, int count, bool withUnits) {
    for (int i = 0; i < count; ++i) GetField(ids[i]).UpdateFromSpec(withUnits);
}

void CEngineFormView::OnUpdate(CView*, LPARAM, CObject*) {
    if (!bound_) return;
    CTorvaneDoc* doc = GetDocument();
    UpdateFields(kBlockAndHeads, static_cast<int>(std::size(kBlockAndHeads)), true);
    const int valveKind = doc->IsAutoValveSizes() ? kFieldChosen : kFieldTyped;
    GetField(1038).SetEditKind(valveKind);
    GetField(1040).SetEditKind(valveKind);
    UpdateFields(kCompressionAndInduction, static_cast<int>(std::size(kCompressionAndInduction)), true);
    EnableForcedInduction();
    UpdateExhaust();
    UpdateNitrous();
    UpdateFields(kCamWithUnits, static_cast<int>(std::size(kCamWithUnits)), true);
    UpdateFields(kCamSummary, static_cast<int>(std::size(kCamSummary)), false);
    UpdateFields(kValveLifts, static_cast<int>(std::size(kValveLifts)), true);
    const int liftKind = doc->IsAutoValveLift() ? kFieldChosen : kFieldTyped;
    GetField(1196).SetEditKind(liftKind);
    GetField(1200).SetEditKind(liftKind);
    GetField(1110).SetEditKind(doc->IsAutoCamAccurate() ? kFieldChosen : kFieldTyped);
    UpdateFields(kTiming, static_cast<int>(std::size(kTiming)), false);
    UpdateTimingLabels();
    UpdateFields(kCenterlines, static_cast<int>(std::size(kCenterlines)), false);
    UpdateFields(kNotes, static_cast<int>(std::size(kNotes)), true);
    UpdateStatusIcons();
    UpdateAutoMarkers();
}

void CEngineFormView::EnableForcedInduction() {
    CTorvaneDoc* doc = GetDocument();
    const bool forcedManifold = doc->manifoldType.IsSet() && doc->manifoldType.GetValue() == kManifoldForcedInduction;
    if (!forcedManifold) {
        GetField(kBlowerType).SetEnabled(false);
        GetField(kIntercooler).SetEnabled(false);
        for (UINT id : kBlowerFields) GetField(id).SetEnabled(false);
        return;
    }
    GetField(kBlowerType).SetEnabled(true);
    GetField(kIntercooler).SetEnabled(true);
    const int category = doc->GetForcedInductionKind();
    const bool noBlower = doc->forcedInductionType.GetValue() == kForcedInductionNone;
    APP_ASSERT(category >= 0 && category <= 3);
    APP_ASSERT(category == 0 ? noBlower : !noBlower);
    for (size_t i = 0; i < std::size(kBlowerFields); ++i)
        GetField(kBlowerFields[i]).SetEnabled(category != 0 && kBlowerEnabled[category - 1][i]);
}

void CEngineFormView::UpdateExhaust() {
    CTorvaneDoc* doc = GetDocument();
    CSimSpecEditCtrl& exhaust = GetField(kExhaust);
    if (doc->manifoldType.IsSet() && doc->manifoldType.GetValue() == kManifoldForcedInduction) {
        exhaust.SetEnabled(false);
        CString shown;
        exhaust.GetText(shown);
        if (shown != kForcedInductionExhaust) exhaust.SetText(kForcedInductionExhaust);
        return;
    }
    exhaust.SetEnabled(true);
    exhaust.UpdateFromSpec(true);
}

void CEngineFormView::UpdateNitrous() {
    CTorvaneDoc* doc = GetDocument();
    bool allowed = doc->fuelType.IsSet();
    for (int fuel : kFuelsWithoutNitrous)
        if (allowed && doc->fuelType.GetValue() == fuel) allowed = false;
    GetField(kNitrous).SetEnabled(allowed);
}

void CEngineFormView::UpdateTimingLabels() {
    const Cam& cam = GetDocument()->cam;
    auto label = [&](int method) {
        if (!cam.primary.method.IsSet()) return "(Not Defined):";
        return method == kSeatToSeat ? "(Seat-to-Seat):" : "(0.050-inch):";
    };
    auto set = [this](UINT id, const char* text) {
        CString shown;
        GetDlgItemText(static_cast<int>(id), shown);
        if (shown != text) SetDlgItemText(static_cast<int>(id), text);
    };
    set(kTimingLabel, label(cam.primary.method.IsSet() ? cam.primary.method.GetValue() : 0));
    set(kSecondTimingLabel, label(cam.alternate.method.IsSet() ? cam.alternate.method.GetValue() : 0));
}

void CEngineFormView::UpdateStatusIcons() {
    CTorvaneDoc* doc = GetDocument();
    unsigned short code = 0;
    const bool valid[6] = {doc->ValidateBlock(code),       doc->ValidateHead(code),
                           doc->ValidateCompression(code), doc->ValidateInduction(code),
                           doc->ValidateExhaust(code),     doc->ValidateCam(code)};
    for (int i = 0; i < 6; ++i) {
        HWND icon = ::GetDlgItem(m_hWnd, static_cast<int>(kStatusIcons[i]));
        APP_ASSERT(icon != nullptr);
        HBITMAP wanted = static_cast<HBITMAP>((valid[i] ? g_shared.valid : g_shared.invalid).m_hObject);
        if (reinterpret_cast<HBITMAP>(::SendMessageA(icon, STM_GETIMAGE, IMAGE_BITMAP, 0)) != wanted)
            ::SendMessageA(icon, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(wanted));
    }
}

void CEngineFormView::SetMarker(UINT id, bool automatic) {
    const char* text = automatic ? kAutoMarker : kNoMarker;
    CString shown;
    GetDlgItemText(static_cast<int>(id), shown);
    if (shown != text) SetDlgItemText(static_cast<int>(id), text);
}

void CEngineFormView::UpdateAutoMarkers() {
    CTorvaneDoc* doc = GetDocument();
    SetMarker(1062, doc->IsAutoValveSizes());
    SetMarker(1063, doc->IsAutoValveSizes());
    SetMarker(1064, doc->IsAutoValveLift());
    SetMarker(1065, doc->IsAutoValveLift());
    SetMarker(1112, doc->IsAutoCamAccurate());
}

void CEngineFormView::OnDraw(CDC* dc) {
    if (firstPaint_) {
        firstPaint_ = false;
        GetField(1014).SetFocus();
    }
    if (!bound_) return;
    TEXTMETRIC metrics = {};
    CFont* font = GetFont();
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc->m_hDC, font->m_hObject) : nullptr;
    ::GetTextMetricsA(dc->m_hDC, &metrics);
    const int captionHeight = metrics.tmHeight;
    if (AppColorsGetScheme() == 1)
        PaintProgramColours(*dc, captionHeight);
    else
        PaintWindowsColours(*dc, captionHeight);
    CPen high(PS_SOLID, 1, AppColorsGetColor(kSeparatorHighSlot));
    CPen low(PS_SOLID, 1, AppColorsGetColor(kSeparatorLowSlot));
    CPen* oldPen = dc->SelectObject(&high);
    for (const CRect& line : separators_) Line(*dc, line.left, line.top, line.right, line.top);
    dc->SelectObject(&low);
    for (const CRect& line : separators_) Line(*dc, line.left, line.top + 1, line.right, line.top + 1);
    dc->SelectObject(oldPen);
    if (oldFont != nullptr) ::SelectObject(dc->m_hDC, oldFont);
}

void CEngineFormView::PaintProgramColours(CDC& dc, int captionHeight) {
    TEXTMETRIC metrics = {};
    ::GetTextMetricsA(dc.m_hDC, &metrics);
    const int band = 2 * metrics.tmAveCharWidth;
    CDC pictures;
    pictures.CreateCompatibleDC(&dc);
    for (int i = 0; i < kFormPanelCount; ++i) {
        const CRect& panel = panels_[static_cast<size_t>(i)];
        CRect fill = panel;
        fill.top += captionHeight / 2;
        dc.FillSolidRect(&fill, AppColorsGetColor(kPanelSlot));
        if (AppColorsHasGradientFill()) {
            CRect left(std::max(0L, static_cast<long>(fill.left - band)), fill.top, fill.left, fill.bottom);
            AppColorsGradientFillRect(dc.m_hDC, left, AppColorsGetColor(kEraseSlot), AppColorsGetColor(kPanelSlot));
            CRect right(fill.right, fill.top, fill.right + band, fill.bottom);
            AppColorsGradientFillRect(dc.m_hDC, right, AppColorsGetColor(kPanelSlot), AppColorsGetColor(kEraseSlot));
        }
        CBitmap& caption = g_shared.captions[i];
        BITMAP size = {};
        caption.GetBitmap(&size);
        CBitmap* old = pictures.SelectObject(&caption);
        const int x = panel.left + (kPanels[i] == kNotesPanel ? 2 : 15);
        dc.BitBlt(x, panel.top - 2, size.bmWidth, size.bmHeight, &pictures, 0, 0, SRCCOPY);
        pictures.SelectObject(old);
    }
}

void CEngineFormView::PaintWindowsColours(CDC& dc, int captionHeight) {
    const int half = captionHeight / 2;
    CPen grey(PS_SOLID, 1, RGB(128, 128, 128));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CPen shadow(PS_SOLID, 2, RGB(128, 128, 128));
    CPen* oldPen = dc.SelectObject(&grey);
    const int oldMode = dc.SetBkMode(OPAQUE);
    dc.SetBkColor(AppColorsGetColor(kPanelSlot));
    dc.SetTextColor(AppColorsGetColor(kCaptionTextSlot));
    for (int i = 0; i < kFormPanelCount; ++i) {
        const CRect& p = panels_[static_cast<size_t>(i)];
        const int top = p.top + half;
        dc.SelectObject(&grey);
        Line(dc, p.left, top, p.right, top);
        Line(dc, p.left, top, p.left, p.bottom);
        dc.SelectObject(&white);
        Line(dc, p.left + 1, top + 1, p.right - 1, top + 1);
        Line(dc, p.left + 1, top + 1, p.left + 1, p.bottom - 1);
        dc.SelectObject(&black);
        Line(dc, p.right, top, p.right, p.bottom);
        Line(dc, p.left, p.bottom, p.right + 1, p.bottom);
        dc.SelectObject(&shadow);
        Line(dc, p.right + 2, top + 4, p.right + 2, p.bottom + 2);
        Line(dc, p.right + 2, p.bottom + 2, p.left + 4, p.bottom + 2);
        CString caption;
        GetDlgItemText(static_cast<int>(kPanels[i]), caption);
        dc.TextOut(p.left + (kPanels[i] == kNotesPanel ? 4 : 9), p.top, caption);
    }
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldPen);
}

HBRUSH CEngineFormView::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    HBRUSH brush = PanelBrush();
    auto* field = dynamic_cast<CSimSpecEditCtrl*>(CWnd::FromHandlePermanent(wnd->m_hWnd));
    if (field != nullptr) {
        dc->SetTextColor(field->GetTextColor());
        dc->SetBkColor(AppColorsGetColor(kPanelSlot));
        return brush;
    }
    if (ctlColor == CTLCOLOR_DLG || ctlColor > CTLCOLOR_STATIC) return CFormView::OnCtlColor(dc, wnd, ctlColor);
    dc->SetBkColor(AppColorsGetColor(kPanelSlot));
    dc->SetTextColor(AppColorsGetColor(kControlTextSlot));
    return brush;
}

BOOL CEngineFormView::OnEraseBkgnd(CDC* dc) {
    CRect area;
    GetClientRect(&area);
    dc->FillSolidRect(&area, AppColorsGetColor(kEraseSlot));
    return TRUE;
}

CScrollBar* CEngineFormView::GetScrollBarCtrl(int bar) const {
    CWnd* parent = GetParent();
    APP_ASSERT(parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(SECTabWnd)));
    return static_cast<SECTabWnd*>(parent)->GetScrollBar(bar, this);
}

LRESULT CEngineFormView::OnSpecEditDone(WPARAM control, LPARAM ok) {
    HWND edited = reinterpret_cast<HWND>(control);
    APP_ASSERT(edited != nullptr && ::IsChild(m_hWnd, edited));
    if (ok == 0) return 0;
    HWND next = ::GetNextDlgTabItem(m_hWnd, edited, FALSE);
    APP_ASSERT(next != nullptr);
    ::SetFocus(next);
    CTorvaneDoc* doc = GetDocument();
    doc->SetModifiedFlag(TRUE);
    doc->RecomputeDerived();
    doc->UpdateAllViews(nullptr, 0, nullptr);
    return 0;
}

bool CEngineFormView::ConfirmSpecChange(CSimSpec& field) { return GetDocument()->ConfirmSpecChange(field); }

void CEngineFormView::ShowStatusText(const char* text) { GetMainFrame()->SetStatusText(text); }

HMENU CEngineFormView::MakeChoiceMenu(UINT menuId) { return torvane::MakeChoiceMenu(menuId); }

void CEngineFormView::PrepareChoiceMenu(CMenu* menu) { TorvaneDocPrepareChoiceMenu(*GetDocument(), menu->m_hMenu); }

void CEngineFormView::EditorOpened(CWnd* editor) { FieldEditorRegister(editor); }

void CEngineFormView::EditorClosed(CWnd* editor) { FieldEditorUnregister(editor); }

void CEngineFormView::SendCommand(UINT command) {
    CFrameWnd* frame = GetParentFrame();
    APP_ASSERT(frame != nullptr);
    frame->SendMessage(WM_COMMAND, command, 0);
}

void CEngineFormView::OnCamButton() { SendCommand(ID_CAM_MANAGER); }

void CEngineFormView::OnAirFlowButton() { SendCommand(ID_CUSTOM_AIRFLOW); }

void CEngineFormView::OnCompressionButton() { SendCommand(ID_COMPRESSION_MATH); }

}  // namespace torvane
