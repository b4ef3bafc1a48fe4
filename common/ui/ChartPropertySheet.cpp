#include "common/ui/ChartPropertySheet.h"

#include <algorithm>
#include <string>

#include "common/Assertion.h"
#include "common/ui/ChartSheetResources.h"

static const char kAssertModule[] = "ChartPropertySheet.cpp";

namespace {

constexpr UINT kMsgConfirmCompare = WM_USER + 115;  // 0x0473
constexpr UINT kMsgBadEntry = WM_USER + 108;        // 0x046C
// The zone bounds are unit-less numbers.
constexpr int kUnitNone = 0;
constexpr UINT kDocumentCombos[3] = {IDC_DOCUMENT_2, IDC_DOCUMENT_3, IDC_DOCUMENT_4};

CChart2dPropSheet* g_activeSheet = nullptr;

// The controls of one axis row: curve, scale, range from/to, units.
struct AxisRow {
    UINT curve, scale, from, to, units;
};
constexpr AxisRow kAxisRows[3] = {
    {IDC_X_CURVE, IDC_X_SCALE, IDC_X_FROM, IDC_X_TO, IDC_X_UNITS},
    {IDC_Y_CURVE, IDC_Y_SCALE, IDC_Y_FROM, IDC_Y_TO, IDC_Y_UNITS},
    {IDC_Y2_CURVE, IDC_Y2_SCALE, IDC_Y2_FROM, IDC_Y2_TO, IDC_Y2_UNITS},
};

void SelectComboData(CWnd* page, UINT comboId, DWORD_PTR data) {
    HWND combo = ::GetDlgItem(page->m_hWnd, comboId);
    const int count = static_cast<int>(::SendMessage(combo, CB_GETCOUNT, 0, 0));
    APP_ASSERT(count > 0);
    for (int i = 0; i < count; ++i) {
        if (static_cast<DWORD_PTR>(::SendMessage(combo, CB_GETITEMDATA, i, 0)) == data) {
            ::SendMessage(combo, CB_SETCURSEL, i, 0);
            return;
        }
    }
    APP_ASSERT(false);
}

DWORD_PTR SelectedComboData(CWnd* page, UINT comboId, int* index = nullptr) {
    HWND combo = ::GetDlgItem(page->m_hWnd, comboId);
    const int selected = static_cast<int>(::SendMessage(combo, CB_GETCURSEL, 0, 0));
    if (index) *index = selected;
    return selected < 0 ? 0 : static_cast<DWORD_PTR>(::SendMessage(combo, CB_GETITEMDATA, selected, 0));
}

void AddComboItem(CWnd* page, UINT comboId, const char* text, DWORD_PTR data) {
    HWND combo = ::GetDlgItem(page->m_hWnd, comboId);
    const LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    ::SendMessage(combo, CB_SETITEMDATA, index, static_cast<LPARAM>(data));
}

// The field's value as the field formats it, empty when not set.
CString FieldText(const CFloatPtSpec& field) {
    CString text;
    if (field.IsSet()) field.FormatValue(text);
    return text;
}

void ShowAxisRange(CWnd* page, const ChartAxisSetting& axis, UINT fromId, UINT toId) {
    if (axis.scalePreset == 0) {
        page->SetDlgItemText(fromId, "*");
        page->SetDlgItemText(toId, "*");
    } else {
        page->SetDlgItemInt(fromId, static_cast<UINT>(axis.presetMin), TRUE);
        page->SetDlgItemInt(toId, static_cast<UINT>(axis.presetMax), TRUE);
    }
}

}  // namespace

// ---- Graph data page -----------------------------------------------------

BEGIN_MESSAGE_MAP(CGraphDataPage, CPropertyPage)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_DOCUMENT_2, IDC_DOCUMENT_4, OnDocumentChosen)
    ON_BN_CLICKED(IDC_SINGLE_DOCUMENT, OnSingleDocument)
    ON_BN_CLICKED(IDC_MULTIPLE_DOCUMENTS, OnMultipleDocuments)
    ON_MESSAGE(kMsgConfirmCompare, OnConfirmCompare)
