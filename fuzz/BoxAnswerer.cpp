#include "fuzz/BoxAnswerer.h"

#include <windows.h>

#include <cstring>

namespace {

int g_answered = 0;
int g_button = 0;

int WINAPI AnswerBox(HWND, LPCSTR, LPCSTR, UINT type) {
    ++g_answered;
    if (g_button != 0) return g_button;
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
        case MB_YESNOCANCEL:
        case MB_RETRYCANCEL:
            return IDCANCEL;
        case MB_YESNO:
            return IDNO;
        case MB_ABORTRETRYIGNORE:
            return IDABORT;
        default:
            return IDOK;
    }
}

// The import address table slot of user32's MessageBoxA in `module`.
FARPROC* FindImportSlot(HMODULE module) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return nullptr;
    auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
    for (; import->Name != 0; ++import) {
        if (_stricmp(reinterpret_cast<const char*>(base + import->Name), "user32.dll") != 0)
            continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* name = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (strcmp(reinterpret_cast<const char*>(name->Name), "MessageBoxA") == 0)
                return reinterpret_cast<FARPROC*>(&slots->u1.Function);
        }
    }
    return nullptr;
}

}  // namespace

bool InstallBoxAnswerer() {
    FARPROC* slot = FindImportSlot(GetModuleHandleA(nullptr));
    if (slot == nullptr) return false;
    DWORD oldProtection = 0;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &oldProtection)) return false;
    // Through a plain pointer: the slot's type is the generic FARPROC.
    void* answer = reinterpret_cast<void*>(&AnswerBox);
    memcpy(slot, &answer, sizeof answer);
    VirtualProtect(slot, sizeof *slot, oldProtection, &oldProtection);
    return true;
}

int TakeAnsweredBoxCount() {
    const int count = g_answered;
    g_answered = 0;
    return count;
}

void AnswerBoxesWith(int button) {
    g_button = button;
}
