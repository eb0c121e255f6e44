#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <vector>

namespace kirvolt {

// Circles drawn once into small images and stamped wherever the same circle is drawn again.
// Without antialiasing a circle's pixels do not depend on where it lies, so a stamp with fully
// opaque and fully transparent pixels gives exactly the painter's own ellipse; a circuit draws
// the same terminal dots and source bodies thousands of times, each of which costs the painter
// a path of its own.
class OutlineStamps {
public:
    struct Stamp {
        const QImage* image;
        QPoint offset;  // of the image's top-left corner from the box's
    };

    // The ellipse in a width × height box, outlined with a solid flat-capped pen of the width
    // and colour, filled white or not at all.
    Stamp stamp(int width, int height, int penWidth, QRgb colour, bool filled);

private:
    struct Entry {
        int width;
        int height;
        int penWidth;
        QRgb colour;
        bool filled;
        QImage image;
        int margin;
    };
    std::vector<Entry> entries;
};

}  // namespace kirvolt
