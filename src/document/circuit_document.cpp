#include "document/circuit_document.h"

#include <algorithm>

#include "document/archive.h"

namespace kirvolt {

void CKirvoltDoc::noteEdit()
{
    revisionNumber = ++lastRevisionIssued;
    SetModifiedFlag();
}

void CKirvoltDoc::keepResults(std::vector<ResultsLine> lines, std::vector<MeterReading> readings)
{
    analysisResults = std::move(lines);
    meterReadings = std::move(readings);
    resultsRevision = revisionNumber;
    ++resultsReplaced;
}

const MeterReading* CKirvoltDoc::currentReading(const CComponent& meter) const
{
    if (!resultsAreCurrent()) {
        return nullptr;
    }
    const auto found = std::find_if(meterReadings.begin(), meterReadings.end(),
                                    [&meter](const MeterReading& r) { return r.recordId == meter.recordId; });
    return found == meterReadings.end() ? nullptr : &*found;
}

CComponent* CKirvoltDoc::AddComponent(std::unique_ptr<CComponent> record)
{
    nodesValid = 0;
    record->recordId = issueRecordId();
    components.push_back(std::move(record));
    noteEdit();
    return components.back().get();
}

void CKirvoltDoc::RemoveComponent(CComponent* record)
{
    nodesValid = 0;
    noteEdit();
    const auto found = std::find_if(components.begin(), components.end(),
                                    [record](const auto& owned) { return owned.get() == record; });
    if (found != components.end()) {
        components.erase(found);
    } else {
        delete record;
    }
}

void CKirvoltDoc::rescaleToGrid()
{
    const int g = gridSize;
    for (const auto& element : components) {
        CComponent& c = *element;
        c.position = toLogical(c.gridPosition, g);
        if (c.kindCode >= KIND_WIRE && c.kindCode <= KIND_JOINT) {
            c.startPoint = toLogical(c.gridStart, g);
            c.finishPoint = toLogical(c.gridFinish, g);
        }
        const bool boxed = isTwoTerminalKind(c.kindCode) || c.kindCode == KIND_JOINT;
        if (boxed) {
            c.hitRect = {c.position.x - g, c.position.y - g, c.position.x + g, c.position.y + g};
        }
        c.resistorStyle = display().resistorStyle;
    }
}

namespace {

// The smallest stored element: a short class tag, the fixed payload and two empty strings.
constexpr std::size_t MIN_ENTRY_BYTES = 2 + 142 + 2;
// A short tag, the payload and names of a few characters.
constexpr std::size_t TYPICAL_ENTRY_BYTES = 160;
constexpr std::size_t TRAILER_BYTES = 66;
constexpr int MIN_GRID_SIZE = 10;

}  // namespace

void CKirvoltDoc::Persist(Archive& archive)
{
    if (archive.isStoring()) {
        archive.writeCount(components.size());
        archive.reserve(components.size() * TYPICAL_ENTRY_BYTES + TRAILER_BYTES);
        for (const auto& record : components) {
            archive.writeObject(*record);
        }
    } else {
        const std::size_t count = archive.readCount();
        archive.requireRemaining(count * MIN_ENTRY_BYTES + TRAILER_BYTES);
        components.reserve(components.size() + count);
        for (std::size_t i = 0; i < count; ++i) {
            components.push_back(archive.readObject());
            components.back()->recordId = issueRecordId();
        }
    }
    persistTrailer(archive);
}

void CKirvoltDoc::persistTrailer(Archive& archive)
{
    archive.exchange(formatMark);
    archive.exchange(ammeterCount);
    archive.exchange(voltageSourceCount);
    archive.exchange(currentSourceCount);
    archive.exchange(jointCount);
    archive.exchange(resistorCount);
    archive.exchange(voltmeterCount);
    archive.exchange(wireCount);
    archive.exchange(spareCount);
    archive.exchange(nextNodeNumber);
    archive.exchange(gridSize);
    archive.exchange(documentStyle);
    archive.exchange(datumNode);
    archive.exchange(nodesValid);
    archive.exchange(nodeCount);
    archive.exchange(currentIndexBase);
    archive.exchange(branchCount);
    if (archive.isLoading()) {
        // Every coordinate is divided by the grid size.
        if (gridSize < MIN_GRID_SIZE || gridSize > MAX_GRID_SIZE) {
            throw FileFormatError();
        }
        // Stored nodes that the stored node count cannot hold, and counts that the records
        // cannot justify, are built again by the next analysis rather than trusted as table
        // indices or sizes.
        if (!storedCountsFitTheRecords()) {
            nodesValid = 0;
        }
        if (!storedNodesFitNodeCount()) {
            nodesValid = 0;
        }
        if (!placeStoredMeters()) {
            nodesValid = 0;
        }
    }
}

// Node extraction gives every node at least one point of a record, and each record has two
// terminals; every numbered element is one record. The counts stay as stored (an edit after
// an analysis leaves them larger than the records, and the file must read back as written);
// with nodesValid clear, every command that reads them builds the nodes first.
bool CKirvoltDoc::storedCountsFitTheRecords() const
{
    const auto records = static_cast<std::int64_t>(components.size());
    const auto branches = std::count_if(components.begin(), components.end(),
                                        [](const auto& record) { return isBranchKind(record->kindCode); });
    return nodeCount >= 0 && nodeCount <= 2 * records && branchCount >= 0 && branchCount <= branches;
}

// Meters stand between terminals three grid steps either side of their place, their start (plus)
// terminal where a voltage source has its own, whatever terminals an older file gave them, and
// an ammeter joins its two terminals into one node. Whether the file's meters already stood so; nodes built otherwise are built again.
bool CKirvoltDoc::placeStoredMeters()
{
    bool fit = true;
    for (const auto& record : components) {
        CComponent& meter = *record;
        if (!isMeterKind(meter.kindCode)) {
            continue;
        }
        const Point start = meter.gridStart;
        const Point finish = meter.gridFinish;
        meter.deriveTerminals(gridSize);
        // A meter whose terminals would stand outside the drawing area is no meter of a drawing.
        if (!liesWithinReach(meter)) {
            throw FileFormatError();
        }
        fit = fit && meter.gridStart == start && meter.gridFinish == finish &&
              (meter.kindCode != KIND_AMMETER || meter.startNode == meter.finishNode);
    }
    return fit;
}

// The datum is not checked: it indexes nothing, and an analysis takes node 1 in place of a
// datum that is no node (a circuit that lost nodes keeps its old datum).
bool CKirvoltDoc::storedNodesFitNodeCount() const
{
    const auto fits = [this](std::int32_t node) { return node >= 0 && node <= nodeCount; };
    return std::all_of(components.begin(), components.end(), [&fits](const auto& record) {
               return fits(record->startNode) && fits(record->finishNode);
           });
}

}  // namespace kirvolt
