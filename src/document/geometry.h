#pragma once

#include <cstdint>

namespace kirvolt {

// Logical or grid coordinates; y grows downward.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// The drawing area of every circuit, in logical units, whatever the zoom: 5000 by 5000.
inline constexpr std::int32_t DRAWING_AREA = 5000;

constexpr bool intersects(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Colours are packed 0x00BBGGRR, red in the low byte, as they are stored in circuit files.
using Colour = std::uint32_t;

constexpr Colour rgb(unsigned red, unsigned green, unsigned blue)
{
    return static_cast<Colour>((red & 0xFFu) | ((green & 0xFFu) << 8) | ((blue & 0xFFu) << 16));
}
constexpr unsigned redOf(Colour c) { return c & 0xFFu; }
constexpr unsigned greenOf(Colour c) { return (c >> 8) & 0xFFu; }
constexpr unsigned blueOf(Colour c) { return (c >> 16) & 0xFFu; }

inline constexpr Colour COLOUR_COMPONENT = rgb(125, 50, 50);  // resistors and sources
inline constexpr Colour COLOUR_METER = rgb(0, 0, 255);        // voltmeters, ammeters
inline constexpr Colour COLOUR_JOINT = rgb(0, 0, 255);
inline constexpr Colour COLOUR_WIRE = rgb(30, 120, 30);
inline constexpr Colour COLOUR_HIGHLIGHT = rgb(255, 0, 0);    // highlights, arrows, rubber band
inline constexpr Colour COLOUR_SELECTION = rgb(230, 120, 0);  // the selection and its rubber band
inline constexpr Colour COLOUR_GRID_LINE = rgb(200, 200, 200);
inline constexpr Colour COLOUR_BLACK = rgb(0, 0, 0);

}  // namespace kirvolt
