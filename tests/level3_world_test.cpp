// The town: set-up, the spot actions and their order, the dialogs and the
// task chain up to the closing picture and back to the menu.

#include <gtest/gtest.h>

#include <cstring>

#include "tests/level3_fixture.h"
#include "world/movement.h"

namespace {

bool Active(int spot) { return misi[spot].active; }

}  // namespace

TEST_F(Level3Test, LoadsEverythingAndSetsUpTheTown)
{
    EXPECT_EQ(CountInLog("----Laadeeju lvl 3\n"), 1u);
    EXPECT_EQ(CountInLog("----lvl 3 sasalaadeets\n"), 1u);
    EXPECT_EQ(CountInLog("----lvl 3 sasetots\n"), 1u);
    for (int slot = 0; slot < LVL3_PICTURES; slot++) EXPECT_NE(LVL3.Assets().Picture(slot), nullptr) << slot;
    for (int slot = 0; slot < LVL3_SOUNDS; slot++) EXPECT_NE(LVL3.Assets().Sound(slot), nullptr) << slot;
    EXPECT_FALSE(IsEmpty(R3[49]));
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(offsetX3, 950);
    EXPECT_EQ(offsetY3, 1700);
    EXPECT_EQ(player3.food, 65);
    EXPECT_EQ(player3.toilet, 90);
    EXPECT_EQ(player3.speed, 120);
    for (int task : uzdevums) EXPECT_EQ(task, 3);
    const bool activeAtStart[MISSION_SPOTS3] = {1, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 1, 0};
    for (int k = 0; k < MISSION_SPOTS3; k++) EXPECT_EQ(Active(k), activeAtStart[k]) << k;
    EXPECT_EQ(beigas_y, 180);
    // The start is free of walls.
    EXPECT_TRUE(IsFree(LEVEL3.walls, Circle{950 + 475, 1700 + 480, 15}));
}

TEST_F(Level3Test, ASpotIsReachedInsideTheSquaredDistanceOnly)
{
    StandAtSpot(SPOT_BOARD);
    offsetX3 += 26;  // 676 < 700
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(process3, STATE3_BOARD);
    FrameWith(SDLK_RETURN);
    StandAtSpot(SPOT_BOARD);
    offsetX3 += 27;  // 729
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(process3, STATE3_WORLD);
}

TEST_F(Level3Test, OneSpacePressFiresOneActionAndKWinsTheFrame)
{
    // The hunter's and the hunt's spots share a place: the dialog opens, the
    // hunt does not start from the same press.
    uzdevums[TASK_HUNT] = TASK_NOT_GIVEN;
    misi[SPOT_HUNT].active = true;
    UseSpot(SPOT_HUNTER);
    EXPECT_TRUE(LVL3.DialogOpen());
    EXPECT_EQ(dnr, 4);
    EXPECT_EQ(uzdevums[TASK_HUNT], TASK_DONE);
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(Keys[SDLK_SPACE], 0);

    // A spot without the no-dialog condition still fires under an open box,
    // but k comes later in the frame and wins.
    StandAtSpot(SPOT_POTTY);
    Keys[SDLK_SPACE] = Keys[SDLK_k] = 1;
    Frame();
    EXPECT_EQ(process3, STATE3_MAP);
}

TEST_F(Level3Test, NoSecondDialogOpensWhileOneIsOpen)
{
    UseSpot(SPOT_DRINKER);
    ASSERT_TRUE(LVL3.DialogOpen());
    UseSpot(SPOT_BELASI_MAN);
    EXPECT_EQ(dnr, 0);
    EXPECT_EQ(uzdevums[TASK_BELASI], TASK_NOT_GIVEN);
    EXPECT_TRUE(Active(SPOT_BELASI_MAN));
}

