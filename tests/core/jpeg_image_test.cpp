#include "core/jpeg_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <string>
#include <vector>

using namespace orvane;

namespace {

// A small baseline JPEG: left half red, right half blue.
std::string EncodeTestPicture(int width, int height) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 100, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::string row(static_cast<size_t>(width) * 3, '\0');
    for (int x = 0; x < width; ++x) {
        row[static_cast<size_t>(x) * 3] = static_cast<char>(x < width / 2 ? 255 : 0);
        row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(x < width / 2 ? 0 : 255);
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW r = reinterpret_cast<JSAMPROW>(row.data());
        jpeg_write_scanlines(&cinfo, &r, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<char *>(buffer), size);
    std::free(buffer);
    return bytes;
}

TEST(JpegImage, DecodesToRgbRowsTopToBottom) {
    RgbImage image;
    ASSERT_TRUE(DecodeJpeg(EncodeTestPicture(32, 8), image));
    EXPECT_EQ(image.width, 32);
    EXPECT_EQ(image.height, 8);
    ASSERT_EQ(image.rgb.size(), 32u * 8 * 3);
    const size_t lastRow = 7 * 32 * 3;
    EXPECT_GT(image.rgb[lastRow + 0], 230); // red at the left
    EXPECT_LT(image.rgb[lastRow + 2], 30);
    EXPECT_LT(image.rgb[lastRow + 31 * 3], 30); // blue at the right
    EXPECT_GT(image.rgb[lastRow + 31 * 3 + 2], 230);
}

// The window's form (32-bit 0xffRRGGBB words) holds the very pixels of the RGB form, whatever
// spacing the caller gives its rows.
TEST(JpegImage, Rgb32FormHoldsTheRgbPixels) {
    const std::string bytes = EncodeTestPicture(37, 5);
    RgbImage rgb;
    ASSERT_TRUE(DecodeJpeg(bytes, rgb));
    std::vector<uint32_t> words;
    const size_t wordsPerRow = 40;
    ASSERT_TRUE(DecodeJpegRgb32(bytes, [&](int width, int height, size_t &stride) {
        EXPECT_EQ(width, 37);
        EXPECT_EQ(height, 5);
        words.assign(wordsPerRow * size_t(height), 0);
        stride = wordsPerRow * 4;
        return reinterpret_cast<unsigned char *>(words.data());
    }));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 37; ++x) {
            const uint8_t *p = &rgb.rgb[(size_t(y) * 37 + size_t(x)) * 3];
            EXPECT_EQ(words[size_t(y) * wordsPerRow + size_t(x)],
                      0xff000000u | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2])
                << x << "," << y;
        }
}

TEST(JpegImage, Rgb32FormRefusedOrNotAPicture) {
    int asked = 0;
    const Rgb32Rows none = [&asked](int, int, size_t &) -> unsigned char * {
        ++asked;
        return nullptr;
    };
    EXPECT_FALSE(DecodeJpegRgb32("not a picture", none));
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(DecodeJpegRgb32(EncodeTestPicture(8, 8), none)); // the caller refused the rows
    EXPECT_EQ(asked, 1);
    std::vector<uint32_t> tooNarrow(8);
    EXPECT_FALSE(DecodeJpegRgb32(EncodeTestPicture(8, 8), [&](int, int, size_t &stride) {
        stride = 4; // shorter than a row
        return reinterpret_cast<unsigned char *>(tooNarrow.data());
    }));
}

TEST(JpegImage, BadBytesFailWithoutTouchingTheImage) {
    const std::string good = EncodeTestPicture(16, 16);
    const std::string bad[] = {"",
                               "not a picture",
                               good.substr(0, 2),
                               good.substr(0, 20),
                               good.substr(0, good.size() / 2),
                               std::string(4096, '\xFF')};
    for (const std::string &bytes : bad) {
        RgbImage image;
        image.width = 5;
        const bool ok = DecodeJpeg(bytes, image);
        if (!ok) {
            EXPECT_EQ(image.width, 5);
        }
    }
    // A header cut short must not decode.
    RgbImage image;
    EXPECT_FALSE(DecodeJpeg(good.substr(0, 20), image));
}

TEST(JpegImage, ResourcesAreFoundByName) {
    RegisterResource("banner", EncodeTestPicture(8, 4));
    RgbImage image;
    EXPECT_TRUE(LoadJpegResource(image, "banner"));
    EXPECT_EQ(image.width, 8);
    EXPECT_FALSE(LoadJpegResource(image, "missing"));
    RegisterResource("broken", "xx");
    EXPECT_FALSE(LoadJpegResource(image, "broken"));
}

} // namespace
