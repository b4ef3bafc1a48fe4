// Small helpers for tests that drive real windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace testing_harness {

// Dispatches this thread's messages until `done` holds or `timeout_ms` passes.
// Returns whether `done` held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeout_ms = 5000);
// Dispatches the messages waiting now.
void PumpPending();

// A top-level window of this process, or a descendant of `parent`, matched by
// class and/or title (an empty string matches anything). Null if none.
HWND FindWindowOf(const std::string& class_name, const std::string& title, HWND parent = nullptr);
HWND FindControl(HWND parent, int control_id);

// Sends WM_COMMAND with a command id, as a menu or accelerator would.
LRESULT SendCommand(HWND wnd, int command_id);
std::string ControlText(HWND wnd);
// Control `id` of `dialog` notifies the dialog (WM_COMMAND with `code`), as
// the control itself does.
void NotifyFromControl(HWND dialog, int id, int code);
// BN_CLICKED from button `id`, then the messages it left pending.
void PressButton(HWND dialog, int id);
// Makes page `index` of a property sheet the current one; its window.
HWND ShowSheetPage(HWND sheet, int index);
// Selects the combo box item with exactly `text` and sends CBN_SELCHANGE.
void ChooseComboText(HWND dialog, int id, const char* text);
// Focuses the dialog's field and types over its selected text.
void TypeInto(HWND dialog, int id, const std::string& text);
// Moves the focus to a control (the field that had it runs its kill-focus).
void FocusOn(HWND dialog, int id);
// The text of the dialog's control `id`.
std::string TextOf(HWND dialog, int id);
// A click on a radio button: the focus first, then the check and the
// notification (a real click depends on where the pointer is).
void ClickRadio(HWND dialog, int id);
// The up (or down) arrow of an up-down control, clicked with mouse
// messages; then the messages it left pending.
void ClickSpinArrow(HWND spin, bool up);
// Clicks a button or any window at a client point with real mouse messages.
void Click(HWND wnd);
void ClickAt(HWND wnd, int x, int y);
// A left click with the real mouse at a client point (input the system turns
// into messages, activation included); pump afterwards to see its effects.
// The window's top-level window is put above all others first, since other
// test programs may show windows in the same display.
void MouseClickAt(HWND wnd, int x, int y);
// Real mouse input in screen coordinates, queued for this thread's windows
// (pump to run it; a modal drag loop started by the press consumes the
// rest). MouseDrag presses the left button at `from`, moves in `steps`
// steps to `to` and releases there; with `ctrl` Ctrl goes down at `to`
// before the release, and `escape` presses Escape before the release. `midway`, when given, runs on
// the input thread while the button is still down at `to`.
void MouseDrag(POINT from, POINT to, bool ctrl = false, bool escape = false, int steps = 6,
               const std::function<void()>& midway = nullptr);
void MouseDoubleClick(POINT at);
// Types text into a window as WM_CHAR messages.
void TypeText(HWND wnd, const std::string& text);

// A top-level test window of a private class whose WM_PAINT calls `paint`.
HWND CreateTestWindow(int width, int height,
                      std::function<void(HDC, const RECT&)> paint = nullptr,
                      const char* title = "Test window");

// A file of that name beside the test program (in the build folder), for
// pictures a person looks at.
std::string TestOutputPath(const std::string& name);

// Pixels, read back as 0x00RRGGBB.
class Pixels {
public:
    Pixels() = default;
    Pixels(int width, int height);
    static Pixels FromWindow(HWND wnd);                       // client area
    static Pixels FromDC(HDC dc, int width, int height);      // a memory DC's bitmap
    int width() const { return width_; }
    int height() const { return height_; }
    unsigned At(int x, int y) const { return data_[static_cast<size_t>(y) * width_ + x]; }
    unsigned& At(int x, int y) { return data_[static_cast<size_t>(y) * width_ + x]; }
    // Counts pixels of a colour inside a rectangle (the whole image by default).
    int Count(unsigned rgb, const RECT* area = nullptr) const;
    // Writes an 8-bit RGB PNG; returns false on failure.
    bool SavePng(const std::string& path) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned> data_;
};

// GDI objects of this process. Wine does not count them in
// GetGuiResources; there the live entries of the process's GDI handle table
// are counted instead.
DWORD GdiObjectCount();

// 0x00RRGGBB from a COLORREF.
inline unsigned Rgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

}  // namespace testing_harness
