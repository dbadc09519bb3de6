#include "SkinTool.h"

#include "skin/package/LzhEncoder.h"
#include "skin/package/SkinReader.h"

#include "tests/support/SkinFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace quellar {
namespace {

namespace fs = std::filesystem;

class SkinToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("quellar_skin_tool_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    std::vector<std::uint8_t> Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>());
    }
    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        return RunSkinTool(args, out_, err_);
    }
    // What "check" reports on the skin file of that description and those members; a skin it
    // warns about exits with 1.
    std::string CheckReport(const std::string& ini, std::vector<TSkinPackageEntry> members) {
        Write(dir_ / "s.skn", test::SkinFile(ini, std::move(members)));
        EXPECT_EQ(Run({"check", (dir_ / "s.skn").string()}), 1);
        return out_.str();
    }

    fs::path dir_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(SkinToolTest, PackListAndExtractRoundTrip) {
    const auto ini = test::Bytes("[Personality]\r\nLeft=left.bmp\r\n");
    const auto bmp = test::Bmp(6, 20);
    Write(dir_ / "in" / "left.bmp", bmp);
    Write(dir_ / "in" / "skin.ini", ini);
    ASSERT_EQ(Run({"pack", (dir_ / "in").string(), (dir_ / "out.skn").string()}), 0) << err_.str();

    TSkinReader reader;
    ASSERT_TRUE(reader.ReadSkinBytes(Read(dir_ / "out.skn")));
    ASSERT_EQ(reader.Names(), (std::vector<std::string>{"skin.ini", "left.bmp"})) << "the description first";

    ASSERT_EQ(Run({"list", (dir_ / "out.skn").string()}), 0);
    EXPECT_EQ(out_.str(),
              "skin.ini\t" + std::to_string(ini.size()) + "\nleft.bmp\t" + std::to_string(bmp.size()) + "\n");

    ASSERT_EQ(Run({"extract", (dir_ / "out.skn").string(), (dir_ / "x").string()}), 0);
    EXPECT_EQ(Read(dir_ / "x" / "left.bmp"), bmp);
    EXPECT_EQ(Read(dir_ / "x" / "skin.ini"), ini);
}

TEST_F(SkinToolTest, ExtractedNamesNeverLeaveTheFolder) {
    EXPECT_EQ(SafeMemberFileName("../../etc/passwd", 0), "_.._etc_passwd");
    EXPECT_EQ(SafeMemberFileName("..\\..\\win.ini", 1), "_.._win.ini");
    EXPECT_EQ(SafeMemberFileName("c:\\boot.ini", 2), "c__boot.ini");
    EXPECT_EQ(SafeMemberFileName("..", 3), "member3");
    EXPECT_EQ(SafeMemberFileName("", 4), "member4");
    EXPECT_EQ(SafeMemberFileName(".hidden", 5), "hidden");
    Write(dir_ / "evil.skn", BuildSkinFile({{"../escape.ini", test::Bytes("x")},
                                            {"/abs.bmp", test::Bytes("y")},
                                            {"_escape.ini", test::Bytes("z")}}));
    ASSERT_EQ(Run({"extract", (dir_ / "evil.skn").string(), (dir_ / "x").string()}), 0);
    EXPECT_FALSE(fs::exists(dir_ / "escape.ini"));
    EXPECT_FALSE(fs::exists("/abs.bmp"));
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_ / "x")) {
        EXPECT_TRUE(e.is_regular_file());
        ++files;
    }
    EXPECT_EQ(files, 3) << "clashing safe names are kept apart";
}

TEST_F(SkinToolTest, CheckReportsTheModelAndWarnsAboutBadReferencesAndValues) {
    const std::string report =
        CheckReport("[TitlebarSkin]\r\nSkinName=Probe\r\n[Personality]\r\nLeft=left.bmp\r\n"
                    "Right=gone.bmp\r\nTop=top.BMP\r\nLeftFrame=two\r\n[Colours]\r\nMenu=red\r\n"
                    "[Button1]\r\nButtonImage=junk.bmp\r\nAction=0\r\n",
                    {{"left.bmp", test::Bmp(8, 40)}, {"junk.bmp", test::Bytes("not a bitmap")}});
    EXPECT_NE(report.find("skin: Probe"), std::string::npos);
    EXPECT_NE(report.find("Left                8x40, 1 frames"), std::string::npos) << report;
    EXPECT_NE(report.find("BUTTON1"), std::string::npos);
    EXPECT_NE(report.find("warnings: 5"), std::string::npos) << report;
    EXPECT_NE(report.find("gone.bmp: no such bitmap"), std::string::npos);
    EXPECT_NE(report.find("top.BMP: not a .bmp name"), std::string::npos);
    EXPECT_NE(report.find("junk.bmp: not a readable bitmap"), std::string::npos);
    EXPECT_NE(report.find("LeftFrame=two: not a whole number"), std::string::npos);
    EXPECT_NE(report.find("Menu=red: not an RGB text"), std::string::npos);
}

