#include "document/change_history.h"

#include <stdexcept>
#include <unordered_map>

namespace kirvolt {
namespace {

DocumentCounters countersOf(const CKirvoltDoc& doc)
{
    return {doc.ammeterCount,     doc.voltageSourceCount, doc.currentSourceCount, doc.jointCount,
            doc.resistorCount,    doc.voltmeterCount,     doc.wireCount,          doc.spareCount,
            doc.nextNodeNumber,   doc.datumNode,          doc.nodesValid,         doc.nodeCount,
            doc.currentIndexBase, doc.branchCount,        doc.revision(),         doc.gridSize,
            doc.display().resistorStyle};
}

void restoreCounters(CKirvoltDoc& doc, const DocumentCounters& c)
{
    doc.ammeterCount = c.ammeterCount;
    doc.voltageSourceCount = c.voltageSourceCount;
    doc.currentSourceCount = c.currentSourceCount;
    doc.jointCount = c.jointCount;
    doc.resistorCount = c.resistorCount;
    doc.voltmeterCount = c.voltmeterCount;
    doc.wireCount = c.wireCount;
    doc.spareCount = c.spareCount;
    doc.nextNodeNumber = c.nextNodeNumber;
    doc.datumNode = c.datumNode;
    doc.nodesValid = c.nodesValid;
    doc.nodeCount = c.nodeCount;
    doc.currentIndexBase = c.currentIndexBase;
    doc.branchCount = c.branchCount;
    doc.returnToRevision(c.revision);
}

std::vector<std::uint64_t> orderOf(const CKirvoltDoc::ComponentList& list)
{
    std::vector<std::uint64_t> order;
    order.reserve(list.size());
    for (const auto& record : list) {
        order.push_back(record->recordId);
    }
    return order;
}

using RecordsById = std::unordered_map<std::uint64_t, const CComponent*>;

RecordsById byId(const CKirvoltDoc::ComponentList& list)
{
    RecordsById found;
    found.reserve(list.size());
    for (const auto& record : list) {
        found.emplace(record->recordId, record.get());
    }
    return found;
}

// The list in the given order: stored records where the change kept them, the records of the
// list itself for every other id.
void rebuild(CKirvoltDoc::ComponentList& list, const std::vector<std::uint64_t>& order,
             const std::vector<std::unique_ptr<CComponent>>& stored)
{
    std::unordered_map<std::uint64_t, const CComponent*> keep;
    for (const auto& record : stored) {
        keep.emplace(record->recordId, record.get());
    }
    std::unordered_map<std::uint64_t, std::unique_ptr<CComponent>> live;
    for (auto& record : list) {
        live.emplace(record->recordId, std::move(record));
    }
    CKirvoltDoc::ComponentList rebuilt;
    rebuilt.reserve(order.size());
    for (const std::uint64_t id : order) {
        if (const auto kept = keep.find(id); kept != keep.end()) {
            rebuilt.push_back(cloneRecord(*kept->second));
        } else if (auto present = live.find(id); present != live.end() && present->second) {
            rebuilt.push_back(std::move(present->second));
        } else {
            throw std::logic_error("a change meets a list it was not made for");
        }
    }
    list = std::move(rebuilt);
}

// Records taken at another zoom or in another resistor style are brought to the present ones.
void apply(CKirvoltDoc& doc, const std::vector<std::uint64_t>& order,
           const std::vector<std::unique_ptr<CComponent>>& stored, const DocumentCounters& counters)
{
    rebuild(doc.components, order, stored);
    restoreCounters(doc, counters);
    if (counters.gridSize != doc.gridSize || counters.resistorStyle != doc.display().resistorStyle) {
        doc.rescaleToGrid();
    }
}

void numberRecords(CKirvoltDoc& doc)
{
    for (const auto& record : doc.components) {
        if (record->recordId == 0) {
            record->recordId = doc.issueRecordId();
        }
    }
}

}  // namespace

bool DocumentCounters::sameStoredState(const DocumentCounters& o) const
{
    return ammeterCount == o.ammeterCount && voltageSourceCount == o.voltageSourceCount &&
           currentSourceCount == o.currentSourceCount && jointCount == o.jointCount &&
           resistorCount == o.resistorCount && voltmeterCount == o.voltmeterCount && wireCount == o.wireCount &&
           spareCount == o.spareCount && nextNodeNumber == o.nextNodeNumber && datumNode == o.datumNode &&
           nodesValid == o.nodesValid && nodeCount == o.nodeCount && currentIndexBase == o.currentIndexBase &&
           branchCount == o.branchCount && revision == o.revision;
}

bool ListChange::empty() const
{
    return recordsBefore.empty() && recordsAfter.empty() && orderBefore == orderAfter &&
           countersBefore.sameStoredState(countersAfter);
}

void ChangeHistory::restart(CKirvoltDoc& doc)
{
    steps.clear();
    startParts.clear();
    position = 0;
    numberRecords(doc);
    takeBaseline(doc);
    started = true;
}

void ChangeHistory::takeBaseline(const CKirvoltDoc& doc)
{
    baseline.clear();
    baseline.reserve(doc.components.size());
    for (const auto& record : doc.components) {
        baseline.push_back(cloneRecord(*record));
    }
    baselineCounters = countersOf(doc);
}

ListChange ChangeHistory::changeSinceBaseline(CKirvoltDoc& doc) const
{
    numberRecords(doc);
    ListChange change;
    change.orderBefore = orderOf(baseline);
    change.orderAfter = orderOf(doc.components);
    change.countersBefore = baselineCounters;
    change.countersAfter = countersOf(doc);
    const RecordsById now = byId(doc.components);
    const RecordsById before = byId(baseline);
    for (const auto& old : baseline) {
        const auto present = now.find(old->recordId);
        if (present == now.end() || !identicalRecords(*old, *present->second)) {
            change.recordsBefore.push_back(cloneRecord(*old));
        }
    }
    for (const auto& record : doc.components) {
        const auto was = before.find(record->recordId);
        if (was == before.end() || !identicalRecords(*was->second, *record)) {
            change.recordsAfter.push_back(cloneRecord(*record));
        }
    }
    return change;
}

std::vector<ListChange>& ChangeHistory::partsBefore(std::size_t step)
{
    return step == 0 ? startParts : steps[step - 1].parts;
}

void ChangeHistory::settle(CKirvoltDoc& doc)
{
    if (!started) {
        restart(doc);
        return;
    }
    ListChange drift = changeSinceBaseline(doc);
    if (!drift.empty()) {
        partsBefore(position).push_back(std::move(drift));
        takeBaseline(doc);
    }
}

bool ChangeHistory::commit(CKirvoltDoc& doc, const std::string& name)
{
    if (!started) {
        restart(doc);
        return false;
    }
    ListChange change = changeSinceBaseline(doc);
    if (change.empty()) {
        return false;
    }
    steps.resize(position);
    Step step{name, {}, partsBefore(position).size()};
    step.parts.push_back(std::move(change));
    steps.push_back(std::move(step));
    ++position;
    takeBaseline(doc);
    return true;
}

void ChangeHistory::undo(CKirvoltDoc& doc)
{
    settle(doc);
    if (!canUndo()) {
        return;
    }
    --position;
    const std::vector<ListChange>& parts = steps[position].parts;
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        apply(doc, part->orderBefore, part->recordsBefore, part->countersBefore);
    }
    takeBaseline(doc);
}

void ChangeHistory::redo(CKirvoltDoc& doc)
{
    settle(doc);
    if (!canRedo()) {
        return;
    }
    // The step starts from the state in which it was made: what happened after it was undone
    // is taken back and forgotten.
    std::vector<ListChange>& before = partsBefore(position);
    while (before.size() > steps[position].basePartCount) {
        const ListChange& later = before.back();
        apply(doc, later.orderBefore, later.recordsBefore, later.countersBefore);
        before.pop_back();
    }
    for (const ListChange& part : steps[position].parts) {
        apply(doc, part.orderAfter, part.recordsAfter, part.countersAfter);
    }
    ++position;
    takeBaseline(doc);
}

}  // namespace kirvolt
