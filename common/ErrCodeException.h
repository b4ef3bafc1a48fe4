// The exception that file readers and writers throw: one of the program's
// 16-bit error codes, caught once by the file operation that shows it.
#pragma once

class ErrCodeException {
public:
    explicit ErrCodeException(unsigned short code) : code_(code) {}
    unsigned short Code() const { return code_; }

private:
    unsigned short code_;
};

// The program's numbered file errors that a safe write reports.
struct SafeWriteCodes {
    unsigned short open;   // the new file cannot be made
    unsigned short write;  // a write failed or the old file cannot be replaced
    unsigned short close;  // the close failed
};
