#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <set>

#include "runtime/assets.h"
#include "runtime/control_properties.h"
#include "runtime/layout.h"

namespace tarvik {

namespace {

// The window line's properties, in the shape of the controls' table.
struct WindowProperty {
    std::string_view name;
    ValueType type;
    std::vector<std::string_view> choices;
    void (*store)(WindowLook&, const DesignValue&);
};

const std::vector<WindowProperty>& window_properties() {
    using W = WindowLook;
    using V = DesignValue;
    // clang-format off
    static const std::vector<WindowProperty> table = {
        {"Caption", ValueType::Text, {}, [](W& w, const V& v) { w.caption = v.text; }},
        {"ClientWidth", ValueType::Twips, {}, [](W& w, const V& v) { w.client_width = v.whole; }},
        {"ClientHeight", ValueType::Twips, {}, [](W& w, const V& v) { w.client_height = v.whole; }},
        {"WindowState", ValueType::Choice, {"normal", "maximized"}, [](W& w, const V& v) { w.maximized = v.whole == 1; }},
        {"BorderStyle", ValueType::Choice, {"none", "fixed", "sizable"},
         [](W& w, const V& v) { w.border = static_cast<BorderStyle>(v.whole); }},
        {"CloseRequest", ValueType::Choice, {"end", "hide", "ignore"},
         [](W& w, const V& v) { w.close_request = static_cast<CloseRequest>(v.whole); }},
        {"StartUpPosition", ValueType::Choice, {"default", "centre"}, [](W& w, const V& v) { w.centred = v.whole == 1; }},
        {"BackColor", ValueType::Colour, {}, [](W& w, const V& v) { w.back_color = v.colour; }},
        {"Picture", ValueType::Drawing, {}, [](W& w, const V& v) { w.picture_drawing = v.text; }},
        {"Icon", ValueType::Drawing, {}, [](W& w, const V& v) { w.icon_drawing = v.text; }},
        {"MouseIcon", ValueType::Drawing, {}, [](W& w, const V& v) { w.cursor_drawing = v.text; }},
        {"Font", ValueType::Text, {}, [](W& w, const V& v) { w.font.family = v.text; }},
        {"FontSize", ValueType::Number, {}, [](W& w, const V& v) { w.font.size_pt = v.number; }},
        {"Bold", ValueType::Bool, {}, [](W& w, const V& v) { w.font.bold = v.flag; }},
    };
    // clang-format on
    return table;
}

}  // namespace

// Builds controls from layout lines; a friend of Control so that a control
// can be made with its window's font before its own properties are stored.
class LayoutBuilder {
public:
    LayoutBuilder(std::string_view file, const DrawingCatalogue& drawings) : m_file(file), m_drawings(drawings) {}

    Layout read(std::string_view text);

private:
    // PROPERTY=VALUE, the value unescaped; whether it was quoted matters to
    // its type (text must be quoted, nothing else may be).
    struct Token {
        std::string key;
        std::string value;
        bool quoted = false;
    };

    [[noreturn]] void fail(const std::string& message) const { fail_at(m_line, message); }
    [[noreturn]] void fail_at(int line, const std::string& message) const {
        throw LayoutError(std::string(m_file) + ":" + std::to_string(line) + ": " + message);
    }

    std::vector<std::string> split(std::string_view line) const;
    std::vector<Token> tokens(const std::vector<std::string>& words, std::size_t first) const;
    DesignValue parse(const Token& token, ValueType type, const std::vector<std::string_view>& choices) const;

    void read_window(const std::vector<std::string>& words, Layout& layout);
    void read_control(const std::vector<std::string>& words, Layout& layout);
    void check_natural_size(const Control& control, const std::string& drawing) const;
    void check_containers(const Layout& layout) const;

