// The lamps of the sweep dialogs: static bitmap controls that show one of
// four 13 x 13 pictures (green or red, lit or unlit), loaded from the
// program's resources and freed with the dialog.
#pragma once

#include "framework/Framework.h"

class CSweepLamps {
public:
    struct BitmapIds {
        UINT greenLit;
        UINT greenUnlit;
        UINT redLit;
        UINT redUnlit;
    };

    // Loads the four pictures (a missing one is an assertion).
    explicit CSweepLamps(const BitmapIds& ids);
    ~CSweepLamps();
    CSweepLamps(const CSweepLamps&) = delete;
    CSweepLamps& operator=(const CSweepLamps&) = delete;

    // Lights or darkens the lamp control `id` of `dialog`. The picture is
    // replaced only when it differs from the one shown, so that a sweep's
    // frequent refreshes do not make the lamps flicker.
    void ShowGreen(CWnd* dialog, int id, bool lit) const;
    void ShowRed(CWnd* dialog, int id, bool lit) const;

    HBITMAP GreenLit() const { return greenLit_; }
    HBITMAP GreenUnlit() const { return greenUnlit_; }
    HBITMAP RedLit() const { return redLit_; }
    HBITMAP RedUnlit() const { return redUnlit_; }

private:
    static void Show(CWnd* dialog, int id, HBITMAP picture);

    HBITMAP greenLit_;
    HBITMAP greenUnlit_;
    HBITMAP redLit_;
    HBITMAP redUnlit_;
};
