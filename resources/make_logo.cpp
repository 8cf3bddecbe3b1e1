// Draws the product logo: "SPARVIK" in stroked capitals over a dusk sky with
// radio waves and a sine trace, 800 x 600 RGBA with rounded transparent
// corners. Run once by hand; the PNG it writes is committed.
//   c++ -std=c++20 -O2 make_logo.cpp -lpng -o make_logo && ./make_logo logo.png
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <string_view>
#include <vector>

namespace {

constexpr int width = 800;
constexpr int height = 600;
constexpr double pi = 3.14159265358979323846;

struct Point {
    double x, y;
};
using Stroke = std::vector<Point>;

struct Colour {
    double r, g, b;
};

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// Smooth curve through the given points (Catmull-Rom), as a polyline.
Stroke spline(const std::vector<Point>& p) {
    Stroke out;
    for (std::size_t i = 0; i + 1 < p.size(); ++i) {
        const Point p0 = p[i == 0 ? 0 : i - 1], p1 = p[i], p2 = p[i + 1], p3 = p[std::min(i + 2, p.size() - 1)];
        for (int s = 0; s < 12; ++s) {
            const double t = s / 12.0, t2 = t * t, t3 = t2 * t;
            auto f = [&](double a, double b, double c, double d) {
                return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
            };
            out.push_back({f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)});
        }
    }
    out.push_back(p.back());
    return out;
}

Stroke arc(Point centre, double radius, double from_deg, double to_deg) {
    Stroke out;
    for (int s = 0; s <= 24; ++s) {
        const double a = (from_deg + (to_deg - from_deg) * s / 24.0) * pi / 180.0;
        out.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    return out;
}

Stroke join(Stroke a, const Stroke& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The letters on a 6 x 10 grid, y downwards.
std::vector<Stroke> letter(char c) {
    switch (c) {
        case 'S':
            return {spline({{5.4, 1.4},
                            {4.3, 0.2},
                            {2.8, 0.0},
                            {1.2, 0.5},
                            {0.5, 1.8},
                            {1.0, 3.6},
                            {3.0, 4.8},
                            {5.0, 6.0},
                            {5.6, 7.8},
                            {4.8, 9.4},
                            {3.0, 10.0},
                            {1.3, 9.7},
                            {0.4, 8.5}})};
        case 'P': return {join(join({{0, 10}, {0, 0}, {3.3, 0}}, arc({3.3, 2.6}, 2.6, -90, 90)), {{0, 5.2}})};
        case 'A': return {{{0, 10}, {3, 0}, {6, 10}}, {{1.25, 6.3}, {4.75, 6.3}}};
        case 'R':
            return {join(join({{0, 10}, {0, 0}, {3.3, 0}}, arc({3.3, 2.6}, 2.6, -90, 90)), {{0, 5.2}}),
                    {{2.8, 5.2}, {6, 10}}};
        case 'V': return {{{0, 0}, {3, 10}, {6, 0}}};
        case 'I': return {{{0, 0}, {0, 10}}};
        case 'K': return {{{0, 0}, {0, 10}}, {{5.8, 0}, {0, 6.4}}, {{2.2, 4.1}, {6, 10}}};
        default: return {};
    }
}

double segment_distance(Point p, Point a, Point b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

struct Segment {
    Point a, b;
};

double distance_to(const std::vector<Segment>& segments, Point p) {
    double best = 1e9;
    for (const Segment& s : segments) best = std::min(best, segment_distance(p, s.a, s.b));
    return best;
}

// Coverage of a stroke of the given half width at distance d, anti-aliased.
double cover(double d, double half_width) {
    return std::clamp(half_width - d + 0.5, 0.0, 1.0);
}

}  // namespace

int main(int argc, char** argv) {
    const char* path = argc > 1 ? argv[1] : "logo.png";

    // Lay the word out: letters 72 px wide (the I a bare stem), 120 high,
    // 34 apart.
    const std::string_view word = "SPARVIK";
    const double unit = 12.0, gap = 34.0;
    auto letter_width = [&](char c) { return c == 'I' ? 0.0 : 6 * unit; };
    double total = -gap;
    for (char c : word) total += letter_width(c) + gap;
    const double top = 200.0;
    std::vector<Segment> text;
    double x0 = (width - total) / 2.0;
    for (char c : word) {
        const double here = x0;
        x0 += letter_width(c) + gap;
        for (const Stroke& stroke : letter(c)) {
            for (std::size_t k = 0; k + 1 < stroke.size(); ++k) {
                text.push_back({{here + stroke[k].x * unit, top + stroke[k].y * unit},
                                {here + stroke[k + 1].x * unit, top + stroke[k + 1].y * unit}});
            }
        }
    }

    // A sine trace under the word, one and a half periods.
    std::vector<Segment> trace;
    Point last{120, 400};
    for (int x = 121; x <= 680; ++x) {
        const Point next{double(x), 400 - 22 * std::sin((x - 120) / 560.0 * 3 * pi)};
        trace.push_back({last, next});
        last = next;
    }

    const Colour sky_top{14, 26, 64}, sky_bottom{24, 98, 122}, amber{255, 190, 70}, cream{250, 244, 228},
        wave{120, 200, 220}, shadow{6, 10, 28};
    const Point mast{400, 80};

    std::vector<png_byte> rgba(std::size_t(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Point p{x + 0.5, y + 0.5};
            Colour c = mix(sky_top, sky_bottom, double(y) / height);

            // Radio waves spreading from the top, fading with distance.
            const double r = std::hypot(p.x - mast.x, p.y - mast.y);
            const double ring = std::fabs(std::fmod(r, 46.0) - 23.0);
            if (r > 30) c = mix(c, wave, cover(23.0 - ring, 1.2) * std::max(0.0, 0.35 - r / 1600.0));

            c = mix(c, amber, cover(distance_to(trace, p), 2.5));
            c = mix(c, shadow, 0.7 * cover(distance_to(text, {p.x - 5, p.y - 6}), 9.0));
            c = mix(c, cream, cover(distance_to(text, p), 8.0));

            // Rounded corners, transparent outside.
            const double corner = 36.0;
            const double cx = std::clamp(p.x, corner, width - corner), cy = std::clamp(p.y, corner, height - corner);
            const double alpha = cover(std::hypot(p.x - cx, p.y - cy), corner - 0.5);

            png_byte* out = &rgba[(std::size_t(y) * width + x) * 4];
            out[0] = png_byte(std::lround(c.r));
            out[1] = png_byte(std::lround(c.g));
            out[2] = png_byte(std::lround(c.b));
            out[3] = png_byte(std::lround(alpha * 255));
        }
    }

    // Unfiltered rows at the highest compression: the smallest file here,
    // and the quickest to decode at every start (no row filter to undo).
    FILE* file = std::fopen(path, "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (file == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        std::fprintf(stderr, "make_logo: cannot write %s\n", path);
        return 1;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_set_compression_level(png, 9);
    std::vector<png_bytep> rows;
    for (int y = 0; y < height; ++y) rows.push_back(&rgba[std::size_t(y) * width * 4]);
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return 0;
}
