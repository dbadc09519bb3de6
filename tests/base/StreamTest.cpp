#include "base/Stream.h"
#include "base/Exception.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(MemoryStream, Int32IsLittleEndianAndRoundTrips) {
    TMemoryStream s;
    s.WriteInt32(7);
    s.WriteInt32(-2);
    EXPECT_EQ(s.Bytes(), (std::vector<std::uint8_t>{7, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}));
    s.SetPosition(0);
    EXPECT_EQ(s.ReadInt32(), 7);
    EXPECT_EQ(s.ReadInt32(), -2);
}

TEST(MemoryStream, ReadingPastTheEndRaisesStreamReadError) {
    TMemoryStream s(std::vector<std::uint8_t>{1, 2, 3});
    try {
        s.ReadInt32();
        FAIL() << "a short read must raise";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

} // namespace
} // namespace quellar
