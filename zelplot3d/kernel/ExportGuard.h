// Every exported C function is a function-try-block whose handler ends in
// zel3d_export_failure: no C++ exception leaves the library; a failure is
// traced and becomes the function's error value (0, null, or nothing).
#pragma once

// Traces the exception being handled.
void zel3d_trace_current_exception() noexcept;

template <class T>
T zel3d_export_failure(T error_value) noexcept {
    zel3d_trace_current_exception();
    return error_value;
}

inline void zel3d_export_failure() noexcept { zel3d_trace_current_exception(); }