TEST_F(Level3Test, TheWholeTaskChainOpensTheExitInTheFrameOfTheLastTask)
{
    // Task 0: the drinker, the shop, back to the drinker.
    UseSpot(SPOT_DRINKER);
    FrameWith(SDLK_y);
    EXPECT_FALSE(LVL3.DialogOpen());
    EXPECT_TRUE(Active(SPOT_SHOP));
    UseSpot(SPOT_SHOP);
    EXPECT_EQ(process3, STATE3_SHOP);
    EXPECT_EQ(uzdevums[TASK_DRINK], 1);
    FrameWith(SDLK_q);
    UseSpot(SPOT_DRINKER);
    EXPECT_EQ(uzdevums[TASK_DRINK], TASK_DONE);
    EXPECT_TRUE(Active(SPOT_SHOP));

    // Task 1: asked, eaten, reported.
    UseSpot(SPOT_BELASI_MAN);
    EXPECT_EQ(dnr, 1);
    EXPECT_EQ(uzdevums[TASK_BELASI], 4);
    FrameWith(SDLK_y);
    const int score = Score.GetScore();
    UseSpot(SPOT_FOOD);
    EXPECT_EQ(player3.food, 135);
    EXPECT_EQ(Score.GetScore(), score - 1);
    EXPECT_EQ(uzdevums[TASK_BELASI], 1);
    UseSpot(SPOT_BELASI_MAN);
    EXPECT_EQ(dnr, 2);
    FrameWith(SDLK_y);
    EXPECT_TRUE(Active(SPOT_RIKTIS));

    // Task 2 is done when Riktis speaks; no to his race keeps him.
    UseSpot(SPOT_RIKTIS);
    EXPECT_EQ(uzdevums[TASK_RIKTIS], TASK_DONE);
    FrameWith(SDLK_n);
    EXPECT_TRUE(Active(SPOT_RIKTIS));

    // Task 4 is done when the hunter speaks.
    UseSpot(SPOT_HUNTER);
    FrameWith(SDLK_n);
    EXPECT_EQ(uzdevums[TASK_HUNT], TASK_DONE);

    // Task 5: two steps of yes, the fight, the report.
    UseSpot(SPOT_SLAUGHTERHOUSE);
    EXPECT_EQ(dnr, 5);
    Keys[SDLK_y] = 1;
    Frame();
    EXPECT_TRUE(LVL3.DialogOpen()) << "the first yes only turns the page";
    EXPECT_EQ(dnr, 6);
    EXPECT_EQ(Keys[SDLK_y], 0);
    Frame();
    EXPECT_TRUE(LVL3.DialogOpen()) << "a fresh yes is needed";
    FrameWith(SDLK_y);
    EXPECT_FALSE(LVL3.DialogOpen());
    EXPECT_FALSE(Active(SPOT_SLAUGHTERHOUSE));
    EXPECT_TRUE(Active(SPOT_FIGHT));
    UseSpot(SPOT_FIGHT);
    EXPECT_EQ(process3, STATE3_FIGHT);
    FrameWith(SDLK_RETURN);
    sit_dzivibas = -5;
    Frame();
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(uzdevums[TASK_FIGHT], 1);
    EXPECT_TRUE(Active(SPOT_SLAUGHTERHOUSE));
    EXPECT_FALSE(Active(SPOT_EXIT));
    UseSpot(SPOT_SLAUGHTERHOUSE);
    EXPECT_EQ(uzdevums[TASK_FIGHT], TASK_DONE);
    EXPECT_TRUE(Active(SPOT_EXIT)) << "in the same frame";

    // The exit: the closing picture fades in, Space goes to the menu.
    UseSpot(SPOT_EXIT);
    EXPECT_EQ(process3, STATE3_CLOSING);
    EXPECT_TRUE(LVL3.DemoBeigts());
    EXPECT_EQ(kas_notiek, STATE_LEVEL3) << "the Space that used the exit was cleared";
    HoldNeeds();
    Frame(3);
    EXPECT_EQ(beigas_y, 183);
    Tap(SDLK_SPACE);
    EXPECT_EQ(kas_notiek, STATE_MENU);
    EXPECT_EQ(CountInLog("----lvl3 izraveets no atminjas\n"), 1u);
}

TEST_F(Level3Test, NoInDialogTwoLetsThePlayerComeBackAndAccept)
{
    uzdevums[TASK_BELASI] = 1;
    UseSpot(SPOT_BELASI_MAN);
    ASSERT_EQ(dnr, 2);
    FrameWith(SDLK_n);
    EXPECT_FALSE(LVL3.DialogOpen());
    EXPECT_FALSE(Active(SPOT_RIKTIS));
    EXPECT_TRUE(Active(SPOT_BELASI_MAN));
    UseSpot(SPOT_BELASI_MAN);
    EXPECT_TRUE(LVL3.DialogOpen());
    EXPECT_EQ(dnr, 2);
    FrameWith(SDLK_y);
    EXPECT_EQ(uzdevums[TASK_BELASI], TASK_DONE);
    EXPECT_TRUE(Active(SPOT_RIKTIS));
}

