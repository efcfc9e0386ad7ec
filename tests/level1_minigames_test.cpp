// The stove and wall-ball.

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
    Keys[SDLK_SPACE] = 1;            // pressed again, too soon
    ParkFlies();
    FrameOf(0);
    EXPECT_EQ(uguns_nr, 1);
    Advance(700);
    ParkFlies();
    FrameOf(0);
    EXPECT_EQ(uguns_nr, 2);
    // Records are taken in turn and wrap after ten.
    for (int shot = 2; shot < 12; shot++) {
        Advance(701);
        ParkFlies();
        FrameOf(0, SDLK_SPACE);
    }
    EXPECT_EQ(uguns_nr, 2);
}

TEST_F(MiniGameTest, StoveHitBoxIsTheFlamesBurningPart)
{
    // Flame at (300, 400): a fly's centre point (x + 32, y + 35) must lie
    // strictly inside (320, 475) - (380, 575).
    const struct { float cx, cy; bool hit; } cases[] = {
        {350, 520, true},  {320.5f, 476, true}, {379.5f, 574.5f, true}, {320, 520, false},
        {380, 520, false}, {350, 475, false},   {350, 575, false},       {350, 600, false},
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
    Timelvl1 = 0.1f;
    HoldNeeds();
    Keys[SDLK_UP] = 1;
    Frame();
    EXPECT_FLOAT_EQ(bumbay, 285);
    bumba_lido = BALL_OUT;
    bumbax = 100;
    Timelvl1 = 0.1f;
    Frame();
    Keys[SDLK_UP] = 0;
    EXPECT_FLOAT_EQ(bumbay, 285);
}

TEST_F(MiniGameTest, WallBallScoresWhenTheCreaturesMiddleIsInTheBallsBand)
{
    // Ball at y 300: its band is 325 to 395, so the creature (middle at
    // y + 50) scores from y 275 to 345, exclusive.
    const struct { float creatureY; bool hit; } cases[] = {{275, false}, {275.5f, true}, {310, true}, {344.5f, true}, {345, false}, {100, false}};
    Pretsienai = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.creatureY);
        process = STATE_WALLBALL;
        Score.SetScore(0);
        pret_skaits_int = 0;
        bumbay = 300;
        bumbax = 770;
        bumba_lido = BALL_OUT;
        prusaksy = c.creatureY;
        FrameOf(0);
        EXPECT_EQ(pret_skaits_int, c.hit ? 1 : 0);
        EXPECT_EQ(Score.GetScore(), c.hit ? 2 : 0);
        EXPECT_FLOAT_EQ(prusaksy, c.hit ? 517 : c.creatureY);
    }
    // Not before the ball is at 760.
    bumbax = 759;
    prusaksy = 310;
    pret_skaits_int = 0;
    FrameOf(0);
    EXPECT_EQ(pret_skaits_int, 0);
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
        bool back = false;
        for (int frame = 0; frame < 20 && !back; frame++) {
            HoldNeeds();
            Frame();
            back = bumba_lido == BALL_HELD;
        }
        ASSERT_TRUE(back);
        EXPECT_FLOAT_EQ(bumbax, -30);
        EXPECT_EQ(process, hits >= 10 ? STATE_WORLD : STATE_WALLBALL) << hits;
    }
}
