#pragma once
// The short code that rebuilds a generated puzzle anywhere: which generator
// made it, the group's kind, the challenge and the seed, in nine letters and
// digits a person can read out and type (no I, L, O or U), the last a check
// that catches any one mistyped character. Shown in threes: "1A2-B3C-4D5".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "game/Groups.h"
#include "model/Gamefile.h"

// The generator this build makes puzzles with. Kept in every code, so that a
// code keeps naming the puzzle it named when a later generator differs.
inline constexpr int kGeneratorVersion = 1;

struct PuzzleCode {
    int generator = kGeneratorVersion;
    int group = 0;
    Challenge challenge = Challenge::Easy;
    std::uint32_t seed = 0;
    bool operator==(const PuzzleCode&) const = default;
};

enum class CodeProblem {
    None,
    WrongLength,      // not nine characters, dashes and spaces aside
    UnknownCharacter, // one that is in no code
    Mistyped,         // the check does not add up
    UnknownGenerator, // made by a generator this build does not have
};

struct CodeReading {
    std::optional<PuzzleCode> code;
    CodeProblem problem = CodeProblem::None;
    // The character that is in no code, for UnknownCharacter.
    char unknown = 0;
};

std::string codeText(const PuzzleCode& code);
// Letters in either case; O reads as 0, I and L as 1; dashes and spaces are
// ignored.
CodeReading readCode(std::string_view text);

// The puzzle the code names, made as the code's generator makes it: `file`
// holds the group's header and shapes and that one puzzle, which carries the
// code as its name. False (with the reason in `error`) when none can be made.
bool makePuzzle(const PuzzleCode& code, ClGameFile& file, std::string& error);
// The code a puzzle carries as its name, if that is a code.
std::optional<PuzzleCode> codeOfPuzzle(const ClPuzzle& puzzle);

// The puzzle of the day for a group: the same for every player on the day
// (counted in whole days of UTC since 1970), another the next day.
PuzzleCode puzzleOfTheDay(int group, std::int64_t day);
