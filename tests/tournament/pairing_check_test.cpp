#include "tournament/pairing_check.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tournament/crosstable_reader.h"
#include "tournament/status_codes.h"
#include "tournament/text_file.h"
#include "tournament/trf_reader.h"

namespace tiebreak {
namespace {

// A TRF player record without a rating: start number, name, round blocks from column 92.
std::string trf(int start, const std::string& name, const std::string& rounds) {
    std::string line = "001    " + std::to_string(start) + " m    " + name;
    line.resize(91, ' ');
    return line + rounds + "\n";
}

// The sample crosstable with one text replaced by another.
std::string sampleWith(const std::string& from, const std::string& to) {
    std::string text;
    EXPECT_EQ(readWholeFile(RPT_TEST_DATA_DIR "/../../samples/open_9_rounds.txt", text), StatusOk);
    return text.replace(text.find(from), from.size(), to);
}

// Files whose two sides of a round disagree, or whose player lines do not fit the header, with
// the reason of their refusal; an empty reason is a file that reads.
TEST(PairingCheck, ContradictionsAreRefusedNamingBothLines) {
    const std::string top = "T\nNo.;Name;Rtg;1.Rd.;;;2.Rd.;;\n";
    const auto two = [&](const std::string& alpha, const std::string& beta) {
        return top + "1;Alpha;2000;" + alpha + "\n2;Beta;1900;" + beta + "\n";
    };
    const std::tuple<const char*, std::string, std::string> rows[] = {
        {"result", two("2;w;1;-;-;-", "1;b;1;-;-;-"),
         "line 3, round 1: Alpha won against 2 (Beta) with white, but line 4 has Beta winning "
         "against 1 (Alpha) with black"},
        {"colour", two("2;w;1;-;-;-", "1;w;0;-;-;-"),
         "line 3, round 1: Alpha won against 2 (Beta) with white, but line 4 has Beta losing to 1 "
         "(Alpha) with white"},
        {"opponent", two("2;w;1;-;-;-", "-;-;+;-;-;-"),
         "line 3, round 1: Alpha met 2 (Beta), but line 4 has Beta without an opponent in round 1"},
        {"beyond", two("-;-;-;3;b;x", "-;-;-;-;-;-"),
         "line 3, round 2: Alpha met 3, but there are 2 player lines"},
        {"forfeit", two("2;w;+;-;-;-", "1;b;0;-;-;-"),
         "line 3, round 1: Alpha won by forfeit against 2 (Beta) with white, but line 4 has Beta "
         "losing to 1 (Alpha) with black"},
        {"wide", two("2;w;1;-;-;-;x", "1;b;0;-;-;-"), "line 3: 10 fields where the header has 9"},
        {"narrow", two("2;w;1;-", "1;b;0"), "line 4: 6 fields where the header has 9"},
        {"double forfeit, empty fields", two("2;-;-;-;-;-;;", "1;-;-;-") + "\n", ""},
        {"sample, opponent", sampleWith("Krzysztof;2300;POL;55", "Krzysztof;2300;POL;87"),
         "line 5, round 1: Mazur, Krzysztof met 87 (\xC5\xA0imek, Jakub), but line 90 has "
         "\xC5\xA0imek, Jakub without an opponent in round 1"},
        {"sample, name", sampleWith("Herrera, Carmen", "Herrera; Carmen"),
         "line 6: 35 fields where the header has 34"},
        {"trf colour", trf(1, "Alpha", "   2 b =") + trf(2, "Beta", "   1 b D"),
         "line 1, round 1: Alpha drew with 2 (Beta) with black, but line 2 has Beta drawing with 1 "
         "(Alpha) with black"},
        {"trf opponent, by start number in file order",
         trf(2, "Beta", "   3 b 0") + trf(1, "Alpha", "   2 w 1") + trf(3, "Gamma", "   2 w 1"),
         "line 2, round 1: Alpha met 2 (Beta), but line 1 has Beta against 3 in round 1"},
        {"trf record ended", trf(1, "Alpha", "   0 - H     2 w +") + trf(2, "Beta", "   0 - Z"),
         "line 1, round 2: Alpha met 2 (Beta), but line 2 has no round 2 for Beta"},
    };
    for (const auto& [name, text, expected] : rows) {
        SCOPED_TRACE(name);
        const auto lines = splitLines(text);
        TournamentTable table;
        std::string reason;
        const int status = isTrf(lines) ? readTrfLines(table, lines, 1400, &reason)
                                        : readCrosstableLines(table, lines, 1400, &reason);
        EXPECT_EQ(status, expected.empty() ? int{StatusOk} : int{ErrorUnsuitableFile});
        EXPECT_EQ(reason, expected);
    }
}

}  // namespace
}  // namespace tiebreak
