#include "frontend/load.h"

#include "frontend/menu.h"
#include "level0/lvl0.h"
#include "level1/lvl1.h"
#include "level2/lvl2.h"
#include "level3/lvl3.h"
#include "shell/clock.h"
#include "shell/keys.h"
#include "shell/log.h"

CLoad Load;

int ziim = 0;
int intro_alpha = 0;
int vers_alpha = 0;
float intro_laiks = 0;
float intro_laiks2 = 0;
bool _vers = false;

bool _lade0, _lade1, _lade2, _lade3;
int lvl0_lad, lvl1_lad, lvl2_lad, lvl3_lad;
float lvl0_laiks, lvl1_laiks, lvl2_laiks, lvl3_laiks;

namespace {

#ifdef _WIN32
const char* const VERSION_SCREEN = "load_screen/WINversija.jpg";
const char* const LEVEL_PICTURES[LEVELS][2] = {
    {"load_screen/lvl0.jpg", "load_screen/lvl0_.jpg"},
    {"load_screen/lvl1.jpg", "load_screen/lvl1_.jpg"},
    {"load_screen/lvl2.jpg", "load_screen/lvl2_.jpg"},
    {"load_screen/lvl3.jpg", "load_screen/lvl3_.jpg"},
};
#else
const char* const VERSION_SCREEN = "load_screen/LINUXversija.jpg";
const char* const LEVEL_PICTURES[LEVELS][2] = {
    {"load_screen/lvl0.jpg", "load_screen/lvl0_.jpg"},
    {"load_screen/lvl1.jpg", "load_screen/lvl1_.jpg"},
    {"load_screen/LVL2.jpg", "load_screen/LVL2_.jpg"},
    {"load_screen/LVL3.jpg", "load_screen/LVL3_.jpg"},
};
#endif

const char* const INSTRUCTION_PAGES[LEVELS] = {
    nullptr, "load_screen/izgl1.png", "load_screen/izgl2.png", "load_screen/izgl3.png"};

const int ARMED = 20;
const float FADE_STEP_MS = 30;

// One fade step when its time has come; returns whether a step was taken.
bool FadeStep(int& alpha, int direction, float now)
{
    if (now - intro_laiks <= FADE_STEP_MS) return false;
    intro_laiks = now;
    alpha += direction;
    // Slow through the dark end, four times faster past it.
    if (alpha > 20) alpha += 3 * direction;
    return true;
}

float Now() { return static_cast<float>(GameTicks()); }

}  // namespace

// How a world level's loading screen differs from the others: its pictures,
// its step values and its own globals.
struct CLoad::WorldLoading {
    int level;
    int notLoaded, loaded, instructions;
    int& step;
    bool& gate;
    float& loadTime;
    void (*loadLevel)(SDL_Surface* screen);
    bool fillTwice;
};

void CLoad::LoadScreens(SDL_Surface*)
{
    LogPrintf("Ielaadeejam load screenus...\n");
    ageNotice = LoadPicture("load_screen/pirmais.png");
    versionScreen = LoadPicture(VERSION_SCREEN);
    makerSplash = LoadPicture("load_screen/sorvel.jpg");
    for (int level = 0; level < LEVELS; level++) {
        titlePicture[level] = LoadPicture(LEVEL_PICTURES[level][0]);
        readyPicture[level] = LoadPicture(LEVEL_PICTURES[level][1]);
    }
    for (int level = 1; level < LEVELS; level++)
        instructionPage[level] = LoadPicture(INSTRUCTION_PAGES[level]);
    loadingMusic = LoadMusic("Music/loading.ogg", "loading.ogg");
    LogPrintf("Load screeni salaadeeti\n");
}

void CLoad::FreeMemory()
{
    LogPrintf("Tiiram load screenus...\n");
    FreeSurface(versionScreen);
    FreeSurface(ageNotice);
    FreeSurface(makerSplash);
    for (int level = 0; level < LEVELS; level++) {
        FreeSurface(titlePicture[level]);
        FreeSurface(readyPicture[level]);
        FreeSurface(instructionPage[level]);
    }
    FreeMusic(loadingMusic);
    LogPrintf("Load screeni iztiiriiti...\n");
}

void CLoad::Uzsetot()
{
    introActive = true;
    for (bool& active : loadActive) active = true;
    quitAsked = false;
    _lade0 = true;
    _lade1 = _lade2 = _lade3 = false;
    _vers = false;
    lvl0_lad = lvl1_lad = lvl2_lad = lvl3_lad = ARMED;
}

void CLoad::StartPage(int page)
{
    ziim = page;
    intro_alpha = 0;
    intro_laiks2 = 0;
    _vers = false;
}

void CLoad::LoadIntro(SDL_Surface* screen)
{
    const float now = Now();
    FillScreen(screen, 0, 0, 0);
    switch (ziim) {
    case 0: IntroAgeNotice(screen, now); break;
    case 1: IntroSplash(screen, now); break;
    case 2: IntroVersion(screen, now); break;
    }
}

