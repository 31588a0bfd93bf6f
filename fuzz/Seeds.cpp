// Writes the seed corpus of the fuzz targets:
//   fuzz_seeds OUTDIR GROUP.gam...
// Each shipped group as it is, each with a short game played on it (every
// piece picked, turned, dropped where the finished wall has it), and
// "config.dat" files of 0, 10, 296 and 1000 bytes with odd values, a record
// of solved puzzles from the groups, and the shipped tunes for the MIDI scan.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "Playscript.h"
#include "game/Progress.h"
#include "game/Settings.h"
#include "game/Gamedata.h"

using namespace playscript;
namespace fs = std::filesystem;

namespace {
void write(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string bytesOf(const ClSettings& settings)
{
    const auto bytes = settings.toBytes();
    return {bytes.begin(), bytes.end()};
}

// Solves the first puzzles of the group: each piece is picked by its first
// brick, turned and turned back, and dropped on its place in the wall.
std::string solvingScript(const ClGameFile& group)
{
    std::string script;
    for (std::int32_t index = 0; index < 2 && std::size_t(index) < group.puzzles.size(); ++index) {
        append(script, Select, index);
        append(script, Restart, 0);
        const auto& pieces = group.puzzles[std::size_t(index)].pieces;
        for (std::size_t i = 0; i < pieces.size() && i < 12; ++i) {
            // Picking swaps pieces to the front, so the last one is always picked by index.
            append(script, PickBrick, std::int32_t(pieces.size() - 1), 0);
            append(script, CanMove, 40, 40);
            append(script, Move, 41, 43);
            append(script, SnapHome, 0);
            append(script, Check, 0);
        }
        append(script, Turn, 45, 62);
        append(script, Flip, 0);
        append(script, Rotate, 90);
        append(script, Snap, -3, 1 << 14);
        append(script, PickAt, 0x7fffffff, 0, true);
        append(script, Step, 1);
        append(script, Check, 0);
    }
    return script;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    const fs::path out(argv[1]);
    ClProgress progress;
    for (int i = 2; i < argc; ++i) {
        if (fs::path(argv[i]).extension() == ".mid") {
            std::ifstream tune(argv[i], std::ios::binary);
            write(out / "midi_fuzzer" / fs::path(argv[i]).filename(), {std::istreambuf_iterator<char>(tune), {}});
            continue;
        }
        std::ifstream in(argv[i], std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const std::string name = fs::path(argv[i]).filename().string();
        write(out / "gamefile_fuzzer" / name, bytes);
        ClGameFile group;
        if (!group.load(argv[i]))
            return 1;
        write(out / "play_fuzzer" / name, input(bytes, solvingScript(group)));
        for (std::size_t p = 0; p < group.puzzles.size(); p += 7)
            progress.record(group.puzzles[p], p % 2 == 0);
    }
    write(out / "progress_fuzzer" / "record.dat", progress.toBytes());
    write(out / "progress_fuzzer" / "empty.dat", ClProgress().toBytes());

    const fs::path settings = out / "settings_fuzzer";
    write(settings / "empty.dat", "");
    write(settings / "ten.dat", std::string(10, '\x02'));
    write(settings / "default.dat", bytesOf(ClSettings()));
    ClSettings odd;
    odd.group = 7;
    odd.lastPuzzle = -1;
    odd.brickStyle = 99;
    odd.musicOn = 0x7fffffff;
    write(settings / "odd.dat", bytesOf(odd));
    write(settings / "long.dat", bytesOf(odd) + std::string(1000 - ClSettings::kSize, '\x7f'));
    return 0;
}
