// How long a hint takes on every shipped puzzle: from the start, part-way
// solved, and after wrong moves that must be taken back. Prints the median
// and the longest, in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/core/Fixtures.h"
#include "game/Hint.h"

namespace {
using Clock = std::chrono::steady_clock;

double timedHint(ClGameControl& game, HintOutcome& outcome)
{
    const auto start = Clock::now();
    outcome = giveHint(game).outcome;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("| %-38s | %6zu | %9.3f | %9.3f |\n", what, times.size(), times[times.size() / 2], times.back());
}
} // namespace

int main()
{
    std::vector<double> fromStart, partWay, afterWrongMoves;
    int unanswered = 0;
    for (int group = 0; group < 4; ++group) {
        ClGameControl game;
        const std::string file = std::string(PUZZLE_DIR) + "/Brick" + std::to_string(group) + ".gam";
        if (!game.gameData->load(file) || !game.gameData->rescaleToPlayUnits()) {
            std::fprintf(stderr, "hintbench: %s cannot be loaded\n", file.c_str());
            return 1;
        }
        for (std::int32_t p = 0; p < std::int32_t(game.gameData->puzzles.size()); ++p) {
            HintOutcome outcome;
            game.selectPuzzle(p);
            game.restart();
            fromStart.push_back(timedHint(game, outcome));
            while (!game.wallComplete() && outcome == HintOutcome::Placed)
                partWay.push_back(timedHint(game, outcome));
            game.restart();
            fixtures::makeWrongMoves(game);
            for (int press = 0; press < 20 && !game.wallComplete(); ++press) {
                afterWrongMoves.push_back(timedHint(game, outcome));
                unanswered += outcome == HintOutcome::NotFound;
            }
        }
    }
    std::printf("| hint, every shipped puzzle              | hints  | median ms | longest ms |\n");
    std::printf("|----------------------------------------|-------:|----------:|-----------:|\n");
    report("from the start", fromStart);
    report("part-way solved", partWay);
    report("after wrong moves", afterWrongMoves);
    std::printf("hints without an answer: %d\n", unanswered);
    return unanswered == 0 ? 0 : 1;
}
