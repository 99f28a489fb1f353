// Contact sheet for the game's drawings.
//
// Usage: tarvik-contact-sheet PICTURES_DIR OUT.png [NAME...]
//
// Reads PICTURES_DIR/drawings.txt ("name width height" per line, '#' starts
// a comment line) with the game's strict reader, renders every NAME.svg at its listed size with QSvgRenderer and
// writes one PNG that shows each drawing at 1:1 and enlarged (4x, or 2x for
// drawings wider than 300 px) with nearest-neighbour scaling, so that pixel
// edges stay visible. Transparent parts are shown over a light checkerboard.
// Missing or unreadable SVGs and SVGs whose own size differs from the listed
// one are marked in red. Extra NAME arguments restrict the sheet to those
// drawings. Exit status is 0 even when drawings are missing; 1 on usage or
// I/O errors or a faulty drawings.txt.

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "runtime/layout.h"

namespace {

constexpr int sheet_max_width = 2400;
constexpr int margin = 12;
constexpr int gap = 10;
constexpr int label_height = 18;
constexpr int checker_size = 8;

struct Drawing {
    QString name;
    int width = 0;
    int height = 0;
};

enum class Status { Ok, Missing, Invalid, WrongSize };

struct Cell {
    Drawing drawing;
    Status status = Status::Ok;
    QString note;
    QImage image;  // 1:1 rendering, premultiplied ARGB; null when missing
    int scale = 1;
    bool stacked = false;  // enlarged copy below the 1:1 one instead of beside it
    int width = 0;
    int height = 0;
};

// The drawings listed in drawings.txt, read by the game's own strict reader,
// so the sheet fails on a faulty line exactly as the build does.
std::vector<Drawing> read_drawings(const QString& path, QString& error) {
    std::vector<Drawing> result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read ") + path;
        return result;
    }
    const QByteArray text = file.readAll();
    try {
        const tarvik::DrawingCatalogue catalogue = tarvik::read_drawing_catalogue(
            path.toStdString(), std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        for (const auto& [name, size] : catalogue)
            result.push_back(Drawing{QString::fromStdString(name), size.width_px, size.height_px});
    } catch (const tarvik::LayoutError& fault) {
        error = QString::fromUtf8(fault.what());
    }
    return result;
}

void paint_checkerboard(QPainter& p, const QRect& r) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(0xFF, 0xFF, 0xFF));
    for (int y = r.top(); y <= r.bottom(); y += checker_size)
        for (int x = r.left(); x <= r.right(); x += checker_size)
            if (((x - r.left()) / checker_size + (y - r.top()) / checker_size) % 2 == 1)
                p.fillRect(QRect(x, y, checker_size, checker_size), QColor(0xDC, 0xDC, 0xDC));
    p.restore();
}

Cell render_cell(const QString& dir, const Drawing& d) {
    Cell cell;
    cell.drawing = d;
    cell.scale = d.width > 300 ? 2 : 4;
    const QString path = dir + u'/' + d.name + QStringLiteral(".svg");
    if (!QFile::exists(path)) {
        cell.status = Status::Missing;
        cell.note = QStringLiteral("missing");
    } else {
        QSvgRenderer renderer(path);
        if (!renderer.isValid()) {
            cell.status = Status::Invalid;
            cell.note = QStringLiteral("invalid SVG");
        } else {
            cell.image = QImage(d.width, d.height, QImage::Format_ARGB32_Premultiplied);
            cell.image.fill(Qt::transparent);
            QPainter p(&cell.image);
            renderer.render(&p, QRectF(0, 0, d.width, d.height));
            p.end();
            const QSize own = renderer.defaultSize();
            if (own != QSize(d.width, d.height)) {
                cell.status = Status::WrongSize;
                cell.note = QStringLiteral("SVG says %1x%2").arg(own.width()).arg(own.height());
            }
        }
    }

    const int big_w = d.width * cell.scale;
    const int big_h = d.height * cell.scale;
    const int side_by_side = d.width + gap + big_w;
    cell.stacked = side_by_side > sheet_max_width - 2 * margin;
    if (cell.stacked) {
        cell.width = std::max(d.width, big_w);
        cell.height = label_height + d.height + gap + big_h;
    } else {
        cell.width = side_by_side;
        cell.height = label_height + std::max(d.height, big_h);
    }
    cell.width = std::max(cell.width, 180);  // room for the label
    return cell;
}

