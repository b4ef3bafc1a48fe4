// The framework's exceptions. They are thrown as heap pointers and caught by
// pointer; whoever handles one calls Delete() on it:
//
//   try { file.Open(...) } catch (CFileException* e) { ...; e->Delete(); }
//
// The TRY/CATCH macros do that deletion at the end of the CATCH block unless
// the block re-throws with THROW_LAST().
#pragma once

#include <windows.h>

#include "ObjectModel.h"
#include "TextString.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL autoDelete = TRUE) : m_bAutoDelete(autoDelete) {}

    // Frees a heap exception; does nothing for one made on the stack.
    void Delete();
    // Copies a readable description into `buffer`; FALSE when there is none.
    virtual BOOL GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext = nullptr) const;

protected:
    // Copies `text` into the caller's buffer, cut to fit.
    static BOOL CopyMessage(LPCSTR text, LPSTR buffer, UINT bufferSize);

    BOOL m_bAutoDelete;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext = nullptr) const override;
};

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    BOOL GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext = nullptr) const override;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext = nullptr) const override;
};

// Thrown to stop an operation after the user has already been told why.
class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

    explicit CFileException(int cause = none, LONG osError = -1, LPCSTR fileName = nullptr);

    // The cause that a Win32 error code stands for.
    static int OsErrorToException(LONG osError);
    [[noreturn]] static void ThrowOsError(LONG osError, LPCSTR fileName = nullptr);

    BOOL GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext = nullptr) const override;

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(int cause = none, LPCSTR fileName = nullptr);

    BOOL GetErrorMessage(LPSTR buffer, UINT bufferSize, PUINT helpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowResourceException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowUserException();
[[noreturn]] void AfxThrowFileException(int cause, LONG osError = -1, LPCSTR fileName = nullptr);
[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR fileName = nullptr);

// Deletes a caught exception when its CATCH block ends, unless released.
class CaughtException {
public:
    explicit CaughtException(CException* exception) : exception_(exception) {}
    ~CaughtException() {
        if (exception_) exception_->Delete();
    }
    CaughtException(const CaughtException&) = delete;
    CaughtException& operator=(const CaughtException&) = delete;
    void Release() { exception_ = nullptr; }

private:
    CException* exception_;
};

#define TRY try {
#define CATCH(class_name, e) \
    }                        \
    catch (class_name * e) { \
        CaughtException caughtException(e);
#define AND_CATCH(class_name, e) CATCH(class_name, e)
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST() (caughtException.Release(), throw)
