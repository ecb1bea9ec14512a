// rptiebreaks-cli run as a program, in a directory of its own, with the C locale's separators.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/named_rows.h"
#include "tests/support/temp_files.h"

extern char** environ;

namespace tiebreak {
namespace {

namespace fs = std::filesystem;

const fs::path Data = RPT_TEST_DATA_DIR;

struct Finished {
    int status = -1;
    std::string out;
    std::string err;
};

class CliProgram : public ::testing::Test {
protected:
    CliProgram() { fs::copy_file(Data / "runs" / "four_rounds.txt", dir / "four_rounds.txt"); }

    // Runs the program on arguments in dir (no shell anywhere), with LC_ALL=C and dir first on
    // the PATH.
    Finished run(const std::vector<std::string>& arguments) {
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
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
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
        fs::remove(err);
        return finished;
    }

    const TempDir temp;
    const fs::path dir = temp.path();
};

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
    EXPECT_NE(readText(dir / (name + ".csv")), "(missing)");
    EXPECT_EQ(readText(dir / "opened.txt"), name + ".csv");
    EXPECT_FALSE(fs::exists(dir / "pwned.txt"));

    const std::string log = readText(dir / "run.log");
    const std::regex intermediate("Output file: (.*)\n");
    std::smatch match;
    ASSERT_TRUE(std::regex_search(log, match, intermediate)) << log;
    EXPECT_FALSE(fs::exists(match[1].str()));
    EXPECT_NE(match[1].str().find(fs::temp_directory_path().string()), std::string::npos);
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
    ::testing::Values(FailureCase{
        "PlayerNameThatFitsTwo",
        {"--explain", "ab", "four_rounds.txt"},
        2,
        "rptiebreaks-cli: \"ab\" names 2 players:\n  4 Abercrombie-Fitzgerald, "
        "Maria\n  9 Absent, Never\n"}),
    RowName{});

}  // namespace
}  // namespace tiebreak
