#include <gtest/gtest.h>

#include "model/Jpegscan.h"

using namespace std::string_literals;

// Which JPEGs decode whole: those whose frame header says progressive (or
// any frame but the sequential ones), found past the segments, fill bytes
// and lone markers before it. Damage, a scan or the end before any frame
// header, or a file cut inside a segment: not whole, and the decoder says why.
TEST(Jpegscan, ProgressiveAndOtherNonSequentialFramesDecodeWhole)
{
    const std::string start = "\xff\xd8"s;
    const std::string app0 = "\xff\xe0\x00\x04\x00\x00"s; // a segment of its length
    const struct {
        std::string bytes;
        bool whole;
    } files[] = {
        {start + "\xff\xc2\x00\x11"s, true},         {start + "\xff\xc0\x00\x11"s, false},
        {start + "\xff\xc1\x00\x11"s, false},        {start + "\xff\xc3\x00\x11"s, true},
        {start + app0 + "\xff\xc2\x00\x11"s, true},  {start + "\xff\xff\xff\xc2\x00\x11"s, true},
        {start + "\xff\xd0\xff\x01\xff\xc2"s, true}, {start + "\xff\xc4\x00\x02\xff\xc0"s, false},
        {start + "\xff\xc8\x00\x02\xff\xc0"s, false}, {start + "\xff\xcc\x00\x02\xff\xc0"s, false},
        {start + "\xff\xda\xff\xc2\x00\x11"s, false}, {start + "\xff\xd9\xff\xc2\x00\x11"s, false},
        {start + "\x00\xff\xc2\x00\x11"s, false},     {start + "\xff\xe0\x00\x40\xff\xc2"s, false},
        {start + "\xff\xe0"s, false},                 {"\xff\xd9\xff\xc2\x00\x11"s, false},
        {"\xff\xd8\xff"s, false},                    {"", false},
    };
    for (const auto& [bytes, whole] : files)
        EXPECT_EQ(jpegDecodesWhole(bytes), whole) << testing::PrintToString(bytes);
}
