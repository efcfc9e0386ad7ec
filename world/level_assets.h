#ifndef VIPRATS_WORLD_LEVEL_ASSETS_H
#define VIPRATS_WORLD_LEVEL_ASSETS_H

#include "shell/draw.h"

const int NO_ASSET = -1;
const int MUSIC_TRACKS = 10;
const int LEVEL_FONTS = 3;

// What a level loads, in the order it loads it: its pictures, its three
// fonts, its sounds; the ten music-panel tracks are the same for all. The
// frame sheets are the picture slots drawn a frame at a time.
struct AssetList {
    const char* const* pictures;
    int pictureCount;
    const char* const* sounds;
    int soundCount;
    int fontPoints[LEVEL_FONTS];
    const int* frameSheets;
    int frameSheetCount;
};

// The handles a level holds from its Load to its FreeMemory.
class LevelAssets {
public:
    static const int MAX_PICTURES = 96;
    static const int MAX_SOUNDS = 16;

    void Load(const AssetList& list);
    void Free();
    // Puts a picture into a slot, which then owns it (tests draw with
    // pictures of their own).
    void ReplacePicture(int slot, SDL_Surface* surface);
    void ReplaceTrack(int number, Mix_Music* music);

    SDL_Surface* Picture(int slot) const { return slot >= 0 && slot < MAX_PICTURES ? picture[slot] : nullptr; }
    Mix_Chunk* Sound(int slot) const { return slot >= 0 && slot < MAX_SOUNDS ? sound[slot] : nullptr; }
    TTF_Font* Font(int index) const { return index >= 0 && index < LEVEL_FONTS ? font[index] : nullptr; }
    Mix_Music* Track(int number) const { return number >= 1 && number <= MUSIC_TRACKS ? track[number - 1] : nullptr; }

private:
    SDL_Surface* picture[MAX_PICTURES] = {};
    Mix_Chunk* sound[MAX_SOUNDS] = {};
    Mix_Music* track[MUSIC_TRACKS] = {};
    TTF_Font* font[LEVEL_FONTS] = {};
};

#endif
