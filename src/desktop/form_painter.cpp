#include "desktop/form_painter.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdlib>

#include "desktop/look.h"
#include "desktop/picture_cache.h"
#include "desktop/units.h"
#include "runtime/form.h"

namespace tarvik {

namespace {

QString plain(const std::string& text) { return QString::fromStdString(text); }

// The pixels a control may paint: its box, or for a line the box its end
// points span.
QRect control_pixels(const Control& control) { return twips_to_pixels(control.bounds()); }

Qt::Alignment horizontal(Alignment alignment) {
    switch (alignment) {
    case Alignment::Left: return Qt::AlignLeft;
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
    }
    return Qt::AlignLeft;
}

void paint_picture(QPainter& painter, PictureCache& pictures, const PictureRef& picture, QPoint at) {
    if (!picture) return;
    const QSize size(picture->width_px(), picture->height_px());
    painter.drawPixmap(at, pictures.pixmap(picture->drawing(), size, painter.device()->devicePixelRatioF()));
}

// A line far wider than its box shows only part of itself. Laying out a
// megabyte-long name on every repaint would stall the window, so such a line
// is cut to the part that can show (no glyph is narrower than a pixel),
// around the side its alignment keeps.
QString visible_part(const QString& line, Alignment alignment, int box_width) {
    const qsizetype limit = 2 * static_cast<qsizetype>(std::max(box_width, 1)) + 16;
    if (line.size() <= limit) return line;
    switch (alignment) {
    case Alignment::Left: return line.left(limit);
    case Alignment::Right: return line.right(limit);
    case Alignment::Center: return line.mid((line.size() - limit) / 2, limit);
    }
    return line;
}

// The start of a left-aligned one-line text as far as it can show in a box
// of that width; only that much of a long text is converted.
QString leading_part(const std::string& text, int box_width) {
    const qsizetype limit = 2 * static_cast<qsizetype>(std::max(box_width, 1)) + 16;
    // A character takes at most 4 bytes, so this many bytes hold the limit
    // in whole characters.
    const std::size_t bytes = std::min(text.size(), static_cast<std::size_t>(4 * limit + 4));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes)).left(limit);
}

void paint_label(QPainter& painter, const Control& label, const QRect& box, const QPalette& palette,
                 LabelLayouts* layouts) {
    const ControlLook& look = label.look();
    if (look.back_style == BackStyle::Opaque)
        painter.fillRect(box, to_qcolor(look.back_color, palette.button().color()));
    painter.setFont(font_for(look.font));
    painter.setPen(to_qcolor(look.fore_color, palette.windowText().color()));
    // Plain text: no mnemonics, no markup. Lines break only at blanks; a
    // word wider than the box keeps its alignment and is cut at the box.
    const QFontMetrics metrics = painter.fontMetrics();
    const int flags = static_cast<int>(horizontal(look.alignment) | Qt::AlignTop) | Qt::TextSingleLine;
    const auto draw = [&](const std::vector<QString>& lines) {
        int top = box.top();
        for (const QString& line : lines) {
            painter.drawText(QRect(box.left(), top, box.width(), metrics.lineSpacing()), flags, line);
            top += metrics.lineSpacing();
        }
    };
    if (layouts != nullptr)
        draw(layouts->lines(label, metrics, painter.font(), painter.device()->logicalDpiY(), box));
    else
        draw(label_lines(label, metrics, box));
}

