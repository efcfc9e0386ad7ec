#ifndef VIPRATS_FRONTEND_MENU_H
#define VIPRATS_FRONTEND_MENU_H

#include "shell/draw.h"

const int MENU_PAGES = 6;
const int PAUSE_ITEMS = 4;
const int CHEAT_SCREEN = 666;
const int CHEAT_DIGITS_MAX = 8;

extern int menu_atels;
extern char cheatsc[10];
extern int burts1;
extern int cheatNR;
extern int pause_atels;

// The main menu, its hidden cheat-code screen and the pause screen. They talk
// to the scene machine through request flags that it polls every frame.
class CMenu : public CScene {
public:
    void Load_menu(SDL_Surface* screen);
    void Draw_menu(SDL_Surface* screen);
    void Cheat(SDL_Surface* screen);
    void pause(SDL_Surface* screen, SDL_Surface* background);
    void FreeMemory();
    // The menu music from its start at full volume; with the music switched
    // off (F7) it waits paused and silent for F7 to bring it back.
    void PlayMenuMusic(bool musicOn);

    bool enteris() const { return newGameRequested; }
    void enteris_() { newGameRequested = false; }
    bool pazust() const { return quitRequested; }
    void pazust(bool value) { quitRequested = value; }
    bool Continue() const { return resumeRequested; }
    void Continue_() { resumeRequested = false; }
    bool go_menu() const { return menuRequested; }
    void go_menu_() { menuRequested = false; }
    bool Karte() const { return mapRequested; }
    void Karte_() { mapRequested = false; }
    int GetCheat() const { return cheatNR; }
    void SetCheat() { cheatNR = 0; }

private:
    // Down and Up, each press once, with a click.
    void MoveSelection(int& selection);

    SDL_Surface* menuPages[MENU_PAGES];
    SDL_Surface* cheatPage;
    SDL_Surface* pausePages[PAUSE_ITEMS];
    SDL_Surface* cheatText;
    char cheatShown[sizeof cheatsc];  // what cheatText holds, so it renders only on a change
    Mix_Chunk* clickSound;
    Mix_Music* menuMusic;
    TTF_Font* menuFont;
    bool newGameRequested;
    bool quitRequested;
    bool resumeRequested;
    bool menuRequested;
    bool mapRequested;
};

extern CMenu Menu;

#endif
