#include "driver/driver.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "game.h"
#include "runtime/control_properties.h"

namespace tarvik {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// Blank-separated words; several blanks count as one. No command takes more
// than three words, so counting stops one word past the most a command can
// use: a malformed line of millions of words costs no list of them all.
constexpr std::size_t most_words = 4;

std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> words;
    text = trim(text);
    while (!text.empty() && words.size() < most_words) {
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        words.push_back(text.substr(0, end));
        text = trim(text.substr(end));
    }
    return words;
}

// A name as it may be echoed in an error: short, one line, printable. It is
// cut at a character boundary, so a name in UTF-8 stays valid UTF-8.
std::string shown_name(std::string_view name) {
    constexpr std::size_t longest = 60;
    std::size_t cut = std::min(name.size(), longest);
    const auto continues_a_character = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    if (cut < name.size())
        while (cut > 0 && continues_a_character(name[cut])) --cut;
    std::string out = "'";
    for (unsigned char c : name.substr(0, cut)) out += (c < 0x20 || c == 0x7f) ? '?' : static_cast<char>(c);
    if (cut < name.size()) out += "...";
    return out + "'";
}

std::string error(const std::string& message) { return "error: " + message; }

bool parse_whole(std::string_view text, long long& value) {
    if (text.empty()) return false;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

enum class Property { Named, None };
enum class Needs { Loaded, Shown };

struct Target {
    Form* form = nullptr;
    Control* control = nullptr;
    std::string property;
    std::string failure;  // non-empty when the target cannot be used
};

// The dot-separated parts of a name; one part more than a name can have is
// enough to tell that it has too many.
std::vector<std::string_view> split_dots(std::string_view text) {
    std::vector<std::string_view> parts;
    while (parts.size() < 4) {
        const std::size_t dot = text.find('.');
        parts.push_back(text.substr(0, dot));
        if (dot == std::string_view::npos) break;
        text.remove_prefix(dot + 1);
    }
    return parts;
}

// The window of a command, without creating it.
Form* window_named(Program& program, std::string_view name, Needs needs, std::string& failure) {
    if (!Program::is_form_name(name)) {
        failure = "there is no window named " + shown_name(name);
        return nullptr;
    }
    Form* form = program.find_form(name);
    if (needs == Needs::Shown && (form == nullptr || !form->visible()))
        failure = std::string(name) + " is not shown";
    else if (form == nullptr)
        failure = std::string(name) + " is not loaded";
    return failure.empty() ? form : nullptr;
}

// Resolves FORM.CONTROL (or FORM.CONTROL.PROPERTY) without creating windows.
Target resolve(Program& program, std::string_view text, Property property, Needs needs) {
    Target target;
    const std::vector<std::string_view> parts = split_dots(text);
    if (parts.size() != (property == Property::Named ? 3u : 2u)) {
        target.failure =
            shown_name(text) + (property == Property::Named ? " is not FORM.CONTROL.PROPERTY" : " is not FORM.CONTROL");
        return target;
    }
    target.form = window_named(program, parts[0], needs, target.failure);
    if (target.form == nullptr) return target;
    target.control = target.form->find(parts[1]);
    if (target.control == nullptr) {
        target.failure = std::string(parts[0]) + " has no control named " + shown_name(parts[1]);
        return target;
    }
    if (property == Property::Named) target.property = std::string(parts[2]);
    return target;
}

}  // namespace

const std::vector<Driver::Command>& Driver::commands() {
    static const std::vector<Command> table = {
        {"advance", &Driver::advance}, {"click", &Driver::click}, {"type", &Driver::type},
        {"get", &Driver::get},         {"same", &Driver::same},   {"shown", &Driver::shown},
        {"loaded", &Driver::loaded},   {"close", &Driver::close}, {"front", &Driver::front},
        {"ended", &Driver::ended},
    };
    return table;
}

Driver::Driver(TimeOfDayAt time_of_day)
    : m_program(new_game([this, time_of_day = std::move(time_of_day)] { return time_of_day(m_program->now()); })) {}

