#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "document/archive.h"
#include "support/kvt_encoder.h"

namespace kirvolt {
namespace {

using testing::hexBytes;

std::vector<std::uint8_t> prefix(const std::vector<std::uint8_t>& bytes, std::size_t n)
{
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(Archive, TypedValuesAreLittleEndian)
{
    Archive out;
    out.writeUInt16(0x1234);
    out.writeInt32(-2);
    out.writeUInt32(0xA1B2C3D4);
    out.writeDouble(1.0);
    out.writePoint({1, -1});
    out.writeRect({1, 2, 3, 4});
    EXPECT_EQ(out.bytes(), hexBytes("3412 FEFFFFFF D4C3B2A1 000000000000F03F 01000000 FFFFFFFF"
                                    "01000000 02000000 03000000 04000000"));

    Archive in(out.bytes());
    EXPECT_EQ(in.readUInt16(), 0x1234);
    EXPECT_EQ(in.readInt32(), -2);
    EXPECT_EQ(in.readUInt32(), 0xA1B2C3D4u);
    EXPECT_EQ(in.readDouble(), 1.0);
    EXPECT_EQ(in.readPoint(), (Point{1, -1}));
    EXPECT_EQ(in.readRect(), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(in.remaining(), 0u);
    EXPECT_THROW(in.readUInt16(), FileFormatError);
}

TEST(Archive, DoublesKeepEveryBit)
{
    const double values[] = {0.1, -0.0, 5e-324, 1.7976931348623157e308, std::numeric_limits<double>::infinity()};
    for (const double v : values) {
        Archive out;
        out.writeDouble(v);
        Archive in(out.bytes());
        const double back = in.readDouble();
        EXPECT_EQ(std::memcmp(&back, &v, sizeof v), 0) << v;
    }
}

struct StringForm {
    std::size_t length;
    const char* header;  // bytes before the characters
};

class ArchiveStringForm : public ::testing::TestWithParam<StringForm> {};

TEST_P(ArchiveStringForm, WritesTheLengthInItsFormAndReadsItBack)
{
    const StringForm form = GetParam();
    std::string text(form.length, 'x');
    if (!text.empty()) {
        text.front() = 'a';
        text.back() = 'z';
    }
    Archive out;
    out.writeString(text);
    const auto header = hexBytes(form.header);
    ASSERT_EQ(out.bytes().size(), header.size() + form.length);
    EXPECT_EQ(prefix(out.bytes(), header.size()), header);

    Archive in(out.bytes());
    EXPECT_EQ(in.readString(), text);
    EXPECT_EQ(in.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(AllThreeForms, ArchiveStringForm,
                         ::testing::Values(StringForm{0, "00"}, StringForm{2, "02"}, StringForm{254, "FE"},
                                           StringForm{255, "FF FF00"}, StringForm{65533, "FF FDFF"},
                                           StringForm{65534, "FF FFFF FEFF0000"},
                                           StringForm{65535, "FF FFFF FFFF0000"},
                                           StringForm{70000, "FF FFFF 70110100"}));

struct WideCase {
    const char* bytes;
    std::string text;
};

TEST(Archive, SixteenBitStringsAreReadAsEightBit)
{
    const WideCase cases[] = {
        // Three units: 'A', e-acute (fits a byte), a Cyrillic letter (does not).
        {"FF FEFF 03 4100 E900 1604", "A\xE9?"},
        {"FF FEFF 00", ""},
        // The length in its 16-bit form after the marker.
        {"FF FEFF FF 0100 4200", "B"},
        // The length in its 32-bit form after the marker.
        {"FF FEFF FF FFFF 01000000 4300", "C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        const auto data = hexBytes(c.bytes);
        Archive in(data);
        EXPECT_EQ(in.readString(), c.text) << c.bytes;
        EXPECT_EQ(in.remaining(), 0u) << c.bytes;
    }
}

TEST(Archive, LengthsClaimingMoreThanRemainsAreRefused)
{
    const char* const cases[] = {
        "05 6162",                       // short length
        "FF 0001 61",                    // 16-bit length
        "FF FFFF FFFFFFFF 61",           // 4 GiB claimed by a 10-byte buffer
        "FF FEFF 02 4100",               // two 16-bit units, one present
        "FF FEFF FF FFFF FFFFFFFF 4100", // 8 GiB of 16-bit units
        "FF FE",                         // ends inside the marker
    };
    for (const char* bytes : cases) {
        const auto data = hexBytes(bytes);
        Archive in(data);
        EXPECT_THROW(in.readString(), FileFormatError) << bytes;
    }
}

TEST(Archive, CountsUseTheLongFormFrom65535)
{
    const std::pair<std::size_t, const char*> cases[] = {
        {0, "0000"}, {65534, "FEFF"}, {65535, "FFFF FFFF0000"}, {70000, "FFFF 70110100"}};
    for (const auto& [count, bytes] : cases) {
        Archive out;
        out.writeCount(count);
        EXPECT_EQ(out.bytes(), hexBytes(bytes)) << count;
        Archive in(out.bytes());
        EXPECT_EQ(in.readCount(), count);
    }
}

}  // namespace
}  // namespace kirvolt
