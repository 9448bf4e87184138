#pragma once
// Random legal games through the real rules: the benchmark of the rules and a soak test of
// the game state's invariants.
#include <cstdint>
#include <string>

namespace korvat::sim {

struct RandomGamesReport {
    uint64_t games = 0;
    uint64_t moves = 0;
    uint64_t scoreSum = 0;      // final scores of the games played
    double elapsedSeconds = 0;  // wall time of the play, for the moves per second
    std::string failure;        // the first broken invariant; empty when all held
};

// Plays `games` games: each move selects a random ball that can move and taps a random empty
// cell it can reach. The player's choices come from `seed`, and so does the injected time that
// seeds the game's own generator, so the games are the same for the same seed. With
// checkInvariants the state is checked after every move and play stops at the first fault.
RandomGamesReport playRandomGames(uint64_t games, uint64_t seed, bool checkInvariants);

}  // namespace korvat::sim
