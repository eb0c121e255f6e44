#include "spice/circuit_layout.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <utility>

#include "analysis/node_extraction.h"
#include "analysis/node_numbering.h"
#include "document/utf8_text.h"
#include "document/wording.h"

namespace kirvolt {

int layoutDatum(const Netlist& netlist)
{
    std::vector<int> touches(netlist.nodes.size(), 0);
    for (const NetlistElement& e : netlist.elements) {
        ++touches[static_cast<std::size_t>(e.start)];
        ++touches[static_cast<std::size_t>(e.finish)];
    }
    if (touches.empty() || touches[0] > 0) {
        return 0;
    }
    return static_cast<int>(std::max_element(touches.begin(), touches.end()) - touches.begin());
}

namespace {

// A name fits a label when the drawing and the dialogs can show it as it is.
bool fitsLabel(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 127; });
}

// The number a name is written as ("7", "007"), or none.
std::optional<long long> numberNamed(const std::string& name)
{
    long long number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    return error == std::errc() && end == name.data() + name.size() && !name.starts_with('-') ? std::optional(number)
                                                                                               : std::nullopt;
}

// The joints' names: the netlist's, except that a name that is the number of another of
// Kirvolt's nodes gives way to the node's own number, so that "V2" means one node wherever it
// is read and "--datum 2" too.
std::vector<std::string> jointNames(const Netlist& netlist, const std::vector<int>& nodeNumbers, int nodeCount)
{
    std::vector<std::string> names;
    for (std::size_t k = 0; k < netlist.nodes.size(); ++k) {
        const std::optional<long long> number = numberNamed(netlist.nodes[k]);
        const bool another = number && *number >= 1 && *number <= nodeCount && *number != nodeNumbers[k];
        names.push_back(another ? std::to_string(nodeNumbers[k]) : netlist.nodes[k]);
    }
    return names;
}

// The joints show the first two characters of their labels, so the names name the joints
// only when no two of them look alike there.
bool namesFitJoints(const std::vector<std::string>& names, const std::vector<int>& nodeNumbers)
{
    std::set<std::string> shown;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (nodeNumbers[k] != 0 && (!fitsLabel(names[k]) || !shown.insert(names[k].substr(0, 2)).second)) {
            return false;
        }
    }
    return true;
}

std::string namePrefix(std::uint16_t kind)
{
    return kind == KIND_RESISTOR ? "R" : kind == KIND_VOLTAGE_SOURCE ? "E" : kind == KIND_AMMETER ? "Am" : "J";
}

// Every element keeps its netlist name, letters of any script included, unless an element
// before it took that name; the others are numbered after the document's counters, skipping
// every name taken, so that no two elements ever share a name.
std::vector<std::string> elementNames(const Netlist& netlist, const CKirvoltDoc& doc)
{
    std::set<std::string> taken;
    std::vector<std::string> names(netlist.elements.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string& wanted = netlist.elements[i].name;
        if (isPrintableName(wanted) && taken.insert(wanted).second) {
            names[i] = wanted;
        }
    }
    std::map<std::string, std::int64_t> next = {{"R", doc.resistorCount},
                                                {"E", doc.voltageSourceCount},
                                                {"J", doc.currentSourceCount},
                                                {"Am", doc.ammeterCount}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string prefix = namePrefix(netlist.elements[i].kind);
        while (names[i].empty()) {
            std::string candidate = prefix + std::to_string(next[prefix]++);
            if (taken.insert(candidate).second) {
                names[i] = std::move(candidate);
            }
        }
    }
    return names;
}

std::unique_ptr<CComponent> makeElement(CKirvoltDoc& doc, const NetlistElement& e, const std::string& name,
                                        const PlacedElement& placed)
{
    const int g = doc.gridSize;
    const int style = doc.display().resistorStyle;
    const Point at = toLogical(placed.centre, g);
    std::unique_ptr<CComponent> record;
    if (e.kind == KIND_VOLTAGE_SOURCE) {
        record = std::make_unique<CVoltageSource>(doc.voltageSourceCount++, at, placed.orientation, COLOUR_COMPONENT,
                                                  DISPLAY_PLACED, g, style);
    } else if (e.kind == KIND_CURRENT_SOURCE) {
        record = std::make_unique<CCurrentSource>(doc.currentSourceCount++, at, placed.orientation, COLOUR_COMPONENT,
                                                  DISPLAY_PLACED, g, style);
    } else if (e.kind == KIND_AMMETER) {
        record = std::make_unique<CAmmeter>(doc.ammeterCount++, at, placed.orientation, COLOUR_METER, DISPLAY_PLACED, g,
                                            style);
    } else {
        record = std::make_unique<CResistor>(doc.resistorCount++, at, placed.orientation, COLOUR_COMPONENT,
                                             DISPLAY_PLACED, g, style);
    }
    record->name = name;
    record->label = name;
    record->setValue(e.value);
    return record;
}

