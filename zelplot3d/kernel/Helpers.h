// Small helpers the whole library shares: strings, tolerant rounding,
// decimal exponents, paths with $NAME components and the error forwarder.
#pragma once

#include <cstdarg>
#include <string>


// Newly allocated (malloc) copy; null stays null.
char* zel3d_strdup(const char* text);
// Equal texts; null counts as empty.
bool zel3d_strequal(const char* a, const char* b);
// Lower-case copy of at most 999 characters (`buffer` holds 1000).
void zel3d_strlower(const char* text, char* buffer);
constexpr int kLowerBufferSize = 1000;
// Values within 1e-13 of an integer count as that integer.
double zel3d_floor(double x);
double zel3d_ceil(double x);
// Minus the floor of log10 |x| (1234.5 gives -3, 0.05 gives 2); 0x3FFFFFFF
// for 0 and for values that are not finite.
int zel3d_decimal_exponent(double x);
constexpr int kNoExponent = 0x3FFFFFFF;
// The path with each "/"-separated component that starts with $ replaced by
// that environment variable's value (when it exists).
std::string zel3d_expand_path(const char* path);
// Diagnostics without a chart: formatted for a debugger's eyes, then dropped.
void zel3d_trace(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));
void zel3d_vtrace(const char* format, va_list args);
// Makes [min, max] non-empty (see the redraw's range rules). Ranges that are
// not finite become [0, 1] so that the widening always ends.
void zel3d_fix_range(double* min, double* max, int* min_use_default, int* max_use_default,
                     double data_min, double data_max);
