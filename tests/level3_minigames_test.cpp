// The town's five mini-games, driven through the level's own frame.

#include "tests/level3_fixture.h"

class Level3GamesTest : public Level3Test {
protected:
    void Enter(int state)
    {
        process3 = state;
        Frame();  // the frame time settles to one paced frame
        FrameWith(SDLK_RETURN);
        HoldNeeds();
    }
    static void BirdsAway()
    {
        for (Bird& bird : putns1) bird = {-700, 0, true, 0};
        for (Bird& bird : putns2) bird = {1400, 0, true, 0};
    }
};

TEST_F(Level3GamesTest, FightDamageIsThePartsOnlyItsKeyHitsAHeldKeyWaitsAndRecoveryComesBeforeTheWin)
{
    Enter(STATE3_FIGHT);
    ASSERT_TRUE(sitveci_iet);
    EXPECT_LT(kermdalja, 6);
    const struct {
        SDLKey key;
        int damage;
    } parts[7] = {{SDLK_w, 8}, {SDLK_c, 6}, {SDLK_d, 4}, {SDLK_s, 7}, {SDLK_z, 6}, {SDLK_a, 6}, {SDLK_x, 10}};
    for (int part = 0; part < 7; part++) {
        const int next = (part + 1) % 7;
        kermdalja = part;
        sit_dzivibas = 300;
        sit_dziv_laiks = NowTicks();
        Keys[parts[next].key] = 1;  // another part's key: nothing, and it stays down
        Frame();
        EXPECT_EQ(sit_dzivibas, 300) << part;
        EXPECT_EQ(Keys[parts[next].key], 1);
        kermdalja = next;
        Frame();
        EXPECT_EQ(sit_dzivibas, 300 - parts[next].damage) << next << " hit when its part came up";
        EXPECT_EQ(Keys[parts[next].key], 0);
    }

    const int score = Score.GetScore();
    sit_dzivibas = 0;
    sit_dziv_laiks = 0;  // recovery due
    Frame();
    EXPECT_EQ(process3, STATE3_FIGHT);
    EXPECT_EQ(sit_dzivibas, 1);
    sit_dzivibas = -1;
    Frame();
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(Score.GetScore(), score + 10);
    EXPECT_FALSE(sitveci_iet);
    // A second win changes no task.
    uzdevums[TASK_FIGHT] = TASK_DONE;
    misi[SPOT_FIGHT].active = true;
    Enter(STATE3_FIGHT);
    sit_dzivibas = -1;
    Frame();
    EXPECT_EQ(uzdevums[TASK_FIGHT], TASK_DONE);
    EXPECT_TRUE(misi[SPOT_FIGHT].active);
}

TEST_F(Level3GamesTest, TheShopCatchesInsideTheBandAndEndsOnTheFirstMiss)
{
    Enter(STATE3_SHOP);
    ASSERT_TRUE(veikals_iet);
    grozsx = 500;
    for (Spot& bottle : pudele2) bottle = {100, -700, false};
    const int score = Score.GetScore();
    // The band is strict on both edges: 500 and 670 are not caught.
    const int xs[4] = {500, 501, 669, 670};
    for (int k = 0; k < 4; k++) pudele2[k] = {xs[k], 660, false};
    Frame();
    EXPECT_EQ(Score.GetScore(), score + 2);
    EXPECT_LT(pudele2[1].y, 0);
    EXPECT_EQ(process3, STATE3_SHOP);
    pudele2[0].y = 768;
    Frame();
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_FALSE(veikals_iet);
}

TEST_F(Level3GamesTest, HuntingHitBoxIs100FallingBirdsShareTheStampTheGoalIsExactAndRaisedArmsReachTheBottom)
{
    Enter(STATE3_HUNT);
    ASSERT_TRUE(medibas_iet);
    BirdsAway();
    Med_merkisx = 100 - 381 + 95;  // the aim 95 right of the birds' left edge
    Med_merkisy = 200 - 45 + 50;
    putns1[0] = putns1[1] = {100, 200, true, 0};  // the same place: one shot, two hits
    const int score = Score.GetScore();
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(Score.GetScore(), score + 2);
    EXPECT_EQ(med_info_int, 2);
    EXPECT_FALSE(putns1[0].flying || putns1[1].flying);
    // Due at once (stamp 0): only the first takes the step.
    EXPECT_EQ(putns1[0].frame, 1);
    EXPECT_EQ(putns1[1].frame, 0);

    Med_merkisx += 10;  // 105: outside the box
    putns1[2] = {100, 200, true, 0};
    FrameWith(SDLK_SPACE);
    EXPECT_TRUE(putns1[2].flying);

    // Two birds at 24: past 25 the hunt goes on; it ends at exactly 25.
    med_info_int = 24;
    BirdsAway();
    putns1[0] = putns2[0] = {100, 200, true, 0};
    Med_merkisx = 150 - 381;
    Med_merkisy = 250 - 45;
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(med_info_int, 26);
    EXPECT_EQ(process3, STATE3_HUNT);
    med_info_int = 25;
    Frame();
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_FALSE(medibas_iet);

    // A raised sight's arms go on to the screen's bottom.
    Enter(STATE3_HUNT);
    UsePicture(PIC3_SIGHT, 0x123456, 769, 438);
    BirdsAway();
    Med_merkisx = 0;
    for (float y : {-300.0f, -1e6f}) {
        Med_merkisy = y;
        Frame();
        for (int row : {10, 137, 138, 500, 700}) EXPECT_EQ(Pixel(10, row), 0x123456u) << y << ", row " << row;
    }
}

