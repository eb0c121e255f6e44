#include <gtest/gtest.h>

#include <random>

#include "document/circuit_file.h"
#include "document/value_range.h"
#include "support/circuit_builder.h"
#include "support/kvt_encoder.h"
#include "support/sample_circuits.h"

namespace kirvolt {
namespace {

const char* const UNEXPECTED = "Unexpected file format.";

// The divider with a label in the 16-bit length form, and a second file from the test's
// own encoder that holds a 16-bit string, a long tag and a long count.
std::vector<std::vector<std::uint8_t>> sampleFiles()
{
    CKirvoltDoc doc;
    testing::buildVoltageDivider(doc);
    doc.components[2]->label = std::string(300, 'E');
    testing::StoredRecord joint;
    joint.kindCode = KIND_JOINT;
    joint.wideLabel = u"\u4E2D1";
    auto encoded = testing::KvtEncoder().u16(0xFFFF).u32(2).newClass("CNode").record(joint);
    encoded.u16(0x7FFF).u32(0x80000001).record(joint);
    return {circuitBytes(doc), encoded.trailer({}).bytes()};
}

// What a loaded document may hold whatever the bytes were.
void expectSound(const CKirvoltDoc& doc)
{
    EXPECT_GE(doc.gridSize, 10);
    EXPECT_LE(doc.gridSize, 100);
    const auto nodeFits = [&doc](std::int32_t node) { return node >= 0 && node <= doc.nodeCount; };
    if (doc.nodesValid != 0) {
        EXPECT_GE(doc.nodeCount, 0);
        EXPECT_LE(doc.nodeCount, 2 * static_cast<std::int32_t>(doc.components.size()));
        EXPECT_GE(doc.branchCount, 0);
        EXPECT_LE(doc.branchCount, static_cast<std::int32_t>(doc.components.size()));
    }
    for (const auto& record : doc.components) {
        EXPECT_GE(record->kindCode, KIND_RESISTOR);
        EXPECT_LE(record->kindCode, KIND_JOINT);
        EXPECT_TRUE(liesWithinReach(*record));
        EXPECT_TRUE(valueInRange(record->kindCode, record->value));
        if (doc.nodesValid != 0) {
            EXPECT_TRUE(nodeFits(record->startNode) && nodeFits(record->finishNode));
        }
    }
}

TEST(CircuitFileRobustness, EveryTruncationIsUnexpectedFormat)
{
    for (const auto& bytes : sampleFiles()) {
        CKirvoltDoc whole;
        ASSERT_TRUE(readCircuitBytes(bytes, whole).ok);
        for (std::size_t length = 1; length < bytes.size(); ++length) {
            CKirvoltDoc doc;
            const FileResult result = readCircuitBytes(std::span(bytes).first(length), doc);
            ASSERT_FALSE(result.ok) << "cut at " << length;
            ASSERT_EQ(result.message, UNEXPECTED) << "cut at " << length;
        }
        CKirvoltDoc empty;
        EXPECT_TRUE(readCircuitBytes(std::span(bytes).first(0), empty).ok);
        EXPECT_TRUE(empty.components.empty());
    }
}

// Flipped bits either load into a sound document or are refused (as no circuit file, or for a
// value outside its range); nothing crashes, hangs or allocates what a length merely claims.
TEST(CircuitFileRobustness, RandomByteFlipsAreLoadedSoundlyOrRefused)
{
    std::mt19937 random(20240611);
    int refused = 0;
    int loaded = 0;
    for (const auto& original : sampleFiles()) {
        std::uniform_int_distribution<std::size_t> offset(0, original.size() - 1);
        std::uniform_int_distribution<int> flips(1, 4);
        std::uniform_int_distribution<int> mask(1, 255);
        for (int round = 0; round < 3000; ++round) {
            auto bytes = original;
            for (int f = flips(random); f > 0; --f) {
                bytes[offset(random)] ^= static_cast<std::uint8_t>(mask(random));
            }
            CKirvoltDoc doc;
            const FileResult result = readCircuitBytes(bytes, doc);
            if (result.ok) {
                ++loaded;
                expectSound(doc);
            } else {
                ++refused;
                if (result.message != UNEXPECTED) {
                    ASSERT_NE(result.message.find("; Kirvolt takes "), std::string::npos) << result.message;
                }
            }
        }
    }
    // Both outcomes occur, so the flips reached the structure as well as the values.
    EXPECT_GT(refused, 100);
    EXPECT_GT(loaded, 100);
}

}  // namespace
}  // namespace kirvolt
