#include "frontend/menu.h"

#include <cstring>

#include "shell/colors.h"
#include "shell/keys.h"
#include "shell/log.h"

CMenu Menu;

int menu_atels = 1;
char cheatsc[10];
int burts1 = 0;
int cheatNR = 0;
int pause_atels = 1;

namespace {

const char* const MENU_PAGE_FILES[MENU_PAGES] = {
    "menu/jauna.jpg", "menu/load.jpg", "menu/autori.jpg",
    "menu/pogas.jpg", "menu/par.jpg",  "menu/iziet.jpg",
};

// Stored in the order resume, exit, keys, map; the pause items show them in
// the order resume, map, keys, exit.
const char* const PAUSE_PAGE_FILES[PAUSE_ITEMS] = {
    "menu/pause_resum.png", "menu/pause_exit.png", "menu/pause_keys.png", "menu/pause_save.png"};
const int PAUSE_ITEM_PAGE[PAUSE_ITEMS + 1] = {0, 0, 3, 2, 1};

const char* const CHEAT_CODES[] = {"5820", "4861", "9072"};

const int CLICK_CHANNEL = 1;

}  // namespace

void CMenu::Load_menu(SDL_Surface*)
{
    LogPrintf("-Laadeeju menu...\n");
    for (int i = 0; i < MENU_PAGES; i++) menuPages[i] = LoadPicture(MENU_PAGE_FILES[i]);
    for (int i = 0; i < PAUSE_ITEMS; i++) pausePages[i] = LoadPicture(PAUSE_PAGE_FILES[i]);
    cheatPage = LoadPicture("menu/cheat.jpg");
    menuFont = OpenGameFont(68);
    clickSound = LoadSound("Audio/menu.wav");
    menuMusic = LoadMusic("Music/menu.ogg", "menu.ogg");
    PlayMenuMusic(true);
    LogPrintf("-Menu aplaadeets\n");
}

void CMenu::PlayMenuMusic(bool musicOn)
{
    Mix_VolumeMusic(128);
    PlayMusicLooping(menuMusic);
    if (musicOn) return;
    Mix_PauseMusic();
    Mix_VolumeMusic(0);
}

void CMenu::FreeMemory()
{
    LogPrintf("-Atbriivojamies no menu...\n");
    for (SDL_Surface*& page : menuPages) FreeSurface(page);
    for (SDL_Surface*& page : pausePages) FreeSurface(page);
    FreeSurface(cheatPage);
    FreeSurface(cheatText);
    CloseFont(menuFont);
    FreeSound(clickSound);
    FreeMusic(menuMusic);
    LogPrintf("-Menu atbriivots\n");
}

void CMenu::MoveSelection(int& selection)
{
    for (const int key : {SDLK_DOWN, SDLK_UP}) {
        if (!Keys[key]) continue;
        Keys[key] = 0;
        selection += key == SDLK_DOWN ? +1 : -1;
        PlaySound(CLICK_CHANNEL, clickSound);
    }
}

void CMenu::Draw_menu(SDL_Surface* screen)
{
    MoveSelection(menu_atels);
    // Neither key is cleared: holding them keeps the entry empty.
    if (Keys[SDLK_LSHIFT] && Keys[SDLK_c]) {
        menu_atels = CHEAT_SCREEN;
        burts1 = 0;
        memset(cheatsc, 0, sizeof cheatsc);
        cheatNR = 0;
    }
    // An arrow on the cheat screen lands here too and closes it on page 1.
    if (menu_atels > MENU_PAGES && menu_atels != CHEAT_SCREEN) menu_atels = 1;
    if (menu_atels < 1 && menu_atels != CHEAT_SCREEN) menu_atels = MENU_PAGES;

    FillScreen(screen, 50, 150, 50);
    if (menu_atels == CHEAT_SCREEN) {
        DrawFullScreen(cheatPage, screen);
        Cheat(screen);
        if (Keys[SDLK_ESCAPE]) menu_atels = 1;
        return;
    }
    DrawFullScreen(menuPages[menu_atels - 1], screen);
    if (menu_atels == 1 && Keys[SDLK_RETURN]) {
        Keys[SDLK_RETURN] = 0;
        newGameRequested = true;
        PlaySound(CLICK_CHANNEL, clickSound);
    }
    if (menu_atels == MENU_PAGES && (Keys[SDLK_RETURN] || Keys[SDLK_ESCAPE] || Keys[SDLK_y]))
        quitRequested = true;
}

void CMenu::Cheat(SDL_Surface* screen)
{
    for (int digit = 0; digit <= 9; digit++) {
        const int key = SDLK_0 + digit;
        if (Keys[key] && burts1 < CHEAT_DIGITS_MAX) {
            Keys[key] = 0;
            cheatsc[burts1++] = static_cast<char>('0' + digit);
        }
    }
    if (Keys[SDLK_BACKSPACE]) {
        Keys[SDLK_BACKSPACE] = 0;
        if (burts1 > 0) cheatsc[--burts1] = 0;
    }
    if (Keys[SDLK_RETURN]) {
        Keys[SDLK_RETURN] = 0;
        for (int code = 0; code < 3; code++) {
            if (strcmp(cheatsc, CHEAT_CODES[code]) == 0) {
                cheatNR = code + 1;
                LogPrintf("-CHEAT %d\n", cheatNR);
                break;
            }
        }
        menu_atels = 1;
    }
    if (strcmp(cheatShown, cheatsc) != 0) {
        memcpy(cheatShown, cheatsc, sizeof cheatShown);
        RenderText(cheatText, menuFont, cheatsc, dzeltena1, TextStyle::Solid);
    }
    DrawTextSurface(cheatText, screen, cheatloc);
}

void CMenu::pause(SDL_Surface* screen, SDL_Surface* background)
{
    MoveSelection(pause_atels);
    if (pause_atels > PAUSE_ITEMS) pause_atels = 1;
    if (pause_atels < 1) pause_atels = PAUSE_ITEMS;

    FillScreen(screen, 50, 150, 50);
    DrawFullScreen(background, screen);
    DrawFullScreen(pausePages[PAUSE_ITEM_PAGE[pause_atels]], screen);

    const int item = pause_atels;
    if (!Keys[SDLK_RETURN] || item == 3) return;
    Keys[SDLK_RETURN] = 0;
    switch (item) {
    case 1: resumeRequested = true; break;
    case 2: mapRequested = true; break;
    case 4:
        pause_atels = 1;
        menuRequested = true;
        break;
    }
    PlaySound(CLICK_CHANNEL, clickSound);
    if (item == 4) PlayMenuMusic(true);
}
