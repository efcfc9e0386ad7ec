// Collision records: the circle test against a turned rectangle, and the
// map-file reader.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "shell/log.h"
#include "tests/harness.h"
#include "world/collision.h"
#include "world/dev_overlay.h"

namespace {

std::string WriteFile(const std::string& name, const std::string& text)
{
    const std::string path = testing::TempDir() + name;
    FILE* file = fopen(path.c_str(), "w");
    fputs(text.c_str(), file);
    fclose(file);
    return path;
}

class CollisionFile : public ::testing::Test {
protected:
    void SetUp() override { SetLogSink(&log); }
    void TearDown() override { SetLogSink(nullptr); }
    void Read(const std::string& path, int count)
    {
        table = {path.c_str(), records, count};
        LoadCollisionFile(table);
    }
    std::string log;
    Rectangle records[8];
    CollisionTable table = {};
};

}  // namespace

TEST(IsIntersecting, EdgesAreStrictCornersAreRoundAndEmptyRecordsStopNothing)
{
    Rectangle box = {};
    box.x1 = 100, box.y1 = 200, box.x2 = 150, box.y2 = 240;
    const struct { float x, y, r; bool hit; } cases[] = {
        {190, 220, 40, false},  // exactly touching the right edge
        {189.9f, 220, 40, true},
        {60, 220, 40, false},   // touching the left edge
        {125, 160, 40, false},  // touching the top
        {125, 280, 40, false},  // touching the bottom
        {125, 279, 40, true},
        {125, 220, 0.01f, true},  // centre inside, any radius
        // Off the bottom-right corner by 30 on each axis: within 40 on each
        // axis, but 42.4 from the corner point.
        {180, 270, 40, false},
        {180, 270, 43, true},
        // Off the top-left corner by (24, 32): exactly 40 from it.
        {76, 168, 40, false},
        {76, 168, 40.01f, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(is_intersecting(box, Circle{c.x, c.y, c.r}), c.hit) << c.x << "," << c.y << " r " << c.r;
    const Rectangle empty = EmptyRectangle();
    for (const Circle& circle : {Circle{0, 0, 40}, Circle{1e6f, -1e6f, 1e5f}, Circle{-3, 7, 0}})
        EXPECT_FALSE(is_intersecting(empty, circle));
}

TEST_F(CollisionFile, ReadsTheTestedCountOfRecordsWithTheirTurn)
{
    Read(WriteFile("plain.txt", "100 200 50 40 0\n0 0 100 10 90\n9 9 9 9 0\n"), 2);
    EXPECT_TRUE(log.empty()) << log;
    EXPECT_FLOAT_EQ(records[0].x2, 150);
    EXPECT_FLOAT_EQ(records[0].y2, 240);
    EXPECT_FLOAT_EQ(records[0].angle, float(2 * M_PI));

    // 90 degrees: the box [0, 100] x [0, 10] turned clockwise about the
    // origin lies on x in [-10, 0], y in [0, 100].
    const Rectangle& turned = records[1];
    EXPECT_FLOAT_EQ(turned.angle, float(3 * M_PI / 2));
    const float corners[4][2] = {{0, 0}, {-10, 0}, {-10, 100}, {0, 100}};
    for (int k = 0; k < 4; k++) {
        EXPECT_NEAR(turned.corner[k][0], corners[k][0], 1e-3) << "corner " << k;
        EXPECT_NEAR(turned.corner[k][1], corners[k][1], 1e-3) << "corner " << k;
    }
    EXPECT_TRUE(is_intersecting(turned, Circle{5, 50, 5.5f}));
    EXPECT_FALSE(is_intersecting(turned, Circle{5, 50, 4.5f}));
    EXPECT_FALSE(is_intersecting(turned, Circle{50, 5, 10}));  // where the unturned box would be
}

// Missing, short and malformed maps: whatever the text, the reader writes
// only the tested count of records, a record it cannot take whole ends the
// reading and leaves the rest empty (one log line names the file), and a
// record whose numbers are not finite stops nothing.
TEST_F(CollisionFile, MissingShortOrMalformedFilesWriteOnlyTheTableAndNeverBlockEverything)
{
    struct Case {
        const char* text;    // nullptr: no such file
        int whole;           // records taken before the text runs out or goes wrong
        unsigned stopsNone;  // bit k: record k must stop no circle
    };
    const Case cases[] = {
        {nullptr, 0, 0},
        {"", 0, 0},
        {"10 20 30 40 0 abc 1 2 3 4", 1, 0},
        {"10 20 3x0 40 0", 0, 0},
        {"0 0 10 10 0 5 5 10 10 0 40 40 10 10", 2, 0},  // ends before the last turn
        {"1e39 0 10 10 0  5 5 10 10 0", 2, 0b01},
        {"0 -1e39 10 10 0  5 5 10 10 0", 2, 0b01},
        {"0 0 10 10 1e39  5 5 10 10 0", 2, 0b01},
        {"nan 0 10 10 0  0 0 10 10 -inf  5 5 10 10 0", 3, 0b011},
        {"0 0 99999999999 -99999999999 0  5 5 10 10 0", 2, 0},
        {"-100 -200 -30 -40 -90  5 5 10 10 0", 2, 0},
    };
    // Left over from an earlier reading, a record would block every circle tried.
    const float MARK = -12345;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text ? c.text : "(missing)");
        for (Rectangle& rect : records) rect = {{}, MARK, MARK, -MARK, -MARK, 0};
        log.clear();
        const std::string path = c.text ? WriteFile("malformed.txt", c.text) : testing::TempDir() + "no-such-map.txt";
        Read(path, 4);
        for (int k = 4; k < 8; k++) EXPECT_EQ(records[k].x1, MARK) << "record " << k << " is past the table";
        EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
        EXPECT_NE(log.find(path), std::string::npos) << log;
        for (int k = 0; k < 4; k++) {
            const Rectangle& rect = records[k];
            const bool stopsNone = k >= c.whole || (c.stopsNone >> k & 1);
            if (!stopsNone) {
                EXPECT_TRUE(std::isfinite(rect.x1) && std::isfinite(rect.angle)) << "record " << k;
                continue;
            }
            for (const Circle& circle : {Circle{0, 0, 40}, Circle{10, 10, 1}, Circle{-115, -220, 5}, Circle{1e6f, 0, 5}})
                EXPECT_FALSE(is_intersecting(rect, circle)) << "record " << k;
        }
        if (c.whole >= 2) {
            EXPECT_TRUE(is_intersecting(records[c.whole - 1], Circle{10, 10, 1}));
        }
    }
    // Negative sizes are read as written: the rectangle is turned inside out.
    EXPECT_FLOAT_EQ(records[0].x2, -130);
    EXPECT_FLOAT_EQ(records[0].angle, float(450 * M_PI / 180));
}

