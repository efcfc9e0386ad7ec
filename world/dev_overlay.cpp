#include "world/dev_overlay.h"

#include <cmath>
#include <cstdlib>

namespace {

void PutPixel(SDL_Surface* target, int x, int y, Uint32 colour)
{
    if (x < 0 || y < 0 || x >= target->w || y >= target->h) return;
    Uint8* row = static_cast<Uint8*>(target->pixels) + y * target->pitch;
    switch (target->format->BytesPerPixel) {
    case 4: reinterpret_cast<Uint32*>(row)[x] = colour; break;
    case 2: reinterpret_cast<Uint16*>(row)[x] = static_cast<Uint16>(colour); break;
    case 1: row[x] = static_cast<Uint8>(colour); break;
    }
}

// Cuts a line down to its part on the surface; false when none of it is.
bool ClipToSurface(const SDL_Surface* target, int& x0, int& y0, int& x1, int& y1)
{
    const double dx = double(x1) - x0, dy = double(y1) - y0;
    double from = 0, to = 1;
    const double edges[4][2] = {{-dx, double(x0)},
                                {dx, double(target->w - 1) - x0},
                                {-dy, double(y0)},
                                {dy, double(target->h - 1) - y0}};
    for (const auto& edge : edges) {
        const double p = edge[0], q = edge[1];
        if (p == 0) {
            if (q < 0) return false;
            continue;
        }
        const double t = q / p;
        if (p < 0 && t > from) from = t;
        if (p > 0 && t < to) to = t;
    }
    if (from > to) return false;
    const int startX = static_cast<int>(std::lround(x0 + from * dx));
    const int startY = static_cast<int>(std::lround(y0 + from * dy));
    x1 = static_cast<int>(std::lround(x0 + to * dx));
    y1 = static_cast<int>(std::lround(y0 + to * dy));
    x0 = startX;
    y0 = startY;
    return true;
}

// A corner far past any screen (a huge number in the map) lands far off,
// not on an int overflow.
int ScreenCoordinate(float world, float offset)
{
    const float limit = 1 << 20;
    const float onScreen = world - offset;
    if (!(onScreen > -limit)) return -static_cast<int>(limit);
    if (onScreen > limit) return static_cast<int>(limit);
    return static_cast<int>(onScreen);
}

void Line(SDL_Surface* target, int x0, int y0, int x1, int y1, Uint32 colour)
{
    // Only the part on the surface is walked: a wall thousands of pixels long
    // is outlined where it shows, neither dropped nor walked off screen.
    if (!ClipToSurface(target, x0, y0, x1, y1)) return;
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        PutPixel(target, x0, y0, colour);
        if (x0 == x1 && y0 == y1) break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Circle8(SDL_Surface* target, int cx, int cy, int r, Uint32 colour)
{
    int x = r, y = 0, error = 1 - r;
    while (x >= y) {
        const int points[8][2] = {{x, y}, {y, x}, {-y, x}, {-x, y}, {-x, -y}, {-y, -x}, {y, -x}, {x, -y}};
        for (const auto& p : points) PutPixel(target, cx + p[0], cy + p[1], colour);
        y++;
        if (error < 0) {
            error += 2 * y + 1;
        } else {
            x--;
            error += 2 * (y - x) + 1;
        }
    }
}

}  // namespace

void DrawLine(SDL_Surface* target, int x0, int y0, int x1, int y1, Uint32 colour)
{
    if (!target || SDL_LockSurface(target) != 0) return;
    Line(target, x0, y0, x1, y1, colour);
    SDL_UnlockSurface(target);
}

void DrawCircleOutline(SDL_Surface* target, int cx, int cy, int r, Uint32 colour)
{
    if (!target || r < 0 || SDL_LockSurface(target) != 0) return;
    Circle8(target, cx, cy, r, colour);
    SDL_UnlockSurface(target);
}

void DevOverlay::Draw(SDL_Surface* screen, TTF_Font* font, SDL_Color colour, const SDL_Rect* const lineAt[3],
                      const char* const lines[3], const CollisionTable& walls, const Circle& circle,
                      float offsetX, float offsetY)
{
    if (!screen) return;
    if (SDL_LockSurface(screen) == 0) {
        const Uint32 white = SDL_MapRGB(screen->format, 255, 255, 255);
        for (int k = 0; k < walls.count; k++) {
            const Rectangle& rect = walls.records[k];
            if (IsEmpty(rect)) continue;
            for (int side = 0; side < 4; side++) {
                const float* a = rect.corner[side];
                const float* b = rect.corner[(side + 1) % 4];
                Line(screen, ScreenCoordinate(a[0], offsetX), ScreenCoordinate(a[1], offsetY),
                     ScreenCoordinate(b[0], offsetX), ScreenCoordinate(b[1], offsetY), white);
            }
        }
        Circle8(screen, int(circle.x - offsetX), int(circle.y - offsetY), int(circle.r),
                SDL_MapRGB(screen->format, 0, 0, 255));
        SDL_UnlockSurface(screen);
    }
    for (int k = 0; k < 3; k++) {
        line[k].Set(font, lines[k], colour, TextStyle::Utf8Solid);
        line[k].Draw(screen, *lineAt[k]);
    }
}

void DevOverlay::Free()
{
    for (CachedText& text : line) text.Free();
}
