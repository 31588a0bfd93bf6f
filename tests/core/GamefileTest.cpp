#include <gtest/gtest.h>

#include <cmath>

#include "Fixtures.h"
#include "model/Binaryio.h"

// The layout's sizes are those of the format. Every cut short of the end
// fails and trailing bytes are ignored; a failure names the record and
// leaves what was loaded exactly as it was.
TEST(Gamefile, FailuresNameTheRecordAndChangeNothing)
{
    const std::string path = fixtures::writeSmallGame("gamefile.gam");
    const std::string bytes = fixtures::contentOf(path);
    // header 232, bar and L shapes 28 + 3 * 8 each, three puzzles 148 + 2 * 36
    // (The counts' offsets, 68 and 72, are pinned by the damages below.)
    EXPECT_EQ(bytes.size(), 232u + 2 * 52 + 3 * 220);
    ClGameFile file;
    ASSERT_TRUE(file.load(path));

    const std::string badPath = fixtures::tempPath("bad.gam");
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        fixtures::put(badPath, bytes.substr(0, length));
        ASSERT_FALSE(file.load(badPath)) << "length " << length;
    }
    fixtures::put(badPath, bytes + "trailing bytes are ignored");
    EXPECT_TRUE(file.load(badPath));

    EXPECT_FALSE(file.load(fixtures::tempPath("no-such-file.gam")));
    EXPECT_EQ(file.loadFailure().why, "cannot be opened: it is missing");
    const std::size_t firstPuzzle = 232 + 2 * 52;
    // The file's first `length` bytes with `value` put at `offset` (0: none), and why it is refused.
    const std::tuple<std::size_t, std::size_t, std::int32_t, std::string> damages[] = {
        {100, 0, 0, "ends inside the header"},
        {bytes.size() - 1, 0, 0, "ends inside puzzle record 2"},
        {bytes.size(), 68, -1, "has a count out of range in the header"},
        {bytes.size(), 72, INT32_MAX, "ends inside shape record 23"}, // puzzles read as shapes
        {bytes.size(), 68, 4, "ends inside puzzle record 3"},
        {bytes.size(), 232 + 24, 1 << 30, "ends inside shape record 0"},
        {bytes.size(), 232 + 24, -3, "has a count out of range in shape record 0"},
        {bytes.size(), firstPuzzle, 2000000000, "ends inside puzzle record 0"},
        {bytes.size(), firstPuzzle, -2, "has a count out of range in puzzle record 0"},
        {bytes.size(), firstPuzzle + 144 + 2 * 36, -1, "has a count out of range in puzzle record 0"},
        // Counts one past what the file holds, each at the end of the file.
        {bytes.size(), bytes.size() - 4, 1, "ends inside puzzle record 2"},
        {bytes.size(), bytes.size() - 220, 3, "ends inside puzzle record 2"},
    };
    for (const auto& [length, offset, value, reason] : damages) {
        std::string bad = bytes.substr(0, length);
        if (offset)
            binaryio::putInt32(reinterpret_cast<std::uint8_t*>(bad.data() + offset), value);
        fixtures::put(badPath, bad);
        EXPECT_FALSE(file.load(badPath)) << reason;
        EXPECT_EQ(file.loadFailure().why, reason);
    }
    EXPECT_EQ(file.header.puzzleCount, 3);
    EXPECT_EQ(file.shapes.size(), 2u);
    ASSERT_EQ(file.puzzles.size(), 3u);
    for (const auto& puzzle : file.puzzles)
        for (const auto& piece : puzzle.pieces)
            EXPECT_EQ(piece.shape, &file.shapes[std::size_t(piece.shapeIndex)]);
}

// The counts written are those of what is held, whatever the records claim.
TEST(Gamefile, RoundTripKeepsOddValuesAndOpaqueBytes)
{
    ClGameFile file;
    fixtures::fillSmallGame(file);
    file.header.puzzleCount = 50;
    file.puzzles[0].pieceCount = 9;
    file.header.headerTag = -123456789;
    file.header.headerBlockA[0] = 0xff;
    file.header.headerBlockB[31] = 0x80;
    file.header.headerBlockC[127] = 7;
    file.header.pickMode = -1;
    file.header.headerSpare = 0x7fffffff;
    file.shapes[0].shapeSpare1 = -0.0f;
    file.shapes[0].shapeSpare2 = std::numeric_limits<float>::quiet_NaN();
    file.shapes[1].points.clear();
    file.puzzles[1].puzzleBlock.fill(0xa5);
    file.puzzles[1].puzzleWord3 = std::numeric_limits<std::int32_t>::min();
    file.puzzles[1].pieces[0].flipped = 5; // any non-zero value means mirrored, kept as it is
    file.puzzles[1].pieces[1].shapeIndex = 9;
    file.puzzles[2].extraPoints = {{-1, 2}, {3, -4}};

    // Read back and written again, the bytes are the same: whatever the
    // reading loses shows there; what the writing loses, in the values below.
    const std::string path = fixtures::tempPath("roundtrip.gam");
    ASSERT_TRUE(file.save(path));
    ClGameFile copy;
    ASSERT_TRUE(copy.load(path));
    const std::string again = fixtures::tempPath("roundtrip2.gam");
    ASSERT_TRUE(copy.save(again));
    EXPECT_EQ(fixtures::contentOf(path), fixtures::contentOf(again));
    EXPECT_EQ(copy.header.puzzleCount, 3);
    EXPECT_EQ(copy.header.headerTag, -123456789);
    EXPECT_TRUE(std::signbit(copy.shapes[0].shapeSpare1));
    EXPECT_TRUE(std::isnan(copy.shapes[0].shapeSpare2));
    EXPECT_EQ(copy.puzzles[1].puzzleBlock[100], 0xa5);
    EXPECT_EQ(copy.puzzles[1].pieces[0].flipped, 5);
    EXPECT_EQ(copy.puzzles[2].extraPoints, file.puzzles[2].extraPoints);
}
