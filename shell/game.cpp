#include "shell/game.h"

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "frontend/load.h"
#include "frontend/menu.h"
#include "level0/lvl0.h"
#include "level1/lvl1.h"
#include "level2/lvl2.h"
#include "level3/lvl3.h"
#include "shell/clock.h"
#include "shell/draw.h"
#include "shell/keys.h"
#include "shell/log.h"
#include "shell/score.h"
#include "shell/timer.h"

SDL_Surface* screen = nullptr;
int kas_notiek = STATE_INTRO;
int tekosais_lvl = STATE_LEVEL0;
SDL_Surface* beck_screen = nullptr;
bool skanja = true;
bool Quit = false;
Uint32 looptime = 0;
Uint32 speles_atrums = 30;
char filename[100];

namespace {

#ifdef _WIN32
const int MIXER_CHUNK = 2048;
#else
const int MIXER_CHUNK = 1024;
#endif

// 1024x768, 32 bits per pixel, full screen or a window.
SDL_Surface* SetVideoMode(Uint32 flags) { return SDL_SetVideoMode(1024, 768, 32, flags); }

bool IsPlayState(int state)
{
    return state == STATE_LEVEL0 || state == STATE_LEVEL1 || state == STATE_LEVEL2 ||
           state == STATE_LEVEL3;
}

void OpenPause(SDL_Surface* screen)
{
    Keys[SDLK_p] = 0;
    kas_notiek = STATE_PAUSE;
    FreeSurface(beck_screen);
    beck_screen = SDL_DisplayFormat(screen);
}

void ToggleMusic()
{
    Keys[SDLK_F7] = 0;
    skanja = !skanja;
    if (skanja) {
        Mix_ResumeMusic();
        Mix_VolumeMusic(128);
    } else {
        Mix_PauseMusic();
        Mix_VolumeMusic(0);
    }
}

void MenuFrame(SDL_Surface* screen)
{
    Menu.Draw_menu(screen);
    if (Menu.enteris()) {
        Load.Uzsetot();
        kas_notiek = STATE_LOAD0;
        Menu.enteris_();
    }
    const int cheat = Menu.GetCheat();
    if (cheat >= 1 && cheat <= 3) {
        // A cheat goes straight to a level's loading screen; the levels
        // before it are never loaded.
        kas_notiek = STATE_LOAD1 + 2 * (cheat - 1);
        tekosais_lvl = kas_notiek + 1;
        Menu.SetCheat();
        Load.Uzsetot();
    }
}

void FreeLevel(int playState)
{
    switch (playState) {
    case STATE_LEVEL0: LVL0.FreeMemory(); break;
    case STATE_LEVEL1: LVL1.FreeMemory(); break;
    case STATE_LEVEL2: LVL2.FreeMemory(); break;
    case STATE_LEVEL3: LVL3.FreeMemory(); break;
    }
}

void PauseFrame(SDL_Surface* screen)
{
    if (Menu.Continue()) {
        Menu.Continue_();
        kas_notiek = tekosais_lvl;
    }
    if (Menu.Karte()) {
        Menu.Karte_();
        kas_notiek = tekosais_lvl;
        switch (tekosais_lvl) {
        case STATE_LEVEL1: LVL1.KarteSet(1); break;
        case STATE_LEVEL2: LVL2.KarteSet(1); break;
        case STATE_LEVEL3: LVL3.KarteSet(1); break;
        }
    }
    if (Menu.go_menu()) {
        FreeLevel(tekosais_lvl);
        Menu.go_menu_();
        kas_notiek = STATE_MENU;
    }
    Menu.pause(screen, beck_screen);
}

void LoadingFrame(SDL_Surface* screen, void (CLoad::*frame)(SDL_Surface*),
                  bool (CLoad::*active)() const)
{
    (Load.*frame)(screen);
    if (!(Load.*active)()) {
        kas_notiek += 1;
        tekosais_lvl = kas_notiek;
    }
}

void Level0Frame(SDL_Surface* screen)
{
    if (!LVL0.GetStatus()) {
        LVL0.Draw(screen);
        return;
    }
    LVL0.Iziets(screen);
    if (LVL0.UzNakamoLVL()) {
        kas_notiek = STATE_LOAD1;
        LVL0.FreeMemory();
        Score.SetScore(Score.GetScore(), 0);
    }
}

// Levels 1 and 2 hand over to the next loading screen; the level's own share
// is the total less the shares stored before it.
template <typename Level>
void WorldLevelFrame(SDL_Surface* screen, Level& level, int number)
{
    level.sceena(screen);
    if (!level.UzNakamoLVL()) return;
    kas_notiek = STATE_LOAD1 + 2 * number;
    level.FreeMemory();
    int earlier = 0;
    for (int slot = 0; slot < number; slot++) earlier += Score.GetScore(slot);
    Score.SetScore(Score.GetScore() - earlier, number);
}

void SaveScreenshot()
{
    time_t rawtime = GameCalendarTime();
    const tm* timeinfo = localtime(&rawtime);
    const int tday = timeinfo->tm_mday, tmon = timeinfo->tm_mon + 1, tyea = timeinfo->tm_year + 1900;
    const int thou = timeinfo->tm_hour, tmin = timeinfo->tm_min, tsec = timeinfo->tm_sec;
    snprintf(filename, sizeof filename, "%d-%d-%d_%d-%d-%d.bmp", tday, tmon, tyea, thou, tmin, tsec);
    // A file that cannot be written is reported as such, not as saved.
    if (SDL_SaveBMP_RW(screen, SDL_RWFromFile(filename, "wb"), 1) == 0)
        LogPrintf("Screenshot %s saved\n", filename);
    else
        LogPrintf("Screenshot %s nav saglabaats: %s\n", filename, SDL_GetError());
}

}  // namespace

