#pragma once
// JPEG decoding into a plain RGB picture; the windows wrap it in their own image type.

#include <cstdint>
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

// Raw-data resources the program carries (the banner): registered by the executable at start.
void RegisterResource(std::string_view name, std::string_view bytes);
bool LoadJpegResource(RgbImage &image, std::string_view name);

} // namespace orvane
