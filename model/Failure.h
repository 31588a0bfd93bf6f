#pragma once
// What went wrong, in one shape for the whole core: a kind that code decides
// on, and the words for the player, which code never looks into.
#include <string>

enum class FailureKind {
    None,       // nothing went wrong
    Missing,    // there is no such file
    NotRegular, // a folder, FIFO, device or socket where a file should be
    TooLarge,   // more bytes than the reader takes
    Damaged,    // the content is not what it should be
    Refused,    // the game will not (read-only, a link to nothing, no right to it)
    Io,         // the system failed the read or write
    Busy,       // another running game is writing there now: try again soon
};

struct Failure {
    FailureKind kind = FailureKind::None;
    // For the player, always a clause that a message ends with: "it is a
    // FIFO, not a file", "permission denied".
    std::string why;

    explicit operator bool() const { return kind != FailureKind::None; }
};
