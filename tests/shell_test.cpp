// The shell: the key table, the score slots, the frame timer and pacing,
// drawing, and screenshots.

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/menu.h"
#include "shell/draw.h"
#include "shell/game.h"
#include "shell/keys.h"
#include "shell/score.h"
#include "shell/timer.h"
#include "tests/harness.h"

TEST(Keys, SymbolsOutsideTheTableAreIgnored)
{
    unsigned char before[KEY_TABLE_SIZE + 16];
    memcpy(before, Keys, KEY_TABLE_SIZE);
    SetKey(-1, 1);
    SetKey(KEY_TABLE_SIZE, 1);
    EXPECT_EQ(memcmp(before, Keys, KEY_TABLE_SIZE), 0);
    SetKey(SDLK_F8, 1);
    EXPECT_EQ(Keys[SDLK_F8], 1);
    SetKey(SDLK_F8, 0);
}

TEST(Score, LevelSlotsOutsideTheRangeMeanTheTotalAndResetKeepsTheSlots)
{
    CScore score{};
    score.SetScore(11, 0);
    score.SetScore(66, 6);
    score.SetScore(9, 7);
    score.AddScore(-10);
    EXPECT_EQ(score.GetScore(), -1);
    EXPECT_EQ(score.GetScore(-1), -1);
    score.SetScore(8, -3);
    EXPECT_EQ(score.GetScore(7), 8);
    EXPECT_EQ(score.GetScore(0), 11);
    EXPECT_EQ(score.GetScore(6), 66);
    score.Reset();
    EXPECT_EQ(score.GetScore(), 0);
    EXPECT_EQ(score.GetScore(6), 66);
}

class FrameLoopTest : public GameTest {};

TEST_F(FrameLoopTest, ReadsKeysOncePerFrameMeasuresFramesCountsFpsAfterASecondAndPacesButNeverAfterASlowFrame)
{
    // Pressed and released between two frames, a key is lost.
    Press(SDLK_a);
    Release(SDLK_a);
    Frame();
    EXPECT_EQ(Keys[SDLK_a], 0);
    Press(SDLK_a);
    Frame();
    EXPECT_EQ(Keys[SDLK_a], 1);

    Frame(30);  // 32 frames of 30 ms: 960 ms
    EXPECT_EQ(Timer.GetFps(), 0);
    EXPECT_FLOAT_EQ(Timer.GetLastFrameTime(), 0.030f);
    Frame(3);
    EXPECT_GT(Timer.GetFps(), 30);
    // A long load is not clamped away: the next frame reports all of it.
    Advance(5000);
    Frame();
    EXPECT_NEAR(Timer.GetLastFrameTime(), 5.030f, 1e-4);

    const Uint32 start = Now();
    Frame();
    EXPECT_EQ(Now() - start, 30u);
    // A frame that already took longer than the period is not followed by a sleep.
    speles_atrums = 30;
    Advance(45);
    const Uint32 before = Now();
    Frame();
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(looptime, before);
}

class WindowTest : public GameTest {
protected:
    std::vector<Uint32> ScreenPixels() const
    {
        std::vector<Uint32> pixels;
        for (int y = 0; y < screen->h; y += 3)
            for (int x = 0; x < screen->w; x += 3) pixels.push_back(Pixel(x, y));
        return pixels;
    }
};

