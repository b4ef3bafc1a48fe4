#include "kernel/MetafileCheck.h"

#include <cstring>
#include <vector>

namespace {

uint32_t U16(const uint8_t* p) { return uint32_t(p[0]) | (uint32_t(p[1]) << 8); }
uint32_t U32(const uint8_t* p) { return U16(p) | (U16(p + 2) << 16); }

// One record (or a part of one): reads that stay inside it.
class Span {
public:
    Span(const uint8_t* data, uint64_t size) : data_(data), size_(size) {}
    uint64_t size() const { return size_; }
    bool Has(uint64_t offset, uint64_t length) const { return offset <= size_ && length <= size_ - offset; }
    uint32_t U16At(uint64_t offset) const { return Has(offset, 2) ? U16(data_ + offset) : 0; }
    uint32_t U32At(uint64_t offset) const { return Has(offset, 4) ? U32(data_ + offset) : 0; }
    int32_t S32At(uint64_t offset) const { return int32_t(U32At(offset)); }
    Span Sub(uint64_t offset, uint64_t length) const { return Span(data_ + offset, length); }

private:
    const uint8_t* data_;
    uint64_t size_;
};

// A device-independent bitmap (info header, colours, then `bits` bytes of
// pixels): every pixel GDI will read is there. Compressed bitmaps are
// refused: their decoding trusts the data.
bool BitmapFits(const Span& info, uint64_t bits, bool core_allowed = true) {
    const uint32_t header = info.U32At(0);
    int64_t width, height;
    uint32_t planes, bit_count, compression = 0, used = 0;
    if (header == 12 && core_allowed && info.Has(0, 12)) {
        width = info.U16At(4);
        height = info.U16At(6);
        planes = info.U16At(8);
        bit_count = info.U16At(10);
    } else if (header >= 40 && info.Has(0, header)) {
        width = info.S32At(4);
        height = info.S32At(8);
        planes = info.U16At(12);
        bit_count = info.U16At(14);
        compression = info.U32At(16);
        used = info.U32At(32);
    } else {
        return false;
    }
    if (planes != 1 || width <= 0 || height == 0 || width > 65535 || height > 65535 || height < -65535) return false;
    if (height < 0) height = -height;
    uint64_t colors = 0;
    switch (bit_count) {
    case 1: colors = 2; break;
    case 4: colors = 16; break;
    case 8: colors = 256; break;
    case 16:
    case 24:
    case 32: colors = 0; break;
    default: return false;
    }
    if (used > 0 && used < colors) colors = used;
    uint64_t table = colors * (header == 12 ? 3 : 4);
    if (compression == 3 /* bit fields */ && (bit_count == 16 || bit_count == 32)) {
        table = header >= 52 ? 0 : 12;
    } else if (compression != 0) {
        return false;
    }
    // GDI reads a full colour table whatever the used count says.
    if (bit_count <= 8) table = (uint64_t(1) << bit_count) * (header == 12 ? 3 : 4);
    const uint64_t stride = (uint64_t(width) * bit_count + 31) / 32 * 4;
    return info.Has(0, uint64_t(header) + table) && stride * uint64_t(height) <= bits;
}

// The bitmap a record carries at (offBmi, cbBmi, offBits, cbBits); none at
// all (cbBmi 0) is fine where the operation needs no source.
bool RecordBitmapFits(const Span& record, uint64_t at) {
    const uint64_t off_bmi = record.U32At(at), cb_bmi = record.U32At(at + 4);
    const uint64_t off_bits = record.U32At(at + 8), cb_bits = record.U32At(at + 12);
    if (cb_bmi == 0) return true;
    if (!record.Has(off_bmi, cb_bmi) || !record.Has(off_bits, cb_bits)) return false;
    return BitmapFits(record.Sub(off_bmi, cb_bmi), cb_bits);
}

// Region data: its rectangles are all there.
bool RegionFits(const Span& record, uint64_t at, uint64_t bytes) {
    if (bytes == 0) return true;
    if (bytes < 32 || !record.Has(at, bytes)) return false;
    const uint64_t count = record.U32At(at + 8);
    return record.U32At(at) == 32 && 32 + 16 * count <= bytes;
}

// Text of an EMRTEXT at `at`: its characters and spacing are in the record.
bool TextFits(const Span& record, uint64_t at, uint64_t char_size) {
    if (!record.Has(at, 40)) return false;
    const uint64_t chars = record.U32At(at + 8), offset = record.U32At(at + 12);
    const uint32_t options = record.U32At(at + 16);
    const uint64_t dx = record.U32At(at + 36);
    if (!record.Has(offset, chars * char_size)) return chars == 0;
    const uint64_t dx_size = (options & 0x2000 /* ETO_PDY */) ? 8 : 4;
    return dx == 0 || record.Has(dx, chars * dx_size);
}

// An object handle index GDI keeps in the metafile's table (0 is the
// metafile itself); stock objects have the top bit set.
bool HandleFits(uint32_t index, uint32_t handles, bool stock_allowed) {
    if (stock_allowed && (index & 0x80000000u)) return (index & 0x7FFFFFFFu) <= 19;
    return index > 0 && index < handles;
}

// Coordinates, extents and pen widths beyond these make GDI rasterise
// shapes far larger than any picture, at a cost of time and memory that
// grows with their size.
constexpr int64_t kMaxCoordinate = 65535;
constexpr int64_t kMaxPenWidth = 1024;

bool CoordinatesFit(const Span& r, uint64_t at, uint64_t count) {
    for (uint64_t k = 0; k < count; ++k) {
        const int64_t value = r.S32At(at + 4 * k);
        if (value > kMaxCoordinate || value < -kMaxCoordinate) return false;
    }
    return true;
}

// A float of a transform: finite and not huge.
bool ScaleFits(const Span& r, uint64_t at) {
    const uint32_t bits = r.U32At(at);
    float value;
    memcpy(&value, &bits, sizeof value);
    return value == value && value <= 1000.0f && value >= -1000.0f;
}

// The smallest size of each record type below 123 (0: no fixed part known).
uint32_t MinimumEnhancedRecord(uint32_t type) {
    static const uint8_t kMinimum[] = {
        0,  88, 28, 28, 28, 28,  28,  32, 32, 16, 16, 16, 16, 16, 20, 20,  // 0-15
        12, 12, 12, 12, 12, 12,  12,  32, 12, 12, 16, 16, 8,  24, 24, 24,  // 16-31
        24, 8,  12, 32, 36, 12,  28,  24, 12, 28, 24, 24, 32, 40, 40, 40,  // 32-47
        12, 16, 20, 16, 8,  24,  16,  40, 28, 12, 12, 8,  8,  8,  24, 24,  // 48-63
        24, 8,  8,  12, 8,  0,   12,  32, 40, 28, 28, 16, 100, 108, 128, 140,  // 64-79
        76, 80, 104, 76, 76, 28, 28,  28, 28, 28, 32, 32, 28, 32, 32, 52,  // 80-95
        40, 40, 12, 12, 12, 12,  0,   0,  48, 0,  0,  0,  36, 0,  0,  24,  // 96-111
        20, 20, 108, 12, 0,  108, 0,   36, 0,  16, 0,   12};              // 112-122
    return type < sizeof kMinimum ? kMinimum[type] : 0;
}

// The contents of one enhanced-metafile record.
bool EnhancedRecordFits(const Span& r, uint32_t type, uint32_t handles) {
    const uint64_t size = r.size();
    if (type == 102 || type == 103 || type == 105 || type == 106 || type == 110) return false;  // escapes
    if (size < MinimumEnhancedRecord(type)) return false;
    switch (type) {
    case 2: case 3: case 4: case 5: case 6:  // poly shapes, 32-bit points
        return 28 + 8 * uint64_t(r.U32At(24)) <= size && CoordinatesFit(r, 28, 2 * uint64_t(r.U32At(24)));
    case 9: case 10: case 11: case 12: case 13: case 27: case 54: case 26:  // extents, origins, points
        return CoordinatesFit(r, 8, 2);
    case 29: case 30: case 42: case 43: case 53: case 15:  // rectangles, ellipses, clips
        return CoordinatesFit(r, 8, 4);
    case 44: return CoordinatesFit(r, 8, 6);  // round rectangle
    case 41: return CoordinatesFit(r, 8, 3);  // angle arc: centre, radius
    case 45: case 46: case 47: case 55: return CoordinatesFit(r, 8, 8);  // arcs
    case 31: case 32:  // scaled extents: numerators and denominators
        return CoordinatesFit(r, 8, 4) && r.S32At(12) != 0 && r.S32At(20) != 0;
    case 35: case 36:  // world transforms
        for (uint64_t k = 0; k < 6; ++k)
            if (!ScaleFits(r, 8 + 4 * k)) return false;
        return true;
    case 85: case 86: case 87: case 88: case 89:  // 16-bit points
        return 28 + 4 * uint64_t(r.U32At(24)) <= size;
    case 7: case 8: case 90: case 91: {  // poly-poly shapes
        const uint64_t polys = r.U32At(24), points = r.U32At(28);
        const uint64_t point_size = type < 90 ? 8 : 4;
        if (32 + 4 * polys + point_size * points > size) return false;
        uint64_t total = 0;
        for (uint64_t k = 0; k < polys; ++k) total += r.U32At(32 + 4 * k);
        return total <= points;
    }
    case 56: return 28 + 9 * uint64_t(r.U32At(24)) <= size;  // poly draw
    case 92: return 28 + 5 * uint64_t(r.U32At(24)) <= size;
    case 37: case 40:  // select, delete
        return HandleFits(r.U32At(8), handles, type == 37);
    case 38: case 39: case 82: case 93: case 94: case 95: case 99: case 122:  // creations
        if (!HandleFits(r.U32At(8), handles, false)) return false;
        if (type == 93 || type == 94) return RecordBitmapFits(r, 16);
        if (type == 95)
            return 52 + 4 * uint64_t(r.U32At(48)) <= size && r.U32At(32) <= kMaxPenWidth && RecordBitmapFits(r, 12);
        if (type == 38) return r.S32At(16) >= 0 && r.S32At(16) <= kMaxPenWidth;
        return true;
    case 48: return HandleFits(r.U32At(8), handles, true);  // select palette
    case 49: return HandleFits(r.U32At(8), handles, false) && 16 + 4 * uint64_t(r.U16At(14)) <= size;
    case 50:
        return HandleFits(r.U32At(8), handles, false) && 20 + 4 * uint64_t(r.U32At(16)) <= size;
    case 51: return HandleFits(r.U32At(8), handles, false);
    case 70: return 12 + uint64_t(r.U32At(8)) <= size;  // comment
    case 71: return HandleFits(r.U32At(28), handles, true) && RegionFits(r, 32, r.U32At(24));
    case 72: return HandleFits(r.U32At(28), handles, true) && RegionFits(r, 40, r.U32At(24));
    case 73: case 74: return RegionFits(r, 28, r.U32At(24));
    case 75: return RegionFits(r, 16, r.U32At(8));
    case 76: case 77: case 114: case 116:  // blits with one source
        return RecordBitmapFits(r, 84);
    case 78:  // mask blit: source and mask
        return RecordBitmapFits(r, 84) && RecordBitmapFits(r, 112);
    case 79: return RecordBitmapFits(r, 96) && RecordBitmapFits(r, 124);
    case 80: case 81:  // DIB to the device, stretched DIB: the pixels need their header
        return r.U32At(52) != 0 && RecordBitmapFits(r, 48);
    case 83: return TextFits(r, 36, 1);
    case 84: return TextFits(r, 36, 2);
    case 96: case 97: {
        const uint64_t strings = r.U32At(36);
        if (40 + 40 * strings > size) return false;
        for (uint64_t k = 0; k < strings; ++k)
            if (!TextFits(r, 40 + 40 * k, type == 96 ? 1 : 2)) return false;
        return true;
    }
    case 108: {  // small text
        const uint64_t chars = r.U32At(16);
        const uint32_t options = r.U32At(20);
        const uint64_t text_at = 36 + ((options & 0x100) ? 0 : 16);
        return text_at + chars * ((options & 0x200) ? 1 : 2) <= size;
    }
    case 112: case 113: return 20 + uint64_t(r.U32At(12)) + r.U32At(16) <= size;
    case 118: {  // gradient fill
        const uint64_t vertices = r.U32At(24), shapes = r.U32At(28);
        const uint32_t mode = r.U32At(32);
        const uint64_t shape_size = mode == 2 ? 12 : 8;
        if (mode > 2 || 36 + 16 * vertices + shape_size * shapes > size) return false;
        const uint64_t at = 36 + 16 * vertices;
        for (uint64_t k = 0; k < shapes * (shape_size / 4); ++k)
            if (r.U32At(at + 4 * k) >= vertices) return false;
        return true;
    }
    default: return true;
    }
}

}  // namespace

