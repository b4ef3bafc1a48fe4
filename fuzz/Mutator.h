// Makes damaged copies of good files: bit flips, byte and line edits, number
// replacements, truncation, very long lines, binary garbage and splices of
// two files. Input number `index` of a seed value is always the same bytes,
// so any input of a run can be made again on its own.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A small, fast generator (SplitMix64): the same seed, the same numbers on
// every platform.
class FuzzRandom {
public:
    explicit FuzzRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // 0 .. bound-1 (0 when bound is 0).
    size_t Below(size_t bound) { return bound == 0 ? 0 : size_t(Next() % bound); }
    bool OneIn(size_t n) { return Below(n) == 0; }

private:
    uint64_t state_;
};

class Mutator {
public:
    // `seeds` are the good files; the first seeds.size() inputs are the
    // seeds themselves, unchanged.
    Mutator(std::vector<std::string> seeds, uint64_t runSeed);

    size_t SeedCount() const { return seeds_.size(); }
    std::string Input(uint64_t index) const;

    // The single edits, for the harness's own tests.
    static void FlipBits(std::string& data, FuzzRandom& random);
    static void EditBytes(std::string& data, FuzzRandom& random);
    static void EditLines(std::string& data, FuzzRandom& random);
    static void ReplaceNumber(std::string& data, FuzzRandom& random);
    static void ReplaceBinaryField(std::string& data, FuzzRandom& random);
    static void Truncate(std::string& data, FuzzRandom& random);
    static void InsertLongLine(std::string& data, FuzzRandom& random);
    static void InsertGarbage(std::string& data, FuzzRandom& random);
    static void Splice(std::string& data, const std::string& other, FuzzRandom& random);

private:
    std::vector<std::string> seeds_;
    uint64_t runSeed_;
};
