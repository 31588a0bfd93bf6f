// Which JPEGs the decoder must hold whole, told from their headers alone:
// layouts as encoders write them, built here byte by byte.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/Jpegscan.h"

namespace {
std::string segment(unsigned char marker, const std::string& body)
{
    const std::size_t length = body.size() + 2;
    return std::string{char(0xFF), char(marker), char(length >> 8), char(length & 0xFF)} + body;
}

// A frame of 6000 x 4000 with `components` colours, each sampled 1 x 1.
std::string frame(unsigned char marker, int components)
{
    std::string body{8, char(4000 >> 8), char(4000 & 0xFF), char(6000 >> 8), char(6000 & 0xFF), char(components)};
    for (int c = 1; c <= components; ++c)
        body += std::string{char(c), 0x11, 0};
    return segment(marker, body);
}

// A scan of the first `components` colours, as a sequential encoder ends its header.
std::string scan(int components)
{
    std::string body{char(components)};
    for (int c = 1; c <= components; ++c)
        body += std::string{char(c), 0};
    return segment(0xDA, body + std::string{0, 63, 0});
}

const std::string kStart{char(0xFF), char(0xD8)};
const std::string kApp0 = segment(0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
const std::string kTables = segment(0xDB, std::string(65, '\1')) + segment(0xC4, std::string(29, '\0'));
const std::string kFill{char(0xFF), char(0xFF)};
} // namespace

TEST(Jpegscan, OnlyAFrameDecodedAsItIsReadIsNotHeldWhole)
{
    // what, the file, whether it is held whole
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"baseline, every colour in one scan", kStart + kApp0 + kTables + frame(0xC0, 3) + scan(3), false},
        {"baseline grey", kStart + frame(0xC0, 1) + kTables + scan(1), false},
        {"extended sequential, fill bytes between", kStart + kFill + frame(0xC1, 3) + kFill + scan(3), false},
        {"baseline, one colour a scan", kStart + kApp0 + kTables + frame(0xC0, 3) + scan(1) + scan(1), true},
        {"extended sequential, two colours first", kStart + frame(0xC1, 3) + kTables + scan(2), true},
        {"four colours (CMYK), three first", kStart + frame(0xC0, 4) + scan(3), true},
        {"progressive", kStart + kApp0 + frame(0xC2, 3) + scan(1), true},
        {"arithmetic coded", kStart + frame(0xC9, 3) + scan(3), true},
        {"lone markers before the frame", kStart + std::string{char(0xFF), char(0xD0), char(0xFF), 1} + frame(0xC2, 3),
         true},
        {"tables named like frames are none",
         kStart + segment(0xC8, "xx") + segment(0xCC, "xx") + frame(0xC0, 3) + scan(3), false},
        // What cannot be told is left to the decoder, which says what is wrong.
        {"a scan before any frame", kStart + scan(1) + frame(0xC0, 3), false},
        {"frame cut short", kStart + frame(0xC0, 3).substr(0, 9), false},
        {"scan cut short", kStart + frame(0xC0, 3) + scan(1).substr(0, 4), false},
        {"end of image before a scan", kStart + frame(0xC0, 3) + std::string{char(0xFF), char(0xD9)} + scan(1), false},
        {"a bitmap", "BM" + std::string(60, '\0'), false},
        {"garbage after the start", kStart + "not a marker", false},
        {"a start alone", kStart, false},
        {"no start", std::string{char(0xFF), char(0xD9)} + frame(0xC2, 3), false},
        {"a segment's length cut short", kStart + kApp0.substr(0, 3), false},
    };
    for (const auto& [what, file, whole] : cases)
        EXPECT_EQ(jpegDecodesWhole(file), whole) << what;
}
