// The AMArrayData value: its 100 bytes, the reader, and the binary property that carries it.
#include "RecordingSoundService.h"
#include "base/Exception.h"
#include "base/Stream.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <bit>

namespace quellar::test {
namespace {

class AMArray : public ::testing::Test {
protected:
    std::vector<std::uint8_t> Written() {
        TMemoryStream s;
        tone.WriteAMArray(s);
        return s.Bytes();
    }
    static std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
        return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
    }
    TRecordingSoundService sound;
    TToneGen tone{nullptr, &sound};
};

TEST_F(AMArray, AFreshComponentWritesTheStoredLayoutsValue) {
    const auto b = Written();
    ASSERT_EQ(b.size(), 100u);
    const std::vector<std::uint8_t> head(b.begin(), b.begin() + 16);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x3F}));
    const std::uint32_t bits[8] = {0x3F000000, 0x3F800000, 0x3FC00000, 0x40000000,
                                   0x40200000, 0x40400000, 0x40600000, 0x40800000};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(U32(b, 4 + 12 * i), 0u) << i;
        EXPECT_EQ(U32(b, 8 + 12 * i), 0u) << i;
        EXPECT_EQ(U32(b, 12 + 12 * i), bits[i]) << i;
    }
}

TEST_F(AMArray, AmplitudesAreWidenedWithTheirSign) {
    tone.SetAMParameter(tgAMLevel2, 150, 2.0f, tgSquare);
    tone.SetAMParameter(tgAMLevel8, -3, -1.5f, tgNoise);
    const auto b = Written();
    EXPECT_EQ(U32(b, 16), 150u);
    EXPECT_EQ(U32(b, 20), 1u);
    EXPECT_EQ(std::bit_cast<float>(U32(b, 24)), 2.0f);
    EXPECT_EQ(U32(b, 4 + 12 * 7), 0xFFFFFFFDu);
    EXPECT_EQ(U32(b, 8 + 12 * 7), 4u);
    EXPECT_EQ(tone.AMAmplitude(), 0);
}

TEST_F(AMArray, ReadingBackRestoresTheTableButNotTheCopiesOrFlags) {
    tone.SetAMParameter(tgAMLevel1, 40, 3.0f, tgTriangle);
    tone.SetAMParameter(tgAMLevel5, 150, 0.25f, tgSawtooth);
    TMemoryStream stored(Written());
    tone.ResetAM();
    tone.SetAMLevel(tgAMLevel1);
    ASSERT_TRUE(tone.RenderWave(false));
    tone.ReadAMArray(stored);
    EXPECT_EQ(stored.Position(), 100u);
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).amplitude, 40);
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).waveform, tgTriangle);
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).frequency, 3.0f);
    EXPECT_EQ(tone.AMEntry(tgAMLevel5).amplitude, 150);
    EXPECT_EQ(tone.AMEntry(tgAMLevel5).frequency, 0.25f);
    EXPECT_EQ(tone.AMAmplitude(), 0) << "copies keep what they had";
    EXPECT_EQ(tone.AMFrequency(), 0.5f);
    EXPECT_FALSE(tone.WaveDirty()) << "the reader leaves the flags";
}

TEST_F(AMArray, ReaderTakesTheLowBitsOfEachField) {
    TMemoryStream s;
    s.WriteInt32(0);
    s.WriteInt32(0x00010005);
    s.WriteInt32(0x00000203);
    s.WriteInt32(std::bit_cast<std::int32_t>(9.5f));
    s.SetPosition(0);
    tone.ReadAMArray(s);
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).amplitude, 5);
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).waveform, tgSawtooth);
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).frequency, 9.5f);
    EXPECT_EQ(tone.AMEntry(tgAMLevel2).frequency, 1.0f) << "only entry 0 was stored";
}

TEST_F(AMArray, ANegativeHighestIndexReadsNothingMore) {
    TMemoryStream s;
    s.WriteInt32(-1);
    s.WriteInt32(77);
    s.SetPosition(0);
    tone.ReadAMArray(s);
    EXPECT_EQ(s.Position(), 4u);
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).amplitude, 0);
}

TEST_F(AMArray, EntriesBeyondTheEighthAreReadAndDropped) {
    TMemoryStream s;
    s.WriteInt32(9);
    for (int i = 0; i < 10; ++i) {
        s.WriteInt32(i + 1);
        s.WriteInt32(1);
        s.WriteInt32(std::bit_cast<std::int32_t>(static_cast<float>(i)));
    }
    s.WriteInt32(0x12345678);
    s.SetPosition(0);
    tone.ReadAMArray(s);
    EXPECT_EQ(s.Position(), 4u + 10 * 12) << "the value ends where it says";
    EXPECT_EQ(tone.AMEntry(tgAMLevel8).amplitude, 8);
    EXPECT_EQ(s.ReadInt32(), 0x12345678);
}

TEST_F(AMArray, AShortValueRaisesTheStreamsReadError) {
    TMemoryStream s;
    s.WriteInt32(7);
    s.WriteInt32(50);
    s.SetPosition(0);
    EXPECT_THROW(tone.ReadAMArray(s), EReadError);
    TMemoryStream huge;
    huge.WriteInt32(0x7FFFFFFF);
    huge.SetPosition(0);
    EXPECT_THROW(tone.ReadAMArray(huge), EReadError) << "a huge count ends with the stream";
}

TEST_F(AMArray, TheBinaryPropertyCarriesTheTable) {
    const auto props = tone.DefineBinaryProperties();
    ASSERT_EQ(props.size(), 1u);
    EXPECT_EQ(props[0].name, "AMArrayData");
    tone.SetAMParameter(tgAMLevel3, 12, 6.0f, tgSquare);
    TMemoryStream s;
    props[0].write(s);
    EXPECT_EQ(s.Bytes(), Written());

    TRecordingSoundService otherSound;
    TToneGen other(nullptr, &otherSound);
    s.SetPosition(0);
    other.DefineBinaryProperties()[0].read(s);
    EXPECT_EQ(other.AMEntry(tgAMLevel3).amplitude, 12);
    EXPECT_EQ(other.AMEntry(tgAMLevel3).frequency, 6.0f);
}

} // namespace
} // namespace quellar::test