// The text box as its live field shows it: its background, its frame, and
// inside them its text on one line at the left, where the field puts it
// (2 pixels in, centred in the height as the field rounds it).
void paint_text_box(QPainter& painter, const Control& field, const QRect& box, const QPalette& palette) {
    const ControlLook& look = field.look();
    const QColor back = to_qcolor(look.back_color, palette.base().color());
    painter.fillRect(box, back);
    paint_sunken_frame(painter, box, back);
    painter.setFont(font_for(look.font));
    painter.setPen(to_qcolor(look.fore_color, palette.text().color()));
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect inside =
        box.adjusted(text_box_frame_width, text_box_frame_width, -text_box_frame_width, -text_box_frame_width);
    const int top = inside.top() + (inside.height() - metrics.height() + 1) / 2;
    const QRect line(inside.left() + 2, top, inside.width() - 4, metrics.height());
    painter.save();
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.drawText(line, static_cast<int>(Qt::AlignLeft | Qt::AlignTop) | Qt::TextSingleLine,
                     leading_part(field.text(), box.width()));
    painter.restore();
}

void paint_frame(QPainter& painter, const Control& frame, const QRect& box, const QPalette& palette) {
    const ControlLook& look = frame.look();
    const QColor back = to_qcolor(look.back_color, palette.window().color());
    painter.fillRect(box, back);
    const QFont font = font_for(look.font);
    const int middle = box.top() + QFontMetrics(font).height() / 2;
    painter.setPen(palette.mid().color());
    painter.drawRect(QRect(QPoint(box.left(), middle), box.bottomRight()).adjusted(0, 0, -1, -1));
    if (frame.caption().empty()) return;
    painter.setFont(font);
    const QRect caption_box =
        painter.boundingRect(box.adjusted(8, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, plain(frame.caption()));
    painter.fillRect(caption_box.adjusted(-2, 0, 2, 0), back);
    painter.setPen(to_qcolor(look.fore_color, palette.windowText().color()));
    painter.drawText(caption_box, Qt::AlignLeft | Qt::AlignTop, plain(frame.caption()));
}

void paint_shape(QPainter& painter, const Control& shape, const QRect& box) {
    const ControlLook& look = shape.look();
    painter.setPen(to_qcolor(look.border_color, Qt::black));
    if (look.fill_style == FillStyle::Solid)
        painter.setBrush(to_qcolor(look.fill_color, Qt::black));
    else
        painter.setBrush(Qt::NoBrush);
    const QRect outline = box.adjusted(0, 0, -1, -1);
    if (look.rounded) {
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = std::min(box.width(), box.height()) / 4.0;
        painter.drawRoundedRect(QRectF(outline).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    } else {
        painter.drawRect(outline);
    }
}

void paint_line(QPainter& painter, const Control& line) {
    painter.setPen(QPen(to_qcolor(line.look().border_color, Qt::black), 1));
    painter.drawLine(twips_to_pixel(line.x1()), twips_to_pixel(line.y1()), twips_to_pixel(line.x2()),
                     twips_to_pixel(line.y2()));
}

// A plain raised button face with its caption; it does nothing when clicked.
void paint_button(QPainter& painter, const Control& button, const QRect& box, const QPalette& palette) {
    painter.fillRect(box, palette.button().color());
    const QRect edge = box.adjusted(0, 0, -1, -1);
    painter.setPen(palette.light().color());
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(palette.shadow().color());
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    painter.setFont(font_for(button.look().font));
    painter.setPen(palette.buttonText().color());
    painter.drawText(box, Qt::AlignCenter, plain(button.caption()));
}

}  // namespace

void paint_sunken_frame(QPainter& painter, const QRect& box, const QColor& back) {
    if (box.width() < 2 || box.height() < 2) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(back.darker(300));
    painter.drawLine(box.topLeft(), box.topRight());
    painter.drawLine(box.topLeft(), box.bottomLeft());
    painter.setPen(back.lighter(150));
    painter.drawLine(box.bottomLeft() + QPoint(1, 0), box.bottomRight());
    painter.drawLine(box.topRight() + QPoint(0, 1), box.bottomRight());
    painter.restore();
}

std::vector<QString> label_lines(const Control& label, const QFontMetrics& metrics, const QRect& box) {
    const int line_count = (box.height() + metrics.lineSpacing() - 1) / std::max(1, metrics.lineSpacing());
    std::vector<QString> lines = wrap_at_blanks(plain(label.caption()), metrics, box.width(), line_count);
    for (QString& line : lines) line = visible_part(line, label.look().alignment, box.width());
    return lines;
}

const std::vector<QString>& LabelLayouts::lines(const Control& label, const QFontMetrics& metrics, const QFont& font,
                                                int dpi, const QRect& box) {
    Entry& entry = m_entries[&label];
    if (entry.made && entry.text_revision == label.text_revision() && entry.box == box.size() && entry.dpi == dpi &&
        entry.alignment == label.look().alignment && entry.font == font)
        return entry.lines;
    entry.made = true;
    entry.text_revision = label.text_revision();
    entry.box = box.size();
    entry.font = font;
    entry.dpi = dpi;
    entry.alignment = label.look().alignment;
    entry.lines = label_lines(label, metrics, box);
    ++m_made;
    return entry.lines;
}

std::vector<QString> wrap_at_blanks(const QString& text, const QFontMetrics& metrics, int width, int max_lines) {
    std::vector<QString> lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        qsizetype start = 0;
        while (static_cast<int>(lines.size()) < max_lines) {
            // The longest run of whole words from start that fits; at least one word.
            qsizetype end = paragraph.indexOf(QLatin1Char(' '), start);
            if (end < 0) end = paragraph.size();
            qsizetype fit = end;
            while (fit < paragraph.size()) {
                qsizetype blank = fit;
                while (blank < paragraph.size() && paragraph[blank] == QLatin1Char(' ')) ++blank;
                qsizetype next = paragraph.indexOf(QLatin1Char(' '), blank);
                if (next < 0) next = paragraph.size();
                if (metrics.horizontalAdvance(paragraph.mid(start, next - start)) > width) break;
                fit = next;
            }
            lines.push_back(paragraph.mid(start, fit - start));
            // The blanks at a break belong to neither line.
            while (fit < paragraph.size() && paragraph[fit] == QLatin1Char(' ')) ++fit;
            if (fit >= paragraph.size()) break;
            start = fit;
        }
    }
    return lines;
}

