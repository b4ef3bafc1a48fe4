// An edit control for decimal numbers: only digits, backspace, one decimal
// point (a comma is taken as a point) and one minus sign get through; any
// other key beeps and is dropped. Number fields are subclassed with it.
#pragma once

#include "framework/Framework.h"

class CEditFloatPt : public CEdit {
    DECLARE_DYNAMIC(CEditFloatPt)

protected:
    afx_msg void OnChar(UINT ch, UINT repeatCount, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    // The selection covers the whole, non-empty text (typing replaces it).
    bool WholeTextSelected(const CString& text) const;
};
