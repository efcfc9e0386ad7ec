// The walk: key tests and their speeds, facing rows, the walk cycle, and
// the undo of a move into a wall.

#include <gtest/gtest.h>

#include <vector>

#include "level1/lvl1_content.h"
#include "shell/clock.h"
#include "shell/keys.h"
#include "world/movement.h"

namespace {

Uint32 fakeNow = 0;
const ClockSource fakeClock = {[] { return fakeNow; }, [](Uint32 ms) { fakeNow += ms; }, [] { return time_t(0); }};

class Walk : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClockSource(&fakeClock);
        fakeNow = 10000;
        world = WorldState{};
        world.offsetX = world.offsetY = 1000;
        world.player.speed = 80;
        world.player.frameInterval = 50;
        world.player.screenX = 422;
        world.player.screenY = 324;
        world.frameTime = 1;
        world.circle.r = LEVEL1.walk.circleRadius;
    }
    void TearDown() override
    {
        Hold({});
        SetClockSource(nullptr);
    }
    static void Hold(std::initializer_list<SDLKey> keys)
    {
        for (unsigned char& key : Keys) key = 0;
        for (SDLKey key : keys) Keys[key] = 1;
    }
    void Step() { MovePlayer(LEVEL1.walk, walls, world); }

    WorldState world;
    std::vector<Rectangle> records;
    CollisionTable walls = {"", nullptr, 0};
};

}  // namespace

TEST_F(Walk, StraightAndDiagonalSpeedsAndFacingRows)
{
    struct Case {
        std::initializer_list<SDLKey> keys;
        float dx, dy;
        int row;
    };
    // One second at 80 pixels per second. A diagonal adds a quarter across
    // and takes a quarter back along: 1.25 and 0.75 of the speed.
    const Case cases[] = {
        {{SDLK_DOWN}, 0, 80, 2},
        {{SDLK_LEFT}, -80, 0, 0},
        {{SDLK_RIGHT, SDLK_UP}, 100, -60, 5},
        {{SDLK_LEFT, SDLK_DOWN}, -100, 60, 1},
        {{SDLK_UP, SDLK_DOWN}, 0, 0, 6},
        {{SDLK_LEFT, SDLK_RIGHT}, 0, 0, 4},
        // Three keys: the last diagonal test that passes faces.
        {{SDLK_LEFT, SDLK_RIGHT, SDLK_DOWN}, 0, 40, 1},
    };
    for (const Case& c : cases) {
        SetUp();
        Hold(c.keys);
        Step();
        EXPECT_NEAR(world.offsetX - 1000, c.dx, 1e-3) << "case row " << c.row;
        EXPECT_NEAR(world.offsetY - 1000, c.dy, 1e-3) << "case row " << c.row;
        EXPECT_EQ(world.player.row, c.row);
        EXPECT_FLOAT_EQ(world.circle.x, world.offsetX + 522);
        EXPECT_FLOAT_EQ(world.circle.y, world.offsetY + 424);
    }
}

TEST_F(Walk, CycleStepsAtMostOncePerFrameAndWrapsAfterFourColumns)
{
    world.frameTime = 0.03f;
    world.player.tLastFrame = static_cast<float>(fakeNow);
    Hold({SDLK_RIGHT, SDLK_DOWN});  // three passing tests, still one step a frame
    std::vector<int> frames;
    for (int k = 0; k < 10; k++) {
        fakeNow += 30;
        Step();
        frames.push_back(world.player.frame);
    }
    // 50 ms between steps with 30 ms frames: every second frame.
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2, 2, 3, 3, 0, 0, 1}));
}

TEST_F(Walk, AMoveIntoAWallIsUndoneOnBothAxes)
{
    // A wall just right of the circle: only the horizontal part of the
    // diagonal runs into it, yet the whole move is undone.
    const float right = 1000 + 522 + 40;
    records = {EmptyRectangle(), Rectangle{{}, right + 5, 0, right + 100, 5000, 0}};
    walls = {"", records.data(), 2};
    Hold({SDLK_RIGHT, SDLK_DOWN});
    world.frameTime = 0.1f;  // 10 across, 6 down
    Step();
    EXPECT_FLOAT_EQ(world.offsetX, 1000);
    EXPECT_FLOAT_EQ(world.offsetY, 1000);
    EXPECT_EQ(world.player.row, 3);
    // The circle is left where the move would have put it.
    EXPECT_FLOAT_EQ(world.circle.x, 1000 + 10 + 522);

    Hold({SDLK_DOWN});
    Step();
    EXPECT_FLOAT_EQ(world.offsetY, 1008);
}

TEST(Within, IsStrict)
{
    EXPECT_FALSE(Within(0, 0, 35, 0, 35));
    EXPECT_TRUE(Within(0, 0, 34.99f, 0, 35));
    EXPECT_FALSE(Within(0, 0, 21, 28, 35));  // 35 away on the diagonal
    EXPECT_TRUE(Within(0, 0, 21, 27.9f, 35));
}
