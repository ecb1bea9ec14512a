// rptiebreaks-cli run as a program, in a directory of its own, with the C locale's separators.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/runs/named_rows.h"

extern char** environ;

namespace tiebreak {
namespace {

namespace fs = std::filesystem;

const fs::path Data = RPT_TEST_DATA_DIR;
const fs::path Expected = Data / "runs" / "expected";

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

class CliProgram : public ::testing::Test {
protected:
    CliProgram() {
        std::random_device seed;
        dir = fs::temp_directory_path() / ("rpt-cli-" + std::to_string(seed()));
        fs::create_directories(dir);
        fs::copy_file(Data / "runs" / "four_rounds.txt", dir / "four_rounds.txt");
    }
    ~CliProgram() override {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // Runs the program on arguments in dir (no shell anywhere), with LC_ALL=C and dir first on
    // the PATH; standard error goes to terminal instead of a file when that names one.
    Finished run(const std::vector<std::string>& arguments, const std::string& terminal = {}) {
        std::vector<std::string> words{RPT_CLI};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        std::vector<std::string> variables{"LC_ALL=C", "PATH=" + dir.string() + ":/usr/bin:/bin"};
        std::vector<char*> envp;
        for (std::string& variable : variables)
            envp.push_back(variable.data());
        envp.push_back(nullptr);

        const std::string out = (dir / "stdout.txt").string();
        const std::string err = (dir / "stderr.txt").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        if (terminal.empty()) {
            posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                             0600);
        } else {
            posix_spawn_file_actions_addopen(&actions, 2, terminal.c_str(), O_WRONLY | O_NOCTTY, 0);
        }
        const fs::path previous = fs::current_path();
        fs::current_path(dir);
        pid_t child = 0;
        const int spawned =
            posix_spawn(&child, RPT_CLI, &actions, nullptr, argv.data(), envp.data());
        fs::current_path(previous);
        posix_spawn_file_actions_destroy(&actions);
        Finished finished;
        if (spawned != 0) return finished;
        int status = 0;
        waitpid(child, &status, 0);
        finished.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        finished.out = readText(out);
        finished.err = readText(err);
        fs::remove(out);
        std::error_code ignored;  // none with a terminal
        fs::remove(err, ignored);
        return finished;
    }

    fs::path dir;
};

TEST_F(CliProgram, OutputDashPrintsThePlainTable) {
    const Finished advanced = run({"--output", "-", "four_rounds.txt"});
    EXPECT_EQ(advanced.status, 0);
    EXPECT_EQ(advanced.out, readText(Expected / "advanced_one_row.txt"));
    EXPECT_EQ(advanced.err, "");
    const Finished simple =
        run({"--simple", "rp", "-o", "-", "--no-sort", "--no-headings", "four_rounds.txt"});
    EXPECT_EQ(simple.status, 0);
    EXPECT_EQ(simple.out, readText(Expected / "simple_unsorted_without_headings.txt"));
    EXPECT_EQ(fs::directory_iterator(dir)->path().filename(), "four_rounds.txt") << "nothing else";
}

// A name with blanks, quotes, an ampersand, a command substitution and a newline: the .csv lies
// beside it, the opener gets the path as one argument and nothing else runs. The rivals warning
// goes to standard error and the status stays 0. The log names the private intermediate table, gone
// afterwards.
TEST_F(CliProgram, CsvBesideAnAwkwardNameOpenedWithoutAShell) {
    const std::string name = "it's \"a\" & b; touch pwned.txt $(touch pwned.txt)\nline two";
    fs::copy_file(Data / "runs" / "no_games.txt", dir / (name + ".txt"));
    std::ofstream(dir / "xdg-open") << "#!/bin/sh\nprintf '%s' \"$1\" > opened.txt\n";
    fs::permissions(dir / "xdg-open", fs::perms::owner_all);
    const Finished finished =
        run({"-t", "rb:avg:0:0", "--log", "run.log", "--open", "--beep", name + ".txt"});
    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(finished.err,
              "One of the tie-breaks cannot be calculated because\nmore rivals "
              "than rounds were taken out.\n\a");
    EXPECT_EQ(readText(dir / (name + ".csv")), readText(Expected / "advanced_no_games.csv"));
    EXPECT_EQ(readText(dir / "opened.txt"), name + ".csv");
    EXPECT_FALSE(fs::exists(dir / "pwned.txt"));

    const std::string log = readText(dir / "run.log");
    const std::regex intermediate("Output file: (.*)\n");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(log, match, intermediate)) << log;
    EXPECT_FALSE(fs::exists(match[1].str()));
    EXPECT_NE(match[1].str().find(fs::temp_directory_path().string()), std::string::npos);
    EXPECT_EQ(std::regex_replace(log, intermediate, "Output file: output_aux_rp.txt\n"),
              readText(Expected / "advanced_no_games.log"));
}

TEST_F(CliProgram, SimpleRunLogToStandardErrorAndTheCsvWhereAsked) {
    const Finished finished =
        run({"--simple", "ma", "--log", "-", "-o", "results.csv", "four_rounds.txt"});
    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(finished.out, "");
    EXPECT_EQ(finished.err.rfind("Input file: four_rounds.txt\n\nExecuting methods...\n", 0), 0u)
        << finished.err;
    const std::string csv = readText(dir / "results.csv");
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "NAME;                         PTS;        "
              "RP(MA)(1,0);                RP");
}

