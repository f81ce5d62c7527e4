#pragma once
// JPEG decoding into a plain RGB picture; the windows wrap it in their own image type.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb; // width*height*3 bytes, rows top to bottom
};

bool DecodeJpeg(std::string_view bytes, RgbImage &image);

// Decodes into the caller's picture of 32-bit pixels, each a native-endian 0xffRRGGBB word (the
// form a window's picture keeps), so that it needs neither a copy nor a conversion afterwards.
// `allocate(width, height, stride)` gives the first of `height` rows spaced `stride` bytes apart
// (at least width * 4), or null to refuse. False, with nothing allocated, for bytes that are no
// JPEG; a picture cut short fails after the allocation.
using Rgb32Rows = std::function<unsigned char *(int width, int height, size_t &stride)>;
bool DecodeJpegRgb32(std::string_view bytes, const Rgb32Rows &allocate);

// Raw-data resources the program carries (the banner): registered by the executable at start.
void RegisterResource(std::string_view name, std::string_view bytes);
bool LoadJpegResource(RgbImage &image, std::string_view name);
bool LoadJpegResourceRgb32(std::string_view name, const Rgb32Rows &allocate);

} // namespace orvane
