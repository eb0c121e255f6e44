#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "document/circuit_file.h"
#include "support/circuit_builder.h"
#include "support/kvt_encoder.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

using testing::KvtEncoder;
using testing::StoredRecord;
using testing::StoredTrailer;

const char* const UNEXPECTED = "Unexpected file format.";

class CircuitFileReading : public ::testing::Test {
protected:
};

// A record whose every field differs from its neighbours' and from zero.
StoredRecord distinctRecord(int seed, std::uint16_t kind)
{
    StoredRecord r;
    r.arrowDirection = seed % 5;
    r.datumMark = seed % 2;
    r.current = seed + 0.25;
    r.pd = -1.5 * seed;
    r.startVoltage = seed / 3.0;
    r.finishVoltage = -1e-9 * seed;
    r.startNode = seed;
    r.finishNode = seed + 1;
    r.colour = 0x00A0B0C0u + static_cast<std::uint32_t>(seed);
    r.startPoint[0] = 10 * seed;
    r.startPoint[1] = -20 * seed;
    r.finishPoint[0] = 30 * seed;
    r.finishPoint[1] = 40 * seed;
    r.hitRect[0] = seed - 1;
    r.hitRect[1] = seed - 2;
    r.hitRect[2] = seed + 3;
    r.hitRect[3] = seed + 4;
    r.name = "N" + std::to_string(seed);
    r.label = "L" + std::to_string(seed);
    r.value = 1000.5 * seed;
    r.displayState = 501 + seed % 2;
    r.orientation = seed % 4;
    r.connectorFlag = 1 - seed % 2;
    r.resistorStyle = 301 + seed % 2;
    r.kindCode = kind;
    r.position[0] = 7 * seed;
    r.position[1] = 8 * seed;
    r.gridPosition[0] = seed;
    r.gridPosition[1] = -seed;
    r.gridStart[0] = 2 * seed;
    r.gridStart[1] = 3 * seed;
    r.gridFinish[0] = 4 * seed;
    r.gridFinish[1] = 5 * seed;
    return r;
}

void expectStored(const CComponent& c, const StoredRecord& r, const std::string& label)
{
    SCOPED_TRACE(r.name);
    EXPECT_EQ(c.branchIndex, 0);
    EXPECT_EQ(c.arrowDirection, r.arrowDirection);
    EXPECT_EQ(c.datumMark, r.datumMark);
    EXPECT_EQ(c.current, r.current);
    EXPECT_EQ(c.pd, r.pd);
    EXPECT_EQ(c.startVoltage, r.startVoltage);
    EXPECT_EQ(c.finishVoltage, r.finishVoltage);
    EXPECT_EQ(c.startNode, r.startNode);
    EXPECT_EQ(c.finishNode, r.finishNode);
    EXPECT_EQ(c.colour, r.colour);
    EXPECT_EQ(c.startPoint, (Point{r.startPoint[0], r.startPoint[1]}));
    EXPECT_EQ(c.finishPoint, (Point{r.finishPoint[0], r.finishPoint[1]}));
    EXPECT_EQ(c.hitRect, (Rect{r.hitRect[0], r.hitRect[1], r.hitRect[2], r.hitRect[3]}));
    EXPECT_EQ(c.name, r.name);
    EXPECT_EQ(c.label, label);
    EXPECT_EQ(c.value, r.value);
    EXPECT_EQ(c.displayState, r.displayState);
    EXPECT_EQ(c.orientation, r.orientation);
    EXPECT_EQ(c.connectorFlag, r.connectorFlag);
    EXPECT_EQ(c.resistorStyle, r.resistorStyle);
    EXPECT_EQ(c.kindCode, r.kindCode);
    EXPECT_EQ(c.position, (Point{r.position[0], r.position[1]}));
    EXPECT_EQ(c.gridPosition, (Point{r.gridPosition[0], r.gridPosition[1]}));
    EXPECT_EQ(c.gridStart, (Point{r.gridStart[0], r.gridStart[1]}));
    EXPECT_EQ(c.gridFinish, (Point{r.gridFinish[0], r.gridFinish[1]}));
}

