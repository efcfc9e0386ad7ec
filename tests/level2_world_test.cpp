// The farmstead's world frame through the real loop: the spots and their
// order, the quest giver, rakes, marks, the restart and the overlays.

#include "tests/level2_fixture.h"

TEST_F(Level2Test, TheFoodSpotFillsTo165AtAPointEachTimeAndOneSpotFiresPerPressInCheckOrder)
{
    Score.SetScore(10);
    StandAtSpot(mini[SPOT2_FOOD], FOOD_REACH2);
    for (int start : {20, 200}) {
        HoldNeeds();
        player10.food = start;
        FrameWith(SDLK_SPACE);
        EXPECT_EQ(player10.food, 165);
    }
    EXPECT_EQ(Score.GetScore(), 8);
    EXPECT_TRUE(mini[SPOT2_FOOD].active);

    // The quest giver, the egg spot and the food spot all at one place: the
    // quest giver wins and the press is used up.
    mini[SPOT2_EGGS] = {mini[SPOT2_QUEST_GIVER].x, mini[SPOT2_QUEST_GIVER].y, true};
    mini[SPOT2_FOOD] = {mini[SPOT2_QUEST_GIVER].x, mini[SPOT2_QUEST_GIVER].y - 20, true};
    StandAtSpot(mini[SPOT2_QUEST_GIVER]);
    player10.food = 100;
    Keys[SDLK_SPACE] = 1;
    Frame();
    EXPECT_TRUE(LVL2.dialogOpen);
    EXPECT_FALSE(mini[SPOT2_QUEST_GIVER].active);
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_EQ(Keys[SDLK_SPACE], 0);
    EXPECT_LE(player10.food, 100);

    // A fresh press takes the next in order: the eggs before the food.
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(process2, STATE2_EGGS);
    EXPECT_LE(player10.food, 100);

    // The drop spot leaves Space to the next spot when nothing is carried.
    process2 = STATE2_WORLD;
    for (Spot& spot : mini) spot.active = false;
    mini[SPOT2_FIREWOOD_DROP].active = true;
    mini[SPOT2_POTTY] = {mini[SPOT2_FIREWOOD_DROP].x, mini[SPOT2_FIREWOOD_DROP].y, true};
    StandAtSpot(mini[SPOT2_FIREWOOD_DROP]);
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(malkas_chupa, 0);
    EXPECT_EQ(process2, STATE2_POTTY);
}

TEST_F(Level2Test, OnlyTheFirstBushBringsTheQuestGiverBackInMissionThreeEveryFrame)
{
    mini[SPOT2_BERRIES_B].active = mini[SPOT2_BERRIES_C].active = true;
    const struct {
        int mission;
        bool firstBush, boxOpen, back;
    } cases[] = {{3, true, false, false}, {3, false, false, true}, {3, false, true, true}, {2, false, false, false}};
    for (const auto& c : cases) {
        misija = c.mission;
        mini[SPOT2_BERRIES_A].active = c.firstBush;
        LVL2.dialogOpen = c.boxOpen;
        mini[SPOT2_QUEST_GIVER].active = false;
        Frame();
        EXPECT_EQ(mini[SPOT2_QUEST_GIVER].active, c.back) << c.mission << c.firstBush << c.boxOpen;
    }
}

TEST_F(Level2Test, ARakeCostsOnePointPerContact)
{
    Score.SetScore(0);
    const float awayX = offsetX2, awayY = offsetY2;
    for (int contact = 1; contact <= 2; contact++) {
        HoldNeeds();
        StandAtSpot({RAKE_CONTACT[1].x, RAKE_CONTACT[1].y, true}, RAKE_REACH);
        Frame(5);
        EXPECT_EQ(grabeklis_kadrs, 1);
        EXPECT_EQ(Score.GetScore(), -contact);
        offsetX2 = awayX;
        offsetY2 = awayY;
        Frame();
        EXPECT_EQ(grabeklis_kadrs, 0);
        EXPECT_EQ(ir_uz_grab, 0);
    }
}

