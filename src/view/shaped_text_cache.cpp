#include "view/shaped_text_cache.h"

#include <algorithm>

#include <QPaintDevice>
#include <QTextLayout>

namespace kirvolt {
namespace {

// Enough for every label and panel line a window shows at once, small enough to stay a few
// megabytes; when it is reached the cache starts again.
constexpr std::size_t MOST_TEXTS = 8192;

bool hasControlCharacter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// The painter fills the background of a text from its baseline up by the font's ascent and
// down by its descent, as wide as the glyphs' advances.
std::optional<ShapedText> shape(const QFont& font, const QPaintDevice* device, const std::string& text)
{
    if (text.empty() || hasControlCharacter(text)) {
        return std::nullopt;
    }
    QTextLayout layout(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), font, device);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || layout.lineCount() != 1) {
        return std::nullopt;
    }
    ShapedText shaped{runs.front(), QRectF(0, -line.ascent(), line.horizontalAdvance(), line.ascent() + line.descent())};
    QList<QPointF> positions = shaped.glyphs.positions();
    for (QPointF& position : positions) {
        position.ry() -= line.ascent();
    }
    shaped.glyphs.setPositions(positions);
    return shaped;
}

}  // namespace

const ShapedText* ShapedTextCache::shaped(const QFont& font, const QPaintDevice* device, const std::string& text)
{
    if (device != shapedFor || device->logicalDpiX() != dotsPerInchX || device->logicalDpiY() != dotsPerInchY ||
        count >= MOST_TEXTS) {
        forgetAllFor(device);
    }
    auto sameFont = [&font](const FontTexts& entry) { return entry.font == font; };
    auto found = std::find_if(fonts.begin(), fonts.end(), sameFont);
    if (found == fonts.end()) {
        found = fonts.insert(fonts.end(), FontTexts{font, {}});
    }
    auto [place, added] = found->texts.try_emplace(text);
    if (added) {
        place->second = shape(font, device, text);
        ++count;
    }
    return place->second ? &*place->second : nullptr;
}

void ShapedTextCache::forgetAllFor(const QPaintDevice* device)
{
    fonts.clear();
    count = 0;
    shapedFor = device;
    dotsPerInchX = device->logicalDpiX();
    dotsPerInchY = device->logicalDpiY();
}

}  // namespace kirvolt
