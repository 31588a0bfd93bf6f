#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Fixtures.h"
#include "game/Settings.h"

namespace {
void writeBytes(const std::string& path, std::size_t count, char value)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << std::string(count, value);
}
} // namespace

// Every field lands at its documented offset, and a record from elsewhere
// is read at those offsets: a round trip alone would hide a swapped pair.
TEST(Settings, EveryFieldHasItsOffset)
{
    ClSettings settings;
    std::int32_t* words[] = {&settings.reserved0,  &settings.musicOn,    &settings.soundOn,
                             &settings.reserved12, &settings.group,      &settings.lastPuzzle,
                             &settings.reserved24, &settings.reserved28, &settings.reserved32,
                             &settings.brickStyle};
    for (std::size_t i = 0; i < std::size(words); ++i)
        *words[i] = std::int32_t(0x01020300 + i);
    settings.reserved40.fill(0xa1);
    settings.textField1.fill(0xb2);
    settings.textField2.fill(0xc3);
    const auto bytes = settings.toBytes();
    for (std::size_t i = 0; i < std::size(words); ++i)
        EXPECT_EQ(bytes[4 * i], i) << "word at " << 4 * i; // little-endian: the low byte first
    EXPECT_EQ(bytes[16 + 3], 0x01);
    for (std::size_t at = 40; at < ClSettings::kSize; ++at)
        EXPECT_EQ(bytes[at], at < 168 ? 0xa1 : at < 232 ? 0xb2 : 0xc3) << "byte " << at;

    ClSettings::Bytes foreign{};
    foreign[4] = 7;    // musicOn
    foreign[8] = 8;    // soundOn
    foreign[16] = 3;   // group
    foreign[20] = 42;  // lastPuzzle
    foreign[36] = 5;   // brickStyle
    foreign[168] = 'A';
    foreign[232] = 'B';
    ClSettings read;
    read.fromBytes(foreign);
    EXPECT_EQ(read.musicOn, 7);
    EXPECT_EQ(read.soundOn, 8);
    EXPECT_EQ(read.group, 3);
    EXPECT_EQ(read.lastPuzzle, 42);
    EXPECT_EQ(read.brickStyle, 5);
    EXPECT_EQ(read.textField1[0], 'A');
    EXPECT_EQ(read.textField2[0], 'B');
}

TEST(Settings, DefaultsAndTheirBytes)
{
    const ClSettings settings;
    EXPECT_EQ(settings.musicOn, 1);
    EXPECT_EQ(settings.soundOn, 1);
    EXPECT_EQ(settings.group, 0);
    EXPECT_EQ(settings.lastPuzzle, 0);
    EXPECT_EQ(settings.brickStyle, 0);
    const auto bytes = settings.toBytes();
    EXPECT_EQ(bytes[4], 1);
    EXPECT_EQ(bytes[28], 1);
    EXPECT_EQ(bytes[32], 1);
    EXPECT_EQ(bytes[168], ' ');
    EXPECT_EQ(bytes[230], ' ');
    EXPECT_EQ(bytes[231], 0);
    EXPECT_EQ(bytes[295], 0);
}

TEST(Settings, ShortAndLongFilesFillTheRecordFromTheStart)
{
    const std::string path = fixtures::tempPath("config.dat");
    ClSettings settings;
    EXPECT_FALSE(settings.loadFrom(fixtures::tempPath("no-config.dat")));
    EXPECT_EQ(settings.musicOn, 1);

    writeBytes(path, 10, 0x02); // offsets 0..9: reserved, musicOn, half of soundOn
    EXPECT_FALSE(settings.loadFrom(path));
    EXPECT_EQ(settings.musicOn, 0x02020202);
    EXPECT_EQ(settings.soundOn, 0x0202); // its upper bytes keep those of the default 1
    EXPECT_EQ(settings.group, 0);

    writeBytes(path, 0, 0);
    ClSettings fresh;
    EXPECT_FALSE(fresh.loadFrom(path));
    EXPECT_EQ(fresh.toBytes(), ClSettings().toBytes());

    writeBytes(path, 1000, 0x7f);
    EXPECT_TRUE(fresh.loadFrom(path));
    EXPECT_EQ(fresh.group, 0x7f7f7f7f); // odd values are kept; their users must cope
    ASSERT_TRUE(fresh.saveTo(path));
    EXPECT_EQ(std::filesystem::file_size(path), ClSettings::kSize);
}

TEST(Settings, SaveKeepsEveryByte)
{
    const std::string path = fixtures::tempPath("config-roundtrip.dat");
    ClSettings settings;
    settings.reserved40.fill(0x5a);
    settings.textField2[0] = 'X';
    settings.reserved0 = -7;
    settings.brickStyle = 5;
    ASSERT_TRUE(settings.saveTo(path));
    ClSettings loaded;
    ASSERT_TRUE(loaded.loadFrom(path));
    EXPECT_EQ(loaded.toBytes(), settings.toBytes());
}

TEST(Settings, ExactlyOneRecordLoadsWhole)
{
    const std::string path = fixtures::tempPath("config-296.dat");
    writeBytes(path, ClSettings::kSize, 0x01);
    ClSettings settings;
    EXPECT_TRUE(settings.loadFrom(path));
    EXPECT_EQ(settings.group, 0x01010101);
    EXPECT_EQ(settings.textField2.back(), 0x01);
}
