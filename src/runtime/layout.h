#pragma once

// Window layouts as data: the reader of assets/layouts/*.layout (format in
// assets/layouts/README.md) and the catalogue of drawings with their sizes.

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/control.h"
#include "runtime/form.h"

namespace tarvik {

struct DrawingSize {
    int width_px = 0;
    int height_px = 0;
};

// Drawing name to pixel size, from pictures/drawings.txt.
using DrawingCatalogue = std::map<std::string, DrawingSize, std::less<>>;

class LayoutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Layout {
    std::string name;
    WindowLook window;
    // Controls in layout order; an Image's picture is only named here
    // (picture_drawings, parallel to controls) and becomes a new picture
    // object each time a window is built from the layout.
    std::vector<Control> controls;
    std::vector<std::string> picture_drawings;
};

DrawingCatalogue read_drawing_catalogue(std::string_view file_name, std::string_view text);
Layout read_layout(std::string_view file_name, std::string_view text, const DrawingCatalogue& drawings);

// The embedded catalogue and layouts, read once and kept.
const DrawingCatalogue& drawing_catalogue();
const Layout& layout_of(std::string_view form_name);

}  // namespace tarvik
