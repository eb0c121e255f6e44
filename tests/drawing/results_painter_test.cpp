#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "analysis/results_text.h"
#include "document/circuit_document.h"
#include "support/recording_surface.h"
#include "drawing/results_painter.h"

namespace kirvolt::testing {
namespace {

const Font SUBSCRIPT{"Arial", 12, 400, 0};
const std::string NODE_RULE = "  " + std::string(103, '-');
const std::string COMPONENT_RULE = "  " + std::string(104, '-');

// Results are filled in by hand as the solver would leave them. The recording surface
// measures 7 units per character in the default font and 6 in Arial.
class ResultsPainter : public ::testing::Test {
protected:
    void SetUp() override { doc.jointCount = 2; }

    void joint(int node, double volts)
    {
        auto record = std::make_unique<CNode>(Point{20 * node, 20}, node, DISPLAY_PLACED, 20, STYLE_EUROPEAN);
        record->startVoltage = volts;
        doc.AddComponent(std::move(record));
    }

    CComponent& add(std::unique_ptr<CComponent> record, std::uint16_t kind, const std::string& label, int start,
                    int finish, double pd, double current)
    {
        record->kindCode = kind;
        record->label = label;
        record->startNode = start;
        record->finishNode = finish;
        record->pd = pd;
        record->current = current;
        return *doc.AddComponent(std::move(record));
    }
    // Its resistance is the one Ohm's law gives, so that its power is the p.d. times the current.
    CComponent& resistor(const std::string& label, int start, int finish, double pd, double current)
    {
        CComponent& r = add(std::make_unique<CResistor>(), KIND_RESISTOR, label, start, finish, pd, current);
        r.value = current != 0.0 ? pd / current : 1.0;
        return r;
    }
    CComponent& voltageSource(const std::string& label, int start, int finish, double pd, double current)
    {
        return add(std::make_unique<CVoltageSource>(), KIND_VOLTAGE_SOURCE, label, start, finish, pd, current);
    }
    CComponent& currentSource(const std::string& label, int start, int finish, double pd, double current)
    {
        return add(std::make_unique<CCurrentSource>(), KIND_CURRENT_SOURCE, label, start, finish, pd, current);
    }

    std::vector<Text> paint()
    {
        paintResults(buildResultsText(doc), surface);
        EXPECT_EQ(surface.font, Font{});
        return surface.texts;
    }

    // The six pieces of a component line at y, each placed after the measured previous one.
    static std::vector<Text> componentLine(int y, const std::string& head, const std::string& pdSubscript,
                                           const std::string& pdText, const std::string& currentSubscript,
                                           const std::string& currentText)
    {
        std::vector<Text> pieces;
        int x = 0;
        auto put = [&](const std::string& text, int atY, const Font& font, int perCharacter) {
            pieces.push_back({{x, atY}, text, font});
            x += perCharacter * static_cast<int>(text.size());
        };
        put(head, y, Font{}, 7);
        put(pdSubscript, y + 8, SUBSCRIPT, 6);
        put(pdText, y, Font{}, 7);
        put("  I", y, Font{}, 7);
        put(currentSubscript, y + 8, SUBSCRIPT, 6);
        put(currentText, y, Font{}, 7);
        return pieces;
    }

