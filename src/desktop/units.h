#pragma once

// Twips and pixels in the shell: 15 twips to a logical pixel, the design
// origin at the client area's top-left corner. Every conversion between the
// core's twips and Qt's pixels goes through these functions.

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <cmath>

#include "runtime/geometry.h"

namespace tarvik {

// A point of a window's client area, in logical pixels, as twips.
inline QPoint pixels_to_twips(QPointF pixels) {
    return QPoint(static_cast<int>(std::floor(pixels.x() * twips_per_pixel)),
                  static_cast<int>(std::floor(pixels.y() * twips_per_pixel)));
}

// The pixel that holds a twip coordinate.
inline int twips_to_pixel(double twips) { return static_cast<int>(std::floor(twips / twips_per_pixel)); }

// Every pixel that a twip rectangle touches.
inline QRect twips_to_pixels(const RectTw& rect) {
    const int left = twips_to_pixel(rect.left);
    const int top = twips_to_pixel(rect.top);
    const int right = static_cast<int>(std::ceil(static_cast<double>(rect.left + rect.width) / twips_per_pixel));
    const int bottom = static_cast<int>(std::ceil(static_cast<double>(rect.top + rect.height) / twips_per_pixel));
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// What to repaint for a changed twip rectangle: its pixels and a pixel
// around them, for antialiased edges and rounding.
inline QRect repaint_rect(const RectTw& rect) { return twips_to_pixels(rect).adjusted(-1, -1, 1, 1); }

}  // namespace tarvik
