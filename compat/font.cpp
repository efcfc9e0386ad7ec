// The game's calls of SDL_ttf 2.0 on FreeType. Sizes, glyph placement and
// pixels follow SDL_ttf's own rules, so that a text covers the same pixels
// on both builds: the surface is as tall as the font (ascent - descent + 1, more
// where a glyph reaches lower) and as wide as the last pen position or glyph
// edge, whichever is further.
#include "SDL_ttf.h"

#include <algorithm>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

struct TTF_Font {
    FT_Face face;
    int ascent;
    int height;
};

namespace {

FT_Library library;
int initCount = 0;

int Floor(FT_Pos v) { return static_cast<int>((v & -64) / 64); }
int Ceil(FT_Pos v) { return static_cast<int>(((v + 63) & -64) / 64); }

// A glyph's box in whole pixels, x from the pen position, y up from the baseline.
struct Glyph {
    FT_UInt index;
    int minx, maxx, top, bottom, advance;
};

bool LoadGlyph(TTF_Font* font, Uint16 code, Glyph& glyph)
{
    glyph.index = FT_Get_Char_Index(font->face, code);  // 0, the missing-glyph box, if the font has none
    const FT_Error error = FT_Load_Glyph(font->face, glyph.index, FT_LOAD_DEFAULT);
    if (error) {
        SDL_SetError("Couldn't find glyph (FreeType error %d)", error);
        return false;
    }
    const FT_Glyph_Metrics& m = font->face->glyph->metrics;
    glyph.minx = Floor(m.horiBearingX);
    glyph.maxx = glyph.minx + Ceil(m.width);
    glyph.top = Floor(m.horiBearingY);
    glyph.bottom = glyph.top - Ceil(m.height);
    glyph.advance = Ceil(m.horiAdvance);
    return true;
}

int Kerning(TTF_Font* font, FT_UInt previous, FT_UInt index)
{
    if (!FT_HAS_KERNING(font->face) || !previous || !index) return 0;
    FT_Vector delta;
    FT_Get_Kerning(font->face, previous, index, FT_KERNING_DEFAULT, &delta);
    return static_cast<int>(delta.x >> 6);
}

// Walks the text as SDL_ttf lays it out, handing each glyph, loaded into
// the face's slot, and its pen position to visit.
template <typename Visit>
bool Layout(TTF_Font* font, const std::u16string& codes, Visit visit)
{
    int x = 0;
    FT_UInt previous = 0;
    bool first = true;
    for (const char16_t code : codes) {
        Glyph glyph;
        if (!LoadGlyph(font, code, glyph)) return false;
        x += Kerning(font, previous, glyph.index);
        // A first glyph that starts left of the pen moves the pen right to fit.
        if (first && glyph.minx < 0) x -= glyph.minx;
        first = false;
        if (!visit(glyph, x)) return false;
        x += glyph.advance;
        previous = glyph.index;
    }
    return true;
}

// The text's surface: as tall as the font, or taller where a glyph (a
// cedilla under a letter) reaches below the font's descent; width -1 if a
// glyph does not load.
struct TextSize {
    int width, height;
};

TextSize MeasureText(TTF_Font* font, const std::u16string& codes)
{
    int width = 0, lowest = 0;
    const bool loaded = Layout(font, codes, [&](const Glyph& glyph, int x) {
        width = std::max(width, x + std::max(glyph.advance, glyph.maxx));
        lowest = std::min(lowest, glyph.bottom);
        return true;
    });
    return {loaded ? width : -1, std::max(font->height, font->ascent - lowest)};
}

// One byte a pixel: 0/1 coverage for solid text, 0-255 for blended text.
struct Coverage {
    const FT_Bitmap& bitmap;
    bool mono;
    int At(int row, int col) const
    {
        const Uint8* line = bitmap.buffer + row * bitmap.pitch;
        return mono ? (line[col / 8] >> (7 - col % 8)) & 1 : line[col];
    }
};

// Hands each covered pixel of the text, as its offset into the surface's
// pixels, to paint. Offsets are counted from the start of the row, so a glyph
// reaching past the right edge wraps into the next row, as in SDL_ttf;
// nothing is written outside the pixels.
template <typename Paint>
bool DrawGlyphs(TTF_Font* font, const std::u16string& codes, SDL_Surface* surface, bool mono, Paint paint)
{
    const int bytesPerPixel = surface->format->BytesPerPixel;
    const long end = static_cast<long>(surface->pitch) * surface->h / bytesPerPixel;
    return Layout(font, codes, [&](const Glyph& glyph, int x) {
        const FT_Error error = FT_Render_Glyph(font->face->glyph, mono ? FT_RENDER_MODE_MONO : FT_RENDER_MODE_NORMAL);
        if (error) {
            SDL_SetError("Couldn't render glyph (FreeType error %d)", error);
            return false;
        }
        const Coverage coverage{font->face->glyph->bitmap, mono};
        // FreeType may report a bitmap wider than the glyph's box.
        const int width = std::min<int>(coverage.bitmap.width, glyph.maxx - glyph.minx);
        for (int row = 0; row < static_cast<int>(coverage.bitmap.rows); row++) {
            const int y = font->ascent - glyph.top + row;
            if (y < 0 || y >= surface->h) continue;
            const long start = static_cast<long>(y) * surface->pitch / bytesPerPixel + x + glyph.minx;
            for (int col = 0; col < width; col++)
                if (start + col >= 0 && start + col < end) paint(start + col, coverage.At(row, col));
        }
        return true;
    });
}

SDL_Surface* Render(TTF_Font* font, const std::u16string& codes, SDL_Color fg, bool blended)
{
    if (!font) {
        SDL_SetError("Passed a NULL pointer");
        return nullptr;
    }
    const TextSize size = MeasureText(font, codes);
    if (size.width <= 0) {
        if (size.width == 0) SDL_SetError("Text has zero width");
        return nullptr;
    }
    SDL_Surface* surface;
    bool drawn;
    if (blended) {
        surface = SDL_CreateRGBSurface(SDL_SWSURFACE, size.width, size.height, 32, 0x00FF0000, 0x0000FF00, 0x000000FF,
                                       0xFF000000);
        if (!surface) return nullptr;
        // The text colour everywhere, its coverage as alpha; where glyphs
        // overlap, the coverages are or-ed together.
        const Uint32 colour = (fg.r << 16) | (fg.g << 8) | fg.b;
        SDL_FillRect(surface, nullptr, colour);
        Uint32* pixels = static_cast<Uint32*>(surface->pixels);
        drawn = DrawGlyphs(font, codes, surface, false,
                           [&](long at, int alpha) { pixels[at] |= colour | (Uint32(alpha) << 24); });
    } else {
        surface = SDL_CreateRGBSurface(SDL_SWSURFACE, size.width, size.height, 8, 0, 0, 0, 0);
        if (!surface) return nullptr;
        // Index 1 is the text, index 0 the colour key behind it.
        SDL_Color* colours = surface->format->palette->colors;
        colours[0] = SDL_Color{Uint8(255 - fg.r), Uint8(255 - fg.g), Uint8(255 - fg.b), 0};
        colours[1] = SDL_Color{fg.r, fg.g, fg.b, 0};
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY, 0);
        Uint8* pixels = static_cast<Uint8*>(surface->pixels);
        drawn = DrawGlyphs(font, codes, surface, true, [&](long at, int bit) { pixels[at] |= bit; });
    }
    if (drawn) return surface;
    SDL_FreeSurface(surface);
    return nullptr;
}

