// The one call the game makes of SDL_image 1.2, for the Windows build (see README).
#ifndef VIPRATS_COMPAT_SDL_IMAGE_H
#define VIPRATS_COMPAT_SDL_IMAGE_H

#include <SDL.h>

extern "C" {
// A PNG or JPEG file, told by its first bytes; NULL with SDL_GetError() set otherwise.
SDL_Surface* IMG_Load(const char* file);
}

#endif
