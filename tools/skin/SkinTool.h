#pragma once
// quellar-skin: inspect and make skin packages.
//   list FILE.skn          member names and sizes
//   extract FILE.skn DIR   every member into DIR (names made safe: never outside DIR)
//   pack DIR OUT.skn       a package of DIR's files, LZHUF-compressed
//   make STYLE OUT.skn     draw a skin from a style file and pack it (docs/skin-format.md)
//   check FILE.skn         load it as the program does and report the model and any warnings
//                          (every number outside its range, every picture left empty)
//   view FILE.skn          start the skin viewer (beside this program) on it; Windows only
// Errors: one line on the error stream, exit status 2. check exits 1 when it has warnings.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace quellar {

int RunSkinTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A member name made into a plain file name: path separators, drive colons and other
// characters outside letters, digits, ".", "-" and "_" become "_"; leading dots go; an empty
// result becomes "member<index>".
std::string SafeMemberFileName(const std::string& name, int index);

// Starts quellar-skinview.exe from this program's folder on a skin file; throws when the file
// is missing or the viewer cannot be started (or on a system without the viewer).
int StartSkinViewer(const std::string& file, std::ostream& out);

class TSkinReader;

// Reads a skin file held in memory into a reader. Throws std::runtime_error naming the file
// (`name`) when the package is of another version or damaged.
TSkinReader OpenPackage(const std::vector<std::uint8_t>& file, const std::string& name);

// The check report of a skin file held in memory (`name` for the error messages); returns the
// number of warnings.
int CheckSkin(const std::vector<std::uint8_t>& file, std::ostream& out, const std::string& name = "");

// The warnings of the check report alone (the skin viewer lists them); a file that does not load
// gives one line saying why.
std::vector<std::string> SkinCheckWarnings(const std::vector<std::uint8_t>& file);

} // namespace quellar