TEST_F(Level3Test, DialogLinesAreTheWindows1257BytesOfTheShownDialog)
{
    UseSpot(SPOT_SLAUGHTERHOUSE);
    Frame();
    EXPECT_EQ(std::strncmp(DialogText3L, "             Laipni l\xfb" "dzam KAUTUV\xc7! \xd0" "eit", 33), 0);
    EXPECT_EQ(std::strlen(DialogText3L), 97u);
    EXPECT_EQ(dialogi_set2[5], 1);
    FrameWith(SDLK_y);
    Frame();
    EXPECT_EQ(std::strncmp(DialogText3A, "Brave man, brave....", 20), 0);
    EXPECT_EQ(std::strlen(DialogText3A), 101u);
    FrameWith(SDLK_n);
    // Shown again after another dialog, a dialog shows its own lines.
    UseSpot(SPOT_SLAUGHTERHOUSE);
    Frame();
    EXPECT_EQ(std::strlen(DialogText3L), 97u);
    FrameWith(SDLK_n);

    uzdevums[TASK_BELASI] = TASK_NOT_GIVEN;
    UseSpot(SPOT_BELASI_MAN);
    Frame();
    EXPECT_EQ(std::strcmp(DialogText3A, "                                       Boy, bring some \"bela\xf0i\" and you will "
                                        "gain my trust!"),
              0);
}

TEST_F(Level3Test, HungerRestartKeepsTheScoreAndResetsTheTown)
{
    uzdevums[TASK_DRINK] = TASK_DONE;
    Score.SetScore(42);
    player3.food = 4;
    food_laiks3 = 0;
    Frame();
    ASSERT_EQ(process3, STATE3_HUNGER);
    FrameWith(SDLK_RETURN);
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(uzdevums[TASK_DRINK], TASK_NOT_GIVEN);
    EXPECT_EQ(player3.food, 65 - 1) << "set-up zeroes the stamp, the tick follows in the frame";
    EXPECT_EQ(Score.GetScore(), 42);
}

TEST_F(Level3Test, PilesStopAtTheFiftiethSlot)
{
    HoldNeeds();
    for (int k = 0; k < 52; k++) {
        player3.toilet = 3;
        Frame();
        HoldNeeds();
    }
    EXPECT_EQ(sudu_skaits3, 50);
    int active = 0;
    for (const Pile& pile : suds3) active += pile.active ? 1 : 0;
    EXPECT_EQ(active, 50);
    EXPECT_EQ(suds3[0].x, static_cast<int>(player3.screenX + 30 + offsetX3));
}

TEST_F(Level3Test, ThePottyRefillsTo135)
{
    UseSpot(SPOT_POTTY);
    ASSERT_EQ(process3, STATE3_POTTY);
    Frame();
    lvl3World.potty.markerX = 700;
    HoldNeeds();
    Frame();
    EXPECT_EQ(process3, STATE3_WORLD);
    EXPECT_EQ(player3.toilet, 135);
}

TEST_F(Level3Test, LeavingFromTheGarageReleasesTheTuningPictures)
{
    misi[SPOT_GARAGE].active = true;
    UseSpot(SPOT_GARAGE);
    Frame(2);
    ASSERT_TRUE(LVL3.TuningLoaded());
    LVL3.FreeMemory();
    EXPECT_FALSE(LVL3.TuningLoaded());
    EXPECT_EQ(CountInLog("----Tuning izraveets no atminjas\n"), 1u);
    LVL3.Load(screen);
    LVL3.Uzsetot();
}

TEST_F(Level3Test, PropsCoverThePlayerUnlessHeStandsInFrontInTheirZone)
{
    ClearPictures();
    UsePicture(PIC3_PLAYER, 0x0000FF, 800, 1440);
    UsePicture(PIC3_SHOP, 0x00FF00, 586, 540);
    UsePicture(PIC3_SLAUGHTERHOUSE, 0xFF0000, 214, 480);
    HoldNeeds();
    // The shop's zone: 2330 < x < 2800, in front below 1746.
    offsetX3 = 2500 - 422 - DEPTH_DX;
    offsetY3 = 1800 - 324 - DEPTH_DY;
    Frame();
    EXPECT_EQ(Pixel(470, 400), 0x0000FFu) << "in front of the shop";
    offsetY3 = 1700 - 324 - DEPTH_DY;
    Frame();
    EXPECT_EQ(Pixel(470, 400), 0x00FF00u) << "behind it";

    // The first prop draws the player before itself outside its zone: the
    // player is seen wherever no prop covers him.
    offsetX3 = 1500;
    offsetY3 = 2600;
    Frame();
    EXPECT_EQ(Pixel(470, 400), 0x0000FFu);
}

TEST_F(Level3Test, TheClosingPictureFadesInFrom180)
{
    ClearPictures();
    UsePicture(PIC3_CLOSING, 0xFFFFFF);
    HoldNeeds();
    process3 = STATE3_CLOSING;
    Frame();
    EXPECT_EQ(beigas_y, 181);
    const Uint32 early = Pixel(512, 300) & 0xFF;
    EXPECT_GT(early, 150u);
    EXPECT_LT(early, 200u);
    for (int k = 0; k < 80; k++) {
        HoldNeeds();
        Frame();
    }
    EXPECT_EQ(beigas_y, 255);
    EXPECT_EQ(Pixel(512, 300), 0xFFFFFFu);
}
