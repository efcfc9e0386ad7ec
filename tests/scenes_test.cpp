// The scene machine: the pause screen, the music key, the score shares
// handed from level to level, and the way back to the menu.

#include <SDL_mixer.h>

#include "frontend/load.h"
#include "frontend/menu.h"
#include "level0/lvl0.h"
#include "level1/lvl1_content.h"
#include "level1/lvl1_state.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "tests/harness.h"
#include "tests/level2_fixture.h"

class SceneTest : public GameTest {
protected:
    void StartNewGame()
    {
        SkipToMenu();
        menu_atels = 1;
        Tap(SDLK_RETURN);
        ASSERT_EQ(kas_notiek, STATE_LOAD0);
        Frame();
    }
    // The farmstead's exit switched on, the player on it, Space.
    void FinishLevel2()
    {
        ASSERT_EQ(kas_notiek, STATE_LEVEL2);
        mini[SPOT2_EXIT].active = true;
        StandAtSpot(mini[SPOT2_EXIT]);
        Tap(SDLK_SPACE);
        Frame();
    }
};

TEST_F(SceneTest, EscapeOpensThePauseOnlyFromPlayStatesOverTheFrozenFrameAndItsItemsKeepTheSelection)
{
    StartNewGame();
    Keys[SDLK_ESCAPE] = 1;  // on the loading screen; the menu's pages are the menu test's
    Frame();
    EXPECT_EQ(kas_notiek, STATE_LOAD0);
    Keys[SDLK_ESCAPE] = 0;
    PassLoadingScreen();
    ASSERT_EQ(kas_notiek, STATE_LEVEL0);
    Keys[SDLK_p] = 1;
    Press(SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(kas_notiek, STATE_PAUSE);
    EXPECT_EQ(Keys[SDLK_p], 0);
    ASSERT_NE(beck_screen, nullptr);
    EXPECT_EQ(Pixel(5, 5), SurfacePixel(beck_screen, 5, 5));
    EXPECT_NE(Pixel(512, 384), SurfacePixel(beck_screen, 512, 384));
    Frame(3);
    EXPECT_EQ(kas_notiek, STATE_PAUSE) << "Escape on the pause screen does nothing";
    Release(SDLK_ESCAPE);
    // The keys item: no click, no change.
    pause_atels = 3;
    Mix_HaltChannel(1);
    Tap(SDLK_RETURN);
    Frame();
    EXPECT_EQ(kas_notiek, STATE_PAUSE);
    EXPECT_FALSE(Mix_Playing(1));
    pause_atels = 2;  // the map
    Tap(SDLK_RETURN);
    Frame();
    EXPECT_EQ(kas_notiek, STATE_LEVEL0);
    Tap(SDLK_ESCAPE);
    EXPECT_EQ(pause_atels, 2);
    // Resuming with Escape held pauses again.
    pause_atels = 1;
    Press(SDLK_ESCAPE);
    Tap(SDLK_RETURN);  // the scene machine sees the request on the next frame
    Frame();
    EXPECT_EQ(kas_notiek, STATE_LEVEL0);
    Frame();
    EXPECT_EQ(kas_notiek, STATE_PAUSE);
}

TEST_F(SceneTest, ScoreSharesAreHandedOverAsEachLevelEnds)
{
    StartNewGame();
    PassLoadingScreen();
    Frame();
    Score.AddScore(40);
    // The counter run out, the newborn named.
    LAIKS = 0;
    kkad = 0;
    ASSERT_TRUE(FramesUntil([] { return LVL0.GetStatus(); }, 5));
    ASSERT_TRUE(FramesUntil([] { return kkadskadrs == 10; }, 200));
    for (SDLKey key : {SDLK_a, SDLK_n, SDLK_n}) Tap(key);
    Tap(SDLK_RETURN);
    Frame();
    ASSERT_EQ(kas_notiek, STATE_LOAD1);
    EXPECT_EQ(Score.GetScore(0), 40);
    PassLoadingScreen();
    EXPECT_EQ(tekosais_lvl, STATE_LEVEL1);
    Score.AddScore(25);
    for (HousePickup& item : Manta) item.taken = true;  // every item delivered, Space at the exit
    offsetX = EXIT_POINT.x - PLAYER_CENTRE_X;
    offsetY = EXIT_POINT.y - PLAYER_CENTRE_Y;
    Tap(SDLK_SPACE);
    Frame();
    ASSERT_EQ(kas_notiek, STATE_LOAD2);
    EXPECT_EQ(Score.GetScore(1), 25);
    PassLoadingScreen();
    Score.AddScore(-5);
    FinishLevel2();
    ASSERT_EQ(kas_notiek, STATE_LOAD3);
    EXPECT_EQ(Score.GetScore(2), -5);
    EXPECT_EQ(Score.GetScore(), 60);
    PassLoadingScreen();
    EXPECT_EQ(tekosais_lvl, STATE_LEVEL3);
}

TEST_F(SceneTest, ACheatSkipsTheEarlierLevelsAndTheirShares)
{
    Score.SetScore(7, 0);
    Score.SetScore(3, 1);
    SkipToMenu();
    CheatTo("4861");
    EXPECT_EQ(tekosais_lvl, STATE_LEVEL2);
    PassLoadingScreen();
    Score.SetScore(50);
    FinishLevel2();
    // Slot 1 was never written by this game: whatever it holds is subtracted.
    EXPECT_EQ(Score.GetScore(2), 50 - (7 + 3));
    EXPECT_EQ(CountInLog("-Laadeeju lvl 0"), 0u);
    EXPECT_EQ(CountInLog("--Laadeeju lvl 1"), 0u);
}

TEST_F(SceneTest, F7TogglesTheMusicAnywhereAndExitToTheMenuReleasesTheLevelFirstAndRestartsItsMusicEvenFrozen)
{
    ASSERT_TRUE(Mix_PlayingMusic());
    Tap(SDLK_F7);
    EXPECT_FALSE(skanja);
    EXPECT_TRUE(Mix_PausedMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 0);
    SkipToMenu();
    Tap(SDLK_F7);
    EXPECT_TRUE(skanja);
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
    Press(SDLK_F7);
    Frame(5);
    EXPECT_FALSE(skanja) << "held, it toggles once";
    Release(SDLK_F7);
    Tap(SDLK_F7);

    StartNewGame();
    PassLoadingScreen();
    LAIKS = 3;
    kkad = 0;
    Frame();
    ASSERT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    Tap(SDLK_F7);  // music off: the fade freezes
    Tap(SDLK_ESCAPE);
    pause_atels = 4;
    Tap(SDLK_RETURN);
    EXPECT_EQ(CountInLog("-Lvl 0 atbrivots\n"), 0u);
    Frame();
    EXPECT_EQ(kas_notiek, STATE_MENU);
    EXPECT_EQ(CountInLog("-Lvl 0 atbrivots\n"), 1u);
    EXPECT_EQ(pause_atels, 1);
    EXPECT_FALSE(skanja);
    EXPECT_TRUE(Mix_PlayingMusic()) << "whatever the music flag says";
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
    EXPECT_EQ(Mix_FadingMusic(), MIX_NO_FADING);
    Tap(SDLK_F7);
    // A new game starts level 0 afresh.
    menu_atels = 1;
    Tap(SDLK_RETURN);
    Frame();
    PassLoadingScreen();
    EXPECT_FALSE(LVL0.GetStatus());
    EXPECT_EQ(CountInLog("-lvl 0 uzsetots\n"), 2u);
}
