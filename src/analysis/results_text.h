#pragma once

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

}  // namespace kirvolt
