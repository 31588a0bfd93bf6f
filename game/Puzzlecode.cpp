#include "game/Puzzlecode.h"

#include <array>

#include "game/Generator.h"
#include "model/Words.h"

namespace {
// Crockford's digits: none of them is taken for another when read or written.
constexpr std::string_view kDigits = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int kBitsPerDigit = 5;
constexpr std::uint32_t kDigitMask = (1u << kBitsPerDigit) - 1;
constexpr int kValueDigits = 8; // generator 4 bits, group 2, challenge 2, seed 32
constexpr int kCodeDigits = kValueDigits + 1;
constexpr int kShownInGroupsOf = 3;
constexpr int kSeedBits = 32;

// Every digit has an odd weight, so changing any one digit changes the sum
// modulo 32 and the check no longer adds up.
constexpr int weightOf(int position)
{
    return 2 * position + 1;
}
// 17 times 17 is 1 modulo 32: dividing by the check digit's weight.
constexpr int kCheckWeightInverse = 17;
static_assert(weightOf(kValueDigits) * kCheckWeightInverse % 32 == 1);

int digitValue(char c)
{
    if (c >= 'a' && c <= 'z')
        c = char(c - 'a' + 'A');
    if (c == 'O')
        c = '0';
    if (c == 'I' || c == 'L')
        c = '1';
    const auto at = kDigits.find(c);
    return at == std::string_view::npos ? -1 : int(at);
}

int checkDigit(const std::array<int, kCodeDigits>& digits)
{
    int sum = 0;
    for (int i = 0; i < kValueDigits; ++i)
        sum += weightOf(i) * digits[std::size_t(i)];
    return (32 - sum % 32) * kCheckWeightInverse % 32;
}
} // namespace

std::string codeText(const PuzzleCode& code)
{
    const std::uint64_t value = std::uint64_t(code.generator) << (kSeedBits + 4)
                                | std::uint64_t(code.group) << (kSeedBits + 2)
                                | std::uint64_t(code.challenge) << kSeedBits | code.seed;
    std::array<int, kCodeDigits> digits{};
    for (int i = 0; i < kValueDigits; ++i)
        digits[std::size_t(i)] = int(value >> (kBitsPerDigit * (kValueDigits - 1 - i)) & kDigitMask);
    digits[kValueDigits] = checkDigit(digits);
    std::string text;
    for (int i = 0; i < kCodeDigits; ++i) {
        if (i > 0 && i % kShownInGroupsOf == 0)
            text += '-';
        text += kDigits[std::size_t(digits[std::size_t(i)])];
    }
    return text;
}

CodeReading readCode(std::string_view text)
{
    std::array<int, kCodeDigits> digits{};
    std::size_t count = 0;
    for (char c : text) {
        if (c == '-' || c == ' ')
            continue;
        const int value = digitValue(c);
        if (value < 0)
            return {std::nullopt, CodeProblem::UnknownCharacter, c};
        if (count == digits.size())
            return {std::nullopt, CodeProblem::WrongLength};
        digits[count++] = value;
    }
    if (count != digits.size())
        return {std::nullopt, CodeProblem::WrongLength};
    if (checkDigit(digits) != digits[kValueDigits])
        return {std::nullopt, CodeProblem::Mistyped};
    std::uint64_t value = 0;
    for (int i = 0; i < kValueDigits; ++i)
        value = value << kBitsPerDigit | std::uint64_t(digits[std::size_t(i)]);
    PuzzleCode code;
    code.generator = int(value >> (kSeedBits + 4));
    if (code.generator != kGeneratorVersion)
        return {std::nullopt, CodeProblem::UnknownGenerator};
    code.group = int(value >> (kSeedBits + 2) & 3);
    code.challenge = Challenge(value >> kSeedBits & 3);
    code.seed = std::uint32_t(value);
    return {code, CodeProblem::None};
}

bool makePuzzle(const PuzzleCode& code, ClGameFile& file, std::string& error)
{
    const GroupRules* rules = groupRules(code.group);
    if (code.generator != kGeneratorVersion || !rules) {
        error = words::say("Failure", "the code names no generator or group of this build");
        return false;
    }
    if (!generatePuzzle(*rules, code.seed, code.challenge, file, error))
        return false;
    putText(file.puzzles.front().puzzleBlock, codeText(code));
    return true;
}

std::optional<PuzzleCode> codeOfPuzzle(const ClPuzzle& puzzle)
{
    return readCode(textOf(puzzle.puzzleBlock)).code;
}

PuzzleCode puzzleOfTheDay(int group, std::int64_t day)
{
    // The day's number mixed (a 64-bit finaliser), so that the seeds of
    // neighbouring days and groups have nothing in common.
    std::uint64_t mixed = std::uint64_t(day) * kGroupCount + std::uint64_t(group);
    mixed ^= mixed >> 33;
    mixed *= 0xff51afd7ed558ccdULL;
    mixed ^= mixed >> 33;
    mixed *= 0xc4ceb9fe1a85ec53ULL;
    mixed ^= mixed >> 33;
    return {kGeneratorVersion, group, Challenge::Medium, std::uint32_t(mixed)};
}
