#include "runtime/control_properties.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

const std::vector<ControlKindInfo>& control_kinds() {
    static const std::vector<ControlKindInfo> kinds = {
        {"Label", ControlKind::Label, true},     {"Image", ControlKind::Image, true},
        {"Timer", ControlKind::Timer, false},    {"Frame", ControlKind::Frame, true},
        {"TextBox", ControlKind::TextBox, true}, {"Shape", ControlKind::Shape, false},
        {"Line", ControlKind::Line, false},      {"CommandButton", ControlKind::CommandButton, true},
    };
    return kinds;
}

const ControlKindInfo* find_control_kind(std::string_view name) {
    for (const ControlKindInfo& info : control_kinds())
        if (info.name == name) return &info;
    return nullptr;
}

const char* kind_name(ControlKind kind) {
    for (const ControlKindInfo& info : control_kinds())
        if (info.kind == kind) return info.name.data();
    return "control";
}

bool Control::takes_clicks() const {
    for (const ControlKindInfo& info : control_kinds())
        if (info.kind == m_kind) return info.takes_clicks;
    return false;
}

namespace {

constexpr KindSet every_kind = kind_bit(ControlKind::Label) | kind_bit(ControlKind::Image) |
                               kind_bit(ControlKind::Timer) | kind_bit(ControlKind::Frame) |
                               kind_bit(ControlKind::TextBox) | kind_bit(ControlKind::Shape) |
                               kind_bit(ControlKind::Line) | kind_bit(ControlKind::CommandButton);
constexpr KindSet shown_kinds = every_kind & ~kind_bit(ControlKind::Timer);
constexpr KindSet boxed = shown_kinds & ~kind_bit(ControlKind::Line);
constexpr KindSet captioned =
    kind_bit(ControlKind::Label) | kind_bit(ControlKind::Frame) | kind_bit(ControlKind::CommandButton);
constexpr KindSet coloured =
    kind_bit(ControlKind::Label) | kind_bit(ControlKind::Frame) | kind_bit(ControlKind::TextBox);
constexpr KindSet lettered = captioned | kind_bit(ControlKind::TextBox);
constexpr KindSet label = kind_bit(ControlKind::Label);
constexpr KindSet shape = kind_bit(ControlKind::Shape);
constexpr KindSet line = kind_bit(ControlKind::Line);

std::string whole(int value) { return std::to_string(value); }
std::string whole_twips(float value) { return std::to_string(std::lround(value)); }

}  // namespace

