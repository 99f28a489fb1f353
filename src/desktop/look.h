#pragma once

// Fonts and colours of the design, as Qt sees them. Font sizes are pixels
// from points at 96 dpi, so text looks the same on every screen setting, and
// families the machine lacks are replaced by ones of matching widths.

#include <QColor>
#include <QFont>
#include <QString>
#include <string_view>

#include "runtime/control.h"

namespace tarvik {

// 8.25 pt is 11 px, 21.75 pt is 29 px.
int font_pixel_size(double size_pt);
QFont font_for(const FontSpec& design);

// A design colour; the system default for its use is the given fallback.
inline QColor to_qcolor(const Color& color, const QColor& system_default) {
    return color.is_default ? system_default : QColor(color.r, color.g, color.b);
}

}  // namespace tarvik
