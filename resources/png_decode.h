// Decoding of the PNG pictures held inside the program.
#pragma once

#include <optional>
#include <span>

#include "frame/toolkit.h"

namespace sparvik::resources {

// Any PNG (palette, grey or RGB, with or without alpha) to 8-bit RGBA;
// nothing when the bytes are not a PNG that libpng can read.
std::optional<frame::Picture> decode_png(std::span<const unsigned char> png);

}  // namespace sparvik::resources
