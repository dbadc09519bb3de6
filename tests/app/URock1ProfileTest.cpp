// The settings-file routines and the profile rules they rely on. Every case runs against the
// portable file service and, in the Windows build, against the platform's own service, so the
// two are held to the same rules.
#include "app/U_Rock1.h"
#include "app/U_Rock1Profile.h"
#include "base/Exception.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace quellar {
namespace {

namespace fs = std::filesystem;

const std::string kSection = "KOR Quellar";

struct ServiceKind {
    const char* name;
    std::unique_ptr<IProfileService> (*make)();
};

void PrintTo(const ServiceKind& kind, std::ostream* os) {
    *os << kind.name;
}

const ServiceKind kServices[] = {
    {"File", &MakeFileProfileService},
#ifdef _WIN32
    {"Win32", &MakeWin32ProfileService},
#endif
};

class Settings : public ::testing::TestWithParam<ServiceKind> {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        dir_ = fs::temp_directory_path() /
               ("quellar-rock1-" + std::string(GetParam().name) + "-" + std::to_string(stamp));
        fs::create_directories(dir_);
        std::string name = info->name(); // "Case/Service"
        std::replace(name.begin(), name.end(), '/', '-');
        path_ = (dir_ / (name + ".ini")).string();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    void WriteRaw(const std::string& text) const {
        std::ofstream out(path_, std::ios::binary);
        out << text;
    }
    std::string ReadRaw() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The file's lines that are not blank, without their line ends.
    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(ReadRaw());
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (!line.empty()) {
                lines.push_back(line);
            }
        }
        return lines;
    }
    std::string Read(const std::string& key) const { return ReadIniValue(path_, kSection, key); }
    void Write(const std::string& key, const std::string& value) const {
        WriteIniValue(path_, kSection, key, value);
    }

    std::unique_ptr<IProfileService> service_ = GetParam().make();
    ProfileServiceOverride use_{*service_};
    fs::path dir_;
    std::string path_;
};

TEST_P(Settings, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(Read("Pest"), "");
    EXPECT_FALSE(fs::exists(path_)) << "reading never creates the file";
    WriteRaw("[Other]\r\nPest=1\r\n[KOR Quellar]\r\nFREQ=15000\r\n");
    EXPECT_EQ(Read("Pest"), "") << "a key of another section";
    EXPECT_EQ(ReadIniValue(path_, "Missing", "FREQ"), "");
    EXPECT_EQ(Read("FREQ"), "15000");
}

TEST_P(Settings, CreateIniIfMissingWritesTheSectionAndItemOnly) {
    CreateIniIfMissing(path_, kSection);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[KOR Quellar]", "Item=Data"}));
    EXPECT_EQ(Read("Pest"), "") << "a fresh file holds no PEST key, so the first read fails";
}

TEST_P(Settings, CreateIniIfMissingLeavesAnExistingFileUntouched) {
    for (const std::string& text :
         {std::string(), std::string("not an ini file at all\n"), std::string("[KOR Quellar]\r\nPEST=2\r\n"),
          std::string("[Other]\nx=1")}) {
        WriteRaw(text);
        CreateIniIfMissing(path_, kSection);
        EXPECT_EQ(ReadRaw(), text);
        fs::remove(path_);
    }
}

TEST_P(Settings, FirstSaveAfterCreationGivesTheDocumentedFile) {
    CreateIniIfMissing(path_, kSection);
    const std::pair<const char*, const char*> save[] = {
        {"PEST", "1"},     {"PC_SPK", "N"}, {"SOUND_DEV", "N"}, {"SAMPLE_RATE", "0"},
        {"TIME_CH", "0"},  {"VAL_CH", "0"}, {"MAST_VOL", "0"},  {"WAVE_FRM", "0"},
        {"DURATION", "0"}, {"AUTO", "N"},   {"FREQ", "15000"},
    };
    for (const auto& [key, value] : save) {
        Write(key, value);
    }
    EXPECT_EQ(ReadRaw(),
              "[KOR Quellar]\r\nItem=Data\r\nPEST=1\r\nPC_SPK=N\r\nSOUND_DEV=N\r\nSAMPLE_RATE=0\r\n"
              "TIME_CH=0\r\nVAL_CH=0\r\nMAST_VOL=0\r\nWAVE_FRM=0\r\nDURATION=0\r\nAUTO=N\r\n"
              "FREQ=15000\r\n");
    EXPECT_EQ(Read("Pest"), "1") << "written as PEST, read as Pest";
}

TEST_P(Settings, SaveAfterTheFileWasDeletedHasNoItemLine) {
    CreateIniIfMissing(path_, kSection);
    fs::remove(path_);
    Write("PEST", "1");
    Write("FREQ", "20000");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[KOR Quellar]", "PEST=1", "FREQ=20000"}));
}

