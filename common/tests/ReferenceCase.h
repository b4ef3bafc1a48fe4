// Reference cases for the model tests: a case file of "key = value" lines
// ('#' starts a comment; a key may repeat, as the points of a power table do)
// and the lines of the results another implementation computed for it.
#pragma once

#include <functional>
#include <string>
#include <vector>

class ReferenceCase {
public:
    // Reads `path`; a missing or empty file fails the test that reads it.
    explicit ReferenceCase(const std::string& path);

    bool Has(const std::string& key) const;
    // The value of the first line with `key` (a missing key fails the test).
    const std::string& Text(const std::string& key) const;
    float Number(const std::string& key) const;
    // The blank-separated numbers of the key's value.
    std::vector<float> Numbers(const std::string& key) const;
    // The values of every line with `key`, in file order.
    std::vector<std::string> All(const std::string& key) const;

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

// The lines of a text file, without line ends; a missing file fails the test.
std::vector<std::string> ReadReferenceLines(const std::string& path);
// The blank-separated numbers of a text.
std::vector<float> ParseNumbers(const std::string& text);

// Runs `action` as a user who answers OK to every box it shows (up to four),
// and adds each box's caption and text to `log`.
void AnsweringOk(const std::function<void()>& action, std::vector<std::string>& log);
