// Any bytes as a level's collision file: the reader fills a table of the
// largest level's size, every record is tested against circles and outlined
// by the developer overlay. Besides the sanitizers' findings, a record with
// a NaN in it is a fault: it would stop the player everywhere.

#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "shell/log.h"
#include "world/collision.h"
#include "world/dev_overlay.h"
#include "world/movement.h"

namespace {

const int RECORDS = 54;  // level 2's table, the largest

// The reader takes a path, so each input is written to a file first: in
// memory where the system has a tmpfs for it, removed when the run ends.
const std::string& MapPath()
{
    static const std::string path = [] {
        const char* tmp = getenv("TMPDIR");
        const std::string dir = tmp && *tmp ? tmp : access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        return dir + "/viprats-collision-fuzz-" + std::to_string(getpid()) + ".txt";
    }();
    static const bool removedAtExit = atexit([] { remove(MapPath().c_str()); }) == 0;
    (void)removedAtExit;
    return path;
}

SDL_Surface* Screen()
{
    static SDL_Surface* screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 1024, 768, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    return screen;
}

bool HasNaN(const Rectangle& rect)
{
    return std::isnan(rect.x1) || std::isnan(rect.y1) || std::isnan(rect.x2) || std::isnan(rect.y2) ||
           std::isnan(rect.angle);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FILE* file = fopen(MapPath().c_str(), "wb");
    if (!file) return 0;
    fwrite(data, 1, size, file);
    fclose(file);

    static std::string log;
    log.clear();
    SetLogSink(&log);
    Rectangle records[RECORDS];
    const CollisionTable walls = {MapPath().c_str(), records, RECORDS};
    LoadCollisionFile(walls);
    SetLogSink(nullptr);

    for (const Rectangle& rect : records)
        if (HasNaN(rect)) abort();
    for (const Circle& circle : {Circle{0, 0, 40}, Circle{512, 384, 40}, Circle{-3e38f, 3e38f, 1e30f}})
        IsFree(walls, circle);

    static DevOverlay overlay;
    const SDL_Rect at = {0, 0, 0, 0};
    const SDL_Rect* const lineAt[3] = {&at, &at, &at};
    const char* const lines[3] = {"", "", ""};
    overlay.Draw(Screen(), nullptr, SDL_Color{0, 255, 0, 0}, lineAt, lines, walls, Circle{512, 384, 40}, 0, 0);
    overlay.Draw(Screen(), nullptr, SDL_Color{0, 255, 0, 0}, lineAt, lines, walls, Circle{512, 384, 40}, 1500, -900);
    return 0;
}
