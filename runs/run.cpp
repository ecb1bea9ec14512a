#include "runs/run.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>

#include "runs/analysis.h"
#include "runs/error_messages.h"
#include "runs/explanation_text.h"
#include "runs/output_paths.h"
#include "runs/results_html.h"
#include "runs/results_json.h"
#include "runs/results_table.h"
#include "runs/run_log.h"
#include "tournament/memory_guard.h"
#include "tournament/tournament_reader.h"

namespace tiebreak {

namespace {

// A failure after the computation: its code and the name its box shows.
struct Failure {
    int code = 0;
    std::string name;
};

// Writes one output to path through write, or to screen for "-". A file that cannot be created
// blames itself when it exists (open elsewhere, or read-only), else its folder.
Failure writeOutput(const std::string& path, std::ostream* screen,
                    const std::function<void(std::ostream&)>& write) {
    const bool written = guardMemory(false, [&] {
        if (path == "-") {
            write(*screen);
            screen->flush();
            return screen->good();
        }
        std::ofstream file(path, std::ios::trunc);
        if (!file.is_open()) return false;
        write(file);
        file.close();
        return !file.fail();
    });
    if (written) return {};
    std::error_code error;
    if (path == "-" || std::filesystem::exists(path, error)) return {ErrorCannotCreateOutput, path};
    return {ErrorCannotWriteFolder, folderOf(path)};
}

// Every output of a finished run; the first failure stops them.
Failure writeOutputs(const RunResult& result, const RunOutputs& outputs, Notices& notices,
                     std::ostream& log, const PhaseReport& progress) {
    const bool writing = outputs.writeTable || !outputs.json.empty() || !outputs.html.empty();
    if (writing && !enterPhase(progress, PhaseWriting)) return {ErrorCancelled, ""};
    if (outputs.writeTable) {
        const std::string name = tableName(result.request, outputs);
        logOutputFile(log, result, name);
        const Separators separators = notices.separators();
        const Failure failure = writeOutput(name, outputs.screen, [&](std::ostream& out) {
            if (name == "-") {
                writePlainTable(out, result);
            } else {
                writeSpreadsheet(out, result, separators);
            }
        });
        if (failure.code != 0) return failure;
    }
    if (outputs.explained) {
        const Failure failure = writeOutput("-", outputs.screen, [&](std::ostream& out) {
            writeExplanation(out, result, *outputs.explained);
        });
        if (failure.code != 0) return failure;
    }
    if (!outputs.json.empty()) {
        const Failure failure = writeOutput(outputs.json, outputs.screen, [&](std::ostream& out) {
            writeResultsJson(out, result);
        });
        if (failure.code != 0) return failure;
    }
    if (!outputs.html.empty()) {
        const Failure failure = writeOutput(outputs.html, outputs.screen, [&](std::ostream& out) {
            writeResultsHtml(out, result);
        });
        if (failure.code != 0) return failure;
    }
    return {};
}

}  // namespace

std::string tableName(const RunRequest& request, const RunOutputs& outputs) {
    return outputs.table.empty() ? csvPathFor(request.inputPath) : outputs.table;
}

int readRunInput(const RunRequest& request, TournamentTable& table, Notices& notices,
                 std::ostream& log, const PhaseReport& progress) {
    if (!enterPhase(progress, PhaseReading)) return ErrorCancelled;
    std::string reason;
    const int read = readTournament(table, request.inputPath, request.eloForUnrated, &reason);
    if (read == StatusOk) return StatusOk;
    logRefusedInput(log, request.style, read, reason);
    showErrorMessage(notices, read, request.inputPath, reason);
    return read;
}

RunOutcome runOnTable(TournamentTable&& table, const RunRequest& request, const RunOutputs& outputs,
                      Notices& notices, FileOpener& opener, std::ostream& log,
                      const PhaseReport& progress) {
    RunResult result;
    const int status = analyse(std::move(table), request, progress, result);
    if (status == ErrorCancelled) return RunCancelled;
    if (status != 0) {
        showErrorMessage(notices, status, request.inputPath);
        return RunFailed;
    }
    logMethods(log, result);
    const Failure failure = writeOutputs(result, outputs, notices, log, progress);
    if (failure.code == ErrorCancelled) return RunCancelled;
    if (failure.code != 0) {
        showErrorMessage(notices, failure.code, failure.name);
        return RunFailed;
    }
    logEnd(log, result);
    for (const RunNotice notice : result.notices)
        notices.showNotice(noticeText(notice, result, outputs.logName));
    if (outputs.writeTable && tableName(request, outputs) != "-")
        openInShell(opener, notices, tableName(request, outputs));
    if (outputs.openPage && !outputs.html.empty() && outputs.html != "-")
        openInShell(opener, notices, outputs.html);
    if (outputs.beep) notices.beep();
    return RunFinished;
}

RunOutcome runTieBreaks(const RunRequest& request, const RunOutputs& outputs, Notices& notices,
                        FileOpener& opener, std::ostream& log, const PhaseReport& progress) {
    TournamentTable table;
    const int read = readRunInput(request, table, notices, log, progress);
    if (read == ErrorCancelled) return RunCancelled;
    if (read != StatusOk) return RunFailed;
    return runOnTable(std::move(table), request, outputs, notices, opener, log, progress);
}

}  // namespace tiebreak
