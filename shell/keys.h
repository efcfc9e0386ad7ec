#ifndef VIPRATS_SHELL_KEYS_H
#define VIPRATS_SHELL_KEYS_H

#include <SDL.h>

const int KEY_TABLE_SIZE = 512;

// 1 while a key is down, indexed by SDL key symbol. A consumer that acts once
// per press clears its entry; it stays 0 until the key goes down again.
extern unsigned char Keys[KEY_TABLE_SIZE];
extern SDL_Event Event;
// Set by SDL's quit event: SIGINT, SIGTERM or the window's close button.
extern bool QuitEvent;

void HandleEvents();
// Key events go through here; a symbol outside the table is ignored.
void SetKey(int sym, unsigned char down);

#endif
