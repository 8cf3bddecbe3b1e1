#include "numbers/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace {

using namespace sparvik::numbers;

constexpr float inf = std::numeric_limits<float>::infinity();
const float nan_value = std::numeric_limits<float>::quiet_NaN();

struct ReadCase {
    const char* text;
    float value;
};

TEST(ReadNumber, TakesTheLongestNumericPrefix) {
    const ReadCase cases[] = {
        {"12", 12},
        {" 12", 12},
        {"\t\r\n 12", 12},
        {"3,3", 3},
        {"1,234.50", 1},
        {"3.3", 3.3F},
        {".5", 0.5},
        {"5.", 5},
        {"-7", -7},
        {"+7", 7},
        {"1e3", 1000},
        {"2.5E-3", 2.5e-3F},
        {"12abc", 12},
        {"12 V", 12},
        {"V12", 0},
        {"0x1A", 0},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+", 0},
        {".", 0},
        {"-.5", -0.5},
        {"+-1", 0},
        {"1..2", 1},
        {"1.2.3", 1.2F},
        {".e5", 0},
        {"1e", 1},
        {"2E+", 2},
        {"3e-", 3},
        {"1e+2x", 100},
        {"Infinity", 0},
        {"inf", 0},
        {" NaN", 0},
        {"NaN ", 0},
        {"-NaN", 0},
        {"+Infinity ", 0},
        {"1e40", inf},
        {"-1e40", -inf},
        {"1e-50", 0},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0},
        {"0e99999999999999", 0},
        {"1e99999999999999999999", inf},
        {"3.4028235e38", std::numeric_limits<float>::max()},
        {"0.00000000000000000000000000000000000000000000000000001e60", 1e7F},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(read_number(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ReadNumber, RecognisesTheSpecialTextsInAnyCase) {
    for (const char* text : {"+Infinity", "+INFINITY", "+infinity", "+iNfInItY"}) EXPECT_EQ(read_number(text), inf);
    EXPECT_EQ(read_number("-Infinity"), -inf);
    for (const char* text : {"NaN", "nan", "NAN"}) EXPECT_TRUE(std::isnan(read_number(text))) << text;
}

TEST(ReadNumber, RoundsToTheNearest32BitValueOnce) {
    // Half-way between two floats: a reading through double would round twice.
    EXPECT_EQ(read_number("1.00000005960464477550"), 1.0000001F);
    EXPECT_EQ(read_number(std::string(400, '9')), inf);
    EXPECT_EQ(read_number("0." + std::string(400, '0') + "1"), 0.0F);
    EXPECT_TRUE(std::signbit(read_number("-0")));
    EXPECT_EQ(read_number(std::optional<std::string>()), 0.0F);
}

TEST(ZeroTest, ZeroNegativeZeroAndNaNAreToBeFound) {
    EXPECT_TRUE(is_zero(0.0F));
    EXPECT_TRUE(is_zero(-0.0F));
    EXPECT_TRUE(is_zero(nan_value));
    EXPECT_FALSE(is_zero(std::numeric_limits<float>::denorm_min()));
    EXPECT_FALSE(is_zero(-1.0F));
    EXPECT_FALSE(is_zero(inf));
    EXPECT_FALSE(is_zero(-inf));
}

struct WriteCase {
    double value;
    int decimals;
    const char* text;
};

TEST(WriteNumber, GroupsDigitsAndKeepsTheGivenDecimals) {
    const WriteCase cases[] = {
        {6, 2, "6.00"},
        {1234.5, 2, "1,234.50"},
        {-1234.5, 2, "-1,234.50"},
        {-123.4F, 2, "-123.40"},
        {1234567, 0, "1,234,567"},
        {0.75, 0, "1"},
        {0.0, 2, "0.00"},
        {-0.0, 2, "0.00"},
        {-0.004, 2, "-0.00"},
        {-0.001, 2, "-0.00"},
        {0.1F, 10, "0.1000000015"},
        {999.996, 2, "1,000.00"},
        {-999999.5, 0, "-1,000,000"},
        {-123456, 0, "-123,456"},
        {123456, 2, "123,456.00"},
        {100, 0, "100"},
        {1000, 0, "1,000"},
        {12.5, -3, "12"},
        {1e30F, 0, "1,000,000,015,047,466,219,876,688,855,040"},
        {inf, 2, "+Infinity"},
        {-inf, 0, "-Infinity"},
        {nan_value, 2, "NaN"},
        {-nan_value, 2, "NaN"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(write_number(c.value, c.decimals), c.text) << c.value << " with " << c.decimals;
    }
}

TEST(WriteNumber, HandlesTheExtremesWithoutLosingDigits) {
    const std::string largest = write_number(std::numeric_limits<double>::max(), 512);
    EXPECT_EQ(largest.size(), 309 + 102 + 1 + 512);  // digits, separators, point, decimals
    EXPECT_EQ(write_number(-std::numeric_limits<double>::max(), 600).size(), largest.size() + 1);
    EXPECT_EQ(write_number(std::numeric_limits<double>::denorm_min(), 2), "0.00");
    EXPECT_EQ(write_number(-std::numeric_limits<double>::denorm_min(), 2), "-0.00");
}

TEST(WholeNumbers, RoundHalfToEvenAndSaturate) {
    EXPECT_EQ(to_int32(2.5), 2);
    EXPECT_EQ(to_int32(3.5), 4);
    EXPECT_EQ(to_int32(-2.5), -2);
    EXPECT_EQ(to_int32(6.25), 6);
    EXPECT_EQ(to_int32(nan_value), 0);
    EXPECT_EQ(to_int32(inf), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(to_int32(-inf), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(to_int32(2147483647.4), 2147483647);
    EXPECT_EQ(to_int32(2147483647.6), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(to_int32(-2147483648.4), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(to_int32(-2147483649.0), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(to_int64(-13.4), -13);
    EXPECT_EQ(to_int64(1e19), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(to_int64(-1e19), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(to_int64(nan_value), 0);
}

TEST(Store, RoundsToFloatAndOverflowsToInfinity) {
    const double largest = std::numeric_limits<float>::max();
    EXPECT_EQ(store(1e30 * 1e30), inf);
    EXPECT_EQ(store(-1e39), -inf);
    EXPECT_EQ(store(largest + 0x1p103), inf);  // a tie, rounded to even
    EXPECT_EQ(store(largest + 0x1p102), std::numeric_limits<float>::max());
    EXPECT_EQ(store(0.1), 0.1F);
    EXPECT_TRUE(std::isnan(store(std::nan(""))));
}

TEST(WriteInteger, DigitsWithSignOnly) {
    EXPECT_EQ(write_integer(0), "0");
    EXPECT_EQ(write_integer(13), "13");
    EXPECT_EQ(write_integer(-73), "-73");
    EXPECT_EQ(write_integer(1234567), "1234567");
    EXPECT_EQ(write_integer(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(ReadInteger, DecimalHexAndBinaryDigits) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"$ff", 255},
        {"%101", 5},
        {"-$10", -16},
        {" 42x", 42},
        {"x42", 0},
        {"\t+7", 7},
        {"$", 0},
        {"%2", 0},
        {"%1012", 5},
        {"$1G", 1},
        {"- 5", 0},
        {"\n5", 0},
        {"", 0},
        {"12.9", 12},
        {"$FFFFFFFFFFFFFFFF", -1},
        {"9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(read_integer(text), value) << '"' << text << '"';
    EXPECT_EQ(read_integer(std::optional<std::string>()), 0);
}

TEST(TextOperations, CountCharactersNotBytes) {
    EXPECT_EQ(left_text("Färg", 2), "Fä");
    EXPECT_EQ(right_text("Färg", 3), "ärg");
    EXPECT_EQ(left_text("abc", 0), "");
    EXPECT_EQ(left_text("abc", -4), "");
    EXPECT_EQ(left_text("abc", 9), "abc");
    EXPECT_EQ(right_text("abc", -1), "");
    EXPECT_EQ(right_text("abc", 3), "abc");
    EXPECT_EQ(blanks(3), "   ");
    EXPECT_EQ(blanks(-2), "");
}

TEST(Maths, EdgesGiveInfinityAndNaN) {
    EXPECT_EQ(power(10, 2), 100.0F);
    EXPECT_EQ(power(10, 1.34F), 21.877619F);
    EXPECT_EQ(power(2, 0.5F), 1.4142135F);
    EXPECT_TRUE(std::isnan(power(-8, 0.5F)));
    EXPECT_EQ(power(-2, 3), -8.0F);
    EXPECT_EQ(power(10, 39), inf);
    EXPECT_EQ(sparvik::numbers::log10(1000), 3.0F);
    EXPECT_EQ(sparvik::numbers::log10(0), -inf);
    EXPECT_TRUE(std::isnan(sparvik::numbers::log10(-1)));
    EXPECT_EQ(ln(1), 0.0);
    EXPECT_TRUE(std::isnan(ln(-1)));
}

// The Swedish locale writes "1234,50" through printf; number text must not care.
TEST(NumberText, IgnoresTheUsersLocale) {
    if (std::setlocale(LC_ALL, "sv_SE.UTF-8") == nullptr) GTEST_SKIP() << "sv_SE.UTF-8 is not installed";
    EXPECT_EQ(read_number("3.5"), 3.5F);
    EXPECT_EQ(write_number(1234.5, 2), "1,234.50");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
