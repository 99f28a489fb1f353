#include <charconv>
#include <cstdio>
#include <cmath>
#include <mutex>
#include <set>

#include "runtime/assets.h"
#include "runtime/layout.h"

namespace tarvik {

// Builds controls from layout lines; a friend of Control so that design values
// can be set without going through the run-time setters.
class LayoutBuilder {
public:
    LayoutBuilder(std::string_view file, const DrawingCatalogue& drawings) : m_file(file), m_drawings(drawings) {}

    Layout read(std::string_view text);

private:
    using Token = std::pair<std::string, std::string>;  // property, value

    [[noreturn]] void fail(const std::string& message) const {
        throw LayoutError(std::string(m_file) + ":" + std::to_string(m_line) + ": " + message);
    }

    std::vector<std::string> split(std::string_view line) const;
    std::vector<Token> properties(const std::vector<std::string>& words, std::size_t first) const;

    int to_twips(const Token& token) const;
    double to_number(const Token& token) const;
    bool to_bool(const Token& token) const;
    Color to_color(const Token& token) const;
    std::string to_drawing(const Token& token) const;

    void read_window(const std::vector<std::string>& words, Layout& layout);
    void read_control(const std::vector<std::string>& words, Layout& layout);
    bool apply_font(const Token& token, FontSpec& font) const;

