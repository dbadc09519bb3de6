#include "skin/package/SkinReader.h"
#include "skin/package/LZH.h"
#include "skin/package/LzhEncoder.h"

#include "tests/support/SkinFiles.h"
#include "tests/support/SkinMessageCatcher.h"

#include <gtest/gtest.h>

#include <random>

namespace quellar {
namespace {

using test::Bytes;
using test::SkinMessageCatcher;

void PutLE32(std::vector<std::uint8_t>& out, std::int32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    }
}

// A decompressed package written field by field, so damaged ones can be made too.
std::vector<std::uint8_t> Package(std::int32_t version, const std::string& names,
                                  const std::vector<std::int32_t>& sizes, const std::string& data,
                                  std::int32_t namesLength = INT32_MIN) {
    std::vector<std::uint8_t> p;
    PutLE32(p, version);
    PutLE32(p, namesLength != INT32_MIN ? namesLength : static_cast<std::int32_t>(names.size()));
    p.insert(p.end(), 8, 0xEE);
    p.insert(p.end(), names.begin(), names.end());
    for (std::int32_t s : sizes) {
        PutLE32(p, s);
    }
    p.insert(p.end(), data.begin(), data.end());
    return p;
}

std::string Text(const TMemoryStream& s) {
    return std::string(s.Bytes().begin(), s.Bytes().end());
}

TEST(SkinReaderNames, SplitAtEveryKindOfLineBreakAndLowerCased) {
    EXPECT_EQ(SplitEntryNames(Bytes("A.INI\r\nB.bmp\nC\rD")),
              (std::vector<std::string>{"a.ini", "b.bmp", "c", "d"}));
    EXPECT_EQ(SplitEntryNames(Bytes("one\r\n")), (std::vector<std::string>{"one"})) << "no empty last line";
    EXPECT_EQ(SplitEntryNames(Bytes("a\r\n\r\nb")), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(SplitEntryNames(Bytes(std::string("x\r\ny\0z\r\n", 9))), (std::vector<std::string>{"x", "y"}))
        << "a zero byte ends the text";
    EXPECT_EQ(SplitEntryNames(Bytes("\xC4Q")), (std::vector<std::string>{"\xC4q"})) << "only A..Z change";
}

TEST(SkinReader, FindsMembersByNameIgnoringCaseAndByLowerCasePart) {
    SkinMessageCatcher messages;
    TMemoryStream file(LzhCompress(Package(20000, "Skin.ini\r\nTitle.BMP\r\n", {3, 4}, "INIbmp!")));
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadSkinStream(file));
    EXPECT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "title.bmp"}));
    TMemoryStream out;
    reader.GetFileByName("TITLE.bmp", out);
    EXPECT_EQ(Text(out), "bmp!");
    std::string entry;
    reader.GetFileByPart(".ini", out, entry);
    EXPECT_EQ(Text(out), "INI");
    EXPECT_EQ(entry, "skin.ini");
    std::string none = "unchanged";
    reader.GetFileByPart(".INI", out, none);
    EXPECT_EQ(out.Size(), 0u) << "the search text is not lower-cased, so upper case never matches";
    EXPECT_EQ(none, "unchanged");
    reader.GetFileByName("missing.bmp", out);
    EXPECT_EQ(out.Size(), 0u);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(SkinReader, EntriesStartAtTheSumOfTheSizesBeforeThem) {
    std::string data;
    for (int i = 0; i < 30; ++i) {
        data.push_back(static_cast<char>('a' + i % 26));
    }
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadSkinBytes(LzhCompress(Package(20000, "first\r\nsecond\r\n", {10, 20}, data))));
    TMemoryStream out;
    reader.GetFileByName("first", out);
    EXPECT_EQ(Text(out), data.substr(0, 10));
    reader.GetFileByName("second", out);
    EXPECT_EQ(Text(out), data.substr(10, 20));
    EXPECT_EQ(out.Position(), 0u);
}

TEST(SkinReader, RepeatedNameFindsTheFirstMemberOfThatName) {
    TSkinReader reader;
    ASSERT_TRUE(reader.ReadPackage(Package(20000, "a.bmp\r\nA.BMP\r\n", {5, 1}, "firstZ")));
    TMemoryStream out;
    reader.GetFileByName("A.bmp", out);
    EXPECT_EQ(Text(out), "first");
    EXPECT_EQ(std::string(reader.Entry(1).begin(), reader.Entry(1).end()), "Z");
}

