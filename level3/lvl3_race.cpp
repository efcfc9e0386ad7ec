#include <cmath>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const float STEP_MS = 100;
const float TURN_COST = 0.15f, THROTTLE = 0.2f, COAST_LOSS = 0.15f, BRAKE = 0.55f;
const float TURN_ABOVE = 1.5f, MOVES_ABOVE = 0.03f;
const float TOP_SPEED = 20, FLOOR_SPEED = 0.01f;
const float DEGREES = 0.017453292f;
const float CHECKPOINT_REACH_SQUARED = 2500;
const int CAR_W = 99, CAR_H = 103;

// Steering, throttle and brake share kkas; coasting has kkas2.
bool StepDue(float& stamp, float now)
{
    if (!(now - stamp > nivai_pauze)) return false;
    stamp = now;
    return true;
}

}  // namespace

void CLvl3::mini_gonka(SDL_Surface* screen)
{
    QuitOnQ();
    if (!gonka_iet)
        RaceIntro(screen);
    else
        RaceFrame(screen);
}

void CLvl3::RaceIntro(SDL_Surface* screen)
{
    DrawTextB2 = false;
    DrawFullScreen(Picture(PIC3_RACE_INTRO), screen);
    if (!Keys[SDLK_RETURN]) return;
    gonka_iet = true;
    DrawTextB2 = true;
    niva_kadrs = 3;
    niva_x = 500;
    niva_y = 350;
    Gon_offsetx = 0;
    Gon_offsety = 4130;
    rot_niv = 270;
    nivai_pauze = STEP_MS;
    for (int k = 0; k < CHECKPOINTS; k++) gon_CP[k] = CHECKPOINT_AT[k];
}

void CLvl3::RaceFrame(SDL_Surface* screen)
{
    Drive();
    PassCheckpoints();
    const float carX = static_cast<float>(niva_x), carY = static_cast<float>(niva_y);
    if (carX > 4080 - Gon_offsetx && carY > 4417 - Gon_offsety && carY < 4742 - Gon_offsety) {
        misi[SPOT_RIKTIS].active = false;
        misi[SPOT_GARAGE].active = true;
        process3 = STATE3_WORLD;
    }
    DrawRace(screen);
}

void CLvl3::Drive()
{
    const float now = NowTicks();
    if (Keys[SDLK_RIGHT] && spids > TURN_ABOVE && StepDue(kkas, now)) {
        niva_kadrs += 1;
        spids -= TURN_COST;
        rot_niv -= 22.5f;
    }
    if (Keys[SDLK_LEFT] && spids > TURN_ABOVE && StepDue(kkas, now)) {
        niva_kadrs -= 1;
        spids -= TURN_COST;
        rot_niv += 22.5f;
    }
    if (Keys[SDLK_UP]) {
        if (StepDue(kkas, now)) spids += THROTTLE;
    } else if (StepDue(kkas2, now)) {
        spids -= COAST_LOSS;
    }
    if (Keys[SDLK_SPACE] && StepDue(kkas, now)) spids -= BRAKE;

    const float heading = rot_niv * DEGREES;
    xx = static_cast<float>(std::sin(static_cast<double>(heading)) * spids);
    yy = static_cast<float>(std::cos(static_cast<double>(heading)) * spids);
    if (spids > MOVES_ABOVE) {
        Gon_offsetx -= xx;
        Gon_offsety -= yy;
    }
    if (spids > TOP_SPEED) spids = TOP_SPEED;
    if (spids < FLOOR_SPEED) spids = FLOOR_SPEED;
    if (niva_kadrs > 15) niva_kadrs = 0;
    if (niva_kadrs < 0) niva_kadrs = 15;
}

void CLvl3::PassCheckpoints()
{
    for (Spot& checkpoint : gon_CP) {
        const long double dx = static_cast<long double>(niva_x) + 50 - (checkpoint.x + 39 - Gon_offsetx);
        const long double dy = static_cast<long double>(niva_y) + 50 - (checkpoint.y + 35 - Gon_offsety);
        if (dx * dx + dy * dy < CHECKPOINT_REACH_SQUARED && checkpoint.active) {
            checkpoint.active = false;
            Score.AddScore(1);
        }
    }
}

void CLvl3::DrawRace(SDL_Surface* screen)
{
    FillScreen(screen, 10, 60, 10);
    zimetBildi(Picture(PIC3_TRACK), screen, 0, 0, static_cast<int>(-Gon_offsetx), static_cast<int>(-Gon_offsety),
               5000, 5000, -1);
    for (const Spot& checkpoint : gon_CP)
        if (checkpoint.active)
            zimetBildi(Picture(PIC3_CHECKPOINT), screen, 0, 0, static_cast<int>(checkpoint.x - Gon_offsetx),
                       static_cast<int>(checkpoint.y - Gon_offsety), 78, 70, -1);
    zimetBildi(Picture(PIC3_CAR), screen, niva_kadrs * CAR_W, 0, niva_x, niva_y, CAR_W, CAR_H, -1);
    DrawNeedsStrip(screen);
}
