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

const SDL_Color YELLOW = {255, 255, 0, 0};

struct Text {
    const char* cp1257;
    const char* utf8;
};

// Hex escapes are split where a letter a-f follows, which would otherwise
// be read as part of the escape.
const Text LATVIAN[] = {
    {"\xE2\xE8\xE7\xEC\xEE\xED\xEF\xF2\xF0\xFB\xFE", "āčēģīķļņšūž"},
    {"\xC2\xC8\xC7\xCC\xCE\xCD\xCF\xD2\xD0\xDB\xDE", "ĀČĒĢĪĶĻŅŠŪŽ"},
    {"Jauna sp\xE7le, Iel\xE2" "d\xE7t, KAUTUV\xC7!", "Jauna spēle, Ielādēt, KAUTUVĒ!"},
    // Windows-1257 has these where Latin-1 has them; they must stay put.
    {"\xE4\xF6\xFC\xC4\xD6\xDC\xA7\xE9", "äöüÄÖÜ§é"},
};

using Surface = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

::testing::AssertionResult SamePixels(SDL_Surface* aRaw, SDL_Surface* bRaw)
{
    const Surface a(aRaw, SDL_FreeSurface), b(bRaw, SDL_FreeSurface);
    if (!a || !b) return ::testing::AssertionFailure() << "render failed: " << TTF_GetError();
    if (a->w != b->w || a->h != b->h || a->format->BytesPerPixel != b->format->BytesPerPixel)
        return ::testing::AssertionFailure() << "size " << a->w << "x" << a->h << " vs " << b->w << "x" << b->h;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(static_cast<const Uint8*>(a->pixels) + y * a->pitch,
                        static_cast<const Uint8*>(b->pixels) + y * b->pitch,
                        static_cast<size_t>(a->w) * a->format->BytesPerPixel) != 0)
            return ::testing::AssertionFailure() << "pixels differ in row " << y;
    return ::testing::AssertionSuccess();
}

class FontTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Leave SDL as we found it if someone else brought it up.
        sdlWasUp = SDL_WasInit(SDL_INIT_EVERYTHING) != 0;
        ASSERT_EQ(0, SDL_Init(0)) << SDL_GetError();
        ASSERT_EQ(0, TTF_Init()) << TTF_GetError();
        font = TTF_OpenFont(VIPRATS_DATA_DIR "/font.ttf", 30);
        ASSERT_NE(nullptr, font) << TTF_GetError();
    }
    void TearDown() override
    {
        if (font) TTF_CloseFont(font);
        TTF_Quit();
        if (!sdlWasUp) SDL_Quit();
    }
    TTF_Font* font = nullptr;
    bool sdlWasUp = false;
};

TEST_F(FontTest, Windows1257BytesRenderLikeUtf8AndEverythingElseLikeItsSourceFont)
{
    // Without glyphs, both renderings of a letter would be the same empty
    // box and the comparisons would pass on a broken font.
    for (const Text& t : LATVIAN)
        for (const char* c = t.utf8; *c; c++)
            EXPECT_TRUE((*c & 0xE0) != 0xC0 || TTF_GlyphIsProvided(font, Uint16((c[0] & 0x1F) << 6 | (c[1] & 0x3F))))
                << t.utf8;
    for (const Text& t : LATVIAN) {
        SCOPED_TRACE(t.utf8);
        EXPECT_TRUE(SamePixels(TTF_RenderText_Solid(font, t.cp1257, YELLOW), TTF_RenderUTF8_Solid(font, t.utf8, YELLOW)));
        EXPECT_TRUE(
            SamePixels(TTF_RenderText_Blended(font, t.cp1257, YELLOW), TTF_RenderUTF8_Blended(font, t.utf8, YELLOW)));
    }

    // ASCII and the real Unicode code points of the Latvian letters keep the
    // glyphs of the font it was made from.
    TTF_Font* source = TTF_OpenFont("/usr/share/fonts/truetype/roboto/unhinted/RobotoCondensed-Bold.ttf", 30);
    if (!source) GTEST_SKIP() << "source font not installed";
    std::string ascii;
    for (char c = 0x20; c < 0x7F; ++c) ascii += c;
    for (const std::string& line : {ascii.substr(0, 47), ascii.substr(47)}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(SamePixels(TTF_RenderText_Solid(font, line.c_str(), YELLOW),
                               TTF_RenderText_Solid(source, line.c_str(), YELLOW)));
    }
    for (const Text& t : LATVIAN) {
        SCOPED_TRACE(t.utf8);
        EXPECT_TRUE(
            SamePixels(TTF_RenderUTF8_Blended(font, t.utf8, YELLOW), TTF_RenderUTF8_Blended(source, t.utf8, YELLOW)));
    }
    TTF_CloseFont(source);
}

}  // namespace
