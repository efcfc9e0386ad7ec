#ifndef VIPRATS_SHELL_DRAW_H
#define VIPRATS_SHELL_DRAW_H

#include <SDL.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <functional>

// What every scene class shares: the one rectangle-copy routine and the
// helpers that load and release its assets and draw its texts.
class CScene {
public:
    // alpha is taken modulo 256; callers pass -1 for opaque. A missing source
    // or target draws nothing.
    static void zimetBildi(SDL_Surface* source, SDL_Surface* target, int srcX, int srcY, int dstX,
                           int dstY, int w, int h, int alpha);
};

enum class TextStyle { Blended, Solid, Utf8Solid };

// How a picture is drawn: whole (or clipped only by the screen's edges), or a
// frame at a time out of a sheet of many.
enum class PictureUse { Whole, FrameSheet };

// Pictures are converted to the display format once, here, so that no frame
// pays for a conversion. Returns nullptr for a picture that cannot be read.
SDL_Surface* LoadPicture(const char* path, PictureUse use = PictureUse::Whole);
void FreeSurface(SDL_Surface*& surface);
// Hands the memory of what was just freed back to the system. The C library
// keeps freed heap memory for reuse; a level left behind would otherwise stay
// in the process's footprint under the next one.
void ReturnFreedMemory();

// Renders text into slot, releasing what the slot held. An empty text, a
// missing font or a failed render leaves the slot empty.
void RenderText(SDL_Surface*& slot, TTF_Font* font, const char* text, SDL_Color colour,
                TextStyle style = TextStyle::Blended);
// Copies a whole rendered text to loc; an empty slot draws nothing.
void DrawTextSurface(SDL_Surface* text, SDL_Surface* target, const SDL_Rect& loc);

// A text copied to a surface, as a watcher sees it: the bytes it was rendered
// from and the rectangle it covers on the target.
struct DrawnText {
    const char* text;
    const SDL_Surface* target;
    int x, y, w, h;
};
// Lets a test see every text drawn from now on (nullptr stops watching).
// Only texts rendered while a watcher is set carry their bytes; others show "?".
void WatchDrawnTexts(std::function<void(const DrawnText&)> watcher);

void FillScreen(SDL_Surface* target, Uint8 r, Uint8 g, Uint8 b);
// Whether an opaque zimetBildi of the picture's (0, 0, w, h) to (x, y) covers
// the whole target, so that nothing drawn before it can show.
bool CoversTarget(SDL_Surface* picture, SDL_Surface* target, int x, int y, int w, int h);
void DrawFullScreen(SDL_Surface* picture, SDL_Surface* target, int alpha = -1);

TTF_Font* OpenGameFont(int points);
void CloseFont(TTF_Font*& font);

// Sound and music with the game's fixed failure messages. LoadMusic's name is
// the file name the message shows.
Mix_Chunk* LoadSound(const char* path);
Mix_Music* LoadMusic(const char* path, const char* name);
void FreeSound(Mix_Chunk*& chunk);
void FreeMusic(Mix_Music*& music);
void PlaySound(int channel, Mix_Chunk* chunk);
void PlayMusicLooping(Mix_Music* music);

// What is loaded or rendered now, counted where assets are made and released:
// the soak test proves a scene cycle leaves nothing behind and the benchmark
// sets peak memory against the decoded pictures.
struct LiveAssets {
    int surfaces;       // pictures and rendered texts
    int chunks;
    int music;
    int fonts;
    long pictureBytes;  // decoded pixels of the live surfaces
};
LiveAssets CountLiveAssets();

#endif
