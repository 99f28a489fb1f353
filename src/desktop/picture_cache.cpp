#include "desktop/picture_cache.h"

#include <QByteArray>
#include <QFont>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "runtime/assets.h"
#include "runtime/layout.h"

namespace tarvik {

namespace {

QSize device_size(QSize size, qreal device_pixel_ratio) {
    return QSize(std::max(1, static_cast<int>(std::ceil(size.width() * device_pixel_ratio))),
                 std::max(1, static_cast<int>(std::ceil(size.height() * device_pixel_ratio))));
}

QPixmap blank_pixmap(QSize size, qreal device_pixel_ratio) {
    QPixmap pixmap(device_size(size, device_pixel_ratio));
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A grey box with a cross and the drawing's name, where a drawing is
// missing or broken.
QPixmap placeholder_drawing(const std::string& drawing, QSize size, qreal device_pixel_ratio) {
    QPixmap pixmap = blank_pixmap(size, device_pixel_ratio);
    QPainter painter(&pixmap);
    const QRect box(QPoint(0, 0), size);
    painter.fillRect(box, QColor(160, 160, 160));
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    painter.drawLine(box.topLeft(), box.bottomRight());
    painter.drawLine(box.topRight(), box.bottomLeft());
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(std::max(8, std::min(12, size.height() / 3)));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, QString::fromStdString(drawing));
    return pixmap;
}

}  // namespace

QImage render_drawing_image(const std::string& drawing, QSize size, qreal device_pixel_ratio) {
    std::optional<std::string_view> source = find_asset("pictures/" + drawing + ".svg");
    if (!source) return {};
    QSvgRenderer renderer(QByteArray::fromRawData(source->data(), static_cast<qsizetype>(source->size())));
    if (!renderer.isValid()) return {};
    QImage image(device_size(size, device_pixel_ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(device_pixel_ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QPixmap render_drawing(const std::string& drawing, QSize size, qreal device_pixel_ratio) {
    QImage image = render_drawing_image(drawing, size, device_pixel_ratio);
    if (image.isNull()) return {};
    return QPixmap::fromImage(std::move(image));
}

const QPixmap& PictureCache::pixmap(const std::string& drawing, QSize size, qreal device_pixel_ratio) {
    Key key{drawing, size.width(), size.height(), device_pixel_ratio};
    auto found = m_pixmaps.find(key);
    if (found != m_pixmaps.end()) return found->second;
    QPixmap pixmap;
    if (auto started = m_under_way.find(key); started != m_under_way.end()) {
        QImage image = started->second.get();
        m_under_way.erase(started);
        if (!image.isNull()) pixmap = QPixmap::fromImage(std::move(image));
    } else {
        pixmap = render_drawing(drawing, size, device_pixel_ratio);
    }
    if (pixmap.isNull()) pixmap = placeholder_drawing(drawing, size, device_pixel_ratio);
    return m_pixmaps.emplace(std::move(key), std::move(pixmap)).first->second;
}

void PictureCache::prefetch(const std::string& drawing, QSize size, qreal device_pixel_ratio) {
    Key key{drawing, size.width(), size.height(), device_pixel_ratio};
    if (m_pixmaps.count(key) != 0 || m_under_way.count(key) != 0) return;
    m_under_way.emplace(std::move(key),
                        std::async(std::launch::async, render_drawing_image, drawing, size, device_pixel_ratio));
}

const QPixmap& PictureCache::pixmap(const std::string& drawing, qreal device_pixel_ratio) {
    const DrawingCatalogue& drawings = drawing_catalogue();
    auto found = drawings.find(drawing);
    QSize size = found == drawings.end() ? QSize(32, 32) : QSize(found->second.width_px, found->second.height_px);
    return pixmap(drawing, size, device_pixel_ratio);
}

}  // namespace tarvik
