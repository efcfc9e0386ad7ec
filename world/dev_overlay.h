#ifndef VIPRATS_WORLD_DEV_OVERLAY_H
#define VIPRATS_WORLD_DEV_OVERLAY_H

#include "world/cached_text.h"
#include "world/collision.h"

// The developer's view of a world frame: three read-out lines, the outline
// of every collision rectangle and the player's circle. F3 switches it.
const SDLKey DEV_OVERLAY_KEY = SDLK_F3;

class DevOverlay {
public:
    void Draw(SDL_Surface* screen, TTF_Font* font, SDL_Color colour, const SDL_Rect* const lineAt[3],
              const char* const lines[3], const CollisionTable& walls, const Circle& circle, float offsetX,
              float offsetY);
    void Free();

private:
    CachedText line[3];
};

// Plain pixel drawing for the outlines, clipped to the surface.
void DrawLine(SDL_Surface* target, int x0, int y0, int x1, int y1, Uint32 colour);
void DrawCircleOutline(SDL_Surface* target, int cx, int cy, int r, Uint32 colour);

#endif