TEST_P(Settings, SectionAndKeyNamesIgnoreLetterCase) {
    WriteRaw("[kor quellar]\r\npest=3\r\nAuto=Y\r\n");
    EXPECT_EQ(Read("PEST"), "3");
    EXPECT_EQ(Read("AUTO"), "Y");
    Write("PEST", "1");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[kor quellar]", "pest=1", "Auto=Y"}))
        << "the existing line is replaced, keeping its name as written";
    EXPECT_EQ(Read("Pest"), "1");
}

TEST_P(Settings, WrittenKeyReplacesItsValueWhereItStands) {
    WriteRaw("[KOR Quellar]\r\nPEST=1\r\nFREQ=15000\r\nAUTO=N\r\n");
    Write("FREQ", "17500");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[KOR Quellar]", "PEST=1", "FREQ=17500", "AUTO=N"}));
}

TEST_P(Settings, NewKeyGoesToTheEndOfItsSectionAndNewSectionToTheEndOfTheFile) {
    WriteRaw("; written by hand\r\n[KOR Quellar]\r\nPEST=1\r\n[Other]\r\nx=1\r\n");
    Write("FREQ", "16000");
    WriteIniValue(path_, "Third", "k", "v");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"; written by hand", "[KOR Quellar]", "PEST=1", "FREQ=16000",
                                                 "[Other]", "x=1", "[Third]", "k=v"}));
}

TEST_P(Settings, OnlyTheFirstSectionOfANameCounts) {
    WriteRaw("[KOR Quellar]\r\nPEST=1\r\n[KOR Quellar]\r\nFREQ=16000\r\n");
    EXPECT_EQ(Read("FREQ"), "");
    Write("FREQ", "17000");
    EXPECT_EQ(Read("FREQ"), "17000");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[KOR Quellar]", "PEST=1", "FREQ=17000", "[KOR Quellar]",
                                                 "FREQ=16000"}));
}

TEST_P(Settings, ValuesReadBackAsWritten) {
    for (const char* value : {"abc", "$FA", "250ms", "y", "-5", "a=b", "x;y", "[KOR Quellar]", "a  b", "",
                              "\"half-quoted", "30000"}) {
        Write("TIME_CH", value);
        EXPECT_EQ(Read("TIME_CH"), value);
    }
}

TEST_P(Settings, SurroundingBlanksAndOnePairOfQuotesAreNotPartOfAValue) {
    WriteRaw("[KOR Quellar]\r\n  TIME_CH =  250  \r\nVAL_CH=\"5\"\r\nDURATION='x'\r\nAUTO=\"Y'\r\n");
    EXPECT_EQ(Read("TIME_CH"), "250");
    EXPECT_EQ(Read("VAL_CH"), "5");
    EXPECT_EQ(Read("DURATION"), "x");
    EXPECT_EQ(Read("AUTO"), "\"Y'");
}

TEST_P(Settings, ValuesAreReadUpTo2047Characters) {
    const std::string longest(2047, '7');
    Write("TIME_CH", longest);
    EXPECT_EQ(Read("TIME_CH"), longest);
    Write("VAL_CH", std::string(3000, 'v'));
    EXPECT_EQ(Read("VAL_CH"), std::string(2047, 'v'));
}

TEST_P(Settings, ValueWithALineBreakIsStoredUpToTheBreak) {
    WriteRaw("[KOR Quellar]\r\nFREQ=15000\r\n");
    Write("TIME_CH", "100\r\nFREQ=99");
    Write("VAL_CH", "5\n[Other]");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"[KOR Quellar]", "FREQ=15000", "TIME_CH=100", "VAL_CH=5"}));
}

TEST_P(Settings, FailedWriteRaisesWithThePath) {
    const std::string badPath = (dir_ / "no such folder" / "quellar.ini").string();
    try {
        WriteIniValue(badPath, kSection, "PEST", "1");
        FAIL() << "writing into a missing folder must raise";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Unable to write to " + badPath);
    }
    EXPECT_THROW(CreateIniIfMissing(badPath, kSection), Exception);
    EXPECT_EQ(ReadIniValue(badPath, kSection, "PEST"), "");
    EXPECT_FALSE(fs::exists(dir_ / "no such folder"));
}

TEST_P(Settings, AFolderIsNotASettingsFile) {
    fs::create_directory(path_);
    EXPECT_THROW(CreateIniIfMissing(path_, kSection), Exception);
    EXPECT_EQ(Read("PEST"), "");
}

INSTANTIATE_TEST_SUITE_P(Service, Settings, ::testing::ValuesIn(kServices),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quellar
