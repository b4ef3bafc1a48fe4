#include "Maps.h"

UINT HashKey(LPCSTR key) {
    UINT hash = 0;
    if (key != nullptr)
        for (; *key != '\0'; ++key) hash = hash * 33 + static_cast<unsigned char>(*key);
    return hash;
}
