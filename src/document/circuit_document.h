#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/codes.h"
#include "document/component.h"
#include "document/display_settings.h"
#include "document/meter_reading.h"
#include "document/results_lines.h"
#include "document/user_port.h"

namespace kirvolt {

class Archive;

// One open circuit: its elements, editing settings, name counters and the tables the
// analysis fills. Tables indexed by node number or branch index start at 1 (index 0 is
// unused or stands for the datum) and grow with the circuit.
class CKirvoltDoc {
public:
    using ComponentList = std::vector<std::unique_ptr<CComponent>>;
    static constexpr int EQUATION_LINES = 6;

    CKirvoltDoc() = default;
    CKirvoltDoc(const CKirvoltDoc&) = delete;
    CKirvoltDoc& operator=(const CKirvoltDoc&) = delete;

    // Appends the record under a record id of its own, clears nodesValid and marks the document
    // modified.
    CComponent* AddComponent(std::unique_ptr<CComponent> record);
    // Clears nodesValid, marks the document modified and destroys the record, whether or not
    // it is in the list.
    void RemoveComponent(CComponent* record);
    // Recomputes logical coordinates from grid coordinates after a zoom or style change; every
    // record takes the resistor style of the display settings.
    void rescaleToGrid();

    // Reads or writes the whole circuit: the component list, then the document trailer.
    void Persist(Archive& archive);

    // Whether k names one of the nodes of the last node building: 1..nodeCount.
    bool isNode(int k) const { return k >= 1 && k <= nodeCount; }

    bool IsModified() const { return modified; }
    void SetModifiedFlag(bool value = true) { modified = value; }

    // Every change of what the circuit is (an element added, taken away, edited or moved, the
    // datum chosen) gives the document a new revision and marks it modified; a change taken
    // back may return to an earlier revision.
    void noteEdit();
    std::uint64_t revision() const { return revisionNumber; }
    void returnToRevision(std::uint64_t earlier) { revisionNumber = earlier; }

    // The numbering tables were filled from the records of this revision. An undo may bring back
    // records the tables no longer describe; whoever reads the tables numbers them again first.
    void noteTablesFilled()
    {
        tablesRevision = revisionNumber;
        tablesFilled = true;
    }
    bool tablesAreCurrent() const { return tablesFilled && tablesRevision == revisionNumber; }

    // A record id never given before in this document.
    std::uint64_t issueRecordId() { return ++lastRecordId; }

    // The results pane's lines and the meters' readings of a successful analysis, and whether
    // the circuit is still the one they were computed for.
    void keepResults(std::vector<ResultsLine> lines, std::vector<MeterReading> readings = {});
    void forgetResults()
    {
        analysisResults.clear();
        meterReadings.clear();
        ++resultsReplaced;
    }
    // Counts the times the results were kept or forgotten, so that what a view works out from
    // the lines (the pane's width) can be kept until they change.
    std::uint64_t resultsReplacements() const { return resultsReplaced; }
    bool resultsAreCurrent() const { return !analysisResults.empty() && resultsRevision == revisionNumber; }
    // The meter's reading while the results are the drawing's, else none.
    const MeterReading* currentReading(const CComponent& meter) const;

    UserPort& port() const { return *userPort; }
    // The port must outlive the document or be replaced before it goes.
    void setPort(UserPort* newPort) { userPort = newPort ? newPort : &silentPort; }
    void showMessage(const std::string& text) const { userPort->showMessage(text, Highlight{}); }
    void UpdateAllViews() const { userPort->updateAllViews(); }

    // The display settings this circuit is shown with; they must outlive the document.
    DisplaySettings& display() const { return *displaySettings; }
    void shareDisplaySettings(DisplaySettings& shared) { displaySettings = &shared; }

    // equationText[node][line], lines 1..6; row 0 and line 0 stay empty.
    std::vector<std::array<std::string, EQUATION_LINES + 1>> equationText;
    // The equations panel of a method whose equations are listed rather than kept by node: its
    // title, then the lines of the listing. Empty while the panel lays out equationText.
    std::vector<std::string> listedEquations;
    std::uint16_t gridSize = 20;
    std::int32_t ammeterCount = 1;
    std::int32_t voltageSourceCount = 1;
    std::int32_t currentSourceCount = 1;
    std::int32_t jointCount = 1;
    std::int32_t resistorCount = 1;
    std::int32_t voltmeterCount = 1;
    std::int32_t wireCount = 1;
    std::int32_t spareCount = 1;
    std::int32_t nextNodeNumber = 0;
    std::int32_t documentStyle = STYLE_EUROPEAN;
    std::int32_t nodesValid = 0;
    std::int32_t datumNode = 0;
    std::int32_t gridStyle = GRID_DOTS;
    std::int32_t mode = MODE_SELECT;
    std::int32_t orientation = ORIENT_EAST;
    std::int32_t nodeCount = 0;
    std::int32_t branchCount = 0;
    std::int32_t currentIndexBase = 0;
    std::vector<std::vector<std::int32_t>> nodeBranches;  // [node]: the branches touching it, ascending
    std::vector<double> branchValues;
    std::vector<std::int32_t> branchKinds;
    std::vector<std::int32_t> nodeMap;
    std::vector<std::string> labels;
    std::vector<std::string> valueTexts;
    std::vector<double> values;
    std::vector<std::int32_t> kinds;
    std::vector<std::int32_t> branchStartNodes;
    std::vector<std::int32_t> branchFinishNodes;
    std::vector<std::int32_t> nodeList;
    ComponentList components;
    std::int32_t printScale = 2;
    std::int32_t equationLineHeight = 0;
    std::int32_t showEquations = 0;
    std::int32_t analysisFailed = 0;
    std::int32_t formatMark = 1;
    // The results pane's lines as the last successful analysis left them; empty when the last
    // analysis was refused or the nodes have been built again since. Not stored in files.
    std::vector<ResultsLine> analysisResults;
    // The readings of the meters in list order, kept and forgotten with those lines.
    std::vector<MeterReading> meterReadings;
    // The name of the method of analysis last chosen for the circuit, empty for the default.
    // Not stored in files.
    std::string analysisMethod;

private:
    void persistTrailer(Archive& archive);
    bool storedNodesFitNodeCount() const;
    bool storedCountsFitTheRecords() const;
    bool placeStoredMeters();

    bool modified = false;
    std::uint64_t revisionNumber = 0;
    std::uint64_t lastRevisionIssued = 0;
    std::uint64_t lastRecordId = 0;
    std::uint64_t resultsRevision = 0;
    std::uint64_t resultsReplaced = 0;
    std::uint64_t tablesRevision = 0;
    bool tablesFilled = false;
    SilentPort silentPort;
    UserPort* userPort = &silentPort;
    DisplaySettings ownDisplaySettings;
    DisplaySettings* displaySettings = &ownDisplaySettings;
};

}  // namespace kirvolt
