// The intro's three screens and the loading screens, with every world
// level's life cycle as its loading screen and its release leave it.

#include <SDL_mixer.h>

#include <vector>

#include "frontend/load.h"
#include "frontend/menu.h"
#include "level1/lvl1.h"
#include "level2/lvl2.h"
#include "level3/lvl3.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "tests/harness.h"

class IntroTest : public GameTest {};

TEST_F(IntroTest, TheAgeNoticeFadesInOneStepPerFrameOfMoreThan30MsThenFourUpTo252AndStays)
{
    const auto brightestBlue = [this] {
        Uint32 bright = 0;
        for (int x = 100; x < 900; x += 10) bright = std::max(bright, Pixel(x, 300) & 0xFF);
        return bright;
    };
    Frame();  // the first frame comes too soon for a step
    EXPECT_EQ(intro_alpha, 0);
    EXPECT_LE(brightestBlue(), 2u);
    // Frames of exactly 30 ms step only every other frame.
    Frame();
    EXPECT_EQ(intro_alpha, 0);
    Frame();
    EXPECT_EQ(intro_alpha, 1);
    Advance(40);
    std::vector<int> seen, expected;
    for (int i = 0; i < 400; i++) {
        Frame();
        if (seen.empty() || seen.back() != intro_alpha) seen.push_back(intro_alpha);
    }
    for (int a = 2; a <= 20; a++) expected.push_back(a);
    for (int a = 24; a <= 252; a += 4) expected.push_back(a);
    EXPECT_EQ(seen, expected);
    EXPECT_GT(brightestBlue(), 100u);
    EXPECT_EQ(ziim, 0) << "the age notice has no time-out";
}

TEST_F(IntroTest, EscapeOnTheAgeNoticeQuitsButWithSpaceGoesOnAndNeitherQuitsLater)
{
    Frame(5);
    Tap(SDLK_ESCAPE);
    EXPECT_TRUE(Menu.pazust());
    EXPECT_EQ(CountInLog("Nav vismaz 12 gadi\n"), 1u);
    Frame();
    EXPECT_TRUE(Quit);

    Menu.pazust(false);
    Press(SDLK_SPACE);
    Press(SDLK_ESCAPE);
    Frame();
    EXPECT_EQ(ziim, 1);
    EXPECT_EQ(intro_alpha, 0);
    Release(SDLK_SPACE);
    Release(SDLK_ESCAPE);
    Frame(10);
    ASSERT_GT(intro_alpha, 0);
    Tap(SDLK_SPACE);
    EXPECT_EQ(ziim, 2);
    Tap(SDLK_ESCAPE);
    EXPECT_EQ(kas_notiek, STATE_MENU);
    EXPECT_FALSE(Menu.pazust());
}

// Each screen gives way in the first frame more than its wait after its fade.
TEST_F(IntroTest, SplashFadesInAndOutAndGivesWayThreeSecondsLaterTheVersionScreenFiveSecondsAfterItsFadeIn)
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
    EXPECT_GT(Now() - lastAbove150, 3000u);
    EXPECT_LE(Now() - lastAbove150, 3000u + 3 * 30u);

    EXPECT_EQ(vers_alpha, 0) << "the version screen fades from zero";
    peak = 0;
    Uint32 lastAtOrBelow149 = 0;
    while (kas_notiek == STATE_INTRO) {
        Frame();
        peak = std::max(peak, vers_alpha);
        if (vers_alpha <= 149) lastAtOrBelow149 = Now();
        ASSERT_LT(Now(), 60000u);
    }
    EXPECT_EQ(peak, 252);
    EXPECT_GT(Now() - lastAtOrBelow149, 5000u);
    EXPECT_LE(Now() - lastAtOrBelow149, 5000u + 3 * 30u);
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
    EXPECT_EQ(CountInLog("-Laadeeju lvl 0\n-Lvl 0 pielaadeets\n"), 1u);
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

TEST_F(LoadingTest, WorldLevelsTakeEnterRightAfterTheLoadThenSpaceAndLoadAllTheyName)
{
    struct {
        const char* code;
        int loading;
        COverworld& level;
        void (*freeMemory)();
    } levels[] = {
        {"5820", STATE_LOAD1, LVL1, [] { LVL1.FreeMemory(); }},
        {"4861", STATE_LOAD2, LVL2, [] { LVL2.FreeMemory(); }},
        {"9072", STATE_LOAD3, LVL3, [] { LVL3.FreeMemory(); }},
    };
    size_t loads = 0;
    for (auto& level : levels) {
        SCOPED_TRACE(level.code);
        kas_notiek = STATE_MENU;
        CheatTo(level.code);
        ASSERT_EQ(kas_notiek, level.loading);
        Keys[SDLK_SPACE] = 1;  // Space before Enter does nothing
        Frame();
        EXPECT_EQ(CountInLog("Laadeeju lvl"), loads) << "the first frame only shows the title";
        Frame();
        EXPECT_EQ(CountInLog("Laadeeju lvl"), ++loads);
        EXPECT_EQ(Keys[SDLK_SPACE], 1);
        Keys[SDLK_SPACE] = 0;
        Tap(SDLK_RETURN);
        EXPECT_EQ(kas_notiek, level.loading);
        Tap(SDLK_SPACE);
        EXPECT_EQ(kas_notiek, level.loading + 1);
        EXPECT_EQ(tekosais_lvl, level.loading + 1);

        const LevelAssets& assets = level.level.Assets();
        for (int slot = 0; slot < level.level.Values().assets.pictureCount; slot++)
            EXPECT_NE(assets.Picture(slot), nullptr) << "picture " << slot;
        for (int slot = 0; slot < level.level.Values().assets.soundCount; slot++)
            EXPECT_NE(assets.Sound(slot), nullptr) << "sound " << slot;
        for (int number = 1; number <= MUSIC_TRACKS; number++) EXPECT_NE(assets.Track(number), nullptr) << number;
        for (int font = 0; font < LEVEL_FONTS; font++) EXPECT_NE(assets.Font(font), nullptr) << "font " << font;
        level.freeMemory();
        level.freeMemory();  // twice is harmless
        EXPECT_EQ(assets.Picture(0), nullptr);
        EXPECT_EQ(assets.Track(1), nullptr);
    }
    EXPECT_EQ(CountInLog("Mix_Load"), 0u) << log;
    EXPECT_EQ(CountInLog("adursmju"), 0u) << "a collision map is missing or short";
    kas_notiek = STATE_MENU;
}

TEST_F(LoadingTest, TheReadyPictureComesTwoSecondsAfterALevelLoads)
{
    CheatTo("5820");
    Frame(2);
    const Uint32 title = Pixel(512, 700);
    Frame(2000 / 30 - 2);
    EXPECT_EQ(Pixel(512, 700), title);
    Frame(3);
    EXPECT_NE(Pixel(512, 700), title);
}
