#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "document/text_lists.h"
#include "export/picture_export.h"
#include "export/svg_surface.h"
#include "support/circuit_builder.h"
#include "support/generated_circuits.h"
#include "support/sample_circuits.h"
#include "support/xml_reader.h"

namespace kirvolt {
namespace {

using testing::XmlElement;

struct CircuitCase {
    const char* name;
    std::function<void(CKirvoltDoc&)> build;
};

const CircuitCase circuits[] = {
    {"divider", testing::buildVoltageDivider},
    {"ladder", [](CKirvoltDoc& doc) { testing::drawLadder(doc, 6); }},
    {"mesh", [](CKirvoltDoc& doc) { testing::drawMesh(doc, 9); }},
    {"mixed", [](CKirvoltDoc& doc) { testing::drawMixedCircuit(doc, 60); }},
};

std::vector<std::string> texts(const std::vector<XmlElement>& elements)
{
    std::vector<std::string> found;
    for (const XmlElement& element : elements) {
        if (element.name == "text") {
            found.push_back(element.text);
        }
    }
    return found;
}

// What a symbol writes as its name: a meter its whole label, the others three characters.
std::string shownName(const CComponent& element)
{
    const bool meter = element.kindCode == KIND_VOLTMETER || element.kindCode == KIND_AMMETER;
    return meter ? element.label : leadingChars(element.label, 3);
}

TEST(SvgPicture, ParsesAsXmlAndHoldsEveryLabelAsText)
{
    for (const CircuitCase& c : circuits) {
        CKirvoltDoc doc;
        c.build(doc);
        const std::optional<std::string> svg = circuitSvg(doc, PictureOptions{});
        ASSERT_TRUE(svg) << c.name;
        const auto elements = testing::readXml(*svg);
        ASSERT_TRUE(elements) << c.name;
        ASSERT_EQ(elements->front().name, "svg");
        const std::vector<std::string> shown = texts(*elements);
        for (const auto& element : doc.components) {
            if (isTwoTerminalKind(element->kindCode)) {
                EXPECT_NE(std::find(shown.begin(), shown.end(), shownName(*element)), shown.end()) << c.name << ": " << element->label;
            }
        }
        // Lines stay lines: the grid is dots and paths, never an embedded image.
        EXPECT_TRUE(std::none_of(elements->begin(), elements->end(), [](const XmlElement& e) { return e.name == "image"; }));
    }
}

TEST(SvgPicture, LabelsWithMarkupOrBrokenBytesStillParse)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_RESISTOR) {
            element->label = "<&\xE9";
        }
    }
    const auto elements = testing::readXml(circuitSvg(doc, PictureOptions{}).value());
    ASSERT_TRUE(elements);
    const std::vector<std::string> shown = texts(*elements);
    EXPECT_NE(std::find(shown.begin(), shown.end(), "<&\xEF\xBF\xBD"), shown.end());
}

TEST(SvgPicture, ScaleSetsTheSizeAndTheViewBoxStays)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const auto one = testing::readXml(circuitSvg(doc, PictureOptions{true, true, false, 1}).value()).value();
    const auto three = testing::readXml(circuitSvg(doc, PictureOptions{true, true, false, 3}).value()).value();
    EXPECT_EQ(std::stoi(three[0].attributes.at("width")), 3 * std::stoi(one[0].attributes.at("width")));
    EXPECT_EQ(std::stoi(three[0].attributes.at("height")), 3 * std::stoi(one[0].attributes.at("height")));
    EXPECT_EQ(three[0].attributes.at("viewBox"), one[0].attributes.at("viewBox"));
}

TEST(SvgPicture, AnEmptyCircuitHasNoPicture)
{
    CKirvoltDoc doc;
    EXPECT_FALSE(circuitSvg(doc, PictureOptions{}));
}

Rect areaOf(const CKirvoltDoc& doc, const PictureOptions& options)
{
    SvgSurface measure;
    return pictureArea(doc, options, measure).value();
}

// The same circuit drawn far to the right: the picture area moves with it and keeps its size.
// (The equations panel stays at the left edge of the drawing, so it is left out here.)
TEST(PictureArea, FollowsTheCircuitAcrossTheDrawing)
{
    for (const PictureOptions& options : {PictureOptions{true, true, false, 1}, PictureOptions{false, false, false, 1}}) {
        CKirvoltDoc near;
        testing::buildVoltageDivider(near);
        CKirvoltDoc far;
        testing::buildVoltageDivider(far);
        const int shift = 180;  // grid steps
        testing::shiftRight(far, shift);
        const Rect a = areaOf(near, options);
        const Rect b = areaOf(far, options);
        const int dx = shift * near.gridSize;
        EXPECT_EQ(b.left - a.left, dx);
        EXPECT_EQ(b.right - a.right, dx);
        EXPECT_EQ(b.top, a.top);
        EXPECT_EQ(b.bottom, a.bottom);
    }
}

// A file may put records far outside the drawing area (as far as its reader allows); the
// picture keeps what lies in the drawing area, and is never larger than it with its margin.
TEST(PictureArea, IsNoLargerThanTheDrawingArea)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const Rect divider = areaOf(doc, PictureOptions{});
    testing::CircuitBuilder(doc).resistor(MAX_GRID_COORDINATE / 2, -MAX_GRID_COORDINATE / 2, ORIENT_EAST, 1);
    const Rect area = areaOf(doc, PictureOptions{});
    const int margin = doc.gridSize;
    EXPECT_EQ(area.left, divider.left);
    EXPECT_EQ(area.right, DRAWING_AREA + margin);
    EXPECT_EQ(area.top, -margin);
    EXPECT_EQ(area.bottom, divider.bottom);
    CKirvoltDoc far;
    testing::CircuitBuilder(far).resistor(-MAX_GRID_COORDINATE / 2, -MAX_GRID_COORDINATE / 2, ORIENT_EAST, 1);
    testing::CircuitBuilder(far).resistor(-MAX_GRID_COORDINATE / 2 + 1000, 3, ORIENT_EAST, 1);
    const Rect outside = areaOf(far, PictureOptions{});
    EXPECT_LE(outside.right - outside.left, DRAWING_AREA + 2 * margin);
    EXPECT_LE(outside.bottom - outside.top, DRAWING_AREA + 2 * margin);
}

// The painted extent with a margin of one grid step: every stroke and label lies inside, and
// the box is not the symbols' generous culling box.
TEST(PictureArea, HoldsWhatIsPaintedWithAMarginOfOneStep)
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    const Rect area = areaOf(doc, PictureOptions{false, true, false, 1});
    const int c = doc.gridSize;
    // E1's terminals at x = 5 steps and R2's at 16; the wires at y = 5 and 11 steps.
    EXPECT_LE(area.left, 5 * c - c);
    EXPECT_GE(area.right, 16 * c + c);
    EXPECT_LE(area.top, 5 * c - c);
    EXPECT_GE(area.bottom, 11 * c + c);
    EXPECT_LT(area.right - area.left, (16 - 5) * c + 6 * c);
}

}  // namespace
}  // namespace kirvolt
