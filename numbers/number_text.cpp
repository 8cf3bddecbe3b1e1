#include "numbers/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace sparvik::numbers {
namespace {

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Whether a number that no float can hold lies above 1 (it overflows) or
// below (it underflows).
bool overflows(std::string_view digits, std::string_view exponent) {
    std::int64_t magnitude = 0;
    bool seen_nonzero = false;
    bool after_point = false;
    for (char c : digits) {
        if (c == '.') {
            after_point = true;
        } else if (c != '0' || seen_nonzero) {
            if (!after_point) ++magnitude;
            seen_nonzero = true;
        } else if (after_point) {
            --magnitude;  // a leading zero behind the point
        }
    }
    if (!seen_nonzero) return false;
    std::int64_t exp = 0;
    bool negative = false;
    for (char c : exponent) {
        if (c == '-') negative = true;
        if (is_digit(c)) exp = std::min<std::int64_t>(exp * 10 + (c - '0'), 1'000'000'000);
    }
    return magnitude + (negative ? -exp : exp) > 0;
}

}  // namespace

float read_number(std::optional<std::string_view> absent_or_text) {
    if (!absent_or_text) return 0.0F;
    const std::string_view text = *absent_or_text;
    if (equals_ignoring_case(text, "+Infinity")) return std::numeric_limits<float>::infinity();
    if (equals_ignoring_case(text, "-Infinity")) return -std::numeric_limits<float>::infinity();
    if (equals_ignoring_case(text, "NaN")) return std::numeric_limits<float>::quiet_NaN();

    std::size_t i = 0;
    while (i < text.size() && is_space(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    const std::size_t mantissa_begin = i;
    bool point = false;
    std::size_t digit_count = 0;
    for (; i < text.size(); ++i) {
        if (is_digit(text[i])) {
            ++digit_count;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digit_count == 0) return 0.0F;
    const std::string_view mantissa = text.substr(mantissa_begin, i - mantissa_begin);

    // An exponent counts only with at least one digit; "1e" reads as 1.
    std::string_view exponent;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t digits_begin = j;
        while (j < text.size() && is_digit(text[j])) ++j;
        if (j > digits_begin) exponent = text.substr(i, j - i);
    }

    std::string number(mantissa);
    number += exponent;
    float value = 0.0F;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    // Out of range means the nearest float is zero or infinity; which one
    // follows from the order of magnitude alone.
    if (error == std::errc::result_out_of_range) {
        value = overflows(mantissa, exponent) ? std::numeric_limits<float>::infinity() : 0.0F;
    }
    return negative ? -value : value;
}

std::string write_number(double value, int decimals) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
    decimals = std::clamp(decimals, 0, 512);
    if (value == 0.0) value = 0.0;  // no sign on an exact zero

    // 309 integer digits at most, a sign, a point and 512 decimals.
    std::array<char, 1024> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    const std::string_view fixed(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));

    const bool negative = !fixed.empty() && fixed.front() == '-';
    const std::string_view unsigned_text = negative ? fixed.substr(1) : fixed;
    const std::size_t point = std::min(unsigned_text.find('.'), unsigned_text.size());
    const std::string_view integer = unsigned_text.substr(0, point);

    std::string text;
    text.reserve(fixed.size() + integer.size() / 3 + 1);
    if (negative) text += '-';
    for (std::size_t k = 0; k < integer.size(); ++k) {
        if (k > 0 && (integer.size() - k) % 3 == 0) text += ',';
        text += integer[k];
    }
    text += unsigned_text.substr(point);
    return text;
}

std::string write_integer(std::int64_t value) {
    std::array<char, 24> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::int64_t read_integer(std::optional<std::string_view> absent_or_text) {
    if (!absent_or_text) return 0;
    const std::string_view text = *absent_or_text;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

    unsigned base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }

    std::uint64_t value = 0;  // unsigned, so that overflow wraps without UB
    for (; i < text.size(); ++i) {
        const char c = text[i];
        unsigned digit = 0;
        if (is_digit(c)) {
            digit = static_cast<unsigned>(c - '0');
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<unsigned>(c - 'a' + 10);
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<unsigned>(c - 'A' + 10);
        } else {
            break;
        }
        if (digit >= base) break;
        value = value * base + digit;
    }
    if (negative) value = 0 - value;
    return static_cast<std::int64_t>(value);
}

namespace {

// Byte offset of the code point with the given index, or the text's size.
std::size_t offset_of(std::string_view text, std::int64_t index) {
    std::int64_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0U) != 0x80U) {
            if (seen == index) return i;
            ++seen;
        }
    }
    return text.size();
}

std::int64_t length_of(std::string_view text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U; });
}

}  // namespace

std::string left_text(std::string_view text, std::int64_t count) {
    if (count <= 0) return {};
    return std::string(text.substr(0, offset_of(text, count)));
}

std::string right_text(std::string_view text, std::int64_t count) {
    if (count <= 0) return {};
    const std::int64_t length = length_of(text);
    if (count >= length) return std::string(text);
    return std::string(text.substr(offset_of(text, length - count)));
}

std::string blanks(std::int64_t count) {
    return count <= 0 ? std::string() : std::string(static_cast<std::size_t>(count), ' ');
}

std::string valid_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t minimum = 0;
        char32_t code = 0;
        if (lead < 0x80U) {
            length = 1;
            code = lead;
        } else if ((lead & 0xE0U) == 0xC0U) {
            length = 2, minimum = 0x80, code = lead & 0x1FU;
        } else if ((lead & 0xF0U) == 0xE0U) {
            length = 3, minimum = 0x800, code = lead & 0x0FU;
        } else if ((lead & 0xF8U) == 0xF0U) {
            length = 4, minimum = 0x10000, code = lead & 0x07U;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0U) == 0x80U;
            code = (code << 6U) | (next & 0x3FU);
        }
        valid = valid && code >= minimum && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        if (valid) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

float store(double value) {
    // Beyond the largest float plus half its spacing the nearest value is
    // infinity; converting such a double directly would be undefined.
    constexpr double limit = static_cast<double>(std::numeric_limits<float>::max()) + 0x1p103;
    if (value >= limit) return std::numeric_limits<float>::infinity();
    if (value <= -limit) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::int32_t to_int32(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= 0x1p31) return std::numeric_limits<std::int32_t>::max();
    if (rounded < -0x1p31) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

std::int64_t to_int64(double value) {
    if (std::isnan(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded >= 0x1p63) return std::numeric_limits<std::int64_t>::max();
    if (rounded < -0x1p63) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

float power(float base, float exponent) {
    return store(std::pow(static_cast<double>(base), static_cast<double>(exponent)));
}

float log10(float value) {
    return store(std::log10(static_cast<double>(value)));
}

double ln(double value) {
    return std::log(value);
}

}  // namespace sparvik::numbers