// A friend of Control: design values are stored without the run-time setters.
struct DesignAccess {
    static std::vector<ControlProperty> table() {
        using T = DesignTarget;
        using V = DesignValue;
        using C = Control;
        // clang-format off
        return {
            {"Container", every_kind, ValueType::Name, {},
             [](T& t, const V& v) { t.control.m_container = v.text; }, nullptr},
            {"Visible", shown_kinds, ValueType::Bool, {}, [](T& t, const V& v) { t.control.m_visible = v.flag; },
             [](const C& c) { return std::string(c.visible() ? "true" : "false"); }},
            {"Left", boxed, ValueType::Twips, {},
             [](T& t, const V& v) { t.control.m_left = static_cast<float>(v.whole); },
             [](const C& c) { return whole_twips(c.left()); }},
            {"Top", boxed, ValueType::Twips, {},
             [](T& t, const V& v) { t.control.m_top = static_cast<float>(v.whole); },
             [](const C& c) { return whole_twips(c.top()); }},
            {"Width", boxed, ValueType::Twips, {}, [](T& t, const V& v) { t.control.m_width = v.whole; },
             [](const C& c) { return whole(c.width()); }},
            {"Height", boxed, ValueType::Twips, {}, [](T& t, const V& v) { t.control.m_height = v.whole; },
             [](const C& c) { return whole(c.height()); }},
            {"X1", line, ValueType::Twips, {}, [](T& t, const V& v) { t.control.m_x1 = v.whole; },
             [](const C& c) { return whole(c.x1()); }},
            {"Y1", line, ValueType::Twips, {}, [](T& t, const V& v) { t.control.m_y1 = v.whole; },
             [](const C& c) { return whole(c.y1()); }},
            {"X2", line, ValueType::Twips, {}, [](T& t, const V& v) { t.control.m_x2 = v.whole; },
             [](const C& c) { return whole(c.x2()); }},
            {"Y2", line, ValueType::Twips, {}, [](T& t, const V& v) { t.control.m_y2 = v.whole; },
             [](const C& c) { return whole(c.y2()); }},
            {"Interval", kind_bit(ControlKind::Timer), ValueType::Milliseconds, {},
             [](T& t, const V& v) { t.control.m_interval = v.whole; }, [](const C& c) { return whole(c.interval()); }},
            {"Picture", kind_bit(ControlKind::Image), ValueType::Drawing, {},
             [](T& t, const V& v) { t.drawing = v.text; }, nullptr},
            {"Caption", captioned, ValueType::Text, {}, [](T& t, const V& v) { t.control.m_caption = v.text; },
             [](const C& c) { return c.caption(); }},
            {"Text", kind_bit(ControlKind::TextBox), ValueType::Text, {},
             [](T& t, const V& v) { t.control.m_text = v.text; }, [](const C& c) { return c.text(); }},
            {"ForeColor", coloured, ValueType::Colour, {},
             [](T& t, const V& v) { t.control.m_look.fore_color = v.colour; }, nullptr},
            {"BackColor", coloured, ValueType::Colour, {},
             [](T& t, const V& v) { t.control.m_look.back_color = v.colour; }, nullptr},
            {"BackStyle", label, ValueType::Choice, {"transparent", "opaque"},
             [](T& t, const V& v) { t.control.m_look.back_style = static_cast<BackStyle>(v.whole); }, nullptr},
            {"Alignment", label, ValueType::Choice, {"left", "right", "center"},
             [](T& t, const V& v) { t.control.m_look.alignment = static_cast<Alignment>(v.whole); }, nullptr},
            {"AutoSize", label, ValueType::Bool, {}, [](T& t, const V& v) { t.control.m_look.auto_size = v.flag; },
             nullptr},
            {"Font", lettered, ValueType::Text, {}, [](T& t, const V& v) { t.control.m_look.font.family = v.text; },
             nullptr},
            {"FontSize", lettered, ValueType::Number, {},
             [](T& t, const V& v) { t.control.m_look.font.size_pt = v.number; }, nullptr},
            {"Bold", lettered, ValueType::Bool, {}, [](T& t, const V& v) { t.control.m_look.font.bold = v.flag; },
             nullptr},
            {"FillColor", shape, ValueType::Colour, {},
             [](T& t, const V& v) { t.control.m_look.fill_color = v.colour; }, nullptr},
            {"FillStyle", shape, ValueType::Choice, {"transparent", "solid"},
             [](T& t, const V& v) { t.control.m_look.fill_style = static_cast<FillStyle>(v.whole); }, nullptr},
            {"BorderColor", shape | line, ValueType::Colour, {},
             [](T& t, const V& v) { t.control.m_look.border_color = v.colour; }, nullptr},
            {"Rounded", shape, ValueType::Bool, {}, [](T& t, const V& v) { t.control.m_look.rounded = v.flag; },
             nullptr},
        };
        // clang-format on
    }
};

const std::vector<ControlProperty>& control_properties() {
    static const std::vector<ControlProperty> table = DesignAccess::table();
    return table;
}

const ControlProperty* find_control_property(ControlKind kind, std::string_view name) {
    const auto& table = control_properties();
    auto found = std::find_if(table.begin(), table.end(), [&](const ControlProperty& property) {
        return property.name == name && kind_in(property.kinds, kind);
    });
    return found == table.end() ? nullptr : &*found;
}

std::optional<std::string> read_control_property(const Control& control, std::string_view name) {
    const ControlProperty* property = find_control_property(control.kind(), name);
    if (property == nullptr || property->read == nullptr) return std::nullopt;
    return property->read(control);
}

}  // namespace tarvik
