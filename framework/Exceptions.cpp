#include "Exceptions.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CResourceException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CUserException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)

void CException::Delete() {
    if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext) const {
    if (helpContext) *helpContext = 0;
    if (buffer && bufferSize > 0) *buffer = '\0';
    return FALSE;
}

BOOL CException::CopyMessage(LPCSTR text, LPSTR buffer, UINT bufferSize) {
    if (buffer == nullptr || bufferSize == 0) return FALSE;
    lstrcpynA(buffer, text, static_cast<int>(bufferSize));
    return TRUE;
}

BOOL CMemoryException::GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext) const {
    if (helpContext) *helpContext = 0;
    return CopyMessage("Out of memory.", buffer, bufferSize);
}

BOOL CResourceException::GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext) const {
    if (helpContext) *helpContext = 0;
    return CopyMessage("A required resource was unavailable.", buffer, bufferSize);
}

BOOL CNotSupportedException::GetErrorMessage(LPSTR buffer, UINT bufferSize,
                                             PUINT helpContext) const {
    if (helpContext) *helpContext = 0;
    return CopyMessage("The operation is not supported.", buffer, bufferSize);
}

CFileException::CFileException(int cause, LONG osError, LPCSTR fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

int CFileException::OsErrorToException(LONG osError) {
    switch (osError) {
        case NO_ERROR: return none;
        case ERROR_FILE_NOT_FOUND: return fileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH: return badPath;
        case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return accessDenied;
        case ERROR_INVALID_HANDLE: return invalidFile;
        case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
        case ERROR_CANNOT_MAKE: return directoryFull;
        case ERROR_SEEK:
        case ERROR_NEGATIVE_SEEK: return badSeek;
        case ERROR_SHARING_VIOLATION: return sharingViolation;
        case ERROR_LOCK_VIOLATION: return lockViolation;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL: return diskFull;
        case ERROR_HANDLE_EOF: return endOfFile;
        case ERROR_CRC:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
        case ERROR_GEN_FAILURE: return hardIO;
        default: return genericException;
    }
}

void CFileException::ThrowOsError(LONG osError, LPCSTR fileName) {
    AfxThrowFileException(OsErrorToException(osError), osError, fileName);
}

BOOL CFileException::GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext) const {
    if (helpContext) *helpContext = 0;
    static const char* const kCauses[] = {
        "No error occurred",
        "An unexpected error occurred while accessing",
        "Cannot find",
        "The path is not valid for",
        "Too many files are open to open",
        "Access was denied to",
        "The file handle is not valid for",
        "Cannot remove the current folder",
        "The folder is full; cannot create",
        "Cannot seek in",
        "A hardware I/O error occurred while accessing",
        "A sharing violation occurred while accessing",
        "A locking violation occurred while accessing",
        "The disk is full while accessing",
        "An attempt was made to access beyond the end of",
    };
    int cause = (m_cause >= none && m_cause <= endOfFile) ? m_cause : genericException;
    CString text(kCauses[cause]);
    text += m_strFileName.IsEmpty() ? CString(" the file.") : " " + m_strFileName + ".";
    return CopyMessage(text, buffer, bufferSize);
}

CArchiveException::CArchiveException(int cause, LPCSTR fileName)
    : m_cause(cause), m_strFileName(fileName) {}

BOOL CArchiveException::GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext) const {
    if (helpContext) *helpContext = 0;
    static const char* const kCauses[] = {
        "No error occurred.",
        "An unexpected error occurred while reading or writing the archive.",
        "Cannot write to an archive opened for reading.",
        "Unexpected end of the archive.",
        "Cannot read from an archive opened for writing.",
        "The archive holds an invalid object reference.",
        "The archive holds an unknown class.",
        "The archive holds an object of an unsupported version.",
    };
    int cause = (m_cause >= none && m_cause <= badSchema) ? m_cause : genericException;
    return CopyMessage(kCauses[cause], buffer, bufferSize);
}

void AfxThrowMemoryException() { throw new CMemoryException; }

void AfxThrowResourceException() { throw new CResourceException; }

void AfxThrowNotSupportedException() { throw new CNotSupportedException; }

void AfxThrowUserException() { throw new CUserException; }

void AfxThrowFileException(int cause, LONG osError, LPCSTR fileName) {
    throw new CFileException(cause, osError, fileName);
}

void AfxThrowArchiveException(int cause, LPCSTR fileName) {
    throw new CArchiveException(cause, fileName);
}
