// compat/, the Windows build's own IMG_Load and TTF_* calls, against Debian's
// SDL_image and SDL_ttf: the same surface for every picture of the data tree
// and every text the game renders, at every size it opens the font at, and
// NULL from both for files that are not pictures or fonts.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "level2/lvl2_content.h"
#include "level3/lvl3.h"

// compat/ under the names CMakeLists.txt gives it in this program.
extern "C" {
struct CompatFont;
SDL_Surface* compat_IMG_Load(const char* file);
int compat_TTF_Init(void);
void compat_TTF_Quit(void);
CompatFont* compat_TTF_OpenFont(const char* file, int ptsize);
void compat_TTF_CloseFont(CompatFont* font);
SDL_Surface* compat_TTF_RenderText_Blended(CompatFont* font, const char* text, SDL_Color fg);
SDL_Surface* compat_TTF_RenderText_Solid(CompatFont* font, const char* text, SDL_Color fg);
SDL_Surface* compat_TTF_RenderUTF8_Solid(CompatFont* font, const char* text, SDL_Color fg);
}

namespace {

namespace fs = std::filesystem;

// Every size the game opens font.ttf at.
const int FONT_POINTS[] = {16, 18, 23, 30, 55, 68};

// Everything the game renders besides its dialog lines, each format with
// every digit: level 0's time, score and name; the cheat digits; the levels'
// scores, clocks and counters (hits, items, firewood, eggs, game); the
// developer overlay's lines.
const char* const GAME_TEXTS[] = {
    " 07 ", " 59 ", " 000 ", " 123 ", " 456 ", " 789 ", "jan19bcdef", "abcdefghijklm", "nopqrstuvwxyz",
    "0123456789", "7", "00000 ", "12345 ", "67890 ", "00:00", "12:34", "56:59", "0/10", "10/10", "3/11",
    "11/11", "4/6", "25/25", "08 ", "512.00    384.00 ", "-1234.56  789.01 ", "1746.56  1173.01  0=1 1=0 2=1",
    "1746.56  1173.01   malka:3",
};

// A code point the font has no glyph for, as Latin-1 and as UTF-8.
const char* const MISSING_GLYPHS[] = {"a\x01z", "a\xE6\x97\xA5z"};

using Render = SDL_Surface* (*)(TTF_Font*, const char*, SDL_Color);
using CompatRender = SDL_Surface* (*)(CompatFont*, const char*, SDL_Color);
struct RenderCall {
    const char* name;
    Render real;
    CompatRender ours;
    SDL_Color colour;
};
const RenderCall CALLS[] = {
    {"Blended", TTF_RenderText_Blended, compat_TTF_RenderText_Blended, {255, 255, 255, 0}},
    {"Solid", TTF_RenderText_Solid, compat_TTF_RenderText_Solid, {255, 255, 0, 0}},
    {"UTF8_Solid", TTF_RenderUTF8_Solid, compat_TTF_RenderUTF8_Solid, {255, 10, 0, 0}},
};

struct Surfaces {
    SDL_Surface* real;
    SDL_Surface* ours;
    ~Surfaces()
    {
        SDL_FreeSurface(real);
        SDL_FreeSurface(ours);
    }
};

::testing::AssertionResult Same(const Surfaces& s)
{
    if (!s.real || !s.ours)
        return ::testing::AssertionFailure() << "real " << s.real << ", ours " << s.ours << ": " << SDL_GetError();
    const SDL_PixelFormat& a = *s.real->format;
    const SDL_PixelFormat& b = *s.ours->format;
    const Uint32 kinds = SDL_SRCALPHA | SDL_SRCCOLORKEY;
    if (s.real->w != s.ours->w || s.real->h != s.ours->h || a.BitsPerPixel != b.BitsPerPixel ||
        a.Rmask != b.Rmask || a.Gmask != b.Gmask || a.Bmask != b.Bmask || a.Amask != b.Amask ||
        (s.real->flags & kinds) != (s.ours->flags & kinds) || a.colorkey != b.colorkey)
        return ::testing::AssertionFailure()
               << s.real->w << "x" << s.real->h << "x" << int(a.BitsPerPixel) << " flags " << s.real->flags
               << " vs " << s.ours->w << "x" << s.ours->h << "x" << int(b.BitsPerPixel) << " flags "
               << s.ours->flags;
    if (!a.palette != !b.palette ||
        (a.palette && (a.palette->ncolors != b.palette->ncolors ||
                       std::memcmp(a.palette->colors, b.palette->colors, a.palette->ncolors * sizeof(SDL_Color)))))
        return ::testing::AssertionFailure() << "palettes differ";
    for (int y = 0; y < s.real->h; y++)
        if (std::memcmp(static_cast<Uint8*>(s.real->pixels) + y * s.real->pitch,
                        static_cast<Uint8*>(s.ours->pixels) + y * s.ours->pitch, s.real->w * a.BytesPerPixel))
            return ::testing::AssertionFailure() << "pixels differ in row " << y;
    return ::testing::AssertionSuccess();
}

class Fonts : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(TTF_Init(), 0);
        ASSERT_EQ(compat_TTF_Init(), 0);
    }
    void TearDown() override
    {
        TTF_Quit();
        compat_TTF_Quit();
    }
};

