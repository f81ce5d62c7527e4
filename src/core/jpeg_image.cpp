#include "core/jpeg_image.h"

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

// Kept apart from DecodeJpeg so that no object with a destructor lives across setjmp.
bool Decode(const unsigned char *data, unsigned long size, int &width, int &height,
            unsigned char *(*grow)(void *, size_t), void *context) {
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
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    width = static_cast<int>(cinfo.output_width);
    height = static_cast<int>(cinfo.output_height);
    const size_t stride = static_cast<size_t>(cinfo.output_width) * 3;
    unsigned char *pixels = grow(context, stride * cinfo.output_height);
    if (pixels == nullptr) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

unsigned char *GrowVector(void *context, size_t size) {
    auto *v = static_cast<std::vector<uint8_t> *>(context);
    // guard: a corrupt header can announce a picture far larger than any banner
    constexpr size_t kMaxBytes = size_t(256) << 20;
    if (size == 0 || size > kMaxBytes)
        return nullptr;
    v->assign(size, 0);
    return v->data();
}

} // namespace

bool DecodeJpeg(std::string_view bytes, RgbImage &image) {
    if (bytes.empty())
        return false;
    std::vector<uint8_t> pixels;
    int width = 0;
    int height = 0;
    if (!Decode(reinterpret_cast<const unsigned char *>(bytes.data()),
                static_cast<unsigned long>(bytes.size()), width, height, GrowVector, &pixels))
        return false;
    image.width = width;
    image.height = height;
    image.rgb = std::move(pixels);
    return true;
}

void RegisterResource(std::string_view name, std::string_view bytes) {
    std::lock_guard lock(ResourcesMutex());
    Resources()[std::string(name)] = std::string(bytes);
}

bool LoadJpegResource(RgbImage &image, std::string_view name) {
    std::string bytes;
    {
        std::lock_guard lock(ResourcesMutex());
        auto it = Resources().find(name);
        if (it == Resources().end())
            return false;
        bytes = it->second;
    }
    return DecodeJpeg(bytes, image);
}

} // namespace orvane