// The dummy driver cannot switch in place, so this is the path that sets the
// video mode anew.
TEST_F(WindowTest, F11SwitchesBetweenFullScreenAndAWindowKeepingTheFrameAndTheStateAndSigtermEndsTheLoop)
{
    SkipToMenu();
    Tap(SDLK_DOWN);
    Frame();
    ASSERT_EQ(menu_atels, 2);
    ASSERT_TRUE(screen->flags & SDL_FULLSCREEN);
    const std::vector<Uint32> menuFrame = ScreenPixels();
    Press(SDLK_RIGHT);  // held through the switch
    Press(SDLK_F11);
    Frame(2);  // F11 held: one switch per press
    EXPECT_FALSE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(screen->w * 10000 + screen->h * 10 + screen->format->BitsPerPixel / 8, 10247684);
    EXPECT_EQ(Keys[SDLK_RIGHT], 1);
    EXPECT_EQ(kas_notiek, STATE_MENU);
    EXPECT_EQ(menu_atels, 2);
    EXPECT_EQ(ScreenPixels(), menuFrame);
    // Whatever the scene draws next, the frame already shown moves over as it is.
    ToggleFullScreen();
    EXPECT_TRUE(screen->flags & SDL_FULLSCREEN);
    EXPECT_EQ(ScreenPixels(), menuFrame);

    // SDL turns SIGINT, SIGTERM and the window's close button into its quit
    // event, which ends the loop after its frame as the menu's exit does.
    raise(SIGTERM);
    EXPECT_FALSE(Quit);
    Frame();
    EXPECT_TRUE(Quit);
    EXPECT_TRUE(Menu.pazust());
}

class DrawTest : public VideoTest {
protected:
    void SetUp() override
    {
        VideoTest::SetUp();
        source = SDL_CreateRGBSurface(SDL_SWSURFACE, 64, 64, 32, 0xFF0000, 0xFF00, 0xFF, 0);
        SDL_FillRect(source, nullptr, SDL_MapRGB(source->format, 255, 255, 255));
    }
    void TearDown() override
    {
        SDL_FreeSurface(source);
        VideoTest::TearDown();
    }
    Uint32 DrawnOnBlack(int alpha)
    {
        FillScreen(screen, 0, 0, 0);
        CScene::zimetBildi(source, screen, 0, 0, 10, 10, 64, 64, alpha);
        return SurfacePixel(screen, 20, 20);
    }
    SDL_Surface* source = nullptr;
};

TEST_F(DrawTest, AlphaIsTakenModulo256TheSourceRectangleIsClippedToThePictureAndMissingOnesDrawNothing)
{
    EXPECT_EQ(DrawnOnBlack(255), 0xFFFFFFu);
    EXPECT_EQ(DrawnOnBlack(-1), 0xFFFFFFu);
    EXPECT_EQ(DrawnOnBlack(-46), DrawnOnBlack(210));
    EXPECT_NEAR(static_cast<int>(DrawnOnBlack(210) & 0xFF), 210, 2);
    EXPECT_EQ(DrawnOnBlack(256), 0x000000u);

    FillScreen(screen, 0, 0, 0);
    // Half of this rectangle lies past the picture's right edge.
    CScene::zimetBildi(source, screen, 32, 0, 100, 100, 64, 10, -1);
    EXPECT_EQ(SurfacePixel(screen, 100, 105), 0xFFFFFFu);
    EXPECT_EQ(SurfacePixel(screen, 131, 105), 0xFFFFFFu);
    EXPECT_EQ(SurfacePixel(screen, 132, 105), 0x000000u);
    // And the target clips too.
    CScene::zimetBildi(source, screen, 0, 0, 1000, 760, 64, 64, -1);
    EXPECT_EQ(SurfacePixel(screen, 1023, 767), 0xFFFFFFu);

    // Missing pictures and texts draw nothing.
    FillScreen(screen, 1, 2, 3);
    CScene::zimetBildi(nullptr, screen, 0, 0, 0, 0, 1024, 768, -1);
    CScene::zimetBildi(source, nullptr, 0, 0, 0, 0, 64, 64, -1);
    DrawTextSurface(nullptr, screen, SDL_Rect{10, 10, 0, 0});
    DrawFullScreen(LoadPicture("no/such/picture.png"), screen);
    EXPECT_EQ(SurfacePixel(screen, 10, 10), 0x010203u);
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = OpenGameFont(20);
    ASSERT_NE(font, nullptr);
    SDL_Surface* text = nullptr;
    RenderText(text, font, "12", SDL_Color{255, 255, 0, 0}, TextStyle::Solid);
    EXPECT_NE(text, nullptr);
    // The empty cheat field renders nothing rather than an empty surface.
    RenderText(text, font, "", SDL_Color{255, 255, 0, 0}, TextStyle::Solid);
    EXPECT_EQ(text, nullptr);
    RenderText(text, nullptr, "12", SDL_Color{255, 255, 0, 0});
    EXPECT_EQ(text, nullptr);
    CloseFont(font);
    TTF_Quit();
}

