#include "fuzz/Mutator.h"

#include <algorithm>
#include <cctype>

namespace {

// Numbers that readers have to survive: limits of the types, values just
// outside the fields' limits, and texts that convert oddly.
const char* const kHostileNumbers[] = {
    "0",
    "-0",
    "1",
    "-1",
    "2",
    "-0.000001",
    "0.000001",
    "0.00001",
    "-0.00001",
    "1e-45",
    "255",
    "256",
    "65535",
    "65536",
    "32767",
    "-32768",
    "2147483647",
    "2147483648",
    "-2147483648",
    "-2147483649",
    "4294967295",
    "4294967296",
    "1073741824",
    "-1073741824",
    "20000000",
    "1e10",
    "-1e10",
    "1e38",
    "3.5e38",
    "1e39",
    "-1e39",
    "1e308",
    "-1e308",
    "1e309",
    "inf",
    "-inf",
    "nan",
    "-nan",
    "0x7fffffff",
    "1.#INF",
    "99999999999999999999",
    "0.5",
    "-0.5",
    "19",
    "20",
    "660",
    "1320",
    "",
    "-",
    ".",
    "e",
    "1e",
    "--1",
};

// Bytes that mean something to text and binary readers alike.
const unsigned char kHostileBytes[] = {0x00, 0xFF, '\n', '\r', ' ',  '\t', '-', '.',
                                       '0',  '9',  0x1A, 0x7F, 0x80, '!',  '#', 'e'};

// 32-bit values for the counts and sizes of binary headers.
const uint32_t kHostileWords[] = {0,          1,          2,          3,          0x7F,
                                  0x80,       0xFF,       0x100,      0xFFFF,     0x10000,
                                  0x00FF0000, 0x40000000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                                  0xFFFFFFFE, 0x01555555};

// Lengths of the very long lines: past every buffer, and far past.
const size_t kLongLineLengths[] = {300, 1100, 2100, 5000, 70000, 400000};

// Where each line starts.
std::vector<size_t> LineStarts(const std::string& data) {
    std::vector<size_t> starts{0};
    for (size_t i = 0; i < data.size(); ++i) {
        if (data[i] == '\n' && i + 1 < data.size()) starts.push_back(i + 1);
    }
    return starts;
}

// The line at `start`, with its line end.
size_t LineLength(const std::string& data, size_t start) {
    const size_t end = data.find('\n', start);
    return end == std::string::npos ? data.size() - start : end + 1 - start;
}

bool IsNumberChar(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+' ||
           c == 'e' || c == 'E';
}

}  // namespace

uint64_t FuzzRandom::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Mutator::Mutator(std::vector<std::string> seeds, uint64_t runSeed)
    : seeds_(std::move(seeds)), runSeed_(runSeed) {}

std::string Mutator::Input(uint64_t index) const {
    if (seeds_.empty()) return std::string();
    if (index < seeds_.size()) return seeds_[size_t(index)];
    FuzzRandom random(runSeed_ * 0xD1B54A32D192ED03ull + index);
    std::string data = seeds_[random.Below(seeds_.size())];
    // Mostly one edit, so that a damaged file stays close to a good one.
    const size_t edits = random.OneIn(3) ? 1 + random.Below(4) : 1;
    for (size_t i = 0; i < edits; ++i) {
        switch (random.Below(12)) {
            case 0:
                FlipBits(data, random);
                break;
            case 1:
            case 2:
                EditBytes(data, random);
                break;
            case 3:
            case 4:
                EditLines(data, random);
                break;
            case 5:
            case 6:
                ReplaceNumber(data, random);
                break;
            case 7:
                ReplaceBinaryField(data, random);
                break;
            case 8:
                Truncate(data, random);
                break;
            case 9:
                InsertLongLine(data, random);
                break;
            case 10:
                InsertGarbage(data, random);
                break;
            default:
                Splice(data, seeds_[random.Below(seeds_.size())], random);
                break;
        }
    }
    return data;
}

void Mutator::FlipBits(std::string& data, FuzzRandom& random) {
    if (data.empty()) return;
    const size_t flips = 1 + random.Below(8);
    for (size_t i = 0; i < flips; ++i) {
        data[random.Below(data.size())] ^= char(1u << random.Below(8));
    }
}

void Mutator::EditBytes(std::string& data, FuzzRandom& random) {
    const size_t at = random.Below(data.size() + 1);
    const char byte = random.OneIn(2) ? char(kHostileBytes[random.Below(sizeof kHostileBytes)])
                                      : char(random.Below(256));
    switch (random.Below(3)) {
        case 0:
            data.insert(at, 1, byte);
            break;
        case 1:
            if (at < data.size())
                data.erase(at, 1 + random.Below(std::min<size_t>(8, data.size() - at)));
            break;
        default:
            if (at < data.size()) data[at] = byte;
            break;
    }
}

