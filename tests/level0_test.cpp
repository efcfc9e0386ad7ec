// Level 0: the hit tests, the bullet's afterlife, the loss line, the player's
// bounds, shooting, help and the counter; then the endings: the game-over
// restart, the birth slides and the name, and the way on to level 1.

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstring>
#include <string>
#include <vector>

#include "frontend/menu.h"
#include "level0/lvl0.h"
#include "shell/colors.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "shell/timer.h"
#include "tests/harness.h"

namespace {

struct Circle {
    int dx, dy, radius;
};

enum Mover { PLAYER, BULLET, RIVAL, BULLET_ON_RIVAL };
const char* const MOVER_NAMES[] = {"player", "bullet", "rival"};

// Two obstacle kinds in slots of their own: the player's, the bullet's and a
// rival's test as the level's rules give them (offset added to the
// obstacle's position, radius). The probes show that every test is strict
// and that each slot uses its kind.
struct ObstacleCase {
    const char* kind;
    int slot;
    Circle circles[3];
};

const ObstacleCase OBSTACLES[] = {
    {"blood cell 1", 0, {{88, 88, 65}, {26, 76, 65}, {-54, 63, 65}}},
    {"pill 2", 10, {{54, 50, 55}, {-8, 38, 55}, {-88, 25, 55}}},
};

const ScreenPoint TARGET_AT = {500, 300};
const ScreenPoint DIRECTIONS[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

}  // namespace

// Level 0 entered directly, its first frame played (which sets it up), the
// field cleared.
class Level0Test : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        if (HasFatalFailure()) return;
        // Ten seconds in, as after the intro, the menu and the loading screen,
        // with the frame timer and the pacing caught up, so every frame after
        // this first one lasts 30 ms.
        Advance(10000);
        Timer.Update();
        looptime = Now();
        LVL0.Load(screen);
        kas_notiek = tekosais_lvl = STATE_LEVEL0;
        Frame();
        ClearField();
    }

    void TearDown() override
    {
        if (kas_notiek == STATE_LEVEL0) LVL0.FreeMemory();
        GameTest::TearDown();
    }

    // A play frame in which nothing drifts, so positions set by the test are
    // the ones the rules see.
    void StillFrame()
    {
        Timer.Update();
        Timer.Update();
        LVL0.Draw(screen);
    }

    // Nothing near anything: obstacles far right, rivals far left, the
    // bullet's last position far off.
    static void ClearField()
    {
        for (ScreenPoint& obstacle : naidnieks1) obstacle = {3000, 0};
        for (ScreenPoint& rival : cits_sperm) rival = {-1000, 0};
        lode_lido = false;
        buletx = bulety = -3000;
        beigts = false;
    }

    // Puts the mover's compared point at (x, y) against a target at
    // TARGET_AT, plays a still frame and says whether the test hit.
    bool Hits(Mover mover, int slot, int x, int y)
    {
        ClearField();
        if (slot >= 0) naidnieks1[slot] = TARGET_AT;
        if (mover == PLAYER) {
            spermsx = static_cast<float>(x - 142);
            spermsy = static_cast<float>(y - 25);
        } else if (mover == RIVAL) {
            cits_sperm[0] = {x, y};
        } else {
            buletx = x;
            bulety = y;
            lode_lido = mover == BULLET;
            if (mover == BULLET_ON_RIVAL) cits_sperm[0] = TARGET_AT;
        }
        const int score = Score.GetScore();
        StillFrame();
        if (mover == PLAYER) return beigts;
        if (mover == BULLET) return !lode_lido;
        return cits_sperm[0].x == -310 && Score.GetScore() == score + (mover == BULLET_ON_RIVAL ? 2 : 0);
    }

    // The edge of each circle, probed from four sides: at the radius it
    // misses (the test is strict), one pixel inside it hits.
    void ExpectCircle(const std::string& what, Mover mover, int slot, const Circle& circle)
    {
        const int cx = TARGET_AT.x + circle.dx, cy = TARGET_AT.y + circle.dy, r = circle.radius;
        for (const ScreenPoint& d : DIRECTIONS) {
            const std::string from = what + " from " + std::to_string(d.x) + "," + std::to_string(d.y);
            EXPECT_FALSE(Hits(mover, slot, cx + d.x * r, cy + d.y * r)) << from << " hits at the radius";
            EXPECT_TRUE(Hits(mover, slot, cx + d.x * (r - 1), cy + d.y * (r - 1))) << from << " misses inside it";
        }
    }
};

