#include "support/recording_surface.h"

#include <utility>

namespace kirvolt {

void PrintTo(const Point& point, std::ostream* out)
{
    *out << "(" << point.x << ", " << point.y << ")";
}

void PrintTo(const Rect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

void PrintTo(const Pen& pen, std::ostream* out)
{
    *out << "pen " << pen.width << " #" << std::hex << pen.colour << std::dec;
}

void PrintTo(const Font& font, std::ostream* out)
{
    *out << "font '" << font.face << "' " << font.height << " w" << font.weight << " e" << font.escapement;
}

namespace testing {

void PrintTo(const Segment& segment, std::ostream* out)
{
    kirvolt::PrintTo(segment.from, out);
    *out << "->";
    kirvolt::PrintTo(segment.to, out);
    *out << " ";
    kirvolt::PrintTo(segment.pen, out);
    *out << " rop " << segment.rasterMode;
}

void PrintTo(const Shape& shape, std::ostream* out)
{
    kirvolt::PrintTo(shape.box, out);
    *out << " ";
    kirvolt::PrintTo(shape.pen, out);
    *out << " rop " << shape.rasterMode;
}

void PrintTo(const Text& text, std::ostream* out)
{
    *out << "'" << text.text << "' at ";
    kirvolt::PrintTo(text.at, out);
    *out << " ";
    kirvolt::PrintTo(text.font, out);
}

Pen RecordingSurface::selectPen(const Pen& newPen)
{
    calls.push_back(Call::SelectPen);
    penSelections.push_back(newPen);
    const Pen previous = pen;
    pen = newPen;
    return previous;
}

Font RecordingSurface::selectFont(const Font& newFont)
{
    calls.push_back(Call::SelectFont);
    fontSelections.push_back(newFont);
    const Font previous = font;
    font = newFont;
    return previous;
}

int RecordingSurface::setRasterMode(int mode)
{
    calls.push_back(Call::SetRasterMode);
    rasterModes.push_back(mode);
    const int previous = rasterMode;
    rasterMode = mode;
    return previous;
}

void RecordingSurface::moveTo(Point p)
{
    calls.push_back(Call::MoveTo);
    cursor = p;
}

void RecordingSurface::lineTo(Point p)
{
    calls.push_back(Call::LineTo);
    segments.push_back({cursor, p, pen, rasterMode});
    cursor = p;
}

void RecordingSurface::ellipse(Rect box)
{
    calls.push_back(Call::Ellipse);
    ellipses.push_back({box, pen, rasterMode});
}

void RecordingSurface::arc(Rect box)
{
    calls.push_back(Call::Arc);
    arcs.push_back({box, pen, rasterMode});
}

void RecordingSurface::setPixel(Point p, Colour colour)
{
    calls.push_back(Call::SetPixel);
    pixels.push_back({p, colour});
}

Colour RecordingSurface::setTextColour(Colour colour)
{
    return std::exchange(textColour, colour);
}

void RecordingSurface::textOut(Point p, const std::string& text)
{
    calls.push_back(Call::TextOut);
    texts.push_back({p, text, font, textColour});
}

Size RecordingSurface::textExtent(const std::string& text)
{
    const int perCharacter = font.face == "Arial" ? 6 : 7;
    return {perCharacter * static_cast<int>(text.size()), 16};
}

void RecordingSurface::clearRecords()
{
    calls.clear();
    penSelections.clear();
    fontSelections.clear();
    rasterModes.clear();
    segments.clear();
    ellipses.clear();
    arcs.clear();
    pixels.clear();
    texts.clear();
}

}  // namespace testing
}  // namespace kirvolt
