#include "document/archive.h"

#include <bit>

#include "document/component.h"

namespace kirvolt {
namespace {

constexpr std::uint16_t NEW_CLASS_TAG = 0xFFFF;
constexpr std::uint16_t CLASS_TAG_BIT = 0x8000;
constexpr std::uint16_t LONG_TAG = 0x7FFF;  // a uint32 tag follows
constexpr std::uint32_t LONG_CLASS_TAG_BIT = 0x80000000;
constexpr std::uint16_t CLASS_SCHEMA = 1;
constexpr std::size_t MAX_CLASS_NAME_LENGTH = 63;

constexpr std::uint8_t STRING_LENGTH_ESCAPE = 0xFF;
constexpr std::uint16_t WIDE_STRING_MARKER = 0xFFFE;
constexpr std::uint16_t LONG_LENGTH_MARKER = 0xFFFF;
constexpr std::uint16_t LONG_COUNT_MARKER = 0xFFFF;
constexpr std::uint64_t MAX_LONG_LENGTH = 0xFFFFFFFF;

// A 16-bit character becomes itself when it fits in a byte, otherwise '?'.
std::string narrowWideText(std::span<const std::uint8_t> units)
{
    std::string text;
    text.reserve(units.size() / 2);
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        const unsigned unit = units[i] | (unsigned{units[i + 1]} << 8);
        text += unit < 256 ? static_cast<char>(unit) : '?';
    }
    return text;
}

}  // namespace