std::u16string FromLatin1(const char* text)
{
    std::u16string codes;
    for (; text && *text; text++) codes += char16_t(Uint8(*text));
    return codes;
}

// As SDL_ttf reads UTF-8: the lead byte says how many bytes follow, and their
// low six bits are taken whatever they are; the code point is cut to 16 bits.
// A sequence cut short by the end of the text ends it.
std::u16string FromUtf8(const char* text)
{
    std::u16string codes;
    const Uint8* p = reinterpret_cast<const Uint8*>(text);
    while (p && *p) {
        const Uint8 lead = *p++;
        const int more = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        Uint32 code = more == 3 ? lead & 0x07 : more == 2 ? lead & 0x0F : more == 1 ? lead & 0x1F : lead;
        for (int i = 0; i < more; i++) {
            if (!*p) return codes;
            code = (code << 6) | (*p++ & 0x3F);
        }
        codes += char16_t(code);
    }
    return codes;
}

}  // namespace

int TTF_Init(void)
{
    if (initCount == 0 && FT_Init_FreeType(&library)) {
        SDL_SetError("Couldn't init FreeType engine");
        return -1;
    }
    initCount++;
    return 0;
}

void TTF_Quit(void)
{
    if (initCount > 0 && --initCount == 0) FT_Done_FreeType(library);
}

TTF_Font* TTF_OpenFont(const char* file, int ptsize)
{
    if (initCount == 0) {
        SDL_SetError("Library not initialized");
        return nullptr;
    }
    FT_Face face;
    if (FT_New_Face(library, file, 0, &face)) {
        SDL_SetError("Couldn't open %s", file);
        return nullptr;
    }
    if (!FT_IS_SCALABLE(face) || FT_Set_Char_Size(face, 0, ptsize * 64, 0, 0)) {
        FT_Done_Face(face);
        SDL_SetError("Couldn't set font size");
        return nullptr;
    }
    const FT_Fixed scale = face->size->metrics.y_scale;
    const int ascent = Ceil(FT_MulFix(face->ascender, scale));
    const int descent = Ceil(FT_MulFix(face->descender, scale));
    return new TTF_Font{face, ascent, ascent - descent + 1};
}

void TTF_CloseFont(TTF_Font* font)
{
    if (!font) return;
    FT_Done_Face(font->face);
    delete font;
}

SDL_Surface* TTF_RenderText_Blended(TTF_Font* font, const char* text, SDL_Color fg)
{
    return Render(font, FromLatin1(text), fg, true);
}

SDL_Surface* TTF_RenderText_Solid(TTF_Font* font, const char* text, SDL_Color fg)
{
    return Render(font, FromLatin1(text), fg, false);
}

SDL_Surface* TTF_RenderUTF8_Solid(TTF_Font* font, const char* text, SDL_Color fg)
{
    return Render(font, FromUtf8(text), fg, false);
}
