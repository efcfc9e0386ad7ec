// The house's world frame: what Space does where, the restart,
// hazards, turbo and nitro, and which picture covers which.

#include <functional>

#include "tests/level1_fixture.h"

namespace {

struct Reachable {
    const char* what;
    float x, y, radius;                  // the point the player must come near
    std::function<void()> prepare;       // before the Space frame
    std::function<bool()> acted;
};

}  // namespace

TEST_F(Level1Test, SpaceActsOnlyWithinEachThingsRadius)
{
    const Reachable things[] = {
        {"item 55", ITEM_AT[0].x + 25, ITEM_AT[0].y + 45, 55, [] {}, [] { return Manta[0].taken == 1; }},
        {"bottle 35", BOTTLE_AT[0].x + 30, BOTTLE_AT[0].y + 15, 35, [] {}, [] { return pudele[0].taken == 1; }},
        {"turbo 35", TURBO_AT[0].x + 15, TURBO_AT[0].y + 19, 35, [] {}, [] { return turboB; }},
        {"spot 35", MISSION_SPOT_AT[4].x + 35, MISSION_SPOT_AT[4].y + 20, 35, [] {},
         [] { return process == STATE_POTTY; }},
        {"drop 55", DROP_POINT.x, DROP_POINT.y, 55, [] { player.carrying = 1; },
         [] { return player.carrying == 0 && mantu_skaits_int == 1; }},
        {"exit 35", EXIT_POINT.x, EXIT_POINT.y, 35, [] { for (HousePickup& item : Manta) item.taken = 1; },
         [] { return kas_notiek == STATE_LOAD2; }},
    };
    for (const Reachable& thing : things) {
        for (const float distance : {thing.radius - 0.25f, thing.radius + 0.25f}) {
            // Straight below the point, and along a diagonal.
            for (const float dx : {0.0f, 0.6f}) {
                SCOPED_TRACE(testing::Message() << thing.what << " at " << distance << " dx " << dx);
                LVL1.Uzsetot();
                kas_notiek = STATE_LEVEL1;
                HoldNeeds();
                thing.prepare();
                StandAt(thing.x + dx * distance, thing.y + std::sqrt(1 - dx * dx) * distance);
                FrameWith(SDLK_SPACE);
                EXPECT_EQ(thing.acted(), distance < thing.radius);
            }
        }
    }
}

TEST_F(Level1Test, HazardsBiteOnceEveryTwoSecondsAndGasKnocksThemOut)
{
    const float px = 2700, py = 1700;  // inside hazard 0's pen
    StandAt(px, py);
    for (HazardVelocity& v : launums_virz) v = {0, 0};
    player.food = 200;
    int bites = 0;
    float lastBite = -1;
    // Two hazards on the player every frame for five seconds: the bite
    // stamp is shared.
    for (int frame = 0; frame < 170; frame++) {
        HoldNeeds();
        launums_laiks = NowTicks();  // no turning
        launums[0].x = launums[1].x = px + 10;
        launums[0].y = launums[1].y = py;
        const int before = player.food;
        Frame();
        if (player.food == before) continue;
        EXPECT_EQ(before - player.food, 20);
        EXPECT_TRUE(lastBite < 0 || NowTicks() - lastBite > 2000) << NowTicks() - lastBite;
        lastBite = NowTicks();
        bites++;
    }
    EXPECT_EQ(bites, 3);  // at once, after 2 s and after 4 s

    // The cloud reaches 190: hazard 0 at 189, hazard 1 clamped in its own pen.
    player.food = 200;
    launums[0].x = px + 189;
    launums[0].y = py;
    launums_virz[0] = {60, 50};
    gaazee = true;
    gkadrs = 0;
    glaiks = NowTicks();
    HoldNeeds();
    Frame();
    EXPECT_EQ(launums[0].knockedOut, 1);
    EXPECT_EQ(launums[1].knockedOut, 0);

    // Knocked out for the rest of the level: no bite, no motion, and 3
    // points for every frame its animation shows frame 3.
    int paid = 0;
    const float x = launums[0].x;
    for (int frame = 0; frame < 100; frame++) {
        HoldNeeds();
        launums[0].x = x;
        const int before = Score.GetScore();
        StandAt(x, py);
        Frame();
        paid += Score.GetScore() - before;
        EXPECT_EQ(launums[0].x, x);
    }
    EXPECT_EQ(player.food, 200);
    EXPECT_EQ(launums[0].frame, 19);
    EXPECT_GE(paid, 9);
    EXPECT_EQ(paid % 3, 0);
}

