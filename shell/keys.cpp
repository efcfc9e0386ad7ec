#include "shell/keys.h"

unsigned char Keys[KEY_TABLE_SIZE];
SDL_Event Event;
bool QuitEvent = false;

void SetKey(int sym, unsigned char down)
{
    // A symbol past the table must not write outside it.
    if (sym < 0 || sym >= KEY_TABLE_SIZE) return;
    Keys[sym] = down;
}

void HandleEvents()
{
    while (SDL_PollEvent(&Event)) {
        if (Event.type == SDL_KEYDOWN)
            SetKey(Event.key.keysym.sym, 1);
        else if (Event.type == SDL_KEYUP)
            SetKey(Event.key.keysym.sym, 0);
        else if (Event.type == SDL_QUIT)
            QuitEvent = true;
    }
}
