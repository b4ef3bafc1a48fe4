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