END_MESSAGE_MAP()

CGraphDataPage::CGraphDataPage(CGraphView* view)
    : CPropertyPage(view->SheetIds().graphDataTemplate), view_(view) {
    mode_ = view->GetCompareMode();
    for (int i = 0; i < 4; ++i) data_[i] = view->GetGraphData(i);
}

BOOL CGraphDataPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    SetDlgItemText(IDC_OWN_DOCUMENT, data_[0].title.c_str());
    for (UINT combo : kDocumentCombos) {
        AddComboItem(this, combo, "(None)", 0);
        for (POSITION t = AfxGetApp() ? AfxGetApp()->GetFirstDocTemplatePosition() : nullptr; t != nullptr;) {
            CDocTemplate* docTemplate = AfxGetApp()->GetNextDocTemplate(t);
            for (POSITION d = docTemplate->GetFirstDocPosition(); d != nullptr;) {
                CDocument* doc = docTemplate->GetNextDoc(d);
                if (doc == data_[0].document || !view_->IsGraphDocument(doc)) continue;
                AddComboItem(this, combo, doc->GetTitle(), reinterpret_cast<DWORD_PTR>(doc));
            }
        }
    }
    UpdateControls();
    GetDlgItem(mode_ == kChartCompare ? IDC_MULTIPLE_DOCUMENTS : IDC_SINGLE_DOCUMENT)->SetFocus();
    return FALSE;
}

void CGraphDataPage::UpdateControls() {
    if (m_hWnd == nullptr) return;
    CheckRadioButton(IDC_SINGLE_DOCUMENT, IDC_MULTIPLE_DOCUMENTS,
                     mode_ == kChartCompare ? IDC_MULTIPLE_DOCUMENTS : IDC_SINGLE_DOCUMENT);
    for (int i = 0; i < 3; ++i) {
        HWND combo = ::GetDlgItem(m_hWnd, kDocumentCombos[i]);
        // A document no longer in the list shows as "(None)".
        const DWORD_PTR wanted = reinterpret_cast<DWORD_PTR>(data_[i + 1].document);
        const int count = static_cast<int>(::SendMessage(combo, CB_GETCOUNT, 0, 0));
        int found = 0;
        for (int k = 0; k < count; ++k)
            if (static_cast<DWORD_PTR>(::SendMessage(combo, CB_GETITEMDATA, k, 0)) == wanted) found = k;
        ::SendMessage(combo, CB_SETCURSEL, found, 0);
        ::EnableWindow(combo, mode_ == kChartCompare);
    }
}