// Meters stand between the terminals a voltage source at their place would have (start, the
// plus side, ahead), and an ammeter joins its two terminals into one node; a file whose meters
// do not is read otherwise.
StoredRecord distinctMeter(int seed, std::uint16_t kind, int g)
{
    StoredRecord r = distinctRecord(seed, kind);
    const int x = r.position[0];
    const int y = r.position[1];
    const Point behind[] = {{x - 3 * g, y}, {x, y + 3 * g}, {x + 3 * g, y}, {x, y - 3 * g}};
    const Point ahead[] = {{x + 3 * g, y}, {x, y - 3 * g}, {x - 3 * g, y}, {x, y + 3 * g}};
    const Point start = ahead[r.orientation];
    const Point finish = behind[r.orientation];
    r.startPoint[0] = start.x;
    r.startPoint[1] = start.y;
    r.finishPoint[0] = finish.x;
    r.finishPoint[1] = finish.y;
    r.gridStart[0] = start.x / g;
    r.gridStart[1] = start.y / g;
    r.gridFinish[0] = finish.x / g;
    r.gridFinish[1] = finish.y / g;
    if (kind == KIND_AMMETER) {
        r.finishNode = r.startNode;
    }
    return r;
}

StoredTrailer distinctTrailer()
{
    StoredTrailer t;
    t.formatMark = 1;
    t.ammeterCount = 2;
    t.voltageSourceCount = 3;
    t.currentSourceCount = 4;
    t.jointCount = 5;
    t.resistorCount = 6;
    t.voltmeterCount = 7;
    t.wireCount = 8;
    t.spareCount = 9;
    t.nextNodeNumber = 10;
    t.gridSize = 30;
    t.documentStyle = 301;
    t.datumNode = 11;
    t.nodesValid = 1;
    t.nodeCount = 17;  // no more than the nine records' terminals
    t.currentIndexBase = 12;
    t.branchCount = 7;  // every record but the joint and the wire
    return t;
}

struct IndependentFile {
    std::vector<std::uint8_t> bytes;
    std::vector<std::pair<std::string, StoredRecord>> records;  // class name and fields
};

// Every class of the format, written by the test's own encoder; class indices are
// counted by hand: CVoltageSource 1, CNode 3, CWire 6, CComponent 8, CAmmeter 10,
// CVoltmeter 12, CCurrentSource 14, CResistor 16.
IndependentFile independentFile(bool wideLabel)
{
    IndependentFile file;
    file.records = {
        {"CVoltageSource", distinctRecord(1, KIND_VOLTAGE_SOURCE)},
        {"CNode", distinctRecord(2, KIND_JOINT)},
        {"CVoltageSource", distinctRecord(3, KIND_VOLTAGE_SOURCE)},
        {"CWire", distinctRecord(4, KIND_WIRE_TURN_HV)},
        {"CComponent", distinctMeter(5, KIND_VOLTMETER, distinctTrailer().gridSize)},
        {"CAmmeter", distinctMeter(6, KIND_AMMETER, distinctTrailer().gridSize)},
        {"CVoltmeter", distinctMeter(7, KIND_VOLTMETER, distinctTrailer().gridSize)},
        {"CCurrentSource", distinctRecord(8, KIND_CURRENT_SOURCE)},
        {"CResistor", distinctRecord(9, KIND_RESISTOR)},
    };
    file.records[7].second.current = file.records[7].second.value;  // a current source drives its value
    file.records[2].second.name = std::string(300, 'n');  // 16-bit length form
    file.records[2].second.label = "R\xE9sistance";       // a byte above 127
    if (wideLabel) {
        file.records[1].second.wideLabel = u"\u00C5\u4E2D";
        file.records[1].second.label = "\xC5?";
    }
    KvtEncoder encoder;
    encoder.count(static_cast<std::uint32_t>(file.records.size()));
    encoder.newClass("CVoltageSource").record(file.records[0].second);
    encoder.newClass("CNode").record(file.records[1].second);
    encoder.classTag(1).record(file.records[2].second);
    for (std::size_t i = 3; i < file.records.size(); ++i) {
        encoder.newClass(file.records[i].first).record(file.records[i].second);
    }
    file.bytes = encoder.trailer(distinctTrailer()).bytes();
    return file;
}

