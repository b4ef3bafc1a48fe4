#include "common/sweepui/SweepLamps.h"

#include "common/Assertion.h"

static const char kAssertModule[] = "SweepLamps.cpp";

namespace {

HBITMAP LoadLamp(UINT id) {
    HBITMAP picture = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
    APP_ASSERT(picture != nullptr);
    return picture;
}

}  // namespace

CSweepLamps::CSweepLamps(const BitmapIds& ids)
    : greenLit_(LoadLamp(ids.greenLit)),
      greenUnlit_(LoadLamp(ids.greenUnlit)),
      redLit_(LoadLamp(ids.redLit)),
      redUnlit_(LoadLamp(ids.redUnlit)) {}

CSweepLamps::~CSweepLamps() {
    for (HBITMAP picture : {greenLit_, greenUnlit_, redLit_, redUnlit_}) ::DeleteObject(picture);
}

void CSweepLamps::ShowGreen(CWnd* dialog, int id, bool lit) const {
    Show(dialog, id, lit ? greenLit_ : greenUnlit_);
}

void CSweepLamps::ShowRed(CWnd* dialog, int id, bool lit) const {
    Show(dialog, id, lit ? redLit_ : redUnlit_);
}

void CSweepLamps::Show(CWnd* dialog, int id, HBITMAP picture) {
    HWND lamp = ::GetDlgItem(dialog->GetSafeHwnd(), id);
    APP_ASSERT(lamp != nullptr);
    if (reinterpret_cast<HBITMAP>(::SendMessageA(lamp, STM_GETIMAGE, IMAGE_BITMAP, 0)) == picture) return;
    ::SendMessageA(lamp, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
}
