#include <gtest/gtest.h>

#include "Fixtures.h"
#include "game/Zoom.h"

// The file holds the percent in decimal, and a size given by hand after it;
// an older file's bare percent still reads. Anything else, or no file, is the
// normal size.
TEST(Zoom, KeptInItsFileAndAnythingElseReadsAsNormal)
{
    const std::string path = fixtures::freshFolder("zoom") + "/" + zoom::kFileName;
    EXPECT_EQ(zoom::load(path), zoom::Kept());
    Failure failure;
    for (const auto& [kept, text] : std::initializer_list<std::pair<zoom::Kept, std::string>>{
             {{300}, "300\n"},
             {{150, 1280, 900}, "150 1280x900\n"},
             {{200, 0, 0, true}, "200 maximised\n"},
             {{150, 1280, 900, true}, "150 1280x900 maximised\n"}}) {
        ASSERT_TRUE(zoom::save(path, kept, failure)) << failure.why;
        EXPECT_EQ(fixtures::contentOf(path), text);
        EXPECT_EQ(zoom::load(path), kept) << text;
    }
    fixtures::put(path, "200\r\n");
    EXPECT_EQ(zoom::load(path), zoom::Kept{200});
    for (const std::string& bad : std::initializer_list<std::string>{
             "", "175\n", "-150", "1.5", "0150", " 200", "200 200", "200 0x480", "200 640x", "200 0640x480",
             "200 640x480x2", "200  640x480", "200 maximised 640x480", "200maximised", "200 maximisedx", "maximised",
             "200 123456x480", "99999999999999999999", std::string(1000, '2')}) {
        fixtures::put(path, bad);
        EXPECT_EQ(zoom::load(path), zoom::Kept()) << bad;
    }
    EXPECT_EQ(zoom::load(fixtures::freshFolder("zoom-folder")), zoom::Kept());
}

// The largest step that fits, tried at exactly the size it needs, a pixel
// short either way, and for no step at all.
TEST(Zoom, TheLargestStepThatFitsTheArea)
{
    constexpr int width = 640, height = 480;
    for (std::size_t k = 0; k < zoom::kSteps.size(); ++k) {
        const int step = zoom::kSteps[k];
        const int below = k > 0 ? zoom::kSteps[k - 1] : step;
        const int areaWidth = width * step / 100, areaHeight = height * step / 100;
        EXPECT_EQ(zoom::largestFitting(width, height, areaWidth, areaHeight), step);
        EXPECT_EQ(zoom::largestFitting(width, height, areaWidth + 1, areaHeight + 1), step);
        EXPECT_EQ(zoom::largestFitting(width, height, areaWidth - 1, areaHeight), below) << step;
        EXPECT_EQ(zoom::largestFitting(width, height, areaWidth, areaHeight - 1), below) << step;
        EXPECT_EQ(zoom::larger(step), zoom::kSteps[std::min(k + 1, zoom::kSteps.size() - 1)]);
        EXPECT_EQ(zoom::smaller(step), below);
    }
    EXPECT_EQ(zoom::largestFitting(width, height, 1 << 30, 1 << 30), zoom::kSteps.back());
    EXPECT_EQ(zoom::largestFitting(width, height, 0, 0), zoom::kSteps.front());
}