bool zel3d_check_enhanced_metafile(const uint8_t* data, size_t size, EnhancedMetafileFacts* facts) {
    const Span all(data, size);
    if (!all.Has(0, 88) || all.U32At(0) != 1 || all.U32At(40) != 0x464D4520) return false;
    const uint64_t header = all.U32At(4), bytes = all.U32At(48), records = all.U32At(52);
    const uint32_t handles = all.U16At(56);
    if (header < 88 || header % 4 || bytes % 4 || header > bytes || bytes > size || records < 2) return false;
    // The picture's frame and the reference device map the picture onto its
    // target: they must describe a picture of a sensible size.
    const int64_t frame_width = int64_t(all.S32At(32)) - all.S32At(24);
    const int64_t frame_height = int64_t(all.S32At(36)) - all.S32At(28);
    const uint32_t device_x = all.U32At(72), device_y = all.U32At(76);
    const uint32_t millimetres_x = all.U32At(80), millimetres_y = all.U32At(84);
    if (frame_width <= 0 || frame_height <= 0 || frame_width > 10000000 || frame_height > 10000000) return false;
    if (device_x == 0 || device_y == 0 || device_x > 16384 || device_y > 16384) return false;
    if (millimetres_x == 0 || millimetres_y == 0 || millimetres_x > 10000 || millimetres_y > 10000) return false;
    if (!CoordinatesFit(all, 8, 4)) return false;
    // Played into a target, the frame is what fills it: bounds far larger
    // than the frame (in the reference device's pixels) blow the picture's
    // shapes up by the same factor.
    const double frame_x = double(frame_width) * device_x / (millimetres_x * 100.0);
    const double frame_y = double(frame_height) * device_y / (millimetres_y * 100.0);
    const int64_t bounds_x = int64_t(all.S32At(16)) - all.S32At(8) + 1;
    const int64_t bounds_y = int64_t(all.S32At(20)) - all.S32At(12) + 1;
    if (bounds_x > 16 * frame_x + 16 || bounds_y > 16 * frame_y + 16) return false;
    const uint64_t description = all.U32At(60), description_at = all.U32At(64);
    if (description > 0 && (description_at < 88 || !all.Has(description_at, 2 * description))) return false;
    if (description_at + 2 * description > bytes) return false;
    if (header >= 100 && all.U32At(88) > 0 && !Span(data, bytes).Has(all.U32At(92), all.U32At(88))) return false;
    const Span metafile(data, bytes);
    uint64_t at = header, count = 1;
    for (;;) {
        const uint32_t type = metafile.U32At(at);
        const uint64_t length = metafile.U32At(at + 4);
        if (!metafile.Has(at, 8) || length < 8 || length % 4 || !metafile.Has(at, length)) return false;
        if (++count > records || type == 1) return false;
        const Span record = metafile.Sub(at, length);
        if (type == 14) {  // the end: palette entries, then the final size
            const uint64_t entries = record.U32At(8), offset = record.U32At(12);
            if (at + length != bytes || count != records || entries != all.U32At(68)) return false;
            if (entries > 0 && (offset < 16 || offset + 4 * entries + 4 > length)) return false;
            if (facts) {
                facts->bytes = uint32_t(bytes);
                facts->left = all.S32At(8);
                facts->top = all.S32At(12);
                facts->right = all.S32At(16);
                facts->bottom = all.S32At(20);
                facts->palette_entries = uint32_t(entries);
                facts->palette_offset = uint32_t(at + offset);
            }
            return true;
        }
        if (!EnhancedRecordFits(record, type, handles)) return false;
        at += length;
    }
}

