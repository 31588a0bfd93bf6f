#pragma once
// The puzzle file: one group of puzzles, its shapes and its header, read and
// written field by field, little-endian, without padding.
#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "model/Failure.h"

#include "model/Point.h"

struct ClGameHeader {
    static constexpr std::int64_t kSize = 232;

    std::int32_t headerTag = 0;
    std::array<std::uint8_t, 32> headerBlockA{};
    std::array<std::uint8_t, 32> headerBlockB{};
    std::int32_t puzzleCount = 0;
    std::int32_t shapeCount = 0;
    std::int32_t gridWidth = 0;
    std::int32_t gridHeight = 0;
    std::int32_t rotateStep = 0;
    std::int32_t pickMode = 0;
    std::int32_t cellWidth = 0;
    std::int32_t cellHeight = 0;
    std::int32_t headerSpare = 0;
    std::array<std::uint8_t, 128> headerBlockC{};

    bool readFrom(std::istream& in);
    bool writeTo(std::ostream& out) const;
};

struct ClShape {
    static constexpr std::int64_t kMinSize = 28;

    float centerX = 0;
    float centerY = 0;
    float mirrorX = 0;
    float shapeSpare1 = 0;
    float shapeSpare2 = 0;
    float shapeSpare3 = 0;
    ClPoints points;

    bool readFrom(std::istream& in);
    bool writeTo(std::ostream& out) const;
};

struct ClPiece {
    static constexpr std::int64_t kSize = 36;

    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t angle = 0;
    std::int32_t flipped = 0;
    std::int32_t shapeIndex = 0;
    std::int32_t startX = 0;
    std::int32_t startY = 0;
    std::int32_t startAngle = 0;
    std::int32_t startFlipped = 0;
    // Not owned; null when shapeIndex names no shape of the table, and such a
    // piece has no bricks.
    const ClShape* shape = nullptr;

    // The brick anchors covered at the current placement, in the shape's order.
    bool getCells(ClPoints& out) const;
    ClPoints cells() const;
    void rotate(std::int32_t delta);
    void flip();
    // The same piece at its start placement.
    ClPiece atStart() const;

    bool readFrom(std::istream& in);
    bool writeTo(std::ostream& out) const;
};

struct ClPuzzle {
    static constexpr std::int64_t kMinSize = 148;

    std::array<std::uint8_t, 128> puzzleBlock{};
    std::int32_t puzzleWord1 = 0;
    std::int32_t puzzleWord2 = 0;
    std::int32_t puzzleWord3 = 0;
    std::int32_t pieceCount = 0;
    std::vector<ClPiece> pieces;
    ClPoints extraPoints;

    bool readFrom(std::istream& in);
    bool writeTo(std::ostream& out) const;
};

class ClGameFile {
public:
    ClGameFile() = default;
    ClGameFile(const ClGameFile&) = delete; // pieces point into our own shape table
    ClGameFile& operator=(const ClGameFile&) = delete;
    virtual ~ClGameFile() = default;

    // Far more than any group needs; a larger file is refused unread.
    static constexpr std::size_t kLargestFile = 64 << 20;

    // All or nothing: on failure the object keeps its former content and
    // loadFailure() says why.
    virtual bool load(const std::string& fileName);
    // Replaces the file whole or not at all; false, with the failure when
    // asked for, when it cannot be written to the end.
    virtual bool save(const std::string& fileName, Failure* failure = nullptr) const;

    // The same reading from any stream, and the bytes save writes; used by
    // load and save, by tools, and to take in a puzzle made in memory.
    bool readContent(std::istream& in);
    void writeContent(std::ostream& out) const;
    const Failure& loadFailure() const { return lastFailure; }

    ClGameHeader header;
    std::vector<ClShape> shapes;
    std::vector<ClPuzzle> puzzles;

private:
    void linkShapes();
    Failure lastFailure;
};