    std::string_view m_file;
    const DrawingCatalogue& m_drawings;
    int m_line = 0;
    // The line of each control, for faults found once the whole file is read.
    std::vector<int> m_control_lines;
};

// Blank-separated words; a double-quoted stretch may hold blanks, and its
// escapes are kept for tokens() to undo.
std::vector<std::string> LayoutBuilder::split(std::string_view line) const {
    std::vector<std::string> words;
    std::size_t i = 0;
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (i < line.size()) {
        if (blank(line[i])) {
            ++i;
            continue;
        }
        std::string word;
        bool in_quotes = false;
        for (; i < line.size() && (in_quotes || !blank(line[i])); ++i) {
            const char c = line[i];
            if (in_quotes && c == '\\') {
                if (i + 1 >= line.size() || (line[i + 1] != '"' && line[i + 1] != '\\'))
                    fail("bad escape in a quoted value");
                word += c;
                word += line[++i];
                continue;
            }
            if (c == '"') in_quotes = !in_quotes;
            word += c;
        }
        if (in_quotes) fail("unterminated quoted value");
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<LayoutBuilder::Token> LayoutBuilder::tokens(const std::vector<std::string>& words,
                                                        std::size_t first) const {
    std::vector<Token> result;
    std::set<std::string> seen;
    for (std::size_t i = first; i < words.size(); ++i) {
        const std::string& word = words[i];
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) fail("expected PROPERTY=VALUE, got '" + word + "'");
        Token token{word.substr(0, equals), {}, false};
        const std::string raw = word.substr(equals + 1);
        if (!seen.insert(token.key).second) fail("property " + token.key + " given twice");
        if (!raw.empty() && raw.front() == '"') {
            if (raw.size() < 2 || raw.back() != '"') fail("malformed quoted value of " + token.key);
            for (std::size_t j = 1; j + 1 < raw.size(); ++j) {
                if (raw[j] == '\\') ++j;
                token.value += raw[j];
            }
            token.quoted = true;
        } else {
            if (raw.find('"') != std::string::npos) fail("stray quote in the value of " + token.key);
            token.value = raw;
        }
        result.push_back(std::move(token));
    }
    return result;
}

DesignValue LayoutBuilder::parse(const Token& token, ValueType type,
                                 const std::vector<std::string_view>& choices) const {
    DesignValue value;
    const std::string& v = token.value;
    const char* end = v.data() + v.size();
    if (type == ValueType::Text) {
        if (!token.quoted) fail(token.key + " must be quoted");
        value.text = v;
        return value;
    }
    if (token.quoted) fail(token.key + " must not be quoted");
    switch (type) {
    case ValueType::Twips:
    case ValueType::Milliseconds: {
        const auto result = std::from_chars(v.data(), end, value.whole);
        const char* unit = type == ValueType::Twips ? "twips" : "milliseconds";
        if (v.empty() || result.ec != std::errc() || result.ptr != end)
            fail(token.key + " must be a whole number of " + unit + ", got '" + v + "'");
        if (type == ValueType::Milliseconds && value.whole < 0) fail(token.key + " must not be negative");
        break;
    }
    case ValueType::Number: {
        const auto result = std::from_chars(v.data(), end, value.number);
        if (v.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(value.number))
            fail(token.key + " must be a number, got '" + v + "'");
        if (value.number <= 0) fail(token.key + " must be above 0");
        break;
    }
    case ValueType::Bool:
        if (v != "true" && v != "false") fail(token.key + " must be true or false, got '" + v + "'");
        value.flag = v == "true";
        break;
    case ValueType::Colour: {
        if (v == "default") {
            value.colour = Color::system_default();
            break;
        }
        unsigned rgb = 0;
        const bool hex = v.size() == 7 && v[0] == '#' && std::from_chars(v.data() + 1, end, rgb, 16).ptr == end;
        if (!hex) fail(token.key + " must be #RRGGBB or default");
        value.colour = Color::rgb(static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>((rgb >> 8) & 0xff),
                                  static_cast<std::uint8_t>(rgb & 0xff));
        break;
    }
    case ValueType::Drawing:
        if (m_drawings.find(v) == m_drawings.end()) fail("unknown drawing '" + v + "' for " + token.key);
        value.text = v;
        break;
    case ValueType::Choice: {
        auto found = std::find(choices.begin(), choices.end(), v);
        if (found == choices.end()) {
            std::string words;
            for (std::string_view choice : choices) words += (words.empty() ? "" : ", ") + std::string(choice);
            fail(token.key + " must be one of " + words + ", got '" + v + "'");
        }
        value.whole = static_cast<int>(found - choices.begin());
        break;
    }
    case ValueType::Name:
        if (v.empty()) fail(token.key + " must name a control");
        value.text = v;
        break;
    case ValueType::Text: break;
    }
    return value;
}

void LayoutBuilder::read_window(const std::vector<std::string>& words, Layout& layout) {
    if (words.size() < 2 || words[0] != "window") fail("the first line must be 'window NAME ...'");
    layout.name = words[1];
    WindowLook& look = layout.window;
    look.caption = layout.name;
    const auto& table = window_properties();
    for (const Token& token : tokens(words, 2)) {
        auto property =
            std::find_if(table.begin(), table.end(), [&](const WindowProperty& p) { return p.name == token.key; });
        if (property == table.end()) fail("the window has no property " + token.key);
        property->store(look, parse(token, property->type, property->choices));
    }
    if (look.client_width <= 0 || look.client_height <= 0)
        fail("the window needs ClientWidth and ClientHeight above 0");
}

void LayoutBuilder::read_control(const std::vector<std::string>& words, Layout& layout) {
    const ControlKindInfo* kind = find_control_kind(words[0]);
    if (kind == nullptr) fail("unknown kind of control '" + words[0] + "'");
    if (words.size() < 2 || words[1].find('=') != std::string::npos) fail("a control needs a name");
    for (const Control& other : layout.controls)
        if (other.name() == words[1]) fail("control name " + words[1] + " used twice");

    Control control(kind->kind, words[1]);
    control.m_look.font = layout.window.font;
    std::string drawing;
    DesignTarget target{control, drawing};
    for (const Token& token : tokens(words, 2)) {
        const ControlProperty* property = find_control_property(kind->kind, token.key);
        if (property == nullptr) fail(std::string("a ") + kind->name.data() + " has no property " + token.key);
        property->store(target, parse(token, property->type, property->choices));
    }
    if (control.m_look.auto_size && character_count(control.m_caption) > 0)
        control.m_look.char_width = control.m_width / static_cast<int>(character_count(control.m_caption));
    check_natural_size(control, drawing);

    layout.controls.push_back(std::move(control));
    layout.picture_drawings.push_back(std::move(drawing));
    m_control_lines.push_back(m_line);
}

void LayoutBuilder::check_natural_size(const Control& control, const std::string& drawing) const {
    if (drawing.empty()) return;
    const DrawingSize& size = m_drawings.find(drawing)->second;
    const int width = size.width_px * twips_per_pixel;
    const int height = size.height_px * twips_per_pixel;
    if (control.width() != width || control.height() != height)
        fail(control.name() + " shows " + drawing + " at its natural size " + std::to_string(width) + " x " +
             std::to_string(height) + " twips, not " + std::to_string(control.width()) + " x " +
             std::to_string(control.height()));
}

void LayoutBuilder::check_containers(const Layout& layout) const {
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const Control& control = layout.controls[i];
        if (control.container().empty()) continue;
        const bool found = std::any_of(layout.controls.begin(), layout.controls.end(), [&](const Control& frame) {
            return frame.name() == control.container() && frame.kind() == ControlKind::Frame;
        });
        if (!found)
            fail_at(m_control_lines[i],
                    control.name() + "'s container " + control.container() + " is no frame of the window");
    }
}

Layout LayoutBuilder::read(std::string_view text) {
    Layout layout;
    bool have_window = false;
    m_line = 0;
    m_control_lines.clear();
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++m_line;
        const std::vector<std::string> words = split(line);
        if (words.empty() || words[0].front() == '#') continue;
        if (!have_window) {
            read_window(words, layout);
            have_window = true;
        } else {
            read_control(words, layout);
        }
    }
    if (!have_window) fail("no window line");
    check_containers(layout);
    return layout;
}

