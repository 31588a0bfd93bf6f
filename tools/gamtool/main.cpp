// gamtool: the puzzle author's command-line tool.
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <iomanip>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "game/Difficulty.h"
#include "game/Generator.h"
#include "game/Groups.h"
#include "game/Progress.h"
#include "game/Puzzlecode.h"
#include "game/Solver.h"
#include "model/Gamefile.h"
#include "tools/gamtool/Checker.h"
#include "tools/gamtool/Dump.h"

namespace {

int usage()
{
    std::cerr << "usage:\n"
                 "  gamtool dump FILE\n"
                 "  gamtool copy IN OUT\n"
                 "  gamtool generate --group G --seed S [--count N | --challenge C] -o FILE\n"
                 "  gamtool solve FILE [--puzzle I] [--limit K] [--steps N] [--stats]\n"
                 "  gamtool check FILE...\n"
                 "  gamtool fromcode CODE -o FILE\n"
                 "  gamtool code FILE\n"
                 "Puzzles are counted from 1; a challenge is easy, medium, hard or expert; the groups are\n";
    for (int group = 0; group < kGroupCount; ++group)
        std::cerr << "  " << group << ": " << kGroupCaptions[std::size_t(group)] << '\n';
    return 2;
}

int cannotLoad(const std::string& fileName, const std::string& why)
{
    std::cerr << "gamtool: " << fileName << ": " << why << '\n';
    return 1;
}

std::optional<std::int64_t> numberOf(const std::string& text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "--name value" pairs after the leading plain arguments; false on anything
// unknown, repeated or without a value.
bool readOptions(const std::vector<std::string>& args, std::size_t from, const std::vector<std::string>& names,
                 std::vector<std::optional<std::string>>& values)
{
    values.assign(names.size(), std::nullopt);
    for (std::size_t i = from; i < args.size(); i += 2) {
        std::size_t k = 0;
        while (k < names.size() && names[k] != args[i])
            ++k;
        if (k == names.size() || i + 1 >= args.size() || values[k])
            return false;
        values[k] = args[i + 1];
    }
    return true;
}

int dump(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return usage();
    std::string error;
    if (!dumpGameFile(args[0], std::cout, error))
        return cannotLoad(args[0], error);
    return 0;
}

int save(const ClGameFile& file, const std::string& path)
{
    Failure failure;
    if (!file.save(path, &failure))
        return cannotLoad(path, "cannot be written: " + failure.why);
    return 0;
}

int copy(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        return usage();
    ClGameFile file;
    if (!file.load(args[0]))
        return cannotLoad(args[0], file.loadFailure().why);
    return save(file, args[1]);
}

// The challenges by name, easiest first.
constexpr const char* kChallengeNames[kChallengeCount] = {"easy", "medium", "hard", "expert"};

std::optional<Challenge> challengeNamed(const std::string& name)
{
    for (int c = 0; c < kChallengeCount; ++c)
        if (name == kChallengeNames[c])
            return Challenge(c);
    return std::nullopt;
}

int generate(const std::vector<std::string>& args)
{
    std::vector<std::optional<std::string>> options;
    if (!readOptions(args, 0, {"--group", "--seed", "--count", "--challenge", "-o"}, options) || !options[0]
        || !options[1] || !options[4] || (options[2] && options[3]))
        return usage();
    const auto group = numberOf(*options[0]);
    const auto seed = numberOf(*options[1]);
    const auto count = numberOf(options[2].value_or(std::to_string(kMinPuzzles)));
    const auto challenge = challengeNamed(options[3].value_or(kChallengeNames[0]));
    if (!group || !groupRules(*group) || !seed || *seed < 0 || *seed > 0xffffffffLL || !count || *count < 1
        || *count > 1000 || !challenge) {
        std::cerr << "gamtool: the group is 0 to 3, the seed 0 to 4294967295, the count 1 to 1000, the challenge "
                     "easy, medium, hard or expert\n";
        return 2;
    }
    ClGameFile file;
    std::string error;
    const bool made = options[3]
                          ? makePuzzle({kGeneratorVersion, int(*group), *challenge, std::uint32_t(*seed)}, file, error)
                          : generateGroup(*groupRules(*group), std::uint32_t(*seed), std::int32_t(*count), file, error);
    return made ? save(file, *options[4]) : cannotLoad(*options[4], error);
}

std::string codeProblemText(const CodeReading& reading)
{
    switch (reading.problem) {
    case CodeProblem::WrongLength:
        return "a code has nine letters and digits";
    case CodeProblem::UnknownCharacter:
        return std::string("'") + reading.unknown + "' is in no code";
    case CodeProblem::Mistyped:
        return "a character is mistyped";
    case CodeProblem::UnknownGenerator:
        return "it was made by another version of the game";
    case CodeProblem::None:
        break;
    }
    return {};
}

// The puzzle a code names, as a file of one puzzle.
int fromCode(const std::vector<std::string>& args)
{
    std::vector<std::optional<std::string>> options;
    if (args.empty() || !readOptions(args, 1, {"-o"}, options) || !options[0])
        return usage();
    const CodeReading reading = readCode(args[0]);
    if (!reading.code)
        return cannotLoad(args[0], codeProblemText(reading));
    ClGameFile file;
    std::string error;
    if (!makePuzzle(*reading.code, file, error))
        return cannotLoad(args[0], error);
    return save(file, *options[0]);
}

// Each puzzle's code, when it carries one that makes it again; "-" when not.
int codes(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return usage();
    ClGameFile file;
    if (!file.load(args[0]))
        return cannotLoad(args[0], file.loadFailure().why);
    int status = 0;
    for (std::size_t p = 0; p < file.puzzles.size(); ++p) {
        std::cout << "puzzle " << p + 1 << ": ";
        const auto code = codeOfPuzzle(file.puzzles[p]);
        if (!code) {
            std::cout << "-\n";
            continue;
        }
        ClGameFile made;
        std::string error;
        const bool same = makePuzzle(*code, made, error) && made.header.rotateStep == file.header.rotateStep
                          && ClProgress::keyOf(made.puzzles.front()) == ClProgress::keyOf(file.puzzles[p]);
        std::cout << codeText(*code) << (same ? "" : ", which makes another puzzle") << '\n';
        status = same ? status : 1;
    }
    return status;
}

// "difficulty 23.4: ...": the score and what it is made of, on one line.
std::string difficultyText(const Difficulty& d)
{
    if (!d.solvable)
        return "no difficulty: the pieces cannot fill the gap";
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << "difficulty " << d.score << ": " << d.wrongMoves << " wrong of "
         << d.nodes << " pieces laid, " << d.nodesToFirst << " laid until the first tiling; " << d.startsThatLead
         << " of " << d.starts << " ways to start lead on; " << d.clicks << (d.clicks == 1 ? " click" : " clicks");
    return text.str();
}

int solve(std::vector<std::string> args)
{
    // --stats stands alone: what each puzzle's difficulty score is made of.
    const auto statsFlag = std::find(args.begin(), args.end(), "--stats");
    const bool withStats = statsFlag != args.end();
    if (withStats)
        args.erase(statsFlag);
    std::vector<std::optional<std::string>> options;
    if (args.empty() || !readOptions(args, 1, {"--puzzle", "--limit", "--steps"}, options))
        return usage();
    // Puzzle 0 stands for all of them.
    const auto only = options[0] ? numberOf(*options[0]) : std::optional<std::int64_t>(0);
    const auto limit = numberOf(options[1].value_or("1000000"));
    const auto steps = options[2] ? numberOf(*options[2]) : std::optional<std::int64_t>(kDefaultSearchSteps);
    if (!only || *only < 0 || (options[0] && *only == 0) || !limit || *limit < 1 || !steps || *steps < 1) {
        std::cerr << "gamtool: the puzzle is counted from 1; the limit and the steps are at least 1\n";
        return 2;
    }
    ClGameFile file;
    if (!file.load(args[0]))
        return cannotLoad(args[0], file.loadFailure().why);
    if (*only > std::int64_t(file.puzzles.size()))
        return cannotLoad(args[0], "has no puzzle " + std::to_string(*only));
    bool undecided = false;
    for (std::size_t p = 0; p < file.puzzles.size(); ++p) {
        if (*only != 0 && std::int64_t(p) + 1 != *only)
            continue;
        PlaceSet gap;
        Failure failure;
        if (!gapOf(file.puzzles[p], gap, &failure))
            return cannotLoad(args[0], "puzzle " + std::to_string(p + 1) + ": " + failure.why);
        const TilingCount count = searchTilings(gap, pieceKinds(file.puzzles[p], file.header.rotateStep), *limit,
                                                *steps);
        const std::int64_t tilings = count.tilings;
        std::cout << "puzzle " << p + 1 << ": ";
        if (count.stepsRanOut)
            std::cout << "undecided after " << count.steps << " search steps, " << tilings << " found so far\n";
        else
            std::cout << (tilings == *limit ? "at least " : "") << tilings
                      << (tilings == 1 ? " tiling\n" : " tilings\n");
        undecided = undecided || count.stepsRanOut;
        if (withStats && !count.stepsRanOut)
            std::cout << "  " << difficultyText(measureDifficulty(file.puzzles[p], file.header.rotateStep)) << '\n';
    }
    // Exit 3: the bound was reached, so some counts are only lower bounds.
    return undecided ? 3 : 0;
}

int check(const std::vector<std::string>& args)
{
    if (args.empty())
        return usage();
    bool allHold = true;
    for (const auto& fileName : args)
        allHold = checkGameFile(fileName, std::cout) && allHold;
    return allHold ? 0 : 1;
}

int run(const std::string& command, const std::vector<std::string>& args)
{
    if (command == "dump")
        return dump(args);
    if (command == "copy")
        return copy(args);
    if (command == "generate")
        return generate(args);
    if (command == "solve")
        return solve(args);
    if (command == "check")
        return check(args);
    if (command == "fromcode")
        return fromCode(args);
    if (command == "code")
        return codes(args);
    return usage();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage();
    errno = 0;
    const int status = run(argv[1], std::vector<std::string>(argv + 2, argv + argc));
    // Output that did not all arrive is a failure, whatever the command found.
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "gamtool: the output cannot be written"
                  << (errno != 0 ? std::string(": ") + std::strerror(errno) : std::string()) << '\n';
        return 1;
    }
    return status;
}
