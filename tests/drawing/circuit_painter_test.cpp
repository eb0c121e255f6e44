#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/circuit_file.h"
#include "support/circuit_builder.h"
#include "support/recording_surface.h"
#include "support/sample_circuits.h"
#include "analysis/nodal_solver.h"
#include "drawing/circuit_painter.h"
#include "equations/all_equations.h"

namespace kirvolt::testing {
namespace {

const Pen GREY{1, COLOUR_GRID_LINE};

class CircuitPainter : public ::testing::Test {
protected:

    CKirvoltDoc doc;
    RecordingSurface surface;
};

TEST_F(CircuitPainter, DotGridColumnByColumn)
{
    struct Row {
        int c, perSide, last;
    };
    for (const Row& row : {Row{10, 500, 4990}, Row{15, 334, 4995}, Row{100, 50, 4900}}) {
        SCOPED_TRACE(row.c);
        doc.gridSize = static_cast<std::uint16_t>(row.c);
        surface.clearRecords();
        PaintView(doc, surface, documentPaintOptions(doc));
        ASSERT_EQ(surface.pixels.size(), static_cast<std::size_t>(row.perSide * row.perSide));
        EXPECT_EQ(surface.pixels[0], (Pixel{{0, 0}, COLOUR_BLACK}));
        EXPECT_EQ(surface.pixels[1], (Pixel{{0, row.c}, COLOUR_BLACK}));
        EXPECT_EQ(surface.pixels[static_cast<std::size_t>(row.perSide)], (Pixel{{row.c, 0}, COLOUR_BLACK}));
        EXPECT_EQ(surface.pixels.back(), (Pixel{{row.last, row.last}, COLOUR_BLACK}));
        EXPECT_TRUE(surface.segments.empty());
    }
}

TEST_F(CircuitPainter, SquareGridInGreyUpToTheLastMultipleBelow5000)
{
    doc.gridStyle = GRID_SQUARES;
    for (const auto& [c, last] : {std::pair{10, 4990}, std::pair{15, 4995}}) {
        SCOPED_TRACE(c);
        doc.gridSize = static_cast<std::uint16_t>(c);
        surface.clearRecords();
        PaintView(doc, surface, documentPaintOptions(doc));
        const std::size_t perDirection = static_cast<std::size_t>(last / c + 1);
        ASSERT_EQ(surface.segments.size(), 2 * perDirection);
        EXPECT_EQ(surface.segments[0], (Segment{{0, 0}, {0, 5000}, GREY}));
        EXPECT_EQ(surface.segments[perDirection - 1], (Segment{{last, 0}, {last, 5000}, GREY}));
        EXPECT_EQ(surface.segments[perDirection], (Segment{{0, 0}, {5000, 0}, GREY}));
        EXPECT_EQ(surface.segments.back(), (Segment{{0, last}, {5000, last}, GREY}));
        EXPECT_TRUE(surface.pixels.empty());
    }
}

TEST_F(CircuitPainter, NoGrid)
{
    doc.gridStyle = GRID_NONE;
    PaintView(doc, surface, documentPaintOptions(doc));
    EXPECT_TRUE(surface.pixels.empty());
    EXPECT_TRUE(surface.segments.empty());
}

TEST_F(CircuitPainter, GridStepOfZeroPaintsNoGridInsteadOfHanging)
{
    doc.gridSize = 0;
    for (int style : {GRID_DOTS, GRID_SQUARES}) {
        doc.gridStyle = style;
        PaintView(doc, surface, documentPaintOptions(doc));
    }
    EXPECT_TRUE(surface.pixels.empty());
    EXPECT_TRUE(surface.segments.empty());
}

TEST_F(CircuitPainter, GreyPenHeldWhileElementsDrawAndReleasedAfter)
{
    doc.gridStyle = GRID_NONE;
    CircuitBuilder(doc).resistor(10, 5, ORIENT_EAST, 100);
    PaintView(doc, surface, documentPaintOptions(doc));
    EXPECT_EQ(surface.penSelections.front(), GREY);
    EXPECT_EQ(surface.penSelections.back(), Pen{});
    EXPECT_EQ(surface.pen, Pen{});
    // Every pen the resistor selected is followed by the grey pen again.
    for (std::size_t i = 1; i + 1 < surface.penSelections.size(); i += 2) {
        EXPECT_EQ(surface.penSelections[i + 1], GREY);
    }
    for (const Segment& segment : surface.segments) {
        EXPECT_EQ(segment.rasterMode, RASTER_COPY);
    }
    EXPECT_EQ(surface.texts.size(), 2u);
}

TEST_F(CircuitPainter, PixelsComeBeforeTheGreyPen)
{
    doc.gridSize = 100;
    PaintView(doc, surface, documentPaintOptions(doc));
    ASSERT_EQ(surface.calls.size(), 2500u + 2u);
    EXPECT_EQ(surface.calls[2499], RecordingSurface::Call::SetPixel);
    EXPECT_EQ(surface.calls[2500], RecordingSurface::Call::SelectPen);
}

TEST_F(CircuitPainter, EveryPaintShowsTheEarthSymbolAgain)
{
    doc.gridStyle = GRID_NONE;
    CircuitBuilder builder(doc);
    builder.joint(5, 5).datumMark = 1;
    builder.joint(9, 5).datumMark = 1;
    PaintView(doc, surface, documentPaintOptions(doc));
    const std::size_t firstPaint = surface.segments.size();
    EXPECT_EQ(firstPaint, 6u);
    PaintView(doc, surface, documentPaintOptions(doc));
    EXPECT_EQ(surface.segments.size(), 2 * firstPaint);
}

// Painting only reads: the circuit's bytes and its line height are what they were.
TEST_F(CircuitPainter, PaintingChangesNothingInTheDocument)
{
    buildVoltageDivider(doc);
    ASSERT_TRUE(runNodalAnalysis(doc));
    const std::vector<std::uint8_t> before = circuitBytes(doc);
    PaintOptions options = documentPaintOptions(doc);
    options.showEquations = true;
    PaintView(doc, surface, options);
    EXPECT_EQ(circuitBytes(doc), before);
    EXPECT_EQ(doc.equationLineHeight, 0);
}

TEST_F(CircuitPainter, EmptyDocumentPanelShowsTitleAndFourArrows)
{
    doc.gridStyle = GRID_NONE;
    doc.showEquations = 1;
    PaintView(doc, surface, documentPaintOptions(doc));
    const std::vector<Text> expected = {
        {{20, 20}, "Nodal Equations for the circuit drawn above are:", Font{}},
        {{20, 50}, "=>", Font{}},
        {{20, 70}, "=>", Font{}},
        {{20, 90}, "=>", Font{}},
        {{20, 110}, "=>", Font{}},
    };
    EXPECT_EQ(surface.texts, expected);
}

TEST_F(CircuitPainter, PanelBelowTheLowestTerminalWithLinesTwoToSix)
{
    doc.gridStyle = GRID_NONE;
    doc.showEquations = 1;
    CircuitBuilder(doc).resistor(10, 5, ORIENT_NORTH, 100);  // start terminal at y = 160
    doc.components.front()->displayState = DISPLAY_GHOST;
    doc.nodeCount = 2;
    doc.equationText.resize(3);
    for (int node = 1; node <= 2; ++node) {
        for (int line = 1; line <= 6; ++line) {
            std::string& text = doc.equationText[static_cast<std::size_t>(node)][static_cast<std::size_t>(line)];
            text = std::string("n").append(std::to_string(node)).append("l").append(std::to_string(line));
        }
    }
    PaintView(doc, surface, documentPaintOptions(doc));
    const std::vector<Text> expected = {
        {{20, 180}, "Nodal Equations for the circuit drawn above are:", Font{}},
        {{20, 210}, "Node 1: n1l2", Font{}}, {{20, 230}, "Node 2: n2l2", Font{}}, {{20, 250}, "=>", Font{}},
        {{20, 270}, "Node 1: n1l3", Font{}}, {{20, 290}, "Node 2: n2l3", Font{}}, {{20, 310}, "=>", Font{}},
        {{20, 330}, "Node 1: n1l4", Font{}}, {{20, 350}, "Node 2: n2l4", Font{}}, {{20, 370}, "=>", Font{}},
        {{20, 390}, "Node 1: n1l5", Font{}}, {{20, 410}, "Node 2: n2l5", Font{}}, {{20, 430}, "=>", Font{}},
        {{20, 450}, "Node 1: n1l6", Font{}}, {{20, 470}, "Node 2: n2l6", Font{}},
    };
    EXPECT_EQ(surface.texts, expected);
}

TEST_F(CircuitPainter, PanelTreatsMissingEquationRowsAsEmptyAndIgnoresNegativeTerminals)
{
    doc.gridStyle = GRID_NONE;
    doc.showEquations = 1;
    doc.nodeCount = 1;
    CircuitBuilder(doc).wire(-5, -8, -2, -8);
    PaintView(doc, surface, documentPaintOptions(doc));
    ASSERT_EQ(surface.texts.size(), 10u);
    EXPECT_EQ(surface.texts[0].at, (Point{20, 20}));
    EXPECT_EQ(surface.texts[1], (Text{{20, 50}, "Node 1: ", Font{}}));
}

TEST_F(CircuitPainter, PanelShowsTheEquationsOfTheLastAnalysis)
{
    buildVoltageDivider(doc);
    doc.gridStyle = GRID_NONE;
    ASSERT_TRUE(runNodalAnalysis(doc));
    doc.showEquations = 1;
    writeAllEquations(doc);
    const auto written = doc.equationText;
    PaintView(doc, surface, documentPaintOptions(doc));
    EXPECT_EQ(doc.equationText, written) << "painting only reads the equation text";
    std::vector<std::string> panel;
    for (const Text& text : surface.texts) {
        if (text.text.rfind("Node ", 0) == 0) {
            panel.push_back(text.text);
        }
    }
    // Three nodes in five blocks; the voltage lines come last.
    ASSERT_EQ(panel.size(), 15u);
    EXPECT_EQ(panel[12], "Node 1: V1 = 0 Volt.");
    // Datum node 1 is E1's positive terminal; R1 takes a third of the 12 V.
    EXPECT_EQ(panel[13], "Node 2: V2 =  -4.00 Volt.");
    EXPECT_EQ(panel[14], "Node 3: V3 = -12.00 Volt.");
}

}  // namespace
}  // namespace kirvolt::testing

