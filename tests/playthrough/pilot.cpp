#include "tests/playthrough/pilot.h"
#include "tests/playthrough/routes.h"

#include "shell/game.h"
#include "tests/harness.h"

Pilot::Pilot() : held(SDLK_LAST, false), wanted(SDLK_LAST, false) {}

void Pilot::Frame(int count)
{
    for (int i = 0; i < count; i++) {
        for (int key = 0; key < SDLK_LAST; key++) {
            if (held[key] == wanted[key]) continue;
            held[key] = wanted[key];
            PushKey(static_cast<SDLKey>(key), held[key]);
            changes.push_back({frame, key, held[key]});
        }
        RunFrame();
        frame++;
        if (afterFrame) afterFrame(frame);
    }
}

void Pilot::Hold(SDLKey key) { wanted[key] = true; }
void Pilot::Let(SDLKey key) { wanted[key] = false; }

void Pilot::LetAll()
{
    for (int key = 0; key < SDLK_LAST; key++) wanted[key] = false;
}

void Pilot::Tap(SDLKey key)
{
    Hold(key);
    Frame();
    Let(key);
}

void Pilot::Type(const char* keys)
{
    for (const char* key = keys; *key; key++) {
        Tap(static_cast<SDLKey>(*key));
        Frame();
    }
}

void Pilot::Until(const std::string& step, const std::function<bool()>& done, int limit)
{
    for (int i = 0; i < limit; i++) {
        if (done()) return;
        Frame();
    }
    if (!done()) Fail(step, "still not done after " + std::to_string(limit) + " frames");
}

void Pilot::While(const std::string& step, const std::function<bool()>& going, const std::function<void()>& keys,
                  int limit)
{
    for (int i = 0; going(); i++) {
        if (i >= limit) Fail(step, "still going after " + std::to_string(limit) + " frames");
        LetAll();
        keys();
        Frame();
    }
    LetAll();
    Frame();
}

void Pilot::Steer(SDLKey less, SDLKey more, float at, float want, float slack)
{
    if (want > at + slack) Hold(more);
    if (want < at - slack) Hold(less);
}

void Pilot::Fail(const std::string& step, const std::string& why) const
{
    throw Stuck("stuck at \"" + step + "\" on frame " + std::to_string(frame) + " (scene " +
                std::to_string(kas_notiek) + ")" + (why.empty() ? "" : ": " + why));
}

void PassLoadingScreen(Pilot& pilot)
{
    const int loading = kas_notiek;
    const SDLKey start = loading == STATE_LOAD0 ? SDLK_RETURN : SDLK_SPACE;
    for (int frame = 0; frame < 400 && kas_notiek == loading; frame++) {
        pilot.Hold(SDLK_RETURN);
        pilot.Hold(start);
        pilot.Frame();
        pilot.LetAll();
        pilot.Frame();
    }
    if (kas_notiek != loading + 1) pilot.Fail("loading screen " + std::to_string(loading));
}
