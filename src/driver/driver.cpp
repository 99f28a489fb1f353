#include "driver/driver.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "game.h"

namespace tarvik {

namespace {

std::string_view strip(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// Blank-separated words; several blanks count as one.
std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        words.push_back(text.substr(start, i - start));
    }
    return words;
}

// A name as it may be echoed in an error: short, one line, printable.
std::string shown_name(std::string_view name) {
    std::string out;
    for (unsigned char c : name.substr(0, 60)) out += (c < 0x20 || c == 0x7f) ? '?' : static_cast<char>(c);
    if (name.size() > 60) out += "...";
    return "'" + out + "'";
}

std::string error(const std::string& message) { return "error: " + message; }

bool parse_whole(std::string_view text, long long& value) {
    if (text.empty()) return false;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

struct Target {
    Form* form = nullptr;
    Control* control = nullptr;
    std::string property;
    std::string failure;  // non-empty when the target cannot be used
};

std::vector<std::string_view> split_dots(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        std::size_t dot = text.find('.', start);
        parts.push_back(text.substr(start, dot == std::string_view::npos ? std::string_view::npos : dot - start));
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    return parts;
}

// Resolves FORM.CONTROL (or FORM.CONTROL.PROPERTY) without creating windows.
Target resolve(Program& program, std::string_view text, bool with_property, bool need_shown) {
    Target target;
    std::vector<std::string_view> parts = split_dots(text);
    const std::size_t expected = with_property ? 3 : 2;
    if (parts.size() != expected) {
        target.failure = with_property ? shown_name(text) + " is not FORM.CONTROL.PROPERTY"
                                       : shown_name(text) + " is not FORM.CONTROL";
        return target;
    }
    if (!Program::is_form_name(parts[0])) {
        target.failure = "there is no window named " + shown_name(parts[0]);
        return target;
    }
    target.form = program.find_form(parts[0]);
    const std::string form_name(parts[0]);
    if (need_shown && (target.form == nullptr || !target.form->visible())) {
        target.failure = form_name + " is not shown";
        return target;
    }
    if (target.form == nullptr) {
        target.failure = form_name + " is not loaded";
        return target;
    }
    target.control = target.form->find(parts[1]);
    if (target.control == nullptr) {
        target.failure = form_name + " has no control named " + shown_name(parts[1]);
        return target;
    }
    if (with_property) target.property = std::string(parts[2]);
    return target;
}

std::string whole_twips(float value) { return std::to_string(std::lround(value)); }

// The value of a property, or nothing when the control has no such property.
std::optional<std::string> property_value(const Control& control, const std::string& property) {
    const ControlKind kind = control.kind();
    if (kind == ControlKind::Timer) {
        if (property == "Interval") return std::to_string(control.interval());
        return std::nullopt;
    }
    if (property == "Visible") return std::string(control.visible() ? "true" : "false");
    if (kind == ControlKind::Line) {
        if (property == "X1") return std::to_string(control.x1());
        if (property == "Y1") return std::to_string(control.y1());
        if (property == "X2") return std::to_string(control.x2());
        if (property == "Y2") return std::to_string(control.y2());
        return std::nullopt;
    }
    if (property == "Left") return whole_twips(control.left());
    if (property == "Top") return whole_twips(control.top());
    if (property == "Width") return std::to_string(control.width());
    if (property == "Height") return std::to_string(control.height());
    const bool has_caption =
        kind == ControlKind::Label || kind == ControlKind::Frame || kind == ControlKind::CommandButton;
    if (property == "Caption" && has_caption) return control.caption();
    if (property == "Text" && kind == ControlKind::TextBox) return control.text();
    return std::nullopt;
}

}  // namespace

Driver::Driver(TimeOfDayAt time_of_day)
    : m_program(new_game([this, time_of_day = std::move(time_of_day)] { return time_of_day(m_program->now()); })) {}

std::optional<std::string> Driver::execute(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::string_view content = strip(line);
    if (content.empty() || content.front() == '#') return std::nullopt;

    std::string_view rest = line;
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
    std::size_t blank = rest.find_first_of(" \t");
    std::string_view verb = rest.substr(0, blank);
    std::string_view args = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);