// The developer overlay outlines whatever the file held: a wall far off, or
// one with corners past any screen coordinate, draws at most its part on the
// surface and ends at once.
TEST(DevOverlay, OutlinesOfFarOrHugeWallsEndAndStayOnTheSurface)
{
    SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 1024, 768, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    ASSERT_NE(surface, nullptr);
    const std::string path = WriteFile("huge.txt",
                                       "100 100 2147483647 2147483647 0\n1e30 1e30 10 10 45\n-3e38 5 10 10 0\n"
                                       "5 -3e38 10 2147483647 30\n200 300 40 20 0\n");
    Rectangle walls[5];
    LoadCollisionFile({path.c_str(), walls, 5});
    DevOverlay overlay;
    const SDL_Rect at = {0, 0, 0, 0};
    const SDL_Rect* const lineAt[3] = {&at, &at, &at};
    const char* const lines[3] = {"", "", ""};
    overlay.Draw(surface, nullptr, SDL_Color{0, 255, 0, 0}, lineAt, lines, {path.c_str(), walls, 5},
                 Circle{500, 400, 40}, 0, 0);
    // The ordinary wall is still outlined (its top edge, give or take the
    // turn's rounding).
    int white = 0;
    for (int y = 299; y <= 301; y++) white += SurfacePixel(surface, 220, y) == 0xFFFFFFu;
    EXPECT_EQ(white, 1);
    overlay.Free();
    SDL_FreeSurface(surface);
}
