#include "world/cached_text.h"

#include <cstring>

void CachedText::Set(TTF_Font* font, const char* text, SDL_Color colour, TextStyle style)
{
    if (rendered && font == shownFont && style == shownStyle && colour.r == shownColour.r &&
        colour.g == shownColour.g && colour.b == shownColour.b && strcmp(text, shown) == 0)
        return;
    RenderText(surface, font, text, colour, style);
    snprintf(shown, sizeof shown, "%s", text);
    shownFont = font;
    shownColour = colour;
    shownStyle = style;
    rendered = true;
}

void CachedText::Free()
{
    FreeSurface(surface);
    shown[0] = '\0';
    shownFont = nullptr;
    rendered = false;
}