void CLoad::IntroAgeNotice(SDL_Surface* screen, float now)
{
    if (!_vers) {
        FadeStep(intro_alpha, +1, now);
        if (intro_alpha <= 149) intro_laiks2 = now;
        if (intro_alpha > 250) _vers = true;
    }
    DrawFullScreen(ageNotice, screen, intro_alpha);
    if (Keys[SDLK_SPACE]) {
        // Escape goes with it, so both at once still go on rather than quit.
        Keys[SDLK_SPACE] = 0;
        Keys[SDLK_ESCAPE] = 0;
        StartPage(1);
    }
    if (Keys[SDLK_ESCAPE]) {
        Keys[SDLK_ESCAPE] = 0;
        quitAsked = true;
        Menu.pazust(quitAsked);
        LogPrintf("Nav vismaz 12 gadi\n");
    }
}

void CLoad::IntroSplash(SDL_Surface* screen, float now)
{
    if (!_vers) {
        FadeStep(intro_alpha, +1, now);
        if (intro_alpha <= 149) intro_laiks2 = now;
        if (intro_alpha > 250) _vers = true;
    } else {
        FadeStep(intro_alpha, -1, now);
        if (intro_alpha < 0) intro_alpha = 0;
        if (intro_alpha > 150) intro_laiks2 = now;
    }
    DrawFullScreen(makerSplash, screen, intro_alpha);
    if (Keys[SDLK_SPACE] || Keys[SDLK_ESCAPE]) {
        Keys[SDLK_SPACE] = Keys[SDLK_ESCAPE] = 0;
        ziim = 2;
        return;
    }
    if (intro_alpha < 5 && _vers && now - intro_laiks2 > 3000) ziim = 2;
}

void CLoad::IntroVersion(SDL_Surface* screen, float now)
{
    if (vers_alpha <= 249) {
        FadeStep(vers_alpha, +1, now);
        if (vers_alpha <= 149) intro_laiks2 = now;
    }
    DrawFullScreen(versionScreen, screen, vers_alpha);
    if (Keys[SDLK_SPACE] || Keys[SDLK_ESCAPE]) {
        Keys[SDLK_SPACE] = Keys[SDLK_ESCAPE] = 0;
        introActive = false;
        return;
    }
    if (vers_alpha > 250 && now - intro_laiks2 > 5000) introActive = false;
}

void CLoad::Load0(SDL_Surface* screen)
{
    if (lvl0_lad == ARMED) PlayMusicLooping(loadingMusic);
    FillScreen(screen, 0, 0, 0);
    DrawFullScreen(titlePicture[0], screen);
    // The title is shown by the first frame; the second one loads.
    if (lvl0_lad == 1 && _lade0) {
        LVL0.Load(screen);
        _lade0 = false;
        lvl0_laiks = Now();
    }
    lvl0_lad = 1;
    if (!_lade0 && Now() - lvl0_laiks > 3000) {
        DrawFullScreen(readyPicture[0], screen);
        lvl0_lad = 2;
    }
    if (Keys[SDLK_RETURN] && !_lade0 && lvl0_lad == 2) {
        Keys[SDLK_RETURN] = 0;
        Mix_HaltMusic();
        loadActive[0] = false;
    }
}

void CLoad::LoadWorldLevel(SDL_Surface* screen, const WorldLoading& level)
{
    if (level.step == ARMED) {
        PlayMusicLooping(loadingMusic);
        level.step = level.notLoaded;
    }
    FillScreen(screen, 0, 0, 0);
    if (level.fillTwice) FillScreen(screen, 0, 0, 0);
    DrawFullScreen(titlePicture[level.level], screen);
    if (level.step == level.notLoaded && level.gate) {
        level.loadLevel(screen);
        level.gate = false;
        level.loadTime = Now();
        level.step = level.loaded;
    }
    // The gate starts closed, so the first frame only shows the title.
    level.gate = true;
    if (level.step == level.loaded && Now() - level.loadTime > 2000)
        DrawFullScreen(readyPicture[level.level], screen);
    if (level.step == level.instructions) DrawFullScreen(instructionPage[level.level], screen);
    if (Keys[SDLK_RETURN] && level.step == level.loaded) {
        Keys[SDLK_RETURN] = 0;
        level.step = level.instructions;
    }
    if (Keys[SDLK_SPACE] && level.step == level.instructions) {
        Keys[SDLK_SPACE] = 0;
        loadActive[level.level] = false;
        Mix_HaltMusic();
    }
}

void CLoad::Load1(SDL_Surface* screen)
{
    const WorldLoading level = {1, 0, 2, 3, lvl1_lad, _lade1, lvl1_laiks,
                                [](SDL_Surface* s) { LVL1.Load(s); LVL1.Uzsetot(); }, false};
    LoadWorldLevel(screen, level);
}

void CLoad::Load2(SDL_Surface* screen)
{
    const WorldLoading level = {2, 0, 1, 2, lvl2_lad, _lade2, lvl2_laiks,
                                [](SDL_Surface* s) { LVL2.Load(s); LVL2.Uzsetot(); }, false};
    LoadWorldLevel(screen, level);
}

void CLoad::Load3(SDL_Surface* screen)
{
    const WorldLoading level = {3, 0, 1, 2, lvl3_lad, _lade3, lvl3_laiks,
                                [](SDL_Surface* s) { LVL3.Load(s); LVL3.Uzsetot(); }, true};
    LoadWorldLevel(screen, level);
}
