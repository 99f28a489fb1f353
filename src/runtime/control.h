#pragma once

// One control of a window: a plain value with the properties the game uses.
// Setters return early when nothing changes; otherwise they tell the owning
// form, which keeps the damage the shell repaints and reschedules timers.

#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/geometry.h"
#include "runtime/picture.h"

namespace tarvik {

class Form;
class Program;
struct Handler;

enum class ControlKind { Label, Image, Timer, Frame, TextBox, Shape, Line, CommandButton };
// The layouts name these in the order they are declared (control_properties.cpp).
enum class Alignment { Left, Right, Center };
enum class BackStyle { Transparent, Opaque };
enum class FillStyle { Transparent, Solid };

const char* kind_name(ControlKind kind);
// Characters of UTF-8 text (its lead bytes).
std::size_t character_count(std::string_view text);

struct FontSpec {
    std::string family = "MS Sans Serif";
    double size_pt = 8.25;
    bool bold = false;
};

// How a control looks; fixed by its layout.
struct ControlLook {
    Color fore_color = Color::rgb(0, 0, 0);
    Color back_color = Color::system_default();
    BackStyle back_style = BackStyle::Transparent;
    Alignment alignment = Alignment::Left;
    bool auto_size = false;
    // Twips a character of an AutoSize label takes, from its design.
    int char_width = 0;
    FontSpec font;
    Color fill_color = Color::rgb(0, 0, 0);
    FillStyle fill_style = FillStyle::Transparent;
    Color border_color = Color::rgb(0, 0, 0);
    bool rounded = false;
};

class Control {
public:
    Control(ControlKind kind, std::string name) : m_kind(kind), m_name(std::move(name)) {}

    ControlKind kind() const { return m_kind; }
    const std::string& name() const { return m_name; }
    const std::string& container() const { return m_container; }
    const ControlLook& look() const { return m_look; }

    // Positions are single-precision twips, as the sprites move by adding steps.
    float left() const { return m_left; }
    float top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool visible() const { return m_visible; }
    const std::string& caption() const { return m_caption; }
    const std::string& text() const { return m_text; }
    const PictureRef& picture() const { return m_picture; }
    int interval() const { return m_interval; }
    int x1() const { return m_x1; }
    int y1() const { return m_y1; }
    int x2() const { return m_x2; }
    int y2() const { return m_y2; }
    // Moves on each change of the caption or the text, hidden or not, so the
    // shell can keep what it worked out from them (a label's wrapped lines)
    // until they change, without comparing the text itself.
    std::uint64_t text_revision() const { return m_text_revision; }

    // The box in whole twips.
    RectTw rect() const;
    // What the control covers when drawn: its box, or for a line the box
    // around its end points, one pixel wide.
    RectTw bounds() const;
    // Whether the control's kind takes clicks (control_kinds()).
    bool takes_clicks() const;

    void set_left(float left);
    void set_top(float top);
    void set_visible(bool visible);
    void set_caption(std::string_view caption);
    void set_text(std::string_view text);
    // An Image takes its picture at the picture's natural size.
    void set_picture(PictureRef picture);
    // Interval 0 stops a timer for good.
    void set_interval(int interval_ms);

    // The Click handler bound to this control when its form loaded, if any.
    const Handler* click_handler() const { return m_click_handler; }

private:
    friend class Form;
    friend class LayoutBuilder;
    friend struct DesignAccess;
    friend class Program;

    void touch();
    void fit_auto_size();

    Form* m_form = nullptr;
    ControlKind m_kind;
    std::string m_name;
    std::string m_container;
    ControlLook m_look;
    float m_left = 0;
    float m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = true;
    std::string m_caption;
    std::string m_text;
    PictureRef m_picture;
    int m_interval = 0;
    int m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    const Handler* m_click_handler = nullptr;
    std::uint64_t m_text_revision = 0;

    // Damage bookkeeping: the rectangle the control covered before its first
    // change since the shell last took the damage.
    bool m_dirty = false;
    bool m_dirty_was_visible = false;
    RectTw m_dirty_from;
};

}  // namespace tarvik
