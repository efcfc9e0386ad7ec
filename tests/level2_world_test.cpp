// The farmstead's world frame through the real loop: spots, missions,
// firewood, rakes, needs, marks and the restart.

#include "tests/level2_fixture.h"

namespace {

void AllSpotsOff()
{
    for (Spot& spot : mini) spot.active = false;
}

}  // namespace

TEST_F(Level2Test, SetUpLogsAndArmsTheQuestGiverPottyAndFood)
{
    EXPECT_EQ(CountInLog("---Laadeeju lvl 2\n"), 1u);
    EXPECT_EQ(CountInLog("---lvl 2 sasalaadeets\n"), 1u);
    EXPECT_EQ(CountInLog("---uzsetojam lvl 2\n"), 1u);
    EXPECT_EQ(CountInLog("---lvl 2 sasetots\n"), 1u);
    for (int k = 0; k < TRIGGER_SPOTS; k++)
        EXPECT_EQ(mini[k].active, k == SPOT2_QUEST_GIVER || k == SPOT2_POTTY || k == SPOT2_FOOD) << "spot " << k;
    EXPECT_EQ(offsetX2, 2800);
    EXPECT_EQ(offsetY2, 1500);
    EXPECT_EQ(player10.food, 140);
    EXPECT_EQ(player10.toilet, 70);
    EXPECT_EQ(process2, STATE2_WORLD);
}

TEST_F(Level2Test, OneSpotPerPressInCheckOrder)
{
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
    EXPECT_GE(player10.food, 99);
    EXPECT_LE(player10.food, 100);

    // A fresh press takes the next in order: the eggs before the food.
    Keys[SDLK_SPACE] = 1;
    Frame();
    EXPECT_EQ(process2, STATE2_EGGS);
    EXPECT_EQ(Keys[SDLK_SPACE], 0);
    EXPECT_LE(player10.food, 100);
}

TEST_F(Level2Test, TheFoodSpotFillsTo165AtAPointEachTime)
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
}

TEST_F(Level2Test, OnlyTheFirstBushBringsTheQuestGiverBackInMissionThree)
{
    misija = 3;
    mini[SPOT2_QUEST_GIVER].active = false;
    mini[SPOT2_BERRIES_A].active = true;
    mini[SPOT2_BERRIES_B].active = false;
    mini[SPOT2_BERRIES_C].active = false;
    Frame();
    EXPECT_FALSE(mini[SPOT2_QUEST_GIVER].active);
    mini[SPOT2_BERRIES_A].active = false;
    Frame();
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    // Every frame, also while its own box is open.
    LVL2.dialogOpen = true;
    mini[SPOT2_QUEST_GIVER].active = false;
    Frame();
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    // Not in another mission.
    misija = 2;
    mini[SPOT2_QUEST_GIVER].active = false;
    Frame();
    EXPECT_FALSE(mini[SPOT2_QUEST_GIVER].active);
}

TEST_F(Level2Test, FirewoodOnlyInMissionFourOnePieceAtATimeThenTheExit)
{
    Score.SetScore(0);
    StandAtSpot(malka[0], FIREWOOD_REACH);
    FrameWith(SDLK_SPACE);
    EXPECT_TRUE(malka[0].active) << "not before mission 4";
    EXPECT_FALSE(player10.carrying);

    misija = 4;
    mini[SPOT2_FIREWOOD_DROP].active = true;
    for (int k = 0; k < FIREWOOD; k++) {
        HoldNeeds();
        StandAtSpot(malka[k], FIREWOOD_REACH);
        FrameWith(SDLK_SPACE);
        ASSERT_FALSE(malka[k].active) << "piece " << k;
        ASSERT_TRUE(player10.carrying);
        if (k + 1 < FIREWOOD) {
            // Carrying: another piece under the feet stays.
            const Spot keep = malka[k + 1];
            malka[k + 1].x = malka[k].x;
            malka[k + 1].y = malka[k].y;
            FrameWith(SDLK_SPACE);
            EXPECT_TRUE(malka[k + 1].active);
            malka[k + 1] = keep;
        }
        StandAtSpot(mini[SPOT2_FIREWOOD_DROP]);
        FrameWith(SDLK_SPACE);
        ASSERT_FALSE(player10.carrying);
        EXPECT_EQ(malkas_chupa, k + 1);
        EXPECT_STREQ(malka_skaits_char, (std::to_string(k + 1) + "/6").c_str());
        EXPECT_EQ(mini[SPOT2_FIREWOOD_DROP].active, k + 1 < FIREWOOD);
        EXPECT_EQ(mini[SPOT2_EXIT].active, k + 1 == FIREWOOD);
    }
    EXPECT_FALSE(LVL2.UzNakamoLVL());
    StandAtSpot(mini[SPOT2_EXIT]);
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(kas_notiek, STATE_LOAD3);
    EXPECT_EQ(Score.GetScore(), 0);
}

TEST_F(Level2Test, TheDropSpotLeavesSpaceAloneWhenNothingIsCarried)
{
    AllSpotsOff();
    mini[SPOT2_FIREWOOD_DROP].active = true;
    mini[SPOT2_POTTY] = {mini[SPOT2_FIREWOOD_DROP].x, mini[SPOT2_FIREWOOD_DROP].y, true};
    StandAtSpot(mini[SPOT2_FIREWOOD_DROP]);
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(malkas_chupa, 0);
    EXPECT_EQ(process2, STATE2_POTTY) << "the press went on to the potty";
}

