#include "torvane/ui/EngineFormView.h"

#include "common/Assertion.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/res/TorvaneResources.h"
#include "torvane/ui/AppColors.h"

namespace torvane {

namespace {
const char kAssertModule[] = "EngineFormView";
}  // namespace

IMPLEMENT_DYNCREATE(CEngineFormView, CFormView)

BEGIN_MESSAGE_MAP(CEngineFormView, CFormView)
    ON_WM_ERASEBKGND()
    ON_COMMAND(ID_FILE_PRINT, DoFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, DoFilePrintPreview)
END_MESSAGE_MAP()

CEngineFormView::CEngineFormView() : CFormView(IDD_ENGINE_FORM) {}

CTorvaneDoc* CEngineFormView::GetDocument() const {
    CDocument* document = CFormView::GetDocument();
    APP_ASSERT(document != nullptr && document->IsKindOf(RUNTIME_CLASS(CTorvaneDoc)));
    return static_cast<CTorvaneDoc*>(document);
}

void CEngineFormView::OnInitialUpdate() {
    CTorvaneDoc* document = GetDocument();
    if (document->GetViewPointer(kFormViewSlot) == nullptr) document->SetViewPointer(kFormViewSlot, this);
    CFormView::OnInitialUpdate();
}

BOOL CEngineFormView::OnEraseBkgnd(CDC* dc) {
    CRect area;
    GetClientRect(&area);
    dc->FillSolidRect(&area, AppColorsGetColor(1));
    return TRUE;
}

}  // namespace torvane
