#pragma once
// Little-endian field access for the game's binary files, independent of the
// host's byte order.
#include <cstdint>
#include <cstring>
#include <istream>
#include <ostream>

namespace binaryio {

inline void putInt32(std::uint8_t* out, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    out[0] = static_cast<std::uint8_t>(u);
    out[1] = static_cast<std::uint8_t>(u >> 8);
    out[2] = static_cast<std::uint8_t>(u >> 16);
    out[3] = static_cast<std::uint8_t>(u >> 24);
}

inline std::int32_t getInt32(const std::uint8_t* in)
{
    const std::uint32_t u = std::uint32_t(in[0]) | std::uint32_t(in[1]) << 8 | std::uint32_t(in[2]) << 16
                            | std::uint32_t(in[3]) << 24;
    return static_cast<std::int32_t>(u);
}

inline bool readInt32(std::istream& in, std::int32_t& value)
{
    std::uint8_t bytes[4];
    if (!in.read(reinterpret_cast<char*>(bytes), 4))
        return false;
    value = getInt32(bytes);
    return true;
}

inline bool readFloat(std::istream& in, float& value)
{
    std::int32_t bits;
    if (!readInt32(in, bits))
        return false;
    std::memcpy(&value, &bits, 4);
    return true;
}

inline bool readBytes(std::istream& in, std::uint8_t* bytes, std::size_t count)
{
    return bool(in.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count)));
}

inline void writeInt32(std::ostream& out, std::int32_t value)
{
    std::uint8_t bytes[4];
    putInt32(bytes, value);
    out.write(reinterpret_cast<const char*>(bytes), 4);
}

inline void writeFloat(std::ostream& out, float value)
{
    std::int32_t bits;
    std::memcpy(&bits, &value, 4);
    writeInt32(out, bits);
}

inline void writeBytes(std::ostream& out, const std::uint8_t* bytes, std::size_t count)
{
    out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(count));
}

} // namespace binaryio
