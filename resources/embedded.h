// The pictures held inside the program, as PNG bytes embedded at build time.
#pragma once

#include <span>

namespace sparvik::resources {

extern const std::span<const unsigned char> logo_png;

// The resistor band colours, 22 x 20 each.
extern const std::span<const unsigned char> band_black_png;
extern const std::span<const unsigned char> band_brown_png;
extern const std::span<const unsigned char> band_red_png;
extern const std::span<const unsigned char> band_orange_png;
extern const std::span<const unsigned char> band_yellow_png;
extern const std::span<const unsigned char> band_green_png;
extern const std::span<const unsigned char> band_blue_png;
extern const std::span<const unsigned char> band_violet_png;
extern const std::span<const unsigned char> band_grey_png;
extern const std::span<const unsigned char> band_white_png;
extern const std::span<const unsigned char> band_silver_png;
extern const std::span<const unsigned char> band_gold_png;

}  // namespace sparvik::resources