void Archive::put(std::uint64_t value, int byteCount)
{
    // Written in place rather than inserted: this runs for every field of every record, and
    // the undo tests serialize circuits after every call.
    const std::size_t at = output.size();
    output.resize(at + static_cast<std::size_t>(byteCount));
    std::uint8_t* bytes = output.data() + at;
    for (int i = 0; i < byteCount; ++i) {
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint64_t Archive::take(int byteCount)
{
    requireRemaining(static_cast<std::size_t>(byteCount));
    std::uint64_t value = 0;
    for (int i = 0; i < byteCount; ++i) {
        value |= std::uint64_t{input[readPosition++]} << (8 * i);
    }
    return value;
}

std::span<const std::uint8_t> Archive::takeBlock(std::size_t byteCount)
{
    requireRemaining(byteCount);
    const auto block = input.subspan(readPosition, byteCount);
    readPosition += byteCount;
    return block;
}

void Archive::requireRemaining(std::size_t bytes) const
{
    if (bytes > remaining()) {
        throw FileFormatError();
    }
}

void Archive::writeUInt16(std::uint16_t value) { put(value, 2); }
void Archive::writeInt32(std::int32_t value) { put(static_cast<std::uint32_t>(value), 4); }
void Archive::writeUInt32(std::uint32_t value) { put(value, 4); }
void Archive::writeDouble(double value) { put(std::bit_cast<std::uint64_t>(value), 8); }

void Archive::writePoint(Point value)
{
    writeInt32(value.x);
    writeInt32(value.y);
}

void Archive::writeRect(Rect value)
{
    writeInt32(value.left);
    writeInt32(value.top);
    writeInt32(value.right);
    writeInt32(value.bottom);
}

std::uint16_t Archive::readUInt16() { return static_cast<std::uint16_t>(take(2)); }
std::int32_t Archive::readInt32() { return static_cast<std::int32_t>(static_cast<std::uint32_t>(take(4))); }
std::uint32_t Archive::readUInt32() { return static_cast<std::uint32_t>(take(4)); }
double Archive::readDouble() { return std::bit_cast<double>(take(8)); }

Point Archive::readPoint()
{
    const std::int32_t x = readInt32();
    return {x, readInt32()};
}

Rect Archive::readRect()
{
    Rect r;
    r.left = readInt32();
    r.top = readInt32();
    r.right = readInt32();
    r.bottom = readInt32();
    return r;
}

void Archive::writeString(std::string_view text)
{
    const std::size_t length = text.size();
    if (length < STRING_LENGTH_ESCAPE) {
        put(length, 1);
    } else if (length < WIDE_STRING_MARKER) {
        put(STRING_LENGTH_ESCAPE, 1);
        put(length, 2);
    } else {
        if (length > MAX_LONG_LENGTH) {
            throw std::length_error("string too long for a circuit file");
        }
        put(STRING_LENGTH_ESCAPE, 1);
        put(LONG_LENGTH_MARKER, 2);
        put(length, 4);
    }
    output.insert(output.end(), text.begin(), text.end());
}

// The length comes in three sizes; a wide-string marker may precede it once.
std::size_t Archive::readStringLength(bool& wide)
{
    std::uint64_t length = take(1);
    if (length < STRING_LENGTH_ESCAPE) {
        return length;
    }
    std::uint64_t word = take(2);
    if (word == WIDE_STRING_MARKER) {
        wide = true;
        length = take(1);
        if (length < STRING_LENGTH_ESCAPE) {
            return length;
        }
        word = take(2);
    }
    if (word < LONG_LENGTH_MARKER) {
        return word;
    }
    return take(4);
}

std::string Archive::readString()
{
    bool wide = false;
    const std::size_t length = readStringLength(wide);
    if (wide) {
        return narrowWideText(takeBlock(2 * length));
    }
    const auto block = takeBlock(length);
    return {block.begin(), block.end()};
}

void Archive::writeCount(std::size_t count)
{
    if (count < LONG_COUNT_MARKER) {
        put(count, 2);
        return;
    }
    if (count > MAX_LONG_LENGTH) {
        throw std::length_error("too many elements for a circuit file");
    }
    put(LONG_COUNT_MARKER, 2);
    put(count, 4);
}

std::size_t Archive::readCount()
{
    const std::uint16_t shortCount = readUInt16();
    return shortCount == LONG_COUNT_MARKER ? readUInt32() : shortCount;
}

void Archive::exchange(std::uint16_t& value) { loading ? void(value = readUInt16()) : writeUInt16(value); }
void Archive::exchange(std::int32_t& value) { loading ? void(value = readInt32()) : writeInt32(value); }
void Archive::exchange(std::uint32_t& value) { loading ? void(value = readUInt32()) : writeUInt32(value); }
void Archive::exchange(double& value) { loading ? void(value = readDouble()) : writeDouble(value); }
void Archive::exchange(Point& value) { loading ? void(value = readPoint()) : writePoint(value); }
void Archive::exchange(Rect& value) { loading ? void(value = readRect()) : writeRect(value); }
void Archive::exchange(std::string& value) { loading ? void(value = readString()) : writeString(value); }

void Archive::writeClassTag(std::string_view className)
{
    const auto known = writtenClasses.find(className);
    if (known == writtenClasses.end()) {
        writeUInt16(NEW_CLASS_TAG);
        writeUInt16(CLASS_SCHEMA);
        writeUInt16(static_cast<std::uint16_t>(className.size()));
        output.insert(output.end(), className.begin(), className.end());
        writtenClasses.emplace(className, nextIndex++);
        return;
    }
    const std::uint32_t index = known->second;
    if (index < LONG_TAG) {
        writeUInt16(static_cast<std::uint16_t>(CLASS_TAG_BIT | index));
    } else {
        writeUInt16(LONG_TAG);
        writeUInt32(LONG_CLASS_TAG_BIT | index);
    }
}

void Archive::writeObject(CComponent& record)
{
    writeClassTag(record.className());
    ++nextIndex;
    record.Persist(*this);
}

std::string_view Archive::classAtIndex(std::uint32_t index) const
{
    const auto found = readClasses.find(index);
    if (found == readClasses.end()) {
        throw FileFormatError();
    }
    return found->second;
}

std::string_view Archive::readClassDescriptor()
{
    const std::uint16_t schema = readUInt16();
    const std::uint16_t nameLength = readUInt16();
    if (schema != CLASS_SCHEMA || nameLength > MAX_CLASS_NAME_LENGTH) {
        throw FileFormatError();
    }
    const auto name = takeBlock(nameLength);
    const auto stored = readClasses.emplace(nextIndex++, std::string(name.begin(), name.end()));
    return stored.first->second;
}

// The writer never refers back to an object or writes a null one, so only class tags
// are accepted.
std::string_view Archive::readClassTag()
{
    const std::uint16_t tag = readUInt16();
    if (tag == NEW_CLASS_TAG) {
        return readClassDescriptor();
    }
    if (tag == LONG_TAG) {
        const std::uint32_t longTag = readUInt32();
        if ((longTag & LONG_CLASS_TAG_BIT) == 0) {
            throw FileFormatError();
        }
        return classAtIndex(longTag & ~LONG_CLASS_TAG_BIT);
    }
    if ((tag & CLASS_TAG_BIT) == 0) {
        throw FileFormatError();
    }
    return classAtIndex(tag & ~CLASS_TAG_BIT);
}

std::unique_ptr<CComponent> Archive::readObject()
{
    auto record = createComponentByName(readClassTag());
    if (!record) {
        throw FileFormatError();
    }
    ++nextIndex;
    record->Persist(*this);
    return record;
}

}  // namespace kirvolt
