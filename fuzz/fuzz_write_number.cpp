// write_number: the grammar of number text, and the same digits as the C
// library's exact fixed-point formatting, grouped.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "numbers/number_text.h"

namespace {

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// "-"? d{1,3}(,ddd)* ("." d{decimals})? with no leading zero but in "0".
bool well_formed(const std::string& text, int decimals) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::size_t integer_end = decimals > 0 ? text.find('.') : text.size();
    if (integer_end == std::string::npos || integer_end <= start) return false;
    std::size_t group_start = start;
    for (bool first = true;; first = false) {
        const std::size_t comma = std::min(text.find(',', group_start), integer_end);
        const std::size_t length = comma - group_start;
        if (first ? (length < 1 || length > 3) : length != 3) return false;
        for (std::size_t k = group_start; k < comma; ++k) {
            if (!digit(text[k])) return false;
        }
        if (comma == integer_end) break;
        group_start = comma + 1;
    }
    if (text[start] == '0' && integer_end - start > 1) return false;
    if (decimals == 0) return true;
    const std::string fraction = text.substr(integer_end + 1);
    return fraction.size() == static_cast<std::size_t>(decimals) &&
           std::all_of(fraction.begin(), fraction.end(), digit);
}

std::string grouped(const std::string& plain) {
    const bool negative = !plain.empty() && plain[0] == '-';
    const std::string body = negative ? plain.substr(1) : plain;
    const std::size_t point = std::min(body.find('.'), body.size());
    std::string out = negative ? "-" : "";
    for (std::size_t k = 0; k < point; ++k) {
        if (k > 0 && (point - k) % 3 == 0) out += ',';
        out += body[k];
    }
    return out + body.substr(point);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double) + sizeof(std::int16_t)) return 0;
    double value = 0;
    std::int16_t asked = 0;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&asked, data + sizeof value, sizeof asked);
    const std::string text = sparvik::numbers::write_number(value, asked);

    if (std::isnan(value)) {
        if (text != "NaN") __builtin_trap();
        return 0;
    }
    if (std::isinf(value)) {
        if (text != (value > 0 ? "+Infinity" : "-Infinity")) __builtin_trap();
        return 0;
    }
    const int decimals = std::clamp<int>(asked, 0, 512);
    if (!well_formed(text, decimals)) __builtin_trap();
    if (value == 0 && text[0] == '-') __builtin_trap();

    std::vector<char> plain(1100);
    std::snprintf(plain.data(), plain.size(), "%.*f", decimals, value == 0 ? 0.0 : value);
    if (text != grouped(plain.data())) __builtin_trap();
    return 0;
}