TEST_F(CircuitFileReading, FileFromAnIndependentWriterLoadsWithEveryField)
{
    const IndependentFile file = independentFile(true);
    CKirvoltDoc doc;
    const FileResult result = readCircuitBytes(file.bytes, doc);
    ASSERT_TRUE(result.ok) << result.message;
    EXPECT_EQ(result.message, "");
    EXPECT_FALSE(doc.IsModified());
    ASSERT_EQ(doc.components.size(), file.records.size());
    for (std::size_t i = 0; i < file.records.size(); ++i) {
        const auto& [className, stored] = file.records[i];
        EXPECT_EQ(doc.components[i]->className(), className);
        expectStored(*doc.components[i], stored, stored.label);
    }
    const StoredTrailer t = distinctTrailer();
    EXPECT_EQ(doc.formatMark, t.formatMark);
    EXPECT_EQ(doc.ammeterCount, t.ammeterCount);
    EXPECT_EQ(doc.voltageSourceCount, t.voltageSourceCount);
    EXPECT_EQ(doc.currentSourceCount, t.currentSourceCount);
    EXPECT_EQ(doc.jointCount, t.jointCount);
    EXPECT_EQ(doc.resistorCount, t.resistorCount);
    EXPECT_EQ(doc.voltmeterCount, t.voltmeterCount);
    EXPECT_EQ(doc.wireCount, t.wireCount);
    EXPECT_EQ(doc.spareCount, t.spareCount);
    EXPECT_EQ(doc.nextNodeNumber, t.nextNodeNumber);
    EXPECT_EQ(doc.gridSize, t.gridSize);
    EXPECT_EQ(doc.documentStyle, t.documentStyle);
    EXPECT_EQ(doc.datumNode, t.datumNode);
    EXPECT_EQ(doc.nodesValid, t.nodesValid);
    EXPECT_EQ(doc.nodeCount, t.nodeCount);
    EXPECT_EQ(doc.currentIndexBase, t.currentIndexBase);
    EXPECT_EQ(doc.branchCount, t.branchCount);
    // Settings that files do not carry keep their construction values.
    EXPECT_EQ(doc.gridStyle, GRID_DOTS);
    EXPECT_EQ(doc.mode, MODE_SELECT);
    EXPECT_EQ(doc.printScale, 2);
}

// Meters of a file whose terminals lie elsewhere, and an ammeter between two nodes, are read
// as a voltage source at their place would stand, and the nodes are built again.
TEST_F(CircuitFileReading, MetersAreReadBetweenTheTerminalsOfTheirPlace)
{
    const int g = distinctTrailer().gridSize;
    for (const std::uint16_t kind : {KIND_AMMETER, KIND_VOLTMETER}) {
        const StoredRecord placed = distinctMeter(6, kind, g);
        StoredRecord stored = placed;
        stored.gridStart[0] += 1;
        stored.finishNode = stored.startNode + 1;
        KvtEncoder encoder;
        encoder.count(1);
        encoder.newClass(kind == KIND_AMMETER ? "CAmmeter" : "CVoltmeter").record(stored);
        CKirvoltDoc doc;
        ASSERT_TRUE(readCircuitBytes(encoder.trailer(distinctTrailer()).bytes(), doc).ok);
        EXPECT_EQ(doc.components[0]->gridStart, (Point{placed.gridStart[0], placed.gridStart[1]})) << kind;
        EXPECT_EQ(doc.components[0]->finishPoint, (Point{placed.finishPoint[0], placed.finishPoint[1]})) << kind;
        EXPECT_EQ(doc.nodesValid, 0) << kind;
    }
}

TEST_F(CircuitFileReading, ResavingAnIndependentFileGivesItsBytesBack)
{
    const IndependentFile file = independentFile(false);
    CKirvoltDoc doc;
    ASSERT_TRUE(readCircuitBytes(file.bytes, doc).ok);
    EXPECT_EQ(circuitBytes(doc), file.bytes);
}

void buildEveryKind(CKirvoltDoc& doc)
{
    testing::CircuitBuilder build(doc);
    build.joint(1, 1);
    build.resistor(5, 5, ORIENT_WEST, 470);
    build.voltageSource(5, 12, ORIENT_SOUTH, -5);
    build.currentSource(12, 5, ORIENT_NORTH, 0.002);
    doc.AddComponent(std::make_unique<CVoltmeter>(1, Point{300, 300}, ORIENT_EAST, COLOUR_METER, DISPLAY_PLACED, 20, STYLE_EUROPEAN));
    doc.AddComponent(std::make_unique<CAmmeter>(1, Point{400, 300}, ORIENT_EAST, COLOUR_METER, DISPLAY_GHOST, 20, STYLE_EUROPEAN));
    doc.AddComponent(std::make_unique<CWire>(3, Point{40, 40}, Point{100, 80}, COLOUR_WIRE, KIND_WIRE_TURN_HV, 20, STYLE_EUROPEAN));
    doc.AddComponent(std::make_unique<CWire>(4, Point{40, 40}, Point{100, 80}, COLOUR_WIRE, KIND_WIRE_TURN_VH, 20, STYLE_EUROPEAN));
    build.wire(-3, -2, -3, 7);
}

