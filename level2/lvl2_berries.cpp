#include <cstdlib>

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const int STEP_INTRO = 0, STEP_BUSH = 1, STEP_CATCH = 2;
const float BURST_MS = 655;
const float CATCHER_SPEED = 200, BERRY_SPEED = 150;
const float CATCHER_X = 300, CATCHER_Y = 542;
const float MOUTH_LEFT = 127, MOUTH_RIGHT = 297, MOUTH_HEIGHT = 37;
const int DEAL_WIDTH = 854, DEAL_LEFT = 81, DEAL_DEPTH = 2500;
const int SCREEN_BOTTOM = 768;

void MoveCatcher()
{
    if (Keys[SDLK_LEFT]) suklisx -= CATCHER_SPEED * Timelvl2;
    if (Keys[SDLK_RIGHT]) suklisx += CATCHER_SPEED * Timelvl2;
}

// Every berry falls, in play or not; one whose top-left corner is in the
// catcher's mouth band is caught. Returns whether any is still in play.
bool DropBerries()
{
    bool anyInPlay = false;
    for (Spot& berry : oga) {
        berry.y = static_cast<int>(Timelvl2 * BERRY_SPEED + berry.y);
        if (berry.active && suklisx + MOUTH_LEFT < berry.x && berry.x < suklisx + MOUTH_RIGHT && suklisy < berry.y &&
            berry.y < suklisy + MOUTH_HEIGHT) {
            berry.active = false;
            Score.AddScore(1);
        }
        if (berry.y > SCREEN_BOTTOM) berry.active = false;
        anyInPlay = anyInPlay || berry.active;
    }
    return anyInPlay;
}

}  // namespace

void CLvl2::mini_ogas(SDL_Surface* screen)
{
    switch (ogas_iet) {
    case STEP_INTRO: BerryIntro(screen); break;
    case STEP_BUSH: BerryBush(screen); break;
    case STEP_CATCH: BerryCatch(screen); break;
    }
}

void CLvl2::BerryIntro(SDL_Surface* screen)
{
    showScore = false;
    DrawFullScreen(Picture(PIC2_BERRY_INTRO), screen);
    if (!Keys[SDLK_RETURN]) return;
    ogas_iet = STEP_BUSH;
    detonat = 0;
    suklisx = CATCHER_X;
    suklisy = CATCHER_Y;
    laiks_detonat = 0;
    DealBerries();
}

void CLvl2::DealBerries()
{
    for (Spot& berry : oga) {
        berry.x = rand() % DEAL_WIDTH + DEAL_LEFT;
        berry.y = -(rand() % DEAL_DEPTH);
        berry.active = true;
    }
}

void CLvl2::BerryBush(SDL_Surface* screen)
{
    DrawFullScreen(Picture(PIC2_BUSH_BACK), screen);
    if (detonat == 0) DrawFullScreen(Picture(PIC2_BUSH), screen);
    if (detonat == 1) {
        DrawFullScreen(Picture(PIC2_BUSH_BURST), screen);
        if (NowTicks() - laiks_detonat > BURST_MS) {
            ogas_iet = STEP_CATCH;
            showScore = true;
        }
    }
    if (Keys[SDLK_b] && detonat == 0) {
        detonat = 1;
        laiks_detonat = NowTicks();
        PlaySound(CHANNEL2_BUSH, Sound(SND2_BUSH));
    }
}

void CLvl2::BerryCatch(SDL_Surface* screen)
{
    MoveCatcher();
    if (!DropBerries()) process2 = STATE2_WORLD;
    DrawCatch(screen);
}

void CLvl2::DrawCatch(SDL_Surface* screen)
{
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(PIC2_CATCH_BACK), screen);
    for (const Spot& berry : oga)
        if (berry.active) zimetBildi(Picture(PIC2_BERRY), screen, 0, 0, berry.x, berry.y, 29, 30, -1);
    zimetBildi(Picture(PIC2_CATCHER), screen, 0, 0, static_cast<int>(suklisx), static_cast<int>(suklisy), 362, 226,
               -1);
    DrawNeedsStrip(screen);
}