    if (verb == "ended") {
        if (!strip(args).empty()) return error("ended takes no arguments");
        return std::string(m_program->ended() ? "yes" : "no");
    }
    if (m_program->ended()) return error("the program has ended");
    static const std::string_view verbs[] = {"advance", "click", "type", "get", "same", "shown", "loaded"};
    bool known = false;
    for (std::string_view v : verbs) known = known || v == verb;
    if (!known) return error("unknown command " + shown_name(verb));

    if (verb == "advance") return advance(args);
    if (verb == "click") return click(args);
    if (verb == "type") return type(args);
    if (verb == "get") return get(args);
    if (verb == "same") return same(args);
    return shown(args, verb == "loaded");
}

std::string Driver::advance(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 1) return error("advance takes one whole number of milliseconds");
    long long span = 0;
    if (!parse_whole(words[0], span)) return error(shown_name(words[0]) + " is not a whole number");
    if (span < 0) return error("advance takes 0 or more milliseconds");
    if (span > max_advance) return error("advance takes at most " + std::to_string(max_advance) + " ms at a time");
    m_program->advance(span);
    return "ok";
}

std::string Driver::click(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 3) return error("click takes a window and two whole numbers: click FORM X Y");
    if (!Program::is_form_name(words[0])) return error("there is no window named " + shown_name(words[0]));
    long long x = 0, y = 0;
    if (!parse_whole(words[1], x)) return error(shown_name(words[1]) + " is not a whole number");
    if (!parse_whole(words[2], y)) return error(shown_name(words[2]) + " is not a whole number");
    Form* form = m_program->find_form(words[0]);
    if (form == nullptr || !form->visible()) return error(std::string(words[0]) + " is not shown");
    // A point far outside the window stays outside it when brought into range.
    auto in_range = [](long long v) { return static_cast<int>(std::clamp(v, -1'000'000'000LL, 1'000'000'000LL)); };
    m_program->click(*form, in_range(x), in_range(y));
    return "ok";
}

std::string Driver::type(std::string_view args) {
    // TEXT is the rest of the line after exactly one blank; it may be empty.
    std::size_t blank = args.find(' ');
    std::string_view target_text = args.substr(0, blank);
    std::string_view text = blank == std::string_view::npos ? std::string_view() : args.substr(blank + 1);
    if (target_text.empty()) return error("type takes FORM.CONTROL and then the text");
    Target target = resolve(*m_program, target_text, false, true);
    if (!target.failure.empty()) return error(target.failure);
    if (target.control->kind() != ControlKind::TextBox)
        return error(target.control->name() + " is not a text box");
    target.control->set_text(text);
    return "ok";
}

std::string Driver::get(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 1) return error("get takes one FORM.CONTROL.PROPERTY");
    Target target = resolve(*m_program, words[0], true, false);
    if (!target.failure.empty()) return error(target.failure);
    auto value = property_value(*target.control, target.property);
    if (!value)
        return error(target.control->name() + " (" + kind_name(target.control->kind()) + ") has no property " +
                     shown_name(target.property));
    return *value;
}

std::string Driver::same(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 2) return error("same takes two controls: same FORM.A FORM.B");
    Target a = resolve(*m_program, words[0], false, false);
    if (!a.failure.empty()) return error(a.failure);
    Target b = resolve(*m_program, words[1], false, false);
    if (!b.failure.empty()) return error(b.failure);
    return same_picture(a.control->picture(), b.control->picture()) ? "yes" : "no";
}

std::string Driver::shown(std::string_view args, bool loaded_only) {
    auto words = words_of(args);
    if (words.size() != 1) return error(std::string(loaded_only ? "loaded" : "shown") + " takes one window name");
    if (!Program::is_form_name(words[0])) return error("there is no window named " + shown_name(words[0]));
    const Form* form = m_program->find_form(words[0]);
    if (loaded_only) return form != nullptr ? "yes" : "no";
    return form != nullptr && form->visible() ? "yes" : "no";
}

}  // namespace tarvik
