#pragma once

#include <cstdint>

namespace tarvik {

// Design units: 15 twips to a pixel at the design resolution.
inline constexpr int twips_per_pixel = 15;

// A rectangle in twips. It holds its left and top edges but not its right and
// bottom edges, so a point at left + width lies outside.
struct RectTw {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const RectTw&) const = default;
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    // The system's default colour for the use at hand (window face, text).
    bool is_default = false;

    bool operator==(const Color&) const = default;
    static Color rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {r, g, b, false}; }
    static Color system_default() { return {0, 0, 0, true}; }
};

}  // namespace tarvik
