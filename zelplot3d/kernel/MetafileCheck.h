// Checks of metafile bytes before GDI sees them. GDI trusts a metafile's
// header and records: a size that lies makes it read past its buffer, a
// record of size 0 makes it loop forever, a count or handle index out of
// range makes it read or write past its tables. These checks walk the
// header, the whole record chain up to the end record, and the counts,
// offsets and handle indexes inside the records, against the bytes there are.
#pragma once

#include <cstddef>
#include <cstdint>

// What an enhanced metafile's header and end record say.
struct EnhancedMetafileFacts {
    uint32_t bytes = 0;  // the metafile's length
    int32_t left = 0, top = 0, right = 0, bottom = 0;  // bounds, device units
    uint32_t palette_entries = 0;
    uint32_t palette_offset = 0;  // of the entries, from the metafile's start
};

// Whether `data` (`size` bytes) starts with a whole, consistent enhanced
// metafile; `facts` is filled when it does.
bool zel3d_check_enhanced_metafile(const uint8_t* data, size_t size, EnhancedMetafileFacts* facts);

// The length of the whole, consistent Windows metafile that `data` starts
// with, or 0.
size_t zel3d_check_windows_metafile(const uint8_t* data, size_t size);
