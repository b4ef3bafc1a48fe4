// Watches the input being read from a thread of its own: an input that runs
// longer than the time limit, or makes the process grow beyond the memory
// ceiling, ends the process at once with a code that tells which.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>

constexpr UINT kExitHang = 0x4C48;    // the time limit of an input passed
constexpr UINT kExitMemory = 0x4C4D;  // an input grew the process past the ceiling

class InputWatchdog {
public:
    InputWatchdog(unsigned hangMilliseconds, size_t memoryCeilingBytes);
    ~InputWatchdog();
    InputWatchdog(const InputWatchdog&) = delete;
    InputWatchdog& operator=(const InputWatchdog&) = delete;

    void Begin();
    // Ends the input; returns how long it ran and how far it grew the
    // process's working set above what it was at Begin.
    void End(double* milliseconds, size_t* peakBytes);

private:
    static DWORD WINAPI Watch(LPVOID self);
    void Sample();

    const unsigned hangMilliseconds_;
    const size_t ceiling_;
    HANDLE thread_ = nullptr;
    std::atomic<bool> stop_{false};
    std::atomic<bool> active_{false};
    std::atomic<LONGLONG> started_{0};
    std::atomic<size_t> base_{0};
    std::atomic<size_t> highest_{0};
    size_t peakBefore_ = 0;
    LARGE_INTEGER frequency_{};
};
