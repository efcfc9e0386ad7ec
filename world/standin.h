#ifndef VIPRATS_WORLD_STANDIN_H
#define VIPRATS_WORLD_STANDIN_H

#include "shell/draw.h"

// A small labelled screen in place of a level that is not built yet, so that
// the whole path from the menu to the closing picture can be walked.
class CStandInScreen : public CScene {
public:
    void Open();
    void Close();
    // Draws a dark screen with a title line and a hint line.
    void Show(SDL_Surface* screen, const char* title, const char* hint);

private:
    TTF_Font* titleFont = nullptr;
    TTF_Font* hintFont = nullptr;
    SDL_Surface* titleText = nullptr;
    SDL_Surface* hintText = nullptr;
    const char* shownTitle = nullptr;
    const char* shownHint = nullptr;
};

// The interface the scene machine and the loading screens use for levels 1 to
// 3: load, set up, one frame, the map request and the finished flags.
class CWorldStandIn : public CScene {
public:
    struct Texts {
        const char* loading;
        const char* loaded;
        const char* settingUp;
        const char* setUp;
        const char* freeing;
        const char* freed;
        const char* title;
    };
    CWorldStandIn(const Texts& texts, bool endsDemo) : texts(texts), endsDemo(endsDemo) {}

    void Load(SDL_Surface* screen);
    void Uzsetot();
    void sceena(SDL_Surface* screen);
    void KarteSet(int on);
    bool UzNakamoLVL() const { return levelDone; }
    bool DemoBeigts() const { return demoEnded; }
    void FreeMemory();

private:
    const Texts texts;
    const bool endsDemo;
    CStandInScreen view;
    bool mapOpen = false;
    bool levelDone = false;
    bool demoEnded = false;
};

#endif