DrawingCatalogue read_drawing_catalogue(std::string_view file_name, std::string_view text) {
    DrawingCatalogue catalogue;
    int line_number = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string line(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++line_number;
        std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos || line[first] == '#') continue;
        char name[128] = {};
        int width = 0, height = 0;
        char extra = 0;
        if (std::sscanf(line.c_str(), "%127s %d %d %c", name, &width, &height, &extra) != 3 || width <= 0 ||
            height <= 0)
            throw LayoutError(std::string(file_name) + ":" + std::to_string(line_number) +
                              ": expected 'NAME WIDTH HEIGHT'");
        if (!catalogue.emplace(name, DrawingSize{width, height}).second)
            throw LayoutError(std::string(file_name) + ":" + std::to_string(line_number) + ": drawing " + name +
                              " listed twice");
    }
    return catalogue;
}

Layout read_layout(std::string_view file_name, std::string_view text, const DrawingCatalogue& drawings) {
    return LayoutBuilder(file_name, drawings).read(text);
}

const DrawingCatalogue& drawing_catalogue() {
    static const DrawingCatalogue catalogue = [] {
        auto text = find_asset("pictures/drawings.txt");
        if (!text) throw LayoutError("pictures/drawings.txt is not embedded");
        return read_drawing_catalogue("pictures/drawings.txt", *text);
    }();
    return catalogue;
}

const Layout& layout_of(std::string_view form_name) {
    static std::mutex mutex;
    static std::map<std::string, Layout, std::less<>> cache;
    std::lock_guard lock(mutex);
    auto found = cache.find(form_name);
    if (found != cache.end()) return found->second;
    std::string path = "layouts/" + std::string(form_name) + ".layout";
    auto text = find_asset(path);
    if (!text) throw LayoutError(path + " is not embedded");
    Layout layout = read_layout(path, *text, drawing_catalogue());
    if (layout.name != form_name) throw LayoutError(path + ": the window line names " + layout.name);
    return cache.emplace(std::string(form_name), std::move(layout)).first->second;
}

}  // namespace tarvik