size_t zel3d_check_windows_metafile(const uint8_t* data, size_t size) {
    const Span all(data, size);
    if (!all.Has(0, 18)) return 0;
    const uint32_t kind = all.U16At(0), version = all.U16At(4), objects = all.U16At(10);
    const uint64_t bytes = 2 * uint64_t(all.U32At(6)), largest = all.U32At(12);
    if ((kind != 1 && kind != 2) || all.U16At(2) != 9 || (version != 0x100 && version != 0x300)) return 0;
    if (bytes < 18 + 6 || bytes > size || 2 * largest > bytes) return 0;
    const Span metafile(data, bytes);
    // GDI keeps the objects a metafile makes in a table of `objects` slots,
    // each new one in the first free slot.
    std::vector<bool> used(objects, false);
    auto create = [&used]() -> bool {
        for (size_t k = 0; k < used.size(); ++k) {
            if (!used[k]) {
                used[k] = true;
                return true;
            }
        }
        return false;
    };
    for (uint64_t at = 18;;) {
        const uint64_t words = metafile.U32At(at);
        const uint32_t function = metafile.U16At(at + 4);
        if (!metafile.Has(at, 6) || words < 3 || words > largest || !metafile.Has(at, 2 * words)) return 0;
        const Span r = metafile.Sub(at, 2 * words);
        const uint64_t length = r.size();
        switch (function) {
        case 0x0000: return at + length == bytes ? size_t(bytes) : 0;  // the end
        case 0x012D: case 0x0234: case 0x012C: case 0x012A: case 0x012B:  // uses of an object
            if (length < 8 || r.U16At(6) >= objects) return 0;
            break;
        case 0x0228: case 0x0429:  // region and brush
            if (length < 10 || r.U16At(6) >= objects || r.U16At(8) >= objects) return 0;
            break;
        case 0x01F0:  // delete
            if (length < 8 || r.U16At(6) >= objects) return 0;
            used[r.U16At(6)] = false;
            break;
        case 0x02FA: case 0x02FC: case 0x02FB: case 0x01F9:  // pen, brush, font, pattern brush
            if (!create()) return 0;
            break;
        case 0x0324: case 0x0325:  // polygon, polyline
            if (8 + 4 * uint64_t(r.U16At(6)) > length) return 0;
            break;
        case 0x0538: {  // poly polygon
            const uint64_t polys = r.U16At(6);
            if (8 + 2 * polys > length) return 0;
            uint64_t points = 0;
            for (uint64_t k = 0; k < polys; ++k) points += r.U16At(8 + 2 * k);
            if (8 + 2 * polys + 4 * points > length) return 0;
            break;
        }
        case 0x0521:  // text out: count, string (padded), y, x
            if (8 + (uint64_t(r.U16At(6)) + 1) / 2 * 2 + 4 > length) return 0;
            break;
        case 0x0A32: {  // extended text out: y, x, count, options, [rectangle], string
            const uint64_t text_at = 14 + ((r.U16At(12) & 0x0006) ? 8 : 0);
            if (length < 14 || text_at + r.U16At(10) > length) return 0;
            break;
        }
        case 0x0626:  // escape: function, count, data
            if (10 + uint64_t(r.U16At(8)) > length) return 0;
            break;
        case 0x00F7:  // create palette: version, count, entries
            if (10 + 4 * uint64_t(r.U16At(8)) > length || !create()) return 0;
            break;
        case 0x0037: case 0x0436:  // set or animate palette entries: start, count, entries
            if (10 + 4 * uint64_t(r.U16At(8)) > length) return 0;
            break;
        case 0x0940: case 0x0B41: case 0x0F43: case 0x0D33: case 0x0142: {  // bitmaps
            uint64_t info_at;
            switch (function) {
            case 0x0940: info_at = 22; break;  // operation, source y x, height width y x
            case 0x0B41: info_at = 26; break;  // operation, source h w y x, target h w y x
            case 0x0F43: info_at = 28; break;  // operation, usage, source h w y x, target h w y x
            case 0x0D33: info_at = 24; break;  // usage, scans, start, source y x, h w, y x
            default: info_at = 10; break;      // style, usage
            }
            // A blit without a source bitmap holds only its parameters.
            if ((function == 0x0940 && length == 24) || (function == 0x0B41 && length == 28)) break;
            if (info_at + 12 > length) return 0;
            const Span info = r.Sub(info_at, length - info_at);
            const uint64_t header = info.U32At(0);
            const uint32_t bit_count = header == 12 ? info.U16At(10) : info.U16At(14);
            uint64_t table = bit_count <= 8 ? (uint64_t(1) << bit_count) * (header == 12 ? 3 : 4) : 0;
            if (header >= 40 && header < 52 && info.U32At(16) == 3) table = 12;
            if (header < 12 || header + table > info.size()) return 0;
            if (!BitmapFits(info, info.size() - header - table)) return 0;
            if (function == 0x0142 && !create()) return 0;
            break;
        }
        case 0x06FF:  // regions: refused, their scans are trusted
            return 0;
        default: break;
        }
        at += length;
    }
}
