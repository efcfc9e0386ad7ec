#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const float SIGHT_SPEED = 250, BIRD_SPEED = 150, FALL_SPEED = 170;
const float SIGHT_AIM_X = 381, SIGHT_AIM_Y = 45;
const int HIT_BOX = 100;
const int HUNT_GOAL = 25;
const float FALL_STEP_MS = 250;
const int BIRD_W = 91, BIRD_H = 101;
const int SIGHT_W = 769, SIGHT_H = 438;
// The rifle-and-arms picture is 438 rows; its last rows run straight down and
// are repeated to the screen's bottom under a raised sight.
const int SIGHT_TAIL = 32;

void RespawnFromLeft(Bird& bird)
{
    bird.flying = true;
    bird.frame = 0;
    bird.x = rand() % 500 - 800;
    bird.y = rand() % 600;
}

void RespawnFromRight(Bird& bird)
{
    bird.flying = true;
    bird.frame = 0;
    bird.x = rand() % 500 + 1024;
    bird.y = rand() % 600;
}

// A hit bird tumbles down and, at its sixth fall step, is replaced. The
// flock shares one stamp: the first falling bird to find it due takes it.
void Fall(Bird& bird, float& stamp, float now, float dt, void (*respawn)(Bird&))
{
    if (bird.flying) return;
    bird.y = static_cast<int>(bird.y + FALL_SPEED * dt);
    if (now - stamp > FALL_STEP_MS) {
        stamp = now;
        if (bird.frame < 7) bird.frame += 1;
        if (bird.frame > 5) respawn(bird);
    }
}

bool Hits(const Bird& bird, float ax, float ay)
{
    return bird.x < ax && ax < bird.x + HIT_BOX && bird.y < ay && ay < bird.y + HIT_BOX;
}

}  // namespace

void CLvl3::mini_medibas(SDL_Surface* screen)
{
    QuitOnQ();
    if (!medibas_iet)
        HuntIntro(screen);
    else
        HuntFrame(screen);
}

void CLvl3::HuntIntro(SDL_Surface* screen)
{
    DrawTextB2 = false;
    DrawFullScreen(Picture(PIC3_HUNT_INTRO), screen);
    if (!Keys[SDLK_RETURN]) return;
    medibas_iet = true;
    DrawTextB2 = true;
    for (int i = 0; i < 3; i++) {
        RespawnFromLeft(putns1[i]);
        RespawnFromRight(putns2[i]);
    }
    putns_laiks = putns2_laiks = 0;
    med_info_int = 0;
    RenderHuntCounter();
}

void CLvl3::RenderHuntCounter()
{
    snprintf(med_info_char, sizeof med_info_char, "%d/25", med_info_int);
    huntText.Set(Font(FONT3_BIG), med_info_char, balt);
}

void CLvl3::HuntFrame(SDL_Surface* screen)
{
    const float step = SIGHT_SPEED * Timelvl3;
    if (Keys[SDLK_LEFT]) Med_merkisx -= step;
    if (Keys[SDLK_RIGHT]) Med_merkisx += step;
    if (Keys[SDLK_UP]) Med_merkisy -= step;
    if (Keys[SDLK_DOWN]) Med_merkisy += step;
    Shoot();
    MoveBirds();
    // Only exactly the goal ends it: a double hit from 24 goes past.
    if (med_info_int == HUNT_GOAL) {
        process3 = STATE3_WORLD;
        medibas_iet = false;
    }
    DrawHunt(screen);
}

void CLvl3::Shoot()
{
    if (!Keys[SDLK_SPACE]) return;
    Keys[SDLK_SPACE] = 0;
    PlaySound(CHANNEL3_SHOT, Sound(SND3_SHOT));
    const float ax = Med_merkisx + SIGHT_AIM_X, ay = Med_merkisy + SIGHT_AIM_Y;
    for (int i = 0; i < 3; i++)
        for (Bird* bird : {&putns1[i], &putns2[i]})
            if (Hits(*bird, ax, ay)) {
                bird->flying = false;
                Score.AddScore(1);
                med_info_int += 1;
                RenderHuntCounter();
            }
}

void CLvl3::MoveBirds()
{
    const float dt = Timelvl3;
    const float now = NowTicks();
    for (int i = 0; i < 3; i++) {
        putns1[i].x = static_cast<int>(putns1[i].x + BIRD_SPEED * dt);
        putns2[i].x = static_cast<int>(putns2[i].x - BIRD_SPEED * dt);
        if (putns1[i].x > 768) RespawnFromLeft(putns1[i]);
        if (putns2[i].x < -BIRD_W) RespawnFromRight(putns2[i]);
        Fall(putns1[i], putns_laiks, now, dt, RespawnFromLeft);
        Fall(putns2[i], putns2_laiks, now, dt, RespawnFromRight);
    }
}

void CLvl3::DrawHunt(SDL_Surface* screen)
{
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(PIC3_HUNT_BACK), screen);
    for (int i = 0; i < 3; i++) {
        const Bird& right = putns1[i];
        const Bird& left = putns2[i];
        if (right.flying) zimetBildi(Picture(PIC3_BIRD_RIGHT), screen, 0, 0, right.x, right.y, BIRD_W, BIRD_H, -1);
        if (left.flying) zimetBildi(Picture(PIC3_BIRD_LEFT), screen, 0, 0, left.x, left.y, BIRD_W, BIRD_H, -1);
        if (!right.flying)
            zimetBildi(Picture(PIC3_BIRD_FALLING), screen, right.frame * BIRD_W, 0, right.x, right.y, BIRD_W, BIRD_H,
                       -1);
        if (!left.flying)
            zimetBildi(Picture(PIC3_BIRD_FALLING), screen, left.frame * BIRD_W, 0, left.x, left.y, BIRD_W, BIRD_H,
                       -1);
    }
    const int sightX = static_cast<int>(Med_merkisx), sightY = static_cast<int>(Med_merkisy);
    zimetBildi(Picture(PIC3_SIGHT), screen, 0, 0, sightX, sightY, SIGHT_W, SIGHT_H, -1);
    // Raised, the picture would end in mid-air: the arms go on to the bottom.
    // Its rows are all alike, so a sight far above the screen costs no more.
    for (int y = std::max(sightY + SIGHT_H, 0); y < screen->h; y += SIGHT_TAIL)
        zimetBildi(Picture(PIC3_SIGHT), screen, 0, SIGHT_H - SIGHT_TAIL, sightX, y, SIGHT_W, SIGHT_TAIL, -1);
    zimetBildi(Picture(PIC3_HUNT_PANEL), screen, 0, 0, 904, 628, 120, 120, -1);
    huntText.Draw(screen, med_info_loc);
    DrawNeedsStrip(screen);
}