// New elements are numbered after the largest number that the netlist's names give a kind.
void continueCounters(CKirvoltDoc& doc)
{
    for (const auto& c : doc.components) {
        std::int32_t* counter = c->kindCode == KIND_RESISTOR         ? &doc.resistorCount
                                : c->kindCode == KIND_VOLTAGE_SOURCE ? &doc.voltageSourceCount
                                : c->kindCode == KIND_CURRENT_SOURCE ? &doc.currentSourceCount
                                : c->kindCode == KIND_AMMETER        ? &doc.ammeterCount
                                                                     : nullptr;
        const std::string prefix = namePrefix(c->kindCode);
        if (counter == nullptr || c->name.size() <= prefix.size() || !c->name.starts_with(prefix)) {
            continue;
        }
        std::int32_t number = 0;
        const char* digits = c->name.data() + prefix.size();
        const char* end = c->name.data() + c->name.size();
        if (const auto [last, error] = std::from_chars(digits, end, number);
            error == std::errc() && last == end && number >= *counter && number < INT32_MAX) {
            *counter = number + 1;
        }
    }
}

// The textbook drawing with its spines in the first of the orders that gives one, else, when
// asked, the drawing without a crossing, else the drawing for any netlist.
CircuitLayout layoutWithSpines(const Netlist& netlist, CKirvoltDoc& doc, std::initializer_list<SpineOrder> orders,
                               bool planeBeforeWalked)
{
    const int datum = layoutDatum(netlist);
    const int limit = DRAWING_AREA / doc.gridSize;
    if (netlist.elements.size() > static_cast<std::size_t>(mostElementsWithin(limit))) {
        return {wording("Layout", TOO_LARGE_TO_DRAW), {}};
    }
    std::optional<LayoutPlan> plan;
    for (const SpineOrder order : orders) {
        if (!plan && order == SpineOrder::walked && planeBeforeWalked) {
            plan = planPlaneLayout(netlist, datum, limit);
        }
        plan = plan ? plan : planSpineLayout(netlist, datum, limit, order);
    }
    if (!plan) {
        plan = planBusLayout(netlist, datum);
    }
    if (plan->extent.width > limit || plan->extent.height > limit) {
        return {wording("Layout", TOO_LARGE_TO_DRAW), {}};
    }
    return drawLayout(netlist, datum, std::move(*plan), doc);
}

}  // namespace

CircuitLayout layoutCircuit(const Netlist& netlist, CKirvoltDoc& doc)
{
    return layoutWithSpines(netlist, doc, {SpineOrder::walked}, false);
}

CircuitLayout layoutCircuitWithoutCrossings(const Netlist& netlist, CKirvoltDoc& doc)
{
    return layoutWithSpines(netlist, doc, {SpineOrder::withoutCrossings, SpineOrder::walked}, true);
}

CircuitLayout drawLayout(const Netlist& netlist, int datum, LayoutPlan plan, CKirvoltDoc& doc)
{
    const std::vector<std::string> names = elementNames(netlist, doc);
    for (std::size_t i = 0; i < netlist.elements.size(); ++i) {
        doc.AddComponent(makeElement(doc, netlist.elements[i], names[i], plan.elements[i]));
    }
    continueCounters(doc);
    // The wires node by node, the datum's last, so that the nodes are numbered much as the
    // netlist numbers them.
    std::stable_sort(plan.wires.begin(), plan.wires.end(), [datum](const PlacedWire& a, const PlacedWire& b) {
        return (a.node == datum) != (b.node == datum) ? b.node == datum : a.node < b.node;
    });
    for (const PlacedWire& w : plan.wires) {
        doc.AddComponent(std::make_unique<CWire>(doc.wireCount++, toLogical(w.from, doc.gridSize),
                                                 toLogical(w.to, doc.gridSize), COLOUR_WIRE, KIND_WIRE, doc.gridSize,
                                                 doc.display().resistorStyle));
    }
    buildNodes(doc);

    CircuitLayout result;
    result.nodeNumbers.assign(netlist.nodes.size(), 0);
    for (std::size_t i = 0; i < netlist.elements.size(); ++i) {
        const CComponent& record = *doc.components[i];
        result.nodeNumbers[static_cast<std::size_t>(netlist.elements[i].start)] = record.startNode;
        result.nodeNumbers[static_cast<std::size_t>(netlist.elements[i].finish)] = record.finishNode;
    }
    const std::vector<std::string> jointLabels = jointNames(netlist, result.nodeNumbers, doc.nodeCount);
    if (namesFitJoints(jointLabels, result.nodeNumbers)) {
        for (const auto& c : doc.components) {
            if (c->kindCode == KIND_JOINT) {
                const auto node = std::find(result.nodeNumbers.begin(), result.nodeNumbers.end(), c->startNode);
                if (node != result.nodeNumbers.end()) {
                    c->label = jointLabels[static_cast<std::size_t>(node - result.nodeNumbers.begin())];
                }
            }
        }
    }
    selectDatum(doc, result.nodeNumbers[static_cast<std::size_t>(datum)]);
    return result;
}

}  // namespace kirvolt
