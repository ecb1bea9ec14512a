#pragma once

#include <ostream>
#include <string>

#include "runs/notices.h"

namespace tiebreak {

// Copies the results table source into the spreadsheet file target, replacing each '.' by the
// locale's decimal separator and then each ';' by its list separator. A field that then holds
// the list separator or a double quote is enclosed in double quotes, its quotes doubled, so that
// "Lastname, Firstname" stays one column where lists are separated by commas. Returns 0,
// ErrorCannotOpenFile when source cannot be read, ErrorCannotCreateOutput when target cannot be
// created (target is created, and left empty, even when source cannot be read), or
// ErrorNoMemory.
[[nodiscard]] int convertToSpreadsheet(const std::string& source, const std::string& target,
                                       const Notices& notices);

// The conversion as both drivers end a run: convert, then delete source whatever the conversion
// gave. Returns the conversion's result, which the caller shows with the target's name.
[[nodiscard]] int convertAndRemove(const std::string& source, const std::string& target,
                                   Notices& notices);

// The spreadsheet file beside inputPath: its extension, if the file name has one, replaced by
// ".csv" ("C:\\t\\x.y.txt" gives "C:\\t\\x.y.csv", "open" gives "open.csv"). An input that is
// itself a .csv (in any case) must not be overwritten: "t.csv" gives "t-tiebreaks.csv".
[[nodiscard]] std::string csvPathFor(const std::string& inputPath);

// True when csvPathFor gives inputPath a name other than the plain one.
[[nodiscard]] bool inputIsCsv(const std::string& inputPath);

// Tells the log where the results of a .csv input went, the name of their own that keeps them
// from overwriting it; nothing for any other input.
void logResultsName(std::ostream& log, const std::string& inputPath, const std::string& csvPath);

// The folder that holds path, in full: what a results table that cannot be created there blames.
[[nodiscard]] std::string folderOf(const std::string& path);

// Opens path with the program the desktop associates with it; when no program can be started,
// a notice names the file's full path, so that the user learns where the results are.
void openInShell(FileOpener& opener, Notices& notices, const std::string& path);

}  // namespace tiebreak