// A zero-length file is an empty package of the wrong version, and so is one shorter than its
// length field.
TEST(SkinReader, OtherVersionsShowTheMessageAndLoadNothing) {
    SkinMessageCatcher messages;
    TSkinReader reader;
    EXPECT_FALSE(reader.ReadSkinBytes(LzhCompress(Package(19999, "a\r\n", {1}, "x"))));
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_FALSE(reader.ReadSkinBytes(std::vector<std::uint8_t>{0, 0, 0, 0, 0x12, 0x34}));
    EXPECT_EQ(messages.messages.size(), 2u);
    EXPECT_EQ(reader.Version(), 0);
    EXPECT_FALSE(reader.ReadSkinBytes(std::vector<std::uint8_t>{1, 0}));
    EXPECT_EQ(messages.messages.size(), 3u);
}

TEST(SkinReader, DamagedPackagesAreRejectedOrCutShortSafely) {
    SkinMessageCatcher messages;
    TSkinReader reader;
    std::string names;
    for (int i = 0; i < 1002; ++i) {
        names += "m\r\n";
    }
    EXPECT_FALSE(
        reader.ReadSkinBytes(LzhCompress(Package(20000, names, std::vector<std::int32_t>(1002, 0), ""))))
        << "more than 1001 entries";
    EXPECT_FALSE(reader.ReadSkinBytes(LzhCompress(Package(20000, "a\r\nb\r\n", {1, -1}, "xy"))))
        << "negative size";
    EXPECT_FALSE(reader.ReadSkinBytes(LzhCompress(Package(20000, "a\r\n", {1}, "x", 5000))))
        << "names beyond the end";
    EXPECT_FALSE(reader.ReadSkinBytes(LzhCompress(Package(20000, "a\r\n", {1}, "x", -3))))
        << "negative names length";
    EXPECT_FALSE(reader.ReadSkinBytes(LzhCompress(Package(20000, "a\r\nb\r\nc\r\n", {1}, ""))))
        << "sizes missing";

    ASSERT_TRUE(reader.ReadSkinBytes(LzhCompress(Package(20000, "a\r\nb\r\n", {4, 0x7FFFFFF0}, "abcdefg"))));
    TMemoryStream out;
    reader.GetFileByName("b", out);
    EXPECT_EQ(Text(out), "efg") << "an entry larger than the data is cut at its end";
    EXPECT_TRUE(messages.messages.empty());
}

TEST(SkinReader, LengthFieldFarBeyondTheDataIsADecoderError) {
    std::vector<std::uint8_t> file = LzhCompress(Package(20000, "a\r\n", {1}, "x"));
    file[3] = 0x7F;
    TSkinReader reader;
    EXPECT_THROW(reader.ReadSkinBytes(file), ElzhException);
    // Even with data enough for it, a package above the reader's limit is refused unread.
    std::vector<std::uint8_t> big(4 + 2'000'000, 0);
    const std::uint32_t claim = MaxSkinPackageBytes + 1u;
    for (int i = 0; i < 4; ++i) {
        big[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(claim >> (8 * i));
    }
    EXPECT_THROW(reader.ReadSkinBytes(big), ElzhException);
}

TEST(SkinReader, RandomDamageNeverReadsOrWritesOutOfBounds) {
    SkinMessageCatcher messages;
    const std::vector<std::uint8_t> good =
        test::SkinFile("[Personality]\r\nTop=top.bmp\r\n", {{"top.bmp", test::Bmp(20, 10)}});
    std::mt19937 rng(1234);
    int accepted = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> file = good;
        const int flips = 1 + static_cast<int>(rng() % 8);
        for (int f = 0; f < flips; ++f) {
            file[4 + rng() % (file.size() - 4)] ^= static_cast<std::uint8_t>(1u << (rng() % 8));
        }
        if (rng() % 4 == 0) {
            file.resize(4 + rng() % (file.size() - 4));
        }
        TSkinReader reader;
        try {
            if (reader.ReadSkinBytes(file)) {
                ++accepted;
                ASSERT_LE(reader.Count(), MaxSkinEntries);
                for (int i = 0; i < reader.Count(); ++i) {
                    TMemoryStream out;
                    reader.GetFileByName(reader.Names()[static_cast<std::size_t>(i)], out);
                    ASSERT_LE(static_cast<std::int64_t>(out.Size()), reader.Size(i));
                }
            }
        } catch (const ElzhException&) {
        }
    }
    EXPECT_LT(accepted, 300) << "damage must be noticed at least sometimes";
}

} // namespace
} // namespace quellar
