#include "Files.h"

#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>

#include "Exceptions.h"

IMPLEMENT_DYNAMIC(CFile, CObject)
IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

DWORD AccessOf(UINT flags) {
    switch (flags & 3) {
        case CFile::modeWrite: return GENERIC_WRITE;
        case CFile::modeReadWrite: return GENERIC_READ | GENERIC_WRITE;
        default: return GENERIC_READ;
    }
}

DWORD ShareOf(UINT flags) {
    switch (flags & 0x70) {
        case CFile::shareDenyWrite: return FILE_SHARE_READ;
        case CFile::shareDenyRead: return FILE_SHARE_WRITE;
        case CFile::shareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
        default: return 0;  // shareCompat and shareExclusive
    }
}

DWORD CreationOf(UINT flags) {
    if (!(flags & CFile::modeCreate)) return OPEN_EXISTING;
    return (flags & CFile::modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
}

CString FullPathOf(LPCSTR fileName) {
    char full[MAX_PATH];
    DWORD length = GetFullPathNameA(fileName, MAX_PATH, full, nullptr);
    return (length > 0 && length < MAX_PATH) ? CString(full) : CString(fileName);
}

}  // namespace

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE file) : m_hFile(file), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR fileName, UINT openFlags) : CFile() {
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile() {
    ReleaseHandle();
}

BOOL CFile::Open(LPCSTR fileName, UINT openFlags, CFileException* error) {
    ASSERT(!IsOpen());
    m_strFileName = FullPathOf(fileName);
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, !(openFlags & modeNoInherit)};
    HANDLE file = CreateFileA(fileName, AccessOf(openFlags), ShareOf(openFlags), &security,
                              CreationOf(openFlags), FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (error != nullptr) {
            error->m_lOsError = static_cast<LONG>(GetLastError());
            error->m_cause = CFileException::OsErrorToException(error->m_lOsError);
            error->m_strFileName = fileName;
        }
        return FALSE;
    }
    m_hFile = file;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

void CFile::ThrowLastError() const {
    CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), m_strFileName);
}

UINT CFile::Read(void* buffer, UINT count) {
    if (count == 0) return 0;
    DWORD read = 0;
    if (!ReadFile(m_hFile, buffer, count, &read, nullptr)) ThrowLastError();
    return read;
}

void CFile::Write(const void* buffer, UINT count) {
    if (count == 0) return;
    DWORD written = 0;
    if (!WriteFile(m_hFile, buffer, count, &written, nullptr)) ThrowLastError();
    if (written != count) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

ULONGLONG CFile::Seek(LONGLONG offset, UINT from) {
    LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(m_hFile, distance, &position, from)) ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
    LARGE_INTEGER zero, position;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT)) ThrowLastError();
    return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError();
    return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG length) {
    Seek(static_cast<LONGLONG>(length), begin);
    if (!SetEndOfFile(m_hFile)) ThrowLastError();
}

void CFile::Flush() {
    if (IsOpen() && !FlushFileBuffers(m_hFile)) ThrowLastError();
}

BOOL CFile::ReleaseHandle() {
    BOOL closed = TRUE;
    if (IsOpen() && m_bCloseOnDelete) closed = CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    return closed;
}

void CFile::Close() {
    if (!ReleaseHandle()) ThrowLastError();
}

void CFile::Abort() { ReleaseHandle(); }

CString CFile::GetFileName() const { return FileNamePart(m_strFileName); }

