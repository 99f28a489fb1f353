#pragma once

// The drawings of the game as pixmaps: each SVG is rasterised once per size
// and device pixel ratio and kept. A drawing whose SVG is missing or broken
// shows as a clearly marked placeholder of the right size.

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <future>
#include <map>
#include <string>
#include <tuple>

namespace tarvik {

class PictureCache {
public:
    // The drawing at size (logical pixels) for a screen of the given ratio.
    const QPixmap& pixmap(const std::string& drawing, QSize size, qreal device_pixel_ratio = 1.0);
    // The drawing at the size the drawing catalogue gives it.
    const QPixmap& pixmap(const std::string& drawing, qreal device_pixel_ratio = 1.0);

    // Starts rasterising a drawing on a thread of its own, unless it is kept
    // or under way already; pixmap() then waits for it and keeps it.
    void prefetch(const std::string& drawing, QSize size, qreal device_pixel_ratio = 1.0);

    std::size_t size() const { return m_pixmaps.size(); }

private:
    using Key = std::tuple<std::string, int, int, qreal>;
    std::map<Key, QPixmap> m_pixmaps;
    std::map<Key, std::future<QImage>> m_under_way;
};

// Renders the embedded SVG of a drawing; null when it is missing or broken.
// The image form may be made on any thread.
QImage render_drawing_image(const std::string& drawing, QSize size, qreal device_pixel_ratio);
QPixmap render_drawing(const std::string& drawing, QSize size, qreal device_pixel_ratio);

}  // namespace tarvik
