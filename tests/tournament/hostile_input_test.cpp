// Files that people hand the program by mistake or after editing them by hand: each gets its
// documented code, and a file that is read keeps only what its cells really say.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_files.h"
#include "tournament/status_codes.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

class HostileFile : public testing::Test {
protected:
    int read(const std::string& bytes) {
        writeText(dir_.file("hostile.txt"), bytes);
        return readTournament(table_, dir_.file("hostile.txt"), 1400);
    }

    const TempDir dir_;
    TournamentTable table_;
};

const std::string Top = "Open\nNo.;Name;Rtg;1.Rd.;;;2.Rd.;;\n";

TEST_F(HostileFile, BinaryBytesAreNoCrosstable) {
    std::string bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += static_cast<char>((i * 151 + 7) % 256);
    EXPECT_EQ(read(bytes), ErrorCannotOpenFile);
}

TEST_F(HostileFile, NulBytesStayInsideTheirField) {
    const std::string name("A\0B", 3);
    ASSERT_EQ(read(Top + "1;" + name + ";2000;2;w;1;;;\n2;B;2000;1;b;0;;;\n"), StatusOk);
    EXPECT_EQ(table_.name(0), name);
    EXPECT_EQ(table_.gamesAgainst(0, 1), 1);
}

TEST_F(HostileFile, AFieldTooLargeForMemoryIsRefusedBeforeAllocating) {
    std::string lines;
    lines.reserve(100000 * 8);
    for (int i = 0; i < 100000; ++i)
        lines += "1;A;0\n";
    EXPECT_EQ(read(Top + lines), StatusNoMemory);
}

}  // namespace
}  // namespace tiebreak
