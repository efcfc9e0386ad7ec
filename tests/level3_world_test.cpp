// The town: the spot actions and their order, the dialogs, the end of the
// task chain with its closing picture, and the pile table.

#include <SDL_mixer.h>

#include "tests/level3_fixture.h"

TEST_F(Level3Test, ASpotFiresInsideTheSquaredDistanceOncePerPressAndKWinsTheFrame)
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

    // The hunter's and the hunt's spots share a place: the dialog opens, the
    // hunt does not start from the same press.
    uzdevums[TASK_HUNT] = TASK_NOT_GIVEN;
    misi[SPOT_HUNT].active = true;
    UseSpot(SPOT_HUNTER);
    EXPECT_TRUE(LVL3.DialogOpen());
    EXPECT_EQ(dnr, 4);
    EXPECT_EQ(process3, STATE3_WORLD);
    // No second dialog opens while one is open.
    UseSpot(SPOT_BELASI_MAN);
    EXPECT_EQ(uzdevums[TASK_BELASI], TASK_NOT_GIVEN);

    // A spot without the no-dialog condition still fires under an open box,
    // but k comes later in the frame and wins.
    StandAtSpot(SPOT_POTTY);
    Keys[SDLK_SPACE] = Keys[SDLK_k] = 1;
    Frame();
    EXPECT_EQ(process3, STATE3_MAP);
}

TEST_F(Level3Test, TheFightTakesTwoFreshYesesItsReportOpensTheExitWhoseClosingPictureFadesInAndEndsOnTheMenuMusic)
{
    for (const int task : {TASK_DRINK, TASK_BELASI, TASK_RIKTIS, TASK_HUNT}) uzdevums[task] = TASK_DONE;
    UseSpot(SPOT_SLAUGHTERHOUSE);
    EXPECT_EQ(dnr, 5);
    Keys[SDLK_y] = 1;
    Frame();
    EXPECT_TRUE(LVL3.DialogOpen()) << "the first yes only turns the page";
    EXPECT_EQ(dnr, 6);
    Frame();
    EXPECT_TRUE(LVL3.DialogOpen()) << "a fresh yes is needed";
    FrameWith(SDLK_y);
    EXPECT_FALSE(LVL3.DialogOpen());
    EXPECT_FALSE(misi[SPOT_SLAUGHTERHOUSE].active);
    UseSpot(SPOT_FIGHT);
    EXPECT_EQ(process3, STATE3_FIGHT);
    FrameWith(SDLK_RETURN);
    sit_dzivibas = -5;
    Frame();
    EXPECT_EQ(uzdevums[TASK_FIGHT], 1);
    EXPECT_FALSE(misi[SPOT_EXIT].active);
    UseSpot(SPOT_SLAUGHTERHOUSE);
    EXPECT_EQ(uzdevums[TASK_FIGHT], TASK_DONE);
    EXPECT_TRUE(misi[SPOT_EXIT].active) << "in the same frame";

    // The exit: the closing picture, and Space goes to the menu.
    Mix_HaltMusic();  // as the loading screen leaves it: the town plays its own track
    Frame();
    UseSpot(SPOT_EXIT);
    EXPECT_EQ(process3, STATE3_CLOSING);
    EXPECT_TRUE(LVL3.DemoBeigts());
    EXPECT_EQ(kas_notiek, STATE_LEVEL3) << "the Space that used the exit was cleared";
    ClearPictures();
    UsePicture(PIC3_CLOSING, 0xFFFFFF);
    HoldNeeds();
    Frame();
    EXPECT_EQ(beigas_y, 181) << "the picture fades in from 180";
    const Uint32 early = Pixel(512, 300) & 0xFF;
    EXPECT_GT(early, 150u);
    EXPECT_LT(early, 200u);
    for (int k = 0; k < 80; k++) {
        HoldNeeds();
        Frame();
    }
    EXPECT_EQ(beigas_y, 255);
    EXPECT_EQ(Pixel(512, 300), 0xFFFFFFu);
    Tap(SDLK_F7);  // the menu music comes back as F7 left it: off, until F7 again
    Tap(SDLK_SPACE);
    EXPECT_EQ(kas_notiek, STATE_MENU);
    EXPECT_TRUE(Mix_PausedMusic());
    Tap(SDLK_F7);
    EXPECT_TRUE(Mix_PlayingMusic() && !Mix_PausedMusic());
}

TEST_F(Level3Test, NoInDialogTwoLetsThePlayerComeBackAndAccept)
{
    uzdevums[TASK_BELASI] = 1;
    UseSpot(SPOT_BELASI_MAN);
    ASSERT_EQ(dnr, 2);
    FrameWith(SDLK_n);
    EXPECT_FALSE(LVL3.DialogOpen());
    EXPECT_FALSE(misi[SPOT_RIKTIS].active);
    UseSpot(SPOT_BELASI_MAN);
    EXPECT_EQ(dnr, 2);
    FrameWith(SDLK_y);
    EXPECT_EQ(uzdevums[TASK_BELASI], TASK_DONE);
    EXPECT_TRUE(misi[SPOT_RIKTIS].active);
}

TEST_F(Level3Test, PilesStopAtTheFiftiethSlot)
{
    for (int k = 0; k < 52; k++) {
        HoldNeeds();
        player3.toilet = 3;
        Frame();
    }
    EXPECT_EQ(sudu_skaits3, 50);
    for (const Pile& pile : suds3) EXPECT_TRUE(pile.active);
    EXPECT_EQ(suds3[0].x, static_cast<int>(player3.screenX + 30 + offsetX3));
}
