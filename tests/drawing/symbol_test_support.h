#pragma once

#include <initializer_list>
#include <vector>

#include "drawing/symbols.h"
#include "support/recording_surface.h"

namespace kirvolt::testing {

// The element drawn as its record alone says, node numbers shown.
inline void drawAsRecorded(const CComponent& element, DrawingSurface& surface, int rasterMode, int c)
{
    Draw(element, surface, rasterMode, recordLook(element, c, true));
}

// Symbol dimensions written as in the drawing rules: at(7, 8) is (7·c) div 8.
struct GridUnits {
    int c;
    int operator()(int numerator, int denominator = 1) const { return numerator * c / denominator; }
};

// The strokes of a polyline through the points, drawn with one pen.
inline std::vector<Segment> chain(std::initializer_list<Point> points, Pen pen, int rasterMode)
{
    std::vector<Segment> strokes;
    const Point* previous = points.begin();
    for (const Point* p = previous + 1; p != points.end(); ++p) {
        strokes.push_back({*previous, *p, pen, rasterMode});
        previous = p;
    }
    return strokes;
}

inline void append(std::vector<Segment>& to, const std::vector<Segment>& more)
{
    to.insert(to.end(), more.begin(), more.end());
}

}  // namespace kirvolt::testing
