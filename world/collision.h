#ifndef VIPRATS_WORLD_COLLISION_H
#define VIPRATS_WORLD_COLLISION_H

// The walls and furniture of an overworld level: possibly rotated rectangles
// read from a text file, tested against the player's circle every frame.

struct Rectangle {
    float corner[4][2];  // world corners, for the developer outline only
    float x1, y1;        // top-left in the rectangle's own, unrotated frame
    float x2, y2;        // bottom-right in that frame
    float angle;         // radians, (360 - degrees) converted
};

struct Circle {
    float x, y;  // centre, world pixels
    float r;
};

// A level's collision table: the file it comes from, the records and how
// many of them are read and tested.
struct CollisionTable {
    const char* file;
    Rectangle* records;
    int count;
};

// Turns (x, y) about the world origin by a radians.
void rotate(float x, float y, float a, float* outX, float* outY);

// Strict: a circle that only touches an edge or a corner does not overlap.
bool is_intersecting(const Rectangle& rect, const Circle& circle);

// A record that no circle can overlap; it stands in for records the file
// does not provide.
Rectangle EmptyRectangle();
bool IsEmpty(const Rectangle& rect);

// Reads table.count records. A missing or short file logs one line naming
// it and leaves the records it lacks empty.
void LoadCollisionFile(const CollisionTable& table);

#endif
