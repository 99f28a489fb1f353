#pragma once

// Which kind of control has which design property, and how each value is
// written: one table that the layout reader, the scripted driver's get and
// assets/layouts/README.md follow (a test holds the README to it).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/control.h"

namespace tarvik {

struct ControlKindInfo {
    std::string_view name;
    ControlKind kind;
    // Lines, shapes and timers never take clicks; every other visible
    // control does over its whole rectangle.
    bool takes_clicks;
};

const std::vector<ControlKindInfo>& control_kinds();
const ControlKindInfo* find_control_kind(std::string_view name);

// A set of kinds, one bit a kind.
using KindSet = std::uint32_t;
constexpr KindSet kind_bit(ControlKind kind) { return KindSet{1} << static_cast<unsigned>(kind); }
constexpr bool kind_in(KindSet kinds, ControlKind kind) { return (kinds & kind_bit(kind)) != 0; }

enum class ValueType {
    Twips,         // a whole number, may be negative
    Milliseconds,  // a whole number, 0 or more
    Number,        // decimal, above 0
    Bool,          // true or false
    Colour,        // #RRGGBB or default
    Text,          // a quoted string
    Drawing,       // a name from pictures/drawings.txt
    Choice,        // one of the property's words
    Name,          // a bare word: another control's name
};

// A design value as the reader parsed it: the field of its type is set.
struct DesignValue {
    int whole = 0;  // Twips, Milliseconds, and the index of a Choice
    double number = 0;
    bool flag = false;
    Color colour;
    std::string text;  // Text, Drawing, Name
};

// What a design value is stored into: the control, and the name of the
// drawing an Image shows (a picture object is made from it per window).
struct DesignTarget {
    Control& control;
    std::string& drawing;
};

struct ControlProperty {
    std::string_view name;
    KindSet kinds;
    ValueType type;
    std::vector<std::string_view> choices;
    void (*store)(DesignTarget&, const DesignValue&);
    // The driver's text of the value at run time; null for a property that
    // only the layouts set.
    std::string (*read)(const Control&);
};

const std::vector<ControlProperty>& control_properties();
// Null when a control of this kind has no such property.
const ControlProperty* find_control_property(ControlKind kind, std::string_view name);
// The driver's text of a property's value, or nothing when the control has
// no such property or it is not one the driver reads.
std::optional<std::string> read_control_property(const Control& control, std::string_view name);

}  // namespace tarvik