    CKirvoltDoc doc;
    RecordingSurface surface;
};

TEST_F(ResultsPainter, NewCircuitShowsOnlyTheTitle)
{
    doc.jointCount = 1;
    resistor("R1", 1, 2, 10, 2);
    EXPECT_EQ(paint(), (std::vector<Text>{{{0, 0}, "  Analysis Results:", Font{}}}));
}

// 10 V source E1 from node 1 to the datum 3, R1 from 1 to 2, R2 from 2 to 3 and a current
// source J1 pushing 0.5 A into node 2.
TEST_F(ResultsPainter, SolvedCircuit)
{
    joint(1, 10);
    joint(1, 10);
    joint(2, 4);
    joint(3, 0);
    voltageSource("E1", 1, 3, 10, -1.5);
    resistor("R2", 2, 3, 4, 2);
    resistor("R1", 1, 2, 6, 1.5);
    currentSource("J1", 3, 2, -4, 0.5);

    std::vector<Text> expected = {
        {{0, 0}, "  Analysis Results:", Font{}},
        {{0, 40}, "  Node Number:  Node Voltage in V", Font{}},
        {{0, 60}, NODE_RULE, Font{}},
        {{0, 80}, "  Node 1:   10.00 V.", Font{}},
        {{0, 100}, "  Node 2:   4.00 V.", Font{}},
        {{0, 120}, "  Node 3:   0.00 V.", Font{}},
        {{0, 165}, "  Component: p.d. in V; current in A.", Font{}},
        {{0, 190}, COMPONENT_RULE, Font{}},
    };
    for (const auto& line : {componentLine(215, "  R1:  V", "12", " = 6.00 V; ", "12", " = 1.50 A."),
                             componentLine(240, "  R2:  V", "23", " = 4.00 V; ", "23", " = 2.00 A."),
                             componentLine(290, "  J1:  V", "23", " = 4.00 V; ", "32", " = 0.50 A."),
                             componentLine(340, "  E1:  V", "13", " = 10.00 V; ", "31", " = 1.50 A.")}) {
        expected.insert(expected.end(), line.begin(), line.end());
    }
    for (const Text& power :
         {Text{{0, 390}, "  Component: power in W, absorbed (+) or delivered (-).", Font{}},
          Text{{0, 415}, COMPONENT_RULE, Font{}}, Text{{0, 440}, "  R1:  P = 9.00 W.", Font{}},
          Text{{0, 465}, "  R2:  P = 8.00 W.", Font{}}, Text{{0, 490}, "  J1:  P = -2.00 W.", Font{}},
          Text{{0, 515}, "  E1:  P = -15.00 W.", Font{}},
          Text{{0, 540}, "  Power delivered 17.00 W = power absorbed 17.00 W.", Font{}}}) {
        expected.push_back(power);
    }
    EXPECT_EQ(paint(), expected);
}

TEST_F(ResultsPainter, PiecesFollowMeasuredWidths)
{
    joint(1, 10);
    joint(2, 0);
    resistor("R1", 1, 2, 10, 2);
    const std::vector<Text> texts = paint();
    ASSERT_EQ(texts.size(), 7u + 6u + 4u);
    // "  R1:  V" is 8 characters of 7 units; the subscript "12" 2 characters of 6.
    EXPECT_EQ(texts[7], (Text{{0, 195}, "  R1:  V", Font{}}));
    EXPECT_EQ(texts[8], (Text{{56, 203}, "12", SUBSCRIPT}));
    EXPECT_EQ(texts[9], (Text{{68, 195}, " = 10.00 V; ", Font{}}));
    EXPECT_EQ(texts[10], (Text{{152, 195}, "  I", Font{}}));
    EXPECT_EQ(texts[11], (Text{{173, 203}, "12", SUBSCRIPT}));
    EXPECT_EQ(texts[12], (Text{{185, 195}, " = 2.00 A.", Font{}}));
}

TEST_F(ResultsPainter, NodeNamesInTextOrder)
{
    for (int node = 1; node <= 12; ++node) {
        joint(node, node);
    }
    const std::vector<Text> texts = paint();
    const std::vector<std::string> order = {"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(texts[3 + i].at, (Point{0, 80 + 20 * static_cast<int>(i)}));
        EXPECT_EQ(texts[3 + i].text.substr(0, 7 + order[i].size()), "  Node " + order[i]);
    }
    EXPECT_EQ(texts[15], (Text{{0, 345}, "  Component: p.d. in V; current in A.", Font{}}));
}

TEST_F(ResultsPainter, NegativeNodeVoltageKeepsItsSign)
{
    joint(1, -2.5);
    EXPECT_EQ(paint()[3].text, "  Node 1:   -2.50 V.");
}

TEST_F(ResultsPainter, ZeroPdUsesFinishStartOrder)
{
    joint(1, 0);
    joint(2, 0);
    resistor("R1", 1, 2, 0.0, 0.0);
    const std::vector<Text> texts = paint();
    EXPECT_EQ(texts[8].text, "21");
    EXPECT_EQ(texts[9].text, " = 0.00 V; ");
    EXPECT_EQ(texts[11].text, "21");
    EXPECT_EQ(texts[12].text, " = 0.00 A.");
}

TEST_F(ResultsPainter, SameNameShowsTheFirstComponentTwice)
{
    joint(1, 5);
    joint(2, 0);
    resistor("R1", 1, 2, 5, 1);
    resistor("R2", 1, 2, 5, 0.5);
    resistor("R1", 1, 2, 5, 0.25);
    const std::vector<Text> texts = paint();
    ASSERT_EQ(texts.size(), 7u + 3u * 6u + 6u);
    EXPECT_EQ(texts[7].text, "  R1:  V");
    EXPECT_EQ(texts[12].text, " = 1.00 A.");
    EXPECT_EQ(texts[13].text, "  R1:  V");
    EXPECT_EQ(texts[13].at.y, 195 + 25);
    EXPECT_EQ(texts[18].text, " = 1.00 A.");
    EXPECT_EQ(texts[19].text, "  R2:  V");
}

TEST_F(ResultsPainter, WithoutCurrentSourcesVoltageSourcesStartFiftyBelowTheResistors)
{
    joint(1, 5);
    joint(2, 0);
    resistor("R1", 1, 2, 5, 1);
    voltageSource("E1", 1, 2, 5, -1);
    const std::vector<Text> texts = paint();
    ASSERT_EQ(texts.size(), 7u + 2u * 6u + 5u);
    EXPECT_EQ(texts[7].at.y, 195);
    EXPECT_EQ(texts[13], (Text{{0, 195 + 25 + 50}, "  E1:  V", Font{}}));
}

// A greyed line is grey in every piece, and the lines after it are black again.
TEST_F(ResultsPainter, GreyedLinesAreGrey)
{
    const std::vector<ResultsLine> lines = {
        {0, {{"  V", false}, {"12", true}, {" = 1.00 V.", false}}, true},
        {25, {{"  Node 1:   1.00 V.", false}}, false},
    };
    paintResults(lines, surface);
    ASSERT_EQ(surface.texts.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(surface.texts[i].colour, rgb(150, 150, 150)) << surface.texts[i].text;
    }
    EXPECT_EQ(surface.texts[3].colour, COLOUR_BLACK);
    EXPECT_EQ(surface.textColour, COLOUR_BLACK);
}

// "  R1:  V" (8 x 7) + "12" (2 x 6) + " = 10.00 V; " (12 x 7) + "  I" (3 x 7) + "12" + " = 2.00 A."
// (10 x 7) is 255, wider than the title but not the rules of 105 and 106 characters.
TEST_F(ResultsPainter, TextWidthIsTheWidestLineAsLaidOut)
{
    const std::vector<ResultsLine> component = {
        {0, {{"  R1:  V", false}, {"12", true}, {" = 10.00 V; ", false}, {"  I", false}, {"12", true},
             {" = 2.00 A.", false}}},
        {25, {{"  Analysis Results:", false}}},
    };
    EXPECT_EQ(resultsTextWidth(component, surface), 255);
    joint(1, 10);
    joint(2, 0);
    resistor("R1", 1, 2, 10, 2);
    EXPECT_EQ(resultsTextWidth(buildResultsText(doc), surface), 7 * 106);
    EXPECT_EQ(surface.font, Font{});
}

TEST_F(ResultsPainter, MissingNodeIsNamedError)
{
    joint(1, 5);
    resistor("R1", 1, 9, 5, 1);
    const std::vector<Text> texts = paint();
    EXPECT_EQ(texts[7].text, "1error");
}

}  // namespace
}  // namespace kirvolt::testing
