#include "model/Gamefile.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#include "model/Binaryio.h"
#include "model/Fileaccess.h"
#include "model/Words.h"

using namespace binaryio;

namespace {

// Bytes left between the read position and the end of the stream, so that a
// count can be refused before anything is allocated for it.
std::int64_t remainingBytes(std::istream& in)
{
    const auto here = in.tellg();
    if (here < 0)
        return 0;
    in.seekg(0, std::ios::end);
    const auto end = in.tellg();
    in.seekg(here);
    return end < here ? 0 : std::int64_t(end - here);
}

// A count is read before the items it counts. A negative one is out of range;
// one larger than the rest of the file means the file ends inside the record.
// Either way nothing is allocated for it.
bool countFitsOrFail(std::istream& in, std::int32_t count, std::int64_t itemSize, std::int64_t reserve = 0)
{
    if (count < 0) {
        in.setstate(std::ios::failbit);
        return false;
    }
    if (count > 0 && std::int64_t(count) * itemSize > remainingBytes(in) - reserve) {
        in.setstate(std::ios::eofbit | std::ios::failbit);
        return false;
    }
    return true;
}

bool readPoints(std::istream& in, ClPoints& points)
{
    std::int32_t count = 0;
    if (!readInt32(in, count) || !countFitsOrFail(in, count, 8))
        return false;
    points.resize(std::size_t(count));
    for (auto& p : points)
        if (!readInt32(in, p.x) || !readInt32(in, p.y))
            return false;
    return true;
}

// Reads `count` records. When they cannot all fit, they are read one by one
// into a scratch record, only to tell where the file ends.
template <typename Record>
bool readRecords(std::istream& in, std::int32_t count, std::vector<Record>& out, const std::string& what,
                 std::string& error)
{
    if (count < 0) {
        error = words::say("Failure", "has a count out of range in the header");
        return false;
    }
    const bool fits = std::int64_t(count) * Record::kMinSize <= remainingBytes(in);
    std::vector<Record> records(fits ? std::size_t(count) : 0);
    Record scratch;
    for (std::int32_t i = 0; i < count; ++i) {
        Record& record = fits ? records[std::size_t(i)] : scratch;
        if (!record.readFrom(in)) {
            error = words::fill(in.eof() ? words::say("Failure", "ends inside %1 %2")
                                         : words::say("Failure", "has a count out of range in %1 %2"),
                                {what, std::to_string(i)});
            return false;
        }
    }
    if (!fits) {
        error = words::fill(words::say("Failure", "ends inside %1 %2"), {what, std::to_string(count - 1)});
        return false;
    }
    out = std::move(records);
    return true;
}

void writePoints(std::ostream& out, const ClPoints& points)
{
    writeInt32(out, std::int32_t(points.size()));
    for (const auto& p : points) {
        writeInt32(out, p.x);
        writeInt32(out, p.y);
    }
}

} // namespace

bool ClGameHeader::readFrom(std::istream& in)
{
    return readInt32(in, headerTag) && readBytes(in, headerBlockA.data(), headerBlockA.size())
           && readBytes(in, headerBlockB.data(), headerBlockB.size()) && readInt32(in, puzzleCount)
           && readInt32(in, shapeCount) && readInt32(in, gridWidth) && readInt32(in, gridHeight)
           && readInt32(in, rotateStep) && readInt32(in, pickMode) && readInt32(in, cellWidth)
           && readInt32(in, cellHeight) && readInt32(in, headerSpare)
           && readBytes(in, headerBlockC.data(), headerBlockC.size());
}

bool ClGameHeader::writeTo(std::ostream& out) const
{
    writeInt32(out, headerTag);
    writeBytes(out, headerBlockA.data(), headerBlockA.size());
    writeBytes(out, headerBlockB.data(), headerBlockB.size());
    for (std::int32_t v :
         {puzzleCount, shapeCount, gridWidth, gridHeight, rotateStep, pickMode, cellWidth, cellHeight, headerSpare})
        writeInt32(out, v);
    writeBytes(out, headerBlockC.data(), headerBlockC.size());
    return bool(out);
}

bool ClShape::readFrom(std::istream& in)
{
    return readFloat(in, centerX) && readFloat(in, centerY) && readFloat(in, mirrorX) && readFloat(in, shapeSpare1)
           && readFloat(in, shapeSpare2) && readFloat(in, shapeSpare3) && readPoints(in, points);
}

bool ClShape::writeTo(std::ostream& out) const
{
    for (float v : {centerX, centerY, mirrorX, shapeSpare1, shapeSpare2, shapeSpare3})
        writeFloat(out, v);
    writePoints(out, points);
    return bool(out);
}

bool ClPiece::getCells(ClPoints& out) const
{
    if (!shape) {
        out.clear();
        return true;
    }
    out = shape->points;
    if (flipped != 0)
        mirrorPoints(out, shape->mirrorX);
    rotatePoints(out, angle, shape->centerX, shape->centerY);
    translatePoints(out, x, y);
    return true;
}

