// The names of a disc's videos: number and title, and never a path out of their folder.
#include <gtest/gtest.h>

#include <cstring>

#include "music/disc_files.h"
#include "shell/render_disc.h"

TEST(RenderDisc, VideosAreNamedByNumberAndTitleAndStayInTheirFolder) {
    std::strcpy(gCDSet[0].mName, "Recorded_Song");
    std::strcpy(gCDSet[2].mName, "../a/b\\c\td");
    EXPECT_EQ(RenderDiscVideoName(0), "01 Recorded Song.mp4");
    EXPECT_EQ(RenderDiscVideoName(1), "02 Track 2.mp4") << "a track without a title";
    EXPECT_EQ(RenderDiscVideoName(2), "03 .._a_b_c_d.mp4");
    EXPECT_EQ(RenderDiscVideoName(kTracksMax - 1), "69 Track 69.mp4");
}
