#include "level0/lvl0.h"

#include "shell/keys.h"
#include "shell/log.h"
#include "shell/score.h"

CLvl0 LVL0;

bool spele_iet = false;

void CLvl0::Load(SDL_Surface*)
{
    LogPrintf("-Laadeeju lvl 0\n");
    view.Open();
    // A new game always starts level 0 afresh, even when an earlier game in
    // this run finished it or left it through the pause screen.
    spele_iet = false;
    levelDone = goNext = false;
    LogPrintf("-Lvl 0 pielaadeets\n");
}

void CLvl0::Uzsetot()
{
    LogPrintf("-Uzsetojam lvl 0...\n");
    levelDone = goNext = false;
    Score.Reset();
    LogPrintf("-lvl 0 uzsetots\n");
}

void CLvl0::Draw(SDL_Surface* screen)
{
    if (!spele_iet) {
        Uzsetot();
        spele_iet = true;
    }
    view.Show(screen, "Limenis 0 / Level 0", "Enter: limenis pabeigts / level done");
    if (Keys[SDLK_RETURN]) {
        Keys[SDLK_RETURN] = 0;
        levelDone = true;
    }
}

void CLvl0::Iziets(SDL_Surface* screen)
{
    view.Show(screen, "Piedzimsana / Birth", "Enter: uz limeni 1 / on to level 1");
    if (Keys[SDLK_RETURN]) {
        Keys[SDLK_RETURN] = 0;
        goNext = true;
    }
}

void CLvl0::FreeMemory()
{
    LogPrintf("-Lvl 0 atbrivojam...\n");
    view.Close();
    LogPrintf("-Lvl 0 atbrivots\n");
}
