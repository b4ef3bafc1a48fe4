#include "TextString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <vector>

#include "Diagnostics.h"
#include "ResourceModule.h"

namespace {

// Converts an int position or count to a size clipped to [0, limit].
size_t Clip(int value, size_t limit) {
    if (value <= 0) return 0;
    return std::min(static_cast<size_t>(value), limit);
}

bool IsSpace(char ch, LPCSTR) { return isspace(static_cast<unsigned char>(ch)) != 0; }

bool IsInSet(char ch, LPCSTR set) { return ch != '\0' && strchr(set, ch) != nullptr; }

int Sign(int value) { return (value > 0) - (value < 0); }

}  // namespace

CString::CString(LPCSTR text) {
    if (text != nullptr && IS_INTRESOURCE(text))
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(text)));
    else if (text != nullptr)
        text_ = text;
}

CString::CString(LPCSTR text, int length) {
    if (text != nullptr && length > 0) text_.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat) {
    if (repeat > 0) text_.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(const CString& other) {
    text_ = other.text_;  // std::string copes with self-assignment
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) text_ = std::move(other.text_);
    return *this;
}

CString& CString::operator=(LPCSTR text) {
    if (text == nullptr)
        text_.clear();
    else
        text_ = std::string(text);  // a copy first: `text` may point into text_
    return *this;
}

CString& CString::operator=(char ch) {
    text_.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& other) {
    text_ += other.text_;
    return *this;
}

CString& CString::operator+=(LPCSTR text) {
    if (text != nullptr) text_ += std::string(text);
    return *this;
}

CString& CString::operator+=(char ch) {
    text_ += ch;
    return *this;
}

char CString::GetAt(int index) const {
    ASSERT(index >= 0 && index < GetLength());
    if (index < 0 || index >= GetLength()) return '\0';
    return text_[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch) {
    ASSERT(index >= 0 && index < GetLength());
    if (index >= 0 && index < GetLength()) text_[static_cast<size_t>(index)] = ch;
}

int CString::Compare(LPCSTR text) const { return Sign(strcmp(text_.c_str(), text ? text : "")); }

int CString::CompareNoCase(LPCSTR text) const {
    return Sign(_stricmp(text_.c_str(), text ? text : ""));
}

int CString::Collate(LPCSTR text) const {
    return CompareStringA(LOCALE_USER_DEFAULT, 0, text_.c_str(), -1, text ? text : "", -1) - 2;
}

int CString::CollateNoCase(LPCSTR text) const {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, text_.c_str(), -1,
                          text ? text : "", -1) -
           2;
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    size_t start = Clip(first, text_.size());
    size_t length = Clip(count, text_.size() - start);
    return CString(text_.c_str() + start, static_cast<int>(length));
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
    size_t length = Clip(count, text_.size());
    return Mid(static_cast<int>(text_.size() - length));
}

CString CString::SpanIncluding(LPCSTR set) const {
    return Left(static_cast<int>(strspn(text_.c_str(), set)));
}

CString CString::SpanExcluding(LPCSTR set) const {
    return Left(static_cast<int>(strcspn(text_.c_str(), set)));
}

void CString::MakeUpper() {
    if (!text_.empty()) CharUpperBuffA(&text_[0], static_cast<DWORD>(text_.size()));
}

void CString::MakeLower() {
    if (!text_.empty()) CharLowerBuffA(&text_[0], static_cast<DWORD>(text_.size()));
}

void CString::MakeReverse() { std::reverse(text_.begin(), text_.end()); }

int CString::Replace(char oldChar, char newChar) {
    int count = 0;
    for (char& ch : text_)
        if (ch == oldChar) {
            ch = newChar;
            ++count;
        }
    return count;
}

int CString::Replace(LPCSTR oldText, LPCSTR newText) {
    if (oldText == nullptr || *oldText == '\0') return 0;
    const std::string from(oldText);
    const std::string to(newText ? newText : "");
    std::string result;
    int count = 0;
    size_t at = 0;
    for (size_t found; (found = text_.find(from, at)) != std::string::npos; at = found + from.size()) {
        result.append(text_, at, found - at).append(to);
        ++count;
    }
    if (count > 0) text_ = result.append(text_, at, std::string::npos);
    return count;
}

int CString::Remove(char ch) {
    size_t before = text_.size();
    text_.erase(std::remove(text_.begin(), text_.end(), ch), text_.end());
    return static_cast<int>(before - text_.size());
}

int CString::Insert(int index, char ch) {
    text_.insert(Clip(index, text_.size()), 1, ch);
    return GetLength();
}

int CString::Insert(int index, LPCSTR text) {
    if (text != nullptr) text_.insert(Clip(index, text_.size()), std::string(text));
    return GetLength();
}

int CString::Delete(int index, int count) {
    if (index >= 0 && count > 0) {
        size_t start = Clip(index, text_.size());
        text_.erase(start, Clip(count, text_.size() - start));
    }
    return GetLength();
}

CString& CString::TrimLeftWhile(bool (*matches)(char, LPCSTR), LPCSTR targets) {
    size_t first = 0;
    while (first < text_.size() && matches(text_[first], targets)) ++first;
    text_.erase(0, first);
    return *this;
}

