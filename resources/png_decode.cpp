#include "resources/png_decode.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace sparvik::resources {
namespace {

struct Source {
    const unsigned char* data;
    std::size_t size;
    std::size_t at;
};

void read_from_memory(png_structp png, png_bytep out, png_size_t length) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (length > source->size - source->at) png_error(png, "truncated");
    std::memcpy(out, source->data + source->at, length);
    source->at += length;
}

// libpng reports errors by a long jump back here, so these two functions
// hold nothing that needs destroying.
bool read_header(png_structp png, png_infop info, png_uint_32* width, png_uint_32* height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    // Whatever the file holds, deliver 8-bit RGBA.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    *width = png_get_image_width(png, info);
    *height = png_get_image_height(png, info);
    return png_get_rowbytes(png, info) == std::size_t{*width} * 4;
}

bool read_rows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    return true;
}

}  // namespace

std::optional<frame::Picture> decode_png(std::span<const unsigned char> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return std::nullopt;
    }
    Source source{bytes.data(), bytes.size(), 0};
    png_set_read_fn(png, &source, read_from_memory);
    // The pictures are compiled into the program: checking their zlib sums
    // on every start buys nothing. A damaged stream still fails cleanly.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);

    // Our pictures are small; refuse anything absurd rather than allocate it.
    constexpr png_uint_32 limit = 4096;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    std::optional<frame::Picture> picture;
    if (read_header(png, info, &width, &height) && width > 0 && height > 0 && width <= limit && height <= limit) {
        picture.emplace();
        picture->width = static_cast<int>(width);
        picture->height = static_cast<int>(height);
        picture->rgba.resize(std::size_t{width} * height * 4);
        std::vector<png_bytep> rows(height);
        for (std::size_t y = 0; y < height; ++y) rows[y] = picture->rgba.data() + y * width * 4;
        if (!read_rows(png, rows.data())) picture.reset();
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return picture;
}

}  // namespace sparvik::resources
