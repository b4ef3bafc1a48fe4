// Validation in a fixed order: the code of the first field that is not valid.
#pragma once

#include <cstddef>

#include "common/SimSpec.h"

struct FieldCode {
    const CSimSpec* field;
    unsigned short code;
};

// True when every field is valid; else false with the first invalid one's code.
inline bool FirstInvalidField(const FieldCode* checks, size_t count, unsigned short& code) {
    for (size_t i = 0; i < count; ++i) {
        if (!checks[i].field->IsValid()) {
            code = checks[i].code;
            return false;
        }
    }
    return true;
}

template <size_t N>
bool FirstInvalidField(const FieldCode (&checks)[N], unsigned short& code) {
    return FirstInvalidField(checks, N, code);
}
