#include "document/change_history.h"

#include <algorithm>
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

// The list with the records at the places in out taken away, the changed records replacing
// those with their ids, and the records of in put at their places.
void replaceRecords(CKirvoltDoc::ComponentList& list, const std::vector<PlacedRecord>& out,
                    const std::vector<PlacedRecord>& in, const std::vector<std::unique_ptr<CComponent>>& changed)
{
    CKirvoltDoc::ComponentList kept;
    kept.reserve(list.size());
    std::size_t next = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (next < out.size() && out[next].index == i) {
            if (list[i]->recordId != out[next].record->recordId) {
                throw std::logic_error("a change meets a list it was not made for");
            }
            ++next;
        } else {
            kept.push_back(std::move(list[i]));
        }
    }
    if (next != out.size()) {
        throw std::logic_error("a change meets a list it was not made for");
    }
    // The changed records come in list order, so a walk finds them; should one be missed, they
    // are found by id (replacing a record twice with the same copy does no harm).
    std::size_t walked = 0;
    for (auto& record : kept) {
        if (walked < changed.size() && record->recordId == changed[walked]->recordId) {
            record = cloneRecord(*changed[walked++]);
        }
    }
    if (walked < changed.size()) {
        std::unordered_map<std::uint64_t, const CComponent*> replacements;
        for (const auto& record : changed) {
            replacements.emplace(record->recordId, record.get());
        }
        for (auto& record : kept) {
            if (const auto found = replacements.find(record->recordId); found != replacements.end()) {
                record = cloneRecord(*found->second);
            }
        }
    }
    CKirvoltDoc::ComponentList result;
    result.reserve(kept.size() + in.size());
    std::size_t keptNext = 0;
    std::size_t inNext = 0;
    while (result.size() < kept.size() + in.size()) {
        if (inNext < in.size() && in[inNext].index == result.size()) {
            result.push_back(cloneRecord(*in[inNext++].record));
        } else if (keptNext < kept.size()) {
            result.push_back(std::move(kept[keptNext++]));
        } else {
            throw std::logic_error("a change meets a list it was not made for");
        }
    }
    list = std::move(result);
}

using IndexById = std::unordered_map<std::uint64_t, std::size_t>;

IndexById indexById(const CKirvoltDoc::ComponentList& list)
{
    IndexById found;
    found.reserve(list.size());
    for (std::size_t i = 0; i < list.size(); ++i) {
        found.emplace(list[i]->recordId, i);
    }
    return found;
}

PlacedRecord placedCopy(const CKirvoltDoc::ComponentList& list, std::size_t index)
{
    return {index, cloneRecord(*list[index])};
}

bool byIndex(const PlacedRecord& a, const PlacedRecord& b)
{
    return a.index < b.index;
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
    return takenOut.empty() && putIn.empty() && changedAfter.empty() && countersBefore.sameStoredState(countersAfter);
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

// Edits keep the order of the records they leave in the list. Should the order differ, the
// records from the first difference on are taken out and put in again.
ListChange ChangeHistory::changeSinceBaseline(CKirvoltDoc& doc) const
{
    numberRecords(doc);
    const CKirvoltDoc::ComponentList& now = doc.components;
    ListChange change;
    change.countersBefore = baselineCounters;
    change.countersAfter = countersOf(doc);
    // Most edits, and every analysis, leave the same records in the same order: then only the
    // changed ones are looked for, without finding each record's place.
    const bool sameRecords = now.size() == baseline.size() &&
                             std::equal(now.begin(), now.end(), baseline.begin(),
                                        [](const auto& a, const auto& b) { return a->recordId == b->recordId; });
    if (sameRecords) {
        for (std::size_t i = 0; i < now.size(); ++i) {
            if (!identicalRecords(*baseline[i], *now[i])) {
                change.changedBefore.push_back(cloneRecord(*baseline[i]));
                change.changedAfter.push_back(cloneRecord(*now[i]));
            }
        }
        return change;
    }
    const IndexById nowIndex = indexById(now);
    const IndexById beforeIndex = indexById(baseline);
    std::vector<std::size_t> keptBefore;
    std::vector<std::size_t> keptNow;
    for (std::size_t i = 0; i < baseline.size(); ++i) {
        if (nowIndex.contains(baseline[i]->recordId)) {
            keptBefore.push_back(i);
        } else {
            change.takenOut.push_back(placedCopy(baseline, i));
        }
    }
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (beforeIndex.contains(now[i]->recordId)) {
            keptNow.push_back(i);
        } else {
            change.putIn.push_back(placedCopy(now, i));
        }
    }
    std::size_t inOrder = 0;
    while (inOrder < keptBefore.size() &&
           baseline[keptBefore[inOrder]]->recordId == now[keptNow[inOrder]]->recordId) {
        ++inOrder;
    }
    if (inOrder < keptBefore.size()) {
        for (std::size_t k = inOrder; k < keptBefore.size(); ++k) {
            change.takenOut.push_back(placedCopy(baseline, keptBefore[k]));
            change.putIn.push_back(placedCopy(now, keptNow[k]));
        }
        std::ranges::sort(change.takenOut, byIndex);
        std::ranges::sort(change.putIn, byIndex);
    }
    for (std::size_t k = 0; k < inOrder; ++k) {
        const CComponent& before = *baseline[keptBefore[k]];
        const CComponent& after = *now[keptNow[k]];
        if (!identicalRecords(before, after)) {
            change.changedBefore.push_back(cloneRecord(before));
            change.changedAfter.push_back(cloneRecord(after));
        }
    }
    return change;
}

