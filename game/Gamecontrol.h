#pragma once
// The game in play: the collection of the open group, a working copy of the
// current puzzle, and the operations the board uses on its pieces.
#include <cstdint>
#include <memory>

#include "Gamedata.h"
#include "Turnrule.h"

class ClGameControl {
public:
    ClGameControl();
    ClGameControl(const ClGameControl&) = delete;
    ClGameControl& operator=(const ClGameControl&) = delete;

    // This object when puzzleIndex names a puzzle of the collection, else null.
    ClGameControl* isValid();

    void restart();
    // Each returns whether the current puzzle is now the last (first) one.
    bool nextPuzzle();
    bool prevPuzzle();
    bool selectPuzzle(std::int32_t index);

    // The front-most piece with a brick anchor at (x, y), swapped to the front
    // of the list and selected; null when none is there.
    ClPiece* pickPiece(std::int32_t x, std::int32_t y);
    void movePiece(ClPiece* piece, std::int32_t x, std::int32_t y);
    void flipPiece(ClPiece* piece);
    void rotatePiece(ClPiece* piece, std::int32_t degrees);
    bool canMoveTo(const ClPiece* piece, std::int32_t x, std::int32_t y) const;

    // The turn rule of a right click at play point (column, row): turns or
    // mirrors by the piece's shape index, keeping the brick under that point
    // in place. Returns false only for the shape that never turns.
    bool turnPiece(ClPiece* piece, std::int32_t column, std::int32_t row);
    // The drop rule: moves the piece to the brick bond nearest (column, row)
    // when every brick lands there on a free wall cell, else to (column, row).
    void snapPiece(ClPiece* piece, std::int32_t column, std::int32_t row);

    ClPuzzle puzzle;
    std::int32_t puzzleIndex = 0;
    std::unique_ptr<ClGameData> gameData;
    ClPiece* selectedPiece = nullptr;

private:
    void copyCurrentRecord();
    void scalePositions();
    void applyPiece(const ClPiece* piece, std::int32_t delta);
    std::int32_t puzzleCount() const { return gameData->header.puzzleCount; }
    bool hasPuzzles() const { return !gameData->puzzles.empty(); }
};
