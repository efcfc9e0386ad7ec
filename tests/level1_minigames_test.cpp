// The mini-games on level 1: the stove, wall-ball, and the potty (a visit
// starts fresh, holding the target on the point wins, drifting off loses,
// q leaves as it was).

#include <cmath>

#include "tests/level1_fixture.h"

namespace {

class MiniGameTest : public Level1Test {
protected:
    void SetUp() override
    {
        Level1Test::SetUp();
        if (HasFatalFailure()) return;
        Frame();
    }
    static void ParkFlies()
    {
        for (StoveFly& fly : muha) fly = {500, -5000};
    }
    void Shoot(Uint32 wait)
    {
        Advance(wait);
        ParkFlies();
        FrameOf(0, SDLK_SPACE);
    }
};

}  // namespace

TEST_F(MiniGameTest, StoveIntroWaitsForEnterThenHeldSpaceFiresOnceAtMostEvery700ms)
{
    process = STATE_STOVE;
    FrameOf(0);
    EXPECT_TRUE(Krasnsi);
    EXPECT_FALSE(DrawTextB);
    FrameOf(0, SDLK_RETURN);
    EXPECT_FALSE(Krasnsi);
    EXPECT_TRUE(DrawTextB);

    ParkFlies();
    Keys[SDLK_SPACE] = 1;
    FrameOf(0);
    EXPECT_EQ(uguns_nr, 1);
    EXPECT_FLOAT_EQ(uguns[0].x, deglisX - 25);
    EXPECT_FLOAT_EQ(uguns[0].y, deglisY - 120);
    EXPECT_EQ(Keys[SDLK_SPACE], 0);  // held Space fires once
    Shoot(0);  // pressed again, too soon
    EXPECT_EQ(uguns_nr, 1);
    Shoot(700);
    EXPECT_EQ(uguns_nr, 2);
    for (int shot = 2; shot < 12; shot++) Shoot(701);  // records are taken in turn and wrap after ten
    EXPECT_EQ(uguns_nr, 2);
}

TEST_F(MiniGameTest, StoveHitBoxIsTheFlamesBurningPart)
{
    // Flame at (300, 400): a fly's centre point (x + 32, y + 35) must lie
    // strictly inside (320, 475) - (380, 575).
    const struct { float cx, cy; bool hit; } cases[] = {
        {320.5f, 476, true}, {379.5f, 574.5f, true}, {320, 520, false},
        {380, 520, false},   {350, 475, false},      {350, 575, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cx << "," << c.cy);
        Krasnsi = false;
        process = STATE_STOVE;
        Score.SetScore(0);
        ParkFlies();
        for (StoveFlame& flame : uguns) flame = {-200, 0, 0, 0, NowTicks()};
        uguns[3] = {300, 400, 2, 1, NowTicks()};
        muha[2] = {c.cx - 32, c.cy - 35};
        FrameOf(0);
        EXPECT_EQ(Score.GetScore(), c.hit ? 2 : 0);
        EXPECT_EQ(uguns[3].active, c.hit ? 0 : 1);
        if (c.hit) {
            EXPECT_FLOAT_EQ(uguns[3].x, -100);
            EXPECT_LT(muha[2].y, -399);  // back above the screen
        }
    }
}

TEST_F(MiniGameTest, StoveFlamesRiseAndParkAndAFallenFlyEndsTheGame)
{
    Krasnsi = false;
    process = STATE_STOVE;
    ParkFlies();
    uguns[0] = {300, 114, 0, 1, NowTicks()};
    FrameOf(0.03f);
    EXPECT_EQ(uguns[0].active, 0);  // 114 - 2.4 is above 113
    EXPECT_FLOAT_EQ(uguns[0].x, -100);

    ParkFlies();
    muha[4] = {400, 767};
    FrameOf(0.03f);
    EXPECT_EQ(process, STATE_WORLD);
    for (const StoveFly& fly : muha) EXPECT_LT(fly.y, -399);

    process = STATE_STOVE;
    FrameOf(0, SDLK_q);
    EXPECT_EQ(process, STATE_WORLD);
    for (const StoveFly& fly : muha) {
        EXPECT_GE(fly.y, -800);
        EXPECT_LT(fly.y, -300);
    }
}

TEST_F(MiniGameTest, WallBallIntroClearsTheCountAndTheBallIsHeldInItsBand)
{
    process = STATE_WALLBALL;
    pret_skaits_int = 7;
    FrameOf(0, SDLK_q);  // q does not act on the intro
    EXPECT_EQ(process, STATE_WALLBALL);
    EXPECT_EQ(pret_skaits_int, 0);
    EXPECT_STREQ(pret_skaits_char, "0/10");
    FrameOf(0, SDLK_RETURN);
    EXPECT_FALSE(Pretsienai);

    for (const float start : {149.0f, 150.0f, 401.0f}) {
        bumbay = start;
        FrameOf(0);
        EXPECT_FLOAT_EQ(bumbay, std::min(400.0f, std::max(150.0f, start)));
    }
    // Up moves it while held; not while in flight.
    bumbay = 300;
    FrameOf(0.1f, SDLK_UP);
    EXPECT_FLOAT_EQ(bumbay, 285);
    bumba_lido = BALL_OUT;
    bumbax = 100;
    FrameOf(0.1f, SDLK_UP);
    EXPECT_FLOAT_EQ(bumbay, 285);
}

