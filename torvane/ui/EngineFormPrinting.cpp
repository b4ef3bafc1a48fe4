// The specification form's printing entry points: the six pages of the
// engine's printout, the form itself drawn with its field controls' texts.
#include "common/Assertion.h"
#include "torvane/document/TorvaneDoc.h"
#include "torvane/ui/EngineFormView.h"
#include "torvane/ui/SpecificationPrinting.h"

namespace torvane {

static const char kAssertModule[] = "EngineFormPrinting.cpp";

void CEngineFormView::DoFilePrint() { OnFilePrint(); }

void CEngineFormView::DoFilePrintPreview() { OnFilePrintPreview(); }

BOOL CEngineFormView::OnPreparePrinting(CPrintInfo* info) {
    SpecificationPreparePrinting(info);
    return DoPreparePrinting(info);
}

void CEngineFormView::OnBeginPrinting(CDC* dc, CPrintInfo* info) {
    APP_ASSERT(dc != nullptr);
    CFormView::OnBeginPrinting(dc, info);
}

void CEngineFormView::OnEndPrinting(CDC* dc, CPrintInfo* info) { CFormView::OnEndPrinting(dc, info); }

void CEngineFormView::OnPrint(CDC* dc, CPrintInfo* info) {
    APP_ASSERT(dc != nullptr && info != nullptr);
    PrintSpecificationPage(dc, info->m_nCurPage, this, GetScrollPosition(), *GetDocument(), ShownControlText);
}

}  // namespace torvane
