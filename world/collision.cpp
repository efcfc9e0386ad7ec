#include "world/collision.h"

#include <cmath>
#include <cstdio>

#include "shell/log.h"

void rotate(float x, float y, float a, float* outX, float* outY)
{
    const float c = cosf(a), s = sinf(a);
    *outX = x * c - y * s;
    *outY = x * s + y * c;
}

bool is_intersecting(const Rectangle& rect, const Circle& circle)
{
    const float r2 = circle.r * circle.r;
    float ux, uy;
    rotate(circle.x, circle.y, rect.angle, &ux, &uy);
    const float left = rect.x1 - ux;
    const float top = rect.y1 - uy;
    const float right = rect.x2 - ux;
    const float bottom = rect.y2 - uy;
    // The distances stay floats; only their squares and sums are widened.
    auto square = [](float d) { return static_cast<long double>(d) * d; };

    if (right < 0) {
        if (bottom < 0) return r2 > square(right) + square(bottom);
        if (top > 0) return r2 > square(right) + square(top);
        return circle.r > fabsf(right);
    }
    if (left > 0) {
        if (bottom < 0) return r2 > square(left) + square(bottom);
        if (top > 0) return r2 > square(left) + square(top);
        return circle.r > left;
    }
    if (bottom < 0) return circle.r > fabsf(bottom);
    if (top > 0) return circle.r > top;
    return true;
}

Rectangle EmptyRectangle()
{
    // Inverted and infinitely far: every branch of the test compares the
    // radius with an infinite distance.
    Rectangle empty = {};
    empty.x1 = empty.y1 = INFINITY;
    empty.x2 = empty.y2 = -INFINITY;
    return empty;
}

bool IsEmpty(const Rectangle& rect) { return !(rect.x1 <= rect.x2) || !(rect.y1 <= rect.y2); }

namespace {

bool ReadRecord(FILE* file, Rectangle& rect)
{
    float x, y, degrees;
    int width, height;
    // One formatted read per number, so the line layout of the file is free.
    if (fscanf(file, "%f", &x) != 1 || fscanf(file, "%f", &y) != 1 ||
        fscanf(file, "%d", &width) != 1 || fscanf(file, "%d", &height) != 1 ||
        fscanf(file, "%f", &degrees) != 1)
        return false;
    // A number past float's range or "nan" gives a record that stops nothing,
    // not one whose NaN comparisons would block every step everywhere.
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(degrees)) {
        rect = EmptyRectangle();
        return true;
    }
    rect.x1 = x;
    rect.y1 = y;
    rect.x2 = rect.x1 + static_cast<float>(width);
    rect.y2 = rect.y1 + static_cast<float>(height);
    rect.angle = static_cast<float>((360.0 - degrees) * M_PI / 180.0);
    const float corners[4][2] = {{rect.x1, rect.y1}, {rect.x1, rect.y2}, {rect.x2, rect.y2}, {rect.x2, rect.y1}};
    for (int k = 0; k < 4; k++)
        rotate(corners[k][0], corners[k][1], -rect.angle, &rect.corner[k][0], &rect.corner[k][1]);
    return true;
}

}  // namespace

void LoadCollisionFile(const CollisionTable& table)
{
    // Read-only: the map is only read, and an install on read-only media
    // must still have its walls.
    FILE* file = fopen(table.file, "r");
    int read = 0;
    if (file) {
        while (read < table.count && ReadRecord(file, table.records[read])) read++;
        fclose(file);
    }
    // A missing or short file must not leave records undefined: what it
    // lacks is empty and stops nothing.
    for (int k = read; k < table.count; k++) table.records[k] = EmptyRectangle();
    if (!file)
        LogPrintf("Nevar atveert sadursmju failu %s\n", table.file);
    else if (read < table.count)
        LogPrintf("Sadursmju failaa %s ir tikai %d no %d ierakstiem\n", table.file, read, table.count);
}
