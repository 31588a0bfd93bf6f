#include "History.h"

void ClHistory::start(Layout layout)
{
    present = std::move(layout);
    steps.clear();
    done = 0;
}

void ClHistory::end()
{
    present.reset();
    steps.clear();
    done = 0;
}

bool ClHistory::record(const Layout& now)
{
    // A layout of another size belongs to no puzzle this history knows.
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

std::optional<Layout> ClHistory::undo()
{
    if (!running() || !canUndo())
        return std::nullopt;
    for (const PieceChange& change : steps[--done])
        (*present)[change.piece] = change.before;
    return present;
}

std::optional<Layout> ClHistory::redo()
{
    if (!running() || !canRedo())
        return std::nullopt;
    for (const PieceChange& change : steps[done++])
        (*present)[change.piece] = change.after;
    return present;
}