void buildStrings(CKirvoltDoc& doc)
{
    testing::CircuitBuilder build(doc);
    build.resistor(5, 5, ORIENT_EAST, 1).label = std::string(254, 'a');
    build.resistor(5, 9, ORIENT_EAST, 1).label = std::string(255, 'b');
    build.resistor(5, 13, ORIENT_EAST, 1).label = std::string(65534, 'c');
    build.resistor(5, 17, ORIENT_EAST, 1).name = std::string("\x00\x01\xFF\"\\ x", 7);
}

void buildSolvedDivider(CKirvoltDoc& doc)
{
    testing::buildVoltageDivider(doc);
    int node = 1;
    for (const auto& record : doc.components) {
        record->startNode = node;
        record->finishNode = node % 2 + 1;
        record->startVoltage = 12.0 / node;
        record->pd = 0.1 * node;
        node = node % 2 + 1;
    }
    doc.nodeCount = 2;
    doc.datumNode = 1;
    doc.nodesValid = 1;
    doc.gridSize = 100;
}

void buildMany(CKirvoltDoc& doc)
{
    testing::CircuitBuilder build(doc);
    for (int i = 0; i < 2000; ++i) {
        build.resistor(i % 50, i / 50, i % 4, i);
    }
}

TEST_F(CircuitFileReading, EveryWrittenFileReloadsAndResavesIdentically)
{
    const std::pair<const char*, void (*)(CKirvoltDoc&)> circuits[] = {
        {"empty", [](CKirvoltDoc&) {}},
        {"divider", testing::buildVoltageDivider},
        {"solved divider", buildSolvedDivider},
        {"every kind", buildEveryKind},
        {"strings", buildStrings},
        {"many", buildMany},
    };
    for (const auto& [name, build] : circuits) {
        CKirvoltDoc doc;
        build(doc);
        const auto bytes = circuitBytes(doc);
        CKirvoltDoc loaded;
        const FileResult result = readCircuitBytes(bytes, loaded);
        ASSERT_TRUE(result.ok) << name << ": " << result.message;
        EXPECT_EQ(loaded.components.size(), doc.components.size()) << name;
        EXPECT_EQ(loaded.nodesValid, doc.nodesValid) << name;
        EXPECT_EQ(circuitBytes(loaded), bytes) << name;
    }
}