void CGraphDataPage::OnDocumentChosen(UINT id) {
    const int set = static_cast<int>(id - IDC_DOCUMENT_2) + 1;
    int index = -1;
    auto* doc = reinterpret_cast<CDocument*>(SelectedComboData(this, id, &index));
    GraphDataSetting& setting = data_[set];
    if (doc == nullptr) {
        setting.Reset();
    } else {
        char text[256] = "";
        ::SendMessageA(::GetDlgItem(m_hWnd, id), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        setting.title = text;
        setting.document = doc;
        setting.serial = view_->DocumentSerial(doc);
    }
    SetModified();
}

void CGraphDataPage::ResetComparedDocuments() {
    for (int i = 1; i < 4; ++i) data_[i].Reset();
}

void CGraphDataPage::ResetAll() {
    ResetComparedDocuments();
    mode_ = kChartCompare;
}

void CGraphDataPage::OnSingleDocument() {
    ResetComparedDocuments();
    mode_ = kChartCombine;
    if (CChart2dPropSheet* sheet = CChart2dPropSheet::GetActive()) {
        CAxisPropsPage& axisPage = sheet->GetAxisPage();
        if (axisPage.m_hWnd) {
            axisPage.FillCurveCombos();
            axisPage.UpdateControls();
        }
    }
    UpdateControls();
    SetModified();
}

void CGraphDataPage::OnMultipleDocuments() {
    CChart2dPropSheet* sheet = CChart2dPropSheet::GetActive();
    APP_ASSERT(sheet != nullptr);
    CAxisPropsPage& axisPage = sheet->GetAxisPage();
    APP_ASSERT(!ResultCurveIsCombo(axisPage.Axis(0).curveIndex));
    if (ResultCurveIsCombo(axisPage.Axis(1).curveIndex) || ResultCurveIsCombo(axisPage.Axis(2).curveIndex)) {
        PostMessage(kMsgConfirmCompare);
        return;
    }
    EnterCompareMode();
}

void CGraphDataPage::EnterCompareMode() {
    ResetComparedDocuments();
    mode_ = kChartCompare;
    CAxisPropsPage& axisPage = CChart2dPropSheet::GetActive()->GetAxisPage();
    if (axisPage.m_hWnd) {
        axisPage.FillCurveCombos();
        axisPage.UpdateControls();
    }
    UpdateControls();
    SetModified();
}

LRESULT CGraphDataPage::OnConfirmCompare(WPARAM, LPARAM) {
    const int answer = view_->AskComboInCompare();
    MSG pending;
    while (::PeekMessage(&pending, m_hWnd, kMsgConfirmCompare, kMsgConfirmCompare, PM_REMOVE)) {
    }
    if (answer != IDOK) {
        // The mode stays, and so does its radio button.
        UpdateControls();
        return 0;
    }
    CAxisPropsPage& axisPage = CChart2dPropSheet::GetActive()->GetAxisPage();
    if (ResultCurveIsCombo(axisPage.Axis(1).curveIndex)) axisPage.Axis(1).Select(2, 0);
    if (ResultCurveIsCombo(axisPage.Axis(2).curveIndex)) axisPage.Axis(2).Select(0, 0);
    EnterCompareMode();
    return 0;
}

void CGraphDataPage::OnOK() {
    view_->SetCompareMode(mode_);
    for (int i = 1; i < 4; ++i) view_->SetGraphData(i, data_[i]);
    view_->SetDocModified();
}

// ---- Axis page -----------------------------------------------------------

BEGIN_MESSAGE_MAP(CAxisPropsPage, CPropertyPage)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_X_CURVE, IDC_Y2_CURVE, OnCurveChosen)
    ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_X_SCALE, IDC_Y2_SCALE, OnScaleChosen)
END_MESSAGE_MAP()

CAxisPropsPage::CAxisPropsPage(CGraphView* view) : CPropertyPage(view->SheetIds().axisTemplate), view_(view) {
    view->GetAxisSettings(axes_[0], axes_[1], axes_[2]);
}

BOOL CAxisPropsPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    FillCurveCombos();
    for (const AxisRow& row : kAxisRows)
        for (int preset = 0; preset < kScalePresetCount; ++preset)
            AddComboItem(this, row.scale, ScalePresetName(preset), static_cast<DWORD_PTR>(preset));
    UpdateControls();
    return TRUE;
}

void CAxisPropsPage::FillCurveCombos() {
    CChart2dPropSheet* sheet = CChart2dPropSheet::GetActive();
    const bool combine = sheet ? sheet->GetGraphDataPage().GetMode() == kChartCombine
                               : view_->GetCompareMode() == kChartCombine;
    for (const AxisRow& row : kAxisRows) ::SendMessage(::GetDlgItem(m_hWnd, row.curve), CB_RESETCONTENT, 0, 0);
    for (int curve = 0; curve < ResultCurveRowCount(); ++curve) {
        const bool combo = ResultCurveIsCombo(curve);
        const char* name = ResultCurveName(curve);
        if (curve != 0 && !combo) AddComboItem(this, IDC_X_CURVE, name, curve);
        if (curve != 0 && (!combo || combine)) AddComboItem(this, IDC_Y_CURVE, name, curve);
        if (!combo || combine) AddComboItem(this, IDC_Y2_CURVE, name, curve);
    }
}

