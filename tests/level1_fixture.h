#ifndef VIPRATS_TESTS_LEVEL1_FIXTURE_H
#define VIPRATS_TESTS_LEVEL1_FIXTURE_H

// Level 1 loaded, set up and made the current scene, as its loading screen
// leaves it; the tests then drive it frame by frame through the real loop.

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "tests/harness.h"
#include "world/ticks.h"

class Level1Test : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        if (HasFatalFailure()) return;
        Advance(10000);  // well past every stamp that set-up zeroes
        // Stamps that set-up leaves alone, from an earlier test's clock.
        Laiks_ieprieksh = 0;
        player.tLastFrame = 0;
        LVL1.Load(screen);
        LVL1.Uzsetot();
        kas_notiek = tekosais_lvl = STATE_LEVEL1;
    }
    void TearDown() override
    {
        ReleaseKeys();
        if (started) LVL1.FreeMemory();
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
    // The player's centre at world (x, y).
    static void StandAt(float x, float y)
    {
        offsetX = x - PLAYER_CENTRE_X;
        offsetY = y - PLAYER_CENTRE_Y;
    }
    // Food, toilet and the clock do not tick for the next two seconds.
    static void HoldNeeds()
    {
        food_laiks = kaka_laiks = Laiks_ieprieksh = NowTicks();
    }
    // A picture of one colour in the screen's format, put into a slot.
    void UsePicture(int slot, Uint32 rgb, int w = 1024, int h = 768)
    {
        SDL_Surface* picture =
            SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, screen->format->Rmask, screen->format->Gmask,
                                 screen->format->Bmask, 0);
        SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        LVL1.Assets().ReplacePicture(slot, picture);
    }
    void ClearPictures()
    {
        for (int slot = 0; slot < LVL1_PICTURES; slot++) LVL1.Assets().ReplacePicture(slot, nullptr);
    }
};

#endif
