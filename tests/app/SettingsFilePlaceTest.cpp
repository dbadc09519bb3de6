// Which settings file the program picks, over a file system held in memory.
#include "app/SettingsFilePlace.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quellar {
namespace {

const std::string kLocal = "C:\\Users\\ann\\AppData\\Local";
const std::string kPerUser = "C:\\Users\\ann\\AppData\\Local\\KOR Quellar\\quellar.ini";

// Files and folders by path; the root of C: accepts new files only when `rootWritable`.
struct FakeFiles : ISettingsFileSystem {
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool CreateSettingsFile(const std::string& path) override {
        calls.push_back("create " + path);
        const bool inRoot = path.rfind("c:\\", 0) == 0 && path.find('\\', 3) == std::string::npos;
        if (inRoot && !rootWritable) {
            return false;
        }
        files.insert(path);
        return true;
    }
    std::string LocalAppDataFolder() override { return localAppData; }
    bool MakeFolder(const std::string& path) override {
        calls.push_back("folder " + path);
        return true;
    }

    std::set<std::string> files;
    bool rootWritable = true;
    std::string localAppData = kLocal;
    std::vector<std::string> calls;
};

TEST(SettingsFilePlace, FixedFileWinsWheneverItExistsOrCanBeCreated) {
    FakeFiles existing;
    existing.files = {"c:\\quellar.ini", kPerUser};
    existing.rootWritable = false;
    EXPECT_EQ(ChooseSettingsFile(existing), "c:\\quellar.ini");
    EXPECT_TRUE(existing.calls.empty()) << "an existing file is neither created nor looked past";

    FakeFiles creatable;
    EXPECT_EQ(ChooseSettingsFile(creatable), "c:\\quellar.ini");
    EXPECT_EQ(creatable.calls, std::vector<std::string>{"create c:\\quellar.ini"});
    EXPECT_TRUE(creatable.FileExists("c:\\quellar.ini"));
}

TEST(SettingsFilePlace, BlockedRootFallsBackToThePerUserFileAndFindsItAgainNextStart) {
    FakeFiles files;
    files.rootWritable = false;
    EXPECT_EQ(ChooseSettingsFile(files), kPerUser);
    EXPECT_EQ(files.calls, (std::vector<std::string>{"create c:\\quellar.ini",
                                                     "folder C:\\Users\\ann\\AppData\\Local\\KOR Quellar"}));
    files.files.insert(kPerUser); // the start-up creates it, a save fills it
    files.calls.clear();
    EXPECT_EQ(ChooseSettingsFile(files), kPerUser);
    EXPECT_EQ(files.calls.front(), "create c:\\quellar.ini") << "the fixed file is tried first every time";
}

TEST(SettingsFilePlace, WithoutALocalFolderTheFixedFileStays) {
    FakeFiles files;
    files.rootWritable = false;
    files.localAppData = "";
    EXPECT_EQ(ChooseSettingsFile(files), "c:\\quellar.ini");
    EXPECT_EQ(PerUserSettingsFile("D:\\Local\\"), "D:\\Local\\KOR Quellar\\quellar.ini");
}

} // namespace
} // namespace quellar
