// The framework's "safe handle" getters (GetSafeHwnd, GetSafeHdc, ...) may be
// called through a null pointer, an idiom callers rely on. The test lives out
// of line so the compiler cannot fold it away as a comparison of `this`.
#pragma once

bool IsNullObject(const void* object);