// Each text in each call at each size; the texts' own checks see every surface.
template <typename Check>
void EveryRendering(const std::vector<std::string>& texts, Check check)
{
    for (const int points : FONT_POINTS) {
        TTF_Font* real = TTF_OpenFont(VIPRATS_DATA_DIR "/font.ttf", points);
        CompatFont* ours = compat_TTF_OpenFont(VIPRATS_DATA_DIR "/font.ttf", points);
        ASSERT_TRUE(real && ours) << SDL_GetError();
        for (const RenderCall& call : CALLS)
            for (const std::string& text : texts) {
                SCOPED_TRACE(std::string(call.name) + " " + std::to_string(points) + " \"" + text + "\"");
                check(Surfaces{call.real(real, text.c_str(), call.colour), call.ours(ours, text.c_str(), call.colour)});
            }
        TTF_CloseFont(real);
        compat_TTF_CloseFont(ours);
    }
}

TEST_F(Fonts, EveryTextOfTheGameRendersAsSdlTtfRendersIt)
{
    std::vector<std::string> texts(std::begin(GAME_TEXTS), std::end(GAME_TEXTS));
    for (const DialogEntry& dialog : LEVEL2_DIALOGS) texts.insert(texts.end(), {dialog.latvian, dialog.english});
    for (const DialogEntry& dialog : LEVEL3_DIALOGS) texts.insert(texts.end(), {dialog.latvian, dialog.english});
    texts.insert(texts.end(), std::begin(MISSING_GLYPHS), std::end(MISSING_GLYPHS));
    EveryRendering(texts, [](const Surfaces& s) { EXPECT_TRUE(Same(s)); });
}

TEST_F(Fonts, EmptyTextsAndFontsThatDoNotOpenGiveNothing)
{
    EveryRendering({""}, [](const Surfaces& s) {
        EXPECT_EQ(s.real, nullptr);
        EXPECT_EQ(s.ours, nullptr);
    });
    const fs::path scratch = fs::temp_directory_path() / "viprats-compat-fonts";
    fs::create_directories(scratch);
    const std::string empty = (scratch / "empty.ttf").string(), garbage = (scratch / "garbage.ttf").string();
    std::ofstream(empty).close();
    std::ofstream(garbage) << "not a font at all";
    for (const std::string& file : {std::string("no/such/font.ttf"), empty, garbage}) {
        EXPECT_EQ(TTF_OpenFont(file.c_str(), 30), nullptr) << file;
        SDL_SetError("");
        EXPECT_EQ(compat_TTF_OpenFont(file.c_str(), 30), nullptr) << file;
        EXPECT_STRNE(SDL_GetError(), "") << file;
    }
    fs::remove_all(scratch);
}

TEST(Pictures, EveryPictureOfTheDataTreeLoadsAsSdlImageLoadsIt)
{
    int pictures = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(VIPRATS_DATA_DIR)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".png" && extension != ".jpg") continue;
        const std::string path = entry.path().string();
        SCOPED_TRACE(path);
        EXPECT_TRUE(Same(Surfaces{IMG_Load(path.c_str()), compat_IMG_Load(path.c_str())}));
        pictures++;
    }
    EXPECT_GT(pictures, 200);
}

// A JPEG cut short in its picture data is the one broken file SDL_image
// makes a picture of, filling in what is missing; compat/ gives none.
TEST(Pictures, BrokenFilesGiveNothing)
{
    const fs::path scratch = fs::temp_directory_path() / "viprats-compat-pictures";
    fs::create_directories(scratch);
    struct Broken {
        std::string path;
        bool sdlImageMakesAPicture;
    };
    std::vector<Broken> files = {{(scratch / "missing.png").string(), false}};
    const auto write = [&](const std::string& name, const std::string& bytes, bool sdlImageMakesAPicture) {
        files.push_back({(scratch / name).string(), sdlImageMakesAPicture});
        std::ofstream(files.back().path, std::ios::binary) << bytes;
    };
    write("empty.png", "", false);
    write("garbage.png", "not a picture, whatever its name says", false);
    for (const char* picture : {"load_screen/pirmais.png", "load_screen/lvl0.jpg"}) {
        std::ifstream in(std::string(VIPRATS_DATA_DIR "/") + picture, std::ios::binary);
        const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GT(whole.size(), 1000u) << picture;
        const std::string name = fs::path(picture).filename().string();
        write("head-" + name, whole.substr(0, 40), false);
        write("half-" + name, whole.substr(0, whole.size() / 2), name.find(".jpg") != std::string::npos);
    }
    for (const Broken& file : files) {
        SCOPED_TRACE(file.path);
        SDL_Surface* real = IMG_Load(file.path.c_str());
        EXPECT_EQ(real != nullptr, file.sdlImageMakesAPicture);
        SDL_FreeSurface(real);
        SDL_SetError("");
        EXPECT_EQ(compat_IMG_Load(file.path.c_str()), nullptr);
        EXPECT_STRNE(SDL_GetError(), "");
    }
    fs::remove_all(scratch);
}

}  // namespace
