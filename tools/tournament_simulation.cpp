#include "tools/tournament_simulation.h"

#include <algorithm>
#include <numeric>

#include "tools/player_names.h"
#include "tools/portable_random.h"
#include "tools/swiss_pairing.h"
#include "tournament/tournament_table.h"

namespace tiebreak {
namespace {

// Results follow the Elo expectation of the strength difference, white counted this much
// stronger. Draws take DrawPeak of the games between equals and fewer as the gap grows.
constexpr double WhiteEdge = 35.0;
constexpr double DrawPeak = 0.34;

// Ratings of an open: about 1850 with a spread of some 230 points, never below 1000. Unrated
// players (newcomers, juniors) play at about 1550.
constexpr double RatedCentre = 1850.0;
constexpr double UnratedCentre = 1550.0;
constexpr double RatingSpread = 400.0;  // width of one unit of the centred sum of four uniforms
constexpr int LowestRating = 1000;

// e^x for |x| up to about 50 from + - * / alone: the math libraries of Linux and Windows may
// differ in the last bit, and a result drawn at that boundary would differ with it. Scaling by
// 2^-10 (exact) keeps the Taylor series short; squaring ten times undoes it.
double portableExp(double x) {
    const double y = x / 1024.0;
    double term = 1.0;
    double sum = 1.0;
    for (int k = 1; k <= 10; ++k) {
        term = term * y / k;
        sum += term;
    }
    for (int k = 0; k < 10; ++k)
        sum *= sum;
    return sum;
}

// The expected score of a player stronger by difference Elo points: 1 / (1 + 10^(-d/400)).
double eloExpectation(double difference) {
    constexpr double Ln10Over400 = 0.0057564627324851142;  // ln(10) / 400
    return 1.0 / (1.0 + portableExp(-difference * Ln10Over400));
}

// A draw from a bell around centre: the sum of four uniforms (Irwin-Hall), centred.
int drawRating(PortableRandom& random, double centre) {
    double sum = 0.0;
    for (int k = 0; k < 4; ++k)
        sum += random.unit();
    return std::max(LowestRating, static_cast<int>(centre + (sum - 2.0) * RatingSpread));
}

// round(share * n) for share in [0, 1].
std::uint32_t shareOf(double share, std::uint32_t n) {
    return static_cast<std::uint32_t>(share * n + 0.5);
}

// The first count entries of a random permutation of 0..n-1 (Fisher-Yates).
std::vector<std::uint32_t> randomSubset(std::uint32_t count, std::uint32_t n,
                                        PortableRandom& random) {
    std::vector<std::uint32_t> indices(n);
    std::iota(indices.begin(), indices.end(), 0u);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::swap(indices[i], indices[i + random.below(n - i)]);
    }
    indices.resize(count);
    return indices;
}

class Simulator {
public:
    explicit Simulator(const GeneratorOptions& options)
        : options_(options), random_(options.seed) {}

    SimulatedTournament run();

private:
    void makePlayers();
    std::vector<std::vector<std::uint32_t>> makeGroups() const;
    void playSwissRound(const std::vector<std::uint32_t>& group, std::uint32_t round);
    void playRoundRobin(const std::vector<std::uint32_t>& group);
    void playPairing(std::uint32_t white, std::uint32_t black, std::uint32_t round);
    void setCell(std::uint32_t player, std::uint32_t round, const RoundCell& cell);