void CAxisPropsPage::ShowRow(int axis) {
    const ChartAxisSetting& setting = axes_[axis];
    const AxisRow& row = kAxisRows[axis];
    ShowAxisRange(this, setting, row.from, row.to);
    SetDlgItemText(row.units, setting.unit ? setting.unit : "");
    if (axis == 2) {
        const int show = setting.curveIndex != 0 ? SW_SHOW : SW_HIDE;
        for (UINT id : {UINT(IDC_Y2_SCALE), UINT(IDC_Y2_FROM), UINT(IDC_Y2_TO), UINT(IDC_Y2_UNITS), UINT(IDC_Y2_LABEL)})
            ::ShowWindow(::GetDlgItem(m_hWnd, id), show);
    }
}

void CAxisPropsPage::UpdateControls() {
    if (m_hWnd == nullptr) return;
    for (int axis = 0; axis < 3; ++axis) {
        const AxisRow& row = kAxisRows[axis];
        SelectComboData(this, row.curve, static_cast<DWORD_PTR>(axes_[axis].curveIndex));
        ::SendMessage(::GetDlgItem(m_hWnd, row.scale), CB_SETCURSEL, axes_[axis].scalePreset, 0);
        ShowRow(axis);
    }
}

void CAxisPropsPage::OnCurveChosen(UINT id) {
    const int axis = static_cast<int>(id - IDC_X_CURVE);
    axes_[axis].SetCurve(static_cast<int>(SelectedComboData(this, id)));
    ShowRow(axis);
    SetModified();
}

void CAxisPropsPage::OnScaleChosen(UINT id) {
    const int axis = static_cast<int>(id - IDC_X_SCALE);
    int index = 0;
    SelectedComboData(this, id, &index);
    axes_[axis].SetScale(std::max(0, index));
    ShowRow(axis);
    SetModified();
}

void CAxisPropsPage::OnOK() {
    view_->SetAxisSettings(axes_[0], axes_[1], axes_[2]);
    view_->SetDocModified();
}

// ---- Data zones page -----------------------------------------------------

BEGIN_MESSAGE_MAP(CDataZonesPage, CPropertyPage)
    ON_NOTIFY(UDN_DELTAPOS, IDC_ZONE_SPIN, OnSpin)
    ON_MESSAGE(kMsgBadEntry, OnBadEntry)
    ON_MESSAGE(WM_SEC_COLORCHOSEN, OnColorChosen)
    ON_BN_CLICKED(IDC_BLEND_COLORS, OnBlend)
END_MESSAGE_MAP()

CDataZonesPage::CDataZonesPage(CGraphView* view)
    : CPropertyPage(view->SheetIds().zonesTemplate), view_(view), ids_(view->SheetIds()) {
    view->GetZoneSettings(zones_);
    for (int i = 0; i < kMaxZones; ++i) {
        minFields_.emplace_back("Zone Min", kUnitNone, 0.0f, 2147483648.0f, kUnitNone, 1.0f);
        maxFields_.emplace_back("Zone Max", kUnitNone, 0.0f, 2147483648.0f, kUnitNone, 1.0f);
    }
    LoadFields();
}

void CDataZonesPage::LoadFields() {
    for (int i = 0; i < kMaxZones; ++i) {
        minFields_[i].Clear();
        maxFields_[i].Clear();
        if (i < zones_.zoneCount) {
            minFields_[i].SetValue(std::max(0.0f, zones_.zones[i].GetMin()));
            maxFields_[i].SetValue(std::max(0.0f, zones_.zones[i].GetMax()));
        }
    }
}

bool CDataZonesPage::IsMinEdit(UINT id) const { return id >= ids_.zoneMinFirst && id < ids_.zoneMinFirst + kMaxZones; }

bool CDataZonesPage::IsBoundEdit(UINT id) const {
    return IsMinEdit(id) || (id >= ids_.zoneMaxFirst && id < ids_.zoneMaxFirst + kMaxZones);
}

int CDataZonesPage::ZoneOfEdit(UINT id) const {
    return static_cast<int>(IsMinEdit(id) ? id - ids_.zoneMinFirst : id - ids_.zoneMaxFirst);
}