TEST_F(MiniGameTest, WallBallScoresWhenTheCreaturesMiddleIsInTheBallsBand)
{
    // Ball at y 300: its band is 325 to 395, so the creature (middle at
    // y + 50) scores from y 275 to 345, exclusive, once the ball is at 760.
    const struct { float ballX, creatureY; bool hit; } cases[] = {
        {770, 275, false}, {770, 275.5f, true}, {770, 344.5f, true}, {770, 345, false}, {759, 310, false}};
    Pretsienai = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ballX << "," << c.creatureY);
        process = STATE_WALLBALL;
        Score.SetScore(0);
        pret_skaits_int = 0;
        bumbay = 300;
        bumbax = c.ballX;
        bumba_lido = BALL_OUT;
        prusaksy = c.creatureY;
        FrameOf(0);
        EXPECT_EQ(pret_skaits_int, c.hit ? 1 : 0);
        EXPECT_EQ(Score.GetScore(), c.hit ? 2 : 0);
        EXPECT_FLOAT_EQ(prusaksy, c.hit ? 517 : c.creatureY);
    }
}

TEST_F(MiniGameTest, WallBallEndsWhenTheBallIsBackAfterTheTenthHitOrLater)
{
    Pretsienai = false;
    for (const int hits : {9, 10, 11}) {
        process = STATE_WALLBALL;
        pret_skaits_int = hits;
        bumba_lido = BALL_BACK;
        bumbax = 100;
        prusaksy = 517;
        HoldNeeds();
        ASSERT_TRUE(FramesUntil([] { return bumba_lido == BALL_HELD; }, 20));
        EXPECT_FLOAT_EQ(bumbax, -30);
        EXPECT_EQ(process, hits >= 10 ? STATE_WORLD : STATE_WALLBALL) << hits;
    }
}

TEST_F(MiniGameTest, PottyWinLossAndQuit)
{
    const struct { float marker; bool onTarget; SDLKey key; int toilet, score; bool stays; } cases[] = {
        {684.5f, true, SDLK_UNKNOWN, 130, 55, false},  // crosses 685: won
        {684.3f, true, SDLK_UNKNOWN, 40, 50, true},    // 684.9: not yet
        {685.7f, false, SDLK_UNKNOWN, 130, 55, false},  // won though off the point
        {270.5f, false, SDLK_UNKNOWN, 30, 45, false},  // below 270: lost
        {270.7f, false, SDLK_UNKNOWN, 40, 50, true},
        {489, true, SDLK_q, 40, 50, false},  // q keeps toilet and score
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "marker " << c.marker);
        process = STATE_POTTY;
        Score.SetScore(50);
        player.toilet = 40;
        // A visit under way, the target centred on the point (219, 309) or well off it.
        pods_iet = true;
        shitx = c.marker;
        targetx = c.onTarget ? 219 - 55 : 600;
        targety = c.onTarget ? 309 - 51 : 100;
        FrameOf(0.03f, c.key);
        EXPECT_EQ(player.toilet, c.toilet);
        EXPECT_EQ(Score.GetScore(), c.score);
        EXPECT_EQ(process, c.stays ? STATE_POTTY : STATE_WORLD);
        EXPECT_EQ(pods_iet, c.stays);
    }
}

TEST_F(MiniGameTest, PottyAVisitStartsFreshAndTheTargetWobblesAboutTheSteeredBase)
{
    process = STATE_POTTY;
    shitx = 100;
    FrameOf(0.03f);
    EXPECT_TRUE(pods_iet);
    EXPECT_NEAR(shitx, 489, 0.61);
    EXPECT_FLOAT_EQ(kx, 205);
    EXPECT_FLOAT_EQ(ky, 330);
    for (int frame = 0; frame < 300; frame++) {
        FrameOf(0.03f, frame % 40 < 20 ? SDLK_RIGHT : SDLK_DOWN);
        if (process != STATE_POTTY) break;
        EXPECT_NEAR(targetx, kx - 7, 150 + 1);
        EXPECT_NEAR(targety, ky - 113, 170 + 1);
        EXPECT_FLOAT_EQ(targetx, std::trunc(targetx));
    }
    EXPECT_GT(kx, 205 + 100);  // steered at 200 px/s
    EXPECT_GT(ky, 330 + 100);
}
