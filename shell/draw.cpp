#include "shell/draw.h"

#include <SDL_image.h>

#include "shell/log.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>

#ifdef __linux__
#include <sys/mman.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

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

std::function<void(const DrawnText&)> textWatcher;
// The bytes of each rendered text, kept only while a watcher is set.
std::unordered_map<const SDL_Surface*, std::string> renderedBytes;

}  // namespace

LiveAssets CountLiveAssets() { return live; }

void WatchDrawnTexts(std::function<void(const DrawnText&)> watcher)
{
    textWatcher = std::move(watcher);
    if (!textWatcher) renderedBytes.clear();
}

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

namespace {

// Run-length encoded, a picture's blits skip its fully transparent runs and
// copy its fully opaque ones whole; only the pixels in between are blended.
// Measured, that makes the blits of a picture with at least this share of
// clear or opaque pixels several times faster.
const double RUN_LENGTH_SHARE = 0.5;

bool ByteChannels(const SDL_PixelFormat* format)
{
    return format->Rloss == 0 && format->Gloss == 0 && format->Bloss == 0 &&
           (!format->Amask || format->Aloss == 0);
}

// Filling a fresh picture costs a page fault for every 4 KiB touched. On
// Linux a large one asks for huge pages instead, so that a world picture
// costs a few dozen faults rather than tens of thousands.
void AdviseHugePages(SDL_Surface* surface)
{
#ifdef __linux__
    const uintptr_t huge = uintptr_t(2) << 20;
    const uintptr_t first = reinterpret_cast<uintptr_t>(surface->pixels);
    const uintptr_t start = (first + huge - 1) & ~(huge - 1);
    const uintptr_t end = (first + uintptr_t(surface->pitch) * uintptr_t(surface->h)) & ~(huge - 1);
    if (end > start) madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
#else
    (void)surface;
#endif
}

// The 32-bit format SDL_DisplayFormatAlpha chooses for a 32-bit display.
void DisplayAlphaMasks(const SDL_PixelFormat* display, Uint32 masks[4])
{
    const bool bgr = display->Rmask == 0xFF && display->Bmask == 0xFF0000;
    masks[0] = bgr ? 0xFF : 0xFF0000;
    masks[1] = 0xFF00;
    masks[2] = bgr ? 0xFF0000 : 0xFF;
    masks[3] = 0xFF000000;
}

// SDL converts to the display format one pixel at a time through its generic
// blitters (24-bit sources and alpha pictures in the other byte order are
// never optimised). This gives the same pixels at a fraction of the cost,
// for pictures with 8-bit channels of 3 or 4 bytes a pixel and a 32-bit
// display; nullptr for anything else, which SDL then converts.
SDL_Surface* ConvertBytePixels(SDL_Surface* loaded, const SDL_PixelFormat* display)
{
    const SDL_PixelFormat* from = loaded->format;
    const int bytes = from->BytesPerPixel;
    const bool surfaceAlpha = (loaded->flags & SDL_SRCALPHA) && !from->Amask;
    if ((bytes != 3 && bytes != 4) || !ByteChannels(from) || (loaded->flags & SDL_SRCCOLORKEY) || surfaceAlpha ||
        display->BytesPerPixel != 4 || !ByteChannels(display) || display->Amask)
        return nullptr;
    Uint32 masks[4] = {display->Rmask, display->Gmask, display->Bmask, 0};
    if (from->Amask) DisplayAlphaMasks(display, masks);
    SDL_Surface* converted =
        SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, masks[0], masks[1], masks[2], masks[3]);
    if (!converted) return nullptr;
    AdviseHugePages(converted);
    const SDL_PixelFormat* to = converted->format;
    // Kept in locals: the stores below could otherwise alias the formats.
    const Uint32 mask[4] = {from->Rmask, from->Gmask, from->Bmask, to->Amask ? from->Amask : 0};
    const int shiftFrom[4] = {from->Rshift, from->Gshift, from->Bshift, from->Ashift};
    const int shiftTo[4] = {to->Rshift, to->Gshift, to->Bshift, to->Ashift};
    SDL_LockSurface(loaded);
    for (int y = 0; y < loaded->h; y++) {
        const Uint8* in = static_cast<const Uint8*>(loaded->pixels) + y * loaded->pitch;
        Uint32* out = reinterpret_cast<Uint32*>(static_cast<Uint8*>(converted->pixels) + y * converted->pitch);
        for (int x = 0; x < loaded->w; x++, in += bytes) {
            Uint32 pixel;
            if (bytes == 4) {
                memcpy(&pixel, in, 4);
            } else {
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
                pixel = in[0] | (in[1] << 8) | (in[2] << 16);
#else
                pixel = (in[0] << 16) | (in[1] << 8) | in[2];
#endif
            }
            Uint32 value = 0;
            for (int c = 0; c < 4; c++) value |= ((pixel & mask[c]) >> shiftFrom[c]) << shiftTo[c];
            out[x] = value;
        }
    }
    SDL_UnlockSurface(loaded);
    if (to->Amask) SDL_SetAlpha(converted, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
    return converted;
}

SDL_Surface* ConvertToDisplay(SDL_Surface* loaded, SDL_Surface* display)
{
    SDL_Surface* converted = ConvertBytePixels(loaded, display->format);
    if (converted) return converted;
    return loaded->format->Amask ? SDL_DisplayFormatAlpha(loaded) : SDL_DisplayFormat(loaded);
}

// Whether run-length encoding pays for a picture with an alpha channel, and
// where a fully transparent pixel of it is: the encoding blit needs one.
bool WorthRunLength(SDL_Surface* picture, SDL_Rect& clearPixel)
{
    const SDL_PixelFormat* format = picture->format;
    if (format->BytesPerPixel != 4 || !format->Amask || SDL_LockSurface(picture) != 0) return false;
    long clear = 0, opaque = 0;
    for (int y = 0; y < picture->h; y++) {
        const Uint32* row =
            reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(picture->pixels) + y * picture->pitch);
        for (int x = 0; x < picture->w; x++) {
            const Uint32 alpha = row[x] & format->Amask;
            if (alpha == format->Amask) {
                opaque++;
            } else if (alpha == 0 && clear++ == 0) {
                clearPixel = {static_cast<Sint16>(x), static_cast<Sint16>(y), 1, 1};
            }
        }
    }
    SDL_UnlockSurface(picture);
    return clear > 0 && clear + opaque >= RUN_LENGTH_SHARE * picture->w * picture->h;
}

