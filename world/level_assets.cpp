#include "world/level_assets.h"

#include <algorithm>
#include <cstdio>

namespace {

PictureUse UseOf(const AssetList& list, int slot)
{
    const int* end = list.frameSheets + list.frameSheetCount;
    return list.frameSheets && std::find(list.frameSheets, end, slot) != end ? PictureUse::FrameSheet
                                                                             : PictureUse::Whole;
}

}  // namespace

void LevelAssets::Load(const AssetList& list)
{
    for (int slot = 0; slot < list.pictureCount && slot < MAX_PICTURES; slot++)
        picture[slot] = list.pictures[slot] ? LoadPicture(list.pictures[slot], UseOf(list, slot)) : nullptr;
    for (int index = 0; index < LEVEL_FONTS; index++) font[index] = OpenGameFont(list.fontPoints[index]);
    for (int slot = 0; slot < list.soundCount && slot < MAX_SOUNDS; slot++)
        sound[slot] = LoadSound(list.sounds[slot]);
    for (int number = 1; number <= MUSIC_TRACKS; number++) {
        char path[64], name[16];
        snprintf(path, sizeof path, "Music/mp3iespejas/track%d.ogg", number);
        snprintf(name, sizeof name, "track%d.ogg", number);
        track[number - 1] = LoadMusic(path, name);
    }
}

void LevelAssets::Free()
{
    for (SDL_Surface*& slot : picture) FreeSurface(slot);
    for (TTF_Font*& slot : font) CloseFont(slot);
    for (Mix_Chunk*& slot : sound) FreeSound(slot);
    for (Mix_Music*& slot : track) FreeMusic(slot);
}

void LevelAssets::ReplacePicture(int slot, SDL_Surface* surface)
{
    if (slot < 0 || slot >= MAX_PICTURES) {
        FreeSurface(surface);
        return;
    }
    FreeSurface(picture[slot]);
    picture[slot] = surface;
}

void LevelAssets::ReplaceTrack(int number, Mix_Music* music)
{
    if (number < 1 || number > MUSIC_TRACKS) {
        FreeMusic(music);
        return;
    }
    FreeMusic(track[number - 1]);
    track[number - 1] = music;
}
