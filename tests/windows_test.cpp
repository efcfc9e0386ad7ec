// The Linux and Windows builds differ in a few places, chosen when the game is
// compiled. Each test here runs in both builds and expects that build's set.
#include <SDL_mixer.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "frontend/load.h"
#include "shell/draw.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "tests/harness.h"

namespace {

#ifdef _WIN32
const bool WINDOWS_BUILD = true;
#else
const bool WINDOWS_BUILD = false;
#endif

template <typename T>
T ThisBuild(T linuxValue, T windowsValue)
{
    return WINDOWS_BUILD ? windowsValue : linuxValue;
}

const char* const LINUX_VERSION_SCREEN = "load_screen/LINUXversija.jpg";
const char* const WINDOWS_VERSION_SCREEN = "load_screen/WINversija.jpg";
// Level 2's and 3's title and ready pictures: upper case on Linux, lower case on Windows.
const char* const LINUX_LEVEL_PICTURES[] = {"load_screen/LVL2.jpg", "load_screen/LVL2_.jpg",
                                            "load_screen/LVL3.jpg", "load_screen/LVL3_.jpg"};
const char* const WINDOWS_LEVEL_PICTURES[] = {"load_screen/lvl2.jpg", "load_screen/lvl2_.jpg",
                                              "load_screen/lvl3.jpg", "load_screen/lvl3_.jpg"};

int Distance(Uint32 a, Uint32 b)
{
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8)
        sum += std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff));
    return sum;
}

Uint32 PixelOrBlack(SDL_Surface* picture, int x, int y) { return picture ? SurfacePixel(picture, x, y) : 0; }

// Whether the screen shows `expected` rather than `other` (nullptr: black),
// judged at the spot where the two pictures differ most.
::testing::AssertionResult Shows(SDL_Surface* expected, SDL_Surface* other)
{
    if (!expected) return ::testing::AssertionFailure() << "the expected picture did not load";
    int bestX = 0, bestY = 0, best = -1;
    for (int y = 4; y < expected->h; y += 8)
        for (int x = 4; x < expected->w; x += 8) {
            const int d = Distance(SurfacePixel(expected, x, y), PixelOrBlack(other, x, y));
            if (d > best) best = d, bestX = x, bestY = y;
        }
    if (best < 60) return ::testing::AssertionFailure() << "the two pictures look alike";
    const Uint32 shown = SurfacePixel(screen, bestX, bestY);
    const int toExpected = Distance(shown, SurfacePixel(expected, bestX, bestY));
    const int toOther = Distance(shown, PixelOrBlack(other, bestX, bestY));
    if (toExpected < toOther) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "at (" << bestX << ", " << bestY << ") the screen has "
                                         << std::hex << shown << ", nearer the other picture";
}

// Filled by the mixer's audio thread with the size of each mixed block.
std::atomic<int> mixedBytes{0};
void RecordMixedBlock(void*, Uint8*, int length) { mixedBytes = length; }

}  // namespace

class BuildDifferencesGame : public GameTest {};

TEST_F(BuildDifferencesGame, TheIntroEndsOnThisBuildsVersionScreen)
{
    Tap(SDLK_SPACE);
    Tap(SDLK_SPACE);
    ASSERT_EQ(ziim, 2);
    ASSERT_TRUE(FramesUntil([] { return vers_alpha > 250; }, 400));
    SDL_Surface* linuxScreen = LoadPicture(LINUX_VERSION_SCREEN);
    SDL_Surface* windowsScreen = LoadPicture(WINDOWS_VERSION_SCREEN);
    EXPECT_TRUE(Shows(ThisBuild(linuxScreen, windowsScreen), ThisBuild(windowsScreen, linuxScreen)));
    FreeSurface(linuxScreen);
    FreeSurface(windowsScreen);
}

TEST_F(BuildDifferencesGame, LevelTwoAndThreeLoadingPicturesLoadUnderThisBuildsNames)
{
    // A data folder with no other names for these pictures, so that on a
    // case-sensitive file system a wrong name shows a black screen.
    namespace fs = std::filesystem;
    const fs::path data = fs::current_path();
    const fs::path scratch = fs::temp_directory_path() /
                             ("viprats-picture-names-" + std::to_string(std::random_device{}()));
    const char* const* names = ThisBuild(LINUX_LEVEL_PICTURES, WINDOWS_LEVEL_PICTURES);
    fs::create_directories(scratch / "load_screen");
    for (int i = 0; i < 4; i++) fs::copy_file(data / names[i], scratch / names[i]);
    Load.FreeMemory();
    fs::current_path(scratch);
    Load.LoadScreens(screen);
    fs::current_path(data);
    fs::remove_all(scratch);

    struct Screen {
        void (CLoad::*frame)(SDL_Surface*);
        int& step;
        int loaded;
        float& loadTime;
        const char* title;
        const char* ready;
    };
    const Screen screens[] = {{&CLoad::Load2, lvl2_lad, 1, lvl2_laiks, names[0], names[1]},
                              {&CLoad::Load3, lvl3_lad, 1, lvl3_laiks, names[2], names[3]}};
    for (const Screen& loading : screens) {
        SDL_Surface* title = LoadPicture(loading.title);
        SDL_Surface* ready = LoadPicture(loading.ready);
        // The first frame shows the title before anything is loaded.
        Load.Uzsetot();
        (Load.*loading.frame)(screen);
        EXPECT_TRUE(Shows(title, nullptr)) << loading.title;
        // As if the level had loaded long enough ago for the ready picture.
        loading.step = loading.loaded;
        loading.loadTime = -10000;
        (Load.*loading.frame)(screen);
        EXPECT_TRUE(Shows(ready, title)) << loading.ready;
        FreeSurface(title);
        FreeSurface(ready);
    }
    Load.Uzsetot();
}

TEST_F(BuildDifferencesGame, TheMixerPlaysInBlocksOfThisBuildsSize)
{
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1);
    EXPECT_EQ(frequency, 44100);
    EXPECT_EQ(format, AUDIO_S16SYS);
    EXPECT_EQ(channels, 2);

    mixedBytes = 0;
    Mix_SetPostMix(RecordMixedBlock, nullptr);
    // The audio thread runs on real time, whatever the game's clock says.
    for (int waited = 0; mixedBytes == 0 && waited < 5000; waited += 10) SDL_Delay(10);
    Mix_SetPostMix(nullptr, nullptr);
    const int samples = ThisBuild(1024, 2048);
    EXPECT_EQ(mixedBytes, samples * channels * 2);
}
