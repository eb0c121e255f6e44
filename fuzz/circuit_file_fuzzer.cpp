// Any byte string read as a circuit file. What loads must save, load again and save to the
// same bytes, and survive everything a user can do to a circuit without editing it: the
// analysis, every node's equations, painting, and a click on every joint in node-equation
// mode. A circuit that solves must also mean the same as a netlist: exported, imported and
// solved again, every element has the p.d. and the current it had. A failure aborts, so that
// libFuzzer keeps the input.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "analysis/nodal_solver.h"
#include "analysis/results_text.h"
#include "analysis/stored_results.h"
#include "document/circuit_file.h"
#include "drawing/circuit_painter.h"
#include "drawing/results_painter.h"
#include "editing/circuit_editor.h"
#include "equations/node_equation_display.h"
#include "editing/command_ids.h"
#include "editing/document_commands.h"
#include "equations/all_equations.h"
#include "spice/circuit_layout.h"
#include "spice/circuit_netlist.h"
#include "spice/spice_reader.h"
#include "spice/spice_writer.h"

namespace {

using namespace kirvolt;

// Keeps nothing; text is measured as a fixed-width font would measure it.
class NullSurface final : public DrawingSurface {
public:
    Pen selectPen(const Pen& pen) override { return std::exchange(current, pen); }
    Font selectFont(const Font& font) override { return std::exchange(font_, font); }
    Colour setTextColour(Colour colour) override { return std::exchange(textColour, colour); }
    int setRasterMode(int mode) override { return std::exchange(raster, mode); }
    void moveTo(Point) override {}
    void lineTo(Point) override {}
    void ellipse(Rect) override {}
    void arc(Rect) override {}
    void setPixel(Point, Colour) override {}
    void textOut(Point, const std::string&) override {}
    Size textExtent(const std::string& text) override { return {7 * static_cast<int>(text.size()), 16}; }

private:
    Pen current;
    Font font_;
    Colour textColour = COLOUR_BLACK;
    int raster = RASTER_COPY;
};

// Node-equation clicks open no element dialog; any that did would be answered with Cancel.
class CancellingDialogs final : public ElementDialogs {
public:
    void showComponentInfo(const ComponentProperties&) override {}
    void showNodeInfo(const NodeProperties&) override {}
    std::optional<NameAndValue> editComponent(const NameAndValue&, const std::string&) override { return {}; }
    std::optional<std::string> editNodeName(const std::string&) override { return {}; }
};

void requireStableBytes(CKirvoltDoc& doc)
{
    const std::vector<std::uint8_t> written = circuitBytes(doc);
    CKirvoltDoc again;
    if (!readCircuitBytes(written, again).ok || circuitBytes(again) != written) {
        std::abort();
    }
}

// The whole circuit and a window's worth of it, plain and with a highlight over it.
void paint(const CKirvoltDoc& doc, const Highlight& highlight = {})
{
    NullSurface surface;
    PaintOptions options = documentPaintOptions(doc);
    // The dot grid only repeats one call a quarter of a million times.
    options.gridStyle = GRID_NONE;
    PaintView(doc, surface, options);
    options.highlight = &highlight;
    options.area = Rect{100, 100, 1700, 1100};
    PaintView(doc, surface, options);
    paintResults(resultsPaneLines(doc), surface);
}

void clickEveryJoint(CKirvoltDoc& doc)
{
    std::vector<Point> joints;
    for (const auto& c : doc.components) {
        if (c->kindCode == KIND_JOINT) {
            joints.push_back(c->position);
        }
    }
    CancellingDialogs dialogs;
    ChangeHistory history;
    CircuitEditor editor(doc, history, dialogs);
    doc.mode = nodeEquationMode;
    for (Point at : joints) {
        editor.pointerMove(at, at);
        editor.leftPress(at);
        editor.leftRelease(at);
        for (const NodeEquationStep& step : showNodeEquations(doc, at)) {
            paint(doc, step.highlight);
        }
    }
}

// What SPICE gets a card for, in list order: resistors, sources and ammeters, which come back
// from their 0 V sources; a voltmeter gets a comment only.
std::vector<const CComponent*> netlistElements(const CKirvoltDoc& doc)
{
    std::vector<const CComponent*> elements;
    for (const auto& c : doc.components) {
        if (isAnalysedBranchKind(c->kindCode) || c->kindCode == KIND_AMMETER) {
            elements.push_back(c.get());
        }
    }
    return elements;
}

// Two results agree to a millionth of themselves or of the largest of their kind in the
// circuit, which is what double precision resolves beside it.
bool agree(double a, double b, double largest)
{
    return std::abs(a - b) <= 1e-6 * std::max({std::abs(a), std::abs(b), largest});
}

// A solved circuit as a netlist, drawn again and solved: the same p.d. and current for every
// element and the same reading for every ammeter. Voltmeters, which the analysis leaves out,
// are left out of the netlist.
void requireSameAsNetlist(CKirvoltDoc& doc)
{
    const std::string text = writeSpiceNetlist(circuitNetlist(doc, "round trip").netlist).text;
    const NetlistReading reading = readSpiceNetlist(text);
    if (!reading.netlist) {
        std::abort();
    }
    CKirvoltDoc drawn;
    // A circuit drawn by hand may fit where the automatic drawing of it does not.
    if (layoutCircuit(*reading.netlist, drawn).refusal) {
        return;
    }
    if (!runNodalAnalysis(drawn)) {
        std::abort();
    }
    const std::vector<const CComponent*> before = netlistElements(doc);
    const std::vector<const CComponent*> after = netlistElements(drawn);
    if (before.size() != after.size()) {
        std::abort();
    }
    double largestPd = 0.0;
    double largestCurrent = 0.0;
    for (const CComponent* c : before) {
        largestPd = std::max(largestPd, std::abs(c->pd));
        largestCurrent = std::max(largestCurrent, std::abs(c->current));
    }
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i]->kindCode != after[i]->kindCode || !agree(before[i]->pd, after[i]->pd, largestPd) ||
            !agree(before[i]->current, after[i]->current, largestCurrent)) {
            std::abort();
        }
    }
    const auto readsOf = [](const CKirvoltDoc& d) {
        std::vector<bool> reads;
        for (const MeterReading& m : d.meterReadings) {
            if (m.kind == KIND_AMMETER) {
                reads.push_back(m.reads);
            }
        }
        return reads;
    };
    if (readsOf(doc) != readsOf(drawn)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CKirvoltDoc doc;
    if (!readCircuitBytes(std::span<const std::uint8_t>(data, size), doc).ok) {
        return 0;
    }
    requireStableBytes(doc);
    adoptStoredResults(doc);
    paint(doc);
    runDocumentCommand(doc, ID_SHOW_EQUATION);
    paint(doc);
    runDocumentCommand(doc, ID_ANALYSE_NODE_VOLTAGE);
    if (doc.analysisFailed == 0 && !doc.analysisResults.empty()) {
        requireSameAsNetlist(doc);
    }
    writeAllEquations(doc);
    paint(doc);
    clickEveryJoint(doc);
    requireStableBytes(doc);
    return 0;
}
