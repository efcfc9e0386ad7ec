// The needs, the gas meter and the level clock, on level 1's instance.

#include "tests/level1_fixture.h"

namespace {

const Uint32 TOILET_WARNING = 0x00C000, FOOD_WARNING = 0xC0C000;

class NeedsTest : public Level1Test {};

}  // namespace

TEST_F(NeedsTest, FoodRestsInTheMiniGamesAndToiletOnlyOnThePotty)
{
    for (int state = STATE_WALLBALL; state <= STATE_INFO; state++) {
        SCOPED_TRACE(testing::Message() << "state " << state);
        LVL1.Uzsetot();
        Advance(3000);
        process = state;
        player.food = player.toilet = 100;
        gmeter = 0;
        Frame();
        const bool miniGame = state <= STATE_POTTY;
        EXPECT_EQ(player.food, miniGame ? 100 : 99);
        EXPECT_EQ(player.toilet, state == STATE_POTTY ? 100 : 99);
        EXPECT_EQ(gmeter, state == STATE_POTTY ? 0 : 3);
    }
}

TEST_F(NeedsTest, WarningsShowFromThirtyOneToThirtyFourOutsideTheNotices)
{
    UsePicture(PIC_TOILET_WARNING, TOILET_WARNING);
    UsePicture(PIC_FOOD_WARNING, FOOD_WARNING);
    UsePicture(PIC_HUNGER_NOTICE, 0x400000);
    const struct { int state, toilet, food; Uint32 shown; /* 0: neither */ } cases[] = {
        {STATE_WORLD, 30, 100, 0}, {STATE_WORLD, 31, 100, TOILET_WARNING}, {STATE_WORLD, 34, 100, TOILET_WARNING},
        {STATE_WORLD, 35, 100, 0}, {STATE_WORLD, 100, 31, FOOD_WARNING},
        {STATE_WORLD, 32, 32, FOOD_WARNING},  // food's is drawn last
        {STATE_MAP, 32, 100, TOILET_WARNING}, {STATE_HUNGER, 32, 32, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "state " << c.state << " toilet " << c.toilet << " food " << c.food);
        process = c.state;
        player.toilet = c.toilet;
        player.food = c.food;
        HoldNeeds();
        Frame();
        const Uint32 pixel = Pixel(600, 300);
        if (c.shown)
            EXPECT_EQ(pixel, c.shown);
        else
            EXPECT_TRUE(pixel != TOILET_WARNING && pixel != FOOD_WARNING) << std::hex << pixel;
    }
}

TEST_F(NeedsTest, StarvationOpensTheNoticeAndAnAccidentLeavesAPileButNoneInAFullTable)
{
    player.food = 9;
    HoldNeeds();
    Frame();
    EXPECT_EQ(process, STATE_WORLD);
    player.food = 8;
    Frame();
    EXPECT_EQ(process, STATE_HUNGER);
    EXPECT_EQ(player.food, 10);

    process = STATE_WORLD;
    Score.SetScore(100);
    player.toilet = 9;
    Frame();
    EXPECT_EQ(sudu_skaits, 0);
    player.toilet = 8;
    StandAt(2000, 1500);
    Frame();
    EXPECT_EQ(player.toilet, 30);
    EXPECT_EQ(Score.GetScore(), 95);
    EXPECT_EQ(sudu_skaits, 1);
    EXPECT_EQ(suds[0].active, 1);
    EXPECT_FLOAT_EQ(suds[0].x, player.screenX + 60 + offsetX);
    EXPECT_FLOAT_EQ(suds[0].y, player.screenY + 60 + offsetY);

    // The twenty-first accident costs as much but writes past no table.
    for (int k = 0; k < PILES; k++) suds[k] = {float(k), float(k), 1};
    sudu_skaits = PILES;
    player.toilet = 8;
    HoldNeeds();
    Frame();
    EXPECT_EQ(Score.GetScore(), 90);
    EXPECT_EQ(sudu_skaits, PILES + 1);
    EXPECT_EQ(player.toilet, 30);
    for (int k = 0; k < PILES; k++) EXPECT_FLOAT_EQ(suds[k].x, float(k));
}

TEST_F(NeedsTest, GasMeterFillsInNineTicksThenTwentyOneAfterARelease)
{
    // Toilet ticks until the meter is full; o before that does nothing.
    const auto ticksToFill = [this] {
        int ticks = 0;
        for (; !gredy && ticks < 40; ticks++) {
            player.food = player.toilet = 100;
            kaka_laiks = NowTicks() - 2701;
            food_laiks = NowTicks();
            FrameWith(SDLK_o);
            EXPECT_FALSE(gaazee);
        }
        return ticks;
    };
    EXPECT_EQ(gmeter, 35);
    EXPECT_EQ(ticksToFill(), 9);
    EXPECT_EQ(gmeter, 61);

    HoldNeeds();
    Keys[SDLK_o] = 1;
    Frame();
    EXPECT_TRUE(gaazee);
    EXPECT_EQ(gmeter, 0);
    EXPECT_EQ(Keys[SDLK_o], 1);  // the key is left down
    Keys[SDLK_o] = 0;

    // The cloud runs seven 70 ms steps.
    const float released = NowTicks();
    EXPECT_TRUE(FramesUntil([] { return !gaazee; }, 100));
    EXPECT_GT(NowTicks() - released, 7 * 70);
    EXPECT_LT(NowTicks() - released, 7 * 100 + 60);
    EXPECT_EQ(ticksToFill(), 21);
}

TEST_F(NeedsTest, ClockRunsFifteenMinutesToTheTimeUpNoticeOrWithEveryItemPickedUpEndsTheLevel)
{
    UsePicture(PIC_MAP, 0x000000);  // cheap frames
    process = STATE_MAP;
    Frame();
    EXPECT_STREQ(laiks, "14:59");  // the first frame ticks at once
    const auto seconds = [this](int count) {
        for (int second = 0; second < count; second++) {
            player.food = player.toilet = 100;
            Advance(1001);  // a frame after a jump adds no pacing: a tick every frame
            Frame();
        }
    };
    seconds(60);
    EXPECT_STREQ(laiks, "13:59");
    seconds(839);
    EXPECT_STREQ(laiks, "00:00");
    EXPECT_EQ(process, STATE_TIME_UP);
    EXPECT_EQ(kas_notiek, STATE_LEVEL1);
    FrameWith(SDLK_RETURN);
    EXPECT_EQ(process, STATE_WORLD);
    EXPECT_EQ(min, 15);

    for (HousePickup& item : Manta) item.taken = 1;  // none delivered
    min = 0;
    sec = 2;
    process = STATE_MAP;
    seconds(2);
    EXPECT_EQ(kas_notiek, STATE_LOAD2);
}

TEST_F(NeedsTest, ABarBelowZeroIsDrawnEmpty)
{
    const Uint32 BAR = 0x20E020;
    ClearPictures();
    UsePicture(PIC_NEED_BARS, BAR, 200, 44);
    player.food = 50;
    player.toilet = -3;  // a bite can take a counter below zero for a frame
    HoldNeeds();
    Frame();
    EXPECT_EQ(Pixel(153 + 10, 743 + 5), BAR);
    EXPECT_NE(Pixel(312 + 10, 743 + 5), BAR);
    EXPECT_NE(Pixel(312 + 150, 743 + 5), BAR);
}
