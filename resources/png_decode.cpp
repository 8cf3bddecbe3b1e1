#include "resources/png_decode.h"

#include <png.h>

#include <cstring>
#include <limits>

namespace sparvik::resources {

std::optional<frame::Picture> decode_png(std::span<const unsigned char> png) {
    if (png.empty()) return std::nullopt;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, png.data(), png.size()) == 0) return std::nullopt;
    image.format = PNG_FORMAT_RGBA;

    // Our pictures are small; refuse anything absurd rather than allocate it.
    constexpr png_uint_32 limit = 4096;
    if (image.width == 0 || image.height == 0 || image.width > limit || image.height > limit) {
        png_image_free(&image);
        return std::nullopt;
    }
    frame::Picture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgba.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

}  // namespace sparvik::resources
