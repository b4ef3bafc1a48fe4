// Debug-only checks of the framework and of the code built on it.
//
// ASSERT and ASSERT_VALID compile to nothing when NDEBUG is defined, so they
// must never carry side effects; VERIFY always evaluates its expression and
// checks the result only in debug builds. A failed check reports the file and
// line on stderr and the debugger output, then ends the process (exit code 3).
#pragma once

#include <windows.h>

class CObject;

// Reports a failed check and ends the process; never returns.
[[noreturn]] void FrameworkAssertFailed(const char* file, int line);
// Runs the object's own invariant check (debug builds only).
void FrameworkAssertValid(const CObject* object, const char* file, int line);

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pObject) ((void)0)
#define ASSERT_KINDOF(class_name, pObject) ((void)0)
#else
#define ASSERT(f) ((f) ? (void)0 : FrameworkAssertFailed(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pObject) FrameworkAssertValid((pObject), __FILE__, __LINE__)
#define ASSERT_KINDOF(class_name, pObject) ASSERT((pObject)->IsKindOf(RUNTIME_CLASS(class_name)))
#endif

// True when [address, address + bytes) lies in committed memory that can be
// read (and, with readWrite, written). A null address is never valid.
BOOL AfxIsValidAddress(const void* address, UINT_PTR bytes, BOOL readWrite = TRUE);
// True when `text` is readable for `length` characters, or up to and
// including its terminator when length is -1.
BOOL AfxIsValidString(LPCSTR text, int length = -1);
