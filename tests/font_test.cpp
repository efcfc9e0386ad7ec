// The game keeps its Latvian lines as Windows-1257 bytes and hands them to
// SDL_ttf's 8-bit renderer, which reads every byte as a Latin-1 code point.
// font.ttf is laid out so those bytes come out as the Latvian letters: the
// 8-bit rendering of a Windows-1257 string must match, pixel for pixel, the
// UTF-8 rendering of the same text, and nothing outside that byte range may
// change.

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

const char* const kFontPath = VIPRATS_DATA_DIR "/font.ttf";
// The free font that font.ttf is made from.
const char* const kSourceFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const int kPointSize = 30;
const SDL_Color kYellow = {255, 255, 0, 0};

struct Text {
    const char* cp1257;
    const char* utf8;
};

// Hex escapes are split where a letter a-f follows, which would otherwise
// be read as part of the escape.
const Text kLatvian[] = {
    {"\xE2\xE8\xE7\xEC\xEE\xED\xEF\xF2\xF0\xFB\xFE", "āčēģīķļņšūž"},
    {"\xC2\xC8\xC7\xCC\xCE\xCD\xCF\xD2\xD0\xDB\xDE", "ĀČĒĢĪĶĻŅŠŪŽ"},
    {"Jauna sp\xE7le, Iel\xE2" "d\xE7t, KAUTUV\xC7!", "Jauna spēle, Ielādēt, KAUTUVĒ!"},
    // Windows-1257 has these where Latin-1 has them; they must stay put.
    {"\xE4\xF6\xFC\xC4\xD6\xDC\xA7\xE9", "äöüÄÖÜ§é"},
};

const Uint16 kLatvianCodePoints[] = {
    0x0101, 0x010D, 0x0113, 0x0123, 0x012B, 0x0137, 0x013C, 0x0146, 0x0161, 0x016B, 0x017E,
    0x0100, 0x010C, 0x0112, 0x0122, 0x012A, 0x0136, 0x013B, 0x0145, 0x0160, 0x016A, 0x017D,
};

struct SurfaceFree {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

::testing::AssertionResult SamePixels(const Surface& a, const Surface& b) {
    if (!a || !b) {
        return ::testing::AssertionFailure() << "render failed: " << TTF_GetError();
    }
    if (a->w != b->w || a->h != b->h) {
        return ::testing::AssertionFailure()
               << "size " << a->w << "x" << a->h << " vs " << b->w << "x" << b->h;
    }
    const int bpp = a->format->BytesPerPixel;
    if (bpp != b->format->BytesPerPixel) {
        return ::testing::AssertionFailure() << "pixel formats differ";
    }
    if (a->format->palette && b->format->palette) {
        const SDL_Palette* pa = a->format->palette;
        const SDL_Palette* pb = b->format->palette;
        if (pa->ncolors != pb->ncolors ||
            std::memcmp(pa->colors, pb->colors, pa->ncolors * sizeof(SDL_Color)) != 0) {
            return ::testing::AssertionFailure() << "palettes differ";
        }
    }
    for (int y = 0; y < a->h; ++y) {
        const Uint8* ra = static_cast<const Uint8*>(a->pixels) + y * a->pitch;
        const Uint8* rb = static_cast<const Uint8*>(b->pixels) + y * b->pitch;
        if (std::memcmp(ra, rb, static_cast<size_t>(a->w) * bpp) != 0) {
            return ::testing::AssertionFailure() << "pixels differ in row " << y;
        }
    }
    return ::testing::AssertionSuccess();
}

class FontTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Leave SDL as we found it if someone else brought it up.
        sdlWasUp_ = SDL_WasInit(SDL_INIT_EVERYTHING) != 0;
        ASSERT_EQ(0, SDL_Init(0)) << SDL_GetError();
        ASSERT_EQ(0, TTF_Init()) << TTF_GetError();
        font_ = TTF_OpenFont(kFontPath, kPointSize);
        ASSERT_NE(nullptr, font_) << kFontPath << ": " << TTF_GetError();
    }

    void TearDown() override {
        if (font_) TTF_CloseFont(font_);
        TTF_Quit();
        if (!sdlWasUp_) SDL_Quit();
    }

    TTF_Font* font_ = nullptr;
    bool sdlWasUp_ = false;
};

TEST_F(FontTest, CarriesItsOwnFamilyName) {
    const char* family = TTF_FontFaceFamilyName(font_);
    ASSERT_NE(nullptr, family);
    EXPECT_STREQ("viPRats Sans", family);
}

// Without this, both renderings of a missing letter would be the same empty
// box and the comparisons below would pass on a broken font.
TEST_F(FontTest, HasGlyphsForLatvianLetters) {
    for (Uint16 ch : kLatvianCodePoints) {
        EXPECT_TRUE(TTF_GlyphIsProvided(font_, ch)) << "U+" << std::hex << ch;
    }
}

TEST_F(FontTest, Windows1257BytesRenderLikeUtf8) {
    for (const Text& t : kLatvian) {
        SCOPED_TRACE(t.utf8);
        EXPECT_TRUE(SamePixels(Surface(TTF_RenderText_Solid(font_, t.cp1257, kYellow)),
                               Surface(TTF_RenderUTF8_Solid(font_, t.utf8, kYellow))))
            << "solid";
        EXPECT_TRUE(SamePixels(Surface(TTF_RenderText_Blended(font_, t.cp1257, kYellow)),
                               Surface(TTF_RenderUTF8_Blended(font_, t.utf8, kYellow))))
            << "blended";
    }
}

// ASCII and the real Unicode code points of the Latvian letters keep the
// glyphs of the font it was made from.
TEST_F(FontTest, RendersEverythingElseLikeItsSourceFont) {
    TTF_Font* source = TTF_OpenFont(kSourceFontPath, kPointSize);
    if (!source) GTEST_SKIP() << "source font not installed: " << kSourceFontPath;

    std::string ascii;
    for (char c = 0x20; c < 0x7F; ++c) ascii += c;
    for (const std::string& line : {ascii.substr(0, 47), ascii.substr(47)}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(SamePixels(Surface(TTF_RenderText_Solid(font_, line.c_str(), kYellow)),
                               Surface(TTF_RenderText_Solid(source, line.c_str(), kYellow))));
        EXPECT_TRUE(SamePixels(Surface(TTF_RenderUTF8_Blended(font_, line.c_str(), kYellow)),
                               Surface(TTF_RenderUTF8_Blended(source, line.c_str(), kYellow))));
    }
    for (const Text& t : kLatvian) {
        SCOPED_TRACE(t.utf8);
        EXPECT_TRUE(SamePixels(Surface(TTF_RenderUTF8_Blended(font_, t.utf8, kYellow)),
                               Surface(TTF_RenderUTF8_Blended(source, t.utf8, kYellow))));
    }
    TTF_CloseFont(source);
}

}  // namespace
