#include "runtime/control.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "runtime/form.h"

namespace tarvik {

RectTw Control::rect() const {
    return RectTw{static_cast<int>(std::lround(m_left)), static_cast<int>(std::lround(m_top)), m_width, m_height};
}

RectTw Control::bounds() const {
    if (m_kind != ControlKind::Line) return rect();
    return RectTw{std::min(m_x1, m_x2), std::min(m_y1, m_y2), std::abs(m_x2 - m_x1) + twips_per_pixel,
                  std::abs(m_y2 - m_y1) + twips_per_pixel};
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
// gets longer, at the width a character has in its design (its design width
// over its design caption's characters).
void Control::fit_auto_size() {
    if (m_kind != ControlKind::Label || !m_look.auto_size || m_look.char_width <= 0) return;
    m_width = static_cast<int>(character_count(m_caption)) * m_look.char_width;
}

std::size_t character_count(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace tarvik
