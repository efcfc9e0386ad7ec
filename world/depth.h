#ifndef VIPRATS_WORLD_DEPTH_H
#define VIPRATS_WORLD_DEPTH_H

#include <limits>

constexpr float NO_LIMIT = std::numeric_limits<float>::infinity();

// Furniture and buildings that the player can walk in front of or behind.
// An occluder's zones are tried in order; the first that holds the player's
// depth point decides: beyond the threshold the player is in front (drawn
// after the occluder), otherwise behind (drawn before it). With no zone
// holding the player only the occluder is drawn, over what is there.

struct DepthZone {
    float xMin, xMax;  // open range
    float yMin, yMax;  // open range
    float threshold;   // in front when y > threshold
};

const int MAX_DEPTH_ZONES = 3;

struct Occluder {
    int picture;  // the level's picture slot
    int x, y;     // world top-left
    int w, h;
    int zoneCount;
    DepthZone zones[MAX_DEPTH_ZONES];
};

// xMin < x < xMax, in front when y > threshold.
constexpr DepthZone Zone(float xMin, float xMax, float threshold)
{
    return {xMin, xMax, -NO_LIMIT, NO_LIMIT, threshold};
}
// The same, and only where y > yMin.
constexpr DepthZone ZoneBelow(float xMin, float xMax, float yMin, float threshold)
{
    return {xMin, xMax, yMin, NO_LIMIT, threshold};
}
// Every x.
constexpr DepthZone EveryX(float threshold) { return {-NO_LIMIT, NO_LIMIT, -NO_LIMIT, NO_LIMIT, threshold}; }

inline bool ZoneHolds(const DepthZone& zone, float x, float y)
{
    return zone.xMin < x && x < zone.xMax && zone.yMin < y && y < zone.yMax;
}

#endif
