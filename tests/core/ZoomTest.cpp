#include <gtest/gtest.h>

#include "Fixtures.h"
#include "game/Zoom.h"

// The file holds the percent in decimal; anything else, or no file, is the normal size.
TEST(Zoom, KeptInItsFileAndAnythingElseReadsAsNormal)
{
    const std::string path = fixtures::freshFolder("zoom") + "/" + zoom::kFileName;
    EXPECT_EQ(zoom::load(path), zoom::kNormal);
    Failure failure;
    ASSERT_TRUE(zoom::save(path, 300, failure)) << failure.why;
    EXPECT_EQ(fixtures::contentOf(path), "300\n");
    EXPECT_EQ(zoom::load(path), 300);
    for (const std::string& bad : std::initializer_list<std::string>{
             "", "175\n", "-150", "1.5", "0150", " 200", "200 200", "99999999999999999999", std::string(1000, '2')}) {
        fixtures::put(path, bad);
        EXPECT_EQ(zoom::load(path), zoom::kNormal) << bad;
    }
    EXPECT_EQ(zoom::load(fixtures::freshFolder("zoom-folder")), zoom::kNormal);
}