    std::string_view m_file;
    const DrawingCatalogue& m_drawings;
    int m_line = 0;
};

std::vector<std::string> LayoutBuilder::split(std::string_view line) const {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        std::string word;
        bool in_quotes = false;
        while (i < line.size()) {
            char c = line[i];
            if (in_quotes) {
                if (c == '\\') {
                    if (i + 1 >= line.size() || (line[i + 1] != '"' && line[i + 1] != '\\'))
                        fail("bad escape in a quoted value");
                    // Keep the escape so that properties() can tell a quoted value.
                    word += c;
                    word += line[i + 1];
                    i += 2;
                    continue;
                }
                if (c == '"') in_quotes = false;
                word += c;
                ++i;
            } else {
                if (c == ' ' || c == '\t' || c == '\r') break;
                if (c == '"') in_quotes = true;
                word += c;
                ++i;
            }
        }
        if (in_quotes) fail("unterminated quoted value");
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<LayoutBuilder::Token> LayoutBuilder::properties(const std::vector<std::string>& words,
                                                            std::size_t first) const {
    std::vector<Token> tokens;
    std::set<std::string> seen;
    for (std::size_t i = first; i < words.size(); ++i) {
        const std::string& word = words[i];
        std::size_t equals = word.find('=');
        if (equals == std::string::npos || equals == 0) fail("expected PROPERTY=VALUE, got '" + word + "'");
        std::string key = word.substr(0, equals);
        std::string raw = word.substr(equals + 1);
        if (!seen.insert(key).second) fail("property " + key + " given twice");
        std::string value;
        if (!raw.empty() && raw.front() == '"') {
            if (raw.size() < 2 || raw.back() != '"') fail("malformed quoted value of " + key);
            for (std::size_t j = 1; j + 1 < raw.size(); ++j) {
                if (raw[j] == '\\') ++j;
                value += raw[j];
            }
            key.insert(0, "\"");  // marks a quoted value; stripped by the users
        } else {
            if (raw.find('"') != std::string::npos) fail("stray quote in the value of " + key);
            value = raw;
        }
        tokens.emplace_back(std::move(key), std::move(value));
    }
    return tokens;
}

namespace {

bool quoted(const std::pair<std::string, std::string>& token) { return !token.first.empty() && token.first[0] == '"'; }
std::string key_of(const std::pair<std::string, std::string>& token) {
    return quoted(token) ? token.first.substr(1) : token.first;
}

}  // namespace

int LayoutBuilder::to_twips(const Token& token) const {
    int value = 0;
    const std::string& v = token.second;
    auto result = std::from_chars(v.data(), v.data() + v.size(), value);
    if (quoted(token) || v.empty() || result.ec != std::errc() || result.ptr != v.data() + v.size())
        fail(key_of(token) + " must be a whole number of twips, got '" + v + "'");
    return value;
}

double LayoutBuilder::to_number(const Token& token) const {
    double value = 0;
    const std::string& v = token.second;
    auto result = std::from_chars(v.data(), v.data() + v.size(), value);
    if (quoted(token) || v.empty() || result.ec != std::errc() || result.ptr != v.data() + v.size() ||
        !std::isfinite(value))
        fail(key_of(token) + " must be a number, got '" + v + "'");
    return value;
}

bool LayoutBuilder::to_bool(const Token& token) const {
    if (!quoted(token) && token.second == "true") return true;
    if (!quoted(token) && token.second == "false") return false;
    fail(key_of(token) + " must be true or false, got '" + token.second + "'");
}

Color LayoutBuilder::to_color(const Token& token) const {
    const std::string& v = token.second;
    if (!quoted(token) && v == "default") return Color::system_default();
    if (quoted(token) || v.size() != 7 || v[0] != '#') fail(key_of(token) + " must be #RRGGBB or default");
    unsigned value = 0;
    auto result = std::from_chars(v.data() + 1, v.data() + 7, value, 16);
    if (result.ec != std::errc() || result.ptr != v.data() + 7) fail(key_of(token) + " must be #RRGGBB or default");
    return Color::rgb(static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>((value >> 8) & 0xff),
                      static_cast<std::uint8_t>(value & 0xff));
}

std::string LayoutBuilder::to_drawing(const Token& token) const {
    if (quoted(token) || m_drawings.find(token.second) == m_drawings.end())
        fail("unknown drawing '" + token.second + "' for " + key_of(token));
    return token.second;
}

bool LayoutBuilder::apply_font(const Token& token, FontSpec& font) const {
    std::string key = key_of(token);
    if (key == "Font") {
        if (!quoted(token)) fail("Font must be a quoted family name");
        font.family = token.second;
    } else if (key == "FontSize") {
        font.size_pt = to_number(token);
        if (font.size_pt <= 0) fail("FontSize must be above 0");
    } else if (key == "Bold") {
        font.bold = to_bool(token);
    } else {
        return false;
    }
    return true;
}

void LayoutBuilder::read_window(const std::vector<std::string>& words, Layout& layout) {
    if (words.size() < 2 || words[0] != "window") fail("the first line must be 'window NAME ...'");
    layout.name = words[1];
    WindowLook& look = layout.window;
    look.caption = layout.name;
    bool has_width = false, has_height = false;
    for (const Token& token : properties(words, 2)) {
        std::string key = key_of(token);
        const std::string& v = token.second;
        if (key == "Caption" && quoted(token)) {
            look.caption = v;
        } else if (key == "ClientWidth") {
            look.client_width = to_twips(token);
            has_width = true;
        } else if (key == "ClientHeight") {
            look.client_height = to_twips(token);
            has_height = true;
        } else if (key == "WindowState") {
            if (v != "normal" && v != "maximized") fail("WindowState must be normal or maximized");
            look.maximized = v == "maximized";
        } else if (key == "BorderStyle") {
            if (v == "none") look.border = BorderStyle::None;
            else if (v == "fixed") look.border = BorderStyle::Fixed;
            else if (v == "sizable") look.border = BorderStyle::Sizable;
            else fail("BorderStyle must be none, fixed or sizable");
        } else if (key == "CloseRequest") {
            if (v == "end") look.close_request = CloseRequest::EndProgram;
            else if (v == "hide") look.close_request = CloseRequest::Hide;
            else if (v == "ignore") look.close_request = CloseRequest::Ignore;
            else fail("CloseRequest must be end, hide or ignore");
        } else if (key == "StartUpPosition") {
            if (v != "centre" && v != "default") fail("StartUpPosition must be centre or default");
            look.centred = v == "centre";
        } else if (key == "BackColor") {
            look.back_color = to_color(token);
        } else if (key == "Picture") {
            look.picture_drawing = to_drawing(token);
        } else if (key == "Icon") {
            look.icon_drawing = to_drawing(token);
        } else if (key == "MouseIcon") {
            look.cursor_drawing = to_drawing(token);
        } else if (!apply_font(token, look.font)) {
            fail("the window has no property " + key);
        }
    }
    if (!has_width || !has_height || look.client_width <= 0 || look.client_height <= 0)
        fail("the window needs ClientWidth and ClientHeight above 0");
}

void LayoutBuilder::read_control(const std::vector<std::string>& words, Layout& layout) {
    static const std::pair<const char*, ControlKind> kinds[] = {
        {"Label", ControlKind::Label},   {"Image", ControlKind::Image},
        {"Timer", ControlKind::Timer},   {"Frame", ControlKind::Frame},
        {"TextBox", ControlKind::TextBox}, {"Shape", ControlKind::Shape},
        {"Line", ControlKind::Line},     {"CommandButton", ControlKind::CommandButton},
    };
    const ControlKind* kind = nullptr;
    for (const auto& entry : kinds)
        if (words[0] == entry.first) kind = &entry.second;
    if (kind == nullptr) fail("unknown kind of control '" + words[0] + "'");
    if (words.size() < 2 || words[1].find('=') != std::string::npos) fail("a control needs a name");

    Control control(*kind, words[1]);
    control.m_look.font = layout.window.font;
    if (*kind == ControlKind::Label || *kind == ControlKind::Frame || *kind == ControlKind::CommandButton)
        control.m_caption = "";
    std::string drawing;
    const bool boxed = *kind != ControlKind::Timer && *kind != ControlKind::Line;
    const bool has_font = *kind == ControlKind::Label || *kind == ControlKind::Frame ||
                          *kind == ControlKind::TextBox || *kind == ControlKind::CommandButton;
    const bool has_colours = *kind == ControlKind::Label || *kind == ControlKind::Frame ||
                             *kind == ControlKind::TextBox;

    for (const Token& token : properties(words, 2)) {
        std::string key = key_of(token);
        if (key == "Container") {
            control.m_container = token.second;
        } else if (key == "Visible" && *kind != ControlKind::Timer) {
            control.m_visible = to_bool(token);
        } else if (boxed && key == "Left") {
            control.m_left = static_cast<float>(to_twips(token));
        } else if (boxed && key == "Top") {
            control.m_top = static_cast<float>(to_twips(token));
        } else if (boxed && key == "Width") {
            control.m_width = to_twips(token);
        } else if (boxed && key == "Height") {
            control.m_height = to_twips(token);
        } else if (*kind == ControlKind::Line && key == "X1") {
            control.m_x1 = to_twips(token);
        } else if (*kind == ControlKind::Line && key == "Y1") {
            control.m_y1 = to_twips(token);
        } else if (*kind == ControlKind::Line && key == "X2") {
            control.m_x2 = to_twips(token);
        } else if (*kind == ControlKind::Line && key == "Y2") {
            control.m_y2 = to_twips(token);
        } else if (*kind == ControlKind::Timer && key == "Interval") {
            control.m_interval = to_twips(token);
            if (control.m_interval < 0) fail("Interval must not be negative");
        } else if (*kind == ControlKind::Image && key == "Picture") {
            drawing = to_drawing(token);
        } else if (key == "Caption" && (*kind == ControlKind::Label || *kind == ControlKind::Frame ||
                                        *kind == ControlKind::CommandButton)) {
            if (!quoted(token)) fail("Caption must be quoted");
            control.m_caption = token.second;
        } else if (key == "Text" && *kind == ControlKind::TextBox) {
            if (!quoted(token)) fail("Text must be quoted");
            control.m_text = token.second;
        } else if (has_colours && key == "ForeColor") {
            control.m_look.fore_color = to_color(token);
        } else if (has_colours && key == "BackColor") {
            control.m_look.back_color = to_color(token);
        } else if (*kind == ControlKind::Label && key == "BackStyle") {
            if (token.second == "transparent") control.m_look.back_style = BackStyle::Transparent;
            else if (token.second == "opaque") control.m_look.back_style = BackStyle::Opaque;
            else fail("BackStyle must be transparent or opaque");
        } else if (*kind == ControlKind::Label && key == "Alignment") {
            if (token.second == "left") control.m_look.alignment = Alignment::Left;
            else if (token.second == "right") control.m_look.alignment = Alignment::Right;
            else if (token.second == "center") control.m_look.alignment = Alignment::Center;
            else fail("Alignment must be left, right or center");
        } else if (*kind == ControlKind::Label && key == "AutoSize") {
            control.m_look.auto_size = to_bool(token);
        } else if (has_font && apply_font(token, control.m_look.font)) {
            // font property taken
        } else if (*kind == ControlKind::Shape && key == "FillColor") {
            control.m_look.fill_color = to_color(token);
        } else if (*kind == ControlKind::Shape && key == "FillStyle") {
            if (token.second == "solid") control.m_look.fill_style = FillStyle::Solid;
            else if (token.second == "transparent") control.m_look.fill_style = FillStyle::Transparent;
            else fail("FillStyle must be solid or transparent");
        } else if ((*kind == ControlKind::Shape || *kind == ControlKind::Line) && key == "BorderColor") {
            control.m_look.border_color = to_color(token);
        } else if (*kind == ControlKind::Shape && key == "Rounded") {
            control.m_look.rounded = to_bool(token);
        } else {
            fail(std::string("a ") + kind_name(*kind) + " has no property " + key);
        }
    }

    if (!drawing.empty()) {
        const DrawingSize& size = m_drawings.find(drawing)->second;
        if (control.m_width != size.width_px * twips_per_pixel ||
            control.m_height != size.height_px * twips_per_pixel)
            fail(control.m_name + " shows " + drawing + " at its natural size " +
                 std::to_string(size.width_px * twips_per_pixel) + " x " +
                 std::to_string(size.height_px * twips_per_pixel) + " twips, not " +
                 std::to_string(control.m_width) + " x " + std::to_string(control.m_height));
    }
    for (const Control& other : layout.controls)
        if (other.name() == control.name()) fail("control name " + control.name() + " used twice");
    layout.controls.push_back(std::move(control));
    layout.picture_drawings.push_back(std::move(drawing));
}

Layout LayoutBuilder::read(std::string_view text) {
    Layout layout;
    bool have_window = false;
    m_line = 0;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++m_line;
        std::vector<std::string> words = split(line);
        if (words.empty() || words[0].front() == '#') continue;
        if (!have_window) {
            read_window(words, layout);
            have_window = true;
        } else {
            read_control(words, layout);
        }
    }
    if (!have_window) fail("no window line");
    for (const Control& control : layout.controls) {
        if (control.container().empty()) continue;
        bool found = false;
        for (const Control& frame : layout.controls)
            found = found || (frame.name() == control.container() && frame.kind() == ControlKind::Frame);
        if (!found) throw LayoutError(std::string(m_file) + ": " + control.name() + "'s container " +
                                      control.container() + " is no frame of the window");
    }
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
