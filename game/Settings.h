#pragma once
// The player's choices between runs: a fixed 296-byte record, which is also
// the byte layout of "config.dat".
#include <array>
#include <cstdint>
#include <string>

#include "model/Failure.h"

class ClSettings {
public:
    static constexpr std::size_t kSize = 296;
    using Bytes = std::array<std::uint8_t, kSize>;

    ClSettings(); // the defaults

    // Reads up to 296 bytes over the start of the record; true only when all
    // 296 were there. A missing file, or one that is no regular file, leaves
    // the record as it was and says why.
    bool loadFrom(const std::string& fileName, Failure* failure = nullptr);
    // Replaces the file whole or not at all; a read-only file is left alone.
    bool saveTo(const std::string& fileName, Failure* failure = nullptr) const;

    // The fields the player changes, for saveFields.
    using Fields = unsigned;
    static constexpr Fields kMusicOn = 1u << 0;
    static constexpr Fields kSoundOn = 1u << 1;
    static constexpr Fields kGroup = 1u << 2;
    static constexpr Fields kLastPuzzle = 1u << 3;
    static constexpr Fields kBrickStyle = 1u << 4;
    // Writes these fields of this record over the file, keeping every other
    // field as the file has it now, under the folder's lock: two games
    // running at once never put back what the other changed. A missing
    // file is written whole. Nothing is written without the lock: while
    // another game holds it, the failure is Busy. Nothing is written without the lock: while
    // another game holds it, the failure is Busy.
    bool saveFields(const std::string& fileName, Fields fields, Failure* failure = nullptr) const;

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
