#include "Settings.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "../model/Binaryio.h"

namespace {
constexpr std::size_t kFirstBlock = 40;
constexpr std::size_t kTextField1 = 168;
constexpr std::size_t kTextField2 = 232;

void blankText(std::array<std::uint8_t, 64>& field)
{
    field.fill(' ');
    field.back() = 0;
}
} // namespace

ClSettings::ClSettings()
{
    blankText(textField1);
    blankText(textField2);
}

ClSettings::Bytes ClSettings::toBytes() const
{
    Bytes bytes{};
    const std::int32_t words[] = {reserved0, musicOn,    soundOn,    reserved12, group,
                                  lastPuzzle, reserved24, reserved28, reserved32, brickStyle};
    for (std::size_t i = 0; i < std::size(words); ++i)
        binaryio::putInt32(&bytes[4 * i], words[i]);
    std::copy(reserved40.begin(), reserved40.end(), bytes.begin() + kFirstBlock);
    std::copy(textField1.begin(), textField1.end(), bytes.begin() + kTextField1);
    std::copy(textField2.begin(), textField2.end(), bytes.begin() + kTextField2);
    return bytes;
}

void ClSettings::fromBytes(const Bytes& bytes)
{
    std::int32_t* words[] = {&reserved0,  &musicOn,    &soundOn,    &reserved12, &group,
                             &lastPuzzle, &reserved24, &reserved28, &reserved32, &brickStyle};
    for (std::size_t i = 0; i < std::size(words); ++i)
        *words[i] = binaryio::getInt32(&bytes[4 * i]);
    std::copy_n(bytes.begin() + kFirstBlock, reserved40.size(), reserved40.begin());
    std::copy_n(bytes.begin() + kTextField1, textField1.size(), textField1.begin());
    std::copy_n(bytes.begin() + kTextField2, textField2.size(), textField2.begin());
}

bool ClSettings::loadFrom(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    if (!in)
        return false;
    Bytes bytes = toBytes();
    in.read(reinterpret_cast<char*>(bytes.data()), kSize);
    fromBytes(bytes);
    return std::size_t(in.gcount()) == kSize;
}

bool ClSettings::saveTo(const std::string& fileName) const
{
    const std::string temporary = fileName + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        const Bytes bytes = toBytes();
        out.write(reinterpret_cast<const char*>(bytes.data()), kSize);
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
