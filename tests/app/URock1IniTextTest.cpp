// The portable profile rules where they go beyond what the platform's service shows: the file's
// own lines, line ends and layout are kept by a write.
#include "app/U_Rock1IniText.h"

#include <gtest/gtest.h>

#include <optional>

namespace quellar {
namespace {

TEST(IniText, WriteKeepsTheTextsLinesAndLineEnds) {
    const struct {
        const char* name;
        std::string before;
        const char *section, *key, *value;
        std::string after;
    } cases[] = {
        {"new text uses Windows line ends", "", "KOR Quellar", "Item", "Data",
         "[KOR Quellar]\r\nItem=Data\r\n"},
        {"Unix line ends are kept", "[S]\na=1\n", "S", "b", "2", "[S]\na=1\nb=2\n"},
        {"a stray carriage return stays in its line", "[S]\nnote=x\r\n", "S", "k", "1",
         "[S]\nnote=x\r\nk=1\n"},
        {"comments, blanks and other lines stay", "; comment\r\n\r\n[S]\r\n  a = 1  \r\n\r\n[T]\r\nb=2\r\n",
         "S", "c", "3", "; comment\r\n\r\n[S]\r\n  a = 1  \r\nc=3\r\n\r\n[T]\r\nb=2\r\n"},
        {"section and key match without case", "; comment\r\n\r\n[S]\r\n  a = 1  \r\n\r\n[T]\r\nb=2\r\n", "t",
         "B", "4", "; comment\r\n\r\n[S]\r\n  a = 1  \r\n\r\n[T]\r\nb=4\r\n"},
        {"the last line gets a line end", "[S]\r\na=1", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n"},
        {"a line without equals is the key", "[S]\r\nflag\r\n", "S", "FLAG", "Y", "[S]\r\nflag=Y\r\n"},
        {"an empty section's first key follows its header", "[S]\r\n\r\n[T]\r\n", "S", "k", "v",
         "[S]\r\nk=v\r\n\r\n[T]\r\n"},
    };
    for (const auto& c : cases) {
        IniText ini(c.before);
        ini.Set(c.section, c.key, c.value);
        EXPECT_EQ(ini.Text(), c.after) << c.name;
    }
}

TEST(IniText, UntouchedTextComesBackByteForByte) {
    const std::string text = "; comment\r\n\r\n[S]\r\n  a = 1  \r\n\r\n[T]\r\nb=2\r\n";
    EXPECT_EQ(IniText(text).Text(), text);
}

TEST(IniText, RepeatedWritesAreStable) {
    // Found by fuzzing: a carriage return at the end of a line of a text with Unix line ends was
    // dropped, and a text whose first line ended differently from the others changed its line
    // end on every write.
    for (const std::string text : {"a\nb=1\r\r\n", "x\r\r\r\n[S]\nk=1\n", "#\n[S]\r\nk=1\r\n"}) {
        IniText once(text);
        once.Set("S", "k", "2");
        IniText twice(once.Text());
        twice.Set("S", "k", "2");
        EXPECT_EQ(twice.Text(), once.Text()) << text;
    }
}

TEST(IniText, FindReadsTheValueOfAKeyInItsSection) {
    const struct {
        const char* name;
        std::string text;
        const char *section, *key;
        std::optional<std::string> value;
    } cases[] = {
        {"blanks around header and names", "  [ S ]  \r\n\tkey\t=\tvalue\t\r\n", "S", "KEY", "value"},
        {"blanks around the names asked", "  [ S ]  \r\n\tkey\t=\tvalue\t\r\n", " s ", " key ", "value"},
        {"before the first section", "a=0\r\n[S]\r\n;a=1\r\nb=2\r\n", "S", "a", std::nullopt},
        {"a comment", "a=0\r\n[S]\r\n;a=1\r\nb=2\r\n", "S", ";a", std::nullopt},
        {"after a comment", "a=0\r\n[S]\r\n;a=1\r\nb=2\r\n", "S", "b", "2"},
        {"a line without equals", "[S]\r\nflag\r\n", "S", "flag", ""},
        {"everything after the first equals", "[S]\r\nk==a=b\r\n", "S", "k", "=a=b"},
        {"a header without its closing bracket", "[S]\r\n[broken\r\nk=1\r\n", "broken", "k", std::nullopt},
        {"a key under such a header", "[S]\r\n[broken\r\nk=1\r\n", "S", "k", "1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IniText(c.text).Find(c.section, c.key), c.value) << c.name;
    }
}

} // namespace
} // namespace quellar
