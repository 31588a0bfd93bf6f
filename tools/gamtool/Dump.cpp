#include "tools/gamtool/Dump.h"

#include <cmath>
#include <cstdio>

#include "game/Gamecontrol.h"

namespace {

template <std::size_t N>
std::string hex(const std::array<std::uint8_t, N>& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * N);
    for (auto b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return '"' + text + '"';
}

std::string number(float value)
{
    if (!std::isfinite(value))
        return "null"; // JSON has no NaN or infinity
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", double(value));
    return text;
}

std::string points(const ClPoints& list)
{
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i)
        text += (i ? ", [" : "[") + std::to_string(list[i].x) + ", " + std::to_string(list[i].y) + "]";
    return text + "]";
}

void writeHeader(const ClGameHeader& h, std::ostream& out)
{
    out << "  \"header\": {\"headerTag\": " << h.headerTag << ", \"headerBlockA\": " << hex(h.headerBlockA)
        << ", \"headerBlockB\": " << hex(h.headerBlockB) << ", \"puzzleCount\": " << h.puzzleCount
        << ", \"shapeCount\": " << h.shapeCount << ", \"gridWidth\": " << h.gridWidth
        << ", \"gridHeight\": " << h.gridHeight << ", \"rotateStep\": " << h.rotateStep
        << ", \"pickMode\": " << h.pickMode << ", \"cellWidth\": " << h.cellWidth
        << ", \"cellHeight\": " << h.cellHeight << ", \"headerSpare\": " << h.headerSpare
        << ", \"headerBlockC\": " << hex(h.headerBlockC) << "},\n";
}

void writeShapes(const std::vector<ClShape>& shapes, std::ostream& out)
{
    out << "  \"shapes\": [";
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const auto& s = shapes[i];
        out << (i ? ",\n" : "\n") << "    {\"centerX\": " << number(s.centerX) << ", \"centerY\": " << number(s.centerY)
            << ", \"mirrorX\": " << number(s.mirrorX) << ", \"shapeSpare1\": " << number(s.shapeSpare1)
            << ", \"shapeSpare2\": " << number(s.shapeSpare2) << ", \"shapeSpare3\": " << number(s.shapeSpare3)
            << ", \"points\": " << points(s.points) << "}";
    }
    out << "\n  ],\n";
}

void writePiece(const ClPiece& p, const ClPiece& solved, const ClPiece& started, std::ostream& out)
{
    out << "{\"x\": " << p.x << ", \"y\": " << p.y << ", \"angle\": " << p.angle << ", \"flipped\": " << p.flipped
        << ", \"shapeIndex\": " << p.shapeIndex << ", \"startX\": " << p.startX << ", \"startY\": " << p.startY
        << ", \"startAngle\": " << p.startAngle << ", \"startFlipped\": " << p.startFlipped
        << ", \"cells\": " << points(solved.cells()) << ", \"startCells\": " << points(started.cells()) << "}";
}

} // namespace

bool dumpGameFile(const std::string& fileName, std::ostream& out, std::string& error)
{
    ClGameFile raw;
    if (!raw.load(fileName)) {
        error = raw.loadFailure().why;
        return false;
    }
    // The cells come from the game's own conversion and copies, as play sees them.
    ClGameControl game;
    if (!game.gameData->load(fileName) || !game.gameData->rescaleToPlayUnits()) {
        error = game.gameData->loadFailure().why;
        return false;
    }

    out << "{\n";
    writeHeader(raw.header, out);
    writeShapes(raw.shapes, out);
    out << "  \"puzzles\": [";
    for (std::size_t i = 0; i < raw.puzzles.size(); ++i) {
        const auto& puzzle = raw.puzzles[i];
        game.selectPuzzle(std::int32_t(i));
        const ClPuzzle solved = game.puzzle;
        game.restart();
        const ClPuzzle& started = game.puzzle;
        out << (i ? ",\n" : "\n") << "    {\"puzzleBlock\": " << hex(puzzle.puzzleBlock)
            << ", \"puzzleWord1\": " << puzzle.puzzleWord1 << ", \"puzzleWord2\": " << puzzle.puzzleWord2
            << ", \"puzzleWord3\": " << puzzle.puzzleWord3 << ", \"pieceCount\": " << puzzle.pieceCount
            << ",\n     \"pieces\": [";
        for (std::size_t j = 0; j < puzzle.pieces.size(); ++j) {
            out << (j ? ",\n       " : "\n       ");
            writePiece(puzzle.pieces[j], solved.pieces[j], started.pieces[j], out);
        }
        out << "],\n     \"extraPoints\": " << points(puzzle.extraPoints) << "}";
    }
    out << "\n  ]\n}\n";
    return true;
}
