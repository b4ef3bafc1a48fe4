// CFile: a Win32 file handle with checked operations; CStdioFile: a C
// runtime stream with line reading and writing.
//
// Open reports failure by its result (and the optional exception record);
// the path constructor and every other operation throw CFileException.
#pragma once

#include <windows.h>

#include <cstdio>

#include "ObjectModel.h"
#include "TextString.h"

class CFileException;

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition { begin = 0, current = 1, end = 2 };

    CFile();
    // Wraps an open handle, which the object does not close.
    explicit CFile(HANDLE file);
    CFile(LPCSTR fileName, UINT openFlags);
    ~CFile() override;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    virtual BOOL Open(LPCSTR fileName, UINT openFlags, CFileException* error = nullptr);
    virtual UINT Read(void* buffer, UINT count);
    virtual void Write(const void* buffer, UINT count);
    virtual ULONGLONG Seek(LONGLONG offset, UINT from);
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG length);
    virtual void Flush();
    virtual void Close();
    // Closes without throwing.
    virtual void Abort();

    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }

    BOOL IsOpen() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // The name with extension, the full path, and the name without extension.
    CString GetFileName() const;
    CString GetFilePath() const { return m_strFileName; }
    CString GetFileTitle() const;
    void SetFilePath(LPCSTR path) { m_strFileName = path; }

    static void Rename(LPCSTR oldName, LPCSTR newName);
    static void Remove(LPCSTR fileName);

    HANDLE m_hFile;

protected:
    [[noreturn]] void ThrowLastError() const;
    // Closes the handle when the object owns it and forgets it; FALSE when
    // closing failed.
    BOOL ReleaseHandle();

    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};

// The part of a path after its folder (its last separator).
CString FileNamePart(LPCSTR path);

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    // Wraps an open stream, which the object does not close.
    explicit CStdioFile(FILE* stream);
    CStdioFile(LPCSTR fileName, UINT openFlags);
    ~CStdioFile() override;

    BOOL Open(LPCSTR fileName, UINT openFlags, CFileException* error = nullptr) override;
    UINT Read(void* buffer, UINT count) override;
    void Write(const void* buffer, UINT count) override;
    ULONGLONG Seek(LONGLONG offset, UINT from) override;
    ULONGLONG GetPosition() const override;
    ULONGLONG GetLength() const override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    // The next line without its line end; FALSE at the end of the file.
    BOOL ReadString(CString& line);
    // Up to max - 1 characters of the next line, line end included (like
    // fgets); null at the end of the file.
    LPSTR ReadString(LPSTR buffer, UINT max);
    void WriteString(LPCSTR text);

    FILE* m_pStream;

private:
    [[noreturn]] void ThrowStreamError() const;
    void CheckStreamError();
    bool ReleaseStream();
};
