// The replay tool's command language and output.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/replay_support.h"

namespace {

using namespace sparvik::testing;

std::string file(const std::string& name) {
    std::ifstream in(std::string(SESSIONS_DIR) + "/" + name);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Replay, PrintsTheExampleSessionExactly) {
    const Played played = play(file("power.session"));
    std::string out;
    for (const std::string& line : played.lines) out += line + "\n";
    EXPECT_EQ(out, file("power.expected"));
    EXPECT_EQ(played.errors, "");
}

TEST(Replay, ReportsMalformedLinesWithTheirNumberAndGoesOn) {
    const Played played = play(
        "menu\nmenu 59x\nfly 3\nmenu 59 \npress  69\n\npick 1\npick 330 x\nmenu 59\npress 69\n"
        "close 0\npress 71\nclose 0\nbogus after the end\npress 69\n");
    EXPECT_EQ(played.errors,
              "line 1: not a command: menu\nline 2: not a command: menu 59x\nline 3: not a command: fly 3\n"
              "line 4: not a command: menu 59 \nline 5: not a command: press  69\nline 6: not a command: \n"
              "line 7: not a command: pick 1\nline 8: not a command: pick 330 x\n"
              "line 14: not a command: bogus after the end\n");
    // Three boxes of an all-zero press; the first close box is swallowed,
    // and nothing after the end is printed.
    EXPECT_EQ(boxes(played).size(), 3U);
    EXPECT_EQ(played.lines.back(), "{\"exit\": 0}");
    EXPECT_EQ(played.lines.end()[-2], "{\"closed\": 60}");
}

TEST(Replay, TypedTextIsTheRestOfTheLineVerbatim) {
    const Played played = play(
        "menu 59\ntype 63  12 V \ntype 65 \ntype 67\nread 63\nread 65\nread 67\n"
        "type 63 \"q\\\" \t\nread 63\n");
    const std::vector<std::string> expected = {R"({"read": 63, "text": " 12 V "})", R"({"read": 65, "text": ""})",
                                               R"({"read": 67, "text": ""})", R"({"read": 63, "text": "\"q\\\" \t"})"};
    EXPECT_EQ(std::vector<std::string>(played.lines.end() - 4, played.lines.end()), expected);
}

TEST(Replay, NamesOfThingsNotOpenPrintNothing) {
    const Played played = play(
        "read 63\npress 69\ntype 63 5\nclose 60\npick 330 1\nmenu 1\nread 6\nread 99999999\n"
        "menu 59\nread 61\nread 62\n");
    EXPECT_EQ(played.errors, "");
    ASSERT_EQ(played.lines.size(), 4U);  // the two windows and the two labels
    EXPECT_EQ(json_strings(played.lines[3]), (std::vector<std::string>{"read", "text", "Volt (U)"}));
}

TEST(Replay, KeepsNonAsciiTextUnescapedAndMendsBrokenUtf8) {
    const Played played = play("menu 59\ntype 63 Ström\xff\r\nread 63\n");
    EXPECT_EQ(played.lines.back(), "{\"read\": 63, \"text\": \"Ström\xEF\xBF\xBD\"}");
}

TEST(Replay, LongSessionsPlayToTheEnd) {
    std::string session = "menu 59\n";
    for (int i = 1; i <= 5000; ++i) session += "type 63 " + std::to_string(i) + "\npress 69\n";
    EXPECT_EQ(boxes(play(session)).size(), 10000U);  // rules 2 and 3 on each press
}

}  // namespace