TEST_F(Level0Test, ObstaclesHitWithTheirKindsOffsetsAndStrictRadiusAndSlotsOneAndTwoTouchNothing)
{
    for (const Mover mover : {PLAYER, BULLET, RIVAL}) {
        for (const ObstacleCase& c : OBSTACLES)
            ExpectCircle(std::string(c.kind) + ", " + MOVER_NAMES[mover], mover, c.slot, c.circles[mover]);
        // Where blood cell 1 in the slot would be hit dead centre.
        const Circle& cell = OBSTACLES[0].circles[mover];
        for (const int slot : {1, 2})
            EXPECT_FALSE(Hits(mover, slot, TARGET_AT.x + cell.dx, TARGET_AT.y + cell.dy))
                << MOVER_NAMES[mover] << " hit in slot " << slot;
    }
    ExpectCircle("bullet on a rival", BULLET_ON_RIVAL, -1, {70, 13, 25});
}

TEST_F(Level0Test, ASpentBulletKeepsItsPlaceAndStillHitsOneRival)
{
    naidnieks1[0] = TARGET_AT;
    lode_lido = true;
    buletx = TARGET_AT.x + 26;
    bulety = TARGET_AT.y + 76;
    StillFrame();
    ASSERT_FALSE(lode_lido) << "absorbed by the blood cell";
    // Later a rival swims into where the bullet stopped; the next one through swims on.
    naidnieks1[0] = {3000, 0};
    cits_sperm[2] = cits_sperm[3] = {TARGET_AT.x + 26 - 70, TARGET_AT.y + 76 - 13};
    StillFrame();
    EXPECT_EQ(cits_sperm[2].x, -310);
    EXPECT_EQ(cits_sperm[3].x, TARGET_AT.x + 26 - 70);
    EXPECT_STREQ(PunktiC, " 002 ");
    EXPECT_EQ(bulety, -100) << "the spent bullet is moved off";

    // Gone past the screen's edge, its place still hits.
    lode_lido = true;
    buletx = 1075;
    bulety = 300;
    Frame(2);  // the first frame after still ones has no time to move in
    ASSERT_FALSE(lode_lido);
    ASSERT_GT(buletx, 1080);
    cits_sperm[1] = {buletx - 70, bulety - 13};
    StillFrame();
    EXPECT_EQ(cits_sperm[1].x, -310);
    EXPECT_EQ(Score.GetScore(), 4);
}

TEST_F(Level0Test, RivalsWrapPastX1300AndPastX1194LoseWhileTheMusicPlaysOn)
{
    cits_sperm[0] = {1299, 10};
    naidnieks1[4] = {-295, 10};
    Frame();  // 30 ms: a rival swims 3.9 px, an obstacle 6.9 px
    EXPECT_EQ(cits_sperm[0].x, -310);
    EXPECT_EQ(naidnieks1[4].x, 1024);
    EXPECT_GE(naidnieks1[4].y, 0);
    EXPECT_LT(naidnieks1[4].y, 650);

    ClearField();
    cits_sperm[0] = {1194, 300};
    StillFrame();
    EXPECT_FALSE(beigts);
    cits_sperm[0] = {1195, 300};
    StillFrame();
    EXPECT_TRUE(beigts);
    EXPECT_FALSE(Mix_PausedMusic());
    // Touching an obstacle pauses it.
    Hits(PLAYER, 0, TARGET_AT.x + 88, TARGET_AT.y + 88);
    EXPECT_TRUE(Mix_PausedMusic());
}

TEST_F(Level0Test, PlayerStaysInsideItsRectangleEdgesIncluded)
{
    const struct { float x, y, expectX, expectY; } cases[] = {{-50, -50, 0, 0}, {1200, 900, 1000, 720}, {1000, 720, 1000, 720}, {-1, 721, 0, 720}};
    for (const auto& c : cases) {
        ClearField();
        spermsx = c.x;
        spermsy = c.y;
        StillFrame();
        EXPECT_EQ(spermsx, c.expectX) << "from " << c.x << "," << c.y;
        EXPECT_EQ(spermsy, c.expectY) << "from " << c.x << "," << c.y;
    }
}

