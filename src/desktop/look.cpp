#include "desktop/look.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

int font_pixel_size(double size_pt) {
    return std::max(1, static_cast<int>(std::lround(size_pt * 96.0 / 72.0)));
}

QString substitute_family(std::string_view family) {
    struct Substitute {
        std::string_view design;
        const char* installed;
    };
    static constexpr Substitute table[] = {
        {"MS Sans Serif", "Liberation Sans"},
        {"Lucida Console", "DejaVu Sans Mono"},
        {"Times New Roman", "Liberation Serif"},
        {"Comic Sans MS", "Comic Neue"},
    };
    for (const Substitute& entry : table)
        if (entry.design == family) return QString::fromLatin1(entry.installed);
    return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
}

QFont font_for(const FontSpec& design) {
    QFont font(substitute_family(design.family));
    font.setPixelSize(font_pixel_size(design.size_pt));
    font.setBold(design.bold);
    return font;
}

}  // namespace tarvik
