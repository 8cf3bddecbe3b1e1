// Makes the program's 256 x 256 icon from the logo: the whole logo scaled
// down by area averaging (with premultiplied alpha) and centred.
//   c++ -std=c++20 -O2 make_icon.cpp -lpng -o make_icon && ./make_icon logo.png icon.png
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon LOGO ICON\n");
        return 2;
    }
    png_image logo;
    std::memset(&logo, 0, sizeof logo);
    logo.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&logo, argv[1]) == 0) return 1;
    logo.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> in(PNG_IMAGE_SIZE(logo));
    if (png_image_finish_read(&logo, nullptr, in.data(), 0, nullptr) == 0) return 1;

    constexpr int size = 256;
    const double scale = double(logo.width) / size;  // logo pixels per icon pixel
    const int height = int(std::lround(logo.height / scale));
    const int top = (size - height) / 2;
    std::vector<png_byte> out(std::size_t(size) * size * 4, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < size; ++x) {
            // The icon pixel covers [x0, x1) x [y0, y1) of the logo.
            const double x0 = x * scale, x1 = (x + 1) * scale, y0 = y * scale, y1 = (y + 1) * scale;
            double sum[4] = {0, 0, 0, 0}, area = 0;
            for (int ly = int(y0); ly < std::min<int>(int(std::ceil(y1)), int(logo.height)); ++ly) {
                const double wy = std::min(y1, ly + 1.0) - std::max(y0, double(ly));
                for (int lx = int(x0); lx < std::min<int>(int(std::ceil(x1)), int(logo.width)); ++lx) {
                    const double w = wy * (std::min(x1, lx + 1.0) - std::max(x0, double(lx)));
                    const png_byte* p = &in[(std::size_t(ly) * logo.width + lx) * 4];
                    const double a = p[3] / 255.0;
                    for (int c = 0; c < 3; ++c) sum[c] += w * a * p[c];
                    sum[3] += w * a;
                    area += w;
                }
            }
            png_byte* q = &out[(std::size_t(top + y) * size + x) * 4];
            for (int c = 0; c < 3; ++c) q[c] = png_byte(sum[3] > 0 ? std::lround(sum[c] / sum[3]) : 0);
            q[3] = png_byte(std::lround(255 * sum[3] / area));
        }
    }

    png_image icon;
    std::memset(&icon, 0, sizeof icon);
    icon.version = PNG_IMAGE_VERSION;
    icon.width = size;
    icon.height = size;
    icon.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&icon, argv[2], 0, out.data(), 0, nullptr) != 0 ? 0 : 1;
}
