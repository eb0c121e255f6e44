#include "view/drawing/results_painter.h"

#include <algorithm>
#include <string>
#include <vector>

#include "document/format_value.h"
#include "view/drawing/symbol_parts.h"

namespace kirvolt {
namespace {

constexpr int NODE_LINE_STEP = 20;
constexpr int COMPONENT_LINE_STEP = 25;
constexpr int SUBSCRIPT_DROP = 8;

const Font SUBSCRIPT_FONT{"Arial", 16, 400, 0};

// Labels of one kind in list order, a label equal to the one just before it taken once (the
// joints of one node lie together), then sorted byte-wise so that "10" comes before "2".
std::vector<std::string> sortedLabels(const CKirvoltDoc& doc, int kind)
{
    std::vector<std::string> labels;
    for (const auto& element : doc.components) {
        if (element->kindCode == kind && (labels.empty() || labels.back() != element->label)) {
            labels.push_back(element->label);
        }
    }
    std::sort(labels.begin(), labels.end());
    return labels;
}

const CComponent* firstWithLabel(const CKirvoltDoc& doc, const std::string& label)
{
    for (const auto& element : doc.components) {
        if (element->label == label) {
            return element.get();
        }
    }
    return nullptr;
}

std::string nodeLabel(const CKirvoltDoc& doc, int node)
{
    for (const auto& element : doc.components) {
        if (element->kindCode == KIND_JOINT && element->startNode == node) {
            return element->label;
        }
    }
    return "error";
}

// The two node names of a subscript, ordered from the higher to the lower potential or along
// the current: start first for a positive quantity, finish first otherwise.
std::string subscript(const CKirvoltDoc& doc, const CComponent& element, double quantity)
{
    const std::string start = nodeLabel(doc, element.startNode);
    const std::string finish = nodeLabel(doc, element.finishNode);
    return quantity > 0 ? start + finish : finish + start;
}

std::string magnitudeText(double quantity)
{
    return FormatValue(quantity > 0 ? quantity : -quantity, 2);
}

// Writes text pieces one after the other on a line, each starting where the previous ended.
class LineWriter {
public:
    LineWriter(DrawingSurface& surface, int y) : surface(surface), y(y) {}

    void text(const std::string& piece) { put(piece, y); }
    void subscriptText(const std::string& piece)
    {
        FontScope font(surface, SUBSCRIPT_FONT);
        put(piece, y + SUBSCRIPT_DROP);
    }

private:
    void put(const std::string& piece, int atY)
    {
        surface.textOut({x, atY}, piece);
        x += surface.textExtent(piece).width;
    }

    DrawingSurface& surface;
    int x = 0;
    int y;
};

void drawComponentLine(const CKirvoltDoc& doc, DrawingSurface& surface, const std::string& name,
                       const CComponent& element, int y)
{
    LineWriter line(surface, y);
    line.text("  " + name + ":  V");
    line.subscriptText(subscript(doc, element, element.pd));
    line.text(" = " + magnitudeText(element.pd) + " V; ");
    line.text("  I");
    line.subscriptText(subscript(doc, element, element.current));
    line.text(" = " + magnitudeText(element.current) + " A.");
}

// Returns the y below the block's last line.
int drawComponentBlock(const CKirvoltDoc& doc, DrawingSurface& surface, int kind, int y)
{
    for (const std::string& name : sortedLabels(doc, kind)) {
        if (const CComponent* element = firstWithLabel(doc, name)) {
            drawComponentLine(doc, surface, name, *element, y);
            y += COMPONENT_LINE_STEP;
        }
    }
    return y;
}

int drawNodeBlock(const CKirvoltDoc& doc, DrawingSurface& surface, int y)
{
    for (const std::string& name : sortedLabels(doc, KIND_JOINT)) {
        if (const CComponent* element = firstWithLabel(doc, name)) {
            surface.textOut({0, y}, "  Node " + name + ":   " + FormatValue(element->startVoltage, 2) + " V.");
            y += NODE_LINE_STEP;
        }
    }
    return y;
}

}  // namespace

void paintResults(const CKirvoltDoc& doc, DrawingSurface& surface)
{
    surface.textOut({0, 0}, "  Analysis Results:");
    if (doc.jointCount == 1) {
        return;
    }
    surface.textOut({0, 40}, "  Node Number:  Node Voltage in V");
    surface.textOut({0, 60}, "  " + std::string(103, '-'));
    const int d = drawNodeBlock(doc, surface, 80);
    surface.textOut({0, d + 25}, "  Component: p.d. in V; current in A.");
    surface.textOut({0, d + 50}, "  " + std::string(104, '-'));
    const int resistorsEnd = drawComponentBlock(doc, surface, KIND_RESISTOR, d + 75);
    const int currentSourcesEnd = drawComponentBlock(doc, surface, KIND_CURRENT_SOURCE, resistorsEnd + 25);
    drawComponentBlock(doc, surface, KIND_VOLTAGE_SOURCE, currentSourcesEnd + 25);
}

}  // namespace kirvolt
