#include <SDL_mixer.h>

#include <vector>

#include "frontend/load.h"
#include "frontend/menu.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "tests/harness.h"

class IntroTest : public GameTest {
protected:
    // Runs frames while the page stays, collecting each new alpha value.
    std::vector<int> AlphasWhile(const int& alpha, int page, int frames)
    {
        std::vector<int> seen;
        for (int i = 0; i < frames && ziim == page && kas_notiek == STATE_INTRO; i++) {
            Frame();
            if (seen.empty() || seen.back() != alpha) seen.push_back(alpha);
        }
        return seen;
    }
};

TEST_F(IntroTest, FadesInOneStepAtATimeThenFourUpTo252)
{
    const std::vector<int> seen = AlphasWhile(intro_alpha, 0, 400);
    std::vector<int> expected = {0};  // the first frame comes too soon for a step
    for (int a = 1; a <= 20; a++) expected.push_back(a);
    for (int a = 24; a <= 252; a += 4) expected.push_back(a);
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(_vers);
    EXPECT_EQ(ziim, 0) << "the age notice has no time-out";
}

TEST_F(IntroTest, FadeStepsNeedMoreThan30Milliseconds)
{
    Frame();
    const int first = intro_alpha;
    // Frames of exactly 30 ms step only every other frame.
    Frame();
    EXPECT_EQ(intro_alpha, first);
    Frame();
    EXPECT_EQ(intro_alpha, first + 1);
    Advance(40);
    Frame();
    EXPECT_EQ(intro_alpha, first + 2);
}

TEST_F(IntroTest, EscapeOnTheAgeNoticeQuits)
{
    Frame(5);
    Tap(SDLK_ESCAPE);
    EXPECT_TRUE(Menu.pazust());
    EXPECT_EQ(CountInLog("Nav vismaz 12 gadi\n"), 1u);
    Frame();
    EXPECT_TRUE(Quit);
}

TEST_F(IntroTest, SpaceWithEscapeGoesOnToTheSplash)
{
    Press(SDLK_SPACE);
    Press(SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(ziim, 1);
    EXPECT_FALSE(Menu.pazust());
    EXPECT_EQ(CountInLog("Nav vismaz"), 0u);
    EXPECT_EQ(intro_alpha, 0);
}

TEST_F(IntroTest, SplashFadesInAndOutThenGivesWayThreeSecondsLater)
{
    Tap(SDLK_SPACE);
    ASSERT_EQ(ziim, 1);
    Uint32 lastAbove150 = 0;
    int peak = 0, steps = 0, previous = intro_alpha, fadeInSteps = 0;
    while (ziim == 1) {
        Frame();
        ASSERT_GE(intro_alpha, 0);
        if (intro_alpha != previous) steps++;
        if (!_vers) fadeInSteps = steps;
        previous = intro_alpha;
        peak = std::max(peak, intro_alpha);
        if (_vers && intro_alpha > 150) lastAbove150 = Now();
        ASSERT_LT(Now(), 30000u);
    }
    EXPECT_EQ(peak, 252);
    EXPECT_EQ(fadeInSteps + 1, 78);  // the step to 252 is the one that turns it round
    EXPECT_LT(intro_alpha, 5);
    // Handed over in the first frame more than 3 s after the last frame above 150.
    EXPECT_GT(Now() - lastAbove150, 3000u);
    EXPECT_LE(Now() - lastAbove150, 3000u + 3 * 30u);
    EXPECT_EQ(vers_alpha, 0);
}

TEST_F(IntroTest, SpaceOnTheSplashSkipsToTheVersionScreenWhichFadesFromZero)
{
    Tap(SDLK_SPACE);
    Frame(10);
    ASSERT_GT(intro_alpha, 0);
    Tap(SDLK_SPACE);
    EXPECT_EQ(ziim, 2);
    const std::vector<int> seen = AlphasWhile(vers_alpha, 2, 170);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 1);
    EXPECT_EQ(seen.back(), 252);
}

TEST_F(IntroTest, VersionScreenGivesWayToTheMenuFiveSecondsAfterItsFade)
{
    Tap(SDLK_SPACE);
    Tap(SDLK_SPACE);
    ASSERT_EQ(ziim, 2);
    Uint32 lastAtOrBelow149 = 0;
    while (kas_notiek == STATE_INTRO) {
        Frame();
        if (vers_alpha <= 149) lastAtOrBelow149 = Now();
        ASSERT_LT(Now(), 30000u);
    }
    EXPECT_GT(Now() - lastAtOrBelow149, 5000u);
    EXPECT_LE(Now() - lastAtOrBelow149, 5000u + 3 * 30u);
    EXPECT_EQ(kas_notiek, STATE_MENU);
}

