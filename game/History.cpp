#include "game/History.h"

void ClHistory::start(Placements placements)
{
    present = std::move(placements);
    steps.clear();
    done = 0;
}

void ClHistory::end()
{
    present.reset();
    steps.clear();
    done = 0;
}

bool ClHistory::record(const Placements& now)
{
    // Placements of another size belongs to no puzzle this history knows.
    if (!differs(now) || now.size() != present->size())
        return false;
    Step step;
    for (std::size_t i = 0; i < now.size(); ++i)
        if ((*present)[i] != now[i])
            step.push_back({i, (*present)[i], now[i]});
    steps.erase(steps.begin() + std::ptrdiff_t(done), steps.end());
    steps.push_back(std::move(step));
    if (steps.size() > kMostSteps)
        steps.pop_front();
    done = steps.size();
    *present = now;
    return true;
}

std::optional<Placements> ClHistory::undo()
{
    if (!running() || !canUndo())
        return std::nullopt;
    for (const PieceMove& change : steps[--done])
        (*present)[change.piece] = change.before;
    return present;
}

std::optional<Placements> ClHistory::redo()
{
    if (!running() || !canRedo())
        return std::nullopt;
    for (const PieceMove& change : steps[done++])
        (*present)[change.piece] = change.after;
    return present;
}