struct RefusedFile {
    const char* why;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> oneRecordFile(std::uint16_t kind, std::uint16_t gridSize = 20)
{
    StoredTrailer trailer;
    trailer.gridSize = gridSize;
    return KvtEncoder().count(1).newClass("CResistor").record(distinctRecord(1, kind)).trailer(trailer).bytes();
}

std::vector<std::uint8_t> withTag(const std::function<void(KvtEncoder&)>& secondTag)
{
    KvtEncoder file;
    file.count(2).newClass("CResistor").record(distinctRecord(1, KIND_RESISTOR));
    secondTag(file);
    return file.record(distinctRecord(2, KIND_RESISTOR)).trailer({}).bytes();
}

std::vector<std::uint8_t> withClass(std::string_view name, std::uint16_t schema = 1)
{
    return KvtEncoder().count(1).newClass(name, schema).record(distinctRecord(1, KIND_RESISTOR)).trailer({}).bytes();
}

TEST_F(CircuitFileReading, MalformedFilesAreUnexpectedFormat)
{
    auto trailing = oneRecordFile(KIND_RESISTOR);
    trailing.push_back(0);
    auto hugeLabel = KvtEncoder().count(1).newClass("CResistor").bytes();
    const auto record = KvtEncoder().record(distinctRecord(1, KIND_RESISTOR)).bytes();
    constexpr std::ptrdiff_t labelOffset = 84 + 3;  // fixed fields, then the name "N1"
    hugeLabel.insert(hugeLabel.end(), record.begin(), record.begin() + labelOffset);
    const auto hugeLength = KvtEncoder().u8(0xFF).u16(0xFFFF).u32(0xFFFFFFF0).bytes();
    hugeLabel.insert(hugeLabel.end(), hugeLength.begin(), hugeLength.end());
    hugeLabel.resize(hugeLabel.size() + 200);
    auto shortTrailer = KvtEncoder().count(0).trailer({}).bytes();
    shortTrailer.pop_back();

    const RefusedFile cases[] = {
        {"grid size 0", oneRecordFile(KIND_RESISTOR, 0)},
        {"grid size 9", oneRecordFile(KIND_RESISTOR, 9)},
        {"grid size 101", oneRecordFile(KIND_RESISTOR, 101)},
        {"grid size 65535", oneRecordFile(KIND_RESISTOR, 65535)},
        {"kind 0", oneRecordFile(0)},
        {"kind 100", oneRecordFile(100)},
        {"kind 110", oneRecordFile(110)},
        {"kind 65535", oneRecordFile(65535)},
        {"unknown class", withClass("CThing")},
        {"document class", withClass("CKirvoltDoc")},
        {"class name of 64 bytes", withClass(std::string(64, 'C'))},
        {"schema 0", withClass("CResistor", 0)},
        {"schema 2", withClass("CResistor", 2)},
        {"tag of an unassigned class", withTag([](KvtEncoder& f) { f.classTag(5); })},
        {"tag naming the first object", withTag([](KvtEncoder& f) { f.classTag(2); })},
        {"tag of index 0", withTag([](KvtEncoder& f) { f.u16(0x8000); })},
        {"object reference", withTag([](KvtEncoder& f) { f.u16(0x0002); })},
        {"null object", withTag([](KvtEncoder& f) { f.u16(0x0000); })},
        {"long object reference", withTag([](KvtEncoder& f) { f.u16(0x7FFF).u32(2); })},
        {"long tag of an unassigned class", withTag([](KvtEncoder& f) { f.classTag(0x8000); })},
        {"count beyond the file", KvtEncoder().count(2).newClass("CResistor").record(distinctRecord(1, KIND_RESISTOR)).trailer({}).bytes()},
        {"long count beyond the file", KvtEncoder().count(0xFFFFFFFF).trailer({}).bytes()},
        {"count without entries", KvtEncoder().count(1).trailer({}).bytes()},
        {"label longer than the file", hugeLabel},
        {"trailer cut short", shortTrailer},
        {"byte after the trailer", trailing},
    };
    for (const auto& c : cases) {
        CKirvoltDoc doc;
        const FileResult result = readCircuitBytes(c.bytes, doc);
        EXPECT_FALSE(result.ok) << c.why;
        EXPECT_EQ(result.message, UNEXPECTED) << c.why;
    }
}

TEST_F(CircuitFileReading, GridSizesAndKindsAtTheLimitsAreAccepted)
{
    for (const std::uint16_t grid : {10, 15, 100}) {
        CKirvoltDoc doc;
        EXPECT_TRUE(readCircuitBytes(oneRecordFile(KIND_RESISTOR, grid), doc).ok) << grid;
        EXPECT_EQ(doc.gridSize, grid);
    }
    for (std::uint16_t kind = KIND_RESISTOR; kind <= KIND_JOINT; ++kind) {
        CKirvoltDoc doc;
        EXPECT_TRUE(readCircuitBytes(oneRecordFile(kind), doc).ok) << kind;
    }
}

struct NodeCase {
    std::int32_t nodeCount, datumNode, startNode, finishNode;
    std::int32_t nodesValidAfterLoading;
};

// The datum indexes nothing; a datum that is no node is replaced by node 1 at the next analysis.
TEST_F(CircuitFileReading, NodeNumbersBeyondTheNodeCountClearNodesValid)
{
    const NodeCase cases[] = {
        {3, 1, 2, 3, 1}, {3, 0, 0, 0, 1}, {3, 1, 4, 1, 0}, {3, 1, 1, 4, 0},
        {3, 4, 1, 1, 1}, {3, -1, 1, 1, 1}, {3, 1, -2, 1, 0}, {3, 1, 1, -2147483647 - 1, 0},
    };
    for (const auto& c : cases) {
        StoredRecord r = distinctRecord(1, KIND_RESISTOR);
        r.startNode = c.startNode;
        r.finishNode = c.finishNode;
        StoredRecord joint = distinctRecord(2, KIND_JOINT);
        joint.startNode = joint.finishNode = 1;
        StoredTrailer t;
        t.nodesValid = 1;
        t.nodeCount = c.nodeCount;
        t.datumNode = c.datumNode;
        const auto bytes =
            KvtEncoder().count(2).newClass("CNode").record(joint).newClass("CResistor").record(r).trailer(t).bytes();
        CKirvoltDoc doc;
        ASSERT_TRUE(readCircuitBytes(bytes, doc).ok);
        EXPECT_EQ(doc.nodesValid, c.nodesValidAfterLoading)
            << "nodes " << c.nodeCount << " datum " << c.datumNode << " start " << c.startNode << " finish "
            << c.finishNode;
        EXPECT_EQ(doc.components[1]->startNode, c.startNode);
    }
}

struct CountCase {
    const char* why;
    std::int32_t nodeCount, branchCount;
    std::int32_t nodesValidAfterLoading, nodeCountAfterLoading, branchCountAfterLoading;
};

// Two records (a joint and a resistor) can carry at most four nodes and one branch. The counts
// are kept, so that the file reads back as written, but nothing trusts them.
TEST_F(CircuitFileReading, CountsTheRecordsCannotCarryClearNodesValid)
{
    const CountCase cases[] = {
        {"counts the records carry", 4, 1, 1, 4, 1},
        {"two thousand million nodes", 2'000'000'000, 1, 0, 2'000'000'000, 1},
        {"one node too many", 5, 1, 0, 5, 1},
        {"a negative node count", -1, 1, 0, -1, 1},
        {"two thousand million branches", 4, 2'000'000'000, 0, 4, 2'000'000'000},
        {"a branch too many", 4, 2, 0, 4, 2},
        {"a negative branch count", 4, -5, 0, 4, -5},
    };
    for (const auto& c : cases) {
        StoredRecord joint = distinctRecord(2, KIND_JOINT);
        joint.startNode = joint.finishNode = 1;
        StoredRecord r = distinctRecord(1, KIND_RESISTOR);
        r.startNode = 1;
        r.finishNode = 1;
        StoredTrailer t;
        t.nodesValid = 1;
        t.nodeCount = c.nodeCount;
        t.branchCount = c.branchCount;
        t.datumNode = 1;
        const auto bytes =
            KvtEncoder().count(2).newClass("CNode").record(joint).newClass("CResistor").record(r).trailer(t).bytes();
        CKirvoltDoc doc;
        ASSERT_TRUE(readCircuitBytes(bytes, doc).ok) << c.why;
        EXPECT_EQ(doc.nodesValid, c.nodesValidAfterLoading) << c.why;
        EXPECT_EQ(doc.nodeCount, c.nodeCountAfterLoading) << c.why;
        EXPECT_EQ(doc.branchCount, c.branchCountAfterLoading) << c.why;
    }
}

struct FarPoint {
    const char* field;
    std::int32_t bound;
    std::function<void(StoredRecord&, std::int32_t)> set;
};

// Grid points are multiplied by the grid step and symbols reach a few steps beyond their
// centre; points far outside any drawing are refused before any of that arithmetic.
TEST_F(CircuitFileReading, PointsFarOutsideTheDrawingAreUnexpectedFormat)
{
    const FarPoint fields[] = {
        {"startPoint", MAX_COORDINATE, [](StoredRecord& r, std::int32_t v) { r.startPoint[0] = v; }},
        {"finishPoint", MAX_COORDINATE, [](StoredRecord& r, std::int32_t v) { r.finishPoint[1] = v; }},
        {"hitRect", MAX_COORDINATE + MAX_GRID_SIZE, [](StoredRecord& r, std::int32_t v) { r.hitRect[2] = v; }},
        {"position", MAX_COORDINATE, [](StoredRecord& r, std::int32_t v) { r.position[1] = v; }},
        {"gridPosition", MAX_GRID_COORDINATE, [](StoredRecord& r, std::int32_t v) { r.gridPosition[0] = v; }},
        {"gridStart", MAX_GRID_COORDINATE, [](StoredRecord& r, std::int32_t v) { r.gridStart[1] = v; }},
        {"gridFinish", MAX_GRID_COORDINATE, [](StoredRecord& r, std::int32_t v) { r.gridFinish[0] = v; }},
    };
    for (const FarPoint& field : fields) {
        const std::int32_t refused[] = {field.bound + 1, -field.bound - 1, 2147483647, -2147483647 - 1};
        for (const std::int32_t value : {field.bound, -field.bound}) {
            StoredRecord r = distinctRecord(1, KIND_RESISTOR);
            field.set(r, value);
            CKirvoltDoc doc;
            EXPECT_TRUE(readCircuitBytes(KvtEncoder().count(1).newClass("CResistor").record(r).trailer({}).bytes(), doc).ok)
                << field.field << " " << value;
        }
        for (const std::int32_t value : refused) {
            StoredRecord r = distinctRecord(1, KIND_RESISTOR);
            field.set(r, value);
            CKirvoltDoc doc;
            const FileResult result =
                readCircuitBytes(KvtEncoder().count(1).newClass("CResistor").record(r).trailer({}).bytes(), doc);
            EXPECT_FALSE(result.ok) << field.field << " " << value;
            EXPECT_EQ(result.message, UNEXPECTED) << field.field << " " << value;
        }
    }
}

// Earlier versions lost the current of a current source that was moved; it is its value.
TEST_F(CircuitFileReading, ACurrentSourceCarriesItsValueAsItsCurrent)
{
    StoredRecord source = distinctRecord(1, KIND_CURRENT_SOURCE);
    source.value = 2.0;
    source.current = 0.0;
    CKirvoltDoc doc;
    ASSERT_TRUE(readCircuitBytes(KvtEncoder().count(1).newClass("CCurrentSource").record(source).trailer({}).bytes(), doc).ok);
    EXPECT_EQ(doc.components[0]->current, 2.0);
}

// A value outside its kind's range, or a number that is none, never reaches the analysis: the
// file is refused naming the element and the range; the limits themselves are taken.
TEST_F(CircuitFileReading, ValuesOutsideTheirRangeAreRefusedNamingTheElement)
{
    struct ValueCase {
        std::uint16_t kind;
        const char* className;
        double value;
        const char* message;  // empty when the file loads
    };
    const double inf = std::numeric_limits<double>::infinity();
    const ValueCase cases[] = {
        {KIND_CURRENT_SOURCE, "CCurrentSource", inf,
         "L1 has no finite value; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA."},
        {KIND_CURRENT_SOURCE, "CCurrentSource", 9.6e51,
         "L1 has a current of 9.6e+51 A; Kirvolt takes currents of 0 or from -1 MA to -1 fA or from 1 fA to 1 MA."},
        {KIND_CURRENT_SOURCE, "CCurrentSource", -1e6, ""},
        {KIND_VOLTAGE_SOURCE, "CVoltageSource", 1e-16,
         "L1 has an EMF of 1e-16 V; Kirvolt takes EMFs of 0 or from -1 MV to -1 fV or from 1 fV to 1 MV."},
        {KIND_VOLTAGE_SOURCE, "CVoltageSource", 1e-15, ""},
        {KIND_RESISTOR, "CResistor", -10,
         "L1 has a resistance of -10 \xCE\xA9; Kirvolt takes resistances of 0 or from 1 p\xCE\xA9 to 1 T\xCE\xA9."},
        {KIND_RESISTOR, "CResistor", 1e12, ""},
        {KIND_RESISTOR, "CResistor", 0, ""},
        {KIND_VOLTMETER, "CVoltmeter", std::nan(""), "L1 has a value that is not a number."},
    };
    for (const ValueCase& c : cases) {
        StoredRecord r = distinctRecord(1, c.kind);
        r.value = c.value;
        r.current = c.kind == KIND_CURRENT_SOURCE ? c.value : r.current;
        CKirvoltDoc doc;
        const FileResult result =
            readCircuitBytes(KvtEncoder().count(1).newClass(c.className).record(r).trailer({}).bytes(), doc);
        EXPECT_EQ(result.message, c.message) << c.className << " " << c.value;
    }
    StoredRecord stale = distinctRecord(1, KIND_RESISTOR);
    stale.pd = -inf;
    CKirvoltDoc doc;
    EXPECT_EQ(readCircuitBytes(KvtEncoder().count(1).newClass("CResistor").record(stale).trailer({}).bytes(), doc).message,
              UNEXPECTED);
}

}  // namespace
}  // namespace kirvolt
