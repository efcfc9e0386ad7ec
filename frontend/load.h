#ifndef VIPRATS_FRONTEND_LOAD_H
#define VIPRATS_FRONTEND_LOAD_H

#include "shell/draw.h"

const int LEVELS = 4;

extern int ziim;
extern int intro_alpha;
extern int vers_alpha;
extern float intro_laiks;
extern float intro_laiks2;
extern bool _vers;

extern bool _lade0, _lade1, _lade2, _lade3;
extern int lvl0_lad, lvl1_lad, lvl2_lad, lvl3_lad;
extern float lvl0_laiks, lvl1_laiks, lvl2_laiks, lvl3_laiks;

// The intro and the loading screens shown before each level.
class CLoad : public CScene {
public:
    void LoadScreens(SDL_Surface* screen);
    void Uzsetot();
    void LoadIntro(SDL_Surface* screen);
    void Load0(SDL_Surface* screen);
    void Load1(SDL_Surface* screen);
    void Load2(SDL_Surface* screen);
    void Load3(SDL_Surface* screen);
    void FreeMemory();

    bool introLade() const { return introActive; }
    bool lvl0Lade() const { return loadActive[0]; }
    bool lvl1Lade() const { return loadActive[1]; }
    bool lvl2Lade() const { return loadActive[2]; }
    bool lvl3Lade() const { return loadActive[3]; }

private:
    struct WorldLoading;
    void LoadWorldLevel(SDL_Surface* screen, const WorldLoading& level);
    void IntroAgeNotice(SDL_Surface* screen, float now);
    void IntroSplash(SDL_Surface* screen, float now);
    void IntroVersion(SDL_Surface* screen, float now);
    void StartPage(int page);

    SDL_Surface* versionScreen;
    SDL_Surface* ageNotice;
    SDL_Surface* makerSplash;
    SDL_Surface* titlePicture[LEVELS];
    SDL_Surface* readyPicture[LEVELS];
    SDL_Surface* instructionPage[LEVELS];  // none for level 0
    Mix_Music* loadingMusic;
    bool introActive;
    bool loadActive[LEVELS];
    bool quitAsked;
};

extern CLoad Load;

#endif
