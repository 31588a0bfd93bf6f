#pragma once
// Undo and redo for the puzzle in play: the placements of its pieces, in the
// puzzle file's order, from the start of the puzzle to now, one step per
// change the player made.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// Where a piece lies and how it faces.
struct Placement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t angle = 0;
    std::int32_t flipped = 0;
    friend bool operator==(const Placement&, const Placement&) = default;
};

// Every piece's placement, in the puzzle file's order.
using Placements = std::vector<Placement>;

class ClHistory {
public:
    // Far more steps than any play of one puzzle takes; past them the oldest
    // are forgotten, so a history never grows without bound.
    static constexpr std::size_t kMostSteps = 100'000;

    // A fresh history whose present is these placements: nothing to undo or redo.
    void start(Placements placements);
    // No history: nothing is recorded, undone or redone until the next start.
    void end();
    bool running() const { return present.has_value(); }

    // The change from the present to these placements becomes one step, and the
    // steps undone before it are gone. False when nothing changed or no
    // history runs.
    bool record(const Placements& now);
    // The placements one step back (or forward), which becomes the present;
    // nothing when there is no such step.
    std::optional<Placements> undo();
    std::optional<Placements> redo();
    bool canUndo() const { return done > 0; }
    bool canRedo() const { return done < steps.size(); }
    // Whether these placements differ from the present: a change not recorded yet.
    bool differs(const Placements& now) const { return present && *present != now; }

private:
    struct PieceMove {
        std::size_t piece;
        Placement before;
        Placement after;
    };
    using Step = std::vector<PieceMove>;

    std::optional<Placements> present;
    std::deque<Step> steps;
    std::size_t done = 0; // steps[0, done) lead to the present, the rest can be redone
};
