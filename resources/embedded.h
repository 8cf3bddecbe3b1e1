// The pictures held inside the program, as PNG bytes embedded at build time.
#pragma once

#include <span>

namespace sparvik::resources {

extern const std::span<const unsigned char> logo_png;

}  // namespace sparvik::resources
