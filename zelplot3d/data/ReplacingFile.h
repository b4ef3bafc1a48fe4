// A file written beside its target under a temporary name and moved into
// the target's place only once it is complete, so that a failed write never
// destroys the file it was meant to replace and leaves nothing half-written.
#pragma once

#include <cstdio>
#include <string>

class ReplacingFile {
public:
    // Reserves the temporary file in the target's folder.
    explicit ReplacingFile(const std::string& target);
    // Deletes the temporary file unless it was committed.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // The temporary file's path, for writers that create the file
    // themselves; empty when none could be reserved.
    const std::string& temporary_path() const { return temporary_; }
    // Opens the temporary file with an fopen mode; null on failure.
    FILE* Open(const char* mode);
    FILE* file() const { return file_; }
    // Closes the file, checking that every write reached it, and moves it
    // over the target; false (the target untouched) on any error.
    bool Commit();

private:
    void Discard();

    std::string target_;
    std::string temporary_;
    FILE* file_ = nullptr;
};

// Writes `size` bytes; false when the stream took fewer.
bool zel3d_write_all(FILE* file, const void* data, size_t size);
