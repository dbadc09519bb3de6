#pragma once
// Which skin files the viewer offers: the skinN.skn files of a folder, in the order of N.
#include <string>
#include <vector>

namespace quellar {

// The number N of a file name "skinN.skn" (letter case ignored), or -1 for any other name.
int SkinFileNumber(const std::string& fileName);

// The names among fileNames that are skin files, ordered by their number; other names are left out.
std::vector<std::string> SkinFilesInOrder(const std::vector<std::string>& fileNames);

// The file names of a folder (files only; an unreadable folder gives none).
std::vector<std::string> FileNamesIn(const std::string& folder);

} // namespace quellar
