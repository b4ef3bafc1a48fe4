// Translated resources in an optional library next to the module that owns
// the chart window, and the version block of a module.
#include <initializer_list>
#include <cstdlib>
#include <cstring>
#include <string>

#include "chart/Chart.h"
#include "kernel/Helpers.h"
#include "kernel/ExportGuard.h"

namespace {

constexpr LCID kUserDefaultLocale = 0x400;

// The abbreviated language name of a locale ("ENU", "DEU"), or "".
std::string LanguageAbbreviation(LCID locale) {
    char abbreviation[5] = "";
    if (!GetLocaleInfoA(locale, LOCALE_SABBREVLANGNAME, abbreviation, sizeof abbreviation)) return std::string();
    return abbreviation;
}

char* QueryString(void* block, const char* name) {
    std::string path = std::string("\\StringFileInfo\\040904E4\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (VerQueryValueA(block, path.c_str(), reinterpret_cast<void**>(&value), &length) && value && length > 0)
        return zel3d_strdup(value);
    return zel3d_strdup("");
}

}  // namespace

// The library named after the module (or `base_name`) and a language
// abbreviation, with the first two letters as a second try.
HMODULE zel3d_load_locale_dll(const char* module_path, const char* base_name, const char* abbreviation) {
    std::string path = module_path;
    size_t slash = path.find_last_of('\\');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = base_name ? std::string(base_name) : path.substr(folder.size());
    if (!base_name) name = name.substr(0, name.find('.'));
    std::string stem = folder + name;
    HMODULE module = LoadLibraryA((stem + abbreviation + ".dll").c_str());
    if (!module && strlen(abbreviation) >= 3)
        module = LoadLibraryA((stem + std::string(abbreviation, 2) + ".dll").c_str());
    return module;
}

// The translated-resource library for a locale (0: the user's), falling
// back to the default sublanguage and finally to the base module itself.
HMODULE zel3d_find_locale_module(HMODULE base, LCID locale, const char* base_name) {
    if (!base) return nullptr;
    char module_path[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(base, module_path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return base;
    module_path[length] = '\0';
    if (locale == 0) locale = kUserDefaultLocale;
    std::string first = LanguageAbbreviation(locale);
    if (first.empty()) return base;
    if (HMODULE module = zel3d_load_locale_dll(module_path, base_name, first.c_str())) return module;
    LCID fallback = (locale & 0x3FF) | 0x400;
    if (fallback == locale) return base;
    std::string second = LanguageAbbreviation(fallback);
    if (second.empty() || second.compare(0, 3, first, 0, 3) == 0) return base;
    HMODULE module = zel3d_load_locale_dll(module_path, base_name, second.c_str());
    return module ? module : base;
}

extern "C" {

ZEL3D_API HMODULE Zel3dGetLocalizedResourceHandle(Zel3dChart* chart) try {
    if (!chart || !chart->locale.base_module) return nullptr;
    if (!chart->locale.locale_module)
        chart->locale.locale_module = zel3d_find_locale_module(chart->locale.base_module, 0, nullptr);
    return chart->locale.locale_module;
} catch (...) {
    return zel3d_export_failure<HMODULE>(nullptr);
}

ZEL3D_API void Zel3dReleaseLocalizedResourceHandle(Zel3dChart* chart) try {
    if (!chart) return;
    LocaleHolder& locale = chart->locale;
    if (locale.locale_module && locale.locale_module != locale.base_module) FreeLibrary(locale.locale_module);
    locale.locale_module = nullptr;
} catch (...) {
    zel3d_export_failure();
}

ZEL3D_API char* Zel3dLoadResourceString(Zel3dChart* chart, UINT id, char* buffer, int size) try {
    if (!chart) return buffer;
    LocaleHolder& locale = chart->locale;
    if (!locale.base_module && chart->window)
        locale.base_module = reinterpret_cast<HMODULE>(GetWindowLongPtrA(chart->window, GWLP_HINSTANCE));
    HMODULE module = Zel3dGetLocalizedResourceHandle(chart);
    if (!buffer || size <= 0) {
        buffer = locale.buffer;
        size = sizeof locale.buffer;
    }
    int loaded = module ? LoadStringA(module, id, buffer, size) : 0;
    buffer[loaded > 0 && loaded < size ? loaded : 0] = '\0';
    return buffer;
} catch (...) {
    return zel3d_export_failure<char*>(nullptr);
}

ZEL3D_API int Zel3dGetModuleVersionInfo(HMODULE module, Zel3dVersionInfo* info) try {
    if (!info) return 0;
    char path[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 0;
    path[length] = '\0';
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0) return 0;
    void* block = malloc(size);
    if (!block) return 0;
    int result = GetFileVersionInfoA(path, 0, size, block);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixed_size = 0;
    if (result) result = VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixed), &fixed_size) && fixed;
    if (result) {
        info->major = HIWORD(fixed->dwFileVersionMS);
        info->minor = LOWORD(fixed->dwFileVersionMS);
        info->build = HIWORD(fixed->dwFileVersionLS);
        info->revision = LOWORD(fixed->dwFileVersionLS);
        Zel3dClearVersionInfo(info);
        info->product_name = QueryString(block, "ProductName");
        info->product_version = QueryString(block, "ProductVersion");
        info->legal_notice = QueryString(block, "LegalCopyright");
        info->second_legal_notice = QueryString(block, "LegalCopyright2");
    }
    free(block);
    return result;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

ZEL3D_API int Zel3dClearVersionInfo(Zel3dVersionInfo* info) try {
    if (!info) return 0;
    for (char** text : {&info->product_name, &info->product_version, &info->legal_notice, &info->second_legal_notice}) {
        free(*text);
        *text = nullptr;
    }
    return 1;
} catch (...) {
    return zel3d_export_failure<int>(0);
}

}  // extern "C"
