// Draws the twelve resistor band pictures of the colour code window: 22 x 20
// palette PNGs, each filled with its band colour (silver and gold as diagonal
// gradients) with its value on it in a contrasting shade. Run once by hand;
// the PNGs it writes are committed.
//   c++ -std=c++20 -O2 make_bands.cpp -lpng -o make_bands && ./make_bands .
#include <png.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int width = 22;
constexpr int height = 20;

struct Colour {
    int r, g, b;
    friend bool operator==(const Colour&, const Colour&) = default;
};

struct Band {
    const char* name;
    Colour from;  // top left
    Colour to;    // bottom right; the same as `from` for a plain fill
    std::string_view value;
};

constexpr std::array<Band, 12> bands = {{
    {"black", {31, 25, 27}, {31, 25, 27}, "0"},
    {"brown", {131, 76, 35}, {131, 76, 35}, "1"},
    {"red", {255, 26, 36}, {255, 26, 36}, "2"},
    {"orange", {255, 150, 0}, {255, 150, 0}, "3"},
    {"yellow", {254, 225, 0}, {254, 225, 0}, "4"},
    {"green", {1, 151, 64}, {1, 151, 64}, "5"},
    {"blue", {1, 119, 193}, {1, 119, 193}, "6"},
    {"violet", {170, 37, 146}, {170, 37, 146}, "7"},
    {"grey", {150, 151, 155}, {150, 151, 155}, "8"},
    {"white", {255, 255, 255}, {255, 255, 255}, "9"},
    {"silver", {102, 102, 102}, {66, 66, 66}, "-2"},
    {"gold", {239, 134, 24}, {215, 101, 20}, "-1"},
}};

// A 3 x 5 pixel font, drawn twice as large; one string per row.
constexpr int glyph_width = 3;
constexpr int glyph_height = 5;
constexpr int scale = 2;
constexpr int spacing = 2;

std::array<std::string_view, glyph_height> glyph(char c) {
    switch (c) {
        case '0': return {"###", "#.#", "#.#", "#.#", "###"};
        case '1': return {".#.", "##.", ".#.", ".#.", "###"};
        case '2': return {"###", "..#", "###", "#..", "###"};
        case '3': return {"###", "..#", "###", "..#", "###"};
        case '4': return {"#.#", "#.#", "###", "..#", "..#"};
        case '5': return {"###", "#..", "###", "..#", "###"};
        case '6': return {"###", "#..", "###", "#.#", "###"};
        case '7': return {"###", "..#", "..#", "..#", "..#"};
        case '8': return {"###", "#.#", "###", "#.#", "###"};
        case '9': return {"###", "#.#", "###", "..#", "###"};
        case '-': return {"...", "...", "###", "...", "..."};
        default: return {"...", "...", "...", "...", "..."};
    }
}

int lerp(int a, int b, int step, int steps) {
    return int(std::lround(a + double(b - a) * step / steps));
}

// Light text on dark bands, a dark shade of the band on light ones.
Colour contrast(Colour c) {
    const int luma = (299 * c.r + 587 * c.g + 114 * c.b) / 1000;
    if (luma >= 128) return {c.r / 4, c.g / 4, c.b / 4};
    return {c.r + (255 - c.r) * 3 / 4, c.g + (255 - c.g) * 3 / 4, c.b + (255 - c.b) * 3 / 4};
}

// The band's pixels as colours, the value centred on them.
std::vector<Colour> draw(const Band& band) {
    std::vector<Colour> pixels(std::size_t(width) * height);
    constexpr int steps = (width - 1) + (height - 1);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int step = x + y;
            pixels[std::size_t(y) * width + x] = {lerp(band.from.r, band.to.r, step, steps),
                                                  lerp(band.from.g, band.to.g, step, steps),
                                                  lerp(band.from.b, band.to.b, step, steps)};
        }
    }
    // The shade contrasts with the middle of the band.
    const Colour ink =
        contrast({(band.from.r + band.to.r) / 2, (band.from.g + band.to.g) / 2, (band.from.b + band.to.b) / 2});
    const int count = int(band.value.size());
    const int text_width = count * glyph_width * scale + (count - 1) * spacing;
    const int left = (width - text_width) / 2;
    const int top = (height - glyph_height * scale) / 2;
    for (int i = 0; i < count; ++i) {
        const auto rows = glyph(band.value[std::size_t(i)]);
        const int x0 = left + i * (glyph_width * scale + spacing);
        for (int gy = 0; gy < glyph_height * scale; ++gy) {
            for (int gx = 0; gx < glyph_width * scale; ++gx) {
                if (rows[std::size_t(gy / scale)][std::size_t(gx / scale)] != '#') continue;
                pixels[std::size_t(top + gy) * width + std::size_t(x0 + gx)] = ink;
            }
        }
    }
    return pixels;
}

// An 8-bit palette PNG holding the colours that occur, in order of appearance.
bool write_png(const std::string& path, const std::vector<Colour>& pixels) {
    std::vector<Colour> palette;
    std::vector<png_byte> indices;
    for (const Colour& c : pixels) {
        std::size_t index = 0;
        while (index < palette.size() && !(palette[index] == c)) ++index;
        if (index == palette.size()) palette.push_back(c);
        indices.push_back(png_byte(index));
    }
    if (palette.size() > 256) return false;
    // Built before setjmp: a longjmp must skip no destructor.
    std::vector<png_color> entries;
    for (const Colour& c : palette) entries.push_back({png_byte(c.r), png_byte(c.g), png_byte(c.b)});
    std::vector<png_bytep> rows;
    for (int y = 0; y < height; ++y) rows.push_back(&indices[std::size_t(y) * width]);

    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, entries.data(), int(entries.size()));
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : ".";
    for (const Band& band : bands) {
        const std::string path = folder + "/band_" + band.name + ".png";
        if (!write_png(path, draw(band))) {
            std::fprintf(stderr, "make_bands: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
