#include "common/ui/FieldEntry.h"

#include "common/Assertion.h"
#include "common/SimSpec.h"
#include "common/Util.h"

namespace {
const char kAssertModule[] = "FieldEntry";
}  // namespace

void CFieldEntry::Bind(int id, CSimSpec* field, bool rewrite) {
    APP_ASSERT(field != nullptr && Find(id) == nullptr);
    bindings_.push_back({id, field, nullptr, 0, rewrite});
}

void CFieldEntry::BindRounded(int id, CFloatPtSpec* field, int decimals, bool rewrite) {
    APP_ASSERT(field != nullptr && Find(id) == nullptr);
    bindings_.push_back({id, field, field, decimals, rewrite});
}

void CFieldEntry::Rebind(int id, CSimSpec* field) {
    Binding* binding = Find(id);
    APP_ASSERT(binding != nullptr && field != nullptr);
    binding->field = field;
    if (binding->rounded != nullptr) binding->rounded = static_cast<CFloatPtSpec*>(field);
}

const CFieldEntry::Binding* CFieldEntry::Find(int id) const {
    for (const Binding& binding : bindings_)
        if (binding.id == id) return &binding;
    return nullptr;
}

CFieldEntry::Binding* CFieldEntry::Find(int id) {
    return const_cast<Binding*>(static_cast<const CFieldEntry*>(this)->Find(id));
}

void CFieldEntry::ShowAll() const {
    for (const Binding& binding : bindings_) UtilSetItemSpecText(dialog_, binding.id, *binding.field);
}

void CFieldEntry::Show(int id) const {
    const Binding* binding = Find(id);
    APP_ASSERT(binding != nullptr);
    UtilSetItemSpecText(dialog_, id, *binding->field);
}

void CFieldEntry::OnSetFocus(int id) const {
    const Binding* binding = Find(id);
    APP_ASSERT(binding != nullptr);
    UtilSelectAllText(dialog_, id);
    if (helpId_ != 0) UtilSetItemPrompt(dialog_, helpId_, *binding->field);
}

CFieldEntry::Outcome CFieldEntry::OnKillFocus(int id) {
    Binding* binding = Find(id);
    APP_ASSERT(binding != nullptr);
    CString text;
    if (!UtilGetItemTextTrimmed(dialog_, id, text)) return kLeftEmpty;

    // The value before, as its text: "10" typed over "10.0" changes nothing.
    const bool wasSet = binding->field->IsSet();
    CString before;
    binding->field->FormatValue(before);

    const bool parsed = binding->rounded != nullptr
                            ? binding->rounded->ParseAndSetRounded(text, binding->decimals)
                            : binding->field->ParseAndSet(text, false);
    if (!parsed) {
        dialog_->PostMessage(kMsgFieldRejected, static_cast<WPARAM>(id), 0);
        entryAccepted_ = false;
        commit_ = false;
        return kRejected;
    }
    if (binding->rewrite) UtilSetItemSpecText(dialog_, id, *binding->field);
    entryAccepted_ = true;
    CString after;
    binding->field->FormatValue(after);
    if (!wasSet || after != before) modified_ = true;
    return kAccepted;
}

bool CFieldEntry::BeginCommit(int buttonId) {
    commit_ = true;
    CWnd* button = dialog_->GetDlgItem(buttonId);
    APP_ASSERT(button != nullptr);
    if (CWnd::GetFocus() != button) button->SetFocus();
    return commit_;
}

LRESULT CFieldEntry::OnFieldRejected(CWnd* dialog, WPARAM id) {
    UtilBeepAndFocus(dialog, static_cast<int>(id));
    return 0;
}