ClPoints ClPiece::cells() const
{
    ClPoints out;
    getCells(out);
    return out;
}

void ClPiece::rotate(std::int32_t delta)
{
    angle = std::int32_t((std::int64_t(angle) + delta) % 360);
}

void ClPiece::flip()
{
    flipped = flipped == 0 ? 1 : 0;
}

ClPiece ClPiece::atStart() const
{
    ClPiece started = *this;
    started.x = startX;
    started.y = startY;
    started.angle = startAngle;
    started.flipped = startFlipped;
    return started;
}

bool ClPiece::readFrom(std::istream& in)
{
    return readInt32(in, x) && readInt32(in, y) && readInt32(in, angle) && readInt32(in, flipped)
           && readInt32(in, shapeIndex) && readInt32(in, startX) && readInt32(in, startY) && readInt32(in, startAngle)
           && readInt32(in, startFlipped);
}

bool ClPiece::writeTo(std::ostream& out) const
{
    for (std::int32_t v : {x, y, angle, flipped, shapeIndex, startX, startY, startAngle, startFlipped})
        writeInt32(out, v);
    return bool(out);
}

bool ClPuzzle::readFrom(std::istream& in)
{
    if (!readInt32(in, pieceCount) || !readBytes(in, puzzleBlock.data(), puzzleBlock.size())
        || !readInt32(in, puzzleWord1) || !readInt32(in, puzzleWord2) || !readInt32(in, puzzleWord3))
        return false;
    // The piece records and the extra point count after them must still fit.
    if (!countFitsOrFail(in, pieceCount, ClPiece::kSize, 4))
        return false;
    pieces.resize(std::size_t(pieceCount));
    for (auto& piece : pieces)
        if (!piece.readFrom(in))
            return false;
    return readPoints(in, extraPoints);
}

bool ClPuzzle::writeTo(std::ostream& out) const
{
    const auto count = std::clamp<std::int64_t>(pieceCount, 0, std::int64_t(pieces.size()));
    writeInt32(out, std::int32_t(count));
    writeBytes(out, puzzleBlock.data(), puzzleBlock.size());
    writeInt32(out, puzzleWord1);
    writeInt32(out, puzzleWord2);
    writeInt32(out, puzzleWord3);
    for (std::int64_t i = 0; i < count; ++i)
        pieces[std::size_t(i)].writeTo(out);
    writePoints(out, extraPoints);
    return bool(out);
}

bool ClGameFile::readContent(std::istream& in)
{
    ClGameHeader newHeader;
    if (!newHeader.readFrom(in)) {
        lastFailure = {FailureKind::Damaged, words::say("Failure", "ends inside the header")};
        return false;
    }
    std::vector<ClShape> newShapes;
    std::vector<ClPuzzle> newPuzzles;
    std::string damage;
    if (!readRecords(in, newHeader.shapeCount, newShapes, words::say("Failure", "shape record"), damage)
        || !readRecords(in, newHeader.puzzleCount, newPuzzles, words::say("Failure", "puzzle record"), damage)) {
        lastFailure = {FailureKind::Damaged, damage};
        return false;
    }

    header = newHeader;
    shapes = std::move(newShapes);
    puzzles = std::move(newPuzzles);
    linkShapes();
    lastFailure = {};
    return true;
}

void ClGameFile::linkShapes()
{
    for (auto& puzzle : puzzles)
        for (auto& piece : puzzle.pieces)
            piece.shape = piece.shapeIndex >= 0 && std::size_t(piece.shapeIndex) < shapes.size()
                              ? &shapes[std::size_t(piece.shapeIndex)]
                              : nullptr;
}

bool ClGameFile::load(const std::string& fileName)
{
    std::string bytes;
    if (!fileaccess::readFile(fileName, kLargestFile, bytes, lastFailure)) {
        lastFailure.why = words::fill(words::say("Failure", "cannot be opened: %1"), {lastFailure.why});
        return false;
    }
    std::istringstream in(std::move(bytes), std::ios::binary);
    return readContent(in);
}

bool ClGameFile::save(const std::string& fileName, Failure* failure) const
{
    std::ostringstream out(std::ios::binary);
    writeContent(out);
    Failure reason;
    const bool saved = fileaccess::writeFile(fileName, out.view(), reason);
    if (failure)
        *failure = reason;
    return saved;
}

void ClGameFile::writeContent(std::ostream& out) const
{
    // Counts come from what is really held, so the file always reads back.
    ClGameHeader written = header;
    written.shapeCount = std::int32_t(std::clamp<std::int64_t>(header.shapeCount, 0, std::int64_t(shapes.size())));
    written.puzzleCount = std::int32_t(std::clamp<std::int64_t>(header.puzzleCount, 0, std::int64_t(puzzles.size())));
    written.writeTo(out);
    for (std::int32_t i = 0; i < written.shapeCount; ++i)
        shapes[std::size_t(i)].writeTo(out);
    for (std::int32_t i = 0; i < written.puzzleCount; ++i)
        puzzles[std::size_t(i)].writeTo(out);
}
