#include "common/ui/SimSpecEditCtrl.h"

#include "common/Assertion.h"
#include "common/SimSpec.h"
#include "common/ui/FieldHost.h"
#include "common/ui/SimSpecEditDlg.h"

namespace {

const char kAssertModule[] = "SimSpecEditCtrl";
const char kFocusPrompt[] = "Press Enter or Left Click to edit this parameter";
const char kIdleText[] = "Ready";

// Colour slots: background, text, focused background, focused text,
// disabled text, disabled shadow.
const int kBackgroundSlot = 0, kDerivedTextSlot = 4, kTextSlot = 5, kFocusedTextSlot = 6,
          kFocusedBackgroundSlot = 7, kDisabledTextSlot = 8, kDisabledShadowSlot = 9;

// The field's text with its units; an unset field shows its value text
// alone ("***"), without a unit behind it.
CString TextWithUnits(const CSimSpec& field) {
    CString text;
    if (field.IsSet())
        field.FormatWithUnits(text);
    else
        field.FormatValue(text);
    return text;
}

CString Trimmed(const CString& text) {
    CString copy = text;
    copy.Trim();
    return copy;
}

}  // namespace

IMPLEMENT_DYNAMIC(CSimSpecEditCtrl, CPopUpStatic)

BEGIN_MESSAGE_MAP(CSimSpecEditCtrl, CPopUpStatic)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(kMsgOpenFieldEditor, OnOpenEditor)
END_MESSAGE_MAP()

bool CSimSpecEditCtrl::AttachSpec(CSimSpec* field, int editKind, UINT menuId) {
    editKind_ = editKind;
    if (editKind == kFieldDerived) {
        SetColorSlots(kBackgroundSlot, kDerivedTextSlot, kFocusedBackgroundSlot, kFocusedTextSlot, kDisabledTextSlot,
                      kDisabledShadowSlot);
    } else {
        SetColorSlots(kBackgroundSlot, kTextSlot, kFocusedBackgroundSlot, kFocusedTextSlot, kDisabledTextSlot,
                      kDisabledShadowSlot);
        APP_ASSERT((GetStyle() & SS_NOTIFY) != 0);
    }
    APP_ASSERT(field != nullptr);
    field_ = field;
    menuId_ = menuId;
    editorOpen_ = false;
    editor_ = nullptr;
    const bool multiLine = field->IsMultiLine();
    if (multiLine) SetMultiLine();
    return multiLine;
}

void CSimSpecEditCtrl::GetSpecText(CString& text) const {
    APP_ASSERT(field_ != nullptr);
    field_->FormatValue(text);
}

bool CSimSpecEditCtrl::IsTextStale() const {
    if (field_ == nullptr) return false;
    CString shown;
    GetText(shown);
    return Trimmed(TextWithUnits(*field_)) != Trimmed(shown);
}

void CSimSpecEditCtrl::SetTextFromSpec(bool withUnits) {
    APP_ASSERT(field_ != nullptr);
    CString text;
    if (withUnits)
        text = TextWithUnits(*field_);
    else
        field_->FormatValue(text);
    SetText(text);
}

void CSimSpecEditCtrl::UpdateFromSpec(bool withUnits) {
    if (IsTextStale()) SetTextFromSpec(withUnits);
}

CommitResult CSimSpecEditCtrl::CommitText(LPCSTR text) {
    APP_ASSERT(text != nullptr && field_ != nullptr && editKind_ == kFieldTyped);
    if (!field_->ParseAndSet(text, true)) return kCommitParseError;
    CFieldHost* host = FieldHostOf(this);
    APP_ASSERT(host != nullptr);
    return host->StoreTypedText(*field_, text) == 0 ? kCommitStored : kCommitRefused;
}

void CSimSpecEditCtrl::ShowStatus(const char* text) const {
    if (CFieldHost* host = FieldHostOf(this)) host->ShowStatusText(text);
}

void CSimSpecEditCtrl::OnSetFocus(CWnd* oldWnd) {
    CPopUpStatic::OnSetFocus(oldWnd);
    ShowStatus(kFocusPrompt);
}

void CSimSpecEditCtrl::OnKillFocus(CWnd* newWnd) {
    CPopUpStatic::OnKillFocus(newWnd);
    if (!editorOpen_) ShowStatus(kIdleText);
}

void CSimSpecEditCtrl::PostOpenEditor() {
    PostMessage(kMsgOpenFieldEditor, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CSimSpecEditCtrl::PreTranslateMessage(MSG* msg) {
    // Enter edits the field; the dialog manager must not take it for the
    // default button.
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && msg->hwnd == m_hWnd) {
        SendMessage(WM_KEYDOWN, msg->wParam, msg->lParam);
        return TRUE;
    }
    return CPopUpStatic::PreTranslateMessage(msg);
}

void CSimSpecEditCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    if (key == VK_RETURN && ::GetFocus() == m_hWnd) {
        PostOpenEditor();
        return;
    }
    CPopUpStatic::OnKeyDown(key, repeat, flags);
}

void CSimSpecEditCtrl::OnLButtonDown(UINT, CPoint) {
    if (::GetFocus() == m_hWnd)
        PostOpenEditor();
    else
        SetFocus();
}

void CSimSpecEditCtrl::OnLButtonDblClk(UINT, CPoint) {
    SetFocus();
    PostOpenEditor();
}

LRESULT CSimSpecEditCtrl::OnOpenEditor(WPARAM wParam, LPARAM) {
    APP_ASSERT(reinterpret_cast<HWND>(wParam) == m_hWnd);
    if (editorOpen_) return 0;  // a second request while the editor is up
    editorOpen_ = true;
    CString prompt;
    field_->GetPrompt(prompt);
    ShowStatus(prompt);
    APP_ASSERT(editor_ == nullptr);
    editor_ = new CSimSpecEditDlg(this, field_->IsMultiLine(), menuId_);
    const INT_PTR result = editor_->DoModal();
    APP_ASSERT(result != -1);
    const bool ok = result == IDOK;
    delete editor_;
    editor_ = nullptr;
    editorOpen_ = false;
    if (::IsWindow(m_hWnd)) {
        CClientDC dc(this);
        CRect area;
        GetClientRect(&area);
        dc.FillSolidRect(&area, FieldColor(GetBackgroundSlot()));
        GetParent()->PostMessage(kMsgFieldEditDone, reinterpret_cast<WPARAM>(m_hWnd), ok ? 1 : 0);
    }
    return 0;
}
