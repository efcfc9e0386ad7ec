#ifndef VIPRATS_TESTS_PLAYTHROUGH_WALKER_H
#define VIPRATS_TESTS_PLAYTHROUGH_WALKER_H

// Walks an overworld level's player by its arrow keys, diagonals included,
// over the level's own walls as its own collision test sees them; and plays
// the potty, which every overworld level shares.

#include <functional>
#include <string>
#include <vector>

#include "tests/playthrough/pilot.h"
#include "world/overworld.h"

// Where the centre of the player's circle must come to, and how near is near
// enough (strictly nearer, in world pixels).
struct Goal {
    float x, y, near;
};

// The floor of a level on a grid: a cell is open when the player's circle
// there touches no wall. The grid spans the walls' extent.
class Floor {
public:
    explicit Floor(COverworld& level);
    float X(int i) const { return left + CELL * i; }
    float Y(int j) const { return top + CELL * j; }
    int I(float x) const;
    int J(float y) const;
    int Index(int i, int j) const { return j * columns + i; }
    int Cells() const { return columns * rows; }
    int Columns() const { return columns; }
    bool Open(int i, int j) const
    {
        return i >= 0 && j >= 0 && i < columns && j < rows && open[Index(i, j)];
    }
    bool Free(float x, float y) const;

    static constexpr float CELL = 8;

private:
    COverworld& level;
    float left = 0, top = 0;
    int columns = 0, rows = 0;
    std::vector<unsigned char> open;
};

// The way along the floor from anywhere to within a goal's reach, in pixels.
class DistanceMap {
public:
    // An empty map when no open cell lies within the goal's reach.
    DistanceMap(const Floor& floor, const Goal& to);
    bool Empty() const { return empty; }
    // From any point, through the best open cell nearby, so that the
    // distance changes smoothly with every stride.
    float From(float x, float y) const;
    // From the nearest place within reach of `at`.
    float FromReach(const Goal& at) const;

    static constexpr float FAR = 1e9f;

private:
    void ForCellsWithin(const Goal& at, const std::function<void(int, int, float)>& visit) const;

    const Floor* floor;
    Goal to;
    std::vector<float> distance;
    bool empty = true;
};

// What a walk may do besides walking. `turnAside` runs before every frame
// and may walk elsewhere; when it returns true the walk plans afresh from
// wherever that left the player. `inPassing` holds extra keys along with
// the arrows.
struct WalkHooks {
    std::function<bool(const DistanceMap& toGoal)> turnAside;
    std::function<void()> inPassing;
};

class Walker {
public:
    // Lays the floor of the level as it is loaded now.
    Walker(Pilot& pilot, COverworld& level);

    void WalkTo(const std::string& step, const Goal& goal, const WalkHooks& hooks = {});
    // The distances to `to` from everywhere; Fail naming the step if no
    // floor lies within its reach.
    DistanceMap MapTo(const std::string& step, const Goal& to) const;
    // The centre of the player's circle in world pixels, as the walls see it.
    void PlayerAt(float* x, float* y) const;
    float DistanceTo(float x, float y) const;

    // Plays the potty the player sits on until it hands back the world;
    // true when won.
    bool PlayPotty(const std::string& step);

private:
    int BestMove(const DistanceMap& toGoal, const std::vector<bool>& blocked) const;

    Pilot& pilot;
    COverworld& level;
    const Floor floor;
};

#endif
