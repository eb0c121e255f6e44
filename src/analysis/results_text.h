#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "document/circuit_document.h"
#include "document/meter_reading.h"
#include "document/results_lines.h"

namespace kirvolt {

// The lines of the results pane from the records of the last analysis: the title, then (once
// node extraction has made joints) the node voltages and the p.d. and current of every
// resistor, current source and voltage source, then what each meter reads (ammeters, then
// voltmeters). Names in each block are sorted byte-wise.
std::vector<ResultsLine> buildResultsText(const CKirvoltDoc& doc);
// The same with the meters' readings given.
std::vector<ResultsLine> buildResultsText(const CKirvoltDoc& doc, const std::vector<MeterReading>& readings);

// A meter's line: "Am1 reads 2.00 mA.", "Vm1 reads -5.00 V.", or why it cannot read.
std::string meterReadingText(const MeterReading& reading);

// What the results pane shows: the lines kept from the last successful analysis, or the
// title alone while there is none (before any analysis, after a refused one, and after the
// nodes were built again), so that it never shows numbers from two states of the circuit.
// Once the circuit has changed since that analysis the kept lines are greyed, and staleNotice
// (when given) stands below the title, so that nobody takes them for the drawing's.
std::vector<ResultsLine> resultsPaneLines(const CKirvoltDoc& doc, const std::string& staleNotice = {});

// The same lines read one at a time from the document's kept lines, never copying them all:
// the pane of a large circuit holds thousands, of which it shows a few dozen. Valid while the
// document's lines and revision stay as they were.
class ResultsPaneLines {
public:
    ResultsPaneLines(const CKirvoltDoc& doc, std::string staleNotice);

    std::size_t size() const;
    ResultsLine operator[](std::size_t i) const;
    // The lines whose y lies between top and bottom (both included), in order.
    std::vector<ResultsLine> between(int top, int bottom) const;
    // The notice line while the lines are greyed, else none; it stands at index 1.
    const ResultsLine* notice() const { return hasNotice ? &noticeLine : nullptr; }

private:
    // Where line i of the pane stands among the kept lines; the notice and the title of an
    // empty pane stand among none.
    std::size_t keptIndex(std::size_t i) const;
    int yOf(std::size_t i) const;

    const std::vector<ResultsLine>& kept;
    enum class Shown { titleOnly, current, stale } shown;
    bool hasNotice = false;
    ResultsLine noticeLine;
};

}  // namespace kirvolt
