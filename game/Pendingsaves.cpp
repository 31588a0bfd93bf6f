#include "game/Pendingsaves.h"

#include <algorithm>
#include <thread>

namespace {
// Another game holds the lock only while it writes a small file.
constexpr auto kPauseWhileBusy = std::chrono::milliseconds(20);
} // namespace

bool ClPendingSaves::attempt(const std::string& file, Waiting& entry)
{
    Failure failure;
    if (entry.write(failure)) {
        said.clear(); // the folder works again: a new failure is news
        return true;
    }
    entry.lastFailure = failure.kind;
    if (failure && failure.kind != FailureKind::Busy && said.insert(failure.kind).second && failed)
        failed(file, failure);
    return false;
}

void ClPendingSaves::save(const std::string& file, Save write)
{
    // The newer change replaces the older: it was made from the same state and more.
    Waiting& entry = waiting[file];
    entry.write = std::move(write);
    if (attempt(file, entry)) {
        waiting.erase(file);
        retry(); // the lock was free: whatever else waited may go now too
        return;
    }
    if (deferred)
        deferred();
}

bool ClPendingSaves::retry()
{
    for (auto it = waiting.begin(); it != waiting.end();)
        it = attempt(it->first, it->second) ? waiting.erase(it) : std::next(it);
    return waiting.empty();
}

bool ClPendingSaves::finish(std::chrono::milliseconds patience)
{
    const auto until = std::chrono::steady_clock::now() + patience;
    while (!retry()) {
        const bool busy = std::any_of(waiting.begin(), waiting.end(),
                                      [](const auto& entry) { return entry.second.lastFailure == FailureKind::Busy; });
        // A refused write will not be allowed by waiting; a held lock may be let go.
        if (!busy || std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(kPauseWhileBusy);
    }
    return true;
}

std::set<std::string> ClPendingSaves::files() const
{
    std::set<std::string> names;
    for (const auto& entry : waiting)
        names.insert(entry.first);
    return names;
}
