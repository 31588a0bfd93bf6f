// "progress.dat" of any content: either it is read, and written again to the
// same bytes, or it is refused with a reason and the record keeps what it had.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "game/Progress.h"

namespace {
void check(bool condition)
{
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ClProgress progress;
    ClPuzzle puzzle;
    progress.record(puzzle, false);
    const std::string before = progress.toBytes();
    Failure failure;
    if (progress.fromBytes(bytes, failure)) {
        check(!failure);
        // Entries come back sorted by key; a file with a key twice reads as one entry.
        ClProgress again;
        check(again.fromBytes(progress.toBytes(), failure) && again.toBytes() == progress.toBytes());
    } else {
        check(failure.kind == FailureKind::Damaged && progress.toBytes() == before);
    }
    return 0;
}
