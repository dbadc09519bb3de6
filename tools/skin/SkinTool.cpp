#include "SkinTool.h"

#include "SkinArt.h"
#include "skin/model/SkinMessage.h"
#include "skin/package/LZH.h"
#include "skin/package/SkinPackageWriter.h"
#include "skin/package/SkinReader.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <set>
#include <stdexcept>

namespace quellar {

namespace fs = std::filesystem;

namespace {

constexpr int ExitError = 2;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path.string());
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

int List(const std::string& file, std::ostream& out) {
    const TSkinReader reader = OpenPackage(ReadFile(file), file);
    for (int i = 0; i < reader.Count(); ++i) {
        out << reader.Names()[static_cast<std::size_t>(i)] << "\t" << reader.Size(i) << "\n";
    }
    return 0;
}

int Extract(const std::string& file, const std::string& dir, std::ostream& out) {
    const TSkinReader reader = OpenPackage(ReadFile(file), file);
    fs::create_directories(dir);
    std::set<std::string> used;
    for (int i = 0; i < reader.Count(); ++i) {
        std::string name = SafeMemberFileName(reader.Names()[static_cast<std::size_t>(i)], i);
        while (!used.insert(name).second) {
            name = "_" + name;
        }
        const auto bytes = reader.Entry(i);
        WriteFile(fs::path(dir) / name, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        out << name << "\n";
    }
    return 0;
}

// The description first (the program takes the first ".ini" member), the rest by name.
void SortForPackage(std::vector<TSkinPackageEntry>& entries) {
    const auto isIni = [](const TSkinPackageEntry& e) { return fs::path(e.name).extension() == ".ini"; };
    std::sort(entries.begin(), entries.end(), [&](const TSkinPackageEntry& a, const TSkinPackageEntry& b) {
        return isIni(a) != isIni(b) ? isIni(a) : a.name < b.name;
    });
}

int Pack(const std::string& dir, const std::string& file) {
    if (!fs::is_directory(dir)) {
        throw std::runtime_error(dir + " is not a folder");
    }
    std::vector<fs::path> paths;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.is_regular_file()) {
            paths.push_back(e.path());
        }
    }
    std::vector<TSkinPackageEntry> entries;
    for (const fs::path& p : paths) {
        entries.push_back({p.filename().string(), ReadFile(p)});
    }
    SortForPackage(entries);
    WriteFile(file, BuildSkinFile(entries));
    return 0;
}

// Draws a skin from its style and packs it in one step: the same bytes as skin-art followed by
// pack, without the folder between them.
int Make(const std::string& styleFile, const std::string& file) {
    const std::vector<std::uint8_t> text = ReadFile(styleFile);
    art::TSkinStyle style;
    try {
        style = art::ParseSkinStyle(std::string(text.begin(), text.end()));
    } catch (const std::exception& e) {
        throw std::runtime_error(styleFile + ": " + e.what());
    }
    std::vector<TSkinPackageEntry> entries = art::DrawSkin(style);
    SortForPackage(entries);
    WriteFile(file, BuildSkinFile(entries));
    return 0;
}

} // namespace

// Opens a package; the version message becomes the error.
TSkinReader OpenPackage(const std::vector<std::uint8_t>& file, const std::string& name) {
    const std::string prefix = name.empty() ? "" : name + ": ";
    TSkinReader reader;
    std::string message;
    const TSkinMessageProc previous = SetSkinMessageProc([&](const std::string& text) { message = text; });
    bool ok = false;
    try {
        ok = reader.ReadSkinBytes(file);
    } catch (...) {
        SetSkinMessageProc(previous);
        throw;
    }
    SetSkinMessageProc(previous);
    if (!message.empty()) {
        throw std::runtime_error(prefix + "not a skin package of version 20000");
    }
    if (!ok) {
        throw std::runtime_error(prefix + "damaged skin package");
    }
    return reader;
}

std::string SafeMemberFileName(const std::string& name, int index) {
    std::string out;
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '.' || c == '-' || c == '_';
        out.push_back(plain ? c : '_');
    }
    out.erase(0, out.find_first_not_of('.'));
    if (out.empty() || out.find_first_not_of('.') == std::string::npos) {
        out = "member" + std::to_string(index);
    }
    return out;
}

int RunSkinTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string usage = "usage: quellar-skin list FILE.skn | extract FILE.skn DIR | pack DIR OUT.skn | "
                              "make STYLE.style OUT.skn | check FILE.skn | view FILE.skn";
    try {
        const std::string command = args.empty() ? "" : args[0];
        if (command == "list" && args.size() == 2) {
            return List(args[1], out);
        }
        if (command == "extract" && args.size() == 3) {
            return Extract(args[1], args[2], out);
        }
        if (command == "pack" && args.size() == 3) {
            return Pack(args[1], args[2]);
        }
        if (command == "make" && args.size() == 3) {
            return Make(args[1], args[2]);
        }
        if (command == "check" && args.size() == 2) {
            return CheckSkin(ReadFile(args[1]), out, args[1]) == 0 ? 0 : 1;
        }
        if (command == "view" && args.size() == 2) {
            return StartSkinViewer(args[1], out);
        }
        err << usage << "\n";
        return ExitError;
    } catch (const std::exception& e) {
        err << "quellar-skin: " << e.what() << "\n";
        return ExitError;
    }
}

} // namespace quellar
