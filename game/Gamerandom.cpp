#include "game/Gamerandom.h"

#include <chrono>
#include <random>

namespace gamerandom {
namespace {
std::minstd_rand& engine()
{
    static std::minstd_rand instance;
    return instance;
}

std::function<std::uint32_t()>& clock()
{
    static std::function<std::uint32_t()> instance;
    return instance;
}
} // namespace

int below(int bound)
{
    if (bound <= 0)
        return 0;
    return int(engine()() % std::uint32_t(bound));
}

void seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    engine().seed(clock() ? clock()() : std::uint32_t(std::chrono::duration_cast<std::chrono::seconds>(now).count()));
}

void setClock(std::function<std::uint32_t()> replacement)
{
    clock() = std::move(replacement);
}

} // namespace gamerandom
