#include "common/DocumentSerial.h"

int SerialCounter::Next() {
    unsigned serial;
    do {
        serial = last_.fetch_add(1) + 1;
    } while (serial == 0);
    return static_cast<int>(serial);
}

int NextDocumentSerial() {
    static SerialCounter counter;
    return counter.Next();
}
