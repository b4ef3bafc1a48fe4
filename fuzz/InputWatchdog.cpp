#include "fuzz/InputWatchdog.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>

namespace {

struct MemoryNow {
    size_t workingSet = 0;
    size_t peakWorkingSet = 0;
};

MemoryNow Measure() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    MemoryNow now;
    if (GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) {
        now.workingSet = counters.WorkingSetSize;
        now.peakWorkingSet = counters.PeakWorkingSetSize;
    }
    return now;
}

LONGLONG Ticks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

InputWatchdog::InputWatchdog(unsigned hangMilliseconds, size_t memoryCeilingBytes)
    : hangMilliseconds_(hangMilliseconds), ceiling_(memoryCeilingBytes) {
    QueryPerformanceFrequency(&frequency_);
    thread_ = CreateThread(nullptr, 0, &InputWatchdog::Watch, this, 0, nullptr);
}

InputWatchdog::~InputWatchdog() {
    stop_ = true;
    if (thread_ != nullptr) {
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
}

void InputWatchdog::Begin() {
    const MemoryNow now = Measure();
    base_ = now.workingSet;
    highest_ = now.workingSet;
    peakBefore_ = now.peakWorkingSet;
    started_ = Ticks();
    active_ = true;
}

void InputWatchdog::End(double* milliseconds, size_t* peakBytes) {
    active_ = false;
    *milliseconds = double(Ticks() - started_) * 1000.0 / double(frequency_.QuadPart);
    const MemoryNow now = Measure();
    size_t highest = std::max<size_t>(highest_, now.workingSet);
    // A new record of the whole process was set by this input.
    if (now.peakWorkingSet > peakBefore_) highest = std::max(highest, now.peakWorkingSet);
    *peakBytes = highest > base_ ? highest - base_ : 0;
    if (*peakBytes > ceiling_) {
        fflush(stdout);
        TerminateProcess(GetCurrentProcess(), kExitMemory);
    }
}

DWORD WINAPI InputWatchdog::Watch(LPVOID self) {
    static_cast<InputWatchdog*>(self)->Sample();
    return 0;
}

void InputWatchdog::Sample() {
    while (!stop_) {
        Sleep(1);
        if (!active_) continue;
        const size_t workingSet = Measure().workingSet;
        if (workingSet > highest_) highest_ = workingSet;
        if (workingSet > base_ + ceiling_) TerminateProcess(GetCurrentProcess(), kExitMemory);
        const double elapsed = double(Ticks() - started_) * 1000.0 / double(frequency_.QuadPart);
        if (active_ && elapsed > hangMilliseconds_)
            TerminateProcess(GetCurrentProcess(), kExitHang);
    }
}