TEST_F(Level0Test, HeldSpaceFiresOnceAndSpaceInFlightIsSwallowed)
{
    spermsx = 100;
    spermsy = 300;
    Press(SDLK_SPACE);
    Frame();
    ASSERT_TRUE(lode_lido);
    EXPECT_EQ(bulety, 317);
    EXPECT_EQ(buletx, 210 + 11) << "fired from x + 110, then one frame at 370 px/s";

    // Held until the bullet is long gone: no second shot.
    ASSERT_TRUE(FramesUntil([] { return !lode_lido; }, 200));
    Frame(20);
    EXPECT_FALSE(lode_lido);
    Release(SDLK_SPACE);
    Frame();

    Tap(SDLK_SPACE);
    ASSERT_TRUE(lode_lido);
    const int firedX = buletx;
    Tap(SDLK_SPACE);  // while it flies
    EXPECT_GT(buletx, firedX);
    EXPECT_EQ(Keys[SDLK_SPACE], 0) << "the press is used up";
    ASSERT_TRUE(FramesUntil([] { return !lode_lido; }, 200));
    Frame(5);
    EXPECT_FALSE(lode_lido) << "a press during the flight does not wait for it";
}

TEST_F(Level0Test, HelpFreezesTheFieldAndTheCounter)
{
    naidnieks1[0] = {700, 100};
    Press(SDLK_i);
    Frame();  // raises the help, which shows from the next frame
    const int laiks = LAIKS;
    const ScreenPoint obstacle = naidnieks1[0];
    const ScreenPoint rival = cits_sperm[0];
    Frame(100);  // three seconds, i still held: its press is spent
    EXPECT_EQ(LAIKS, laiks);
    EXPECT_EQ(naidnieks1[0].x, obstacle.x);
    EXPECT_EQ(cits_sperm[0].x, rival.x);
    Release(SDLK_i);
    Frame();
    EXPECT_EQ(naidnieks1[0].x, obstacle.x);

    Tap(SDLK_RETURN);  // closes it; this frame still shows the help
    EXPECT_EQ(naidnieks1[0].x, obstacle.x);
    Frame();
    EXPECT_LT(naidnieks1[0].x, obstacle.x);
    EXPECT_EQ(LAIKS, laiks - 1) << "one step after the wait, not one per second waited";
}

TEST_F(Level0Test, HeldEnterOnTheGameOverPictureRestartsOnceWithTheMusicEvenMidFade)
{
    LAIKS = 3;
    kkad = 0;
    Frame();
    ASSERT_EQ(Mix_FadingMusic(), MIX_FADING_OUT) << "the music fades out for the birth";
    Score.AddScore(4);
    naidnieks1[0] = {int(spermsx) + 142 - 88, int(spermsy) + 25 - 88};  // blood cell 1 on the player
    Frame();  // the loss pauses the fading music
    ASSERT_TRUE(beigts);
    Frame();
    SDL_Surface* picture = LoadPicture("lvl0/kirdik.png");
    ASSERT_NE(picture, nullptr);
    for (const ScreenPoint& at : {ScreenPoint{512, 130}, ScreenPoint{300, 660}, ScreenPoint{20, 20}})
        EXPECT_EQ(Pixel(at.x, at.y), SurfacePixel(picture, at.x, at.y)) << at.x << "," << at.y;
    FreeSurface(picture);

    const size_t setUps = CountInLog("-Uzsetojam lvl 0...\n");
    Press(SDLK_RETURN);
    Frame(30);
    EXPECT_FALSE(beigts);
    EXPECT_EQ(CountInLog("-Uzsetojam lvl 0...\n"), setUps + 2) << "the picture's and the next frame's";
    EXPECT_EQ(Score.GetScore(), 0);
    EXPECT_EQ(LAIKS, 60);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_FALSE(Mix_PausedMusic());
    EXPECT_EQ(Mix_FadingMusic(), MIX_NO_FADING);
}

