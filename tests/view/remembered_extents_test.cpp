#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "view/qt_drawing_surface.h"
#include "view/remembered_extents.h"

namespace kirvolt {
namespace {

// A font of whole-unit advances and kerning pairs, which counts the texts it is asked to measure.
class TableFont final : public DrawingSurface {
public:
    TableFont(std::map<char, int> advances, std::map<std::pair<char, char>, int> kerning)
        : advances(std::move(advances)), kerning(std::move(kerning))
    {
    }
    Pen selectPen(const Pen& pen) override { return pen; }
    Font selectFont(const Font& font) override { return font; }
    Colour setTextColour(Colour colour) override { return colour; }
    int setRasterMode(int mode) override { return mode; }
    void moveTo(Point) override {}
    void lineTo(Point) override {}
    void ellipse(Rect) override {}
    void arc(Rect) override {}
    void setPixel(Point, Colour) override {}
    void textOut(Point, const std::string&) override {}
    Size textExtent(const std::string& text) override
    {
        measured.push_back(text);
        int width = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto advance = advances.find(text[i]);
            width += advance != advances.end() ? advance->second : 10;
            if (i > 0) {
                if (const auto kern = kerning.find({text[i - 1], text[i]}); kern != kerning.end()) {
                    width += kern->second;
                }
            }
        }
        return {width, 16};
    }

    std::map<char, int> advances;
    std::map<std::pair<char, char>, int> kerning;
    std::vector<std::string> measured;
};

// Numbers of a new analysis are shaped only where some digit takes other room than '0' does.
TEST(RememberedExtents, DigitsAreRememberedAsZerosOnlyWhereEveryDigitTakesTheSameRoom)
{
    const std::vector<std::string> texts{" = 1.25 V; ", " = 3.75 V; ", " = 10.0 V; ", " = 9.99 \xCE\xA9", " = 1.11 \xCE\xA9"};
    struct Case {
        const char* font;
        std::map<char, int> advances;
        std::map<std::pair<char, char>, int> kerning;
        std::size_t shaped;
    };
    const std::vector<Case> cases{
        {"tabular figures", {}, {}, 4},
        {"a narrow one", {{'1', 6}}, {}, 5},
        {"a kerned pair", {}, {{{'1', '.'}, -2}}, 5},
        {"a kerned pair the other way", {}, {{{'.', '7'}, -1}}, 5},
    };
    for (const Case& c : cases) {
        TableFont font(c.advances, c.kerning);
        RememberedExtents memory;
        RememberingSurface remembering(font, memory);
        remembering.textExtent("warm up");
        for (const std::string& text : texts) {
            TableFont fresh(c.advances, c.kerning);
            EXPECT_EQ(remembering.textExtent(text).width, fresh.textExtent(text).width) << c.font << ": " << text;
        }
        const auto shaped = std::count_if(font.measured.begin(), font.measured.end(),
                                          [&texts](const std::string& t) { return std::find(texts.begin(), texts.end(), t) != texts.end(); });
        EXPECT_EQ(static_cast<std::size_t>(shaped), c.shaped) << c.font;
    }
}

// The fonts the results pane draws in, as Qt shapes them: a remembered extent is always the one
// measured afresh, over numbers of every length.
TEST(RememberedExtents, RememberedExtentsOfNumbersAreThoseOfThePanesFonts)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    QFont body = painter.font();
    body.setPixelSize(16);
    painter.setFont(body);
    QtDrawingSurface surface(painter);
    std::mt19937 random(7);
    std::uniform_real_distribution<double> magnitude(-6, 6);
    for (const Font& font : {Font{}, Font{"Arial", 12, 400, 0}}) {
        RememberedExtents memory;
        RememberingSurface remembering(surface, memory);
        remembering.selectFont(font);
        surface.selectFont(font);
        for (int i = 0; i < 400; ++i) {
            const std::string text = "  R" + std::to_string(i) + ":  P = " + std::to_string(std::pow(10.0, magnitude(random))) + " W.";
            EXPECT_EQ(remembering.textExtent(text).width, surface.textExtent(text).width) << text;
        }
    }
}

}  // namespace
}  // namespace kirvolt