CString& CString::TrimRightWhile(bool (*matches)(char, LPCSTR), LPCSTR targets) {
    size_t end = text_.size();
    while (end > 0 && matches(text_[end - 1], targets)) --end;
    text_.erase(end);
    return *this;
}

CString& CString::TrimLeft() { return TrimLeftWhile(IsSpace, nullptr); }

CString& CString::TrimLeft(char target) {
    const char set[2] = {target, '\0'};
    return TrimLeftWhile(IsInSet, set);
}

CString& CString::TrimLeft(LPCSTR targets) { return TrimLeftWhile(IsInSet, targets ? targets : ""); }

CString& CString::TrimRight() { return TrimRightWhile(IsSpace, nullptr); }

CString& CString::TrimRight(char target) {
    const char set[2] = {target, '\0'};
    return TrimRightWhile(IsInSet, set);
}

CString& CString::TrimRight(LPCSTR targets) {
    return TrimRightWhile(IsInSet, targets ? targets : "");
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::Trim(char target) { return TrimRight(target).TrimLeft(target); }

CString& CString::Trim(LPCSTR targets) { return TrimRight(targets).TrimLeft(targets); }

int CString::Find(char ch, int start) const {
    if (start < 0) start = 0;
    if (static_cast<size_t>(start) >= text_.size()) return -1;
    size_t found = text_.find(ch, static_cast<size_t>(start));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::Find(LPCSTR text, int start) const {
    if (text == nullptr) return -1;
    if (start < 0) start = 0;
    if (static_cast<size_t>(start) > text_.size()) return -1;
    size_t found = text_.find(text, static_cast<size_t>(start));
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::ReverseFind(char ch) const {
    size_t found = text_.rfind(ch);
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

int CString::FindOneOf(LPCSTR set) const {
    if (set == nullptr) return -1;
    size_t found = text_.find_first_of(set);
    return found == std::string::npos ? -1 : static_cast<int>(found);
}

void CString::AppendFormatV(LPCSTR format, va_list args) {
    if (format == nullptr) return;
    std::vector<char> buffer(256);
    for (;;) {
        va_list attempt;
        va_copy(attempt, args);
        int written = vsnprintf(buffer.data(), buffer.size(), format, attempt);
        va_end(attempt);
        if (written >= 0 && static_cast<size_t>(written) < buffer.size()) {
            text_.append(buffer.data(), static_cast<size_t>(written));
            return;
        }
        // A C99 vsnprintf reports the length needed; an older one only -1.
        buffer.resize(written >= 0 ? static_cast<size_t>(written) + 1 : buffer.size() * 2);
    }
}

void CString::FormatV(LPCSTR format, va_list args) {
    CString result;  // built apart: the arguments may point into this string
    result.AppendFormatV(format, args);
    *this = std::move(result);
}

void CString::Format(LPCSTR format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::Format(UINT formatId, ...) {
    CString format;
    if (!format.LoadString(formatId)) return;
    va_list args;
    va_start(args, formatId);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(LPCSTR format, ...) {
    CString piece;
    va_list args;
    va_start(args, format);
    piece.AppendFormatV(format, args);
    va_end(args);
    *this += piece;
}

BOOL CString::LoadString(UINT id) {
    HINSTANCE module = AfxGetResourceHandle();
    std::vector<char> buffer(256);
    for (;;) {
        int length = ::LoadStringA(module, id, buffer.data(), static_cast<int>(buffer.size()));
        if (length <= 0) return FALSE;
        // A string that fills the buffer may have been cut: try a larger one.
        if (static_cast<size_t>(length) < buffer.size() - 1) {
            text_.assign(buffer.data(), static_cast<size_t>(length));
            return TRUE;
        }
        buffer.resize(buffer.size() * 2);
    }
}

LPSTR CString::GetBuffer(int minLength) {
    if (minLength > GetLength()) text_.resize(static_cast<size_t>(minLength), '\0');
    return &text_[0];
}

void CString::ReleaseBuffer(int newLength) {
    if (newLength < 0)
        text_.resize(strlen(text_.c_str()));
    else
        text_.resize(static_cast<size_t>(newLength), '\0');
}

LPSTR CString::GetBufferSetLength(int length) {
    text_.resize(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    return &text_[0];
}

namespace {

template <class Left, class Right>
CString Concatenate(const Left& left, const Right& right) {
    CString result(left);
    return result += right;
}

}  // namespace

CString operator+(const CString& left, const CString& right) { return Concatenate(left, right); }
CString operator+(const CString& left, LPCSTR right) { return Concatenate(left, right); }
CString operator+(LPCSTR left, const CString& right) { return Concatenate(left, right); }
CString operator+(const CString& left, char right) { return Concatenate(left, right); }
CString operator+(char left, const CString& right) { return Concatenate(left, right); }

BOOL AfxExtractSubString(CString& piece, LPCSTR source, int index, char separator) {
    piece.Empty();
    if (source == nullptr || index < 0) return FALSE;
    LPCSTR start = source;
    for (; index > 0; --index) {
        start = strchr(start, separator);
        if (start == nullptr) return FALSE;
        ++start;
    }
    LPCSTR end = strchr(start, separator);
    piece = CString(start, end ? static_cast<int>(end - start) : static_cast<int>(strlen(start)));
    return TRUE;
}
