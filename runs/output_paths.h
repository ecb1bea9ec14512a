#pragma once

#include <string>

#include "runs/notices.h"

namespace tiebreak {

// The spreadsheet file beside inputPath: its extension, if the file name has one, replaced by
// ".csv" ("C:\\t\\x.y.txt" gives "C:\\t\\x.y.csv", "open" gives "open.csv"). An input that is
// itself a .csv (in any case) must not be overwritten: "t.csv" gives "t-tiebreaks.csv".
[[nodiscard]] std::string csvPathFor(const std::string& inputPath);

// True when csvPathFor gives inputPath a name other than the plain one.
[[nodiscard]] bool inputIsCsv(const std::string& inputPath);

// path in full: as it is when absolute, else joined to the working directory.
[[nodiscard]] std::string fullPath(const std::string& path);

// The folder that holds path, in full: what a results file that cannot be created there blames.
[[nodiscard]] std::string folderOf(const std::string& path);

// Opens path with the program the desktop associates with it; when no program can be started,
// a notice names the file's full path, so that the user learns where the results are.
void openInShell(FileOpener& opener, Notices& notices, const std::string& path);

}  // namespace tiebreak
