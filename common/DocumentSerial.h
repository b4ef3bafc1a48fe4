// Serial numbers of documents: a window that keeps a document pointer keeps
// its serial too, and knows the document is still the one it meant when the
// number matches. Numbers run through every non-zero int; after -1 comes 1.
#pragma once

#include <atomic>

class SerialCounter {
public:
    // The next number after `last`.
    explicit SerialCounter(int last = 0) : last_(static_cast<unsigned>(last)) {}
    int Next();

private:
    std::atomic<unsigned> last_;
};

// The next number of the process-wide counter every document takes from.
int NextDocumentSerial();