TEST_F(Level2Test, ARakeCostsOnePointPerContact)
{
    Score.SetScore(0);
    const float awayX = offsetX2, awayY = offsetY2;
    for (int contact = 1; contact <= 2; contact++) {
        HoldNeeds();
        offsetX2 = RAKE_CONTACT[1].x - (player10.screenX + RAKE_REACH.footX);
        offsetY2 = RAKE_CONTACT[1].y - (player10.screenY + RAKE_REACH.footY);
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

TEST_F(Level2Test, FoodFallsInEveryStateAndToiletEverywhereButThePotty)
{
    for (int state : {STATE2_WORLD, STATE2_EGGS, STATE2_WELL, STATE2_BERRIES, STATE2_POTTY, STATE2_INFO,
                      STATE2_MAP, STATE2_HUNGER}) {
        LVL2.Uzsetot();
        Advance(10000);
        player10.food = 100;
        player10.toilet = 100;
        process2 = state;
        spainisy = 600;  // the well stays open
        Frame();
        EXPECT_EQ(player10.food, 99) << "state " << state;
        EXPECT_EQ(player10.toilet, state == STATE2_POTTY ? 100 : 99) << "state " << state;
    }
}

TEST_F(Level2Test, HungerBelowFourAndMarksReuseTheLastRecordFromThe31st)
{
    Score.SetScore(0);
    player10.food = 4;
    HoldNeeds();
    Frame();
    EXPECT_EQ(process2, STATE2_WORLD);
    player10.food = 3;
    Frame();
    EXPECT_EQ(process2, STATE2_HUNGER);
    EXPECT_EQ(player10.food, 10);

    process2 = STATE2_WORLD;
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

TEST_F(Level2Test, RestartFromHungerKeepsTheScoreAndReArmsEverything)
{
    misija = 4;
    malka[2].active = false;
    malkas_chupa = 3;
    mini[SPOT2_EXIT].active = true;
    suds2[0].active = 1;
    LVL2.Dialogs().Rearm();
    dialogi_set[1] = 1;
    spainisy = 170;
    Score.SetScore(33);
    process2 = STATE2_HUNGER;
    FrameWith(SDLK_RETURN);
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_EQ(misija, 0);
    EXPECT_EQ(malkas_chupa, 0);
    for (const Spot& piece : malka) EXPECT_TRUE(piece.active);
    EXPECT_FALSE(mini[SPOT2_EXIT].active);
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    EXPECT_FALSE(suds2[0].active);
    EXPECT_EQ(dialogi_set[1], 0);
    EXPECT_EQ(spainisy, 335);
    EXPECT_EQ(Score.GetScore(), 33);
}

TEST_F(Level2Test, InfoMapAndHungerScreensShowTheirPictures)
{
    ClearPictures();
    UsePicture(PIC2_INFO, 0x102030);
    UsePicture(PIC2_MAP, 0x203040);
    FrameWith(SDLK_i);
    EXPECT_EQ(process2, STATE2_INFO);
    Frame();
    EXPECT_EQ(Pixel(500, 300), 0x102030u);
    FrameWith(SDLK_RETURN);
    EXPECT_EQ(process2, STATE2_WORLD);
    FrameWith(SDLK_k);
    EXPECT_EQ(process2, STATE2_MAP);
    Frame();
    EXPECT_EQ(Pixel(500, 300), 0x203040u);
    FrameWith(SDLK_k);
    EXPECT_EQ(process2, STATE2_WORLD);
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

TEST(Level2Depth, OverlaySixCountsOnlyWhileTheSpriteTopIsAbove1247)
{
    const Occluder& six = FARM_OCCLUDERS[5];
    ASSERT_EQ(six.picture, PIC2_GROUND_J);
    auto inFront = [&](float top) {
        const float footY = top + DEPTH_FOOT_Y;
        for (int z = 0; z < six.zoneCount; z++)
            if (ZoneHolds(six.zones[z], 2700, footY)) return footY > six.zones[z].threshold;
        return false;
    };
    EXPECT_TRUE(inFront(1246));
    EXPECT_FALSE(inFront(1247));
    EXPECT_FALSE(inFront(1016));  // foot at 1166: not beyond the line
}

TEST_F(Level2Test, AWonPottyVisitRefillsTo165AndReturnsToTheWorld)
{
    Score.SetScore(0);
    StandAtSpot(mini[SPOT2_POTTY]);
    FrameWith(SDLK_SPACE);
    ASSERT_EQ(process2, STATE2_POTTY);
    Frame();
    ASSERT_TRUE(pods_iet2);
    shitx2 = 700;
    HoldNeeds();
    Frame();
    EXPECT_EQ(process2, STATE2_WORLD);
    EXPECT_EQ(player10.toilet, 165);
    EXPECT_EQ(Score.GetScore(), 5);
}

TEST_F(Level2Test, OnTheHungerScreenFoodKeepsFallingAndStarvesAgain)
{
    process2 = STATE2_HUNGER;
    player10.food = 4;
    player10.toilet = 160;
    HoldNeeds();
    ASSERT_TRUE(FramesUntil([] { return player10.food == 10; }, 200));
    EXPECT_EQ(process2, STATE2_HUNGER);
    EXPECT_EQ(CountInLog("---uzsetojam lvl 2\n"), 1u) << "no restart without Enter";
}
