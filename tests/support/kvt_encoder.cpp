#include "support/kvt_encoder.h"

#include <cstring>
#include <stdexcept>

namespace kirvolt::testing {

std::vector<std::uint8_t> hexBytes(std::string_view hex)
{
    std::vector<std::uint8_t> bytes;
    std::string digits;
    for (const char c : hex) {
        if (c != ' ') {
            digits += c;
        }
    }
    if (digits.size() % 2 != 0) {
        throw std::invalid_argument("odd number of hex digits");
    }
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoul(digits.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

KvtEncoder& KvtEncoder::littleEndian(std::uint64_t value, int byteCount)
{
    for (int i = 0; i < byteCount; ++i) {
        data.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
    return *this;
}

KvtEncoder& KvtEncoder::u8(std::uint8_t value) { return littleEndian(value, 1); }
KvtEncoder& KvtEncoder::u16(std::uint16_t value) { return littleEndian(value, 2); }
KvtEncoder& KvtEncoder::i32(std::int32_t value) { return littleEndian(static_cast<std::uint32_t>(value), 4); }
KvtEncoder& KvtEncoder::u32(std::uint32_t value) { return littleEndian(value, 4); }

KvtEncoder& KvtEncoder::f64(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return littleEndian(bits, 8);
}

KvtEncoder& KvtEncoder::raw(std::string_view bytes)
{
    data.insert(data.end(), bytes.begin(), bytes.end());
    return *this;
}

KvtEncoder& KvtEncoder::length(std::uint32_t n)
{
    if (n < 255) {
        return u8(static_cast<std::uint8_t>(n));
    }
    u8(0xFF);
    if (n < 0xFFFE) {
        return u16(static_cast<std::uint16_t>(n));
    }
    return u16(0xFFFF).u32(n);
}

KvtEncoder& KvtEncoder::string(std::string_view text)
{
    return length(static_cast<std::uint32_t>(text.size())).raw(text);
}

KvtEncoder& KvtEncoder::wideString(std::u16string_view text)
{
    u8(0xFF).u16(0xFFFE).length(static_cast<std::uint32_t>(text.size()));
    for (const char16_t unit : text) {
        u16(unit);
    }
    return *this;
}

KvtEncoder& KvtEncoder::count(std::uint32_t elements)
{
    return elements < 0xFFFF ? u16(static_cast<std::uint16_t>(elements)) : u16(0xFFFF).u32(elements);
}

KvtEncoder& KvtEncoder::newClass(std::string_view name, std::uint16_t schema)
{
    return u16(0xFFFF).u16(schema).u16(static_cast<std::uint16_t>(name.size())).raw(name);
}

KvtEncoder& KvtEncoder::classTag(std::uint32_t index)
{
    if (index < 0x7FFF) {
        return u16(static_cast<std::uint16_t>(0x8000 | index));
    }
    return u16(0x7FFF).u32(0x80000000u | index);
}

KvtEncoder& KvtEncoder::record(const StoredRecord& r)
{
    i32(r.arrowDirection).i32(r.datumMark);
    f64(r.current).f64(r.pd).f64(r.startVoltage).f64(r.finishVoltage);
    i32(r.startNode).i32(r.finishNode).u32(r.colour);
    i32(r.startPoint[0]).i32(r.startPoint[1]).i32(r.finishPoint[0]).i32(r.finishPoint[1]);
    i32(r.hitRect[0]).i32(r.hitRect[1]).i32(r.hitRect[2]).i32(r.hitRect[3]);
    string(r.name);
    if (r.wideLabel) {
        wideString(*r.wideLabel);
    } else {
        string(r.label);
    }
    f64(r.value);
    i32(r.displayState).i32(r.orientation).i32(r.connectorFlag).i32(r.resistorStyle).u16(r.kindCode);
    i32(r.position[0]).i32(r.position[1]).i32(r.gridPosition[0]).i32(r.gridPosition[1]);
    return i32(r.gridStart[0]).i32(r.gridStart[1]).i32(r.gridFinish[0]).i32(r.gridFinish[1]);
}

KvtEncoder& KvtEncoder::trailer(const StoredTrailer& t)
{
    i32(t.formatMark).i32(t.ammeterCount).i32(t.voltageSourceCount).i32(t.currentSourceCount);
    i32(t.jointCount).i32(t.resistorCount).i32(t.voltmeterCount).i32(t.wireCount).i32(t.spareCount);
    i32(t.nextNodeNumber).u16(t.gridSize).i32(t.documentStyle).i32(t.datumNode).i32(t.nodesValid);
    return i32(t.nodeCount).i32(t.currentIndexBase).i32(t.branchCount);
}

}  // namespace kirvolt::testing
