#include "common/ui/ComboItems.h"

void ComboFillItems(HWND dialog, int id, const ComboItem* items, int count) {
    ::SendDlgItemMessageA(dialog, id, CB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count; ++i) {
        const LRESULT index = ::SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0,
                                                    reinterpret_cast<LPARAM>(items[i].text));
        ::SendDlgItemMessageA(dialog, id, CB_SETITEMDATA, static_cast<WPARAM>(index), items[i].value);
    }
}

bool ComboSelectValue(HWND dialog, int id, int value) {
    const int count = static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, i, 0)) == value) {
            ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, i, 0);
            return true;
        }
    }
    ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    return false;
}

int ComboSelectedValue(HWND dialog, int id, int none) {
    const LRESULT index = ::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) return none;
    return static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETITEMDATA, index, 0));
}
