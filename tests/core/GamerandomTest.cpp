#include <gtest/gtest.h>

#include <set>

#include "game/Gamerandom.h"

// The pick of a picture or a tune: with a fixed seed the draws are the same
// every run, and they must reach both ends of the range, or the last picture
// or tune of a list would never come up.
TEST(Gamerandom, DrawsCoverTheWholeRangeAndNothingElse)
{
    gamerandom::setClock([] { return 1u; });
    gamerandom::seedFromClock();
    for (int bound : {1, 2, 3, 7}) {
        std::set<int> seen;
        for (int draw = 0; draw < 20 * bound; ++draw)
            seen.insert(gamerandom::below(bound));
        EXPECT_EQ(seen.size(), std::size_t(bound));
        EXPECT_EQ(*seen.begin(), 0);
        EXPECT_EQ(*seen.rbegin(), bound - 1);
    }
    EXPECT_EQ(gamerandom::below(0), 0);
    gamerandom::setClock({});
}
