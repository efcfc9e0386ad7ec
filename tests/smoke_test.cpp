#include "tests/harness.h"
#include "shell/game.h"

TEST_F(GameTest, StartsOnTheIntro) {
    Frame();
    EXPECT_EQ(kas_notiek, STATE_INTRO);
}
