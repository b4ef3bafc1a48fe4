// CArchive: reads or writes values in a fixed binary form through a CFile.
//
// Numbers are written field by field in little-endian order (floating point
// in IEEE form); a CString is its length (one byte, or 0xFF and a 16-bit
// length, or 0xFF, 0xFFFF and a 32-bit length) followed by its characters.
// Reading past the end throws CArchiveException::endOfFile. The archive
// reads and writes the file directly, so the file may also be used between
// archive calls.
#pragma once

#include <windows.h>

#include "Files.h"
#include "TextString.h"

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2 };

    // bufferSize and buffer are accepted for compatibility; nothing is buffered.
    CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (mode_ & load) != 0; }
    BOOL IsStoring() const { return !IsLoading(); }
    CFile* GetFile() const { return file_; }

    // Reads up to count bytes; returns how many were read.
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);
    void Flush() {}
    void Close() { file_ = nullptr; }
    void Abort() { file_ = nullptr; }

    CArchive& operator<<(BYTE value) { return WriteUnsigned(value, 1); }
    CArchive& operator<<(char value) { return WriteUnsigned(static_cast<BYTE>(value), 1); }
    CArchive& operator<<(bool value) { return WriteUnsigned(value ? 1 : 0, 1); }
    CArchive& operator<<(WORD value) { return WriteUnsigned(value, 2); }
    CArchive& operator<<(short value) { return WriteUnsigned(static_cast<WORD>(value), 2); }
    CArchive& operator<<(UINT value) { return WriteUnsigned(value, 4); }
    CArchive& operator<<(int value) { return WriteUnsigned(static_cast<UINT>(value), 4); }
    CArchive& operator<<(DWORD value) { return WriteUnsigned(value, 4); }
    CArchive& operator<<(LONG value) { return WriteUnsigned(static_cast<DWORD>(value), 4); }
    CArchive& operator<<(ULONGLONG value) { return WriteUnsigned(value, 8); }
    CArchive& operator<<(LONGLONG value) { return WriteUnsigned(static_cast<ULONGLONG>(value), 8); }
    CArchive& operator<<(float value);
    CArchive& operator<<(double value);
    CArchive& operator<<(const CString& value);

    CArchive& operator>>(BYTE& value) { return ReadInto(value); }
    CArchive& operator>>(char& value) { return ReadInto(value); }
    CArchive& operator>>(bool& value);
    CArchive& operator>>(WORD& value) { return ReadInto(value); }
    CArchive& operator>>(short& value) { return ReadInto(value); }
    CArchive& operator>>(UINT& value) { return ReadInto(value); }
    CArchive& operator>>(int& value) { return ReadInto(value); }
    CArchive& operator>>(DWORD& value) { return ReadInto(value); }
    CArchive& operator>>(LONG& value) { return ReadInto(value); }
    CArchive& operator>>(ULONGLONG& value) { return ReadInto(value); }
    CArchive& operator>>(LONGLONG& value) { return ReadInto(value); }
    CArchive& operator>>(float& value);
    CArchive& operator>>(double& value);
    CArchive& operator>>(CString& value);

private:
    CArchive& WriteUnsigned(ULONGLONG value, int bytes);
    ULONGLONG ReadUnsigned(int bytes);
    template <class T>
    CArchive& ReadInto(T& value) {
        value = static_cast<T>(ReadUnsigned(sizeof(T)));
        return *this;
    }

    CFile* file_;
    UINT mode_;
};
