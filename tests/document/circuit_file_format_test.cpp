#include <gtest/gtest.h>

#include "document/circuit_file.h"
#include "support/circuit_builder.h"
#include "support/kvt_encoder.h"

namespace kirvolt {
namespace {

using testing::hexBytes;
using testing::KvtEncoder;

class CircuitFileFormat : public ::testing::Test {
protected:
};

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t n)
{
    if (offset + n > bytes.size()) {
        return {};
    }
    const auto start = bytes.begin() + static_cast<std::ptrdiff_t>(offset);
    return {start, start + static_cast<std::ptrdiff_t>(n)};
}

struct FieldBytes {
    const char* field;
    const char* hex;
};

// Compares consecutive fields from an offset, naming the first field that differs.
std::size_t expectFields(const std::vector<std::uint8_t>& bytes, std::size_t offset,
                         std::initializer_list<FieldBytes> fields)
{
    for (const auto& f : fields) {
        const auto expected = hexBytes(f.hex);
        EXPECT_EQ(slice(bytes, offset, expected.size()), expected) << f.field << " at offset " << offset;
        offset += expected.size();
    }
    return offset;
}

const char* const NEW_DOCUMENT_TRAILER =
    "01000000 01000000 01000000 01000000 01000000 01000000 01000000 01000000 01000000"
    "00000000 1400 2E010000 00000000 00000000 00000000 00000000 00000000";

TEST_F(CircuitFileFormat, EmptyCircuitIsCountAndTrailer)
{
    CKirvoltDoc doc;
    const auto bytes = circuitBytes(doc);
    ASSERT_EQ(bytes.size(), 68u);
    expectFields(bytes, 0,
                 {{"count", "0000"},
                  {"formatMark", "01000000"},
                  {"ammeterCount", "01000000"},
                  {"voltageSourceCount", "01000000"},
                  {"currentSourceCount", "01000000"},
                  {"jointCount", "01000000"},
                  {"resistorCount", "01000000"},
                  {"voltmeterCount", "01000000"},
                  {"wireCount", "01000000"},
                  {"spareCount", "01000000"},
                  {"nextNodeNumber", "00000000"},
                  {"gridSize", "1400"},
                  {"documentStyle", "2E010000"},
                  {"datumNode", "00000000"},
                  {"nodesValid", "00000000"},
                  {"nodeCount", "00000000"},
                  {"currentIndexBase", "00000000"},
                  {"branchCount", "00000000"}});
}

TEST_F(CircuitFileFormat, OneResistorByteForByte)
{
    CKirvoltDoc doc;
    auto& r = *doc.AddComponent(
        std::make_unique<CResistor>(doc.resistorCount++, Point{200, 100}, ORIENT_NORTH, COLOUR_COMPONENT,
                                    DISPLAY_PLACED, doc.gridSize, STYLE_EUROPEAN));
    r.current = 0.5;
    r.pd = -2.0;
    r.startVoltage = 3.0;
    r.finishVoltage = 5.0;
    r.startNode = 2;
    r.finishNode = 3;
    r.value = 4.0;
    r.branchIndex = 9;  // not stored

    const auto bytes = circuitBytes(doc);
    ASSERT_EQ(bytes.size(), 2u + 2 + 2 + 2 + 9 + 142 + 6 + 66);
    const std::size_t payload = expectFields(
        bytes, 0, {{"count", "0100"}, {"new class", "FFFF"}, {"schema", "0100"}, {"name length", "0900"}});
    EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 17), "CResistor");
    const std::size_t trailer = expectFields(bytes, payload + 9,
                                             {{"arrowDirection", "04000000"},
                                              {"datumMark", "00000000"},
                                              {"current", "000000000000E03F"},
                                              {"pd", "00000000000000C0"},
                                              {"startVoltage", "0000000000000840"},
                                              {"finishVoltage", "0000000000001440"},
                                              {"startNode", "02000000"},
                                              {"finishNode", "03000000"},
                                              {"colour", "7D323200"},
                                              {"startPoint", "C8000000 A0000000"},
                                              {"finishPoint", "C8000000 28000000"},
                                              {"hitRect", "B4000000 50000000 DC000000 78000000"},
                                              {"name", "02 5231"},
                                              {"label", "02 5231"},
                                              {"value", "0000000000001040"},
                                              {"displayState", "F6010000"},
                                              {"orientation", "01000000"},
                                              {"connectorFlag", "00000000"},
                                              {"resistorStyle", "2E010000"},
                                              {"kindCode", "6500"},
                                              {"position", "C8000000 64000000"},
                                              {"gridPosition", "0A000000 05000000"},
                                              {"gridStart", "0A000000 08000000"},
                                              {"gridFinish", "0A000000 02000000"}});
    EXPECT_EQ(trailer, 17u + 148u);
    auto expectedTrailer = hexBytes(NEW_DOCUMENT_TRAILER);
    expectedTrailer[20] = 2;  // resistorCount after placing R1
    EXPECT_EQ(slice(bytes, trailer, 66), expectedTrailer);
}

