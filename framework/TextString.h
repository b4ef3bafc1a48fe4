// CString: a growable string of char (the programs are ANSI builds).
//
// It converts implicitly to LPCSTR. Pass it to printf-style functions as
// (LPCSTR)text or text.GetString(): an object must not go through "...".
// Every assignment is safe when the source is the string itself or points
// into its own buffer. GetBuffer hands out the buffer for direct writing;
// ReleaseBuffer ends that and fixes the length.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

// Lets the compiler check printf-style arguments (and refuse a CString
// passed where %s wants its text).
#if defined(__GNUC__)
#define FRAMEWORK_PRINTF(formatIndex, firstArgument) \
    __attribute__((format(__MINGW_PRINTF_FORMAT, formatIndex, firstArgument)))
#else
#define FRAMEWORK_PRINTF(formatIndex, firstArgument)
#endif

class CString {
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    // A null text makes an empty string; a resource id (MAKEINTRESOURCE)
    // loads that string from the string table.
    CString(LPCSTR text);  // NOLINT: implicit like the Win32 string types
    CString(LPCSTR text, int length);
    explicit CString(char ch, int repeat = 1);
    ~CString() = default;

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCSTR text);
    CString& operator=(char ch);

    CString& operator+=(const CString& other);
    CString& operator+=(LPCSTR text);
    CString& operator+=(char ch);

    int GetLength() const { return static_cast<int>(text_.size()); }
    BOOL IsEmpty() const { return text_.empty(); }
    void Empty() { text_.clear(); }

    char GetAt(int index) const;
    void SetAt(int index, char ch);
    char operator[](int index) const { return GetAt(index); }

    operator LPCSTR() const { return text_.c_str(); }  // NOLINT: implicit by design
    LPCSTR GetString() const { return text_.c_str(); }

    // Comparisons: <0, 0, >0 like strcmp; Collate follows the user's locale.
    int Compare(LPCSTR text) const;
    int CompareNoCase(LPCSTR text) const;
    int Collate(LPCSTR text) const;
    int CollateNoCase(LPCSTR text) const;

    // Pieces; out-of-range positions and counts are clipped to the string.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    // The leading run of characters that are (are not) in `set`.
    CString SpanIncluding(LPCSTR set) const;
    CString SpanExcluding(LPCSTR set) const;

    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    // Each returns the number of replacements or removals made.
    int Replace(char oldChar, char newChar);
    int Replace(LPCSTR oldText, LPCSTR newText);
    int Remove(char ch);
    // Each returns the new length; an index past the end appends.
    int Insert(int index, char ch);
    int Insert(int index, LPCSTR text);
    int Delete(int index, int count = 1);

    // Trimming without an argument removes white space.
    CString& TrimLeft();
    CString& TrimLeft(char target);
    CString& TrimLeft(LPCSTR targets);
    CString& TrimRight();
    CString& TrimRight(char target);
    CString& TrimRight(LPCSTR targets);
    CString& Trim();
    CString& Trim(char target);
    CString& Trim(LPCSTR targets);

    // Positions from 0, or -1 when not found.
    int Find(char ch, int start = 0) const;
    int Find(LPCSTR text, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR set) const;

    void Format(LPCSTR format, ...) FRAMEWORK_PRINTF(2, 3);
    void Format(UINT formatId, ...);
    void FormatV(LPCSTR format, va_list args) FRAMEWORK_PRINTF(2, 0);
    void AppendFormat(LPCSTR format, ...) FRAMEWORK_PRINTF(2, 3);

    // Loads a string of the resource module's string table; FALSE (and the
    // string unchanged) when there is no such string.
    BOOL LoadString(UINT id);

    // A buffer of at least minLength characters plus the terminator, holding
    // the current text; valid until the next call on the string.
    LPSTR GetBuffer(int minLength);
    // Ends a GetBuffer: the length becomes newLength, or the position of the
    // first terminator when -1.
    void ReleaseBuffer(int newLength = -1);
    LPSTR GetBufferSetLength(int length);
    void FreeExtra() { text_.shrink_to_fit(); }

private:
    void AppendFormatV(LPCSTR format, va_list args) FRAMEWORK_PRINTF(2, 0);
    CString& TrimLeftWhile(bool (*matches)(char, LPCSTR), LPCSTR targets);
    CString& TrimRightWhile(bool (*matches)(char, LPCSTR), LPCSTR targets);

    std::string text_;
};

CString operator+(const CString& left, const CString& right);
CString operator+(const CString& left, LPCSTR right);
CString operator+(LPCSTR left, const CString& right);
CString operator+(const CString& left, char right);
CString operator+(char left, const CString& right);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

// Copies the index-th piece of `source` separated by `separator` into
// `piece`; FALSE (and `piece` empty) when there are fewer pieces.
BOOL AfxExtractSubString(CString& piece, LPCSTR source, int index, char separator = '\n');
