// A property sheet that lives as a child window inside a dialog, over a
// placeholder rectangle. Tab and the dialog keys move across the dialog's
// controls and the pages' controls alike. A derived sheet adds its pages,
// then the dialog calls CreateEmbedded from its OnInitDialog.
#pragma once

#include "framework/Framework.h"

class CEmbeddedPropSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CEmbeddedPropSheet)

public:
    explicit CEmbeddedPropSheet(CWnd* parent = nullptr, UINT firstPage = 0);
    ~CEmbeddedPropSheet() override;

    // Makes the sheet in `dialog` over `rect` (dialog client coordinates),
    // its tab control filling the rectangle, with every page window made and
    // the first page shown. False when the window cannot be made.
    bool CreateEmbedded(CWnd* dialog, const CRect& rect);

    // The solid brush of the sheet's background colour.
    HBRUSH Brush() const { return brush_; }

private:
    HBRUSH brush_ = nullptr;
};
