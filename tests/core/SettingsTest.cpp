#include <gtest/gtest.h>

#include "Fixtures.h"
#include "game/Settings.h"

// A record from elsewhere is read at the documented offsets, and written
// back to the same bytes: a round trip alone would hide a swapped pair. A
// new record has the defaults' bytes.
TEST(Settings, EveryFieldHasItsOffsetAndTheDefaultsTheirBytes)
{
    // The words in the order of their offsets, 4 bytes apart.
    std::int32_t ClSettings::*const words[] = {
        &ClSettings::reserved0,  &ClSettings::musicOn,    &ClSettings::soundOn,    &ClSettings::reserved12,
        &ClSettings::group,      &ClSettings::lastPuzzle, &ClSettings::reserved24, &ClSettings::reserved28,
        &ClSettings::reserved32, &ClSettings::brickStyle};
    ClSettings::Bytes foreign{};
    for (std::size_t i = 0; i < std::size(words); ++i)
        foreign[4 * i] = std::uint8_t(10 + i); // little-endian: the low byte first
    std::fill(foreign.begin() + 40, foreign.begin() + 168, 0xa1);
    std::fill(foreign.begin() + 168, foreign.begin() + 232, 0xb2);
    std::fill(foreign.begin() + 232, foreign.end(), 0xc3);
    ClSettings read;
    read.fromBytes(foreign);
    for (std::size_t i = 0; i < std::size(words); ++i)
        EXPECT_EQ(read.*words[i], std::int32_t(10 + i)) << "word at " << 4 * i;
    EXPECT_EQ(read.reserved40.back(), 0xa1);
    EXPECT_EQ(read.textField1.front(), 0xb2);
    EXPECT_EQ(read.textField2.front(), 0xc3);
    EXPECT_EQ(read.toBytes(), foreign);

    // Music and sound on, group, puzzle and style 0, both texts blank and ended by a zero.
    const auto bytes = ClSettings().toBytes();
    const std::pair<std::size_t, int> defaults[] = {{4, 1},  {8, 1},     {16, 0},    {20, 0},  {28, 1}, {32, 1},
                                                    {36, 0}, {168, ' '}, {230, ' '}, {231, 0}, {295, 0}};
    for (const auto& [at, value] : defaults)
        EXPECT_EQ(bytes[at], value) << "byte " << at;
}

// A short file fills the record from the start; one record or more loads
// whole, odd values kept: their users must cope. Without a file, the whole
// record is written. (Two games at once, each writing only the fields its
// player changed, are played in SharedfolderTest.)
TEST(Settings, ShortFilesFillFromTheStartAndNoFileGetsTheWholeRecord)
{
    const std::string path = fixtures::freshFolder("settings") + "/config.dat";
    ClSettings settings;
    fixtures::put(path, std::string(10, 0x02)); // offsets 0..9: reserved, musicOn, half of soundOn
    EXPECT_FALSE(settings.loadFrom(path));
    EXPECT_EQ(settings.musicOn, 0x02020202);
    EXPECT_EQ(settings.soundOn, 0x0202); // its upper bytes keep those of the default 1
    for (const std::size_t size : {std::size_t(ClSettings::kSize), std::size_t(1000)}) {
        fixtures::put(path, std::string(size, 0x7f));
        EXPECT_TRUE(settings.loadFrom(path));
        EXPECT_EQ(settings.textField2.back(), 0x7f);
    }

    ASSERT_TRUE(settings.saveFields(path + ".new", 0));
    const auto whole = settings.toBytes();
    EXPECT_EQ(fixtures::contentOf(path + ".new"), std::string(whole.begin(), whole.end()));
}
