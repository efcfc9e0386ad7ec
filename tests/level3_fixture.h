#ifndef VIPRATS_TESTS_LEVEL3_FIXTURE_H
#define VIPRATS_TESTS_LEVEL3_FIXTURE_H

// Level 3 loaded, set up and made the current scene, as its loading screen
// leaves it; the tests then drive it frame by frame through the real loop.

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "tests/harness.h"
#include "world/ticks.h"

class Level3Test : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        if (HasFatalFailure()) return;
        Advance(10000);  // well past every stamp that set-up zeroes
        player3.tLastFrame = 0;
        LVL3.Load(screen);
        LVL3.Uzsetot();
        kas_notiek = tekosais_lvl = STATE_LEVEL3;
    }
    void TearDown() override
    {
        ReleaseKeys();
        if (started && kas_notiek == STATE_LEVEL3) LVL3.FreeMemory();
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
    // The camera that puts the player's reference point on a spot's point.
    static void StandAtSpot(int spot)
    {
        offsetX3 = misi[spot].x + SPOT_REACH_X - SPOT_PLAYER_DX - player3.screenX;
        offsetY3 = misi[spot].y + TOWN_SPOTS[spot].reachDy - SPOT_PLAYER_DY - player3.screenY;
    }
    // Space at a spot, one world frame.
    void UseSpot(int spot)
    {
        StandAtSpot(spot);
        FrameWith(SDLK_SPACE);
    }
    // A picture of one colour in the screen's format, put into a slot.
    void UsePicture(int slot, Uint32 rgb, int w = 1024, int h = 768)
    {
        SDL_Surface* picture =
            SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, screen->format->Rmask, screen->format->Gmask,
                                 screen->format->Bmask, 0);
        SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
        LVL3.Assets().ReplacePicture(slot, picture);
    }
    void ClearPictures()
    {
        for (int slot = 0; slot < LVL3_PICTURES; slot++) LVL3.Assets().ReplacePicture(slot, nullptr);
    }
    // Food and toilet do not tick for the next two seconds.
    static void HoldNeeds() { food_laiks3 = kaka_laiks3 = NowTicks(); }
};

#endif
