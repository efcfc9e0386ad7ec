#include "bench/probe.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

OpenedFiles* recording = nullptr;
long textRenders = 0;
bool peakResettable = true;

void Note(std::vector<std::string> OpenedFiles::*list, const char* path)
{
    if (recording && path) (recording->*list).push_back(path);
}

}  // namespace

// The wrapped calls. Mix_LoadWAV is a macro over SDL_RWFromFile(path, "rb"),
// and the game opens nothing else for reading through SDL_RWFromFile, so a
// read-open is a sound.
extern "C" {
SDL_Surface* __real_IMG_Load(const char* file);
Mix_Music* __real_Mix_LoadMUS(const char* file);
SDL_RWops* __real_SDL_RWFromFile(const char* file, const char* mode);
SDL_Surface* __real_TTF_RenderText_Blended(TTF_Font* font, const char* text, SDL_Color fg);
SDL_Surface* __real_TTF_RenderText_Solid(TTF_Font* font, const char* text, SDL_Color fg);
SDL_Surface* __real_TTF_RenderUTF8_Solid(TTF_Font* font, const char* text, SDL_Color fg);

SDL_Surface* __wrap_IMG_Load(const char* file)
{
    Note(&OpenedFiles::pictures, file);
    return __real_IMG_Load(file);
}

Mix_Music* __wrap_Mix_LoadMUS(const char* file)
{
    Note(&OpenedFiles::music, file);
    return __real_Mix_LoadMUS(file);
}

SDL_RWops* __wrap_SDL_RWFromFile(const char* file, const char* mode)
{
    if (mode && mode[0] == 'r') Note(&OpenedFiles::sounds, file);
    return __real_SDL_RWFromFile(file, mode);
}

SDL_Surface* __wrap_TTF_RenderText_Blended(TTF_Font* font, const char* text, SDL_Color fg)
{
    textRenders++;
    return __real_TTF_RenderText_Blended(font, text, fg);
}

SDL_Surface* __wrap_TTF_RenderText_Solid(TTF_Font* font, const char* text, SDL_Color fg)
{
    textRenders++;
    return __real_TTF_RenderText_Solid(font, text, fg);
}

SDL_Surface* __wrap_TTF_RenderUTF8_Solid(TTF_Font* font, const char* text, SDL_Color fg)
{
    textRenders++;
    return __real_TTF_RenderUTF8_Solid(font, text, fg);
}
}

void StartRecording(OpenedFiles& into)
{
    into = OpenedFiles{};
    recording = &into;
}

void StopRecording() { recording = nullptr; }

long TextRenders() { return textRenders; }

double DecodeAlone(const OpenedFiles& files)
{
    // Everything is held to the end, as a load holds it: decoding into memory
    // that the last file just gave back would not be the same work.
    std::vector<SDL_Surface*> pictures;
    std::vector<Mix_Chunk*> sounds;
    std::vector<Mix_Music*> music;
    const WallClock::time_point start = WallClock::now();
    for (const std::string& path : files.pictures) pictures.push_back(IMG_Load(path.c_str()));
    for (const std::string& path : files.sounds) sounds.push_back(Mix_LoadWAV(path.c_str()));
    for (const std::string& path : files.music) music.push_back(Mix_LoadMUS(path.c_str()));
    const double micros = MicrosSince(start);
    for (SDL_Surface* picture : pictures) SDL_FreeSurface(picture);
    for (Mix_Chunk* sound : sounds) Mix_FreeChunk(sound);
    for (Mix_Music* track : music) Mix_FreeMusic(track);
    return micros;
}

long PeakResidentBytes()
{
    FILE* status = fopen("/proc/self/status", "r");
    if (!status) return 0;
    char line[256];
    long kilobytes = 0;
    while (fgets(line, sizeof line, status))
        if (sscanf(line, "VmHWM: %ld kB", &kilobytes) == 1) break;
    fclose(status);
    return kilobytes * 1024;
}

void ResetPeakResident()
{
    // "5" resets the high-water mark to the present resident size.
    FILE* refs = fopen("/proc/self/clear_refs", "w");
    if (!refs || fputs("5", refs) < 0) peakResettable = false;
    if (refs && fclose(refs) != 0) peakResettable = false;
}

bool PeakResettable() { return peakResettable; }

Spread SpreadOf(std::vector<double> samples)
{
    if (samples.empty()) return {0, 0, 0};
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 99 / 100], samples.back()};
}
