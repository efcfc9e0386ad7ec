// From the menu's cheat code through level 2's loading screen into the
// farmstead, out through its exit and on to level 3's loading screen.

#include "frontend/menu.h"
#include "tests/level2_fixture.h"

class Level2Path : public GameTest {};

TEST_F(Level2Path, CheatIntoTheFarmsteadAndLeaveThroughTheExit)
{
    SkipToMenu();
    Press(SDLK_LSHIFT);
    Press(SDLK_c);
    Frame();
    Release(SDLK_LSHIFT);
    Release(SDLK_c);
    for (const char* digit = "4861"; *digit; digit++) Tap(static_cast<SDLKey>(*digit));
    Tap(SDLK_RETURN);
    ASSERT_EQ(kas_notiek, STATE_LOAD2);
    PassLoadingScreen();
    ASSERT_EQ(kas_notiek, STATE_LEVEL2);
    EXPECT_EQ(CountInLog("---lvl 2 sasetots\n"), 1u);

    // The quest giver's first dialog, answered with a real key press.
    StandAtSpot(mini[SPOT2_QUEST_GIVER]);
    Tap(SDLK_SPACE);
    ASSERT_TRUE(LVL2.dialogOpen);
    Tap(SDLK_y);
    EXPECT_FALSE(LVL2.dialogOpen);
    EXPECT_EQ(misija, 1);

    mini[SPOT2_EXIT].active = true;
    StandAtSpot(mini[SPOT2_EXIT]);
    Tap(SDLK_SPACE);
    Frame();
    EXPECT_EQ(kas_notiek, STATE_LOAD3);
    EXPECT_EQ(CountInLog("---free lvl2...\n"), 1u);
    EXPECT_EQ(CountInLog("---lvl2 is free\n"), 1u);
    PassLoadingScreen();
    EXPECT_EQ(tekosais_lvl, STATE_LEVEL3);
}
