#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "document/component.h"
#include "drawing/symbol_test_support.h"
#include "support/recording_surface.h"

namespace kirvolt::testing {
namespace {

std::unique_ptr<CComponent> makeElement(int kind, Point at, int orientation, int c)
{
    switch (kind) {
    case KIND_RESISTOR:
        return std::make_unique<CResistor>(1, at, orientation, COLOUR_COMPONENT, DISPLAY_PLACED, c, STYLE_EUROPEAN);
    case KIND_VOLTAGE_SOURCE:
        return std::make_unique<CVoltageSource>(1, at, orientation, COLOUR_COMPONENT, DISPLAY_PLACED, c, STYLE_EUROPEAN);
    case KIND_CURRENT_SOURCE:
        return std::make_unique<CCurrentSource>(1, at, orientation, COLOUR_COMPONENT, DISPLAY_PLACED, c, STYLE_EUROPEAN);
    case KIND_VOLTMETER:
        return std::make_unique<CVoltmeter>(1, at, orientation, COLOUR_METER, DISPLAY_PLACED, c, STYLE_EUROPEAN);
    case KIND_AMMETER:
        return std::make_unique<CAmmeter>(1, at, orientation, COLOUR_METER, DISPLAY_PLACED, c, STYLE_EUROPEAN);
    default:
        return std::make_unique<CNode>(at, 7, DISPLAY_PLACED, c, STYLE_EUROPEAN);
    }
}

std::vector<Text> labelsOf(int kind, Point at, int orientation, int c, double value)
{
    std::unique_ptr<CComponent> element = makeElement(kind, at, orientation, c);
    element->value = value;
    RecordingSurface surface;
    drawAsRecorded(*element, surface, RASTER_COPY, c);
    EXPECT_EQ(surface.font, Font{});
    return surface.texts;
}

struct LabelRow {
    int kind;
    int c;
    Point name;
    Point value;
};

// Element at (10c, 5c); positions worked out by hand from the label table.
TEST(ComponentLabels, UprightPositionsAndFonts)
{
    const LabelRow rows[] = {
        {KIND_RESISTOR, 20, {165, 74}, {191, 74}},
        {KIND_VOLTAGE_SOURCE, 20, {180, 74}, {210, 74}},
        {KIND_CURRENT_SOURCE, 20, {180, 74}, {200, 74}},
        {KIND_RESISTOR, 10, {83, 37}, {96, 37}},
        {KIND_VOLTAGE_SOURCE, 10, {90, 37}, {105, 37}},
        {KIND_CURRENT_SOURCE, 10, {90, 37}, {100, 37}},
        {KIND_RESISTOR, 100, {825, 367}, {958, 367}},
        {KIND_VOLTAGE_SOURCE, 100, {900, 367}, {1050, 367}},
        {KIND_CURRENT_SOURCE, 100, {900, 367}, {1000, 367}},
    };
    for (const LabelRow& row : rows) {
        for (int orientation : {ORIENT_EAST, ORIENT_WEST}) {
            SCOPED_TRACE(std::to_string(row.kind) + " c=" + std::to_string(row.c) + " o=" +
                         std::to_string(orientation));
            const std::vector<Text> texts = labelsOf(row.kind, {10 * row.c, 5 * row.c}, orientation, row.c, 150);
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_EQ(texts[0].at, row.name);
            EXPECT_EQ(texts[1].at, row.value);
            const int weight = row.c == 100 ? 500 : 400;
            EXPECT_EQ(texts[0].font, (Font{"Arial", 2 * row.c / 3, weight, 0}));
            EXPECT_EQ(texts[1].font, texts[0].font);
        }
    }
}

TEST(ComponentLabels, VerticalPositionsAndFonts)
{
    const LabelRow rows[] = {
        {KIND_RESISTOR, 20, {174, 135}, {174, 109}},
        {KIND_VOLTAGE_SOURCE, 20, {174, 120}, {174, 90}},
        {KIND_CURRENT_SOURCE, 20, {174, 120}, {174, 90}},
        {KIND_RESISTOR, 10, {87, 67}, {87, 54}},
        {KIND_VOLTAGE_SOURCE, 10, {87, 60}, {87, 45}},
        {KIND_RESISTOR, 100, {867, 675}, {867, 542}},
        {KIND_CURRENT_SOURCE, 100, {867, 600}, {867, 450}},
    };
    for (const LabelRow& row : rows) {
        for (int orientation : {ORIENT_NORTH, ORIENT_SOUTH}) {
            SCOPED_TRACE(std::to_string(row.kind) + " c=" + std::to_string(row.c) + " o=" +
                         std::to_string(orientation));
            const std::vector<Text> texts = labelsOf(row.kind, {10 * row.c, 5 * row.c}, orientation, row.c, 150);
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_EQ(texts[0].at, row.name);
            EXPECT_EQ(texts[1].at, row.value);
            EXPECT_EQ(texts[0].font, (Font{"Arial", 2 * row.c / 3, 100, 900}));
        }
    }
}

TEST(ComponentLabels, UprightWeightByZoom)
{
    const std::pair<int, int> weights[] = {{10, 400}, {15, 400}, {20, 400}, {30, 600}, {40, 500},
                                           {50, 500}, {60, 500}, {70, 500}, {80, 500}, {90, 500}, {100, 500}};
    for (const auto& [c, weight] : weights) {
        SCOPED_TRACE(c);
        const std::vector<Text> upright = labelsOf(KIND_RESISTOR, {10 * c, 5 * c}, ORIENT_EAST, c, 1);
        EXPECT_EQ(upright[0].font.weight, weight);
        const std::vector<Text> turned = labelsOf(KIND_RESISTOR, {10 * c, 5 * c}, ORIENT_NORTH, c, 1);
        EXPECT_EQ(turned[0].font.weight, 100);
    }
}

TEST(ComponentLabels, ValueTextsWithUnits)
{
    struct Row {
        int kind;
        double value;
        const char* text;
    };
    const Row rows[] = {
        {KIND_RESISTOR, 100, "100 ohm"},     {KIND_RESISTOR, 99.5, "99.5 ohm"},
        {KIND_RESISTOR, 1, "1.00 ohm"},      {KIND_RESISTOR, 0.5, "0.500 ohm"},
        {KIND_VOLTAGE_SOURCE, 12, "12.0 V"}, {KIND_VOLTAGE_SOURCE, -12, "-12.000 V"},
        {KIND_CURRENT_SOURCE, 2, "2.00 A"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const std::vector<Text> texts = labelsOf(row.kind, {200, 100}, ORIENT_EAST, 20, row.value);
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[1].text, row.text);
    }
}

TEST(ComponentLabels, NameCutToThreeCharacters)
{
    CResistor resistor(1, {200, 100}, ORIENT_EAST, COLOUR_COMPONENT, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    resistor.label = "Rload";
    RecordingSurface surface;
    drawAsRecorded(resistor, surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.texts[0].text, "Rlo");
    EXPECT_EQ(labelsOf(KIND_VOLTAGE_SOURCE, {200, 100}, ORIENT_EAST, 20, 1)[0].text, "E1");
}

TEST(MeterLabels, WholeLabelWithoutValue)
{
    CVoltmeter meter(1, {200, 100}, ORIENT_EAST, COLOUR_METER, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
    meter.label = "Vmeter";
    RecordingSurface surface;
    drawAsRecorded(meter, surface, RASTER_COPY, 20);
    EXPECT_EQ(surface.texts, (std::vector<Text>{{{180, 74}, "Vmeter", Font{"Arial", 13, 400, 0}}}));

    const std::vector<Text> turned = labelsOf(KIND_AMMETER, {200, 100}, ORIENT_SOUTH, 20, 5);
    EXPECT_EQ(turned, (std::vector<Text>{{{174, 100}, "Am1", Font{"Arial", 13, 100, 900}}}));
}

TEST(Ghosts, DrawNoLabels)
{
    for (int kind : {KIND_RESISTOR, KIND_VOLTAGE_SOURCE, KIND_CURRENT_SOURCE, KIND_VOLTMETER, KIND_AMMETER,
                     KIND_JOINT}) {
        SCOPED_TRACE(kind);
        std::unique_ptr<CComponent> element = makeElement(kind, {200, 100}, ORIENT_EAST, 20);
        element->displayState = DISPLAY_GHOST;
        RecordingSurface surface;
        drawAsRecorded(*element, surface, RASTER_XOR, 20);
        EXPECT_TRUE(surface.texts.empty());
        EXPECT_FALSE(surface.segments.empty() && surface.ellipses.empty());
    }
}

}  // namespace
}  // namespace kirvolt::testing
