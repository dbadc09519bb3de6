// The application manifest of every built program, read back from the program file's resources
// as the loader finds it (resource 1 of type 24).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {

std::string ManifestOf(const std::string& program) {
    HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        return "cannot load " + program;
    }
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {
        if (const void* bytes = LockResource(LoadResource(module, found))) {
            text.assign(static_cast<const char*>(bytes), SizeofResource(module, found));
        }
    }
    FreeLibrary(module);
    return text;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

TEST(ProgramManifest, EveryProgramRunsAsInvokerOnSevenToElevenUnawareOfDpiWithClassicControls) {
    const char* declarations[] = {
        R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
        R"(<supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"/>)", // Windows 7
        R"(<supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"/>)", // Windows 8
        R"(<supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"/>)", // Windows 8.1
        R"(<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>)", // Windows 10 and 11
        R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">false</dpiAware>)",
        R"(<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">unaware</dpiAwareness>)",
        R"(<gdiScaling xmlns="http://schemas.microsoft.com/SMI/2017/WindowsSettings">false</gdiScaling>)",
    };
    for (const char* program : {QUELLAR_PROGRAM, QUELLAR_SKINVIEW, QUELLAR_TONE_TOOL, QUELLAR_SKIN_TOOL}) {
        const std::string manifest = ManifestOf(program);
        ASSERT_EQ(manifest.rfind("<?xml", 0), 0u) << program << ": " << manifest;
        for (const char* declaration : declarations) {
            EXPECT_NE(manifest.find(declaration), std::string::npos) << program << " lacks " << declaration;
        }
        EXPECT_EQ(Lower(manifest).find("common-controls"), std::string::npos) << program;
        EXPECT_EQ(manifest.find("<dependency"), std::string::npos) << program;
    }
}

} // namespace
