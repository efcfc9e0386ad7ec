#include <cstdio>
#include <cstdlib>

#include "level2/lvl2.h"
#include "level2/lvl2_content.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const float HAND_SPEED = 100;
const float HAND_HALF = 21;
const float CENTRE_X = 20, CENTRE_Y = 25;  // of an egg and of a hen
const float TOUCH_SQUARED = 500;
const float BASKET_X = 710, BASKET_Y = 342, BASKET_SQUARED = 900;
const float HEN_TURN_MS = 2000;
const int HEN_SPEED = 90;
const float YARD_LEFT = 50, YARD_RIGHT = 913, YARD_TOP = 110, YARD_BOTTOM = 632;

float SquaredDistance(float ax, float ay, float bx, float by)
{
    return (ax - bx) * (ax - bx) + (ay - by) * (ay - by);
}

bool HandTouches(int x, int y)
{
    return SquaredDistance(rokax + HAND_HALF, rokay + HAND_HALF, x + CENTRE_X, y + CENTRE_Y) < TOUCH_SQUARED;
}

}  // namespace

void KeepInYard(float& x, float& y)
{
    x = x < YARD_LEFT ? YARD_LEFT : (x > YARD_RIGHT ? YARD_RIGHT : x);
    y = y < YARD_TOP ? YARD_TOP : (y > YARD_BOTTOM ? YARD_BOTTOM : y);
    for (const FenceRule& rule : YARD_FENCES) {
        if (!(rule.xMin < x && x < rule.xMax && rule.yMin < y && y < rule.yMax)) continue;
        if (rule.axis == FenceRule::SET_X)
            x = rule.to;
        else
            y = rule.to;
    }
}

void CLvl2::mini_olas(SDL_Surface* screen)
{
    // Q is left down: the rest of this frame still runs.
    if (Keys[SDLK_q]) {
        process2 = STATE2_WORLD;
        olas_iet = false;
    }
    if (!olas_iet) SetUpYard();
    MoveHand();
    TakeEggs();
    CheckBasket();
    SteerHens();
    MoveHens();
    KeepInYard(rokax, rokay);
    DrawYard(screen);
}

void CLvl2::SetUpYard()
{
    for (int k = 0; k < EGGS; k++) ola[k] = {EGG_AT[k].x, EGG_AT[k].y, true};
    rokax = 360;
    rokay = 500;
    savaktas_olas = 0;
    for (int k = 0; k < HENS; k++) vista[k] = {HEN_START[k].x, HEN_START[k].y, vista[k].active};
    olas_iet = true;
}

void CLvl2::MoveHand()
{
    const float step = HAND_SPEED * Timelvl2;
    if (Keys[SDLK_LEFT]) rokax -= step;
    if (Keys[SDLK_RIGHT]) rokax += step;
    if (Keys[SDLK_UP]) rokay -= step;
    if (Keys[SDLK_DOWN]) rokay += step;
}

void CLvl2::TakeEggs()
{
    for (Spot& egg : ola) {
        if (!egg.active || !HandTouches(egg.x, egg.y)) continue;
        egg.active = false;
        savaktas_olas += 1;
        Score.AddScore(1);
        PlaySound(CHANNEL2_EGG, Sound(SND2_EGG));
    }
}

void CLvl2::CheckBasket()
{
    if (savaktas_olas != EGGS) return;
    if (SquaredDistance(rokax + HAND_HALF, rokay + HAND_HALF, BASKET_X, BASKET_Y) >= BASKET_SQUARED) return;
    process2 = STATE2_WORLD;
    mini[SPOT2_EGGS].active = false;
    mini[SPOT2_QUEST_GIVER].active = true;
}

void CLvl2::SteerHens()
{
    if (!Every(vista_laiks, NowTicks(), HEN_TURN_MS)) return;
    for (Spot& velocity : vista_virz) {
        velocity.x = HEN_SPEED * (rand() % 3) - HEN_SPEED;
        velocity.y = HEN_SPEED * (rand() % 3) - HEN_SPEED;
    }
}

void CLvl2::MoveHens()
{
    for (int k = 0; k < HENS; k++) {
        // Truncated toward zero: a hen going left covers more than one going right.
        float x = static_cast<float>(static_cast<int>(Timelvl2 * vista_virz[k].x + vista[k].x));
        float y = static_cast<float>(static_cast<int>(Timelvl2 * vista_virz[k].y + vista[k].y));
        KeepInYard(x, y);
        vista[k].x = static_cast<int>(x);
        vista[k].y = static_cast<int>(y);
    }
}

void CLvl2::DrawYard(SDL_Surface* screen)
{
    DrawFullScreen(Picture(PIC2_YARD), screen);
    for (const Spot& egg : ola)
        if (egg.active) zimetBildi(Picture(PIC2_EGG), screen, 0, 0, egg.x, egg.y, 39, 50, -1);
    zimetBildi(Picture(PIC2_HAND), screen, 0, 0, static_cast<int>(rokax), static_cast<int>(rokay), 43, 43, -1);
    for (const Spot& hen : vista) {
        if (HandTouches(hen.x, hen.y)) {
            process2 = STATE2_WORLD;
            olas_iet = false;
            Score.AddScore(-1);
            PlaySound(CHANNEL2_HEN, Sound(SND2_HEN));
        }
        zimetBildi(Picture(PIC2_HEN), screen, 0, 0, hen.x, hen.y, 43, 42, -1);
    }
    DrawNeedsStrip(screen);
    snprintf(OlasText, sizeof OlasText, "%02d ", savaktas_olas);
    eggText.Set(Font(FONT2_BIG), OlasText, bal);
    eggText.Draw(screen, Olasloc1);
}
