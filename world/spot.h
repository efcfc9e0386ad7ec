#ifndef VIPRATS_WORLD_SPOT_H
#define VIPRATS_WORLD_SPOT_H

// The element of the small tables of levels 2 and 3: a place in the world
// (or on a mini-game's screen) and what being "active" means to its table.
struct Spot {
    int x, y;
    bool active;
};

#endif
