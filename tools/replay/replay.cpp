#include "tools/replay/replay.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

#include "app/program.h"
#include "frame/scripted_toolkit.h"

namespace sparvik::replay {
namespace {

std::string json(std::string_view text) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (byte < 0x20) {
                    out += "\\u00";
                    out += hex[byte >> 4U];
                    out += hex[byte & 0xFU];
                } else {
                    out += c;  // UTF-8 stays unescaped
                }
        }
    }
    out += '"';
    return out;
}

class Printer : public frame::ScriptedToolkit::Observer {
public:
    explicit Printer(std::ostream& out) : out_(out) {}
    void opened(int window, const std::string& title) override {
        out_ << "{\"open\": " << window << ", \"title\": " << json(title) << "}\n";
    }
    void box(const std::string& title, const std::string& text) override {
        out_ << "{\"box\": {\"title\": " << json(title) << ", \"text\": " << json(text) << "}}\n";
    }
    void closed(int window) override {
        if (window != 0) out_ << "{\"closed\": " << window << "}\n";  // the end of window 0 is the exit line
    }

private:
    std::ostream& out_;
};

bool parse_int(std::string_view text, int& value) {
    if (text.empty()) return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

struct Command {
    std::string verb;
    int id = 0;
    int position = 0;
    std::string text;
};

// verb, one blank, an identifier; "type" takes the rest after one more blank
// verbatim, "pick" a position.
bool parse(const std::string& line, Command& command) {
    const std::size_t first = line.find(' ');
    if (first == std::string::npos) return false;
    command.verb = line.substr(0, first);
    const std::string_view rest = std::string_view(line).substr(first + 1);
    if (command.verb == "type") {
        const std::size_t second = rest.find(' ');
        command.text = second == std::string_view::npos ? std::string() : std::string(rest.substr(second + 1));
        return parse_int(rest.substr(0, second), command.id);
    }
    if (command.verb == "pick") {
        const std::size_t second = rest.find(' ');
        return second != std::string_view::npos && parse_int(rest.substr(0, second), command.id) &&
               parse_int(rest.substr(second + 1), command.position);
    }
    if (command.verb == "menu" || command.verb == "press" || command.verb == "close" || command.verb == "read") {
        return parse_int(rest, command.id);
    }
    return false;
}

void print_state(std::ostream& out, const frame::ScriptedToolkit& toolkit, int id) {
    using Kind = frame::ScriptedToolkit::ControlKind;
    const auto* control = toolkit.control(id);
    if (control == nullptr || control->kind == Kind::Image) return;
    if (control->kind == Kind::List) {
        const int position = control->selected;
        const std::string text = position < 0 ? std::string() : control->items[static_cast<std::size_t>(position)].text;
        out << "{\"read\": " << id << ", \"pos\": " << position << ", \"text\": " << json(text) << "}\n";
    } else {
        out << "{\"read\": " << id << ", \"text\": " << json(control->text) << "}\n";
    }
}

}  // namespace

void replay(std::istream& session, std::ostream& out, std::ostream& errors) {
    Printer printer(out);
    std::size_t line_number = 0;
    // The next well-formed command; malformed lines are reported and skipped.
    auto next = [&](Command& command) {
        std::string line;
        while (std::getline(session, line)) {
            ++line_number;
            if (!line.empty() && line.back() == '\r') line.pop_back();  // sessions written on Windows
            if (parse(line, command)) return true;
            errors << "line " << line_number << ": not a command: " << line << '\n';
        }
        return false;
    };
    // Plays commands until one of them gives the program an event to take.
    auto feed = [&](frame::ScriptedToolkit& toolkit) {
        Command command;
        while (next(command)) {
            bool queued = false;
            if (command.verb == "menu") {
                queued = toolkit.choose_menu(command.id);
            } else if (command.verb == "type") {
                queued = toolkit.type(command.id, command.text);
            } else if (command.verb == "press") {
                queued = toolkit.press(command.id);
            } else if (command.verb == "pick") {
                queued = toolkit.pick(command.id, command.position);
            } else if (command.verb == "close") {
                queued = toolkit.click_close(command.id);
            } else {
                print_state(out, toolkit, command.id);
            }
            if (queued) return true;
        }
        return false;
    };
    frame::ScriptedToolkit toolkit(feed, &printer);
    try {
        const int code = app::run_program(toolkit);
        out << "{\"exit\": " << code << "}\n";
        // Commands after the end do nothing, but a malformed one is still reported.
        Command ignored;
        while (next(ignored)) {
        }
    } catch (const frame::Stopped&) {
        // The session ended while the program was still running.
    }
    out.flush();
}

}  // namespace sparvik::replay