void paint_cell(QPainter& p, const Cell& cell, int x, int y) {
    const Drawing& d = cell.drawing;
    const bool problem = cell.status != Status::Ok;
    QString label = QStringLiteral("%1  %2x%3").arg(d.name).arg(d.width).arg(d.height);
    if (!cell.note.isEmpty()) label += QStringLiteral("  ") + cell.note;
    p.setPen(problem ? QColor(0xE0, 0x10, 0x10) : QColor(0, 0, 0));
    p.drawText(QRect(x, y, cell.width + 200, label_height - 2), Qt::AlignLeft | Qt::AlignVCenter, label);

    const int top = y + label_height;
    const QRect small(x, top, d.width, d.height);
    const int big_w = d.width * cell.scale;
    const int big_h = d.height * cell.scale;
    const QRect big =
        cell.stacked ? QRect(x, top + d.height + gap, big_w, big_h) : QRect(x + d.width + gap, top, big_w, big_h);

    for (const QRect& r : {small, big}) {
        paint_checkerboard(p, r);
        p.setPen(QColor(0x80, 0x80, 0xC0));
        p.drawRect(r.adjusted(-1, -1, 0, 0));
    }
    if (cell.image.isNull()) {
        p.setPen(QColor(0xE0, 0x10, 0x10));
        p.drawLine(small.topLeft(), small.bottomRight());
        p.drawLine(small.bottomLeft(), small.topRight());
        return;
    }
    p.drawImage(small.topLeft(), cell.image);
    // Scaling the finished 1:1 image keeps the real pixels visible.
    p.drawImage(big.topLeft(), cell.image.scaled(big_w, big_h, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PICTURES_DIR OUT.png [NAME...]\n", argv[0]);
        return 1;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString out = QString::fromLocal8Bit(argv[2]);
    QSet<QString> wanted;
    for (int i = 3; i < argc; ++i) wanted.insert(QString::fromLocal8Bit(argv[i]));

    QString error;
    const std::vector<Drawing> drawings = read_drawings(dir + QStringLiteral("/drawings.txt"), error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    std::vector<Cell> cells;
    int missing = 0;
    for (const Drawing& d : drawings) {
        if (!wanted.isEmpty() && !wanted.contains(d.name)) continue;
        cells.push_back(render_cell(dir, d));
        if (cells.back().status != Status::Ok) {
            ++missing;
            std::printf("%s: %s\n", qPrintable(d.name), qPrintable(cells.back().note));
        }
    }
    if (cells.empty()) {
        std::fprintf(stderr, "no drawings to show\n");
        return 1;
    }

    // Pack the cells into rows no wider than the sheet limit.
    struct Placed {
        int x, y;
    };
    std::vector<Placed> places;
    int x = margin;
    int y = margin;
    int row_height = 0;
    int sheet_w = 0;
    for (const Cell& c : cells) {
        if (x > margin && x + c.width > sheet_max_width - margin) {
            x = margin;
            y += row_height + 2 * gap;
            row_height = 0;
        }
        places.push_back({x, y});
        x += c.width + 2 * gap;
        row_height = std::max(row_height, c.height);
        sheet_w = std::max(sheet_w, x - 2 * gap + margin);
    }
    const int sheet_h = y + row_height + margin;

    QImage sheet(sheet_w, sheet_h, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(0xF4, 0xF4, 0xEC));
    QPainter p(&sheet);
    QFont font = p.font();
    font.setPixelSize(12);
    p.setFont(font);
    for (size_t i = 0; i < cells.size(); ++i) paint_cell(p, cells[i], places[i].x, places[i].y);
    p.end();

    if (!sheet.save(out, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%zu drawings, %d with problems, sheet %dx%d -> %s\n", cells.size(), missing, sheet_w, sheet_h,
                argv[2]);
    return 0;
}
