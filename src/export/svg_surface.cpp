#include "export/svg_surface.h"

#include <utility>

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "export/markup_text.h"

namespace kirvolt {
namespace {

// The surface's own font, where the painter asks for none: about the panel's line height.
constexpr int DEFAULT_TEXT_HEIGHT = 16;
// Proportions of a sans-serif face to its height, for placing the baseline and estimating
// widths; the labels' face is Arial.
constexpr double ASCENT = 0.9;
constexpr double LINE_HEIGHT = 1.15;
constexpr double ADVANCE = 0.55;

std::string colourText(Colour colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", redOf(colour), greenOf(colour), blueOf(colour));
    return text;
}

// printf's "%.10g" as the C locale writes it, whatever locale the process runs in.
std::string number(double value)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 10);
    return std::string(text, end);
}

std::string ellipseElement(const Rect& box, const std::string& fill, const Pen& pen)
{
    return "<ellipse cx=\"" + number((box.left + box.right) / 2.0) + "\" cy=\"" + number((box.top + box.bottom) / 2.0) +
           "\" rx=\"" + number((box.right - box.left) / 2.0) + "\" ry=\"" + number((box.bottom - box.top) / 2.0) +
           "\" fill=\"" + fill + "\" stroke=\"" + colourText(pen.colour) + "\" stroke-width=\"" +
           std::to_string(std::max(pen.width, 1)) + "\"/>\n";
}

}  // namespace

Pen SvgSurface::selectPen(const Pen& newPen)
{
    flushPath();
    const Pen previous = pen;
    pen = newPen;
    return previous;
}

Font SvgSurface::selectFont(const Font& newFont)
{
    const Font previous = font;
    font = newFont;
    return previous;
}

int SvgSurface::setRasterMode(int mode)
{
    const int previous = rasterMode;
    rasterMode = mode;
    return previous;
}

void SvgSurface::moveTo(Point p) { cursor = p; }

void SvgSurface::lineTo(Point p)
{
    if (path.empty() || !(pathEnd == cursor)) {
        flushPath();
        path = "M" + std::to_string(cursor.x) + " " + std::to_string(cursor.y);
    }
    path += "L" + std::to_string(p.x) + " " + std::to_string(p.y);
    pathEnd = p;
    cursor = p;
}

void SvgSurface::ellipse(Rect box)
{
    flushPath();
    body += ellipseElement(box, "#ffffff", pen);
}

void SvgSurface::arc(Rect box)
{
    flushPath();
    body += ellipseElement(box, "none", pen);
}

void SvgSurface::setPixel(Point p, Colour colour)
{
    flushPath();
    body += "<rect x=\"" + std::to_string(p.x) + "\" y=\"" + std::to_string(p.y) + "\" width=\"1\" height=\"1\" fill=\"" +
            colourText(colour) + "\"/>\n";
}

Colour SvgSurface::setTextColour(Colour colour)
{
    return std::exchange(textColour, colour);
}

void SvgSurface::textOut(Point p, const std::string& text)
{
    flushPath();
    const int height = fontHeight();
    std::string element = "<text x=\"" + std::to_string(p.x) + "\" y=\"" + number(p.y + ASCENT * height) + "\"";
    // Escapement turns the text counter-clockwise about its corner.
    if (font.escapement != 0) {
        element += " transform=\"rotate(" + number(-font.escapement / 10.0) + " " + std::to_string(p.x) + " " +
                   std::to_string(p.y) + ")\"";
    }
    const std::string family = font.face.empty() ? "sans-serif" : markupEscaped(font.face) + ", sans-serif";
    element += " font-family=\"" + family + "\" font-size=\"" + std::to_string(height) + "\" font-weight=\"" +
               std::to_string(font.weight) + "\" fill=\"" + colourText(textColour) + "\" xml:space=\"preserve\">" + markupEscaped(text) +
               "</text>\n";
    body += element;
}

Size SvgSurface::textExtent(const std::string& text)
{
    const int height = fontHeight();
    return Size{static_cast<int>(ADVANCE * height * static_cast<double>(codePoints(text)) + 0.5),
                static_cast<int>(LINE_HEIGHT * height + 0.5)};
}

std::string SvgSurface::svgElement(const Rect& area, int scale)
{
    flushPath();
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + std::to_string(width * scale) +
           "\" height=\"" + std::to_string(height * scale) + "\" viewBox=\"" + std::to_string(area.left) + " " +
           std::to_string(area.top) + " " + std::to_string(width) + " " + std::to_string(height) + "\">\n" +
           "<rect x=\"" + std::to_string(area.left) + "\" y=\"" + std::to_string(area.top) + "\" width=\"" +
           std::to_string(width) + "\" height=\"" + std::to_string(height) + "\" fill=\"#ffffff\"/>\n" + body + "</svg>\n";
}

std::string SvgSurface::svgDocument(const Rect& area, int scale)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + svgElement(area, scale);
}

void SvgSurface::flushPath()
{
    if (path.empty()) {
        return;
    }
    body += "<path d=\"" + path + "\" fill=\"none\" stroke=\"" + colourText(pen.colour) + "\" stroke-width=\"" +
            std::to_string(std::max(pen.width, 1)) + "\" stroke-linecap=\"square\"/>\n";
    path.clear();
}

int SvgSurface::fontHeight() const { return font.height > 0 ? font.height : DEFAULT_TEXT_HEIGHT; }

}  // namespace kirvolt