TEST_F(IntroTest, TheAgeNoticeIsDrawnWithItsAlpha)
{
    Frame();
    Uint32 dim = 0;
    for (int x = 100; x < 900; x += 10) dim = std::max(dim, Pixel(x, 300) & 0xFF);
    EXPECT_LE(dim, 2u);
    AlphasWhile(intro_alpha, 0, 200);
    Uint32 bright = 0;
    for (int x = 100; x < 900; x += 10) bright = std::max(bright, Pixel(x, 300) & 0xFF);
    EXPECT_GT(bright, 100u);
}

class LoadingTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        SkipToMenu();
    }
};

TEST_F(LoadingTest, Level0LoadsOnTheSecondFrameAndTakesEnterOnlyWhenReady)
{
    Tap(SDLK_RETURN);
    ASSERT_EQ(kas_notiek, STATE_LOAD0);
    Frame();
    EXPECT_EQ(CountInLog("-Laadeeju lvl 0"), 0u) << "the first frame only shows the title";
    EXPECT_TRUE(Mix_PlayingMusic());
    Frame();
    EXPECT_EQ(CountInLog("-Laadeeju lvl 0"), 1u);
    const Uint32 loaded = Now() - 30;
    Press(SDLK_RETURN);
    while (Now() - loaded <= 3000) {
        Frame();
        ASSERT_EQ(kas_notiek, STATE_LOAD0);
        ASSERT_EQ(Keys[SDLK_RETURN], 1) << "Enter was taken before the ready picture";
    }
    // Enter is taken in the frame that first shows the ready picture.
    Frame();
    EXPECT_EQ(kas_notiek, STATE_LEVEL0);
    EXPECT_EQ(tekosais_lvl, STATE_LEVEL0);
    EXPECT_FALSE(Mix_PlayingMusic());
}

TEST_F(LoadingTest, WorldLevelsTakeEnterRightAfterTheLoadThenSpace)
{
    struct {
        const char* code;
        int loading;
        int& step;
        int loaded, instructions;
    } levels[] = {
        {"5820", STATE_LOAD1, lvl1_lad, 2, 3},
        {"4861", STATE_LOAD2, lvl2_lad, 1, 2},
        {"9072", STATE_LOAD3, lvl3_lad, 1, 2},
    };
    for (auto& level : levels) {
        kas_notiek = STATE_MENU;
        Keys[SDLK_LSHIFT] = Keys[SDLK_c] = 1;
        Frame();
        Keys[SDLK_LSHIFT] = Keys[SDLK_c] = 0;
        for (const char* d = level.code; *d; d++) Tap(static_cast<SDLKey>(*d));
        Tap(SDLK_RETURN);
        ASSERT_EQ(kas_notiek, level.loading);
        ASSERT_EQ(level.step, 20);
        Keys[SDLK_SPACE] = 1;  // Space before Enter does nothing
        Frame();
        EXPECT_EQ(level.step, 0);
        Frame();
        EXPECT_EQ(level.step, level.loaded);
        EXPECT_EQ(Keys[SDLK_SPACE], 1);
        Keys[SDLK_SPACE] = 0;
        Tap(SDLK_RETURN);
        EXPECT_EQ(level.step, level.instructions);
        Tap(SDLK_SPACE);
        EXPECT_EQ(kas_notiek, level.loading + 1);
        EXPECT_EQ(tekosais_lvl, level.loading + 1);
    }
}

TEST_F(LoadingTest, TheReadyPictureComesTwoSecondsAfterALevelLoads)
{
    Keys[SDLK_LSHIFT] = Keys[SDLK_c] = 1;
    Frame();
    Keys[SDLK_LSHIFT] = Keys[SDLK_c] = 0;
    for (char d : {'5', '8', '2', '0'}) Tap(static_cast<SDLKey>(d));
    Tap(SDLK_RETURN);
    Frame(2);
    const Uint32 title = Pixel(512, 700);
    Frame(2000 / 30 - 2);
    EXPECT_EQ(Pixel(512, 700), title);
    Frame(3);
    EXPECT_NE(Pixel(512, 700), title);
}
