#include "NullObject.h"

bool IsNullObject(const void* object) { return object == nullptr; }
