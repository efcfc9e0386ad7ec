#ifndef VIPRATS_WORLD_MOVEMENT_H
#define VIPRATS_WORLD_MOVEMENT_H

#include "world/overworld_values.h"

// The opening of a world frame: the arrow keys move the camera, turn the
// player and step the walk cycle; the circle follows the camera, and a move
// that puts it into any wall is undone whole (both axes, no sliding).
void MovePlayer(const WalkValues& walk, const CollisionTable& walls, WorldState& world);

// The circle is in no wall of the table.
bool IsFree(const CollisionTable& walls, const Circle& circle);

// Within d of (a, b): strictly, on squared distances in extended precision.
bool Within(float px, float py, float a, float b, float d);

#endif
