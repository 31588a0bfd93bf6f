#pragma once
// Changes the player confirmed that could not be written at once: another
// running game held the folder's lock, or the folder refused the write (read
// only, full). Each is kept, by the file it goes to, and written at the next
// try, so nothing is written without the lock and nothing confirmed is given
// up while the game runs.
#include <chrono>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "model/Failure.h"

class ClPendingSaves {
public:
    // Writes one file, under the folder's lock; false with the failure when
    // it could not.
    using Save = std::function<bool(Failure&)>;

    // Tries the save now. One that fails is kept, in place of any kept
    // earlier for the same file, and tried again at every later save and retry.
    void save(const std::string& file, Save write);
    // Tries every kept save once, never waiting; true when none is left.
    bool retry();
    bool pending() const { return !waiting.empty(); }
    // At exit: tries until none is left, pausing between tries while another
    // game holds the lock, for `patience` at most. True when all were written.
    bool finish(std::chrono::milliseconds patience);
    // The files still waiting.
    std::set<std::string> files() const;

    // Told of a failure the player should hear of: every kind but Busy, once
    // a kind until a save goes through again.
    std::function<void(const std::string& file, const Failure& failure)> failed;
    // Told when a save is kept, so that a retry can be arranged.
    std::function<void()> deferred;

private:
    struct Waiting {
        Save write;
        FailureKind lastFailure = FailureKind::None;
    };
    // Tries one save; true when it went through.
    bool attempt(const std::string& file, Waiting& entry);
    std::map<std::string, Waiting> waiting;
    std::set<FailureKind> said;
};
