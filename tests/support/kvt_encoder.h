#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kirvolt::testing {

// Bytes from text such as "01 00 FF"; blanks between bytes are optional.
std::vector<std::uint8_t> hexBytes(std::string_view hex);

// The stored fields of one element, as a circuit file lays them out.
struct StoredRecord {
    std::int32_t arrowDirection = 0;
    std::int32_t datumMark = 0;
    double current = 0.0;
    double pd = 0.0;
    double startVoltage = 0.0;
    double finishVoltage = 0.0;
    std::int32_t startNode = 0;
    std::int32_t finishNode = 0;
    std::uint32_t colour = 0;
    std::int32_t startPoint[2] = {};
    std::int32_t finishPoint[2] = {};
    std::int32_t hitRect[4] = {};
    std::string name;
    std::string label;
    std::optional<std::u16string> wideLabel;  // written with the 16-bit marker instead of label
    double value = 0.0;
    std::int32_t displayState = 0;
    std::int32_t orientation = 0;
    std::int32_t connectorFlag = 0;
    std::int32_t resistorStyle = 0;
    std::uint16_t kindCode = 0;
    std::int32_t position[2] = {};
    std::int32_t gridPosition[2] = {};
    std::int32_t gridStart[2] = {};
    std::int32_t gridFinish[2] = {};
};

// The document trailer, with the values of a new document.
struct StoredTrailer {
    std::int32_t formatMark = 1;
    std::int32_t ammeterCount = 1;
    std::int32_t voltageSourceCount = 1;
    std::int32_t currentSourceCount = 1;
    std::int32_t jointCount = 1;
    std::int32_t resistorCount = 1;
    std::int32_t voltmeterCount = 1;
    std::int32_t wireCount = 1;
    std::int32_t spareCount = 1;
    std::int32_t nextNodeNumber = 0;
    std::uint16_t gridSize = 20;
    std::int32_t documentStyle = 302;
    std::int32_t datumNode = 0;
    std::int32_t nodesValid = 0;
    std::int32_t nodeCount = 0;
    std::int32_t currentIndexBase = 0;
    std::int32_t branchCount = 0;
};

// Writes circuit files byte by byte from the format's description alone, so that tests can
// check the program's reader against files it did not write. Class indices are the
// caller's to count.
class KvtEncoder {
public:
    KvtEncoder& u8(std::uint8_t value);
    KvtEncoder& u16(std::uint16_t value);
    KvtEncoder& i32(std::int32_t value);
    KvtEncoder& u32(std::uint32_t value);
    KvtEncoder& f64(double value);
    KvtEncoder& raw(std::string_view bytes);
    // 8-bit string in the shortest of the three length forms.
    KvtEncoder& string(std::string_view text);
    // The 0xFF 0xFE 0xFF marker, then the length in 16-bit units and the units.
    KvtEncoder& wideString(std::u16string_view text);
    KvtEncoder& count(std::uint32_t elements);
    // 0xFFFF, schema, name length and name.
    KvtEncoder& newClass(std::string_view name, std::uint16_t schema = 1);
    // 0x8000 | index, or 0x7FFF and 0x80000000 | index from 0x7FFF on.
    KvtEncoder& classTag(std::uint32_t index);
    KvtEncoder& record(const StoredRecord& r);
    KvtEncoder& trailer(const StoredTrailer& t);

    const std::vector<std::uint8_t>& bytes() const { return data; }

private:
    KvtEncoder& littleEndian(std::uint64_t value, int byteCount);
    KvtEncoder& length(std::uint32_t n);

    std::vector<std::uint8_t> data;
};

}  // namespace kirvolt::testing
