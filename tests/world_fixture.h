#ifndef VIPRATS_TESTS_WORLD_FIXTURE_H
#define VIPRATS_TESTS_WORLD_FIXTURE_H

// An overworld level loaded, set up and made the current scene, as its
// loading screen leaves it; the tests then drive it frame by frame through
// the real loop.

#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "tests/harness.h"
#include "world/ticks.h"

template <typename Level, Level& level, int playState, int pictureCount>
class WorldLevelTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        if (HasFatalFailure()) return;
        Advance(10000);  // well past every stamp that set-up zeroes
        level.World().player.tLastFrame = 0;
        level.Load(screen);
        level.Uzsetot();
        kas_notiek = tekosais_lvl = playState;
    }
    void TearDown() override
    {
        ReleaseKeys();
        // Releasing twice is harmless: a level releases only what it holds.
        if (started) level.FreeMemory();
        GameTest::TearDown();
    }

    static void ReleaseKeys()
    {
        for (unsigned char& key : Keys) key = 0;
    }
    // One frame with the key down; it is let go afterwards.
    void FrameWith(SDLKey key)
    {
        Keys[key] = 1;
        Frame();
        Keys[key] = 0;
    }
    // A picture of one colour in the screen's format, put into a slot.
    void UsePicture(int slot, Uint32 rgb, int w = 1024, int h = 768)
    {
        SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, screen->format->Rmask,
                                                    screen->format->Gmask, screen->format->Bmask, 0);
        SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        level.Assets().ReplacePicture(slot, picture);
    }
    void ClearPictures()
    {
        for (int slot = 0; slot < pictureCount; slot++) level.Assets().ReplacePicture(slot, nullptr);
    }
};

#endif
