#pragma once

// Pictures are immutable, shared handles. Copying a picture from one control
// to another shares the object; loading a layout makes a new object for every
// stored picture, even where two controls store the same drawing. The game
// compares pictures by identity only, through same_picture().

#include <memory>
#include <string>

namespace tarvik {

class Picture {
public:
    Picture(std::string drawing, int width_px, int height_px)
        : m_drawing(std::move(drawing)), m_width_px(width_px), m_height_px(height_px) {}

    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    const std::string& drawing() const { return m_drawing; }
    int width_px() const { return m_width_px; }
    int height_px() const { return m_height_px; }

private:
    std::string m_drawing;
    int m_width_px;
    int m_height_px;
};

using PictureRef = std::shared_ptr<const Picture>;

// Picture match: both hold a picture and it is the very same object.
inline bool same_picture(const PictureRef& a, const PictureRef& b) { return a != nullptr && a.get() == b.get(); }

}  // namespace tarvik
