// The egg yard, the berry bush and the well, each driven through the real
// loop from the world's scene state.

#include "tests/level2_fixture.h"

TEST(Level2YardRules, ClampsAndFenceRulesRunInOrder)
{
    const struct {
        float x, y, keptX, keptY;
    } cases[] = {
        {0, 0, 50, 110},     // the clamps
        {100, 280, 100, 275},  // rule 1; rule 3 is strict on 275
        {100, 300, 192, 300},  // rule 3
        {690, 520, 690, 508},  // rule 16 before rule 18
        {300, 300, 300, 300},  // open ground
    };
    for (const auto& c : cases) {
        float x = c.x, y = c.y;
        KeepInYard(x, y);
        EXPECT_EQ(x, c.keptX) << c.x << "," << c.y;
        EXPECT_EQ(y, c.keptY) << c.x << "," << c.y;
    }
}

class Level2Yard : public Level2Test {
protected:
    void SetUp() override
    {
        Level2Test::SetUp();
        if (HasFatalFailure()) return;
        Frame(3);  // a frame time of 30 ms from here on
        process2 = STATE2_EGGS;
        Frame();  // the yard is set up
        ASSERT_TRUE(olas_iet);
        // Hens parked far from the hand and from each other, standing still.
        vista_laiks = NowTicks() + 100000;
        for (int k = 0; k < HENS; k++) {
            vista[k] = {500 + 60 * k, 600, false};
            vista_virz[k] = {0, 0, false};
        }
    }
    static void HandCentreAt(float x, float y)
    {
        rokax = x - 21;
        rokay = y - 21;
    }
};

TEST_F(Level2Yard, HensGoingLeftCoverThreePixelsAndGoingRightTwoAndQuitLeavesQDown)
{
    vista_virz[0] = {-90, 0, false};
    vista_virz[1] = {90, 0, false};
    HandCentreAt(100, 150);
    HoldNeeds();
    Frame();
    EXPECT_EQ(vista[0].x, 497);
    EXPECT_EQ(vista[1].x, 562);

    Keys[SDLK_q] = 1;
    Frame();
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_EQ(Keys[SDLK_q], 1);
    EXPECT_TRUE(olas_iet) << "the rest of the frame still runs: set up again";
}

TEST_F(Level2Yard, EggsScoreTheBasketCountsOnlyAfterAll31AndTwoPecksLoseTheGame)
{
    Score.SetScore(0);
    HandCentreAt(ola[0].x + 20, ola[0].y + 25);
    Frame();
    EXPECT_FALSE(ola[0].active);
    EXPECT_EQ(savaktas_olas, 1);
    EXPECT_EQ(Score.GetScore(), 1);

    savaktas_olas = 30;
    HandCentreAt(710, 342);
    Frame(3);
    EXPECT_EQ(process2, STATE2_EGGS);
    savaktas_olas = 31;
    mini[SPOT2_EGGS].active = true;
    mini[SPOT2_QUEST_GIVER].active = false;
    Frame();
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_FALSE(mini[SPOT2_EGGS].active);
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    EXPECT_TRUE(olas_iet) << "a won game stays set up";

    // Two pecks in one frame cost two and lose the game.
    process2 = STATE2_EGGS;
    Score.SetScore(5);
    HandCentreAt(300, 150);
    vista[0] = vista[1] = {280, 125, false};  // centres at (300, 150)
    Frame();
    EXPECT_EQ(Score.GetScore(), 3);
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_FALSE(olas_iet);
    // The next visit starts afresh with every egg back.
    process2 = STATE2_EGGS;
    ola[3].active = false;
    Frame();
    EXPECT_TRUE(ola[3].active);
    EXPECT_EQ(savaktas_olas, 0);
}

TEST_F(Level2Test, BerriesAreCaughtOnlyInTheMouthBand)
{
    Frame(2);
    process2 = STATE2_BERRIES;
    FrameWith(SDLK_RETURN);
    ASSERT_EQ(ogas_iet, 1);
    EXPECT_FALSE(showScore);
    FrameWith(SDLK_b);
    EXPECT_EQ(detonat, 1);
    Frame(20);
    EXPECT_EQ(ogas_iet, 1);
    Frame(5);
    ASSERT_EQ(ogas_iet, 2);
    EXPECT_TRUE(showScore);

    Score.SetScore(0);
    suklisx = 300;
    suklisy = 542;
    for (Spot& berry : oga) berry = {500, 900, false};
    // Inside the band after one fall, on its left edge (strict), inside, still falling.
    const Spot berries[4] = {{428, 550, true}, {427, 550, true}, {500, 560, true}, {500, 100, true}};
    for (int k = 0; k < 4; k++) oga[k] = berries[k];
    HoldNeeds();
    Frame();
    for (int k = 0; k < 4; k++) EXPECT_EQ(oga[k].active, k % 2 == 1) << k;
    EXPECT_EQ(Score.GetScore(), 2);
    EXPECT_EQ(process2, STATE2_BERRIES);
    oga[1].active = false;
    suklisx = -2000;  // off the screen: nothing more is caught
    ASSERT_TRUE(FramesUntil([] { return process2 == STATE2_WORLD; }, 300));
    EXPECT_EQ(Score.GetScore(), 2);
}

TEST_F(Level2Test, TheWellLiftsOncePerPressSinksAndFinishes)
{
    Frame(3);  // a frame time of 30 ms from here on
    process2 = STATE2_WELL;
    HoldNeeds();
    Keys[SDLK_SPACE] = 1;
    Frame(3);
    // One lift of about 3 pixels, then sinking at 10 per second.
    EXPECT_NEAR(spainisy, 335 - 3 + 3 * 0.3f, 0.05f);
    EXPECT_EQ(Keys[SDLK_SPACE], 0);

    spainisy = 634.9f;
    Frame(3);
    EXPECT_NEAR(spainisy, 635.2f, 0.01f) << "sinking stops past 635";

    mini[SPOT2_WELL].active = true;
    mini[SPOT2_QUEST_GIVER].active = false;
    spainisy = 167;
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_FALSE(mini[SPOT2_WELL].active);
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
}
