#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QRectF>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class QPaintDevice;

namespace kirvolt {

// A text laid out once, placed with its baseline's left end at the origin: its glyphs and the
// box an opaque background fills behind it.
struct ShapedText {
    QGlyphRun glyphs;
    QRectF background;
};

// Texts shaped for one paint device, kept from paint to paint. Shaping a label costs far more
// than drawing its glyphs, and a circuit shows the same names and values in every paint.
//
// Only a text that comes out as one run of one font, with no control characters, is kept; any
// other is left to the painter's own text drawing (shaped() gives none), because only then
// does the cached drawing give exactly the painter's pixels.
class ShapedTextCache {
public:
    // The text in the font on the device, shaped now or on an earlier call; none when the text
    // is not one that can be kept. The reference stays valid until the next call.
    const ShapedText* shaped(const QFont& font, const QPaintDevice* device, const std::string& text);

private:
    struct FontTexts {
        QFont font;
        std::unordered_map<std::string, std::optional<ShapedText>> texts;
    };

    void forgetAllFor(const QPaintDevice* device);

    const QPaintDevice* shapedFor = nullptr;
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
    std::size_t count = 0;
    std::vector<FontTexts> fonts;
};

}  // namespace kirvolt