// The .csv cannot be made where it belongs: a directory holds its name, or (for anyone but root,
// who writes anywhere) its directory is read-only. One message, status 1, the crosstable as it
// was, and nothing left behind.
TEST_F(CliProgram, CsvThatCannotBeCreated) {
    const std::string input = readText(dir / "four_rounds.txt");
    fs::create_directory(dir / "four_rounds.csv");
    const Finished taken = run({"four_rounds.txt"});
    EXPECT_EQ(taken.status, 1);
    EXPECT_EQ(taken.err,
              "It was not possible to generate an output file. Check that file\n"
              "four_rounds.csv\nhas not been opened with another application.\n");
    EXPECT_TRUE(fs::is_empty(dir / "four_rounds.csv"));
    EXPECT_EQ(readText(dir / "four_rounds.txt"), input);

    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only directories";
    fs::create_directory(dir / "read-only");
    fs::permissions(dir / "read-only", fs::perms::owner_read | fs::perms::owner_exec);
    const Finished denied = run({"-o", "read-only/x.csv", "four_rounds.txt"});
    fs::permissions(dir / "read-only", fs::perms::owner_all);
    EXPECT_EQ(denied.status, 1);
    EXPECT_EQ(denied.err.rfind("It was not possible to generate an output file.", 0), 0u);
    EXPECT_TRUE(fs::is_empty(dir / "read-only"));
}

// On a terminal, where a person waits, each phase of the run is a line of standard error; the
// runs above, whose standard error is a file, print none.
TEST_F(CliProgram, PhasesOnATerminal) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const Finished finished = run({"-t", "rp", "-t", "rb", "four_rounds.txt"}, ptsname(master));
    EXPECT_EQ(finished.status, 0);
    fcntl(master, F_SETFL, O_NONBLOCK);
    std::string shown;
    char buffer[4096];
    for (ssize_t got; (got = read(master, buffer, sizeof buffer)) > 0;)
        shown.append(buffer, static_cast<std::size_t>(got));
    close(master);
    std::string expected;
    for (const char* phase :
         {"Reading the file", "Iterating recursive performance", "Cross-check by decomposition",
          "Iterating recursive Bucholz", "Cross-check by decomposition", "Writing the results"})
        expected += std::string("rptiebreaks-cli: ") + phase + "\r\n";  // the terminal's line ends
    EXPECT_EQ(shown, expected);
}

// A refused file's reason follows the box text, with the line it concerns.
TEST_F(CliProgram, RefusalSaysWhy) {
    std::ofstream(dir / "gap.trf") << "012 Open\n"
                                   << "001    1      A" << std::string(76, ' ') << "   3 w 1\n";
    const Finished finished = run({"--simple", "none", "gap.trf"});
    EXPECT_EQ(finished.status, 1);
    EXPECT_EQ(finished.err,
              "It was not possible to open file\ngap.trf\nCheck whether this file is a valid file "
              "generated by Swiss Manager.\nline 2: round 1 refers to start number 3, which no "
              "player record has\n");
}

