// Direct encounter: the games between the members of a group of tied players rank them.
//
// Only games between members count; a Swiss leaves forfeits out unless /P, a round robin counts
// them. Repeated meetings count as their average. When every member met every other (in a
// round robin always), the points in those games place them, equal points sharing a place.
// Otherwise the member with the most points goes first only when they exceed what any other
// could reach by winning every game he did not play inside the group, and the test passes on to
// the next until it fails. Each subgroup still tied then starts again with the games inside it,
// as long as the stage before it separated somebody.
#include <algorithm>
#include <cmath>
#include <numeric>

#include "engine/fide/fide_families.h"
#include "engine/fide/fide_tie_break.h"
#include "tournament/memory_guard.h"

namespace tiebreak {

namespace {

// A member's meetings with one other member: the points and the games counted.
struct Meeting {
    std::uint32_t other = 0;  // the other's position in the group
    double points = 0.0;
    std::uint32_t games = 0;
};

struct Encounter {
    std::vector<std::vector<Meeting>> meetings;  // a list a member, by position in the group
    bool roundRobin = false;
    std::vector<std::uint32_t> place;  // 1 + the members placed ahead, shared by the tied
    std::vector<char> inStage;         // the members of the stage being ranked
    std::vector<FideBreakdown>* breakdowns = nullptr;
};

struct Standing {
    std::uint32_t member = 0;
    double points = 0.0;
    std::uint32_t notMet = 0;
};

void record(Encounter& encounter, const Standing& standing, std::size_t members, bool allMet,
            FideEncounterOutcome outcome, std::uint32_t place) {
    encounter.place[standing.member] = place;
    if (encounter.breakdowns == nullptr) return;
    (*encounter.breakdowns)[standing.member].stages.push_back({static_cast<std::uint32_t>(members),
                                                               allMet, standing.points,
                                                               standing.notMet, outcome, place});
}

// Places the members of stage from firstPlace on, then each subgroup still tied with the games
// inside it. Each stage reads the members' meetings once.
void rankStage(Encounter& encounter, const std::vector<std::uint32_t>& stage,
               std::uint32_t firstPlace) {
    const std::size_t size = stage.size();
    for (const std::uint32_t member : stage)
        encounter.inStage[member] = 1;
    std::vector<Standing> standings;
    bool allMet = true;
    for (const std::uint32_t member : stage) {
        Standing standing{member, 0.0, 0};
        std::uint32_t met = 0;
        for (const Meeting& meeting : encounter.meetings[member]) {
            if (!encounter.inStage[meeting.other]) continue;
            standing.points += meeting.points / meeting.games;
            ++met;
        }
        standing.notMet = static_cast<std::uint32_t>(size - 1 - met);
        allMet = allMet && standing.notMet == 0;
        standings.push_back(standing);
    }
    for (const std::uint32_t member : stage)
        encounter.inStage[member] = 0;
    allMet = allMet || encounter.roundRobin;
    std::stable_sort(standings.begin(), standings.end(),
                     [](const Standing& a, const Standing& b) { return a.points > b.points; });
    std::vector<std::vector<std::uint32_t>> stillTied;
    if (allMet) {
        // Equal points share a place; a stage that separates nobody ends the procedure.
        if (standings.front().points == standings.back().points) {
            for (const Standing& standing : standings)
                record(encounter, standing, size, true, EncounterTied, firstPlace);
            return;
        }
        for (std::size_t k = 0; k < size;) {
            std::size_t end = k + 1;
            while (end < size && standings[end].points == standings[k].points)
                ++end;
            const auto place = static_cast<std::uint32_t>(firstPlace + k);
            std::vector<std::uint32_t> tied;
            for (std::size_t t = k; t < end; ++t) {
                record(encounter, standings[t], size, true,
                       end - k == 1 ? EncounterByPoints : EncounterTied, place);
                tied.push_back(standings[t].member);
            }
            if (tied.size() > 1) stillTied.push_back(std::move(tied));
            k = end;
        }
    } else {
        // The most points go ahead while no one left could reach them.
        std::size_t ahead = 0;
        while (ahead + 1 < size) {
            double reach = 0.0;
            for (std::size_t k = ahead + 1; k < size; ++k)
                reach = std::max(reach, standings[k].points + standings[k].notMet);
            if (!(standings[ahead].points > reach)) break;
            record(encounter, standings[ahead], size, false, EncounterClearAhead,
                   static_cast<std::uint32_t>(firstPlace + ahead));
            ++ahead;
        }
        const auto place = static_cast<std::uint32_t>(firstPlace + ahead);
        if (ahead + 1 == size) {
            record(encounter, standings[ahead], size, false, EncounterLast, place);
            return;
        }
        std::vector<std::uint32_t> tied;
        for (std::size_t k = ahead; k < size; ++k) {
            record(encounter, standings[k], size, false, EncounterTied, place);
            tied.push_back(standings[k].member);
        }
        if (ahead > 0) stillTied.push_back(std::move(tied));
    }
    for (const std::vector<std::uint32_t>& tied : stillTied)
        rankStage(encounter, tied, encounter.place[tied.front()]);
}

int rankGroup(const TournamentTable& table, const FideTieBreak& tieBreak,
              std::span<const std::uint32_t> group, std::span<double> out,
              std::vector<FideBreakdown>* breakdowns) {
    // The members by table index, to find an opponent's position in the group.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> byIndex;
    for (std::uint32_t k = 0; k < group.size(); ++k)
        byIndex.emplace_back(group[k], k);
    std::sort(byIndex.begin(), byIndex.end());
    for (std::size_t k = 0; k < byIndex.size(); ++k) {
        if (byIndex[k].first >= table.playerCount()) return StatusInvalidArgument;
        if (k > 0 && byIndex[k].first == byIndex[k - 1].first) return StatusInvalidArgument;
    }
    const FideRounds rounds(table, false);
    std::vector<FideBreakdown> made(breakdowns != nullptr ? group.size() : 0);
    Encounter encounter;
    encounter.meetings.resize(group.size());
    encounter.roundRobin = rounds.roundRobin();
    encounter.place.assign(group.size(), 1);
    encounter.inStage.assign(group.size(), 0);
    encounter.breakdowns = breakdowns != nullptr ? &made : nullptr;
    const bool forfeitsCount = tieBreak.forfeitsAsGames || rounds.roundRobin();
    for (std::uint32_t k = 0; k < group.size(); ++k) {
        const std::span<const FideRound> player = rounds.of(group[k]);
        std::vector<Meeting>& meetings = encounter.meetings[k];
        for (std::uint32_t r = 0; r < player.size(); ++r) {
            const FideRound& round = player[r];
            if (round.opponent == NoOpponent) continue;
            const auto at = std::lower_bound(byIndex.begin(), byIndex.end(),
                                             std::pair<std::uint32_t, std::uint32_t>{
                                                 static_cast<std::uint32_t>(round.opponent), 0});
            if (at == byIndex.end() || at->first != static_cast<std::uint32_t>(round.opponent) ||
                at->second == k) {
                continue;
            }
            const bool counted = isGame(round.kind) || forfeitsCount;
            if (counted) {
                auto meeting =
                    std::find_if(meetings.begin(), meetings.end(),
                                 [&](const Meeting& m) { return m.other == at->second; });
                if (meeting == meetings.end()) {
                    meetings.push_back({at->second, 0.0, 0});
                    meeting = meetings.end() - 1;
                }
                meeting->points += round.points;
                ++meeting->games;
            }
            if (breakdowns == nullptr) continue;
            FideRoundLine line = roundLine(round, r);
            line.use = !counted ? UseNotCounted : isGame(round.kind) ? UseGame : UseForfeitAsGame;
            line.contribution = counted ? round.points : 0.0;
            made[k].rounds.push_back(line);
        }
    }
    std::vector<std::uint32_t> everyone(group.size());
    std::iota(everyone.begin(), everyone.end(), 0U);
    // A group of one has nobody to meet.
    if (everyone.size() > 1) rankStage(encounter, everyone, 1);
    // Nobody separated: every member still shares the first place.
    const bool separated = std::any_of(encounter.place.begin(), encounter.place.end(),
                                       [](std::uint32_t place) { return place != 1; });
    for (std::size_t k = 0; k < group.size(); ++k) {
        out[k] = separated ? encounter.place[k] : 0.0;
        if (breakdowns == nullptr) continue;
        made[k].player = group[k];
        made[k].roundCount = rounds.roundCount();
        made[k].roundRobin = rounds.roundRobin();
        made[k].score = rounds.score(group[k]);
        made[k].value = out[k];
    }
    if (breakdowns != nullptr) *breakdowns = std::move(made);
    return StatusOk;
}

}  // namespace

int directEncounter(const TournamentTable& table, const FideTieBreak& tieBreak, FideRules rules,
                    std::span<const std::uint32_t> group, std::span<double> out,
                    std::vector<FideBreakdown>* breakdowns) noexcept {
    // Both editions of the regulations define direct encounter alike.
    static_cast<void>(rules);
    if (tieBreak.code != FideDe || !isValidFideTieBreak(tieBreak) || out.size() != group.size())
        return StatusInvalidArgument;
    return guardMemory(StatusNoMemory,
                       [&] { return rankGroup(table, tieBreak, group, out, breakdowns); });
}

}  // namespace tiebreak
