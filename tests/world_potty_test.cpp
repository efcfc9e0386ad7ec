// The potty, on level 1's instance: a visit starts fresh, holding the
// target on the point wins, drifting off loses, q leaves as it was.

#include <cmath>

#include "tests/level1_fixture.h"

namespace {

class PottyTest : public Level1Test {
protected:
    void SetUp() override
    {
        Level1Test::SetUp();
        if (HasFatalFailure()) return;
        Frame();  // an ordinary frame time after set-up's jump
        process = STATE_POTTY;
    }
};

}  // namespace

TEST_F(PottyTest, WinLossAndQuit)
{
    struct Case {
        float marker;
        bool onTarget;
        SDLKey key;
        int toilet, score;
        bool stays;
    };
    const Case cases[] = {
        {684.5f, true, SDLK_UNKNOWN, 130, 55, false},  // crosses 685: won
        {684.3f, true, SDLK_UNKNOWN, 40, 50, true},    // 684.9: not yet
        {685.7f, false, SDLK_UNKNOWN, 130, 55, false},  // won though off the point
        {270.5f, false, SDLK_UNKNOWN, 30, 45, false},  // below 270: lost
        {270.7f, false, SDLK_UNKNOWN, 40, 50, true},
        {489, true, SDLK_q, 40, 50, false},  // q keeps toilet and score
    };
    for (const Case& c : cases) {
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

TEST_F(PottyTest, AVisitStartsFreshAndTheTargetWobblesAboutTheSteeredBase)
{
    shitx = 100;
    FrameOf(0.03f);
    EXPECT_TRUE(pods_iet);
    EXPECT_NEAR(shitx, 489, 0.61);
    EXPECT_FLOAT_EQ(kx, 205);
    EXPECT_FLOAT_EQ(ky, 330);
    for (int frame = 0; frame < 300; frame++) {
        FrameOf(0.03f, frame % 40 < 20 ? SDLK_RIGHT : SDLK_DOWN);
        if (process != STATE_POTTY) break;
        EXPECT_GE(targetx, kx - 7 - 150 - 1);
        EXPECT_LE(targetx, kx - 7 + 150 + 1);
        EXPECT_GE(targety, ky - 113 - 170 - 1);
        EXPECT_LE(targety, ky - 113 + 170 + 1);
        EXPECT_FLOAT_EQ(targetx, std::trunc(targetx));
    }
    EXPECT_GT(kx, 205 + 100);  // steered at 200 px/s
    EXPECT_GT(ky, 330 + 100);
}
