#include "level2/lvl2.h"

#include <cstdio>

#include "level2/lvl2_content.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "shell/score.h"

CLvl2 LVL2;

namespace {

const float BUCKET_START = 335;
const FarmPoint HAND_START = {360, 500};

}  // namespace

void LoadLvl2Col() { LoadCollisionFile(LEVEL2.walls); }

CLvl2::CLvl2()
    : COverworld(LEVEL2, lvl2World),
      dialogBox(LEVEL2_DIALOG_LOOK, LEVEL2_DIALOGS, DIALOGS2, {DialogTextL, sizeof DialogTextL},
                {DialogTextA, sizeof DialogTextA}, dialogi_set)
{
}

void CLvl2::Load(SDL_Surface*)
{
    LogPrintf("%s", values.log.loading);
    LoadAssets();
    LoadLvl2Col();
    LogPrintf("%s", values.log.loaded);
}

void CLvl2::Uzsetot()
{
    LogPrintf("%s", values.log.settingUp);
    // The score is left as it is: a restart keeps what was earned.
    SetUpWorld();

    suds_kadrs2 = 0;
    suds_laiks2 = 0;
    musha_kadrs = 0;
    musha_laiks = 0;
    grabeklis_kadrs = 0;
    ir_uz_grab = 0;
    for (int k = 0; k < FLIES2; k++) musha[k] = {FLY_START[k].x, FLY_START[k].y, false};

    dialogOpen = false;
    spainisy = BUCKET_START;
    misija = 0;

    for (int k = 0; k < TRIGGER_SPOTS; k++) mini[k] = {TRIGGER_SPOT_AT[k].x, TRIGGER_SPOT_AT[k].y, false};
    for (int k : {SPOT2_QUEST_GIVER, SPOT2_POTTY, SPOT2_FOOD}) mini[k].active = true;

    olas_iet = false;
    rokax = static_cast<float>(HAND_START.x);
    rokay = static_cast<float>(HAND_START.y);
    savaktas_olas = 0;
    for (int k = 0; k < EGGS; k++) ola[k] = {EGG_AT[k].x, EGG_AT[k].y, true};
    for (int k = 0; k < HENS; k++) vista[k] = {HEN_START[k].x, HEN_START[k].y, false};
    vista_laiks = 0;

    for (int k = 0; k < FIREWOOD; k++) malka[k] = {FIREWOOD_AT[k].x, FIREWOOD_AT[k].y, true};
    malkas_chupa = 0;
    RenderWoodCount();

    ogas_iet = 0;
    detonat = 0;
    dialogBox.Rearm();
    LogPrintf("%s", values.log.setUp);
}

void CLvl2::FreeMemory()
{
    LogPrintf("%s", values.log.freeing);
    FreeAssets();
    scoreText.Free();
    woodText.Free();
    eggText.Free();
    dialogBox.Free();
    LogPrintf("%s", values.log.freed);
}

void CLvl2::RunState(SDL_Surface* screen)
{
    switch (process2) {
    case STATE2_WORLD: Draw(screen); break;
    case STATE2_EGGS: mini_olas(screen); break;
    case STATE2_WELL: mini_aka(screen); break;
    case STATE2_BERRIES: mini_ogas(screen); break;
    case STATE2_POTTY: pods(screen); break;
    case STATE2_INFO:
        FullScreenState(screen, PIC2_INFO);
        for (SDLKey key : {SDLK_i, SDLK_RETURN})
            if (Keys[key]) {
                Keys[key] = 0;
                process2 = STATE2_WORLD;
            }
        break;
    case STATE2_MAP:
        FullScreenState(screen, PIC2_MAP);
        if (Keys[SDLK_k]) {
            Keys[SDLK_k] = 0;
            process2 = STATE2_WORLD;
        }
        break;
    case STATE2_HUNGER:
        FullScreenState(screen, PIC2_HUNGER);
        if (Keys[SDLK_RETURN]) {
            Keys[SDLK_RETURN] = 0;
            process2 = STATE2_WORLD;
            Uzsetot();
        }
        break;
    }
}

void CLvl2::FullScreenState(SDL_Surface* screen, int picture) { DrawFullScreen(Picture(picture), screen); }

void CLvl2::DrawText(SDL_Surface* screen)
{
    const int score = Score.GetScore();
    snprintf(punkti2, sizeof punkti2, "%05d ", score);
    scoreText.Set(Font(FONT2_SCORE), punkti2, score >= 0 ? dzel : sar);
    scoreText.Draw(screen, Score2loc);
}

void CLvl2::RenderWoodCount()
{
    snprintf(malka_skaits_char, sizeof malka_skaits_char, "%d/6", malkas_chupa);
    woodText.Set(Font(FONT2_BIG), malka_skaits_char, bal);
}

void CLvl2::dialogs(SDL_Surface* screen, int index)
{
    dialogBox.Show(screen, Picture(PIC2_DIALOG), Font(FONT2_BIG), index);
}

void CLvl2::DrawInfo(SDL_Surface* screen)
{
    char lines[3][CachedText::MAX_LENGTH];
    snprintf(lines[0], sizeof lines[0], "%4.2f    %4.2f ", player10.screenX, player10.screenY);
    snprintf(lines[1], sizeof lines[1], "%4.2f  %4.2f ", offsetX2, offsetY2);
    snprintf(lines[2], sizeof lines[2], "%4.2f  %4.2f   malka:%d", offsetX2 + player10.screenX,
             offsetY2 + player10.screenY, malkas_chupa);
    const char* const text[3] = {lines[0], lines[1], lines[2]};
    DrawDevOverlay(screen, text);
}
