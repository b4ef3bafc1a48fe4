#include "common/tests/ReferenceCase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "testing/ModalDriver.h"

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<std::string> ReadReferenceLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    EXPECT_FALSE(lines.empty()) << "cannot read " << path;
    return lines;
}

std::vector<float> ParseNumbers(const std::string& text) {
    std::vector<float> numbers;
    std::istringstream in(text);
    for (float value; in >> value;) numbers.push_back(value);
    return numbers;
}

ReferenceCase::ReferenceCase(const std::string& path) {
    for (const std::string& line : ReadReferenceLines(path)) {
        const std::string text = Trimmed(line.substr(0, line.find('#')));
        const size_t equals = text.find('=');
        if (text.empty() || equals == std::string::npos) continue;
        entries_.emplace_back(Trimmed(text.substr(0, equals)), Trimmed(text.substr(equals + 1)));
    }
}

bool ReferenceCase::Has(const std::string& key) const {
    for (const auto& entry : entries_)
        if (entry.first == key) return true;
    return false;
}

const std::string& ReferenceCase::Text(const std::string& key) const {
    static const std::string kNone;
    for (const auto& entry : entries_)
        if (entry.first == key) return entry.second;
    ADD_FAILURE() << "the case has no " << key;
    return kNone;
}

float ReferenceCase::Number(const std::string& key) const {
    const std::vector<float> numbers = Numbers(key);
    EXPECT_EQ(numbers.size(), 1u) << key << " = " << Text(key);
    return numbers.empty() ? 0.0f : numbers[0];
}

std::vector<float> ReferenceCase::Numbers(const std::string& key) const {
    return ParseNumbers(Text(key));
}

std::vector<std::string> ReferenceCase::All(const std::string& key) const {
    std::vector<std::string> values;
    for (const auto& entry : entries_)
        if (entry.first == key) values.push_back(entry.second);
    return values;
}

void AnsweringOk(const std::function<void()>& action, std::vector<std::string>& log) {
    testing_harness::ModalDriver& driver = testing_harness::ModalDriver::Instance();
    driver.Reset();
    for (int i = 0; i < 4; ++i) driver.Answer("", IDOK);
    action();
    for (const auto& box : driver.Boxes()) log.push_back(box.caption + ": " + box.text);
    driver.Reset();
}