CString CFile::GetFileTitle() const {
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

CString FileNamePart(LPCSTR path) {
    if (path == nullptr) return CString();
    LPCSTR name = path;
    for (LPCSTR at = path; *at != '\0'; ++at)
        if (*at == '\\' || *at == '/' || *at == ':') name = at + 1;
    return CString(name);
}

void CFile::Rename(LPCSTR oldName, LPCSTR newName) {
    if (!MoveFileA(oldName, newName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), oldName);
}

void CFile::Remove(LPCSTR fileName) {
    if (!DeleteFileA(fileName))
        CFileException::ThrowOsError(static_cast<LONG>(GetLastError()), fileName);
}

CStdioFile::CStdioFile() : m_pStream(nullptr) {}

CStdioFile::CStdioFile(FILE* stream) : m_pStream(stream) {
    if (stream != nullptr) m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
}

CStdioFile::CStdioFile(LPCSTR fileName, UINT openFlags) : CStdioFile() {
    CFileException error;
    if (!Open(fileName, openFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CStdioFile::~CStdioFile() {
    if (m_pStream != nullptr) ReleaseStream();
}

BOOL CStdioFile::Open(LPCSTR fileName, UINT openFlags, CFileException* error) {
    // The handle is opened as a CFile would open it, then becomes a stream.
    if (!CFile::Open(fileName, openFlags & ~(typeText | typeBinary), error)) return FALSE;
    const bool binary = (openFlags & typeBinary) != 0;
    int descriptorFlags = binary ? _O_BINARY : _O_TEXT;
    const char* mode;
    switch (openFlags & 3) {
        case modeWrite:
            mode = binary ? "wb" : "wt";
            break;
        case modeReadWrite:
            mode = binary ? "r+b" : "r+t";
            break;
        default:
            descriptorFlags |= _O_RDONLY;
            mode = binary ? "rb" : "rt";
            break;
    }
    int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), descriptorFlags);
    m_pStream = descriptor >= 0 ? _fdopen(descriptor, mode) : nullptr;
    if (m_pStream == nullptr) {
        if (descriptor >= 0)
            _close(descriptor);
        else
            CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
        m_bCloseOnDelete = FALSE;
        if (error != nullptr) {
            error->m_cause = CFileException::genericException;
            error->m_lOsError = errno;
            error->m_strFileName = fileName;
        }
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::ThrowStreamError() const {
    AfxThrowFileException(CFileException::genericException, errno, m_strFileName);
}

void CStdioFile::CheckStreamError() {
    if (!ferror(m_pStream)) return;
    clearerr(m_pStream);
    ThrowStreamError();
}

UINT CStdioFile::Read(void* buffer, UINT count) {
    if (count == 0) return 0;
    size_t read = fread(buffer, 1, count, m_pStream);
    if (read < count) CheckStreamError();
    return static_cast<UINT>(read);
}

void CStdioFile::Write(const void* buffer, UINT count) {
    if (count > 0 && fwrite(buffer, 1, count, m_pStream) != count)
        AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

ULONGLONG CStdioFile::Seek(LONGLONG offset, UINT from) {
    static const int kOrigins[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (from > end || _fseeki64(m_pStream, offset, kOrigins[from]) != 0)
        AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetPosition() const {
    long long position = _ftelli64(m_pStream);
    if (position < 0) ThrowStreamError();
    return static_cast<ULONGLONG>(position);
}

ULONGLONG CStdioFile::GetLength() const {
    fflush(m_pStream);
    return CFile::GetLength();
}

void CStdioFile::Flush() {
    if (m_pStream != nullptr && fflush(m_pStream) != 0)
        AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}

bool CStdioFile::ReleaseStream() {
    bool closed = true;
    if (m_pStream != nullptr && m_bCloseOnDelete) closed = fclose(m_pStream) == 0;
    m_pStream = nullptr;
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    return closed;
}

void CStdioFile::Close() {
    if (!ReleaseStream()) ThrowStreamError();
}

void CStdioFile::Abort() { ReleaseStream(); }

BOOL CStdioFile::ReadString(CString& line) {
    line.Empty();
    char chunk[256];
    bool readAny = false;
    while (fgets(chunk, sizeof chunk, m_pStream) != nullptr) {
        readAny = true;
        size_t length = strlen(chunk);
        if (length > 0 && chunk[length - 1] == '\n') {
            chunk[length - 1] = '\0';
            line += chunk;
            return TRUE;
        }
        line += chunk;
    }
    CheckStreamError();
    return readAny;
}

LPSTR CStdioFile::ReadString(LPSTR buffer, UINT max) {
    LPSTR result = fgets(buffer, static_cast<int>(max), m_pStream);
    if (result == nullptr) CheckStreamError();
    return result;
}

void CStdioFile::WriteString(LPCSTR text) {
    if (fputs(text, m_pStream) == EOF)
        AfxThrowFileException(CFileException::diskFull, errno, m_strFileName);
}
