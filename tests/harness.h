#ifndef VIPRATS_TESTS_HARNESS_H
#define VIPRATS_TESTS_HARNESS_H

#include <gtest/gtest.h>

#include <SDL.h>

#include <ctime>
#include <string>

#ifdef _WIN32
// The few POSIX calls the tests make, on the Windows C library.
#include <direct.h>

#include <cstdlib>
inline int setenv(const char* name, const char* value, int) { return _putenv_s(name, value); }
inline int mkdir(const char* path, int) { return _mkdir(path); }
#endif

// Runs the real game headless: SDL's dummy drivers, a clock that only moves
// when the game sleeps or the test says so, keys pushed through SDL's event
// queue, and the log collected in `log`.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // One pass of the main loop (events, timer, scene, screenshot, flip, pacing).
    void Frame(int count = 1);
    // Frames until pred holds; fails the test after limit frames.
    template <typename Pred>
    bool FramesUntil(Pred pred, int limit = 2000)
    {
        for (int i = 0; i < limit; i++) {
            if (pred()) return true;
            Frame();
        }
        return pred();
    }
    void Press(SDLKey key);
    void Release(SDLKey key);
    // Press for one frame, then release (the release is seen next frame).
    void Tap(SDLKey key);
    void Advance(Uint32 ms);
    Uint32 Now() const;
    // The calendar time the game sees (UTC); starts at 7 March 2026, 14:05:09.
    void SetCalendar(time_t seconds);

    // The intro skipped with Space until the menu shows.
    void SkipToMenu();
    // Left Shift + c on the menu opens the cheat screen.
    void OpenCheatScreen();
    // The cheat screen opened, the digits typed, Enter.
    void CheatTo(const char* code);
    // Through the current loading screen into its level, as a player would.
    void PassLoadingScreen();
    // Pixel of the screen surface as 0xRRGGBB.
    Uint32 Pixel(int x, int y) const;
    size_t CountInLog(const std::string& line) const;

    std::string log;
    bool started = false;
};

// A key event into SDL's queue, as a keyboard would put it there.
void PushKey(SDLKey key, bool down);

// Pixel of any 32-bit-or-less surface as 0xRRGGBB; alpha, when asked for, in *alpha.
Uint32 SurfacePixel(SDL_Surface* surface, int x, int y, Uint8* alpha = nullptr);

// Opens SDL video on the dummy driver without the rest of the game, for tests
// of the drawing routines alone.
class VideoTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    SDL_Surface* screen = nullptr;
};

#endif
