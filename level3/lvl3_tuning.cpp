#include <cstdio>

#include "level3/lvl3.h"
#include "level3/lvl3_content.h"
#include "shell/keys.h"
#include "shell/log.h"

namespace {

enum TuningStep { SHOW_LOADING, LOADING, GARAGE, TUNING };
enum TuningSlot { GARAGE_SCREEN, HIGHLIGHT, CAR, FIRST_PART };

const int LAST_ROW = TUNING_ROWS - 1;

// The slot of a part's first picture: the parts follow each other in row order.
int FirstSlotOfRow(int row)
{
    int slot = FIRST_PART;
    for (int r = 0; r < row; r++) slot += TUNING_PARTS_BY_ROW[r].choices;
    return slot;
}

void StepChoice(int row, int delta)
{
    const TuningPart& part = TUNING_PARTS_BY_ROW[row];
    if (!part.choice) return;
    int& choice = *part.choice;
    choice += delta;
    if (choice > part.choices) choice = 0;
    if (choice < 0) choice = part.choices;
}

bool Pressed(SDLKey key)
{
    if (!Keys[key]) return false;
    Keys[key] = 0;
    return true;
}

}  // namespace

SDL_Surface* CLvl3::TuningPicture(int slot) const
{
    return slot >= 0 && slot < TUNING_PICTURES ? tuning[slot] : nullptr;
}

bool CLvl3::TuningLoaded() const
{
    for (SDL_Surface* picture : tuning)
        if (picture) return true;
    return false;
}

void CLvl3::Load_tuning()
{
    LogPrintf("----ladejam lvl 3 tuning\n");
    // A picture still held from a visit left with q is replaced, never held twice.
    const char* const fixed[FIRST_PART] = {"lvl3/Tuning/tune1.png", "lvl3/Tuning/select.png",
                                           "lvl3/Tuning/Mosis/fons.png"};
    for (int slot = 0; slot < FIRST_PART; slot++) {
        FreeSurface(tuning[slot]);
        tuning[slot] = LoadPicture(fixed[slot]);
    }
    int slot = FIRST_PART;
    for (const TuningPart& part : TUNING_PARTS_BY_ROW) {
        for (int k = 1; k <= part.choices && slot < TUNING_PICTURES; k++, slot++) {
            char path[96];
            snprintf(path, sizeof path, "lvl3/Tuning/Mosis/%s/%s%d.png", part.folder, part.prefix, k);
            FreeSurface(tuning[slot]);
            tuning[slot] = LoadPicture(path);
        }
    }
    LogPrintf("----lvl 3 tuning sasalaadeets\n");
}

void CLvl3::Free_tuning()
{
    LogPrintf("----Raveejam Tuning no atminjas...\n");
    for (SDL_Surface*& picture : tuning) FreeSurface(picture);
    ReturnFreedMemory();
    LogPrintf("----Tuning izraveets no atminjas\n");
}

void CLvl3::mini_tunesana(SDL_Surface* screen)
{
    switch (tun_proc) {
    case SHOW_LOADING:
        DrawFullScreen(Picture(PIC3_TUNING_LOADING), screen);
        tun_proc = LOADING;
        break;
    case LOADING:
        Load_tuning();
        tun_proc = GARAGE;
        break;
    case GARAGE:
        if (Keys[SDLK_q]) {
            process3 = STATE3_WORLD;
            tun_proc = SHOW_LOADING;
        }
        if (Keys[SDLK_2]) tun_proc = TUNING;
        FillScreen(screen, 0, 0, 0);
        DrawFullScreen(tuning[GARAGE_SCREEN], screen);
        break;
    case TUNING: TuningScreen(screen); break;
    }
    if (Keys[SDLK_v]) {
        // Logged in every step; v before the load releases nothing, as nothing is held.
        Free_tuning();
        process3 = STATE3_WORLD;
        tun_proc = SHOW_LOADING;
    }
}

void CLvl3::TuningScreen(SDL_Surface* screen)
{
    if (Pressed(SDLK_UP)) select_locy -= 1;
    if (Pressed(SDLK_DOWN)) select_locy += 1;
    if (select_locy < 0) select_locy = LAST_ROW;
    if (select_locy > LAST_ROW) select_locy = 0;
    if (Pressed(SDLK_RIGHT)) StepChoice(select_locy, +1);
    if (Pressed(SDLK_LEFT)) StepChoice(select_locy, -1);

    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(tuning[CAR], screen);
    zimetBildi(tuning[HIGHLIGHT], screen, 0, 0, 49, 47 + 63 * select_locy, 170, 38, -1);
    for (const int row : TUNING_DRAW_ORDER) {
        const int choice = *TUNING_PARTS_BY_ROW[row].choice;
        if (choice > 0) DrawFullScreen(tuning[FirstSlotOfRow(row) + choice - 1], screen);
    }
}
