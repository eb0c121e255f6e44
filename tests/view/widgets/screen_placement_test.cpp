#include <gtest/gtest.h>

#include "view/widgets/screen_placed_dialog.h"

namespace kirvolt {
namespace {

TEST(KeptInside, MovesAWindowJustEnoughToBeWhollyVisible)
{
    struct Case {
        QRect available;
        QPoint wanted;
        QSize outer;
        QPoint placed;
    };
    const Case cases[] = {
        {{0, 0, 1920, 1080}, {0, 500}, {620, 150}, {0, 500}},        // fits where it wants to be
        {{0, 0, 1024, 768}, {0, 500}, {620, 300}, {0, 468}},         // raised to the bottom edge
        {{0, 0, 512, 384}, {0, 500}, {500, 140}, {0, 244}},          // scale factor 2 on 1024 x 768
        {{0, 0, 800, 600}, {750, 0}, {300, 200}, {500, 0}},          // drawn back from the right edge
        {{0, 30, 800, 570}, {0, 0}, {300, 200}, {0, 30}},            // below a panel at the top
        {{0, 0, 400, 300}, {0, 500}, {600, 400}, {0, 0}},            // larger than the screen
        {{1920, 0, 1280, 1024}, {1920, 500}, {620, 150}, {1920, 500}},  // a second screen
        {{1920, 0, 1280, 1024}, {0, 500}, {620, 150}, {1920, 500}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keptInside(c.available, c.wanted, c.outer), c.placed)
            << c.wanted.x() << "," << c.wanted.y() << " in " << c.available.width() << "x" << c.available.height();
    }
}

}  // namespace
}  // namespace kirvolt
