#include <cstdlib>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "world/ticks.h"

namespace {

const int FULL_LIFE = 385;
const float RECOVERY_MS = 800;
const int WIN_SCORE = 10;

struct BodyPart {
    SDLKey key;
    int damage;
};

// Head, left leg, left arm, stomach, right leg, right arm, groin; their
// pictures are the pairs from PIC3_PART_TARGET on, in this order.
const BodyPart BODY_PARTS[7] = {
    {SDLK_w, 8}, {SDLK_c, 6}, {SDLK_d, 4}, {SDLK_s, 7}, {SDLK_z, 6}, {SDLK_a, 6}, {SDLK_x, 10},
};

}  // namespace

void CLvl3::mini_sitveci(SDL_Surface* screen)
{
    if (!sitveci_iet)
        FightIntro(screen);
    else
        FightFrame(screen);
}

void CLvl3::FightIntro(SDL_Surface* screen)
{
    DrawTextB2 = false;
    DrawFullScreen(Picture(PIC3_FIGHT_INTRO), screen);
    if (Keys[SDLK_RETURN]) {
        sitveci_iet = true;
        DrawTextB2 = true;
        kermdalja = rand() % 6;  // the first target is never the groin
        sit_dzivibas = FULL_LIFE;
    }
}

void CLvl3::FightFrame(SDL_Surface* screen)
{
    const float now = NowTicks();
    if (sit_dzivibas < FULL_LIFE && now - sit_dziv_laiks > RECOVERY_MS) {
        sit_dziv_laiks = now;
        sit_dzivibas += 1;
    }
    if (sit_dzivibas <= 0) {
        sit_dzivibas = 1;
        process3 = STATE3_WORLD;
        Score.AddScore(WIN_SCORE);
        sitveci_iet = false;
        if (uzdevums[TASK_FIGHT] == TASK_NOT_GIVEN) {
            uzdevums[TASK_FIGHT] = 1;
            misi[SPOT_SLAUGHTERHOUSE].active = true;
            misi[SPOT_FIGHT].active = false;
        }
    }
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(PIC3_FIGHT_BACK), screen);
    zimetBildi(Picture(PIC3_LIFE_BAR), screen, 0, 0, 335, 20, sit_dzivibas > 0 ? sit_dzivibas : 0, 19, -1);

    // The part offered is always one of the seven.
    const int part = kermdalja >= 0 && kermdalja < 7 ? kermdalja : 0;
    DrawFullScreen(Picture(PIC3_PART_TARGET + 2 * part), screen);
    if (Keys[BODY_PARTS[part].key]) {
        DrawFullScreen(Picture(PIC3_PART_TARGET + 2 * part + 1), screen);
        Keys[BODY_PARTS[part].key] = 0;
        kermdalja = rand() % 7;
        sit_dzivibas -= BODY_PARTS[part].damage;
        PlaySound(CHANNEL3_HIT, Sound(SND3_HIT));
    }
    DrawNeedsStrip(screen);
}