TEST_F(Level1Test, TurboComesBackAfterNinetySecondsAndNitroLastsThirteen)
{
    StandAt(TURBO_AT[0].x + 15, TURBO_AT[0].y + 19);
    FrameWith(SDLK_SPACE);
    ASSERT_TRUE(turboB);
    const float takenAt = pirdiens[0].takenAt;

    // Nitro: 140 for 13 s from the n press, then 80.
    FrameWith(SDLK_n);
    EXPECT_FALSE(turboB);
    EXPECT_EQ(player.speed, 140);
    const float started = nitro_laiks;
    Advance(static_cast<Uint32>(started + 12950 - NowTicks()));
    HoldNeeds();
    Frame();
    EXPECT_EQ(player.speed, 140);
    float frameAt;
    do {
        frameAt = NowTicks();
        Frame();
    } while (frameAt - started <= 13000);
    EXPECT_EQ(player.speed, 80);

    // Still taken just before 90 s, back just after.
    Advance(static_cast<Uint32>(takenAt + 89950 - NowTicks()));
    HoldNeeds();
    Frame();
    EXPECT_EQ(pirdiens[0].taken, 1);
    EXPECT_TRUE(FramesUntil([] { return pirdiens[0].taken == 0; }, 5));
    EXPECT_LE(NowTicks() - takenAt, 90000 + 60);
}

TEST_F(Level1Test, OccludersCoverThePlayerByTheirZones)
{
    const Uint32 PLAYER = 0x0000FF, FURNITURE = 0xFF0000;
    const struct { int picture; float px, py; bool playerInFront; } cases[] = {
        {PIC_SOFA_END, 1800, 1213, true}, {PIC_SOFA_END, 1800, 1212, false},  // every x
        // Behind the table's first zone, but the stove's zone, later in the
        // order, holds the player too and draws it again over the table.
        {PIC_TABLE, 1200, 1500, true},
        {PIC_TABLE, 1260, 1600, false},  // between zones: the table is drawn over
        {PIC_TABLE, 1300, 1631, true},   // second zone, beyond 1630
        {PIC_TABLE, 1300, 1560, false}, {PIC_WARDROBE, 2900, 1613, true}, {PIC_WARDROBE, 2900, 1600, false},
        {PIC_BED, 2600, 2100, false},  // no zones: always over the player
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "picture " << c.picture << " at " << c.px << "," << c.py);
        ClearPictures();
        UsePicture(PIC_PLAYER, PLAYER, 800, 1600);
        const Occluder* occluder = nullptr;
        for (const Occluder& o : HOUSE_OCCLUDERS)
            if (o.picture == c.picture) occluder = &o;
        ASSERT_NE(occluder, nullptr);
        UsePicture(c.picture, FURNITURE, occluder->w, occluder->h);
        StandAt(c.px, c.py);
        HoldNeeds();
        Frame();
        // A pixel both the sprite and the occluder cover.
        const int left = std::max(422, static_cast<int>(occluder->x - offsetX));
        const int right = std::min(622, static_cast<int>(occluder->x + occluder->w - offsetX));
        const int top = std::max(324, static_cast<int>(occluder->y - offsetY));
        const int bottom = std::min(524, static_cast<int>(occluder->y + occluder->h - offsetY));
        ASSERT_LT(left + 2, right);
        ASSERT_LT(top + 2, bottom);
        EXPECT_EQ(Pixel((left + right) / 2, (top + bottom) / 2), c.playerInFront ? PLAYER : FURNITURE);
    }
}

TEST_F(Level1Test, TheRestartPutsTheScoreBackToLevelZerosAndClearsTheHouse)
{
    Score.SetScore(25, 0);
    Score.SetScore(61);
    Manta[3].taken = pudele[2].taken = suds[0].active = 1;
    min = 3;
    process = STATE_HUNGER;
    HoldNeeds();
    FrameWith(SDLK_RETURN);
    EXPECT_EQ(process, STATE_WORLD);
    EXPECT_EQ(Score.GetScore(), 25);
    EXPECT_EQ(Manta[3].taken + pudele[2].taken + suds[0].active, 0);
    // Set-up zeroes the need stamps, so the same frame's tick takes the
    // first point at once.
    EXPECT_EQ(player.food, 80 - 1);
    EXPECT_EQ(player.toilet, 60 - 1);
    EXPECT_EQ(min, 15);
    EXPECT_EQ(CountInLog("--uzsetojam lvl 1\n--lvl 1 sasetots\n"), 2u);
}
