#include "analysis/stored_results.h"

#include <algorithm>
#include <cmath>

#include "analysis/meter_readings.h"
#include "analysis/nodal_solver.h"
#include "analysis/results_text.h"
#include "document/circuit_file.h"

namespace kirvolt {
namespace {

// Results written by another build of the program may differ in the last digits.
bool sameNumber(double stored, double solved)
{
    return std::abs(stored - solved) <= 1e-9 * std::max(std::abs(stored), std::abs(solved)) + 1e-12;
}

bool sameResults(const CComponent& stored, const CComponent& solved)
{
    return stored.kindCode == solved.kindCode && stored.startNode == solved.startNode &&
           stored.finishNode == solved.finishNode && sameNumber(stored.startVoltage, solved.startVoltage) &&
           sameNumber(stored.finishVoltage, solved.finishVoltage) && sameNumber(stored.pd, solved.pd) &&
           sameNumber(stored.current, solved.current);
}

}  // namespace

void adoptStoredResults(CKirvoltDoc& doc)
{
    doc.forgetResults();
    if (doc.nodesValid != 1 || doc.components.empty()) {
        return;
    }
    CKirvoltDoc copy;
    if (!readCircuitBytes(circuitBytes(doc), copy).ok || !runNodalAnalysis(copy)) {
        return;
    }
    const bool same = copy.components.size() == doc.components.size() &&
                      std::equal(doc.components.begin(), doc.components.end(), copy.components.begin(),
                                 [](const auto& stored, const auto& solved) { return sameResults(*stored, *solved); });
    if (same) {
        std::vector<MeterReading> readings = readMeters(doc);
        std::vector<ResultsLine> lines = buildResultsText(doc, readings);
        doc.keepResults(std::move(lines), std::move(readings));
    }
}

}  // namespace kirvolt
