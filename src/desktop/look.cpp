#include "desktop/look.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

int font_pixel_size(double size_pt) { return std::max(1, static_cast<int>(std::lround(size_pt * 96.0 / 72.0))); }

namespace {

// The design's families and the installed ones drawn in their place. MS Sans
// Serif is narrower than Liberation Sans, so its substitute is condensed to
// keep the design's captions ("bourani", the credits) inside their boxes.
struct Substitute {
    std::string_view design;
    const char* installed;
    int stretch;  // percent of the installed family's width
};

constexpr Substitute substitutes[] = {
    {"MS Sans Serif", "Liberation Sans", 90},
    {"Lucida Console", "DejaVu Sans Mono", 100},
    {"Times New Roman", "Liberation Serif", 100},
    {"Comic Sans MS", "Comic Neue", 100},
};

const Substitute* substitute_of(std::string_view family) {
    for (const Substitute& entry : substitutes)
        if (entry.design == family) return &entry;
    return nullptr;
}

// The installed family that stands in for a design family.
QString substitute_family(std::string_view family) {
    if (const Substitute* entry = substitute_of(family)) return QString::fromLatin1(entry->installed);
    return QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
}

}  // namespace

QFont font_for(const FontSpec& design) {
    QFont font(substitute_family(design.family));
    if (const Substitute* entry = substitute_of(design.family); entry && entry->stretch != 100)
        font.setStretch(entry->stretch);
    font.setPixelSize(font_pixel_size(design.size_pt));
    font.setBold(design.bold);
    return font;
}

}  // namespace tarvik
