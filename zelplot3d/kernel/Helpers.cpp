#include "kernel/Helpers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <new>

#include "kernel/ExportGuard.h"

char* zel3d_strdup(const char* text) {
    if (!text) return nullptr;
    size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy) memcpy(copy, text, size);
    return copy;
}

bool zel3d_strequal(const char* a, const char* b) {
    if (a == b) return true;
    if (!a) return b[0] == '\0';
    if (!b) return a[0] == '\0';
    return strcmp(a, b) == 0;
}

void zel3d_strlower(const char* text, char* buffer) {
    int n = 0;
    for (; text && text[n] && n < kLowerBufferSize - 1; ++n) {
        char c = text[n];
        buffer[n] = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    }
    buffer[n] = '\0';
}

double zel3d_floor(double x) { return floor(x + 1e-13); }

double zel3d_ceil(double x) { return ceil(x - 1e-13); }

int zel3d_decimal_exponent(double x) {
    if (x == 0.0 || !std::isfinite(x)) return kNoExponent;
    return -int(zel3d_floor(log10(fabs(x))));
}

std::string zel3d_expand_path(const char* path) {
    if (!path) return std::string();
    std::string result;
    const char* p = path;
    if (*p == '/') {
        result = "/";
        ++p;
    }
    bool first = true;
    while (*p) {
        const char* end = strchr(p, '/');
        std::string component = end ? std::string(p, end) : std::string(p);
        if (!component.empty() && component[0] == '$') {
            const char* value = getenv(component.c_str() + 1);
            if (value) component = value;
        }
        if (!first) result += '/';
        result += component;
        first = false;
        if (!end) break;
        p = end + 1;
        if (!*p) result += '/';
    }
    return result;
}

void zel3d_vtrace(const char* format, va_list args) {
    char message[1028];
    vsnprintf(message, sizeof message, format, args);
    // Diagnostics are formatted for a debugger's eyes only; nothing is shown.
}

void zel3d_trace(const char* format, ...) {
    va_list args;
    va_start(args, format);
    zel3d_vtrace(format, args);
    va_end(args);
}

void zel3d_fix_range(double* min, double* max, int* min_use_default, int* max_use_default,
                     double data_min, double data_max) {
    if (!(*max > *min)) {
        if (!*max_use_default) {
            *max_use_default = 1;
            *max = data_max;
        }
        if (!(*max > *min) && !*min_use_default) {
            *min_use_default = 1;
            *min = data_min;
        }
    }
    if (!std::isfinite(*min) || !std::isfinite(*max)) {
        *min = 0.0;
        *max = 1.0;
        return;
    }
    // Widen around min by 1, 10, 100, ... until the range has room; a value
    // so large that adding to it changes nothing stops at the last power.
    for (int i = 0; !(*max > *min) && i < 309; ++i) {
        double step = pow(10.0, i);
        *max = *min + step;
        if (*max > *min) *min -= step;
    }
    if (!(*max > *min) || !std::isfinite(*max)) {
        *min = 0.0;
        *max = 1.0;
    }
}

void zel3d_trace_current_exception() noexcept {
    try {
        throw;
    } catch (const std::bad_alloc&) {
        zel3d_trace("ZEL/3d: out of memory\n");
    } catch (const std::exception& failure) {
        zel3d_trace("ZEL/3d: %s\n", failure.what());
    } catch (...) {
        zel3d_trace("ZEL/3d: unknown failure\n");
    }
}