void paint_form(QPainter& painter, const Form& form, PictureCache& pictures, const QRect& exposed,
                const QPalette& palette, const WindowPaint& window) {
    const WindowLook& look = form.look();
    painter.fillRect(exposed, to_qcolor(look.back_color, palette.window().color()));
    if (form.picture()) {
        const QRect client(0, 0, twips_to_pixel(look.client_width), twips_to_pixel(look.client_height));
        painter.save();
        painter.setClipRect(client & exposed);
        paint_picture(painter, pictures, form.picture(), QPoint(0, 0));
        painter.restore();
    }

    const std::vector<Control>& controls = form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        const Control& control = *it;
        if (!control.visible() || control.kind() == ControlKind::Timer) continue;
        if (control.kind() == ControlKind::TextBox &&
            std::find(window.live_text_boxes.begin(), window.live_text_boxes.end(), &control) !=
                window.live_text_boxes.end())
            continue;
        const QRect box = control_pixels(control);
        const QRect clip = box & exposed;
        if (clip.isEmpty()) continue;
        painter.save();
        painter.setClipRect(clip);
        switch (control.kind()) {
        case ControlKind::Image: paint_picture(painter, pictures, control.picture(), box.topLeft()); break;
        case ControlKind::Label: paint_label(painter, control, box, palette, window.label_layouts); break;
        case ControlKind::TextBox: paint_text_box(painter, control, box, palette); break;
        case ControlKind::Frame: paint_frame(painter, control, box, palette); break;
        case ControlKind::Shape: paint_shape(painter, control, box); break;
        case ControlKind::Line: paint_line(painter, control); break;
        case ControlKind::CommandButton: paint_button(painter, control, box, palette); break;
        case ControlKind::Timer: break;
        }
        painter.restore();
    }
}

}  // namespace tarvik
