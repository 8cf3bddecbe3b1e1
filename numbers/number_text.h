// Number text: how field text becomes a number and a number becomes result
// text, plus the few small text and math operations the windows need.
// Pure functions. Never locale-dependent: the point is always "." and the
// group separator always ",", whatever the user's regional settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sparvik::numbers {

// Field text to a 32-bit number: the longest numeric prefix after leading
// white space, or one of "+Infinity", "-Infinity", "NaN" (whole text, any
// case). Anything else, and absent text, reads as 0.
float read_number(std::optional<std::string_view> text);

// Fixed-point text with `decimals` digits (clamped to 0..512), "," between
// groups of three integer digits, "+Infinity", "-Infinity" or "NaN" for the
// special values, and no minus sign on an exact zero.
std::string write_number(double value, int decimals);

std::string write_integer(std::int64_t value);

// Decimal, "$" hexadecimal or "%" binary digits after blanks, tabs and an
// optional sign; wraps around on overflow; no digits give 0.
std::int64_t read_integer(std::optional<std::string_view> text);

// Texts count characters (code points of the UTF-8 text), not bytes.
std::string left_text(std::string_view text, std::int64_t count);
std::string right_text(std::string_view text, std::int64_t count);
std::string blanks(std::int64_t count);

// Replaces every byte sequence that is not valid UTF-8 with U+FFFD, as the
// real edit fields do with what they are given.
std::string valid_utf8(std::string_view text);

// A field holding 0, -0 or NaN is the quantity to be found.
constexpr bool is_zero(float value) {
    return !(value < 0.0F || value > 0.0F);
}

// Assignment to a 32-bit variable: round to nearest, overflow to infinity.
float store(double value);

// To a whole number, ties to even; NaN gives 0 and values beyond the type
// saturate at its limits.
std::int32_t to_int32(double value);
std::int64_t to_int64(double value);

float power(float base, float exponent);
float log10(float value);
double ln(double value);

}  // namespace sparvik::numbers
