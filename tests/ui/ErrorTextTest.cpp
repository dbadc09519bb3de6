#include "ui/ErrorText.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(ErrorText, FullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(WithFullStop("abc"), "abc.");
    EXPECT_EQ(WithFullStop("value 7"), "value 7.");
    EXPECT_EQ(WithFullStop("'' is not a valid integer value"), "'' is not a valid integer value.");
    EXPECT_EQ(WithFullStop("abc!"), "abc!");
    EXPECT_EQ(WithFullStop("abc."), "abc.");
    EXPECT_EQ(WithFullStop("abc "), "abc ");
    EXPECT_EQ(WithFullStop("abc-"), "abc-");  // '-' sorts before '.'
    EXPECT_EQ(WithFullStop("abc/"), "abc/."); // '/' sorts after it
    EXPECT_EQ(WithFullStop(""), "");
    EXPECT_EQ(WithFullStop("caf\xE9"), "caf\xE9."); // bytes above 127 sort after '.'
}

} // namespace
} // namespace quellar