TEST_F(SkinToolTest, CheckSaysWhenAStripDoesNotFitItsFrames) {
    const std::string report =
        CheckReport("[Buttons]\r\nBitmap=b.bmp\r\nCheckButton=c.bmp\r\nCheckButtonFrame=3\r\n",
                    {{"b.bmp", test::Bmp(52, 20)}, {"c.bmp", test::Bmp(39, 13)}});
    EXPECT_NE(report.find("Buttons: 52 pixels do not split into 5 frames"), std::string::npos) << report;
    EXPECT_NE(report.find("CheckButton: 3 frames; the mark shows 4"), std::string::npos) << report;
}

TEST_F(SkinToolTest, MakeDrawsAndPacksTheSkinTheBuildMakesFromTheSameStyle) {
    const fs::path made = dir_ / "made.skn";
    ASSERT_EQ(Run({"make", QUELLAR_SOURCE_DIR "/assets/skins/skin4.style", made.string()}), 0) << err_.str();
    EXPECT_EQ(Read(made), Read(QUELLAR_RUN_DIR "/skin4.skn")) << "skin-art and pack give the same bytes";
    EXPECT_EQ(Run({"check", made.string()}), 0) << out_.str();

    Write(dir_ / "bad.style", test::Bytes("[Style]\r\nname=Bad\r\nborder=40\r\n"));
    EXPECT_EQ(Run({"make", (dir_ / "bad.style").string(), made.string()}), 2);
    EXPECT_NE(err_.str().find("bad.style: style key border: 40 is outside 3..10"), std::string::npos)
        << err_.str();
}

TEST_F(SkinToolTest, CheckNamesEveryNumberOutsideItsRangeAndEveryPictureLeftEmpty) {
    const std::string report =
        CheckReport("[Personality]\r\nLeft=wide.bmp\r\nLeftFrame=2\r\nTextShift=100000\r\n"
                    "[MenuItem]\r\nImage=wide.bmp\r\nLeftWidth=2000000\r\n",
                    {{"wide.bmp", test::Bmp(8194, 1)}});
    EXPECT_NE(report.find("[Personality] TextShift=100000: outside -4096 .. 4096, 4096 used"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("[MenuItem] LeftWidth=2000000: outside 0 .. 1024, 1024 used"), std::string::npos);
    EXPECT_NE(report.find("[Personality] Left: 8194 x 1 in 2 frames gives frames of 4097 x 1, larger than "
                          "4096 x 4096: left empty"),
              std::string::npos);
    // The same picture in five frames of 1638 pixels is kept.
    EXPECT_NE(report.find("MenuItem            8194x1, 5 frames, margins 1024 "), std::string::npos)
        << report;
}

TEST_F(SkinToolTest, ErrorsAreOneLineAndExitStatusTwo) {
    EXPECT_EQ(Run({"list", (dir_ / "missing.skn").string()}), 2);
    const std::string line = err_.str();
    EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
    EXPECT_NE(err_.str().find("cannot open"), std::string::npos);

    Write(dir_ / "old.skn",
          LzhCompress(std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Run({"check", (dir_ / "old.skn").string()}), 2);
    EXPECT_NE(err_.str().find("version 20000"), std::string::npos) << err_.str();

    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_NE(err_.str().find("usage:"), std::string::npos);
    EXPECT_EQ(Run({"pack", (dir_ / "nofolder").string(), (dir_ / "o.skn").string()}), 2);
    EXPECT_EQ(Run({"view", (dir_ / "missing.skn").string()}), 2);
    EXPECT_NE(err_.str().find("cannot open"), std::string::npos) << "before any viewer starts";
}

} // namespace
} // namespace quellar
