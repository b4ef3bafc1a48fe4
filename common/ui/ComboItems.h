// Drop-down lists whose items each carry a number: the text the user picks
// and the value the code reads.
#pragma once

#include <windows.h>

struct ComboItem {
    const char* text;
    int value;
};

// Replaces the list's items with `items`, none selected.
void ComboFillItems(HWND dialog, int id, const ComboItem* items, int count);
template <int N>
void ComboFillItems(HWND dialog, int id, const ComboItem (&items)[N]) {
    ComboFillItems(dialog, id, items, N);
}
// Selects the item of `value`; with none of that value the list shows no
// selection and the result is false.
bool ComboSelectValue(HWND dialog, int id, int value);
// The selected item's value, `none` without a selection.
int ComboSelectedValue(HWND dialog, int id, int none = -1);