    GeneratorOptions options_;
    PortableRandom random_;
    std::vector<SimulatedPlayer> players_;
    bool topWhite_ = true;
};

SimulatedTournament Simulator::run() {
    makePlayers();
    topWhite_ = random_.below(2) == 0;
    const std::vector<std::vector<std::uint32_t>> groups = makeGroups();
    std::uint32_t rounds = options_.rounds;
    if (options_.doubleRoundRobin) {
        // Each cycle has m - 1 rounds for an even group and m for an odd one (one free each).
        rounds = 1;
        for (const auto& group : groups) {
            const auto m = static_cast<std::uint32_t>(group.size());
            if (m >= 2) rounds = std::max(rounds, 2 * (m + m % 2 - 1));
        }
    }
    for (SimulatedPlayer& player : players_)
        player.rounds.assign(rounds, RoundCell{});

    if (options_.doubleRoundRobin) {
        for (const auto& group : groups)
            playRoundRobin(group);
    } else {
        for (std::uint32_t round = 0; round < rounds; ++round) {
            for (const auto& group : groups)
                playSwissRound(group, round);
        }
    }
    return {std::move(players_), rounds};
}

void Simulator::makePlayers() {
    const std::uint32_t n = options_.players;
    std::vector<PlayerIdentity> identities = makeIdentities(n, random_);
    players_.resize(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        players_[i].name = std::move(identities[i].name);
        players_[i].federation = std::move(identities[i].federation);
        players_[i].rating = drawRating(random_, RatedCentre);
        players_[i].strength = players_[i].rating;
    }
    for (std::uint32_t i : randomSubset(shareOf(options_.unratedShare, n), n, random_)) {
        players_[i].rating = 0;
        players_[i].emptyRating = random_.below(2) == 0;
        players_[i].strength = drawRating(random_, UnratedCentre);
    }
    // The start list: by rating, the unrated last; names break ties so the order is total.
    std::sort(players_.begin(), players_.end(), [](const auto& a, const auto& b) {
        if (a.rating != b.rating) return a.rating > b.rating;
        if (a.strength != b.strength) return a.strength > b.strength;
        return a.name < b.name;
    });
    for (std::uint32_t i : randomSubset(options_.playersWithoutGames, n, random_)) {
        players_[i].withdrawn = true;
    }
}

std::vector<std::vector<std::uint32_t>> Simulator::makeGroups() const {
    // Alternate start numbers, so the two groups are about equally strong.
    std::vector<std::vector<std::uint32_t>> groups(options_.twoGroups ? 2 : 1);
    for (std::uint32_t i = 0; i < players_.size(); ++i) {
        if (!players_[i].withdrawn) groups[i % groups.size()].push_back(i);
    }
    return groups;
}

void Simulator::playSwissRound(const std::vector<std::uint32_t>& group, std::uint32_t round) {
    std::vector<std::uint32_t> ranked;
    for (std::uint32_t player : group) {
        const double u = random_.unit();
        if (u < options_.absentShare) continue;  // the cell stays CellAbsent
        if (u < options_.absentShare + options_.byeShare) {
            setCell(player, round, {CellRequestedBye, 0, false, 1});
            continue;
        }
        ranked.push_back(player);
    }
    std::sort(ranked.begin(), ranked.end(), [&](std::uint32_t a, std::uint32_t b) {
        const SimulatedPlayer& pa = players_[a];
        const SimulatedPlayer& pb = players_[b];
        if (pa.halfPoints != pb.halfPoints) return pa.halfPoints > pb.halfPoints;
        if (pa.rating != pb.rating) return pa.rating > pb.rating;
        return a < b;
    });
    if (ranked.size() % 2 == 1) {
        // The lowest-ranked player who has not had the pairing bye yet, else the lowest.
        auto bye = std::find_if(ranked.rbegin(), ranked.rend(), [&](std::uint32_t p) {
            return std::none_of(players_[p].rounds.begin(), players_[p].rounds.end(),
                                [](const RoundCell& c) { return c.kind == CellPairingBye; });
        });
        if (bye == ranked.rend()) bye = ranked.rbegin();
        setCell(*bye, round, {CellPairingBye, 0, false, 2});
        ranked.erase(std::next(bye).base());
    }
    const std::vector<Pairing> pairs = options_.adjacentPairing ? pairNeighbours(players_, ranked)
                                                                : pairScoreGroups(players_, ranked);
    for (std::size_t board = 0; board < pairs.size(); ++board) {
        const Pairing& pairing = pairs[board];
        if (higherGetsWhite(players_, pairing, board, topWhite_)) {
            playPairing(pairing.higher, pairing.lower, round);
        } else {
            playPairing(pairing.lower, pairing.higher, round);
        }
    }
}

void Simulator::playRoundRobin(const std::vector<std::uint32_t>& group) {
    // The circle method: seat p meets seat (r - p) mod (even - 1) in round r, and the seat that
    // would meet itself meets the fixed last seat. An odd group leaves the last seat empty, and
    // its partner has a free round. The second cycle repeats the first with colours reversed.
    const auto m = static_cast<std::uint32_t>(group.size());
    if (m < 2) return;
    const std::uint32_t even = m + m % 2;
    const std::uint32_t cycle = even - 1;
    for (std::uint32_t round = 0; round < 2 * cycle; ++round) {
        const std::uint32_t r = round % cycle;
        const bool reversed = round >= cycle;
        for (std::uint32_t p = 0; p < cycle; ++p) {
            const std::uint32_t q = (r + cycle - p) % cycle;
            if (q < p) continue;  // paired from q's side
            const bool meetsFixedSeat = q == p;
            const std::uint32_t partner = meetsFixedSeat ? even - 1 : q;
            const bool pWhite = meetsFixedSeat ? r % 2 == 0 : (q - p) % 2 == 1;
            if (partner >= m) continue;  // the free round leaves CellAbsent
            if (pWhite != reversed) {
                playPairing(group[p], group[partner], round);
            } else {
                playPairing(group[partner], group[p], round);
            }
        }
    }
}

void Simulator::playPairing(std::uint32_t white, std::uint32_t black, std::uint32_t round) {
    if (random_.unit() < options_.forfeitShare) {
        const bool whiteCame = random_.below(2) == 0;
        const std::uint32_t winner = whiteCame ? white : black;
        const std::uint32_t loser = whiteCame ? black : white;
        setCell(winner, round, {CellForfeitWin, loser, false, 2});
        setCell(loser, round, {CellForfeitLoss, winner, false, 0});
        return;
    }
    const double expected =
        eloExpectation(players_[white].strength + WhiteEdge - players_[black].strength);
    const double draw = DrawPeak * 4.0 * expected * (1.0 - expected);
    const double u = random_.unit();
    const int whiteHalfPoints = u < expected - draw / 2 ? 2 : u < expected + draw / 2 ? 1 : 0;
    setCell(white, round, {CellGame, black, true, whiteHalfPoints});
    setCell(black, round, {CellGame, white, false, 2 - whiteHalfPoints});
}

void Simulator::setCell(std::uint32_t player, std::uint32_t round, const RoundCell& cell) {
    players_[player].rounds[round] = cell;
    players_[player].halfPoints += cell.halfPoints;
}

}  // namespace

GeneratorOptions clampedOptions(const GeneratorOptions& options) {
    GeneratorOptions clamped = options;
    clamped.players = std::clamp<std::uint32_t>(options.players, 2, TournamentTable::MaxPlayers);
    clamped.rounds = std::max<std::uint32_t>(options.rounds, 1);
    auto share = [](double value) { return value >= 0.0 ? std::min(value, 1.0) : 0.0; };
    clamped.unratedShare = share(options.unratedShare);
    clamped.forfeitShare = share(options.forfeitShare);
    clamped.absentShare = share(options.absentShare);
    clamped.byeShare = std::min(share(options.byeShare), 1.0 - clamped.absentShare);
    clamped.playersWithoutGames = std::min(options.playersWithoutGames, clamped.players);
    return clamped;
}

SimulatedTournament simulateTournament(const GeneratorOptions& options) {
    return Simulator(clampedOptions(options)).run();
}

}  // namespace tiebreak
