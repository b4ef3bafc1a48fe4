#include "common/ui/SpecFormView.h"

#include <algorithm>

#include "common/Assertion.h"
#include "common/ui/ColorSchemes.h"
#include "toolkit/TabWnd.h"

namespace {

const char kAssertModule[] = "SpecFormView";

// Colour slots of the forms.
const int kPanelSlot = 0, kEraseSlot = 1, kCaptionTextSlot = 2, kControlTextSlot = 3, kSeparatorLowSlot = 10,
          kSeparatorHighSlot = 11;

// The brush of the panel colour all forms hand out, made again when the
// scheme changed.
struct PanelBrush {
    HBRUSH brush = nullptr;
    COLORREF colour = 0;
    int users = 0;
} g_panelBrush;

HBRUSH GetPanelBrush() {
    const COLORREF colour = FieldColor(kPanelSlot);
    if (g_panelBrush.brush == nullptr || g_panelBrush.colour != colour) {
        if (g_panelBrush.brush != nullptr) ::DeleteObject(g_panelBrush.brush);
        g_panelBrush.brush = ::CreateSolidBrush(colour);
        g_panelBrush.colour = colour;
    }
    return g_panelBrush.brush;
}

void LoadBitmapAsserted(CBitmap& bitmap, UINT id) { APP_ASSERT(bitmap.LoadBitmap(id)); }

void Line(CDC& dc, int x0, int y0, int x1, int y1) {
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

}  // namespace

IMPLEMENT_DYNAMIC(CSpecFormView, CFormView)

BEGIN_MESSAGE_MAP(CSpecFormView, CFormView)
    ON_WM_CTLCOLOR()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CSpecFormView::CSpecFormView(const SpecFormLayout& layout, int fieldCount)
    : CFormView(layout.templateId),
      layout_(layout),
      fields_(new CSimSpecEditCtrl[static_cast<size_t>(fieldCount)]),
      fieldIds_(static_cast<size_t>(fieldCount), 0) {
    SpecFormPictures& pictures = *layout.pictures;
    if (pictures.instances++ == 0) {
        LoadBitmapAsserted(pictures.valid, layout.validBitmap);
        LoadBitmapAsserted(pictures.invalid, layout.invalidBitmap);
        pictures.captions.clear();
        for (int i = 0; i < layout.panelCount; ++i) {
            pictures.captions.push_back(std::make_unique<CBitmap>());
            LoadBitmapAsserted(*pictures.captions.back(), layout.captionBitmaps[i]);
        }
    }
    ++g_panelBrush.users;
}

CSpecFormView::~CSpecFormView() {
    SpecFormPictures& pictures = *layout_.pictures;
    APP_ASSERT(pictures.instances > 0 && g_panelBrush.users > 0);
    if (--pictures.instances == 0) {
        pictures.valid.DeleteObject();
        pictures.invalid.DeleteObject();
        pictures.captions.clear();
    }
    if (--g_panelBrush.users == 0 && g_panelBrush.brush != nullptr) {
        ::DeleteObject(g_panelBrush.brush);
        g_panelBrush.brush = nullptr;
    }
}

CSimSpecEditCtrl& CSpecFormView::GetField(UINT id) {
    const auto found = std::find(fieldIds_.begin(), fieldIds_.end(), id);
    APP_ASSERT(id != 0 && found != fieldIds_.end());
    return fields_[static_cast<size_t>(found - fieldIds_.begin())];
}

void CSpecFormView::BindField(int index, UINT id, CSimSpec* field, int kind, UINT menuId) {
    APP_ASSERT(index >= 0 && static_cast<size_t>(index) < fieldIds_.size());
    CSimSpecEditCtrl& control = fields_[static_cast<size_t>(index)];
    APP_ASSERT(control.SubclassDlgItem(id, this));
    fieldIds_[static_cast<size_t>(index)] = id;
    control.AttachSpec(field, kind, menuId);
}

void CSpecFormView::RecordLayout() {
    auto clientRect = [this](UINT id) {
        CWnd* item = GetDlgItem(static_cast<int>(id));
        APP_ASSERT(item != nullptr);
        CRect rect;
        item->GetWindowRect(&rect);
        ScreenToClient(&rect);
        return rect;
    };
    panels_.clear();
    for (int i = 0; i < layout_.panelCount; ++i) panels_.push_back(clientRect(layout_.panels[i]));
    separators_.clear();
    for (int i = 0; i < layout_.separatorCount; ++i) separators_.push_back(clientRect(layout_.separators[i]));
    bound_ = true;
}

void CSpecFormView::UpdateFields(const UINT* ids, size_t count, bool withUnits) {
    for (size_t i = 0; i < count; ++i) GetField(ids[i]).UpdateFromSpec(withUnits);
}

void CSpecFormView::SetStatusIcon(UINT id, bool valid) {
    HWND icon = ::GetDlgItem(m_hWnd, static_cast<int>(id));
    APP_ASSERT(icon != nullptr);
    const SpecFormPictures& pictures = *layout_.pictures;
    HBITMAP wanted = static_cast<HBITMAP>((valid ? pictures.valid : pictures.invalid).m_hObject);
    if (reinterpret_cast<HBITMAP>(::SendMessageA(icon, STM_GETIMAGE, IMAGE_BITMAP, 0)) != wanted)
        ::SendMessageA(icon, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(wanted));
}

void CSpecFormView::SetControlText(UINT id, const char* text) {
    CString shown;
    GetDlgItemText(static_cast<int>(id), shown);
    if (shown != text) SetDlgItemText(static_cast<int>(id), text);
}

bool CSpecFormView::FocusNextAfterEdit(WPARAM control, LPARAM ok) {
    HWND edited = reinterpret_cast<HWND>(control);
    APP_ASSERT(edited != nullptr && ::IsChild(m_hWnd, edited));
    if (ok == 0) return false;
    HWND next = ::GetNextDlgTabItem(m_hWnd, edited, FALSE);
    APP_ASSERT(next != nullptr);
    ::SetFocus(next);
    return true;
}

void CSpecFormView::SendCommand(UINT command) {
    CFrameWnd* frame = GetParentFrame();
    APP_ASSERT(frame != nullptr);
    frame->SendMessage(WM_COMMAND, command, 0);
}

void CSpecFormView::OnDraw(CDC* dc) {
    if (firstPaint_) {
        firstPaint_ = false;
        if (bound_) GetField(layout_.firstFocus).SetFocus();
    }
    if (!bound_) return;
    TEXTMETRIC metrics = {};
    CFont* font = GetFont();
    HGDIOBJ oldFont = font != nullptr ? ::SelectObject(dc->m_hDC, font->m_hObject) : nullptr;
    ::GetTextMetricsA(dc->m_hDC, &metrics);
    if (AppColorsGetScheme() == 1)
        PaintProgramColours(*dc, metrics.tmHeight);
    else
        PaintWindowsColours(*dc, metrics.tmHeight);
    PaintSeparators(*dc);
    if (oldFont != nullptr) ::SelectObject(dc->m_hDC, oldFont);
}

void CSpecFormView::PaintProgramColours(CDC& dc, int captionHeight) {
    TEXTMETRIC metrics = {};
    ::GetTextMetricsA(dc.m_hDC, &metrics);
    const int band = 2 * metrics.tmAveCharWidth;
    CDC pictures;
    pictures.CreateCompatibleDC(&dc);
    for (size_t i = 0; i < panels_.size(); ++i) {
        const CRect& panel = panels_[i];
        CRect fill = panel;
        fill.top += captionHeight / 2;
        dc.FillSolidRect(&fill, FieldColor(kPanelSlot));
        if (AppColorsHasGradientFill()) {
            CRect left(std::max(0L, static_cast<long>(fill.left - band)), fill.top, fill.left, fill.bottom);
            AppColorsGradientFillRect(dc.m_hDC, left, FieldColor(kEraseSlot), FieldColor(kPanelSlot));
            CRect right(fill.right, fill.top, fill.right + band, fill.bottom);
            AppColorsGradientFillRect(dc.m_hDC, right, FieldColor(kPanelSlot), FieldColor(kEraseSlot));
        }
        CBitmap& caption = *layout_.pictures->captions[i];
        BITMAP size = {};
        caption.GetBitmap(&size);
        CBitmap* old = pictures.SelectObject(&caption);
        const int x = panel.left + (layout_.panels[i] == layout_.notesPanel ? 2 : 15);
        dc.BitBlt(x, panel.top - 2, size.bmWidth, size.bmHeight, &pictures, 0, 0, SRCCOPY);
        pictures.SelectObject(old);
    }
}

void CSpecFormView::PaintWindowsColours(CDC& dc, int captionHeight) {
    const int half = captionHeight / 2;
    CPen grey(PS_SOLID, 1, RGB(128, 128, 128));
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    CPen white(PS_SOLID, 1, RGB(255, 255, 255));
    CPen shadow(PS_SOLID, 2, RGB(128, 128, 128));
    CPen* oldPen = dc.SelectObject(&grey);
    const int oldMode = dc.SetBkMode(OPAQUE);
    dc.SetBkColor(FieldColor(kPanelSlot));
    dc.SetTextColor(FieldColor(kCaptionTextSlot));
    for (size_t i = 0; i < panels_.size(); ++i) {
        const CRect& p = panels_[i];
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
        GetDlgItemText(static_cast<int>(layout_.panels[i]), caption);
        dc.TextOut(p.left + (layout_.panels[i] == layout_.notesPanel ? 4 : 9), p.top, caption);
    }
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldPen);
}

