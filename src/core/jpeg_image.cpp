#include "core/jpeg_image.h"

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <map>
#include <mutex>
#include <string>

namespace orvane {

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

// libjpeg's default handler ends the process; bad bytes must only fail the decode.
[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    std::longjmp(err->jump, 1);
}

void SilentMessage(j_common_ptr) {}

std::map<std::string, std::string, std::less<>> &Resources() {
    static std::map<std::string, std::string, std::less<>> resources;
    return resources;
}

std::mutex &ResourcesMutex() {
    static std::mutex mutex;
    return mutex;
}

// guard: a corrupt header can announce a picture far larger than any banner
constexpr size_t kMaxBytes = size_t(256) << 20;

// What the decoder writes: 3 bytes a pixel (red, green, blue) or 4 (a native 0xffRRGGBB word),
// into the rows `allocate` gives for a width and height (it sets their spacing). The function
// lives with the caller, outside the decoder's setjmp.
struct Output {
    int bytesPerPixel = 3;
    const Rgb32Rows &allocate;
};

#ifdef JCS_EXTENSIONS
// libjpeg-turbo writes the 32-bit form itself, the fourth byte 0xff.
constexpr J_COLOR_SPACE kRgb32Space =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
#endif

// Kept apart from the callers so that no object with a destructor lives across setjmp.
bool Decode(const unsigned char *data, unsigned long size, const Output &output) {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = ErrorExit;
    err.pub.output_message = SilentMessage;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    bool expand = false; // RGB rows widened here to 32-bit pixels
    cinfo.out_color_space = JCS_RGB;
    if (output.bytesPerPixel == 4) {
#ifdef JCS_EXTENSIONS
        cinfo.out_color_space = kRgb32Space;
#else
        expand = true;
#endif
    }
    jpeg_start_decompress(&cinfo);
    const int components = expand ? 3 : output.bytesPerPixel;
    const size_t rowBytes = size_t(cinfo.output_width) * size_t(output.bytesPerPixel);
    if (cinfo.output_components != components || rowBytes * cinfo.output_height > kMaxBytes ||
        rowBytes == 0 || cinfo.output_height == 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    size_t stride = 0;
    unsigned char *pixels = output.allocate(static_cast<int>(cinfo.output_width),
                                            static_cast<int>(cinfo.output_height), stride);
    if (pixels == nullptr || stride < rowBytes) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // (freed with the decoder's other memory)
    JSAMPARRAY rgbRow = expand ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo),
                                                            JPOOL_IMAGE, cinfo.output_width * 3, 1)
                               : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        unsigned char *target = pixels + stride * cinfo.output_scanline;
        if (!expand) {
            JSAMPROW row = target;
            jpeg_read_scanlines(&cinfo, &row, 1);
            continue;
        }
        jpeg_read_scanlines(&cinfo, rgbRow, 1);
        auto *words = reinterpret_cast<uint32_t *>(target);
        for (JDIMENSION x = 0; x < cinfo.output_width; ++x) {
            const unsigned char *rgb = rgbRow[0] + x * 3;
            words[x] = 0xff000000u | (uint32_t(rgb[0]) << 16) | (uint32_t(rgb[1]) << 8) | rgb[2];
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool DecodeBytes(std::string_view bytes, const Output &output) {
    return !bytes.empty() && Decode(reinterpret_cast<const unsigned char *>(bytes.data()),
                                    static_cast<unsigned long>(bytes.size()), output);
}

// A copy of a registered resource's bytes (the map may change on another thread meanwhile).
bool ResourceBytes(std::string_view name, std::string &bytes) {
    std::lock_guard lock(ResourcesMutex());
    auto it = Resources().find(name);
    if (it == Resources().end())
        return false;
    bytes = it->second;
    return true;
}

} // namespace

bool DecodeJpeg(std::string_view bytes, RgbImage &image) {
    RgbImage decoded;
    const Rgb32Rows rows = [&decoded](int width, int height, size_t &stride) {
        stride = size_t(width) * 3;
        decoded.width = width;
        decoded.height = height;
        decoded.rgb.resize(stride * size_t(height));
        return decoded.rgb.data();
    };
    if (!DecodeBytes(bytes, Output{3, rows}))
        return false;
    image = std::move(decoded);
    return true;
}

bool DecodeJpegRgb32(std::string_view bytes, const Rgb32Rows &allocate) {
    return DecodeBytes(bytes, Output{4, allocate});
}

void RegisterResource(std::string_view name, std::string_view bytes) {
    std::lock_guard lock(ResourcesMutex());
    Resources()[std::string(name)] = std::string(bytes);
}

bool LoadJpegResource(RgbImage &image, std::string_view name) {
    std::string bytes;
    return ResourceBytes(name, bytes) && DecodeJpeg(bytes, image);
}

bool LoadJpegResourceRgb32(std::string_view name, const Rgb32Rows &allocate) {
    std::string bytes;
    return ResourceBytes(name, bytes) && DecodeJpegRgb32(bytes, allocate);
}

} // namespace orvane
