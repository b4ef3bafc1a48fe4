#include "Archive.h"

#include <cstring>

#include "Exceptions.h"

CArchive::CArchive(CFile* file, UINT mode, int, void*) : file_(file), mode_(mode) {
    ASSERT(file != nullptr);
}

UINT CArchive::Read(void* buffer, UINT count) {
    ASSERT(IsLoading());
    if (!IsLoading()) AfxThrowArchiveException(CArchiveException::writeOnly);
    return file_->Read(buffer, count);
}

void CArchive::Write(const void* buffer, UINT count) {
    ASSERT(IsStoring());
    if (!IsStoring()) AfxThrowArchiveException(CArchiveException::readOnly);
    file_->Write(buffer, count);
}

CArchive& CArchive::WriteUnsigned(ULONGLONG value, int bytes) {
    BYTE data[8];
    for (int i = 0; i < bytes; ++i) data[i] = static_cast<BYTE>(value >> (8 * i));
    Write(data, static_cast<UINT>(bytes));
    return *this;
}

ULONGLONG CArchive::ReadUnsigned(int bytes) {
    BYTE data[8];
    if (Read(data, static_cast<UINT>(bytes)) != static_cast<UINT>(bytes))
        AfxThrowArchiveException(CArchiveException::endOfFile, file_->GetFilePath());
    ULONGLONG value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | data[i];
    return value;
}

CArchive& CArchive::operator<<(float value) {
    UINT bits;
    memcpy(&bits, &value, sizeof bits);
    return WriteUnsigned(bits, 4);
}

CArchive& CArchive::operator<<(double value) {
    ULONGLONG bits;
    memcpy(&bits, &value, sizeof bits);
    return WriteUnsigned(bits, 8);
}

CArchive& CArchive::operator<<(const CString& value) {
    UINT length = static_cast<UINT>(value.GetLength());
    if (length < 0xFF) {
        WriteUnsigned(length, 1);
    } else if (length < 0xFFFF) {
        WriteUnsigned(0xFF, 1);
        WriteUnsigned(length, 2);
    } else {
        WriteUnsigned(0xFF, 1);
        WriteUnsigned(0xFFFF, 2);
        WriteUnsigned(length, 4);
    }
    Write(static_cast<LPCSTR>(value), length);
    return *this;
}

CArchive& CArchive::operator>>(bool& value) {
    value = ReadUnsigned(1) != 0;
    return *this;
}

CArchive& CArchive::operator>>(float& value) {
    UINT bits = static_cast<UINT>(ReadUnsigned(4));
    memcpy(&value, &bits, sizeof value);
    return *this;
}

CArchive& CArchive::operator>>(double& value) {
    ULONGLONG bits = ReadUnsigned(8);
    memcpy(&value, &bits, sizeof value);
    return *this;
}

CArchive& CArchive::operator>>(CString& value) {
    UINT length = static_cast<UINT>(ReadUnsigned(1));
    if (length == 0xFF) {
        length = static_cast<UINT>(ReadUnsigned(2));
        if (length == 0xFFFF) length = static_cast<UINT>(ReadUnsigned(4));
    }
    CString text;
    if (length > 0) {
        // Read in pieces so that a corrupt length fails at the end of the file
        // instead of allocating its full size up front.
        const UINT kPiece = 0x10000;
        for (UINT done = 0; done < length;) {
            UINT piece = length - done < kPiece ? length - done : kPiece;
            LPSTR buffer = text.GetBuffer(static_cast<int>(done + piece));
            if (Read(buffer + done, piece) != piece)
                AfxThrowArchiveException(CArchiveException::endOfFile, file_->GetFilePath());
            done += piece;
            text.ReleaseBuffer(static_cast<int>(done));
        }
    }
    value = text;
    return *this;
}
