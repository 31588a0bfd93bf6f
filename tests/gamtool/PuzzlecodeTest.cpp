#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "game/Difficulty.h"
#include "game/Puzzlecode.h"
#include "game/Solver.h"

namespace {
std::string stored(const ClGameFile& file)
{
    std::ostringstream bytes(std::ios::binary);
    for (const auto& puzzle : file.puzzles)
        puzzle.writeTo(bytes);
    return bytes.str();
}
} // namespace

// A code reads back as what it was made from, however the player types it,
// and no single mistyped character reads as another code.
TEST(Puzzlecode, ReadsBackAndCatchesEveryOneCharacterTypo)
{
    const std::string digits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    for (int group = 0; group < kGroupCount; ++group)
        for (int challenge = 0; challenge < kChallengeCount; ++challenge)
            for (std::uint32_t seed : {0u, 1u, 0x9e3779b9u, 0xffffffffu}) {
                const PuzzleCode code{kGeneratorVersion, group, Challenge(challenge), seed};
                const std::string text = codeText(code);
                ASSERT_EQ(text.size(), 11u);
                EXPECT_EQ(text.find_first_not_of(digits + "-"), std::string::npos) << text;
                EXPECT_EQ(readCode(text).code, code) << text;
                std::string loose = " " + text + " ";
                std::transform(loose.begin(), loose.end(), loose.begin(), [](char c) {
                    return c == '0' ? 'o' : c == '1' ? 'l' : char(std::tolower(c));
                });
                EXPECT_EQ(readCode(loose).code, code) << loose;
                for (std::size_t at = 0; at < text.size(); ++at)
                    for (char typo : digits)
                        if (text[at] != '-' && typo != text[at]) {
                            std::string mistyped = text;
                            mistyped[at] = typo;
                            EXPECT_FALSE(readCode(mistyped).code) << mistyped;
                        }
            }
}

// The puzzle of the day is its group's, another the next day and in another group.
TEST(Puzzlecode, EachDayHasItsOwnPuzzleInEachGroup)
{
    EXPECT_EQ(puzzleOfTheDay(2, 20000).group, 2);
    EXPECT_NE(puzzleOfTheDay(2, 20000).seed, puzzleOfTheDay(2, 20001).seed);
    EXPECT_NE(puzzleOfTheDay(2, 20000).seed, puzzleOfTheDay(3, 20000).seed);
}

TEST(Puzzlecode, WhatIsNoCodeSaysWhy)
{
    const std::string good = codeText({kGeneratorVersion, 2, Challenge::Hard, 4711});
    const std::pair<std::string, CodeProblem> cases[] = {
        {"", CodeProblem::WrongLength},
        {good.substr(0, 10), CodeProblem::WrongLength},
        {good + "0", CodeProblem::WrongLength},
        {good.substr(0, 4) + "U" + good.substr(5), CodeProblem::UnknownCharacter},
        {good + "\n", CodeProblem::UnknownCharacter},
        {good.substr(0, 10) + (good[10] == '0' ? "1" : "0"), CodeProblem::Mistyped},
        {codeText({kGeneratorVersion + 1, 2, Challenge::Hard, 4711}), CodeProblem::UnknownGenerator},
        {codeText({0, 2, Challenge::Hard, 4711}), CodeProblem::UnknownGenerator},
    };
    for (const auto& [text, problem] : cases) {
        const CodeReading reading = readCode(text);
        EXPECT_FALSE(reading.code) << text;
        EXPECT_EQ(reading.problem, problem) << text;
    }
    EXPECT_EQ(readCode(good.substr(0, 4) + "U" + good.substr(5)).unknown, 'U');
}

// A code makes the same puzzle every time: of its group's kind, solvable,
// needing a turn, as hard as its challenge says, and carrying its code.
// Another seed or challenge makes another puzzle.
TEST(Puzzlecode, MakesOneSolvablePuzzleOfItsGroupAndChallenge)
{
    for (int group = 0; group < kGroupCount; ++group) {
        std::vector<std::string> made;
        for (int challenge = 0; challenge < kChallengeCount; ++challenge)
            for (std::uint32_t seed : {1u, 5u}) { // 1: group 2's easiest on its ceiling, 76.9
                const PuzzleCode code{kGeneratorVersion, group, Challenge(challenge), seed};
                ClGameFile file, again;
                std::string error;
                ASSERT_TRUE(makePuzzle(code, file, error)) << error;
                ASSERT_TRUE(makePuzzle(code, again, error)) << error;
                EXPECT_EQ(stored(file), stored(again));
                ASSERT_EQ(file.puzzles.size(), 1u);
                EXPECT_EQ(codeOfPuzzle(file.puzzles[0]), code);
                EXPECT_EQ(textOf(file.header.headerBlockA), groupRules(group)->caption);
                const Difficulty difficulty = measureDifficulty(file.puzzles[0], file.header.rotateStep);
                EXPECT_TRUE(difficulty.solvable);
                EXPECT_GT(difficulty.clicks, 0);
                const auto& quartiles = groupRules(group)->quartiles;
                if (challenge > 0) {
                    EXPECT_GE(difficulty.score, quartiles[std::size_t(challenge - 1)]) << codeText(code);
                }
                if (challenge < kChallengeCount - 1) {
                    EXPECT_LT(difficulty.score, quartiles[std::size_t(challenge)]) << codeText(code);
                }
                file.puzzles[0].puzzleBlock.fill(0); // the pieces and gap alone
                made.push_back(stored(file));
            }
        std::sort(made.begin(), made.end());
        EXPECT_EQ(std::unique(made.begin(), made.end()), made.end());
    }
}

// The challenges part each shipped group into four equal quarters by score.
TEST(Puzzlecode, ChallengesAreTheQuartersOfTheShippedGroups)
{
    for (int group = 0; group < kGroupCount; ++group) {
        ClGameFile file;
        ASSERT_TRUE(file.load(std::string(PUZZLE_DIR) + "/Brick" + std::to_string(group) + ".gam"));
        std::vector<double> scores;
        for (const auto& puzzle : file.puzzles)
            scores.push_back(measureDifficulty(puzzle, file.header.rotateStep).score);
        const auto& quartiles = groupRules(group)->quartiles;
        for (std::size_t q = 0; q < quartiles.size(); ++q)
            EXPECT_EQ(std::count_if(scores.begin(), scores.end(), [&](double score) { return score < quartiles[q]; }),
                      std::ptrdiff_t(scores.size() * (q + 1) / kChallengeCount))
                << "group " << group << " quartile " << q;
    }
}
