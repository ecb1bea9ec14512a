#pragma once

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
// ".csv" ("C:\\t\\x.y.txt" gives "C:\\t\\x.y.csv", "open" gives "open.csv").
[[nodiscard]] std::string csvPathFor(const std::string& inputPath);

// Opens path with the program the desktop associates with it.
void openInShell(FileOpener& opener, const std::string& path);

}  // namespace tiebreak
