// A music file of any content: the scan before playing always ends, with a
// length that is a number and a reason whenever it refuses the file.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/Midiscan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const MidiScan scan = scanMidi(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!std::isfinite(scan.seconds) || scan.seconds < 0 || scan.notes < 0
        || (scan.densestBurst > kMostNotesAtOnce && !scan.problem))
        std::abort();
    return 0;
}
