#include "tests/replay_support.h"

#include <gtest/gtest.h>

#include <sstream>

#include "tools/replay/replay.h"

namespace sparvik::testing {

Played play(std::string_view session) {
    std::istringstream in{std::string(session)};
    std::ostringstream out;
    std::ostringstream errors;
    replay::replay(in, out, errors);
    Played played;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) played.lines.push_back(line);
    played.errors = errors.str();
    return played;
}

std::vector<std::string> json_strings(std::string_view line) {
    std::vector<std::string> strings;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] != '"') continue;
        std::string value;
        for (++i; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] != '\\' || i + 1 >= line.size()) {
                value += line[i];
                continue;
            }
            const char escaped = line[++i];
            switch (escaped) {
                case 'n': value += '\n'; break;
                case 'r': value += '\r'; break;
                case 't': value += '\t'; break;
                case 'u':  // only control characters are escaped this way
                    value += static_cast<char>(std::stoi(std::string(line.substr(i + 1, 4)), nullptr, 16));
                    i += 4;
                    break;
                default: value += escaped;
            }
        }
        strings.push_back(value);
    }
    return strings;
}

std::vector<Box> boxes(const Played& played) {
    std::vector<Box> found;
    for (const std::string& line : played.lines) {
        if (line.rfind("{\"box\"", 0) != 0) continue;
        const auto strings = json_strings(line);  // box, title, T, text, X
        if (strings.size() == 5) found.push_back({strings[2], strings[4]});
    }
    return found;
}

std::vector<Box> press_after_typing(int menu, const std::vector<std::pair<int, std::string>>& fields, int button) {
    std::string session = "menu " + std::to_string(menu) + "\n";
    for (const auto& [field, text] : fields) session += "type " + std::to_string(field) + " " + text + "\n";
    session += "press " + std::to_string(button) + "\n";
    return boxes(play(session));
}

void check_cases(int menu, int compute, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string typed;
        for (const auto& [field, text] : c.fields) typed += std::to_string(field) + "=" + text + " ";
        EXPECT_EQ(press_after_typing(menu, c.fields, compute), c.boxes) << typed;
    }
}

}  // namespace sparvik::testing
