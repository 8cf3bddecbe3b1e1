// read_number against a plain reading of the longest numeric prefix,
// converted by the C library (the fuzzer runs in the "C" locale).
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numbers/number_text.h"

namespace {

bool same_text_ignoring_case(const std::string& text, const char* special) {
    if (text.size() != std::strlen(special)) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
        if (c != special[i]) return false;
    }
    return true;
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

float reference(const std::string& text) {
    if (same_text_ignoring_case(text, "+infinity")) return __builtin_inff();
    if (same_text_ignoring_case(text, "-infinity")) return -__builtin_inff();
    if (same_text_ignoring_case(text, "nan")) return __builtin_nanf("");

    std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
    if (start == std::string::npos) return 0;
    std::string prefix;
    std::size_t i = start;
    if (text[i] == '+' || text[i] == '-') prefix += text[i++];
    std::size_t digits = 0;
    while (i < text.size() && digit(text[i])) prefix += text[i++], ++digits;
    if (i < text.size() && text[i] == '.') {
        prefix += text[i++];
        while (i < text.size() && digit(text[i])) prefix += text[i++], ++digits;
    }
    if (digits == 0) return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
        std::size_t exponent_digits = 0;
        while (j < text.size() && digit(text[j])) exponent += text[j++], ++exponent_digits;
        if (exponent_digits > 0) prefix += exponent;
    }
    return std::strtof(prefix.c_str(), nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const float ours = sparvik::numbers::read_number(text);
    const float theirs = reference(text);
    const bool both_nan = ours != ours && theirs != theirs;
    std::uint32_t a = 0, b = 0;
    std::memcpy(&a, &ours, sizeof a);
    std::memcpy(&b, &theirs, sizeof b);
    if (!both_nan && a != b) __builtin_trap();
    return 0;
}
