#ifndef VIPRATS_WORLD_CACHED_TEXT_H
#define VIPRATS_WORLD_CACHED_TEXT_H

#include "shell/draw.h"

// A text surface that is rendered again only when its text, colour or font
// changes, so that a frame that shows the same number pays only the copy.
class CachedText {
public:
    static const int MAX_LENGTH = 160;

    void Set(TTF_Font* font, const char* text, SDL_Color colour, TextStyle style = TextStyle::Blended);
    void Draw(SDL_Surface* target, const SDL_Rect& at) const { DrawTextSurface(surface, target, at); }
    void Free();
    SDL_Surface* Surface() const { return surface; }
    const char* Text() const { return shown; }

private:
    SDL_Surface* surface = nullptr;
    TTF_Font* shownFont = nullptr;
    SDL_Color shownColour = {0, 0, 0, 0};
    TextStyle shownStyle = TextStyle::Blended;
    bool rendered = false;
    char shown[MAX_LENGTH] = "";
};

#endif