CFloatPtSpec& CDataZonesPage::Field(UINT id) {
    return IsMinEdit(id) ? minFields_[ZoneOfEdit(id)] : maxFields_[ZoneOfEdit(id)];
}

BOOL CDataZonesPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == ids_.showZones && code == BN_CLICKED) {
        OnShowZones();
        return TRUE;
    }
    if (id == ids_.zonePreset && code == CBN_SELCHANGE) {
        OnPresetChosen();
        return TRUE;
    }
    if (IsBoundEdit(id) && code == EN_KILLFOCUS) {
        OnBoundKillFocus(id);
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

BOOL CDataZonesPage::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    for (int i = 0; i < kMaxZones; ++i) {
        wells_[i].SubclassDlgItem(ids_.zoneColorFirst + i, this);
        wells_[i].SetOtherButton(TRUE);
    }
    for (int preset = 0; preset < ZonePresetCount(); ++preset)
        AddComboItem(this, ids_.zonePreset, ZonePresetName(preset), static_cast<DWORD_PTR>(preset));
    ::SendMessage(::GetDlgItem(m_hWnd, IDC_ZONE_SPIN), UDM_SETRANGE32, 1, kMaxZones);
    UpdateControls(true);
    return TRUE;
}

void CDataZonesPage::UpdateControls(bool all) {
    if (m_hWnd == nullptr) return;
    const bool chosen = zones_.preset != 0;
    CheckDlgButton(ids_.showZones, chosen && zones_.enabled ? BST_CHECKED : BST_UNCHECKED);
    GetDlgItem(ids_.showZones)->EnableWindow(chosen);
    SelectComboData(this, ids_.zonePreset, static_cast<DWORD_PTR>(zones_.preset));
    if (all) {
        HWND spin = ::GetDlgItem(m_hWnd, IDC_ZONE_SPIN);
        if (chosen) ::SendMessage(spin, UDM_SETPOS32, 0, zones_.zoneCount);
        else SetDlgItemText(IDC_ZONE_COUNT, "");
        ::EnableWindow(spin, chosen);
        GetDlgItem(IDC_ZONE_COUNT)->EnableWindow(chosen);
    }
    for (int i = 0; i < kMaxZones; ++i) {
        const bool used = i < zones_.zoneCount;
        if (!used) {
            minFields_[i].Clear();
            maxFields_[i].Clear();
        }
        for (UINT id : {UINT(ids_.zoneMinFirst + i), UINT(ids_.zoneMaxFirst + i)}) {
            GetDlgItem(id)->EnableWindow(used);
            const CFloatPtSpec& field = Field(id);
            SetDlgItemText(id, FieldText(field));
        }
        wells_[i].EnableWindow(used);
        wells_[i].SetColor(zones_.zones[i].GetColor());
    }
    GetDlgItem(IDC_BLEND_COLORS)->EnableWindow(zones_.zoneCount > 2);
}

void CDataZonesPage::OnShowZones() {
    zones_.enabled = IsDlgButtonChecked(ids_.showZones) == BST_CHECKED;
    SetModified();
}

void CDataZonesPage::OnPresetChosen() {
    const int preset = static_cast<int>(SelectedComboData(this, ids_.zonePreset));
    zones_.Reset();
    zones_.preset = preset;
    if (preset != 0) {
        zones_.zoneCount = ZonePresetZoneCount(preset);
        zones_.enabled = true;
        for (int i = 0; i < zones_.zoneCount; ++i) {
            zones_.zones[i].SetMin(float(ZonePresetZoneMin(preset, i)));
            zones_.zones[i].SetMax(float(ZonePresetZoneMax(preset, i)));
        }
        view_->ColorPresetZones(zones_);
    }
    LoadFields();
    SetModified();
    UpdateControls(true);
}

void CDataZonesPage::BlendZoneColors() { zones_.BlendColors(); }

