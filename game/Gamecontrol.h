#pragma once
// The game in play: the collection of the open group, a working copy of the
// current puzzle, and the operations the board uses on its pieces.
#include <cstdint>
#include <memory>
#include <optional>

#include "game/Gamedata.h"
#include "game/History.h"
#include "game/Turnrule.h"

// What a piece operation did to the piece.
enum class PieceChange {
    None,    // nothing: no piece, none held, or the shape that never turns
    Moved,   // it went where it was asked to go (on a drop: the bond there was not free)
    Snapped, // it was dropped into the brick bond
    Turned,  // the turn rule ran (a shape index the rule does not know changes nothing)
};

// The outcome of a piece operation, which is all its callers act on: the
// board's sounds and fade, the game interface's record of solved puzzles.
struct PlayOutcome {
    PieceChange change = PieceChange::None;
    // Every wall cell is covered: the puzzle is solved.
    bool complete = false;
};

// A puzzle in play as the player left it, to go back to: which puzzle,
// every piece as it lay, in its drawing order, and the history behind it.
struct LeftPlay {
    std::int32_t puzzleIndex = 0;
    std::vector<ClPiece> pieces;
    std::vector<std::size_t> fileOrder;
    ClHistory history;
};

class ClGameControl {
public:
    ClGameControl();
    ClGameControl(const ClGameControl&) = delete;
    ClGameControl& operator=(const ClGameControl&) = delete;

    // This object when puzzleIndex names a puzzle of the collection, else null.
    ClGameControl* isValid();

    void restart();
    // A step on (back): whether the current puzzle is now the last (first) one.
    bool nextPuzzle();
    bool prevPuzzle();
    // A step to the index: false, changing nothing, when the collection has no
    // such puzzle.
    bool selectPuzzle(std::int32_t index);

    // The front-most piece with a brick anchor at (x, y), swapped to the front
    // of the list and selected; null when none is there.
    ClPiece* pickPiece(std::int32_t x, std::int32_t y);
    // The same for the piece that stands at this place in the puzzle file,
    // wherever picking has moved it in the list; null when there is none.
    ClPiece* pickInFileOrder(std::size_t index);
    // The piece at this place in the puzzle file, not picked; null when none.
    ClPiece* pieceInFileOrder(std::size_t index);
    const ClPiece* pieceInFileOrder(std::size_t index) const;
    bool canMoveTo(const ClPiece* piece, std::int32_t x, std::int32_t y) const;
    // A step of the keys: the piece's position moved by the file units each
    // way asked for (a half brick across, a row down), then, when that lies
    // outside what canMoveTo allows (a turn can leave a piece reaching out
    // of the field), by whole file units into it. None when the field has
    // no such place for the piece or the step would not move it.
    std::optional<ClPoint> stepInField(const ClPiece* piece, std::int32_t columns, std::int32_t rows) const;

    // The piece operations. Each keeps the wall grid in step and reports
    // what it did and whether the wall is complete after it; this is the one
    // place that tells a solved puzzle.
    // Moves the selected piece to (x, y).
    PlayOutcome movePiece(ClPiece* piece, std::int32_t x, std::int32_t y);
    // The turn rule of a right click at play point (column, row): turns or
    // mirrors by the piece's shape index, keeping the brick under that point
    // in place; or turns it back as far.
    PlayOutcome turnPiece(ClPiece* piece, std::int32_t column, std::int32_t row, TurnWay way = TurnWay::On);
    // The drop rule: moves the selected piece to the brick bond nearest
    // (column, row) when every brick lands there on a free wall cell, else
    // to (column, row).
    PlayOutcome snapPiece(ClPiece* piece, std::int32_t column, std::int32_t row);
    // The end of every gesture: the held piece is let go where it lies, and
    // what the gesture changed becomes one step of the history. A complete
    // wall ends the history.
    PlayOutcome letGo();
    // The puzzle as it was before the last step, or after the step undone
    // last, through the same moves as play; a change not yet let go is
    // undone as a step of its own. Moved, or None when there is no step.
    PlayOutcome undo();
    PlayOutcome redo();
    // Whether undo would change anything: a step, or a change not let go yet.
    bool canUndo() const;
    bool canRedo() const { return history.canRedo(); }
    // The puzzle in play as it stands, a change not let go yet included.
    LeftPlay leavePlay();
    // Back in play on a puzzle left before, in the collection it was left in:
    // its pieces as they lay and its undo history. False, changing nothing,
    // when the collection no longer has such a puzzle.
    bool resumePlay(const LeftPlay& left);
    bool wallComplete() const;

    // A piece's facing set outright, outside the turn rule: mirrored, or
    // turned by any angle. Each keeps the grid in step.
    void flipPiece(ClPiece* piece);
    void rotatePiece(ClPiece* piece, std::int32_t degrees);

    ClPuzzle puzzle;
    std::int32_t puzzleIndex = 0;
    std::unique_ptr<ClGameData> gameData;
    ClPiece* selectedPiece = nullptr;

private:
    void copyCurrentRecord();
    Placements placements() const;
    PlayOutcome goTo(const std::optional<Placements>& pieces);
    void commit();
    void scalePositions();
    void applyPiece(const ClPiece* piece, std::int32_t delta);
    void placePiece(ClPiece* piece, std::int32_t x, std::int32_t y);
    void placePiece(ClPiece* piece, const Placement& placement);
    ClPiece* select(std::size_t listIndex);
    PlayOutcome outcomeOf(PieceChange change) const { return {change, wallComplete()}; }
    std::int32_t puzzleCount() const { return gameData->header.puzzleCount; }
    bool hasPuzzles() const { return !gameData->puzzles.empty(); }

    ClHistory history;
    // Where picking has moved each piece of the file: entry k is the list
    // index of the file's piece k.
    std::vector<std::size_t> fileOrder;
};
