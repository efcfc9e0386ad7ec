#include "shell/draw.h"

#include <SDL_image.h>

#include "shell/log.h"

#include <unordered_set>

namespace {

LiveAssets live = {};
std::unordered_set<SDL_Surface*> liveSurfaces;

long SurfaceBytes(const SDL_Surface* surface)
{
    return static_cast<long>(surface->pitch) * surface->h;
}

SDL_Surface* Track(SDL_Surface* surface)
{
    if (surface && liveSurfaces.insert(surface).second) {
        live.surfaces++;
        live.pictureBytes += SurfaceBytes(surface);
    }
    return surface;
}

void Untrack(SDL_Surface* surface)
{
    if (liveSurfaces.erase(surface)) {
        live.surfaces--;
        live.pictureBytes -= SurfaceBytes(surface);
    }
}

}  // namespace

LiveAssets CountLiveAssets() { return live; }

void CScene::zimetBildi(SDL_Surface* source, SDL_Surface* target, int srcX, int srcY, int dstX,
                        int dstY, int w, int h, int alpha)
{
    // A picture that failed to load is drawn as nothing rather than crashing.
    if (!source || !target) return;
    const Uint8 value = static_cast<Uint8>(alpha & 0xFF);
    // Setting the alpha rebuilds SDL's blit mapping, so only do it on a change.
    if (!(source->flags & SDL_SRCALPHA) || source->format->alpha != value)
        SDL_SetAlpha(source, SDL_SRCALPHA | (source->flags & SDL_RLEACCEL), value);
    SDL_Rect from = {static_cast<Sint16>(srcX), static_cast<Sint16>(srcY), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    SDL_Rect to = {static_cast<Sint16>(dstX), static_cast<Sint16>(dstY), 0, 0};
    SDL_BlitSurface(source, &from, target, &to);
}

SDL_Surface* LoadPicture(const char* path)
{
    SDL_Surface* loaded = IMG_Load(path);
    if (!loaded || !SDL_GetVideoSurface()) return Track(loaded);
    SDL_Surface* converted =
        loaded->format->Amask ? SDL_DisplayFormatAlpha(loaded) : SDL_DisplayFormat(loaded);
    if (!converted) return Track(loaded);
    SDL_FreeSurface(loaded);
    return Track(converted);
}

void FreeSurface(SDL_Surface*& surface)
{
    if (surface) {
        Untrack(surface);
        SDL_FreeSurface(surface);
    }
    surface = nullptr;
}

void RenderText(SDL_Surface*& slot, TTF_Font* font, const char* text, SDL_Color colour,
                TextStyle style)
{
    FreeSurface(slot);
    if (!font || !text || !text[0]) return;
    switch (style) {
    case TextStyle::Blended: slot = TTF_RenderText_Blended(font, text, colour); break;
    case TextStyle::Solid: slot = TTF_RenderText_Solid(font, text, colour); break;
    case TextStyle::Utf8Solid: slot = TTF_RenderUTF8_Solid(font, text, colour); break;
    }
    Track(slot);
}

void DrawTextSurface(SDL_Surface* text, SDL_Surface* target, const SDL_Rect& loc)
{
    if (!text || !target) return;
    SDL_Rect to = {loc.x, loc.y, 0, 0};
    SDL_BlitSurface(text, nullptr, target, &to);
}

void FillScreen(SDL_Surface* target, Uint8 r, Uint8 g, Uint8 b)
{
    if (target) SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, r, g, b));
}

void DrawFullScreen(SDL_Surface* picture, SDL_Surface* target, int alpha)
{
    CScene::zimetBildi(picture, target, 0, 0, 0, 0, 1024, 768, alpha);
}

TTF_Font* OpenGameFont(int points)
{
    TTF_Font* font = TTF_OpenFont("font.ttf", points);
    if (font) live.fonts++;
    return font;
}

void CloseFont(TTF_Font*& font)
{
    if (font) {
        live.fonts--;
        TTF_CloseFont(font);
    }
    font = nullptr;
}

Mix_Chunk* LoadSound(const char* path)
{
    Mix_Chunk* chunk = Mix_LoadWAV(path);
    if (!chunk) LogPrintf("Mix_LoadWAV: %s\n", Mix_GetError());
    else live.chunks++;
    return chunk;
}

Mix_Music* LoadMusic(const char* path, const char* name)
{
    Mix_Music* music = Mix_LoadMUS(path);
    if (!music) LogPrintf("Mix_LoadMUS(\"%s\"): %s\n", name, Mix_GetError());
    else live.music++;
    return music;
}

void FreeSound(Mix_Chunk*& chunk)
{
    if (chunk) {
        live.chunks--;
        Mix_FreeChunk(chunk);
    }
    chunk = nullptr;
}

void FreeMusic(Mix_Music*& music)
{
    if (music) {
        live.music--;
        Mix_FreeMusic(music);
    }
    music = nullptr;
}

void PlaySound(int channel, Mix_Chunk* chunk)
{
    if (Mix_PlayChannel(channel, chunk, 0) == -1) LogPrintf("Mix_PlayChannel: %s\n", Mix_GetError());
}

void PlayMusicLooping(Mix_Music* music)
{
    // Halted first: SDL_mixer waits for a fade-out to end before it starts other
    // music, and a fade frozen by a pause (F7, a lost level 0) would never end.
    Mix_HaltMusic();
    if (Mix_PlayMusic(music, -1) == -1) LogPrintf("Mix_PlayMusic: %s\n", Mix_GetError());
}
