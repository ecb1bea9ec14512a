// rptiebreaks-cli run as a program, in a directory of its own, with the C locale's separators:
// the one test of the command line's wiring.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/temp_files.h"

extern char** environ;

namespace tiebreak {
namespace {

namespace fs = std::filesystem;

// A name with blanks, quotes, an ampersand, a command substitution and a newline: the .csv lies
// beside it, the opener gets the path as one argument and nothing else runs. The rivals warning
// goes to standard error and the status stays 0. The log names the .csv, and nothing else is
// left in the directory or in the temporary folder. The program runs with LC_ALL=C, its
// directory first on the PATH and an empty folder of its own as TMPDIR, and no shell anywhere.
TEST(CliProgram, CsvBesideAnAwkwardNameOpenedWithoutAShell) {
    const TempDir temp;
    const fs::path dir = temp.path();
    const std::string name = "it's \"a\" & b; touch pwned.txt $(touch pwned.txt)\nline two";
    fs::copy_file(fs::path(RPT_TEST_DATA_DIR) / "runs" / "no_games.txt", dir / (name + ".txt"));
    std::ofstream(dir / "xdg-open") << "#!/bin/sh\nprintf '%s' \"$1\" > opened.txt\n";
    fs::permissions(dir / "xdg-open", fs::perms::owner_all);

    std::vector<std::string> words{RPT_CLI,   "-t",     "rb:avg:0:0", "--log",
                                   "run.log", "--open", "--beep",     name + ".txt"};
    const TempDir temporary;
    std::vector<std::string> variables{"LC_ALL=C", "PATH=" + dir.string() + ":/usr/bin:/bin",
                                       "TMPDIR=" + temporary.path().string()};
    std::vector<char*> argv;
    std::vector<char*> envp;
    for (std::string& word : words)
        argv.push_back(word.data());
    for (std::string& variable : variables)
        envp.push_back(variable.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    const std::string err = (dir / "stderr.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, RPT_CLI, &actions, nullptr, argv.data(), envp.data()), 0);
    fs::current_path(previous);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    waitpid(child, &status, 0);

    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readText(err),
              "One of the tie-breaks cannot be calculated because\nmore rivals "
              "than rounds were taken out.\n\a");
    EXPECT_NE(readText(dir / (name + ".csv")), "(missing)");
    EXPECT_EQ(readText(dir / "opened.txt"), name + ".csv");
    EXPECT_FALSE(fs::exists(dir / "pwned.txt"));
    EXPECT_NE(readText(dir / "run.log").find("\nOutput file: " + name + ".csv\n"),
              std::string::npos);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{name + ".csv", name + ".txt", "opened.txt", "run.log",
                                              "stderr.txt", "xdg-open"}));
    EXPECT_TRUE(fs::is_empty(temporary.path()));
}

}  // namespace
}  // namespace tiebreak