void ToggleFullScreen()
{
    Keys[SDLK_F11] = 0;
    if (SDL_WM_ToggleFullScreen(screen)) return;
    // Where SDL cannot switch in place, the mode is set anew; the frame that
    // was on the old surface goes onto the new one.
    const Uint32 wanted = (screen->flags & SDL_FULLSCREEN) ^ SDL_FULLSCREEN;
    SDL_Surface* frame = SDL_DisplayFormat(screen);
    SDL_Surface* switched = SetVideoMode(wanted);
    if (!switched) {
        LogPrintf("Nevar iesleegt video modi: %s\n", SDL_GetError());
        switched = SetVideoMode(wanted ^ SDL_FULLSCREEN);
    }
    screen = switched;
    if (screen && frame) SDL_BlitSurface(frame, nullptr, screen, nullptr);
    SDL_FreeSurface(frame);
}

void DrawSceena(SDL_Surface* screen)
{
    if (Keys[SDLK_ESCAPE] && IsPlayState(kas_notiek)) OpenPause(screen);
    if (Keys[SDLK_F7]) ToggleMusic();

    switch (kas_notiek) {
    case STATE_INTRO:
        Load.LoadIntro(screen);
        if (!Load.introLade()) kas_notiek = STATE_MENU;
        break;
    case STATE_MENU: MenuFrame(screen); break;
    case STATE_PAUSE: PauseFrame(screen); break;
    case STATE_LOAD0: LoadingFrame(screen, &CLoad::Load0, &CLoad::lvl0Lade); break;
    case STATE_LEVEL0: Level0Frame(screen); break;
    case STATE_LOAD1: LoadingFrame(screen, &CLoad::Load1, &CLoad::lvl1Lade); break;
    case STATE_LEVEL1: WorldLevelFrame(screen, LVL1, 1); break;
    case STATE_LOAD2: LoadingFrame(screen, &CLoad::Load2, &CLoad::lvl2Lade); break;
    case STATE_LEVEL2: WorldLevelFrame(screen, LVL2, 2); break;
    case STATE_LOAD3: LoadingFrame(screen, &CLoad::Load3, &CLoad::lvl3Lade); break;
    case STATE_LEVEL3:
        LVL3.sceena(screen);
        if (LVL3.DemoBeigts() && Keys[SDLK_SPACE]) {
            LVL3.FreeMemory();
            kas_notiek = STATE_MENU;
            // The closing picture paused the town's music; the menu plays its own, as F7 allows.
            Menu.PlayMenuMusic(skanja);
        }
        break;
    }
}

int StartUp()
{
    LogPrintf("Inicializeeju SDL...\n");
    if (SDL_Init(SDL_INIT_EVERYTHING) == -1) {
        LogPrintf("Nesanaaca: %s.\n", SDL_GetError());
        return -1;
    }
    LogPrintf("SDL inicializeets.\n");
    LogPrintf("Inicicializeeju TTF...\n");
    if (TTF_Init() == -1) {
        LogPrintf("Nesanaaca: %s.\n", SDL_GetError());
        return -1;
    }
    LogPrintf("TTF cicilizeets.\n");
    screen = SetVideoMode(SDL_FULLSCREEN);
    if (!screen) {
        LogPrintf("Nevar iesleegt video modi: %s\n", SDL_GetError());
        SDL_Quit();
        return -1;
    }
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, MIXER_CHUNK) == -1) {
        LogPrintf("Mix_OpenAudio: %s\n", SDL_GetError());
        SDL_Quit();
        return -1;
    }
    Mix_AllocateChannels(20);
    SDL_WM_SetCaption("viPRats", "...");
    SDL_ShowCursor(SDL_DISABLE);
    SDL_EnableUNICODE(1);
    Timer.Initialize();
    QuitEvent = false;
    srand(static_cast<unsigned>(GameCalendarTime()));
    Load.LoadScreens(screen);
    Load.Uzsetot();
    Menu.Load_menu(screen);
    return 0;
}

void RunFrame()
{
    HandleEvents();
    if (Keys[SDLK_F11]) ToggleFullScreen();
    // A display that takes neither mode any more ends the game in order
    // rather than drawing into nothing.
    if (!screen) {
        Quit = true;
        return;
    }
    Timer.Update();
    // The desktop's way of ending a program is the menu's exit.
    if (QuitEvent) Menu.pazust(true);
    Quit = Menu.pazust();
    DrawSceena(screen);
    if (Keys[SDLK_F8]) {
        SaveScreenshot();
        Keys[SDLK_F8] = 0;
    }
    SDL_Flip(screen);
    while (GameTicks() - looptime < speles_atrums) GameDelay(10);
    looptime = GameTicks();
}

void ShutDown()
{
    Menu.FreeMemory();
    Load.FreeMemory();
    FreeSurface(beck_screen);
    LogPrintf("Nahrenizeju TTF...\n");
    TTF_Quit();
    Mix_CloseAudio();
    LogPrintf("Nahrenizeju SDL...\n");
    SDL_Quit();
    LogPrintf("Izeju no viPRats...\n");
}

int RunGame()
{
    if (StartUp() != 0) return -1;
    while (!Quit) RunFrame();
    ShutDown();
    return 0;
}
