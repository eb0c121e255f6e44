#include "editing/circuit_clipboard.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "document/circuit_file.h"
#include "document/geometry.h"
#include "document/wording.h"
#include "editing/element_factory.h"

namespace kirvolt {
namespace {

const char* const NOT_A_CIRCUIT = WORDING_NOOP("Clipboard", "The Clipboard holds no circuit that Kirvolt can paste.");
const char* const TOO_LARGE = WORDING_NOOP("Clipboard", "The circuit on the Clipboard reaches too far to be pasted here.");

// How far a paste is moved on while it would cover what is already there, and how often.
constexpr int PASTE_STEP = 2;
constexpr int PASTE_TRIES = 100;

using GridPoint = std::pair<int, int>;
using Footprint = std::tuple<int, int, int, int, int>;

Footprint footprint(const CComponent& record, Point offset)
{
    return {record.kindCode, record.gridStart.x + offset.x, record.gridStart.y + offset.y,
            record.gridFinish.x + offset.x, record.gridFinish.y + offset.y};
}

Point plus(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}

// The least x and the least y of every grid point of the records.
Point topLeft(const CKirvoltDoc::ComponentList& records)
{
    Point corner{MAX_GRID_COORDINATE, MAX_GRID_COORDINATE};
    for (const auto& record : records) {
        for (const Point p : {record->gridStart, record->gridFinish, record->gridPosition}) {
            corner = {std::min(corner.x, p.x), std::min(corner.y, p.y)};
        }
    }
    return corner;
}

// Inside the drawing area at the document's grid step, where the user can see and reach it.
bool staysInReach(const CKirvoltDoc::ComponentList& records, Point offset, int gridSize)
{
    const int far = DRAWING_AREA / std::max(gridSize, 1);
    return std::ranges::all_of(records, [offset, far](const auto& record) {
        return std::ranges::all_of(std::array{record->gridStart, record->gridFinish, record->gridPosition},
                                   [offset, far](Point p) {
                                       const Point q = plus(p, offset);
                                       return q.x >= 0 && q.y >= 0 && q.x <= far && q.y <= far;
                                   });
    });
}

Point offsetWithoutPointer(const CKirvoltDoc& doc, const CKirvoltDoc::ComponentList& records)
{
    std::set<Footprint> present;
    for (const auto& record : doc.components) {
        present.insert(footprint(*record, {0, 0}));
    }
    Point offset{0, 0};
    for (int attempt = 0; attempt < PASTE_TRIES; ++attempt) {
        const bool covers = std::ranges::any_of(records, [&](const auto& record) {
            return present.contains(footprint(*record, offset));
        });
        if (!covers) {
            break;
        }
        offset = plus(offset, {PASTE_STEP, PASTE_STEP});
    }
    return offset;
}

int& nameCounter(CKirvoltDoc& doc, int kindCode)
{
    switch (kindCode) {
    case KIND_RESISTOR:
        return doc.resistorCount;
    case KIND_VOLTAGE_SOURCE:
        return doc.voltageSourceCount;
    case KIND_CURRENT_SOURCE:
        return doc.currentSourceCount;
    case KIND_VOLTMETER:
        return doc.voltmeterCount;
    case KIND_AMMETER:
        return doc.ammeterCount;
    default:
        return doc.wireCount;
    }
}

std::string namePrefix(int kindCode)
{
    switch (kindCode) {
    case KIND_RESISTOR:
        return "R";
    case KIND_VOLTAGE_SOURCE:
        return "E";
    case KIND_CURRENT_SOURCE:
        return "J";
    case KIND_VOLTMETER:
        return "Vm";
    case KIND_AMMETER:
        return "Am";
    default:
        return "W";
    }
}

// A pasted element as a newly drawn one would be: a fresh name (the label too, unless the
// user gave it one), no node numbers, voltages or results.
void makeFresh(CKirvoltDoc& doc, CComponent& record)
{
    if (record.kindCode == KIND_JOINT) {
        // Like a joint the user places: no node number until the nodes are built.
        record.label = "0";
        record.displayState = DISPLAY_GHOST;
    } else {
        const std::string fresh = namePrefix(record.kindCode) + std::to_string(nameCounter(doc, record.kindCode));
        if (record.label == record.name) {
            record.label = fresh;
        }
        record.name = fresh;
        advanceNameCounter(doc, record.kindCode);
    }
    record.branchIndex = 0;
    record.arrowDirection = ARROW_NONE;
    record.datumMark = 0;
    record.startNode = 0;
    record.finishNode = 0;
    record.startVoltage = 0.0;
    record.finishVoltage = 0.0;
    record.current = 0.0;
    record.pd = 0.0;
    record.setValue(record.value);
    record.resistorStyle = doc.display().resistorStyle;
}

}  // namespace

void copyRecordsInto(const CKirvoltDoc& source, const std::vector<const CComponent*>& selected, CKirvoltDoc& copy)
{
    std::set<std::uint64_t> taken;
    std::set<GridPoint> ends;
    for (const CComponent* record : selected) {
        taken.insert(record->recordId);
        ends.insert({record->gridStart.x, record->gridStart.y});
        ends.insert({record->gridFinish.x, record->gridFinish.y});
    }
    copy.gridSize = source.gridSize;
    for (const auto& record : source.components) {
        const bool jointAtEnd = record->kindCode == KIND_JOINT && ends.contains({record->gridStart.x, record->gridStart.y});
        if (taken.contains(record->recordId) || jointAtEnd) {
            copy.components.push_back(cloneRecord(*record));
        }
    }
}

std::vector<std::uint8_t> copiedCircuitBytes(const CKirvoltDoc& source, const std::vector<const CComponent*>& selected)
{
    CKirvoltDoc copy;
    copyRecordsInto(source, selected, copy);
    return circuitBytes(copy);
}

PasteOutcome pasteCircuit(CKirvoltDoc& doc, std::span<const std::uint8_t> bytes, std::optional<Point> pointerGrid)
{
    CKirvoltDoc copied;
    if (bytes.empty() || !readCircuitBytes(bytes, copied).ok) {
        return {{}, wording("Clipboard", NOT_A_CIRCUIT)};
    }
    if (copied.components.empty()) {
        return {};
    }
    const Point corner = topLeft(copied.components);
    Point offset = pointerGrid ? Point{pointerGrid->x - corner.x, pointerGrid->y - corner.y}
                               : offsetWithoutPointer(doc, copied.components);
    // Nothing lands left of or above the drawing area.
    offset = {std::max(offset.x, -corner.x), std::max(offset.y, -corner.y)};
    if (!staysInReach(copied.components, offset, doc.gridSize)) {
        return {{}, wording("Clipboard", TOO_LARGE)};
    }
    PasteOutcome outcome;
    const int g = doc.gridSize;
    for (auto& owned : copied.components) {
        CComponent& record = *owned;
        makeFresh(doc, record);
        record.shiftBy(offset, g);
        outcome.pasted.push_back(doc.AddComponent(std::move(owned))->recordId);
    }
    return outcome;
}

}  // namespace kirvolt
