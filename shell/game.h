#ifndef VIPRATS_SHELL_GAME_H
#define VIPRATS_SHELL_GAME_H

#include <SDL.h>

// Scene states of kas_notiek.
enum SceneState {
    STATE_INTRO = 0,
    STATE_MENU = 1,
    STATE_PAUSE = 2,
    STATE_LOAD0 = 3,
    STATE_LEVEL0 = 4,
    STATE_LOAD1 = 5,
    STATE_LEVEL1 = 6,
    STATE_LOAD2 = 7,
    STATE_LEVEL2 = 8,
    STATE_LOAD3 = 9,
    STATE_LEVEL3 = 10,
};

extern SDL_Surface* screen;
extern int kas_notiek;
extern int tekosais_lvl;
extern SDL_Surface* beck_screen;
extern bool skanja;
extern bool Quit;
extern Uint32 looptime;
extern Uint32 speles_atrums;
extern char filename[100];

void DrawSceena(SDL_Surface* screen);
// F11: full screen or a 1024x768 window, keeping the frame and every state.
// `screen` may be a new surface afterwards.
void ToggleFullScreen();

// The program in three parts, so that tests can run it frame by frame.
int StartUp();  // 0, or -1 when SDL, the fonts, the video mode or the mixer fail
void RunFrame();
void ShutDown();
int RunGame();

#endif
