#include "level3/lvl3.h"

#include <cstdio>

#include "level3/lvl3_content.h"
#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "shell/score.h"
#include "world/collision.h"

CLvl3 LVL3;

namespace {

const int CLOSING_START_ALPHA = 180;
const int HUNT_SIGHT_X = 200, HUNT_SIGHT_Y = 300;
const float BASKET_X = 500, BASKET_Y = 650;
const int FULL_LIFE = 385;

const DialogLook DIALOG_LOOK = {DialogLoc3, DialogLoc32, balt, true, -1};

}  // namespace

// Who says what, and what each answer does (Y first, then N).
const DialogEntry LEVEL3_DIALOGS[DIALOGS3] = {
    {"                    Eees...gal\xeegi...es...nu ES GRIB DZERT, atnes no veikal ... labais cilv\xe7k!",
     "                    Mee ... totally ... i ... i WANT BEER, bring some from store... good man!",
     [] {
         LVL3.CloseDialog();
         misi[SPOT_SHOP].active = true;
     },
     [] {
         LVL3.CloseDialog();
         misi[SPOT_SHOP].active = false;
         misi[SPOT_DRINKER].active = true;
     }},
    {"                                             Puik, atnes bela\xf0us un es tev uztic\xe7\xf0os!",
     "                                       Boy, bring some \"bela\xf0i\" and you will gain my trust!",
     [] { LVL3.CloseDialog(); },
     [] {
         LVL3.CloseDialog();
         misi[SPOT_BELASI_MAN].active = true;
     }},
    {"                Labs puik, labs... zin ja gribi tj\xfbn\xe7t ma\xf0\xeenu, atrodi Riktis un parun\xe2, saki es "
     "s\xfbtu!",
     "     Good boy, good... you know, if you want to tune some cars, find Riktis and talk, tell him i sent you!",
     [] {
         LVL3.CloseDialog();
         misi[SPOT_RIKTIS].active = true;
     },
     [] {
         LVL3.CloseDialog();
         misi[SPOT_RIKTIS].active = false;
         misi[SPOT_BELASI_MAN].active = true;
         // The man asks again next time: with the task left done nothing
         // would open here and the exit could never unlock.
         uzdevums[TASK_BELASI] = 1;
     }},
    {"                       Tad tu saki ka grib tj\xfbn\xe7t, nu .... vispirms par\xe2"
     "di k\xe2 m\xe2ki braukt",
     "                         So you say you want tuning, well .... first show me you driving",
     [] {
         LVL3.CloseDialog();
         process3 = STATE3_RACE;
     },
     [] {
         LVL3.CloseDialog();
         misi[SPOT_RIKTIS].active = true;
     }},
    {"                   Zini, kad es biju jauns, m\xe7s med\xeej\xe2m visu pa\xf0"
     "ai ... starpcitu, gribi med\xeet?",
     "                    You know, whewn i was young, we hunted .... by the way, you want to hunt?",
     [] {
         LVL3.CloseDialog();
         process3 = STATE3_HUNT;
         misi[SPOT_HUNTER].active = false;
         misi[SPOT_HUNT].active = true;
     },
     [] {
         LVL3.CloseDialog();
         misi[SPOT_HUNTER].active = true;
     }},
    {"             Laipni l\xfb"
     "dzam KAUTUV\xc7! \xd0"
     "eit vieta ir tikai \xeestiem v\xeeriem, \xeestiem patriotiem, tu esi?",
     "                  Welcome to KAUTUVE! This ir place for real mens, real patriots, are you?",
     [] {
         // Two steps: the box stays and asks again, and a fresh Y answers.
         Keys[SDLK_y] = 0;
         dnr = 6;
     },
     [] {
         LVL3.CloseDialog();
         misi[SPOT_SLAUGHTERHOUSE].active = true;
     }},
    {"Nu drosm\xeegs, drosm\xeegs.... tad ej atrodi un piekauj to kas tur pie ce\xef"
     "a meln\xe2 krekl\xe2, vi\xf2\xf0 man par\xe2"
     "d\xe2!",
     "Brave man, brave.... well then, go and beat up the guy next to road, in black shirt, he has my money!",
     [] {
         LVL3.CloseDialog();
         misi[SPOT_SLAUGHTERHOUSE].active = false;
         misi[SPOT_FIGHT].active = true;
     },
     [] {
         LVL3.CloseDialog();
         misi[SPOT_SLAUGHTERHOUSE].active = true;
     }},
};

void LoadLvl3Col() { LoadCollisionFile(LEVEL3.walls); }