TEST_F(Level3GamesTest, RaceTurnsOnlyAbove1Point5SharesOneStampAndKeepsItsSpeedBetweenFloorAndCeiling)
{
    Enter(STATE3_RACE);
    ASSERT_TRUE(gonka_iet);
    spids = 1.5f;
    kkas = kkas2 = 0;
    Keys[SDLK_RIGHT] = Keys[SDLK_UP] = 1;
    Frame();
    EXPECT_EQ(niva_kadrs, 3) << "no turn at 1.5";
    EXPECT_NEAR(spids, 1.7f, 1e-5);  // the throttle took the step
    Advance(100);
    Frame();
    EXPECT_EQ(niva_kadrs, 4) << "the turn took the shared step";
    EXPECT_NEAR(spids, 1.55f, 1e-5) << "no throttle in the same step";
    EXPECT_EQ(rot_niv, 247.5f);
    ReleaseKeys();

    spids = 19.9f;
    kkas = 0;
    FrameWith(SDLK_UP);
    EXPECT_EQ(spids, 20);
    spids = 0.1f;
    kkas = kkas2 = 0;
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(spids, 0.01f);
    const float x = Gon_offsetx;
    Frame();
    EXPECT_EQ(Gon_offsetx, x) << "no motion at the floor";
}

TEST_F(Level3GamesTest, DrivingStraightRightScoresCheckpoints0And14ThenFinishes)
{
    misi[SPOT_RIKTIS].active = true;
    Enter(STATE3_RACE);
    const int score = Score.GetScore();
    spids = 20;
    // The speed held: no coasting.
    FramesUntil(
        [] {
            kkas = kkas2 = NowTicks();
            HoldNeeds();
            return process3 != STATE3_RACE;
        },
        1000);
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(Score.GetScore(), score + 2);
    for (int k = 0; k < CHECKPOINTS; k++) EXPECT_EQ(gon_CP[k].active, k != 0 && k != 14) << k;
    EXPECT_FALSE(misi[SPOT_RIKTIS].active);
    EXPECT_TRUE(misi[SPOT_GARAGE].active);
}

TEST_F(Level3GamesTest, TuningLoadsOnceFromTheGarageAndReleasesOnVOrWithTheLevel)
{
    misi[SPOT_GARAGE].active = true;
    UseSpot(SPOT_GARAGE);
    Frame();
    EXPECT_EQ(tun_proc, 1);
    EXPECT_FALSE(LVL3.TuningLoaded());
    Frame();
    EXPECT_EQ(tun_proc, 2);
    for (int slot = 0; slot < CLvl3::TUNING_PICTURES; slot++) EXPECT_NE(LVL3.TuningPicture(slot), nullptr) << slot;
    // q from the garage keeps the pictures; the next visit replaces them.
    FrameWith(SDLK_q);
    EXPECT_EQ(process3, STATE3_WORLD);
    process3 = STATE3_TUNING;
    Frame(2);
    EXPECT_EQ(CountInLog("----lvl 3 tuning sasalaadeets\n"), 2u);
    FrameWith(SDLK_2);
    EXPECT_EQ(tun_proc, 3);
    FrameWith(SDLK_q);
    EXPECT_EQ(process3, STATE3_TUNING) << "q does nothing on the tuning screen";
    FrameWith(SDLK_v);
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(tun_proc, 0);
    EXPECT_FALSE(LVL3.TuningLoaded());
    // v before the load releases nothing, logs its release all the same and leaves.
    process3 = STATE3_TUNING;
    FrameWith(SDLK_v);
    EXPECT_EQ(process3, STATE3_WORLD);
    const char* const released = "----Raveejam Tuning no atminjas...\n----Tuning izraveets no atminjas\n";
    EXPECT_EQ(CountInLog(released), 2u);
    // Leaving the town from the garage must not leak the pictures a q kept.
    process3 = STATE3_TUNING;
    Frame(2);
    FrameWith(SDLK_q);
    LVL3.FreeMemory();
    EXPECT_FALSE(LVL3.TuningLoaded());
    EXPECT_EQ(CountInLog(released), 3u);
}