class ScreenshotTest : public GameTest {
protected:
    void TearDown() override
    {
        for (const char* name : {"7-3-2026_14-5-9.bmp", "8-3-2026_14-5-9.bmp"}) {
            unlink(name);
            rmdir(name);
        }
        GameTest::TearDown();
    }
};

TEST_F(ScreenshotTest, F8WritesOneBmpOfTheFramePerPressAndAFileThatCannotBeWrittenIsNotReportedAsSaved)
{
    Frame(3);
    Press(SDLK_F8);
    Frame(4);  // held for four frames
    EXPECT_EQ(CountInLog("Screenshot 7-3-2026_14-5-9.bmp saved\n"), 1u);
    SDL_Surface* shot = SDL_LoadBMP("7-3-2026_14-5-9.bmp");
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(shot->w * 10000 + shot->h, 10240768);
    SDL_FreeSurface(shot);
    Release(SDLK_F8);
    Frame();
    Tap(SDLK_F8);
    EXPECT_EQ(CountInLog("Screenshot 7-3-2026_14-5-9.bmp saved\n"), 2u);

    SetCalendar(1772892309 + 24 * 3600);
    ASSERT_EQ(mkdir("8-3-2026_14-5-9.bmp", 0755), 0);  // a folder in the file's place
    Tap(SDLK_F8);
    EXPECT_EQ(CountInLog("saved"), 2u);
    EXPECT_EQ(CountInLog("Screenshot 8-3-2026_14-5-9.bmp nav saglabaats: "), 1u);
}

// LoadPicture converts with its own loop and run-length encodes; what it
// draws must be what SDL's own conversion of the same file draws.
TEST_F(VideoTest, LoadedPicturesDrawAsSdlsOwnConversionDraws)
{
    std::vector<std::string> pictures;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(".")) {
        const std::string ext = entry.path().extension().string();
        if (ext == ".png" || ext == ".jpg") pictures.push_back(entry.path().string());
    }
    std::sort(pictures.begin(), pictures.end());
    ASSERT_GT(pictures.size(), 50u);
    auto drawn = [&](SDL_Surface* picture) {
        SDL_Surface* canvas = SDL_CreateRGBSurface(SDL_SWSURFACE, picture->w, picture->h, 32, screen->format->Rmask,
                                                   screen->format->Gmask, screen->format->Bmask, 0);
        SDL_FillRect(canvas, nullptr, SDL_MapRGB(canvas->format, 40, 90, 160));
        CScene::zimetBildi(picture, canvas, 0, 0, 0, 0, picture->w, picture->h, -1);
        return canvas;
    };
    for (size_t k = 0; k < pictures.size(); k += 6) {
        SDL_Surface* ours = LoadPicture(pictures[k].c_str());
        SDL_Surface* decoded = IMG_Load(pictures[k].c_str());
        ASSERT_TRUE(ours && decoded) << pictures[k];
        SDL_Surface* theirs = decoded->format->Amask ? SDL_DisplayFormatAlpha(decoded) : SDL_DisplayFormat(decoded);
        SDL_Surface* a = drawn(ours);
        SDL_Surface* b = drawn(theirs);
        // The canvas's fourth byte is unused: colour channels only.
        const Uint32 colour = a->format->Rmask | a->format->Gmask | a->format->Bmask;
        int differing = 0;
        for (int y = 0; y < a->h; y++) {
            const Uint32* rowA = reinterpret_cast<Uint32*>(static_cast<Uint8*>(a->pixels) + y * a->pitch);
            const Uint32* rowB = reinterpret_cast<Uint32*>(static_cast<Uint8*>(b->pixels) + y * b->pitch);
            for (int x = 0; x < a->w; x++) differing += ((rowA[x] ^ rowB[x]) & colour) != 0;
        }
        EXPECT_EQ(differing, 0) << "pixels differ in " << pictures[k];
        for (SDL_Surface* surface : {a, b, theirs, decoded}) SDL_FreeSurface(surface);
        FreeSurface(ours);
    }
}
