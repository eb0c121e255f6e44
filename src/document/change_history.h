#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/circuit_document.h"

namespace kirvolt {

// What a change moves besides the component list: the name counters, the node building's
// bookkeeping and the datum (all stored in files), and the revision. The grid step and the
// resistor style the records were taken at are kept to rescale them, never restored: zoom and
// style are no edits.
struct DocumentCounters {
    std::int32_t ammeterCount = 0;
    std::int32_t voltageSourceCount = 0;
    std::int32_t currentSourceCount = 0;
    std::int32_t jointCount = 0;
    std::int32_t resistorCount = 0;
    std::int32_t voltmeterCount = 0;
    std::int32_t wireCount = 0;
    std::int32_t spareCount = 0;
    std::int32_t nextNodeNumber = 0;
    std::int32_t datumNode = 0;
    std::int32_t nodesValid = 0;
    std::int32_t nodeCount = 0;
    std::int32_t currentIndexBase = 0;
    std::int32_t branchCount = 0;
    std::uint64_t revision = 0;
    int gridSize = 0;
    int resistorStyle = 0;

    bool sameStoredState(const DocumentCounters& other) const;
};

// A record and its place in the component list.
struct PlacedRecord {
    std::size_t index = 0;
    std::unique_ptr<CComponent> record;
};

// One change of a circuit: the records it takes out (with their places in the list before),
// those it puts in (with their places after), the records it changes (as they were and as they
// are), and the counters before and after. Records are known by their record ids.
struct ListChange {
    std::vector<PlacedRecord> takenOut;
    std::vector<PlacedRecord> putIn;
    std::vector<std::unique_ptr<CComponent>> changedBefore;
    std::vector<std::unique_ptr<CComponent>> changedAfter;
    DocumentCounters countersBefore;
    DocumentCounters countersAfter;

    bool empty() const;
};

// The undo history of one circuit. Every edit becomes one step: what the document holds after
// the edit compared with what it held before. What happens between edits and is no edit (an
// analysis building its nodes and writing results, the tutor, zooming) joins the step before it,
// so that undoing the next edit returns to exactly that state, undoing that step takes it back
// too, and redoing it brings it back. A step redone starts from the state it was made in: what
// happened after it was undone is taken back first.
class ChangeHistory {
public:
    // Forgets every step: the document as it is now is where undoing stops.
    void restart(CKirvoltDoc& doc);

    // Before an edit starts: folds what happened since the last step into it.
    void settle(CKirvoltDoc& doc);

    // After an edit: what changed since settle becomes a step with the name (such as "Place R3")
    // and the listener hears of it. False, and no step, when nothing changed.
    bool commit(CKirvoltDoc& doc, const std::string& name);

    // After an edit that carries on the last step (the same value turned further): what changed
    // since settle joins that step under its name, and no listener hears of it. False, with
    // nothing joined, when the last step is not the newest one done.
    bool amend(CKirvoltDoc& doc);

    // Told of every step committed, after it has become the one to undo.
    void setStepListener(std::function<void()> listener) { stepAdded = std::move(listener); }

    bool canUndo() const { return position > 0; }
    bool canRedo() const { return position < steps.size(); }
    const std::string& undoName() const { return steps[position - 1].name; }
    const std::string& redoName() const { return steps[position].name; }
    std::size_t stepCount() const { return steps.size(); }
    std::size_t stepsDone() const { return position; }

    void undo(CKirvoltDoc& doc);
    void redo(CKirvoltDoc& doc);

private:
    struct Step {
        std::string name;
        std::vector<ListChange> parts;  // the edit, then what followed it before the next edit
        std::size_t basePartCount = 0;  // how many parts the step before had when this one was made
    };

    ListChange changeSinceBaseline(CKirvoltDoc& doc) const;
    void takeBaseline(const CKirvoltDoc& doc);
    void takeBack(CKirvoltDoc& doc, const ListChange& change);
    void bringBack(CKirvoltDoc& doc, const ListChange& change);
    void showAtPresentZoom(CKirvoltDoc& doc, const DocumentCounters& takenAt);
    // What follows step - 1 (for step 0, what happened before the first step).
    std::vector<ListChange>& partsBefore(std::size_t step);

    std::vector<Step> steps;
    std::vector<ListChange> startParts;
    std::size_t position = 0;  // steps[0..position) are done
    // A copy of the list as the last step or settle left it, to find what an edit changed.
    CKirvoltDoc::ComponentList baseline;
    DocumentCounters baselineCounters;
    bool started = false;
    std::function<void()> stepAdded;
};

}  // namespace kirvolt
