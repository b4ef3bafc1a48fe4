// The fatal check for programming errors: a box titled "ASSERTION FAILURE"
// naming the module and line, then the process ends with exit code 9999.
#pragma once

constexpr unsigned kAssertionExitCode = 9999;

[[noreturn]] void AssertionFailure(const char* module, int line);

// Checks `condition` in a source file that defines
//     static const char kAssertModule[] = "<its source name>";
#define APP_ASSERT(condition) \
    ((condition) ? static_cast<void>(0) : AssertionFailure(kAssertModule, __LINE__))
