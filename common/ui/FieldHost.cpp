#include "common/ui/FieldHost.h"

#include "common/Assertion.h"
#include "common/SimSpec.h"
#include "framework/Framework.h"

namespace {
const char kAssertModule[] = "FieldHost";
FieldColorLookup g_colorLookup = nullptr;
UINT g_hoverSound = 0;
}  // namespace

int CFieldHost::StoreTypedText(CSimSpec& field, const char* text) {
    if (!ConfirmSpecChange(field)) return 2;
    const bool stored = field.ParseAndSet(text, false);
    APP_ASSERT(stored);
    return 0;
}

CFieldHost* FieldHostOf(const CWnd* control) {
    APP_ASSERT(control != nullptr);
    CWnd* parent = CWnd::FromHandlePermanent(::GetParent(control->m_hWnd));
    return dynamic_cast<CFieldHost*>(parent);
}

void SetFieldColorLookup(FieldColorLookup lookup) { g_colorLookup = lookup; }

COLORREF FieldColor(int slot) {
    APP_ASSERT(g_colorLookup != nullptr);
    return g_colorLookup(slot);
}

void SetFieldHoverSound(UINT waveResourceId) { g_hoverSound = waveResourceId; }

UINT GetFieldHoverSound() { return g_hoverSound; }