std::optional<std::string> Driver::execute(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string_view content = trim(line);
    if (content.empty() || content.front() == '#') return std::nullopt;

    // The arguments keep their own blanks: type's text is the rest of the
    // line after exactly one blank.
    const std::size_t blank = content.find_first_of(" \t");
    const std::string_view verb = content.substr(0, blank);
    const std::size_t verb_end = static_cast<std::size_t>(verb.data() - line.data()) + verb.size();
    const std::string_view args = blank == std::string_view::npos ? std::string_view() : line.substr(verb_end + 1);

    const auto& table = commands();
    const auto command = std::find_if(table.begin(), table.end(), [&](const Command& c) { return c.verb == verb; });
    if (m_program->ended() && verb != "ended") return error("the program has ended");
    if (command == table.end()) return error("unknown command " + shown_name(verb));
    return (this->*command->run)(args);
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
    std::string failure;
    Form* form = window_named(*m_program, words[0], Needs::Shown, failure);
    if (form == nullptr) return error(failure);
    // A point far outside the window stays outside it when brought into range.
    auto in_range = [](long long v) { return static_cast<int>(std::clamp(v, -1'000'000'000LL, 1'000'000'000LL)); };
    m_program->click(*form, in_range(x), in_range(y));
    return "ok";
}

std::string Driver::type(std::string_view args) {
    // TEXT is the rest of the line after exactly one blank; it may be empty.
    const std::size_t blank = args.find(' ');
    const std::string_view target_text = args.substr(0, blank);
    const std::string_view text = blank == std::string_view::npos ? std::string_view() : args.substr(blank + 1);
    if (target_text.empty()) return error("type takes FORM.CONTROL and then the text");
    Target target = resolve(*m_program, target_text, Property::None, Needs::Shown);
    if (!target.failure.empty()) return error(target.failure);
    if (target.control->kind() != ControlKind::TextBox) return error(target.control->name() + " is not a text box");
    m_program->type(*target.control, text);
    return "ok";
}

std::string Driver::get(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 1) return error("get takes one FORM.CONTROL.PROPERTY");
    Target target = resolve(*m_program, words[0], Property::Named, Needs::Loaded);
    if (!target.failure.empty()) return error(target.failure);
    auto value = read_control_property(*target.control, target.property);
    if (!value)
        return error(target.control->name() + " (" + kind_name(target.control->kind()) + ") has no property " +
                     shown_name(target.property));
    return *value;
}

std::string Driver::same(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 2) return error("same takes two controls: same FORM.A FORM.B");
    Target a = resolve(*m_program, words[0], Property::None, Needs::Loaded);
    if (!a.failure.empty()) return error(a.failure);
    Target b = resolve(*m_program, words[1], Property::None, Needs::Loaded);
    if (!b.failure.empty()) return error(b.failure);
    return same_picture(a.control->picture(), b.control->picture()) ? "yes" : "no";
}

// shown and loaded answer no for a window that has not been created yet.
std::string Driver::shown(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 1) return error("shown takes one window name");
    if (!Program::is_form_name(words[0])) return error("there is no window named " + shown_name(words[0]));
    const Form* form = m_program->find_form(words[0]);
    return form != nullptr && form->visible() ? "yes" : "no";
}

std::string Driver::loaded(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 1) return error("loaded takes one window name");
    if (!Program::is_form_name(words[0])) return error("there is no window named " + shown_name(words[0]));
    return m_program->find_form(words[0]) != nullptr ? "yes" : "no";
}

std::string Driver::close(std::string_view args) {
    auto words = words_of(args);
    if (words.size() != 1) return error("close takes one window name");
    std::string failure;
    Form* form = window_named(*m_program, words[0], Needs::Shown, failure);
    if (form == nullptr) return error(failure);
    m_program->request_close(*form);
    return "ok";
}

std::string Driver::front(std::string_view args) {
    if (!trim(args).empty()) return error("front takes no arguments");
    const Form* form = m_program->front();
    return form != nullptr ? form->name() : "none";
}

std::string Driver::ended(std::string_view args) {
    if (!trim(args).empty()) return error("ended takes no arguments");
    return m_program->ended() ? "yes" : "no";
}

}  // namespace tarvik
