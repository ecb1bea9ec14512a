// Files that people hand the program by mistake or after editing them by hand: each gets its
// documented code, and a file that is read keeps only what its cells really say.
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tournament/status_codes.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

class HostileFile : public testing::Test {
protected:
    int read(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary) << bytes;
        return readTournament(table_, path_, 1400);
    }
    void TearDown() override { std::filesystem::remove(path_); }

    const std::string path_ =
        (std::filesystem::temp_directory_path() / ("rpt_hostile_" + std::to_string(getpid())))
            .string();
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

TEST_F(HostileFile, BadOpponentNumbersRecordNoGame) {
    // Opponent 0, negative, beyond 32 bits, not a number, and the player himself beyond the
    // table: no game is counted anywhere, and the file is still read.
    ASSERT_EQ(read(Top + "1;A;0;0;w;1;-5;w;1\n2;B;0;99999999999;w;1;abc;w;1\n3;C;0;4;b;x;;;\n"),
              StatusOk);
    for (std::uint32_t i = 0; i < 3; ++i)
        EXPECT_EQ(table_.gamesPlayed(i), 0) << i;
    EXPECT_EQ(table_.maxGamesPlayed(), 0u);
}

TEST_F(HostileFile, NamesKeepTheirBytesInAnyEncoding) {
    const std::string cp1252 = "M\xfcller";    // Windows-1252
    const std::string utf8 = "M\xc3\xbcller";  // UTF-8
    ASSERT_EQ(read("\xef\xbb\xbf" + Top + "1;" + cp1252 + ";2100\n2;" + utf8 + ";2000\n"),
              StatusOk);
    EXPECT_EQ(table_.name(0), cp1252);
    EXPECT_EQ(table_.name(1), utf8);
}

TEST_F(HostileFile, AnUnreadableFileCannotBeOpened) {
    ASSERT_EQ(read(Top + "1;A;2000\n2;B;2000\n"), StatusOk);
#ifdef _WIN32
    GTEST_SKIP() << "file permissions do not stop reading on Windows";
#else
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
#endif
    std::filesystem::permissions(path_, std::filesystem::perms::none);
    TournamentTable again;
    EXPECT_EQ(readTournament(again, path_, 1400), ErrorCannotOpenFile);
}

}  // namespace
}  // namespace tiebreak
