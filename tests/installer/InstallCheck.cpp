// Looks at an installed or unpacked KOR Quellar from inside Windows (Wine) for the install test:
//
//   install-check version FILE...      each file carries a version resource with the release's
//                                      version, product name and publisher
//   install-check shortcut LNK DIR     the shortcut points at DIR\quellar.exe with DIR as its
//                                      working directory, and the program started as the shortcut
//                                      starts it shows its main window
//   install-check run DIR              DIR\quellar.exe started in DIR shows its main window
//
// A started program answers the settings message a first start shows (no saved settings yet);
// any other message box, say the missing-picture error of a program started in the wrong folder,
// is a failure. The main window is then closed and the program must end. Exits 0 when everything
// holds, 1 with the reasons on stderr otherwise.
#include "app/UMain.h"

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kWindowTimeoutMs = 30000; // the first start in a fresh prefix may take a while
constexpr DWORD kEndTimeoutMs = 10000;
constexpr const char* kFirstStartText = "'' is not a valid integer value.";

int failures = 0;

void Fail(const std::string& what) {
    std::fprintf(stderr, "install-check: %s\n", what.c_str());
    ++failures;
}

bool SamePath(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// ---- version resource ----

std::string VersionString(const std::vector<char>& info, const char* block, const char* key) {
    char* value = nullptr;
    UINT length = 0;
    const std::string path = std::string("\\StringFileInfo\\") + block + "\\" + key;
    if (!VerQueryValueA(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) ||
        length == 0) {
        return {};
    }
    return value;
}

void CheckVersion(const std::string& file) {
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), nullptr);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, info.data())) {
        Fail(file + ": no version resource");
        return;
    }
    // The first language and code page the resource lists names its string block.
    WORD* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < 4) {
        Fail(file + ": the version resource names no language");
        return;
    }
    char block[9];
    std::snprintf(block, sizeof block, "%04X%04X", translation[0], translation[1]);
    const std::pair<const char*, std::string> expected[] = {{"FileVersion", QUELLAR_VERSION},
                                                            {"ProductVersion", QUELLAR_VERSION},
                                                            {"ProductName", QUELLAR_PRODUCT_NAME},
                                                            {"CompanyName", QUELLAR_PUBLISHER}};
    for (const auto& [key, value] : expected) {
        const std::string found = VersionString(info, block, key);
        if (found != value) {
            Fail(file + ": " + key + " is \"" + found + "\", expected \"" + value + "\"");
        }
    }
    for (const char* key : {"FileDescription", "LegalCopyright"}) {
        if (VersionString(info, block, key).empty()) {
            Fail(file + ": no " + key);
        }
    }
}

// ---- the shortcut ----

struct Shortcut {
    std::string target, workingDir;
};

bool ReadShortcut(const std::string& lnk, Shortcut& out) {
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link)))) {
        return false;
    }
    IPersistFile* file = nullptr;
    bool ok = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)));
    if (ok) {
        std::wstring wide(lnk.begin(), lnk.end());
        char target[MAX_PATH] = {}, dir[MAX_PATH] = {};
        ok = SUCCEEDED(file->Load(wide.c_str(), STGM_READ)) &&
             SUCCEEDED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
             SUCCEEDED(link->GetWorkingDirectory(dir, MAX_PATH));
        out = {target, dir};
        file->Release();
    }
    link->Release();
    return ok;
}

// ---- the running program ----

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

// Answers every visible message box of the process with OK; false when one said something
// other than the first-start settings message.
bool AnswerBoxes(DWORD pid) {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    bool expected = true;
    for (HWND hwnd : windows) {
        DWORD owner = 0;
        char cls[32] = {}, text[512] = {};
        GetWindowThreadProcessId(hwnd, &owner);
        GetClassNameA(hwnd, cls, sizeof cls);
        if (owner != pid || lstrcmpA(cls, "#32770") != 0 || !IsWindowVisible(hwnd)) {
            continue;
        }
        GetDlgItemTextA(hwnd, 0xFFFF, text, sizeof text); // the box's message line
        std::printf("install-check: message box: %s\n", text);
        if (lstrcmpA(text, kFirstStartText) != 0) {
            Fail(std::string("the program said \"") + text + "\"");
            expected = false;
        }
        PostMessageA(GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0);
    }
    return expected;
}

// Starts EXE in DIR, waits for its main window, closes it and waits for the program to end.
void CheckProgramStarts(const std::string& exe, const std::string& dir) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string command = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si,
                        &pi)) {
        Fail("cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
        return;
    }
    CloseHandle(pi.hThread);
    HWND main = nullptr;
    const DWORD until = GetTickCount() + kWindowTimeoutMs;
    bool fine = true;
    while (main == nullptr && fine && GetTickCount() < until &&
           WaitForSingleObject(pi.hProcess, 50) == WAIT_TIMEOUT) {
        fine = AnswerBoxes(pi.dwProcessId);
        HWND found = FindWindowA("TfrmMain", quellar::kMainCaption);
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (found != nullptr && owner == pi.dwProcessId && IsWindowVisible(found)) {
            main = found;
        }
    }
    if (main != nullptr) {
        std::printf("install-check: main window \"%s\" shown\n", quellar::kMainCaption);
        PostMessageA(main, WM_CLOSE, 0, 0);
    } else if (fine) {
        Fail("no main window of " + exe + " appeared");
    }
    if (WaitForSingleObject(pi.hProcess, kEndTimeoutMs) != WAIT_OBJECT_0) {
        Fail("the program did not end; ending it");
        TerminateProcess(pi.hProcess, 1);
    }
    CloseHandle(pi.hProcess);
}

void CheckShortcut(const std::string& lnk, const std::string& dir) {
    Shortcut shortcut;
    if (!ReadShortcut(lnk, shortcut)) {
        Fail("cannot read the shortcut " + lnk);
        return;
    }
    std::printf("install-check: shortcut: \"%s\" in \"%s\"\n", shortcut.target.c_str(),
                shortcut.workingDir.c_str());
    const std::string exe = dir + "\\quellar.exe";
    if (!SamePath(shortcut.target, exe)) {
        Fail("the shortcut starts \"" + shortcut.target + "\", expected \"" + exe + "\"");
    }
    if (!SamePath(shortcut.workingDir, dir)) {
        Fail("the shortcut's working directory is \"" + shortcut.workingDir + "\", expected \"" + dir + "\"");
    }
    // As the shell starts a shortcut: its target in its working directory.
    CheckProgramStarts(shortcut.target, shortcut.workingDir);
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "version") {
        for (std::size_t i = 1; i < args.size(); ++i) {
            CheckVersion(args[i]);
        }
    } else if (args.size() == 3 && args[0] == "shortcut") {
        CoInitialize(nullptr);
        CheckShortcut(args[1], args[2]);
        CoUninitialize();
    } else if (args.size() == 2 && args[0] == "run") {
        CheckProgramStarts(args[1] + "\\quellar.exe", args[1]);
    } else {
        std::fprintf(stderr, "usage: install-check version FILE... | shortcut LNK DIR | run DIR\n");
        return 2;
    }
    return failures == 0 ? 0 : 1;
}
