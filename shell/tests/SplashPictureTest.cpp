// The splash picture follows the calendar: the winter one from 2 December to 14 January.
#include "SplashPicture.h"

#include <gtest/gtest.h>

namespace {

TEST(SplashPictureTest, SplashPictureByDay)
{
    EXPECT_EQ(SplashPictureId(12, 1), 102u);
    EXPECT_EQ(SplashPictureId(12, 2), 1011u);
    EXPECT_EQ(SplashPictureId(1, 14), 1011u);
    EXPECT_EQ(SplashPictureId(1, 15), 102u);
    EXPECT_EQ(SplashPictureId(7, 1), 102u);
}

} // namespace
