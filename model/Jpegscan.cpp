#include "model/Jpegscan.h"

#include <cstdint>

namespace {
constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kStartOfScan = 0xDA;
constexpr std::uint8_t kEndOfImage = 0xD9;
// SOF0 and SOF1: the sequential Huffman frames, decoded a row at a time.
constexpr std::uint8_t kBaseline = 0xC0;
constexpr std::uint8_t kExtendedSequential = 0xC1;
// Where a segment's component count stands, from its marker: after the
// length, and in a frame header after the precision, height and width.
constexpr std::size_t kFrameComponentsAt = 9;
constexpr std::size_t kScanComponentsAt = 4;

bool isFrameHeader(std::uint8_t marker)
{
    // C0 to CF, less DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool standsAlone(std::uint8_t marker)
{
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01; // RSTn, TEM
}
} // namespace

bool jpegDecodesWhole(std::string_view file)
{
    const auto byte = [&file](std::size_t at) { return std::uint8_t(file[at]); };
    if (file.size() < 4 || byte(0) != kMarker || byte(1) != kStartOfImage)
        return false;
    std::size_t at = 2;
    int frameComponents = 0;
    while (at + 1 < file.size()) {
        if (byte(at) != kMarker)
            return false; // damaged: the decoder will say so
        std::uint8_t marker = byte(at + 1);
        if (marker == kMarker) { // fill bytes
            ++at;
            continue;
        }
        if (isFrameHeader(marker)) {
            if (marker != kBaseline && marker != kExtendedSequential)
                return true;
            if (at + kFrameComponentsAt >= file.size())
                return false;
            frameComponents = byte(at + kFrameComponentsAt);
        }
        // The first scan decides: one that holds every colour is decoded as
        // it is read; otherwise the colours are kept until their last scan.
        if (marker == kStartOfScan)
            return at + kScanComponentsAt < file.size() && byte(at + kScanComponentsAt) < frameComponents;
        if (marker == kEndOfImage)
            return false;
        if (standsAlone(marker)) {
            at += 2;
            continue;
        }
        if (at + 3 >= file.size())
            return false;
        const std::size_t length = std::size_t(byte(at + 2)) << 8 | byte(at + 3);
        at += 2 + length;
    }
    return false;
}
