#pragma once

// A window: its design look, its controls in layout order (topmost first),
// whether it is shown, and the damage the shell still has to repaint.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/control.h"

namespace tarvik {

class Program;

enum class BorderStyle { None, Fixed, Sizable };

// What the window system's close request (title bar, Alt+F4) does to a window.
enum class CloseRequest { EndProgram, Hide, Ignore };

struct WindowLook {
    std::string caption;
    int client_width = 0;
    int client_height = 0;
    bool maximized = false;
    BorderStyle border = BorderStyle::Sizable;
    bool centred = false;
    CloseRequest close_request = CloseRequest::Hide;
    Color back_color = Color::system_default();
    std::string picture_drawing;  // empty: no background picture
    FontSpec font;
    std::string icon_drawing;
    std::string cursor_drawing;
};

struct Damage {
    bool whole_window = false;
    std::vector<RectTw> rects;
};

class Form {
public:
    Form(Program& program, std::string name, WindowLook look, std::vector<Control> controls);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    const WindowLook& look() const { return m_look; }
    const PictureRef& picture() const { return m_picture; }
    bool visible() const { return m_visible; }

    std::vector<Control>& controls() { return m_controls; }
    const std::vector<Control>& controls() const { return m_controls; }

    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    // For the game's own handlers, whose control names are fixed: a missing
    // name is a programming error and throws.
    Control& control(std::string_view name);
    Control& operator[](std::string_view name) { return control(name); }

    // The first visible control in layout order whose rectangle holds the
    // point and that takes clicks; null when none does.
    Control* hit_test(int x, int y);

    // What changed since the last call: the old and new rectangles of every
    // changed control that was or is visible.
    Damage take_damage();
    bool has_damage() const { return m_whole_window_dirty || !m_dirty.empty(); }

private:
    friend class Control;
    friend class Program;

    void note_change(Control& control);
    void note_interval(Control& control);
    void set_visible(bool visible);

    Program& m_program;
    std::string m_name;
    WindowLook m_look;
    PictureRef m_picture;
    std::vector<Control> m_controls;
    std::unordered_map<std::string_view, std::size_t> m_index;
    bool m_visible = false;
    bool m_whole_window_dirty = true;
    std::vector<Control*> m_dirty;
};

}  // namespace tarvik