TEST_F(Level2Test, MarksReuseTheLastRecordFromThe31st)
{
    Score.SetScore(0);
    player10.food = 160;
    for (int mark = 0; mark < 33; mark++) {
        HoldNeeds();
        offsetX2 = 2000.75f + mark;
        player10.toilet = 3;
        Frame();
        EXPECT_EQ(player10.toilet, 30);
    }
    EXPECT_EQ(Score.GetScore(), -5 * 33);
    EXPECT_EQ(sudu_skaits2, 30);
    for (int k = 0; k < POOP_MARKS; k++) ASSERT_TRUE(suds2[k].active);
    // The last record holds the last mark, in whole pixels.
    EXPECT_EQ(suds2[30].x, static_cast<int>(2000.75f + 32 + player10.screenX + 30));
    EXPECT_EQ(suds2[29].x, static_cast<int>(2000.75f + 29 + player10.screenX + 30));
}

TEST_F(Level2Test, TheFirstOverlayHidesAPlayerOutsideItsZoneAndLaterOnesOnlyCoverOnce)
{
    ClearPictures();
    UsePicture(PIC2_PLAYER, 0xFF0000, 1000, 1440);
    UsePicture(PIC2_GROUND_A, 0x00FF00, 739, 915);
    UsePicture(PIC2_GROUND_I, 0x0000FF, 519, 506);
    const int pixelX = static_cast<int>(player10.screenX) + 50;
    const int pixelY = static_cast<int>(player10.screenY) + 10;
    struct Case {
        float footX, footY;
        Uint32 seen;
    } cases[] = {
        {2500, 900, 0xFF0000},  // in front of A and of I: drawn again after I
        {2500, 700, 0x00FF00},  // behind A (inside its range), I not over the sprite's top
        {2300, 850, 0xFF0000},  // in front of A, outside B's picture
    };
    for (const Case& c : cases) {
        HoldNeeds();
        offsetX2 = c.footX - player10.screenX - DEPTH_FOOT_X;
        offsetY2 = c.footY - player10.screenY - DEPTH_FOOT_Y;
        Frame();
        EXPECT_EQ(Pixel(pixelX, pixelY), c.seen) << c.footX << "," << c.footY;
    }
}

TEST_F(Level2Test, F3OutlinesABoundaryWallWhoseFarEndIsThousandsOfPixelsOff)
{
    ClearPictures();
    HoldNeeds();
    // The top wall's lower edge, world y 560, runs from screen x -200 to 4800.
    offsetX2 = offsetY2 = 200;
    FrameWith(SDLK_F3);
    Frame();
    for (const int x : {100, 300}) EXPECT_EQ(Pixel(x, 360), 0xFFFFFFu) << x;
}

TEST_F(Level2Test, OnTheHungerScreenFoodStarvesAgainUntilEnterRestartsWithTheScoreKeptAndEverythingReArmed)
{
    process2 = STATE2_HUNGER;
    player10.food = 4;
    player10.toilet = 160;
    HoldNeeds();
    ASSERT_TRUE(FramesUntil([] { return player10.food == 10; }, 200));
    EXPECT_EQ(process2, STATE2_HUNGER);
    EXPECT_EQ(CountInLog("---uzsetojam lvl 2\n"), 1u) << "no restart without Enter";

    misija = 4;
    malka[2].active = false;
    malkas_chupa = 3;
    mini[SPOT2_EXIT].active = true;
    suds2[0].active = 1;
    dialogi_set[1] = 1;
    spainisy = 170;
    Score.SetScore(33);
    FrameWith(SDLK_RETURN);
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_EQ(misija, 0);
    EXPECT_EQ(malkas_chupa, 0);
    for (const Spot& piece : malka) EXPECT_TRUE(piece.active);
    EXPECT_FALSE(mini[SPOT2_EXIT].active || suds2[0].active);
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    EXPECT_EQ(dialogi_set[1], 0);
    EXPECT_EQ(spainisy, 335);
    EXPECT_EQ(Score.GetScore(), 33);
}
