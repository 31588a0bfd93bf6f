#pragma once
// The game's single pseudo-random generator, shared by the choice of the
// background picture and of the next music file. It is seeded from the
// clock when music is switched on; tests put a fixed clock in its place.
#include <cstdint>
#include <functional>

namespace gamerandom {

// A value in [0, bound); 0 when bound is not positive.
int below(int bound);
// Seeds from the clock, the real one unless a test replaced it.
void seedFromClock();
// The clock seedFromClock reads; empty restores the real one.
void setClock(std::function<std::uint32_t()> clock);

} // namespace gamerandom
