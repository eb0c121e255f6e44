#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "document/geometry.h"

namespace kirvolt {

class CComponent;

// Raised by a loading archive when the bytes are not a circuit file: the file ends early,
// a length claims more than is left, or a tag or class is not one the writer produces.
class FileFormatError : public std::runtime_error {
public:
    FileFormatError() : std::runtime_error("Unexpected file format.") {}
};

// The serialisation stream of circuit files: little-endian typed values, length-prefixed
// strings, counts, and class-tagged records whose classes and objects share one index
// counter. One archive either stores into its own buffer or loads from bytes the caller
// keeps alive; Persist functions call exchange() so both directions share one field order.
class Archive {
public:
    Archive() = default;
    explicit Archive(std::span<const std::uint8_t> source) : loading(true), input(source) {}
    // The archive does not own what it loads; a temporary buffer would be gone at once.
    explicit Archive(std::vector<std::uint8_t>&&) = delete;

    bool isStoring() const { return !loading; }
    bool isLoading() const { return loading; }

    void exchange(std::uint16_t& value);
    void exchange(std::int32_t& value);
    void exchange(std::uint32_t& value);
    void exchange(double& value);
    void exchange(Point& value);
    void exchange(Rect& value);
    void exchange(std::string& value);

    void writeUInt16(std::uint16_t value);
    void writeInt32(std::int32_t value);
    void writeUInt32(std::uint32_t value);
    void writeDouble(double value);
    void writePoint(Point value);
    void writeRect(Rect value);
    void writeString(std::string_view text);
    void writeCount(std::size_t count);
    // Class tag (descriptor the first time a class occurs), then the record's payload.
    void writeObject(CComponent& record);

    std::uint16_t readUInt16();
    std::int32_t readInt32();
    std::uint32_t readUInt32();
    double readDouble();
    Point readPoint();
    Rect readRect();
    std::string readString();
    std::size_t readCount();
    // A record of the class its tag names, its payload read.
    std::unique_ptr<CComponent> readObject();

    // Bytes not yet read.
    std::size_t remaining() const { return input.size() - readPosition; }
    // Refuses the file unless at least this many bytes are left, so that no length read
    // from the file is trusted before the file is known to hold it.
    void requireRemaining(std::size_t bytes) const;

    // Room for bytes about to be stored, so that a large circuit is not copied over and
    // over as the buffer grows.
    void reserve(std::size_t bytes) { output.reserve(output.size() + bytes); }

    const std::vector<std::uint8_t>& bytes() const { return output; }
    std::vector<std::uint8_t> takeBytes() { return std::move(output); }

private:
    void put(std::uint64_t value, int byteCount);
    std::uint64_t take(int byteCount);
    std::span<const std::uint8_t> takeBlock(std::size_t byteCount);
    std::size_t readStringLength(bool& wide);
    void writeClassTag(std::string_view className);
    std::string_view readClassTag();
    std::string_view readClassDescriptor();
    std::string_view classAtIndex(std::uint32_t index) const;

    bool loading = false;
    std::vector<std::uint8_t> output;
    std::span<const std::uint8_t> input;
    std::size_t readPosition = 0;

    // One counter numbers classes and objects alike; 0 stands for a null object.
    std::uint32_t nextIndex = 1;
    std::map<std::string, std::uint32_t, std::less<>> writtenClasses;
    std::map<std::uint32_t, std::string> readClasses;
};

}  // namespace kirvolt