void EncodeRuns(SDL_Surface* picture, SDL_Surface* display, SDL_Rect clearPixel)
{
    SDL_SetAlpha(picture, SDL_SRCALPHA | SDL_RLEACCEL, SDL_ALPHA_OPAQUE);
    // SDL encodes the runs for a target at the first blit to it. One fully
    // transparent pixel blitted to the screen leaves the screen as it was and
    // does that work here rather than in the first frame that shows the picture.
    SDL_Rect to = {0, 0, 0, 0};
    SDL_BlitSurface(picture, &clearPixel, display, &to);
}

}  // namespace

SDL_Surface* LoadPicture(const char* path, PictureUse use)
{
    SDL_Surface* loaded = IMG_Load(path);
    SDL_Surface* display = SDL_GetVideoSurface();
    if (!loaded || !display) return Track(loaded);
    SDL_Surface* converted = ConvertToDisplay(loaded, display);
    if (!converted) return Track(loaded);
    SDL_FreeSurface(loaded);
    // A frame out of a run-length encoded sheet is found by walking the runs
    // of the whole rows it lies in, which costs more than the encoding saves.
    SDL_Rect clearPixel;
    if (use == PictureUse::Whole && WorthRunLength(converted, clearPixel)) EncodeRuns(converted, display, clearPixel);
    return Track(converted);
}

void ReturnFreedMemory()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

void FreeSurface(SDL_Surface*& surface)
{
    if (surface) {
        Untrack(surface);
        if (!renderedBytes.empty()) renderedBytes.erase(surface);
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
    if (textWatcher && slot) renderedBytes[slot] = text;
}

void DrawTextSurface(SDL_Surface* text, SDL_Surface* target, const SDL_Rect& loc)
{
    if (!text || !target) return;
    SDL_Rect to = {loc.x, loc.y, 0, 0};
    SDL_BlitSurface(text, nullptr, target, &to);
    if (textWatcher) {
        const auto bytes = renderedBytes.find(text);
        textWatcher({bytes == renderedBytes.end() ? "?" : bytes->second.c_str(), target, loc.x, loc.y, text->w,
                     text->h});
    }
}

void FillScreen(SDL_Surface* target, Uint8 r, Uint8 g, Uint8 b)
{
    if (target) SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, r, g, b));
}

bool CoversTarget(SDL_Surface* picture, SDL_Surface* target, int x, int y, int w, int h)
{
    if (!picture || !target || picture->format->Amask || (picture->flags & SDL_SRCCOLORKEY)) return false;
    // The rectangle as zimetBildi hands it to SDL, clipped to the picture.
    const int left = static_cast<Sint16>(x), top = static_cast<Sint16>(y);
    const int width = std::min<int>(static_cast<Uint16>(w), picture->w);
    const int height = std::min<int>(static_cast<Uint16>(h), picture->h);
    return left <= 0 && top <= 0 && left + width >= target->w && top + height >= target->h;
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
