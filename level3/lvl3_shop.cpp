#include <cstdlib>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/keys.h"
#include "shell/score.h"

namespace {

const int BOTTLES_FALLING = 5;
const float FALL_SPEED = 100, BASKET_SPEED = 200;
const float BASKET_START_X = 500;
const float CATCH_WIDTH = 170;
const int SCREEN_BOTTOM = 768;

}  // namespace

// Every mini-game with an intro can be left with q: back to the world from
// the next frame, the rest of this one still runs.
void CLvl3::QuitOnQ()
{
    if (Keys[SDLK_q]) process3 = STATE3_WORLD;
}

void CLvl3::mini_veikals(SDL_Surface* screen)
{
    QuitOnQ();
    if (!veikals_iet)
        ShopIntro(screen);
    else
        ShopFrame(screen);
}

void CLvl3::DropBottle(Spot& bottle)
{
    bottle.x = rand() % 834 + 61;
    bottle.y = rand() % 800 - 800;
}

void CLvl3::ShopIntro(SDL_Surface* screen)
{
    DrawTextB2 = false;
    DrawFullScreen(Picture(PIC3_SHOP_INTRO), screen);
    if (Keys[SDLK_RETURN]) {
        veikals_iet = true;
        DrawTextB2 = true;
    }
    // Every intro frame: the bottles start where Enter's frame put them.
    grozsx = BASKET_START_X;
    grozsy = 650;
    for (int i = 0; i < BOTTLES_FALLING; i++) DropBottle(pudele2[i]);
}

void CLvl3::ShopFrame(SDL_Surface* screen)
{
    const float dt = Timelvl3;
    for (int i = 0; i < BOTTLES_FALLING; i++) {
        Spot& bottle = pudele2[i];
        bottle.y = static_cast<int>(bottle.y + FALL_SPEED * dt);
        if (bottle.y > SCREEN_BOTTOM) {
            process3 = STATE3_WORLD;
            veikals_iet = false;
        }
        if (grozsx < bottle.x && bottle.x < grozsx + CATCH_WIDTH && bottle.y > grozsy) {
            Score.AddScore(1);
            DropBottle(bottle);
            PlaySound(CHANNEL3_BOTTLE, Sound(SND3_BOTTLE));
        }
    }
    if (Keys[SDLK_LEFT]) grozsx -= BASKET_SPEED * dt;
    if (Keys[SDLK_RIGHT]) grozsx += BASKET_SPEED * dt;

    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(PIC3_SHOP_BACK), screen);
    for (int i = 0; i < BOTTLES_FALLING; i++)
        zimetBildi(Picture(PIC3_BOTTLE), screen, 0, 0, pudele2[i].x, pudele2[i].y, 23, 88, -1);
    zimetBildi(Picture(PIC3_BASKET), screen, 0, 0, static_cast<int>(grozsx), static_cast<int>(grozsy), 192, 91, -1);
    DrawNeedsStrip(screen);
}
