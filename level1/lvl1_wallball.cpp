#include <cstdio>
#include <cstdlib>

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/score.h"

namespace {

const float BALL_MOVE_SPEED = 150;
const float BALL_TOP = 150, BALL_BOTTOM = 400;
const float BALL_FLIGHT_SPEED = 750;
const float WALL_X = 800;
const float BALL_HOME_X = -30;
const float HIT_FROM_X = 760;
const float CREATURE_X = 835;
const float CREATURE_START_Y = 517;
const float CREATURE_GONE_ABOVE = -100;
const int HITS_TO_FINISH = 10;
const int HIT_SCORE = 2;

}  // namespace

void CLvl1::mini_pretsiena(SDL_Surface* screen)
{
    if (Pretsienai) {
        DrawTextB = false;
        DrawFullScreen(Picture(PIC_WALLBALL_INTRO), screen);
        if (Keys[SDLK_RETURN]) {
            Pretsienai = false;
            DrawTextB = true;
        }
        pret_skaits_int = 0;
        RenderWallBallCounter();
        return;
    }
    WallBallFrame(screen);
}

void CLvl1::WallBallFrame(SDL_Surface* screen)
{
    if (Keys[SDLK_q]) process = STATE_WORLD;
    if (bumba_lido == BALL_HELD) {
        if (Keys[SDLK_UP]) bumbay -= BALL_MOVE_SPEED * Timelvl1;
        if (Keys[SDLK_DOWN]) bumbay += BALL_MOVE_SPEED * Timelvl1;
        // Space stays down: held, it throws again as soon as the ball is back.
        if (Keys[SDLK_SPACE]) bumba_lido = BALL_OUT;
    }
    if (bumbay < BALL_TOP) bumbay = BALL_TOP;
    if (bumbay > BALL_BOTTOM) bumbay = BALL_BOTTOM;

    if (bumba_lido == BALL_OUT) {
        bumbax += BALL_FLIGHT_SPEED * Timelvl1;
        if (bumbax > WALL_X) {
            bumba_lido = BALL_BACK;
            PlaySound(CHANNEL_BOUNCE, Sound(SND_BOUNCE));
        }
    }
    if (bumba_lido == BALL_BACK) {
        bumbax -= BALL_FLIGHT_SPEED * Timelvl1;
        if (bumbax < BALL_HOME_X) {
            bumbax = BALL_HOME_X;
            bumba_lido = BALL_HELD;
            // Past ten (a hit on a later visit) still ends the game, never endless play.
            if (pret_skaits_int >= HITS_TO_FINISH) process = STATE_WORLD;
        }
    }

    if (prusaksy < CREATURE_GONE_ABOVE) {
        prusaks_speed = rand() % 50 + 80;
        prusaksy = CREATURE_START_Y;
    }
    // The creature's middle within the ball's band; it then starts again
    // below the lowest band, so one throw scores at most once.
    if (bumbax >= HIT_FROM_X && prusaksy + 50 > bumbay + 25 && bumbay + 95 > prusaksy + 50) {
        prusaks_speed = rand() % 50 + 60;
        prusaksy = CREATURE_START_Y;
        Score.AddScore(HIT_SCORE);
        pret_skaits_int += 1;
        RenderWallBallCounter();
    }
    prusaksy -= prusaks_speed * Timelvl1;
    DrawWallBall(screen);
}

void CLvl1::RenderWallBallCounter()
{
    snprintf(pret_skaits_char, sizeof pret_skaits_char, "%d/10", pret_skaits_int);
    wallBallText.Set(Font(FONT_BIG), pret_skaits_char, balta_);
}

void CLvl1::DrawWallBall(SDL_Surface* screen)
{
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(PIC_WALLBALL_BACK), screen);
    zimetBildi(Picture(PIC_WALLBALL_CREATURE), screen, 0, 0, static_cast<int>(CREATURE_X), static_cast<int>(prusaksy),
               72, 103, -1);
    zimetBildi(Picture(PIC_WALLBALL_BALL), screen, 0, 0, static_cast<int>(bumbax), static_cast<int>(bumbay), 123,
               122, -1);
    DrawInterface(screen);
    zimetBildi(Picture(PIC_WALLBALL_PANEL), screen, 0, 0, 886, 6, 120, 120, -1);
    wallBallText.Draw(screen, pret_sk_loc);
    DrawNeedBars(screen);
    DrawTurboOverlay(screen);
}
