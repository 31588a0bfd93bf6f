// The puzzle file reader on arbitrary bytes: it either refuses them with a
// reason, or holds records that write back to exactly what it read.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "model/Gamefile.h"

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}

std::string written(const ClGameFile& file)
{
    std::ostringstream out;
    file.header.writeTo(out);
    for (const auto& shape : file.shapes)
        shape.writeTo(out);
    for (const auto& puzzle : file.puzzles)
        puzzle.writeTo(out);
    return out.str();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream in(bytes);
    ClGameFile file;
    if (!file.readContent(in)) {
        check(bool(file.loadFailure()));
        check(file.shapes.empty() && file.puzzles.empty()); // nothing half-read is kept
        return 0;
    }
    check(!file.loadFailure());
    check(std::int64_t(file.shapes.size()) == file.header.shapeCount);
    check(std::int64_t(file.puzzles.size()) == file.header.puzzleCount);
    std::size_t points = 0;
    for (const auto& puzzle : file.puzzles) {
        check(std::int64_t(puzzle.pieces.size()) == puzzle.pieceCount);
        for (const auto& piece : puzzle.pieces) {
            const bool named = piece.shapeIndex >= 0 && std::size_t(piece.shapeIndex) < file.shapes.size();
            check(piece.shape == (named ? &file.shapes[std::size_t(piece.shapeIndex)] : nullptr));
            // NaN, infinite and huge centres and axes must still place bricks.
            points += piece.cells().size();
        }
    }
    (void)points;

    // What was read writes back byte for byte, and reads again the same.
    const std::string again = written(file);
    check(again.size() <= bytes.size() && bytes.compare(0, again.size(), again) == 0);
    std::istringstream reread(again);
    ClGameFile copy;
    check(copy.readContent(reread));
    check(written(copy) == again);
    return 0;
}
