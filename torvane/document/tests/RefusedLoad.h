// Loading a damaged component file: the load must fail after showing exactly
// one error box with the expected caption.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/tests/ScratchFile.h"
#include "testing/ModalDriver.h"

namespace torvane {

// Writes `lines` over `file` and loads it with `load`, answering the box.
// Returns the box's text (empty when no box was shown).
inline std::string RefusedLoadText(const ScratchFile& file, const std::vector<std::string>& lines,
                                   const char* caption,
                                   const std::function<bool(const char*)>& load) {
    file.WriteLines(lines);
    testing_harness::ModalDriver& driver = testing_harness::ModalDriver::Instance();
    driver.Reset();
    driver.Answer(caption, IDOK);
    EXPECT_FALSE(load(file.Path()));
    EXPECT_EQ(driver.Boxes().size(), 1u);
    if (driver.Boxes().empty()) return std::string();
    EXPECT_EQ(driver.Boxes()[0].caption, caption);
    return driver.Boxes()[0].text;
}

// The lines of a good file with one line replaced, or cut to `count` lines.
struct Damage {
    int line;          // -1: cut the file to `count` lines
    const char* text;  // the replacement line
    int count;
    const char* caption;
};

inline std::vector<std::string> Damaged(std::vector<std::string> lines, const Damage& damage) {
    if (damage.line < 0) {
        lines.resize(static_cast<size_t>(damage.count));
    } else {
        lines[static_cast<size_t>(damage.line)] = damage.text;
    }
    return lines;
}

}  // namespace torvane
