#include "common/MessageTable.h"

#include <cstdarg>
#include <cstdio>

#include "common/Assertion.h"

static const char kAssertModule[] = "MessageTable.cpp";

const NumberedMessage* MessageTable::Find(unsigned short code) const {
    for (size_t i = 0; i < count_; ++i) {
        if (code >= entries_[i].first && code <= entries_[i].last) return &entries_[i];
    }
    return nullptr;
}

const NumberedMessage& MessageTable::Get(unsigned short code) const {
    const NumberedMessage* message = Find(code);
    APP_ASSERT(message != nullptr);
    return *message;
}

int ShowMessageBox(const char* title, const std::string& text, UINT style) {
    return MessageBoxA(GetFocus(), text.c_str(), title, style);
}

void ShowSystemErrorMessage(unsigned long systemError) {
    char* text = nullptr;
    FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, systemError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<char*>(&text), 0, nullptr);
    ShowMessageBox("Error", text ? text : "", MB_OK | MB_ICONINFORMATION);
    LocalFree(text);
}

std::string FormatMessageText(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}
