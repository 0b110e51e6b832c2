// The progress line of a render: bar, percentage, speed, and the time left or taken.
#include <gtest/gtest.h>

#include "shell/render_progress.h"

TEST(RenderProgress, LineShowsHowFarHowFastAndHowLongStill) {
    EXPECT_EQ(RenderProgressLine(0, 1800, 0), "[..............................]   0%  starting");
    EXPECT_EQ(RenderProgressLine(600, 1800, 2.0),
              "[##########....................]  33%  300 fps  0:04 left");
    EXPECT_EQ(RenderProgressLine(1800, 1800, 6.4),
              "[##############################] 100%  281 fps  done in 0:06");
    EXPECT_EQ(RenderProgressLine(1, 360000, 10.0).substr(32), "   0%  0 fps  999:59:50 left");
    EXPECT_EQ(RenderProgressLine(5, 0, 1.0).substr(32), " 100%  1 fps  done in 0:01")
        << "no division by zero";
}
