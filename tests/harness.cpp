#include "tests/harness.h"

#include <unistd.h>

#include <cstdlib>

#include "frontend/menu.h"
#include "shell/clock.h"
#include "shell/game.h"
#include "shell/log.h"

namespace {

Uint32 drivenNow = 0;
time_t drivenCalendar = 0;

Uint32 DrivenTicks() { return drivenNow; }
void DrivenDelay(Uint32 ms) { drivenNow += ms; }
time_t DrivenCalendar() { return drivenCalendar; }

const ClockSource drivenClock = {DrivenTicks, DrivenDelay, DrivenCalendar};

void UseHeadlessSdl()
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("TZ", "UTC", 1);
    tzset();
    ASSERT_EQ(chdir(VIPRATS_DATA_DIR), 0) << "no data tree at " << VIPRATS_DATA_DIR;
}


}  // namespace

void PushKey(SDLKey key, bool down)
{
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.type = event.type;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    SDL_PushEvent(&event);
}

void GameTest::SetUp()
{
    UseHeadlessSdl();
    drivenNow = 0;
    drivenCalendar = 1772892309;  // 7 March 2026, 14:05:09 UTC
    SetClockSource(&drivenClock);
    SetLogSink(&log);
    // The scene a fresh process starts in, whatever an earlier test left.
    kas_notiek = STATE_INTRO;
    tekosais_lvl = STATE_LEVEL0;
    skanja = true;
    ASSERT_EQ(StartUp(), 0) << log;
    started = true;
}

void GameTest::TearDown()
{
    if (started) ShutDown();
    SetLogSink(nullptr);
    SetClockSource(nullptr);
}

void GameTest::Frame(int count)
{
    for (int i = 0; i < count; i++) RunFrame();
}

void GameTest::Press(SDLKey key) { PushKey(key, true); }
void GameTest::Release(SDLKey key) { PushKey(key, false); }

void GameTest::Tap(SDLKey key)
{
    Press(key);
    Frame();
    Release(key);
}

void GameTest::Advance(Uint32 ms) { drivenNow += ms; }
Uint32 GameTest::Now() const { return drivenNow; }
void GameTest::SetCalendar(time_t seconds) { drivenCalendar = seconds; }

void GameTest::SkipToMenu()
{
    while (kas_notiek == STATE_INTRO) {
        Tap(SDLK_SPACE);
        ASSERT_LT(drivenNow, 60000u) << "the intro does not give way to the menu";
    }
    Frame();
}

void GameTest::OpenCheatScreen()
{
    Press(SDLK_LSHIFT);
    Press(SDLK_c);
    Frame();
    Release(SDLK_LSHIFT);
    Release(SDLK_c);
}

void GameTest::CheatTo(const char* code)
{
    OpenCheatScreen();
    for (const char* digit = code; *digit; digit++) Tap(static_cast<SDLKey>(*digit));
    Tap(SDLK_RETURN);
}

void GameTest::PassLoadingScreen()
{
    const int loading = kas_notiek;
    ASSERT_TRUE(loading == STATE_LOAD0 || loading == STATE_LOAD1 || loading == STATE_LOAD2 ||
                loading == STATE_LOAD3);
    const SDLKey last = loading == STATE_LOAD0 ? SDLK_RETURN : SDLK_SPACE;
    for (int frame = 0; frame < 400 && kas_notiek == loading; frame++) {
        Press(SDLK_RETURN);
        Press(last);
        Frame();
        Release(SDLK_RETURN);
        Release(last);
        Frame();
    }
    ASSERT_EQ(kas_notiek, loading + 1) << "stuck on loading screen " << loading;
}

Uint32 GameTest::Pixel(int x, int y) const { return SurfacePixel(screen, x, y); }

size_t GameTest::CountInLog(const std::string& line) const
{
    size_t count = 0;
    for (size_t at = log.find(line); at != std::string::npos; at = log.find(line, at + 1)) count++;
    return count;
}

Uint32 SurfacePixel(SDL_Surface* surface, int x, int y, Uint8* alpha)
{
    SDL_LockSurface(surface);
    const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    Uint32 value = 0;
    switch (surface->format->BytesPerPixel) {
    case 1: value = row[x]; break;
    case 2: value = reinterpret_cast<const Uint16*>(row)[x]; break;
    case 4: value = reinterpret_cast<const Uint32*>(row)[x]; break;
    }
    SDL_UnlockSurface(surface);
    Uint8 r, g, b, a;
    SDL_GetRGBA(value, surface->format, &r, &g, &b, &a);
    if (alpha) *alpha = a;
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

void VideoTest::SetUp()
{
    UseHeadlessSdl();
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    screen = SDL_SetVideoMode(1024, 768, 32, SDL_FULLSCREEN);
    ASSERT_NE(screen, nullptr);
}

void VideoTest::TearDown() { SDL_Quit(); }
