// A program's numbered messages and the boxes that show them. Each entry
// serves one code or a range of codes with one title and text; boxes are
// owned by the window that has the keyboard focus.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

struct NumberedMessage {
    constexpr NumberedMessage(unsigned short code, const char* title, const char* text)
        : first(code), last(code), title(title), text(text) {}
    constexpr NumberedMessage(unsigned short first, unsigned short last, const char* title,
                              const char* text)
        : first(first), last(last), title(title), text(text) {}

    unsigned short first;
    unsigned short last;
    const char* title;
    const char* text;
};

class MessageTable {
public:
    template <size_t N>
    constexpr MessageTable(const NumberedMessage (&entries)[N]) : entries_(entries), count_(N) {}

    // The entry whose range holds `code`, or null.
    const NumberedMessage* Find(unsigned short code) const;
    // The entry of `code`; a code the table lacks is a programming error.
    const NumberedMessage& Get(unsigned short code) const;

private:
    const NumberedMessage* entries_;
    size_t count_;
};

// The three kinds of box: an error (OK, error icon), a notice (information
// icon; OK, or OK and Cancel) and a question (OK and Cancel, warning icon).
constexpr UINT kErrorBoxStyle = MB_OK | MB_ICONERROR;
constexpr UINT NoticeBoxStyle(bool okCancel) {
    return (okCancel ? MB_OKCANCEL : MB_OK) | MB_ICONINFORMATION;
}
constexpr UINT kQuestionBoxStyle = MB_OKCANCEL | MB_ICONWARNING;

// Shows a box owned by the window with the keyboard focus; returns the button
// pressed (IDOK, IDCANCEL).
int ShowMessageBox(const char* title, const std::string& text, UINT style);
// Shows the operating system's text for a system error number.
void ShowSystemErrorMessage(unsigned long systemError);
// printf-style text of a message that names a value (at most 1023 chars).
std::string FormatMessageText(const char* format, ...)
    __attribute__((format(printf, 1, 2)));
