// read_integer against a plain digit-by-digit reading that wraps modulo 2^64.
#include <cstdint>
#include <string>

#include "numbers/number_text.h"

namespace {

std::int64_t reference(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::uint64_t base = 10;
    if (i < text.size() && text[i] == '$')
        base = 16, ++i;
    else if (i < text.size() && text[i] == '%')
        base = 2, ++i;
    const std::string digits = "0123456789abcdef";
    std::uint64_t value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'F') c = static_cast<char>(c - 'A' + 'a');
        const std::size_t d = digits.find(c);
        if (d == std::string::npos || d >= base) break;
        value = value * base + d;
    }
    return static_cast<std::int64_t>(negative ? ~value + 1 : value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (sparvik::numbers::read_integer(text) != reference(text)) __builtin_trap();
    return 0;
}
