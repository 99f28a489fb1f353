#include "runtime/control.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "runtime/form.h"

namespace tarvik {

const char* kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return "Label";
    case ControlKind::Image: return "Image";
    case ControlKind::Timer: return "Timer";
    case ControlKind::Frame: return "Frame";
    case ControlKind::TextBox: return "TextBox";
    case ControlKind::Shape: return "Shape";
    case ControlKind::Line: return "Line";
    case ControlKind::CommandButton: return "CommandButton";
    }
    return "control";
}

RectTw Control::rect() const {
    return RectTw{static_cast<int>(std::lround(m_left)), static_cast<int>(std::lround(m_top)), m_width, m_height};
}

RectTw Control::bounds() const {
    if (m_kind != ControlKind::Line) return rect();
    return RectTw{std::min(m_x1, m_x2), std::min(m_y1, m_y2), std::abs(m_x2 - m_x1) + twips_per_pixel,
                  std::abs(m_y2 - m_y1) + twips_per_pixel};
}

bool Control::takes_clicks() const {
    return m_kind != ControlKind::Timer && m_kind != ControlKind::Line && m_kind != ControlKind::Shape;
}

// A hidden control draws nothing, so its changes cost the shell nothing; the
// hidden flags change many times a second.
void Control::touch() {
    if (m_form != nullptr && m_visible) m_form->note_change(*this);
}

void Control::set_left(float left) {
    if (left == m_left) return;
    touch();
    m_left = left;
}

void Control::set_top(float top) {
    if (top == m_top) return;
    touch();
    m_top = top;
}

void Control::set_visible(bool visible) {
    if (visible == m_visible) return;
    if (m_form != nullptr) m_form->note_change(*this);
    m_visible = visible;
}

void Control::set_caption(std::string_view caption) {
    if (caption == m_caption) return;
    touch();
    m_caption.assign(caption);
    ++m_text_revision;
    fit_auto_size();
}

void Control::set_text(std::string_view text) {
    if (text == m_text) return;
    touch();
    m_text.assign(text);
    ++m_text_revision;
}

void Control::set_picture(PictureRef picture) {
    if (picture.get() == m_picture.get()) return;
    touch();
    m_picture = std::move(picture);
    // An Image never stretches its picture: it takes the picture's size.
    if (m_kind == ControlKind::Image && m_picture) {
        m_width = m_picture->width_px() * twips_per_pixel;
        m_height = m_picture->height_px() * twips_per_pixel;
    }
}

void Control::set_interval(int interval_ms) {
    if (interval_ms < 0) interval_ms = 0;
    if (interval_ms == m_interval) return;
    m_interval = interval_ms;
    if (m_form != nullptr) m_form->note_interval(*this);
}

// A label that sizes itself to its text grows to the right as its caption
// gets longer. Only fixed-pitch fonts are sized here, where the width follows
// from the character count alone: a character is 0.6 of the font's pixel size.
void Control::fit_auto_size() {
    if (m_kind != ControlKind::Label || !m_look.auto_size) return;
    if (m_look.font.family != "Lucida Console") return;
    const double size_px = std::round(m_look.font.size_pt * 96.0 / 72.0);
    const int char_px = static_cast<int>(std::lround(size_px * 0.6));
    std::size_t characters = 0;
    for (unsigned char c : m_caption)
        if ((c & 0xC0) != 0x80) ++characters;
    m_width = static_cast<int>(characters) * char_px * twips_per_pixel;
}

}  // namespace tarvik
