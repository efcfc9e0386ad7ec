#ifndef VIPRATS_TESTS_ROBUST_DRIVE_H
#define VIPRATS_TESTS_ROBUST_DRIVE_H

// The scene routes the robustness tests drive again and again: into a level
// from the menu, through its loading screen with as few frames as the game
// needs, and back to the menu through the pause screen. Every step is a real
// key pressed into the real main loop.

#include "frontend/menu.h"
#include "shell/game.h"
#include "tests/harness.h"

class RobustTest : public GameTest {
protected:
    // The menu's first page with Enter.
    void NewGame()
    {
        ASSERT_EQ(kas_notiek, STATE_MENU);
        menu_atels = 1;
        Tap(SDLK_RETURN);
        ASSERT_EQ(kas_notiek, STATE_LOAD0);
    }

    // The title frame, the loading frame, then the keys that leave. Level 0's
    // screen waits three seconds before it takes Enter; the clock is moved
    // on rather than run frame by frame.
    void PassLoadingQuickly()
    {
        const int loading = kas_notiek;
        ASSERT_TRUE(loading == STATE_LOAD0 || loading == STATE_LOAD1 || loading == STATE_LOAD2 ||
                    loading == STATE_LOAD3)
            << "state " << loading;
        Frame(2);
        if (loading == STATE_LOAD0) {
            Advance(3100);
            Tap(SDLK_RETURN);
        } else {
            Tap(SDLK_RETURN);
            Tap(SDLK_SPACE);
        }
        Frame();
        ASSERT_EQ(kas_notiek, loading + 1) << "stuck on loading screen " << loading;
    }

    // Escape, Up to the last item (exit to the menu), Enter; the scene machine
    // releases the level on the frame after.
    void ExitThroughPause()
    {
        Tap(SDLK_ESCAPE);
        ASSERT_EQ(kas_notiek, STATE_PAUSE);
        while (pause_atels != 4) Tap(SDLK_UP);
        Tap(SDLK_RETURN);
        Frame();
        ASSERT_EQ(kas_notiek, STATE_MENU);
    }
};

#endif