// The document and the baseline, equal before, are both brought to the state before the
// change, records exactly as they were taken, whatever the zoom then.
void ChangeHistory::takeBack(CKirvoltDoc& doc, const ListChange& change)
{
    replaceRecords(doc.components, change.putIn, change.takenOut, change.changedBefore);
    replaceRecords(baseline, change.putIn, change.takenOut, change.changedBefore);
    restoreCounters(doc, change.countersBefore);
}

void ChangeHistory::bringBack(CKirvoltDoc& doc, const ListChange& change)
{
    replaceRecords(doc.components, change.takenOut, change.putIn, change.changedAfter);
    replaceRecords(baseline, change.takenOut, change.putIn, change.changedAfter);
    restoreCounters(doc, change.countersAfter);
}

// The state given back was taken at the zoom and resistor style of takenAt. Shown at other
// ones, its records take the present ones; that rescaling is left out of the baseline, so that
// the next settle folds it in as what followed the undo or redo, and a redo or undo after it
// starts from the records exactly as they were taken.
void ChangeHistory::showAtPresentZoom(CKirvoltDoc& doc, const DocumentCounters& takenAt)
{
    baselineCounters = takenAt;
    if (takenAt.gridSize != doc.gridSize || takenAt.resistorStyle != doc.display().resistorStyle) {
        doc.rescaleToGrid();
    }
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
        replaceRecords(baseline, drift.takenOut, drift.putIn, drift.changedAfter);
        baselineCounters = drift.countersAfter;
        partsBefore(position).push_back(std::move(drift));
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
    replaceRecords(baseline, change.takenOut, change.putIn, change.changedAfter);
    baselineCounters = change.countersAfter;
    steps.resize(position);
    Step step{name, {}, partsBefore(position).size()};
    step.parts.push_back(std::move(change));
    steps.push_back(std::move(step));
    ++position;
    if (stepAdded) {
        stepAdded();
    }
    return true;
}

bool ChangeHistory::amend(CKirvoltDoc& doc)
{
    if (!started || position == 0 || position != steps.size()) {
        return false;
    }
    ListChange change = changeSinceBaseline(doc);
    if (!change.empty()) {
        replaceRecords(baseline, change.takenOut, change.putIn, change.changedAfter);
        baselineCounters = change.countersAfter;
        steps[position - 1].parts.push_back(std::move(change));
    }
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
        takeBack(doc, *part);
    }
    showAtPresentZoom(doc, parts.front().countersBefore);
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
        takeBack(doc, before.back());
        before.pop_back();
    }
    for (const ListChange& part : steps[position].parts) {
        bringBack(doc, part);
    }
    showAtPresentZoom(doc, steps[position].parts.back().countersAfter);
    ++position;
}

}  // namespace kirvolt