void CDataZonesPage::OnSpin(NMHDR* header, LRESULT* result) {
    *result = 0;
    if (!lastEntryGood_) {
        *result = 1;
        return;
    }
    const NMUPDOWN* change = reinterpret_cast<NMUPDOWN*>(header);
    const int step = std::clamp(change->iDelta, -1, 1);
    const int count = std::clamp(zones_.zoneCount + step, 1, kMaxZones);
    if (count > zones_.zoneCount && zones_.zoneCount >= 1) {
        const ZoneRange& previous = zones_.zones[zones_.zoneCount - 1];
        ZoneRange& added = zones_.zones[zones_.zoneCount];
        const float width = previous.GetMax() - previous.GetMin();
        CFloatPtSpec& minField = minFields_[zones_.zoneCount];
        CFloatPtSpec& maxField = maxFields_[zones_.zoneCount];
        const float min = minField.IsInRange(previous.GetMax()) ? previous.GetMax() : previous.GetMin();
        const float max = maxField.IsInRange(previous.GetMax() + width) ? previous.GetMax() + width : previous.GetMax();
        added.SetMin(min);
        added.SetMax(max);
        added.SetColor(previous.GetColor());
        minField.SetValue(min);
        maxField.SetValue(max);
    }
    zones_.zoneCount = count;
    UpdateControls(false);
    SetModified();
}

void CDataZonesPage::OnBoundKillFocus(UINT id) {
    CString text;
    GetDlgItemText(id, text);
    text.Trim();
    if (text.IsEmpty()) return;
    CFloatPtSpec& field = Field(id);
    if (field.ParseAndSetRounded(text, 2)) {
        lastEntryGood_ = 1;
        SetDlgItemText(id, FieldText(field));
        ZoneRange& zone = zones_.zones[ZoneOfEdit(id)];
        if (IsMinEdit(id)) zone.SetMin(field.GetValue());
        else zone.SetMax(field.GetValue());
        SetModified();
    } else {
        PostMessage(kMsgBadEntry, id);
        entryValid_ = 0;
        lastEntryGood_ = 0;
    }
}

LRESULT CDataZonesPage::OnBadEntry(WPARAM id, LPARAM) {
    CChart2dPropSheet* sheet = CChart2dPropSheet::GetActive();
    if (sheet && sheet->GetActivePage() != this) sheet->SetActivePage(this);
    ::MessageBeep(MB_OK);
    GetDlgItem(static_cast<int>(id))->SetFocus();
    return 0;
}

LRESULT CDataZonesPage::OnColorChosen(WPARAM id, LPARAM) {
    if (id >= ids_.zoneColorFirst && id < ids_.zoneColorFirst + kMaxZones) {
        const int zone = static_cast<int>(id - ids_.zoneColorFirst);
        zones_.zones[zone].SetColor(static_cast<int>(wells_[zone].GetColor()));
        SetModified();
    }
    return 0;
}

void CDataZonesPage::OnBlend() {
    if (zones_.zoneCount < 3) return;
    BlendZoneColors();
    SetModified();
    UpdateControls(true);
}

void CDataZonesPage::ResetAll() {
    zones_.Reset();
    LoadFields();
}

void CDataZonesPage::OnOK() {
    view_->SetZoneSettings(zones_);
    view_->SetDocModified();
}

// ---- The sheet -----------------------------------------------------------

BEGIN_MESSAGE_MAP(CChart2dPropSheet, CPropertySheet)
    ON_COMMAND(IDC_RESET_ALL, OnResetAll)
    ON_COMMAND(ID_APPLY_NOW, OnApplyNow)
    ON_COMMAND(IDOK, OnOKButton)
END_MESSAGE_MAP()

CChart2dPropSheet::CChart2dPropSheet(CGraphView* view, CWnd* parent, UINT selectPage)
    : CPropertySheet("2D Chart Properties", parent, selectPage),
      view_(view),
      graphPage_(view),
      axisPage_(view),
      zonesPage_(view) {
    APP_ASSERT(g_activeSheet == nullptr);
    APP_ASSERT(view != nullptr);
    g_activeSheet = this;
    AddPage(&graphPage_);
    AddPage(&axisPage_);
    AddPage(&zonesPage_);
}

