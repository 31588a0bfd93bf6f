// How long a fresh puzzle takes to make, for every group and challenge, over
// many seeds, and how often its score lands in the challenge's quarter.
// Prints the median and the longest, in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "game/Difficulty.h"
#include "game/Generator.h"

int main()
{
    using Clock = std::chrono::steady_clock;
    constexpr std::uint32_t kSeeds = 40;
    const char* const challenges[] = {"easy", "medium", "hard", "expert"};
    std::printf("| group | challenge | puzzles | in its quarter | median ms | longest ms |\n");
    std::printf("|------:|-----------|--------:|---------------:|----------:|-----------:|\n");
    for (int group = 0; group < kGroupCount; ++group)
        for (int c = 0; c < kChallengeCount; ++c) {
            const GroupRules& rules = *groupRules(group);
            std::vector<double> times;
            int inQuarter = 0;
            for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
                ClGameFile file;
                std::string error;
                const auto start = Clock::now();
                if (!generatePuzzle(rules, seed, Challenge(c), file, error)) {
                    std::fprintf(stderr, "generatebench: group %d seed %u: %s\n", group, seed, error.c_str());
                    return 1;
                }
                times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                const double score = measureDifficulty(file.puzzles[0], file.header.rotateStep).score;
                inQuarter += (c == 0 || score >= rules.quartiles[std::size_t(c - 1)])
                             && (c == kChallengeCount - 1 || score < rules.quartiles[std::size_t(c)]);
            }
            std::sort(times.begin(), times.end());
            std::printf("| %5d | %-9s | %7zu | %14d | %9.1f | %10.1f |\n", group, challenges[c], times.size(),
                        inQuarter, times[times.size() / 2], times.back());
        }
    return 0;
}