// With --open and no program to open the results, standard error says where they are.
TEST_F(CliProgram, ResultsThatCannotBeOpenedAreNamed) {
    std::ofstream(dir / "xdg-open") << "#!/bin/sh\nexit 3\n";
    fs::permissions(dir / "xdg-open", fs::perms::owner_all);
    const Finished finished = run({"--open", "four_rounds.txt"});
    EXPECT_EQ(finished.status, 0);
    EXPECT_EQ(finished.err, "The results were written to\n" + (dir / "four_rounds.csv").string() +
                                "\nbut no program could be started to open them.\n");
}

// A name holding markup shows as text on the web page, whose players stand in the order of the
// results table of the same run; the page names nothing from outside.
TEST_F(CliProgram, WebPageEscapesNamesAndFollowsTheTable) {
    std::string crosstable = readText(dir / "four_rounds.txt");
    const std::string name = "O'Neill, Kate";
    crosstable.replace(crosstable.find(name), name.size(), "<script>alert(1)</script> & Co");
    std::ofstream(dir / "markup.txt", std::ios::binary) << crosstable;
    const Finished finished = run({"-t", "rb", "-t", "rp:avg:1:0", "--html", "page.html", "-o", "-",
                                   "--no-headings", "markup.txt"});
    EXPECT_EQ(finished.status, 0) << finished.err;
    const std::string page = readText(dir / "page.html");
    EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt; &amp; Co"), std::string::npos);
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("src="), std::string::npos);
    EXPECT_EQ(page.find("href="), std::string::npos);

    std::istringstream table(finished.out);
    std::size_t previous = 0;
    for (std::string line; std::getline(table, line);) {
        const std::string start = line.front() == '<' ? "&lt;script&gt;" : line.substr(0, 4);
        const std::size_t at = page.find("<summary>" + start);
        ASSERT_NE(at, std::string::npos) << line;
        EXPECT_GT(at, previous) << line;
        previous = at;
    }
}

// A player chosen by the line of the file that holds him: the third player of the crosstable,
// whose header is its third line.
TEST_F(CliProgram, ExplanationOfThePlayerOnALine) {
    const Finished finished = run({"--explain", "6", "four_rounds.txt"});
    EXPECT_EQ(finished.status, 0) << finished.err;
    EXPECT_EQ(finished.out.rfind("3 Smith, J. \"Jack\" (line 6): 2.5 points, 4 games played\n", 0),
              0u)
        << finished.out;
    EXPECT_EQ(fs::directory_iterator(dir)->path().filename(), "four_rounds.txt") << "no .csv";
}

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    const char* err;  // the start of standard error
};

class CliFailure : public CliProgram, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(CliFailure, StatusAndMessage) {
    const Finished finished = run(GetParam().arguments);
    EXPECT_EQ(finished.status, GetParam().status);
    EXPECT_EQ(finished.err.rfind(GetParam().err, 0), 0u) << finished.err;
    EXPECT_EQ(finished.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Causes, CliFailure,
    ::testing::Values(
        FailureCase{"MissingCrosstable",
                    {"absent.txt"},
                    1,
                    "It was not possible to open file\nabsent.txt\nCheck whether this file is a "
                    "valid file generated by Swiss Manager.\nthe file cannot be read\n"},
        FailureCase{"SimpleMissingCrosstable",
                    {"--simple", "none", "absent.txt"},
                    1,
                    "It was not possible to open file\nabsent.txt\n"},
        FailureCase{"CsvCannotBeCreated",
                    {"-o", "nowhere/x.csv", "four_rounds.txt"},
                    1,
                    "It was not possible to generate an output file. Check that file\n"
                    "nowhere/x.csv\nhas not been opened with another application.\n"},
        FailureCase{"UsageError", {"-t", "rp:avg:1", "four_rounds.txt"}, 2, "rptiebreaks-cli: "},
        FailureCase{"PlayerNameThatFitsTwo",
                    {"--explain", "ab", "four_rounds.txt"},
                    2,
                    "rptiebreaks-cli: \"ab\" names 2 players:\n  4 Abercrombie-Fitzgerald, "
                    "Maria\n  9 Absent, Never\n"}),
    RowName{});

}  // namespace
}  // namespace tiebreak
