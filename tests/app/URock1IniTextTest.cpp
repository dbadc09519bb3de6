// The portable profile rules where they go beyond what the platform's service shows: the file's
// own lines, line ends and layout are kept by a write.
#include "app/U_Rock1IniText.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(IniText, NewTextUsesWindowsLineEnds) {
    IniText ini("");
    ini.Set("KOR Quellar", "Item", "Data");
    EXPECT_EQ(ini.Text(), "[KOR Quellar]\r\nItem=Data\r\n");
}

TEST(IniText, TextWithUnixLineEndsKeepsThem) {
    IniText ini("[S]\na=1\n");
    ini.Set("S", "b", "2");
    EXPECT_EQ(ini.Text(), "[S]\na=1\nb=2\n");
}

TEST(IniText, UntouchedTextComesBackByteForByte) {
    const std::string text = "; comment\r\n\r\n[S]\r\n  a = 1  \r\n\r\n[T]\r\nb=2\r\n";
    EXPECT_EQ(IniText(text).Text(), text);
}

TEST(IniText, StrayCarriageReturnsAreKeptAndRepeatedWritesAreStable) {
    // Found by fuzzing: a carriage return at the end of a line of a text with Unix line ends was
    // dropped, and a text whose first line ended differently from the others changed its line
    // end on every write.
    for (const std::string text : {"a\nb=1\r\r\n", "x\r\r\r\n[S]\nk=1\n", "#\n[S]\r\nk=1\r\n"}) {
        IniText once(text);
        once.Set("S", "k", "2");
        IniText twice(once.Text());
        twice.Set("S", "k", "2");
        EXPECT_EQ(twice.Text(), once.Text());
    }
    IniText unix("[S]\nnote=x\r\n");
    unix.Set("S", "k", "1");
    EXPECT_EQ(unix.Text(), "[S]\nnote=x\r\nk=1\n");
}

TEST(IniText, WriteKeepsCommentsBlankLinesAndOtherLinesAsTheyAre) {
    IniText ini("; comment\r\n\r\n[S]\r\n  a = 1  \r\n\r\n[T]\r\nb=2\r\n");
    ini.Set("S", "c", "3");
    ini.Set("t", "B", "4");
    EXPECT_EQ(ini.Text(), "; comment\r\n\r\n[S]\r\n  a = 1  \r\nc=3\r\n\r\n[T]\r\nb=4\r\n");
}

TEST(IniText, LastLineWithoutLineEndGetsOne) {
    IniText ini("[S]\r\na=1");
    ini.Set("S", "b", "2");
    EXPECT_EQ(ini.Text(), "[S]\r\na=1\r\nb=2\r\n");
}

TEST(IniText, HeaderAndNamesMatchWithoutSurroundingBlanks) {
    const IniText ini("  [ S ]  \r\n\tkey\t=\tvalue\t\r\n");
    EXPECT_EQ(ini.Find("S", "KEY"), "value");
    EXPECT_EQ(ini.Find(" s ", " key "), "value");
}

TEST(IniText, CommentsAndLinesBeforeTheFirstSectionHoldNoKeys) {
    const IniText ini("a=0\r\n[S]\r\n;a=1\r\nb=2\r\n");
    EXPECT_EQ(ini.Find("S", "a"), std::nullopt);
    EXPECT_EQ(ini.Find("S", ";a"), std::nullopt);
    EXPECT_EQ(ini.Find("S", "b"), "2");
}

TEST(IniText, LineWithoutEqualsIsAKeyWithoutValue) {
    IniText ini("[S]\r\nflag\r\n");
    EXPECT_EQ(ini.Find("S", "flag"), "");
    ini.Set("S", "FLAG", "Y");
    EXPECT_EQ(ini.Text(), "[S]\r\nflag=Y\r\n");
}

TEST(IniText, ValueKeepsEverythingAfterTheFirstEquals) {
    const IniText ini("[S]\r\nk==a=b\r\n");
    EXPECT_EQ(ini.Find("S", "k"), "=a=b");
}

TEST(IniText, SectionHeaderWithoutClosingBracketIsNotAHeader) {
    const IniText ini("[S]\r\n[broken\r\nk=1\r\n");
    EXPECT_EQ(ini.Find("broken", "k"), std::nullopt);
    EXPECT_EQ(ini.Find("S", "k"), "1");
}

TEST(IniText, EmptySectionGetsItsFirstKeyRightAfterTheHeader) {
    IniText ini("[S]\r\n\r\n[T]\r\n");
    ini.Set("S", "k", "v");
    EXPECT_EQ(ini.Text(), "[S]\r\nk=v\r\n\r\n[T]\r\n");
}

} // namespace
} // namespace quellar