TEST_F(CircuitFileFormat, ClassesAndObjectsShareOneIndexCounter)
{
    CKirvoltDoc doc;
    testing::CircuitBuilder build(doc);
    build.resistor(5, 5, ORIENT_EAST, 1);  // CResistor = 1, object 2
    build.resistor(5, 9, ORIENT_EAST, 2);  // object 3
    build.wire(1, 1, 1, 4);                // CWire = 4, object 5
    build.wire(1, 4, 6, 4);                // object 6
    build.resistor(9, 9, ORIENT_EAST, 3);  // object 7
    const auto bytes = circuitBytes(doc);

    constexpr std::size_t payload = 142 + 6;  // every name here has two characters
    std::size_t at = 2;
    at = expectFields(bytes, at, {{"CResistor descriptor", "FFFF 0100 0900 435265736973746F72"}}) + payload;
    at = expectFields(bytes, at, {{"second resistor tag", "0180"}}) + payload;
    at = expectFields(bytes, at, {{"CWire descriptor", "FFFF 0100 0500 4357697265"}}) + payload;
    at = expectFields(bytes, at, {{"second wire tag", "0480"}}) + payload;
    at = expectFields(bytes, at, {{"third resistor tag", "0180"}}) + payload;
    EXPECT_EQ(at + 66, bytes.size());
}

// n empty resistors and two empty wires, written by the test's own encoder.
std::vector<std::uint8_t> encodeEmptyResistorsAndTwoWires(std::uint32_t n)
{
    testing::StoredRecord resistor;
    resistor.kindCode = KIND_RESISTOR;
    testing::StoredRecord wire;
    wire.kindCode = KIND_WIRE;
    KvtEncoder file;
    file.count(n + 2).newClass("CResistor").record(resistor);
    for (std::uint32_t object = 3; object <= n + 1; ++object) {
        file.classTag(1).record(resistor);
    }
    const std::uint32_t lastClassIndex = n + 2;
    file.newClass("CWire").record(wire).classTag(lastClassIndex).record(wire);
    return file.trailer({}).bytes();
}

void appendEmpty(CKirvoltDoc& doc, std::unique_ptr<CComponent> record, std::uint16_t kind)
{
    record->kindCode = kind;
    doc.components.push_back(std::move(record));
}

struct LongFormCase {
    std::uint32_t resistors;
    const char* countBytes;
    const char* lastTagBytes;
};

// Indices from 0x7FFF on take the long tag; counts from 65535 on the long count.
TEST_F(CircuitFileFormat, LongCountsAndLongClassTags)
{
    const LongFormCase cases[] = {
        {10, "0C00", "0C80"},                              // CWire = 12
        {0x7FFC, "FE7F", "FEFF"},                          // CWire = 0x7FFE, still short
        {0x7FFD, "FF7F", "FF7F FF7F0080"},                 // CWire = 0x7FFF, long tag
        {65533, "FFFF FFFF0000", "FF7F FFFF0080"},         // count 65535, CWire = 0xFFFF
        {70000, "FFFF 72110100", "FF7F 72110180"},         // count 70002, CWire = 70002
    };
    for (const auto& c : cases) {
        CKirvoltDoc doc;
        for (std::uint32_t i = 0; i < c.resistors; ++i) {
            appendEmpty(doc, std::make_unique<CResistor>(), KIND_RESISTOR);
        }
        appendEmpty(doc, std::make_unique<CWire>(), KIND_WIRE);
        appendEmpty(doc, std::make_unique<CWire>(), KIND_WIRE);

        const auto bytes = circuitBytes(doc);
        const auto expected = encodeEmptyResistorsAndTwoWires(c.resistors);
        ASSERT_EQ(bytes, expected) << c.resistors;
        const auto count = hexBytes(c.countBytes);
        EXPECT_EQ(slice(bytes, 0, count.size()), count) << c.resistors;
        const auto lastTag = hexBytes(c.lastTagBytes);
        EXPECT_EQ(slice(bytes, bytes.size() - 66 - 144 - lastTag.size(), lastTag.size()), lastTag) << c.resistors;

        CKirvoltDoc loaded;
        ASSERT_TRUE(readCircuitBytes(bytes, loaded).ok) << c.resistors;
        ASSERT_EQ(loaded.components.size(), c.resistors + 2);
        EXPECT_STREQ(loaded.components.back()->className(), "CWire");
        EXPECT_STREQ(loaded.components.front()->className(), "CResistor");
    }
}

TEST_F(CircuitFileFormat, SettingsAndCountersComeBackSoNumberingContinues)
{
    CKirvoltDoc doc;
    doc.gridSize = 40;
    testing::CircuitBuilder build(doc);
    build.resistor(5, 5, ORIENT_EAST, 1);
    CComponent& r2 = build.resistor(5, 10, ORIENT_EAST, 2);
    build.resistor(5, 15, ORIENT_EAST, 3);
    build.voltageSource(12, 10, ORIENT_NORTH, 9);
    doc.RemoveComponent(&r2);
    doc.datumNode = 2;
    doc.nodeCount = 3;

    CKirvoltDoc loaded;
    ASSERT_TRUE(readCircuitBytes(circuitBytes(doc), loaded).ok);
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.gridSize, 40);
    EXPECT_EQ(loaded.datumNode, 2);
    EXPECT_EQ(loaded.resistorCount, 4);
    EXPECT_EQ(loaded.voltageSourceCount, 2);
    testing::CircuitBuilder more(loaded);
    EXPECT_EQ(more.resistor(20, 5, ORIENT_EAST, 1).name, "R4");
    EXPECT_EQ(more.voltageSource(20, 15, ORIENT_EAST, 1).name, "E2");
}

TEST_F(CircuitFileFormat, ZeroBytesAreAnEmptyCircuit)
{
    CKirvoltDoc doc;
    const FileResult result = readCircuitBytes({}, doc);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.message, "");
    EXPECT_TRUE(doc.components.empty());
    EXPECT_EQ(doc.gridSize, 20);
    EXPECT_EQ(doc.resistorCount, 1);
}

}  // namespace
}  // namespace kirvolt
