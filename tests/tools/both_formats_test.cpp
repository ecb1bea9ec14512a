// A tournament exported as a Swiss Manager crosstable and as a FIDE TRF file is one tournament:
// the runs give it the same results table and the same log whichever file they read.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "engine/engine_codes.h"
#include "runs/advanced_run.h"
#include "runs/run_codes.h"
#include "tools/crosstable_generator.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {
namespace {

class SilentNotices : public Notices {
public:
    void showError(const std::string& text) override { errors += text; }
    void showNotice(const std::string&) override {}
    void beep() override {}
    [[nodiscard]] Separators separators() const override { return {}; }
    std::string errors;
};

class NoOpener : public FileOpener {
public:
    bool open(const std::string&) override { return true; }
};

struct RunText {
    std::string table;
    std::string log;
};

RunText runOn(const std::string& path, const std::string& intermediate) {
    AdvancedRunOptions options;
    options.inputPath = path;
    options.method = {MethodRecursivePerformance, MethodRecursiveBucholz,
                      MethodRecursivePerformance, RowUnused};
    options.modification = {ModificationNone, ModificationRivalsAverage, ModificationRivalsAverage,
                            RowUnused};
    options.worst = {0, 1, 2, 0};
    options.best = {0, 1, 0, 0};
    options.sort = 1;
    options.eloForUnrated = 1450;
    options.headings = 1;
    options.intermediatePath = intermediate;
    std::ostringstream table;
    std::ostringstream log;
    options.plainTable = &table;
    SilentNotices notices;
    NoOpener opener;
    TournamentTable read;
    const int status = readTournament(read, path, options.eloForUnrated);
    EXPECT_EQ(runAdvancedAnalysis(notices, opener, options, log, read, status), RunFinished)
        << path << ": " << notices.errors;
    return {table.str(), log.str()};
}

TEST(BothFormats, GiveTheSameResultsAndLog) {
    const auto dir = std::filesystem::temp_directory_path() / "rpt_both_formats";
    std::filesystem::create_directories(dir);
    GeneratorOptions options;
    options.players = 64;
    options.rounds = 9;
    options.seed = 5;
    options.unratedShare = 0.1;
    options.byeShare = 0.03;
    options.forfeitShare = 0.02;
    options.absentShare = 0.02;
    options.playersWithoutGames = 1;
    const std::string crosstable = (dir / "open.txt").string();
    const std::string trf = (dir / "open.trf").string();
    ASSERT_TRUE(writeCrosstable(options, crosstable));
    options.trf = true;
    ASSERT_TRUE(writeCrosstable(options, trf));
    const std::string intermediate = (dir / "table.txt").string();
    const RunText fromCrosstable = runOn(crosstable, intermediate);
    const RunText fromTrf = runOn(trf, intermediate);
    EXPECT_GT(fromCrosstable.table.size(), 64u * 60);
    EXPECT_EQ(fromCrosstable.table, fromTrf.table);
    EXPECT_EQ(fromCrosstable.log, fromTrf.log);
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace tiebreak