CLvl3::CLvl3()
    : COverworld(LEVEL3, lvl3World),
      dialogBox(DIALOG_LOOK, LEVEL3_DIALOGS, DIALOGS3, {DialogText3L, sizeof DialogText3L},
                {DialogText3A, sizeof DialogText3A}, dialogi_set2)
{
}

void CLvl3::Load(SDL_Surface*)
{
    LogPrintf("%s", values.log.loading);
    LoadAssets();
    LoadLvl3Col();
    LogPrintf("%s", values.log.loaded);
}

void CLvl3::Uzsetot()
{
    LogPrintf("%s", values.log.settingUp);
    // The score is kept: a restart from the hunger notice keeps the points.
    SetUpWorld();
    demoEnded = false;
    dialogOpen = false;
    dnr = 0;
    for (int& task : uzdevums) task = TASK_NOT_GIVEN;
    dialogBox.Rearm();
    suds_laiks3 = 0;
    suds_kadrs3 = 0;
    for (int k = 0; k < MISSION_SPOTS3; k++) misi[k] = {TOWN_SPOTS[k].x, TOWN_SPOTS[k].y, TOWN_SPOTS[k].active};

    veikals_iet = false;
    grozsx = BASKET_X;
    grozsy = BASKET_Y;
    tun_proc = 0;
    select_locy = 0;
    for (const TuningPart& part : TUNING_PARTS_BY_ROW)
        if (part.choice) *part.choice = 0;
    sitveci_iet = false;
    sit_dzivibas = FULL_LIFE;
    sit_dziv_laiks = 0;
    medibas_iet = false;
    Med_merkisx = HUNT_SIGHT_X;
    Med_merkisy = HUNT_SIGHT_Y;
    gonka_iet = false;
    beigas_y = CLOSING_START_ALPHA;
    LogPrintf("%s", values.log.setUp);
}

void CLvl3::FreeMemory()
{
    LogPrintf("%s", values.log.freeing);
    FreeAssets();
    // Leaving the town from the garage must not leak the tuning pictures.
    if (TuningLoaded()) Free_tuning();
    scoreText.Free();
    huntText.Free();
    dialogBox.Free();
    LogPrintf("%s", values.log.freed);
}

void CLvl3::RunState(SDL_Surface* screen)
{
    switch (process3) {
    case STATE3_WORLD: Draw(screen); break;
    case STATE3_SHOP: mini_veikals(screen); break;
    case STATE3_RACE: mini_gonka(screen); break;
    case STATE3_HUNT: mini_medibas(screen); break;
    case STATE3_FIGHT: mini_sitveci(screen); break;
    case STATE3_TUNING: mini_tunesana(screen); break;
    case STATE3_MAP:
        FullScreenState(screen, PIC3_MAP);
        LeaveOn(SDLK_k);
        break;
    case STATE3_HUNGER:
        FullScreenState(screen, PIC3_HUNGER_NOTICE);
        if (Keys[SDLK_RETURN]) {
            Keys[SDLK_RETURN] = 0;
            process3 = STATE3_WORLD;
            Uzsetot();
        }
        break;
    case STATE3_POTTY: pods(screen); break;
    case STATE3_BOARD:
        FullScreenState(screen, PIC3_BOARD);
        LeaveOn(SDLK_RETURN);
        break;
    case STATE3_CLOSING: beigas(screen); break;
    case STATE3_INFO:
        FullScreenState(screen, PIC3_INFO);
        LeaveOn(SDLK_i);
        LeaveOn(SDLK_RETURN);
        break;
    }
}

void CLvl3::FullScreenState(SDL_Surface* screen, int picture) { DrawFullScreen(Picture(picture), screen); }

void CLvl3::LeaveOn(SDLKey key)
{
    if (!Keys[key]) return;
    Keys[key] = 0;
    process3 = STATE3_WORLD;
}

void CLvl3::DrawText(SDL_Surface* screen)
{
    const int score = Score.GetScore();
    char punkti[16];
    snprintf(punkti, sizeof punkti, "%05d ", score);
    scoreText.Set(Font(FONT3_SCORE), punkti, score >= 0 ? dze : sa);
    scoreText.Draw(screen, Score3loc);
}

void CLvl3::beigas(SDL_Surface* screen)
{
    if (beigas_y < 255) beigas_y += 1;
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(Picture(PIC3_CLOSING), screen, beigas_y);
}

void CLvl3::OpenDialog(int number)
{
    dialogOpen = true;
    dnr = number;
}

void CLvl3::dialogs(SDL_Surface* screen, int number)
{
    dialogBox.Show(screen, Picture(PIC3_DIALOG), Font(FONT3_BIG), number);
}
