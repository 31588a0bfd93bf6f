#include "game/Settings.h"

#include <algorithm>

#include "model/Binaryio.h"
#include "model/Fileaccess.h"

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

bool ClSettings::loadFrom(const std::string& fileName, Failure* failure)
{
    std::string read;
    Failure reason;
    if (!fileaccess::readStart(fileName, kSize, read, reason)) {
        if (failure)
            *failure = reason;
        return false;
    }
    Bytes bytes = toBytes();
    std::copy(read.begin(), read.end(), bytes.begin());
    fromBytes(bytes);
    return read.size() == kSize;
}

bool ClSettings::saveTo(const std::string& fileName, Failure* failure) const
{
    const Bytes bytes = toBytes();
    Failure reason;
    const bool saved =
        fileaccess::writeFile(fileName, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, reason);
    if (failure)
        *failure = reason;
    return saved;
}

bool ClSettings::saveFields(const std::string& fileName, Fields fields, Failure* failure) const
{
    Failure reason;
    const bool saved = fileaccess::underFolderLock(fileaccess::folderOf(fileName), reason, [&] {
        ClSettings merged = *this;
        merged.loadFrom(fileName);
        const struct {
            Fields field;
            std::int32_t ClSettings::*word;
        } changeable[] = {
            {kMusicOn, &ClSettings::musicOn},       {kSoundOn, &ClSettings::soundOn},
            {kGroup, &ClSettings::group},           {kLastPuzzle, &ClSettings::lastPuzzle},
            {kBrickStyle, &ClSettings::brickStyle},
        };
        for (const auto& c : changeable)
            if (fields & c.field)
                merged.*c.word = this->*c.word;
        return merged.saveTo(fileName, &reason);
    });
    if (failure)
        *failure = reason;
    return saved;
}