void Mutator::EditLines(std::string& data, FuzzRandom& random) {
    const std::vector<size_t> starts = LineStarts(data);
    const size_t a = starts[random.Below(starts.size())];
    const std::string line = data.substr(a, LineLength(data, a));
    switch (random.Below(5)) {
        case 0:
            data.erase(a, line.size());
            break;  // a line missing
        case 1:
            data.insert(a, line);
            break;  // a line twice
        case 2:
            data.replace(a, line.size(), "\n");
            break;  // an empty line
        case 3:
            data.replace(a, line.size(),
                         line.size() > 1 && line[line.size() - 2] == '\r' ? "\r\n" : " \n");
            break;
        default: {  // a line moved
            const size_t b = starts[random.Below(starts.size())];
            const std::string other = data.substr(b, LineLength(data, b));
            data.replace(a, line.size(), other);
            break;
        }
    }
}

void Mutator::ReplaceNumber(std::string& data, FuzzRandom& random) {
    // The numbers of the text: runs of digits with their sign, point and exponent.
    std::vector<std::pair<size_t, size_t>> numbers;
    for (size_t i = 0; i < data.size();) {
        if (!std::isdigit(static_cast<unsigned char>(data[i]))) {
            ++i;
            continue;
        }
        size_t begin = i;
        while (begin > 0 && (data[begin - 1] == '-' || data[begin - 1] == '.')) --begin;
        size_t end = i;
        while (end < data.size() && IsNumberChar(data[end])) ++end;
        numbers.emplace_back(begin, end - begin);
        i = end;
    }
    if (numbers.empty()) {
        EditBytes(data, random);
        return;
    }
    const auto [at, length] = numbers[random.Below(numbers.size())];
    std::string replacement;
    switch (random.Below(4)) {
        case 0:
            replacement = std::to_string(int64_t(random.Next() >> random.Below(64)));
            break;
        case 1:
            replacement = data.substr(at, length) + std::string(1 + random.Below(3), '0');
            break;
        default:
            replacement =
                kHostileNumbers[random.Below(sizeof kHostileNumbers / sizeof *kHostileNumbers)];
    }
    data.replace(at, length, replacement);
}

void Mutator::ReplaceBinaryField(std::string& data, FuzzRandom& random) {
    if (data.size() < 4) {
        EditBytes(data, random);
        return;
    }
    // Mostly the header, where the counts and sizes are.
    const size_t limit = random.OneIn(4) ? data.size() : std::min<size_t>(data.size(), 128);
    const size_t at = random.Below(limit - 3) & ~size_t(random.OneIn(4) ? 0 : 1);
    uint32_t word = kHostileWords[random.Below(sizeof kHostileWords / sizeof *kHostileWords)];
    if (random.OneIn(4)) word = uint32_t(data.size() + random.Below(16) - 8);
    const size_t bytes = random.OneIn(3) ? 2 : 4;
    for (size_t k = 0; k < bytes; ++k) data[at + k] = char((word >> (8 * k)) & 0xFF);
}

void Mutator::Truncate(std::string& data, FuzzRandom& random) {
    if (random.OneIn(2)) {
        const std::vector<size_t> starts = LineStarts(data);
        data.resize(starts[random.Below(starts.size())]);
    } else {
        data.resize(random.Below(data.size() + 1));
    }
}

void Mutator::InsertLongLine(std::string& data, FuzzRandom& random) {
    const size_t length =
        kLongLineLengths[random.Below(sizeof kLongLineLengths / sizeof *kLongLineLengths)];
    std::string line;
    switch (random.Below(3)) {
        case 0:
            line.assign(length, char('1' + random.Below(9)));
            break;  // one huge number
        case 1:
            line = "1 " + std::string(length, '9');
            break;
        default:
            line.assign(length, char('A' + random.Below(26)));
            break;
    }
    const std::vector<size_t> starts = LineStarts(data);
    const size_t at = starts[random.Below(starts.size())];
    if (random.OneIn(2)) {
        data.replace(at, LineLength(data, at), line + "\n");
    } else {
        data.insert(at, line + "\n");
    }
}

void Mutator::InsertGarbage(std::string& data, FuzzRandom& random) {
    std::string garbage(1 + random.Below(64), '\0');
    for (char& c : garbage) c = char(random.Below(256));
    const size_t at = random.Below(data.size() + 1);
    if (random.OneIn(2) || at == data.size()) {
        data.insert(at, garbage);
    } else {
        data.replace(at, std::min(garbage.size(), data.size() - at), garbage);
    }
}

void Mutator::Splice(std::string& data, const std::string& other, FuzzRandom& random) {
    const size_t cut = random.Below(data.size() + 1);
    const size_t from = random.Below(other.size() + 1);
    data = data.substr(0, cut) + other.substr(from);
}
