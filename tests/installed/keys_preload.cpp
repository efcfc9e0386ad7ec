// Keys for the installed program, which on SDL's dummy video driver has no
// keyboard: preloaded into it, this puts key events into SDL's queue as a
// keyboard would, on the frames VIPRATS_TEST_KEYS names ("frame:symbol ...";
// each key is held for two frames). A frame ends when the game has drained
// the queue.

#include <SDL.h>
#include <dlfcn.h>

#include <cstdlib>

namespace {

int frame = 0;
int pushedFor = -1;

void Push(int sym, bool down)
{
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(sym);
    SDL_PushEvent(&event);
}

bool PushDue()
{
    const char* script = getenv("VIPRATS_TEST_KEYS");
    bool pushed = false;
    for (char* at = const_cast<char*>(script); at && *at;) {
        const long when = strtol(at, &at, 10);
        if (*at != ':') break;
        const long sym = strtol(at + 1, &at, 10);
        if (when == frame) Push(sym, true), pushed = true;
        if (when + 2 == frame) Push(sym, false), pushed = true;
    }
    return pushed;
}

}  // namespace

extern "C" int SDL_PollEvent(SDL_Event* event)
{
    static auto real = reinterpret_cast<int (*)(SDL_Event*)>(dlsym(RTLD_NEXT, "SDL_PollEvent"));
    if (real(event)) return 1;
    if (pushedFor != frame) {
        pushedFor = frame;
        if (PushDue() && real(event)) return 1;
    }
    frame++;
    return 0;
}
