#pragma once

#include <ostream>

#include "runs/notices.h"
#include "runs/run_result.h"

namespace tiebreak {

// The results table of a finished run, one line per player in the run's order after an optional
// heading line:
//
//   NAME;                         PTS;                RP;        RP(A(1-0))
//   Lindqvist, Elin;              2.5;  2117.220036204263; 2125.877175431915
//
// The name and its ';' fill 30 characters, the points follow with one decimal, then one column
// per row, the first row's first. The advanced run's columns are 17 wide with 12 decimals, a FIDE
// tie-break's with the decimals FIDE shows it with; where a FIDE tie-break ranks, a rank column
// comes first ("5-7" for places shared). The simple run's columns share 43 characters (between 7
// and 17 each) with five decimals fewer than their width, and its heading's first label has two
// spaces after its separator, as the values do. A player without a value shows "-". Written with
// '.' and ';', whatever the locale.
void writePlainTable(std::ostream& out, const RunResult& result);

// The same table as a spreadsheet file, written field by field: the locale's list separator
// between fields, its decimal separator in the numbers, an empty field where there is no value,
// and the names exactly as read. A field
// holding the list separator, a double quote or a line end is enclosed in double quotes, its
// quotes doubled. A table whose names are UTF-8 (and not all ASCII) starts with a byte-order
// mark, so that spreadsheet programs on Windows read it as UTF-8 rather than in the ANSI code
// page; names in any other encoding are written as they are, without one.
void writeSpreadsheet(std::ostream& out, const RunResult& result, const Separators& separators);

}  // namespace tiebreak
