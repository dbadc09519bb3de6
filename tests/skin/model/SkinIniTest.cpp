#include "skin/model/SkinIni.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(SkinIni, SectionsAndKeysMatchWithoutRegardToCase) {
    const TSkinIniFile ini(
        "; comment\r\n[Personality]\r\n  Top = top.bmp \r\nTOPFRAME=2\r\n[colours]\nMenu=1 2 3\n"
        "[PERSONALITY]\r\ntopframe=9\r\nExtra=x\r\n");
    EXPECT_EQ(ini.ReadString("personality", "top", ""), "top.bmp");
    EXPECT_EQ(ini.ReadInteger("Personality", "TopFrame", 0), 2) << "the first of two equal keys wins";
    EXPECT_EQ(ini.ReadString("Personality", "extra", ""), "x") << "a repeated section adds to the first";
    EXPECT_EQ(ini.ReadString("Colours", "MENU", ""), "1 2 3");
    EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Personality", "colours"}));
    EXPECT_EQ(ini.ReadString("Nope", "Top", "def"), "def");
    EXPECT_FALSE(ini.ValueExists("Personality", "Bottom"));
}

TEST(SkinIni, IntegersAreDecimalDollarOrZeroXHexadecimal) {
    EXPECT_EQ(ParseIniInteger("42"), 42);
    EXPECT_EQ(ParseIniInteger(" -7 "), -7);
    EXPECT_EQ(ParseIniInteger("$1F"), 31);
    EXPECT_EQ(ParseIniInteger("0x1f"), 31);
    EXPECT_EQ(ParseIniInteger("0X10"), 16);
    EXPECT_EQ(ParseIniInteger("$FFFFFFFF"), -1) << "hexadecimal is a 32-bit pattern";
    EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
    EXPECT_FALSE(ParseIniInteger("2147483648"));
    EXPECT_FALSE(ParseIniInteger("$100000000"));
    EXPECT_FALSE(ParseIniInteger("12px"));
    EXPECT_FALSE(ParseIniInteger(""));
    EXPECT_FALSE(ParseIniInteger("$"));
    EXPECT_FALSE(ParseIniInteger("0x"));
    const TSkinIniFile ini("[S]\nA=abc\nB=\nC=$10\n");
    EXPECT_EQ(ini.ReadInteger("S", "A", 5), 5);
    EXPECT_EQ(ini.ReadInteger("S", "B", 6), 6);
    EXPECT_EQ(ini.ReadInteger("S", "C", 0), 16);
    EXPECT_EQ(ini.ReadInteger("S", "D", -1), -1);
}

TEST(SkinIni, RgbTextFillsRedGreenBlueInTurn) {
    EXPECT_EQ(ParseRGB("255 128 0", 7), 0x000080FF);
    EXPECT_EQ(ParseRGB("0,0,255", 7), 0x00FF0000);
    EXPECT_EQ(ParseRGB("10,20,30", 7), 0x001E140A);
    EXPECT_EQ(ParseRGB("10 20", 7), 0x0000000A) << "a last number is blue only after red and green";
    EXPECT_EQ(ParseRGB("255", 7), 0);
    EXPECT_EQ(ParseRGB("", 7), 7);
    EXPECT_EQ(ParseRGB("  1 ,, 2;;3  ", 7), 0x00030201) << "a run of non-digits ends one number";
    EXPECT_EQ(ParseRGB("256 257 511", 7), 0x00FF0100) << "the low 8 bits of each";
    EXPECT_EQ(ParseRGB("1 2 3 4 5", 7), 0x00030201) << "numbers after blue are ignored";
    EXPECT_EQ(ParseRGB("1000000000000000000007 0 0", 7), 7) << "long digit runs keep their low 8 bits";
}

} // namespace
} // namespace quellar
