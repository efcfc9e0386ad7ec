// Collision records: the point turn, the circle test against a turned
// rectangle, and the map-file reader.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "shell/log.h"
#include "world/collision.h"

namespace {

Rectangle Box(float x1, float y1, float x2, float y2, float angle = 0)
{
    Rectangle rect = {};
    rect.x1 = x1;
    rect.y1 = y1;
    rect.x2 = x2;
    rect.y2 = y2;
    rect.angle = angle;
    return rect;
}

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

TEST(Rotate, TurnsAboutTheWorldOrigin)
{
    struct Case {
        float x, y, a, wantX, wantY;
    };
    const Case cases[] = {
        {1, 0, float(M_PI / 2), 0, 1},
        {100, 0, float(M_PI), -100, 0},
        {0, 10, float(M_PI / 2), -10, 0},
        {30, 40, 0, 30, 40},
        {30, 40, float(2 * M_PI), 30, 40},
    };
    for (const Case& c : cases) {
        float x, y;
        rotate(c.x, c.y, c.a, &x, &y);
        EXPECT_NEAR(x, c.wantX, 1e-4) << c.x << "," << c.y << " by " << c.a;
        EXPECT_NEAR(y, c.wantY, 1e-4) << c.x << "," << c.y << " by " << c.a;
    }
}

TEST(IsIntersecting, EdgesAreStrictAndCornersAreRound)
{
    const Rectangle box = Box(100, 200, 150, 240);
    struct Case {
        float x, y, r;
        bool hit;
    };
    const Case cases[] = {
        {190, 220, 40, false},   // exactly touching the right edge
        {189.9f, 220, 40, true},
        {60, 220, 40, false},    // touching the left edge
        {125, 160, 40, false},   // touching the top
        {125, 280, 40, false},   // touching the bottom
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
    for (const Case& c : cases)
        EXPECT_EQ(is_intersecting(box, Circle{c.x, c.y, c.r}), c.hit) << c.x << "," << c.y << " r " << c.r;
}

TEST(IsIntersecting, EmptyRecordsStopNothing)
{
    const Rectangle empty = EmptyRectangle();
    EXPECT_TRUE(IsEmpty(empty));
    for (const Circle& circle : {Circle{0, 0, 40}, Circle{1e6f, -1e6f, 1e5f}, Circle{-3, 7, 0}})
        EXPECT_FALSE(is_intersecting(empty, circle));
}

TEST_F(CollisionFile, ReadsRecordsWithTheirTurn)
{
    Read(WriteFile("plain.txt", "100 200 50 40 0\n0 0 100 10 90\n"), 2);
    const Rectangle& box = records[0];
    EXPECT_FLOAT_EQ(box.x1, 100);
    EXPECT_FLOAT_EQ(box.y1, 200);
    EXPECT_FLOAT_EQ(box.x2, 150);
    EXPECT_FLOAT_EQ(box.y2, 240);
    EXPECT_FLOAT_EQ(box.angle, float(2 * M_PI));
    EXPECT_FALSE(is_intersecting(box, Circle{191, 220, 40}));
    EXPECT_TRUE(is_intersecting(box, Circle{189, 220, 40}));

    // 90 degrees: the box [0, 100] x [0, 10] turned clockwise about the
    // origin lies on x in [-10, 0], y in [0, 100].
    const Rectangle& turned = records[1];
    EXPECT_FLOAT_EQ(turned.angle, float(3 * M_PI / 2));
    const float corners[4][2] = {{0, 0}, {-10, 0}, {-10, 100}, {0, 100}};
    for (int k = 0; k < 4; k++) {
        EXPECT_NEAR(turned.corner[k][0], corners[k][0], 1e-3) << "corner " << k;
        EXPECT_NEAR(turned.corner[k][1], corners[k][1], 1e-3) << "corner " << k;
    }
    EXPECT_TRUE(is_intersecting(turned, Circle{-5, 50, 1}));
    EXPECT_TRUE(is_intersecting(turned, Circle{5, 50, 5.5f}));
    EXPECT_FALSE(is_intersecting(turned, Circle{5, 50, 4.5f}));
    EXPECT_FALSE(is_intersecting(turned, Circle{50, 5, 10}));  // where the unturned box would be
    EXPECT_TRUE(log.empty()) << log;
}

TEST_F(CollisionFile, LineLayoutDoesNotMatter)
{
    const char* const numbers[] = {"10", "20", "30", "40", "0", "-5.5", "7.25", "8", "9", "45", "1e2", "3", "4", "5", "12.5"};
    std::string oneLine, perNumber, tabs;
    for (const char* n : numbers) {
        oneLine += std::string(n) + " ";
        perNumber += std::string(n) + "\n";
        tabs += std::string(n) + "\t \r\n";
    }
    Rectangle byLayout[3][3];
    const std::string texts[3] = {oneLine, perNumber, tabs};
    for (int layout = 0; layout < 3; layout++) {
        Read(WriteFile("layout.txt", texts[layout]), 3);
        for (int k = 0; k < 3; k++) byLayout[layout][k] = records[k];
    }
    for (int layout = 1; layout < 3; layout++)
        for (int k = 0; k < 3; k++) {
            EXPECT_EQ(byLayout[layout][k].x1, byLayout[0][k].x1);
            EXPECT_EQ(byLayout[layout][k].y2, byLayout[0][k].y2);
            EXPECT_EQ(byLayout[layout][k].angle, byLayout[0][k].angle);
            EXPECT_EQ(byLayout[layout][k].corner[2][0], byLayout[0][k].corner[2][0]);
        }
    EXPECT_FLOAT_EQ(byLayout[0][2].x1, 100);
    EXPECT_FLOAT_EQ(byLayout[0][2].x2, 104);
    EXPECT_FLOAT_EQ(byLayout[0][2].y2, 8);
}

TEST_F(CollisionFile, ReadsOnlyTheTestedCount)
{
    Read(WriteFile("long.txt", "1 2 3 4 0\n5 6 7 8 0\n9 9 9 9 0\n"), 2);
    EXPECT_FLOAT_EQ(records[1].x2, 12);
    EXPECT_TRUE(log.empty()) << log;
}

TEST_F(CollisionFile, MissingOrShortFilesLogOnceAndLeaveEmptyRecords)
{
    for (Rectangle& rect : records) rect = Box(0, 0, 1000, 1000);
    const std::string missing = testing::TempDir() + "no-such-map.txt";
    Read(missing, 4);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
    EXPECT_NE(log.find(missing), std::string::npos) << log;
    for (int k = 0; k < 4; k++) EXPECT_FALSE(is_intersecting(records[k], Circle{500, 500, 40})) << k;

    // Two whole records and part of a third.
    log.clear();
    const std::string shortFile = WriteFile("short.txt", "0 0 10 10 0 20 20 10 10 0 40 40 10");
    Read(shortFile, 4);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 1) << log;
    EXPECT_NE(log.find(shortFile), std::string::npos) << log;
    EXPECT_TRUE(is_intersecting(records[1], Circle{25, 25, 1}));
    EXPECT_FALSE(is_intersecting(records[2], Circle{45, 45, 40}));
    EXPECT_FALSE(is_intersecting(records[3], Circle{0, 0, 40}));
}
