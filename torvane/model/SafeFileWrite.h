// Writing one file of the engine program so that a failed write never
// destroys the file it replaces (see CSafeFileSave).
#pragma once

#include <cstdio>
#include <functional>

// Opens a new file beside `path` in `mode` ("wt", "wb"), runs `body` on it
// and puts it in the place of `path` once complete. Returns 0, or the error:
// 43 when the file cannot be made, the code `body` throws (ErrCodeException),
// 44 when a write failed or the old file cannot be replaced, 46 when the
// close failed. On an error `path` is left as it was.
unsigned short WriteFileSafely(const char* path, const char* mode,
                               const std::function<void(FILE*)>& body);
