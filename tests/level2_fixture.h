#ifndef VIPRATS_TESTS_LEVEL2_FIXTURE_H
#define VIPRATS_TESTS_LEVEL2_FIXTURE_H

// Level 2 loaded, set up and made the current scene, as its loading screen
// leaves it; the tests then drive it frame by frame through the real loop.

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "tests/harness.h"
#include "world/ticks.h"

// The camera put so that the player's foot point meets a thing's point.
inline void StandAtSpot(const Spot& spot, const SquaredReach& reach = SPOT_REACH2)
{
    offsetX2 = spot.x + reach.dx - (player10.screenX + reach.footX);
    offsetY2 = spot.y + reach.dy - (player10.screenY + reach.footY);
}

class Level2Test : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        if (HasFatalFailure()) return;
        Advance(10000);  // well past every stamp that set-up zeroes
        player10.tLastFrame = 0;
        LVL2.Load(screen);
        LVL2.Uzsetot();
        kas_notiek = tekosais_lvl = STATE_LEVEL2;
    }
    void TearDown() override
    {
        ReleaseKeys();
        if (started) LVL2.FreeMemory();
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
    // Food and toilet do not tick for the next two seconds.
    static void HoldNeeds() { food_laiks2 = kaka_laiks2 = NowTicks(); }
    // A picture of one colour in the screen's format, put into a slot.
    void UsePicture(int slot, Uint32 rgb, int w = 1024, int h = 768)
    {
        SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, screen->format->Rmask,
                                                    screen->format->Gmask, screen->format->Bmask, 0);
        SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        LVL2.Assets().ReplacePicture(slot, picture);
    }
    void ClearPictures()
    {
        for (int slot = 0; slot < LVL2_PICTURES; slot++) LVL2.Assets().ReplacePicture(slot, nullptr);
    }
};

#endif
