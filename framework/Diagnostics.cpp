#include "Diagnostics.h"

#include <cstdio>
#include <cstdlib>

#include "ObjectModel.h"

void FrameworkAssertFailed(const char* file, int line) {
    char text[512];
    snprintf(text, sizeof text, "%s(%d): framework check failed\n", file, line);
    OutputDebugStringA(text);
    fputs(text, stderr);
    fflush(stderr);
    if (IsDebuggerPresent()) DebugBreak();
    // No run-time error box: the process just ends.
    TerminateProcess(GetCurrentProcess(), 3);
    abort();  // not reached
}

void FrameworkAssertValid(const CObject* object, const char* file, int line) {
    if (object == nullptr || !AfxIsValidAddress(object, sizeof(CObject), FALSE))
        FrameworkAssertFailed(file, line);
    object->AssertValid();
}

namespace {

bool IsReadable(DWORD protect) {
    if (protect & (PAGE_GUARD | PAGE_NOACCESS)) return false;
    return (protect & (PAGE_READONLY | PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READ |
                       PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY)) != 0;
}

bool IsWritable(DWORD protect) {
    if (protect & (PAGE_GUARD | PAGE_NOACCESS)) return false;
    return (protect & (PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE |
                       PAGE_EXECUTE_WRITECOPY)) != 0;
}

// The end of the accessible region that holds `address`, or the address
// itself when that memory is not accessible.
UINT_PTR AccessibleRegionEnd(UINT_PTR address, bool readWrite) {
    MEMORY_BASIC_INFORMATION info;
    if (VirtualQuery(reinterpret_cast<LPCVOID>(address), &info, sizeof info) == 0) return address;
    if (info.State != MEM_COMMIT) return address;
    if (!(readWrite ? IsWritable(info.Protect) : IsReadable(info.Protect))) return address;
    return reinterpret_cast<UINT_PTR>(info.BaseAddress) + info.RegionSize;
}

}  // namespace

BOOL AfxIsValidAddress(const void* address, UINT_PTR bytes, BOOL readWrite) {
    if (address == nullptr) return FALSE;
    UINT_PTR start = reinterpret_cast<UINT_PTR>(address);
    if (bytes > ~UINT_PTR(0) - start) return FALSE;
    UINT_PTR end = start + bytes;
    UINT_PTR at = start;
    do {
        UINT_PTR regionEnd = AccessibleRegionEnd(at, readWrite != FALSE);
        if (regionEnd == at) return FALSE;
        at = regionEnd;
    } while (at < end);
    return TRUE;
}

BOOL AfxIsValidString(LPCSTR text, int length) {
    if (text == nullptr) return FALSE;
    if (length >= 0) return AfxIsValidAddress(text, static_cast<UINT_PTR>(length), FALSE);
    // Scan region by region up to the terminator.
    UINT_PTR at = reinterpret_cast<UINT_PTR>(text);
    for (;;) {
        UINT_PTR regionEnd = AccessibleRegionEnd(at, false);
        if (regionEnd == at) return FALSE;
        for (; at < regionEnd; ++at)
            if (*reinterpret_cast<const char*>(at) == '\0') return TRUE;
    }
}
