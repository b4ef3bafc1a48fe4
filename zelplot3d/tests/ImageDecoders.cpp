#include "ImageDecoders.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <png.h>

namespace zel3d_test {

DecodedImage DecodePng(const std::string& bytes) {
    DecodedImage image;
    png_image png;
    memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return image;
    // The header's own fields, before any conversion.
    if (bytes.size() > 28) {
        image.color_type = static_cast<unsigned char>(bytes[25]);
        image.interlace = static_cast<unsigned char>(bytes[28]);
    }
    png.format = PNG_FORMAT_RGB;
    image.width = int(png.width);
    image.height = int(png.height);
    image.components = PNG_IMAGE_SAMPLE_CHANNELS(png.format);
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    image.ok = png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return image;
}

namespace {

struct JpegTrap {
    jpeg_error_mgr manager;
    jmp_buf jump;
};

void JumpBack(j_common_ptr cinfo) {
    longjmp(reinterpret_cast<JpegTrap*>(cinfo->err)->jump, 1);
}

}  // namespace

DecodedImage DecodeJpeg(const std::string& bytes) {
    DecodedImage image;
    jpeg_decompress_struct cinfo;
    JpegTrap trap;
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = JumpBack;
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return DecodedImage{};
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    image.components = cinfo.num_components;
    image.progressive = cinfo.progressive_mode != 0;
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image.width = int(cinfo.output_width);
    image.height = int(cinfo.output_height);
    image.rgb.resize(size_t(image.width) * image.height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = &image.rgb[size_t(cinfo.output_scanline) * image.width * 3];
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    image.ok = true;
    return image;
}

}  // namespace zel3d_test
