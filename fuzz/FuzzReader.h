// One reader under test: the good files its program's writers make, and one
// read of a possibly damaged file.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ReadOutcome {
    bool accepted = false;
    // A refused read left the document (or component) different from what it
    // was before: saved before and after, the files differ.
    bool changed = false;
};

class FuzzReader {
public:
    virtual ~FuzzReader() = default;
    // The file name extension of the reader's files (".tvn").
    virtual const char* Extension() const = 0;
    // Good files, made by the program's own writers in `folder`.
    virtual std::vector<std::string> MakeSeeds(const std::string& folder) = 0;
    // Reads the file at `path`; `folder` is the reader's scratch folder.
    virtual ReadOutcome Read(const std::string& path, const std::string& folder) = 0;
};

struct ReaderEntry {
    const char* name;
    std::function<std::unique_ptr<FuzzReader>()> make;
};

// Whole-file helpers for the readers.
std::string ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// The program's entry point: the supervisor (which starts workers of this
// same program and sums up what they report) or, with --worker, a worker.
int FuzzMain(int argc, char** argv, const std::vector<ReaderEntry>& readers);
