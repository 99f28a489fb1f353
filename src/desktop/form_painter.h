#pragma once

// Paints a window's client area from the core's form: the background colour,
// the background picture at the top-left corner, then every visible control
// in reverse layout order (bottom first), each clipped to its own box.

#include <QFontMetrics>
#include <QPalette>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace tarvik {

class Form;
class Control;
class PictureCache;

// Paints what lies inside exposed (logical pixels of the client area).
void paint_form(QPainter& painter, const Form& form, PictureCache& pictures, const QRect& exposed,
                const QPalette& palette);

// The pixels a control may paint: its box, or for a line the box its end
// points span.
QRect control_pixels(const Control& control);

// A label's lines, at most max_lines: they break only at blanks (and at line
// ends), each as long as fits the width; a word wider than that stands alone.
std::vector<QString> wrap_at_blanks(const QString& text, const QFontMetrics& metrics, int width, int max_lines);

}  // namespace tarvik
