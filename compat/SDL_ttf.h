// The calls the game makes of SDL_ttf 2.0, for the Windows build (see README).
#ifndef VIPRATS_COMPAT_SDL_TTF_H
#define VIPRATS_COMPAT_SDL_TTF_H

#include <SDL.h>

extern "C" {
typedef struct TTF_Font TTF_Font;

int TTF_Init(void);
void TTF_Quit(void);
TTF_Font* TTF_OpenFont(const char* file, int ptsize);
void TTF_CloseFont(TTF_Font* font);
// The 8-bit calls read each byte as a Latin-1 code point.
SDL_Surface* TTF_RenderText_Blended(TTF_Font* font, const char* text, SDL_Color fg);
SDL_Surface* TTF_RenderText_Solid(TTF_Font* font, const char* text, SDL_Color fg);
SDL_Surface* TTF_RenderUTF8_Solid(TTF_Font* font, const char* text, SDL_Color fg);
}

#endif
