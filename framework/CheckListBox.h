// CCheckListBox: a list box whose items carry a check box. The list must be
// owner-drawn with strings (LBS_OWNERDRAWFIXED | LBS_HASSTRINGS; Create
// adds them). A click on an item's box, or Space on the selected item,
// toggles its check and tells the parent with CLBN_CHKCHANGE. Item data
// stays the caller's.
#pragma once

#include <windows.h>

#include <vector>

#include "Controls.h"

#define CLBN_CHKCHANGE 40

class CCheckListBox : public CListBox {
    DECLARE_DYNAMIC(CCheckListBox)

public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // 0 unchecked, 1 checked; out-of-range indexes read as 0.
    void SetCheck(int index, int check);
    int GetCheck(int index) const;

    void DrawItem(LPDRAWITEMSTRUCT item) override;
    void MeasureItem(LPMEASUREITEMSTRUCT item) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The width of the check-box column at the left of each item.
    static int CheckBoxWidth() { return ::GetSystemMetrics(SM_CXMENUCHECK) + 4; }

private:
    void Toggle(int index);

    std::vector<int> m_checks;
};
