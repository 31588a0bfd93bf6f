#pragma once
// The play fuzzer's input: a puzzle file followed by a script of moves, the
// script's length in the last two bytes (little-endian). Each move is five
// bytes: an operation and four argument bytes.
#include <cstdint>
#include <string>

namespace playscript {

enum Op : std::uint8_t {
    Select, Restart, PickAt, PickBrick, Move, Turn, Flip, Rotate, Snap, CanMove, Check, Step, SnapHome, OpCount
};
// Set in the operation byte: the arguments form one full 32-bit coordinate
// used for both axes, instead of two 16-bit ones.
inline constexpr std::uint8_t kWide = 0x80;
inline constexpr std::size_t kMoveSize = 5;

inline void append(std::string& script, Op op, std::int32_t a, std::int32_t b = 0, bool wide = false)
{
    script += char(wide ? op | kWide : op);
    if (wide) {
        for (int i = 0; i < 4; ++i)
            script += char(std::uint32_t(a) >> (8 * i));
        return;
    }
    script += char(a);
    script += char(a >> 8);
    script += char(b);
    script += char(b >> 8);
}

inline std::string input(const std::string& puzzleFile, const std::string& script)
{
    const auto length = std::uint16_t(script.size());
    return puzzleFile + script + char(length & 0xff) + char(length >> 8);
}

} // namespace playscript
