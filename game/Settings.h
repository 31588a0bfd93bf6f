#pragma once
// The player's choices between runs: a fixed 296-byte record, which is also
// the byte layout of "config.dat".
#include <array>
#include <cstdint>
#include <string>

class ClSettings {
public:
    static constexpr std::size_t kSize = 296;
    using Bytes = std::array<std::uint8_t, kSize>;

    ClSettings(); // the defaults

    // Reads up to 296 bytes over the start of the record; true only when all
    // 296 were there. A missing file, or one that is no regular file, leaves
    // the record as it was and says why.
    bool loadFrom(const std::string& fileName, std::string* why = nullptr);
    // Replaces the file whole or not at all; a read-only file is left alone.
    bool saveTo(const std::string& fileName, std::string* why = nullptr) const;

    Bytes toBytes() const;
    void fromBytes(const Bytes& bytes);

    std::int32_t reserved0 = 0;
    std::int32_t musicOn = 1;
    std::int32_t soundOn = 1;
    std::int32_t reserved12 = 0;
    std::int32_t group = 0;
    std::int32_t lastPuzzle = 0;
    std::int32_t reserved24 = 0;
    std::int32_t reserved28 = 1;
    std::int32_t reserved32 = 1;
    std::int32_t brickStyle = 0;
    std::array<std::uint8_t, 128> reserved40{};
    std::array<std::uint8_t, 64> textField1{};
    std::array<std::uint8_t, 64> textField2{};
};
