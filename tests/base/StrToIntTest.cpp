#include "base/StrToInt.h"
#include "base/Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace quellar {
namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

// Texts the settings file and the edit boxes may hold, with the number each one stands for.
const Accepted kAccepted[] = {
    {"250", 250},
    {" 250", 250},
    {"   250", 250},
    {"$FA", 250},
    {"$fa", 250},
    {"0x10", 16},
    {"0X10", 16},
    {"0xfF", 255},
    {"-5", -5},
    {"+7", 7},
    {"-$10", -16},
    {"+0x1F", 31},
    {"0", 0},
    {"-0", 0},
    {"007", 7},
    {"00000000000000000000001", 1},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"$7FFFFFFF", 2147483647},
    {"-$80000000", -2147483647 - 1},
    {"15000", 15000},
};

TEST(StrToInt, AcceptsDecimalAndHexadecimalWithSignAndLeadingBlanks) {
    for (const auto& c : kAccepted) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(c.text), c.value);
        EXPECT_EQ(TryStrToInt(c.text), c.value);
    }
}

// Texts that are not a whole number in the 32-bit range.
const char* const kRejected[] = {
    "",      // empty value or missing key
    " ",     // blanks only
    "250ms", // a unit after the number
    "250 ",  // nothing may follow, not even a blank
    "abc",   //
    "1.5",   //
    "1e3",   //
    "- 5",   // blanks only before the sign
    "--5",   //
    "+",     //
    "-",     //
    "$",     // prefix without digits
    "0x",    //
    "-0x",   //
    "$-10",  // the sign goes before the prefix
    "0x-1",  //
    "$G",    //
    "12A",   // hexadecimal digits need a prefix
    "\t5",   // only spaces count as leading blanks
    "x10",   //
    "2147483648", "-2147483649",
    "$80000000", // a hexadecimal text is a magnitude, not a bit pattern
    "$FFFFFFFF",  "99999999999999999999", "0x100000000",
};

TEST(StrToInt, RejectsEverythingElse) {
    for (const char* text : kRejected) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(TryStrToInt(text).has_value());
        EXPECT_THROW(StrToInt(text), EConvertError);
    }
}

TEST(StrToInt, ErrorQuotesTheTextAsGiven) {
    for (const std::string text : {"", " 250ms"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "'" << text << "' must be rejected";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), "'" + text + "' is not a valid integer value");
        }
    }
}

TEST(StrToInt, EmbeddedNulEndsNothing) {
    // A NUL inside the text is a character like any other, not the end of the text.
    EXPECT_FALSE(TryStrToInt(std::string("25\0"
                                         "0",
                                         4))
                     .has_value());
}

TEST(StrToInt, EveryWrittenSettingReadsBack) {
    // The settings file writes integers in decimal with a leading minus when negative; each of
    // them must convert back to the same value.
    for (std::int32_t v : {-2147483647 - 1, -100, -1, 0, 1, 59, 15000, 20000, 2147483647}) {
        EXPECT_EQ(StrToInt(std::to_string(v)), v);
    }
}

} // namespace
} // namespace quellar