TEST_F(Level0Test, TheCounterEndsAtZeroWithTheBirthMusicThenTheSlidesStepAndTheNameTakesLettersAndDigits)
{
    EXPECT_EQ(LAIKS, 60) << "the first step comes at once";
    bool fadedAtTwo = false;
    const Uint32 start = Now();
    ASSERT_TRUE(FramesUntil(
        [&] {
            ClearField();
            if (LAIKS == 2 && Mix_FadingMusic() == MIX_FADING_OUT) fadedAtTwo = true;
            return LVL0.GetStatus();
        },
        2200));
    // 61 steps, each at the first 30 ms frame past a second
    EXPECT_NEAR(static_cast<double>(Now() - start), 61 * 1020.0, 100.0);
    EXPECT_EQ(LAIKS, 0);
    EXPECT_TRUE(fadedAtTwo);
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_EQ(Mix_FadingMusic(), MIX_NO_FADING);
    EXPECT_EQ(Mix_VolumeMusic(-1), 128);
    EXPECT_FALSE(LVL0.UzNakamoLVL());

    EXPECT_EQ(kkadskadrs, 0);
    Press(SDLK_a);
    std::vector<int> shown = {kkadskadrs};
    for (int frame = 0; frame < 150; frame++) {
        Frame();
        if (kkadskadrs != shown.back()) shown.push_back(kkadskadrs);
        if (kkadskadrs < 10) {
            EXPECT_EQ(burts, 0);
            EXPECT_EQ(Keys[SDLK_a], 1) << "left down for the name slide";
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_STREQ(vards, "a");
    Release(SDLK_a);
    Tap(SDLK_BACKSPACE);
    Tap(SDLK_BACKSPACE);  // on an empty name: nothing
    EXPECT_EQ(burts, 0);
    Press(SDLK_LSHIFT);
    Tap(SDLK_j);
    Release(SDLK_LSHIFT);
    for (const SDLKey key : {SDLK_a, SDLK_n, SDLK_1, SDLK_9, SDLK_b, SDLK_c, SDLK_d, SDLK_e, SDLK_f}) Tap(key);
    EXPECT_STREQ(vards, "jan19bcdef");
    EXPECT_EQ(burts, 10);

    // The white name ends where the ten characters end.
    TTF_Font* font = TTF_OpenFont("font.ttf", 55);
    ASSERT_NE(font, nullptr);
    SDL_Surface* name = TTF_RenderText_Blended(font, "jan19bcdef", dzeltena);
    ASSERT_NE(name, nullptr);
    const int w = name->w, h = name->h;
    SDL_FreeSurface(name);
    TTF_CloseFont(font);
    int firstWhite = -1, lastWhite = -1;
    const auto findWhite = [&] {
        firstWhite = lastWhite = -1;
        for (int y = VardsLoc.y; y < VardsLoc.y + h; y++)
            for (int x = 1023; x >= VardsLoc.x - 20; x--)
                if (Pixel(x, y) == 0xFFFFFF) {
                    firstWhite = firstWhite < 0 ? x : std::min(firstWhite, x);
                    lastWhite = std::max(lastWhite, x);
                }
    };
    findWhite();
    EXPECT_GE(firstWhite, VardsLoc.x);
    EXPECT_LT(firstWhite, VardsLoc.x + 30);
    EXPECT_GT(lastWhite, VardsLoc.x + w - 40);
    EXPECT_LE(lastWhite, VardsLoc.x + w);

    Press(SDLK_x);
    Frame();
    EXPECT_EQ(burts, 10);
    EXPECT_EQ(Keys[SDLK_x], 1) << "a key that finds the name full stays down";
    Tap(SDLK_BACKSPACE);
    EXPECT_STREQ(vards, "jan19bcde");
    Frame();
    EXPECT_STREQ(vards, "jan19bcdex") << "the waiting key joins once there is room";
    Release(SDLK_x);
    Frame();

    // A new game's name slide shows no name from this one.
    LVL0.FreeMemory();
    LVL0.Load(screen);
    Frame();
    LAIKS = 0;
    kkad = 0;
    ASSERT_TRUE(FramesUntil([] { return LVL0.GetStatus(); }, 5));
    ASSERT_TRUE(FramesUntil([] { return kkadskadrs == 10; }, 100));
    findWhite();
    EXPECT_EQ(lastWhite, -1);

    Tap(SDLK_o);
    Tap(SDLK_k);
    Press(SDLK_RETURN);
    Frame();
    EXPECT_FALSE(LVL0.UzNakamoLVL());
    EXPECT_EQ(Keys[SDLK_RETURN], 1);
    Tap(SDLK_s);  // Enter still held: the third character finishes it
    EXPECT_TRUE(LVL0.UzNakamoLVL());
    EXPECT_EQ(kkadskadrs, 11);
    EXPECT_EQ(Keys[SDLK_RETURN], 0);
    EXPECT_EQ(kas_notiek, STATE_LOAD1);
}