namespace kirvolt {
namespace {

// A meter's reading stands below the upright symbol and right of the turned one while the
// results are the drawing's; an edit takes it away.
TEST(MeterReadingLabel, ShownBesideTheMeterWhileTheResultsHold)
{
    struct Case {
        std::uint16_t kind;
        int orientation;
        bool reads;
        Point at;
        std::string text;
    };
    const Case cases[] = {
        {KIND_AMMETER, ORIENT_EAST, true, {180, 120}, "20.0 mA"},
        {KIND_VOLTMETER, ORIENT_NORTH, true, {220, 120}, "-4.00 V"},
        {KIND_VOLTMETER, ORIENT_WEST, false, {180, 120}, "no reading"},
    };
    for (const Case& c : cases) {
        CKirvoltDoc doc;
        const CComponent& meter = testing::CircuitBuilder(doc).element(c.kind, {10, 5}, c.orientation, 0);
        const double value = c.kind == KIND_AMMETER ? 0.02 : -4.0;
        doc.keepResults({ResultsLine{0, {{"  Analysis Results:", false}}}},
                        {MeterReading{meter.recordId, c.kind, meter.label, c.reads, value, "why"}});
        const auto painted = [&doc] {
            testing::RecordingSurface surface;
            PaintView(doc, surface, documentPaintOptions(doc));
            std::vector<std::string> found;
            for (const testing::Text& t : surface.texts) {
                found.push_back(t.text + "@" + std::to_string(t.at.x) + "," + std::to_string(t.at.y));
            }
            return found;
        };
        const std::string expected = c.text + "@" + std::to_string(c.at.x) + "," + std::to_string(c.at.y);
        std::vector<std::string> texts = painted();
        EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
        doc.noteEdit();
        texts = painted();
        EXPECT_EQ(std::find(texts.begin(), texts.end(), expected), texts.end()) << expected;
    }
}

}  // namespace
}  // namespace kirvolt
