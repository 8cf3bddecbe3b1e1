#include "resources/png_decode.h"

#include <gtest/gtest.h>

#include <vector>

#include "resources/embedded.h"

namespace {

using sparvik::resources::decode_png;

TEST(PngDecode, LogoIsRgbaWithTransparentCorners) {
    const auto logo = decode_png(sparvik::resources::logo_png);
    ASSERT_TRUE(logo);
    EXPECT_EQ(logo->width, 800);
    EXPECT_EQ(logo->height, 600);
    ASSERT_EQ(logo->rgba.size(), 800U * 600U * 4U);
    EXPECT_EQ(logo->rgba[3], 0) << "top left corner";
    EXPECT_EQ(logo->rgba[(300U * 800U + 400U) * 4U + 3U], 255) << "centre";
}

TEST(PngDecode, DamagedDataGivesNothing) {
    const std::vector<unsigned char> logo(sparvik::resources::logo_png.begin(), sparvik::resources::logo_png.end());
    const std::vector<unsigned char> truncated(logo.begin(), logo.begin() + 5000);
    std::vector<unsigned char> scrambled = logo;
    for (std::size_t i = 100; i < scrambled.size(); i += 7) scrambled[i] ^= 0x5A;
    EXPECT_FALSE(decode_png({}));
    EXPECT_FALSE(decode_png(std::vector<unsigned char>{'n', 'o', 't', ' ', 'p', 'n', 'g', '!', '!'}));
    EXPECT_FALSE(decode_png(std::vector<unsigned char>(logo.begin(), logo.begin() + 8)));
    EXPECT_FALSE(decode_png(truncated));
    EXPECT_FALSE(decode_png(scrambled));
}

}  // namespace