void CSpecFormView::PaintSeparators(CDC& dc) {
    CPen high(PS_SOLID, 1, FieldColor(kSeparatorHighSlot));
    CPen low(PS_SOLID, 1, FieldColor(kSeparatorLowSlot));
    CPen* oldPen = dc.SelectObject(&high);
    for (const CRect& line : separators_) Line(dc, line.left, line.top, line.right, line.top);
    dc.SelectObject(&low);
    for (const CRect& line : separators_) Line(dc, line.left, line.top + 1, line.right, line.top + 1);
    dc.SelectObject(oldPen);
}

HBRUSH CSpecFormView::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor) {
    HBRUSH brush = GetPanelBrush();
    auto* field = dynamic_cast<CSimSpecEditCtrl*>(CWnd::FromHandlePermanent(wnd->m_hWnd));
    if (field != nullptr) {
        dc->SetTextColor(field->GetTextColor());
        dc->SetBkColor(FieldColor(kPanelSlot));
        return brush;
    }
    if (ctlColor == CTLCOLOR_DLG || ctlColor > CTLCOLOR_STATIC) return CFormView::OnCtlColor(dc, wnd, ctlColor);
    dc->SetBkColor(FieldColor(kPanelSlot));
    dc->SetTextColor(FieldColor(kControlTextSlot));
    return brush;
}

BOOL CSpecFormView::OnEraseBkgnd(CDC* dc) {
    CRect area;
    GetClientRect(&area);
    dc->FillSolidRect(&area, FieldColor(kEraseSlot));
    return TRUE;
}

CScrollBar* CSpecFormView::GetScrollBarCtrl(int bar) const {
    CWnd* parent = GetParent();
    APP_ASSERT(parent != nullptr && parent->IsKindOf(RUNTIME_CLASS(SECTabWnd)));
    return static_cast<SECTabWnd*>(parent)->GetScrollBar(bar, this);
}