CChart2dPropSheet::~CChart2dPropSheet() { g_activeSheet = nullptr; }

CChart2dPropSheet* CChart2dPropSheet::GetActive() { return g_activeSheet; }

BOOL CChart2dPropSheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    // OK, Cancel and Apply move one place left; "Reset All" takes Apply's.
    CWnd* ok = GetDlgItem(IDOK);
    CWnd* cancel = GetDlgItem(IDCANCEL);
    CWnd* apply = GetDlgItem(ID_APPLY_NOW);
    if (ok && cancel && apply) {
        CRect okRect, cancelRect, applyRect;
        ok->GetWindowRect(&okRect);
        cancel->GetWindowRect(&cancelRect);
        apply->GetWindowRect(&applyRect);
        ScreenToClient(&okRect);
        ScreenToClient(&cancelRect);
        ScreenToClient(&applyRect);
        const int shift = cancelRect.left - okRect.left;
        for (CWnd* button : {ok, cancel, apply}) {
            CRect r;
            button->GetWindowRect(&r);
            ScreenToClient(&r);
            button->SetWindowPos(nullptr, r.left - shift, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        }
        resetAll_.Create("Reset All", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, applyRect, this,
                         IDC_RESET_ALL);
        resetAll_.SetFont(GetFont());
    }
    return TRUE;
}

void CChart2dPropSheet::OnResetAll() {
    graphPage_.ResetAll();
    APP_ASSERT(view_->GetPlace() >= 0);
    ChartSettings defaults(view_->GetPlace());
    axisPage_.Axis(0) = defaults.x;
    axisPage_.Axis(1) = defaults.y;
    axisPage_.Axis(2) = defaults.y2;
    zonesPage_.ResetAll();
    if (graphPage_.m_hWnd) graphPage_.UpdateControls();
    if (axisPage_.m_hWnd) {
        axisPage_.FillCurveCombos();
        axisPage_.UpdateControls();
    }
    if (zonesPage_.m_hWnd) zonesPage_.UpdateControls(true);
    for (CPropertyPage* page : {static_cast<CPropertyPage*>(&graphPage_), static_cast<CPropertyPage*>(&axisPage_),
                                static_cast<CPropertyPage*>(&zonesPage_)})
        if (page->m_hWnd) page->SetModified();
}

bool CChart2dPropSheet::ValidatePages() {
    unsigned short code = 0;
    if (zonesPage_.ValidateZones(code)) return true;
    view_->ShowError(code);
    return false;
}

void CChart2dPropSheet::ApplyPages() {
    graphPage_.OnOK();
    axisPage_.OnOK();
    zonesPage_.OnOK();
}

void CChart2dPropSheet::OnApplyNow() {
    if (!ValidatePages()) return;
    ApplyPages();
    view_->RefreshChart();
    for (CPropertyPage* page : {static_cast<CPropertyPage*>(&graphPage_), static_cast<CPropertyPage*>(&axisPage_),
                                static_cast<CPropertyPage*>(&zonesPage_)})
        if (page->m_hWnd) page->SetModified(FALSE);
}

void CChart2dPropSheet::OnOKButton() {
    graphPage_.entryValid_ = axisPage_.entryValid_ = zonesPage_.entryValid_ = 1;
    // The edit being typed in parses its text as it loses the focus.
    if (CWnd* ok = GetDlgItem(IDOK)) ok->SetFocus();
    MSG pending;
    while (::PeekMessage(&pending, nullptr, kMsgBadEntry, kMsgBadEntry, PM_NOREMOVE)) {
        if (!::PeekMessage(&pending, nullptr, kMsgBadEntry, kMsgBadEntry, PM_REMOVE)) break;
        ::DispatchMessage(&pending);
    }
    if (!graphPage_.entryValid_ || !axisPage_.entryValid_ || !zonesPage_.entryValid_) return;
    if (!ValidatePages()) return;
    ApplyPages();
    EndDialog(IDOK);
}

