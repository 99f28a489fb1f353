#pragma once

// Paints a window's client area from the core's form: the background colour,
// the background picture at the top-left corner, then every visible control
// in reverse layout order (bottom first), each clipped to its own box.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPalette>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "runtime/control.h"

class QPainter;

namespace tarvik {

class Form;
class PictureCache;

// The lines of the labels of one window as painted (wrapped, and each cut to
// the part that can show), kept between repaints: a line is laid out again
// only when its label's caption, font, alignment or box size changes. A
// megabyte-long city name is laid out once, not on every tick of the clock
// that shares its box. A window's form keeps its controls as long as the
// window lives, so a control's address names it here.
class LabelLayouts {
public:
    // The label's lines in a box of that size, drawn in that font with those
    // metrics on a device of that dpi.
    const std::vector<QString>& lines(const Control& label, const QFontMetrics& metrics, const QFont& font, int dpi,
                                      const QRect& box);
    // How many layouts were worked out so far.
    std::uint64_t made() const { return m_made; }

private:
    struct Entry {
        bool made = false;
        std::uint64_t text_revision = 0;
        QSize box;
        QFont font;
        int dpi = 0;
        Alignment alignment = Alignment::Left;
        std::vector<QString> lines;
    };
    std::unordered_map<const Control*, Entry> m_entries;
    std::uint64_t m_made = 0;
};

// What a real window adds to painting its form.
struct WindowPaint {
    // Kept by the window; without it every label is laid out on each paint.
    LabelLayouts* label_layouts = nullptr;
    // Text boxes that a live text field covers and paints whole: nothing is
    // painted beneath them. Without a field (an image of the form alone) the
    // painter draws the text box itself.
    std::span<const Control* const> live_text_boxes;
};

// Paints what lies inside exposed (logical pixels of the client area).
void paint_form(QPainter& painter, const Form& form, PictureCache& pictures, const QRect& exposed,
                const QPalette& palette, const WindowPaint& window = {});

// A text box's thin sunken frame on the outermost pixels of its box: a shade
// of its background along the top and left, a light of it along the bottom
// and right. The live text field draws the same frame.
void paint_sunken_frame(QPainter& painter, const QRect& box, const QColor& back);
// The frame's width in pixels; a text box's text lies inside it.
constexpr int text_box_frame_width = 1;

// A label's lines, at most max_lines: they break only at blanks (and at line
// ends), each as long as fits the width; a word wider than that stands alone.
std::vector<QString> wrap_at_blanks(const QString& text, const QFontMetrics& metrics, int width, int max_lines);

// A label's lines as painted in its box: wrapped at blanks, as many as the
// box's height holds, each cut to the part that can show.
std::vector<QString> label_lines(const Control& label, const QFontMetrics& metrics, const QRect& box);

}  // namespace tarvik
