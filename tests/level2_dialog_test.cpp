// The quest giver's dialog boxes: texts, rendering once per index, the
// swapped lines of the water dialog, answers and the Latvian letters.

#include <SDL_ttf.h>

#include <cstring>
#include <vector>

#include "shell/colors.h"
#include "level3/lvl3.h"
#include "level3/lvl3_state.h"
#include "tests/level2_fixture.h"

namespace {

void OpenBox(int index)
{
    misija = index;
    LVL2.dialogOpen = true;
}

// The screen's row through the middle of the line is lit where the middle row of
// the line has ink (the line may run past the screen's edge).
bool LineAt(SDL_Surface* screen, SDL_Surface* line, const SDL_Rect& at)
{
    const int row = line->h / 2;
    for (int x = 0; x < line->w && at.x + x < screen->w; x++) {
        Uint8 alpha = 0;
        SurfacePixel(line, x, row, &alpha);
        const bool lit = SurfacePixel(screen, at.x + x, at.y + row) != 0;
        // Faint edges may round to black; solid ink and none must match.
        if ((alpha >= 128 && !lit) || (alpha == 0 && lit)) return false;
    }
    return true;
}

// Blended renders of a line: the same size, colour and ink to the byte.
bool SameSurfaces(SDL_Surface* a, SDL_Surface* b)
{
    return a && b && a->w == b->w && a->h == b->h && a->pitch == b->pitch &&
           memcmp(a->pixels, b->pixels, static_cast<size_t>(a->pitch) * a->h) == 0;
}

}  // namespace

TEST_F(Level2Test, YAndNTogetherApplyBothYFirstTheBonfireStaysAcceptedAndMissionFourHasNoBox)
{
    OpenBox(0);
    Frame(3);
    EXPECT_TRUE(LVL2.dialogOpen) << "the world runs under the box";
    Keys[SDLK_y] = Keys[SDLK_n] = 1;
    Frame();
    EXPECT_FALSE(LVL2.dialogOpen);
    EXPECT_EQ(misija, 1);
    EXPECT_FALSE(mini[SPOT2_EGGS].active);
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    EXPECT_TRUE(Keys[SDLK_y] && Keys[SDLK_n]) << "the answers leave their keys down";

    OpenBox(3);
    Frame();
    Keys[SDLK_y] = Keys[SDLK_n] = 0;
    EXPECT_FALSE(LVL2.dialogOpen);
    EXPECT_EQ(misija, 4);
    EXPECT_FALSE(mini[SPOT2_QUEST_GIVER].active) << "no empty fifth dialog to open";
    malkas_chupa = FIREWOOD - 1;
    player10.carrying = 1;
    StandAtSpot(mini[SPOT2_FIREWOOD_DROP]);
    FrameWith(SDLK_SPACE);
    EXPECT_EQ(malkas_chupa, FIREWOOD);
    EXPECT_TRUE(mini[SPOT2_EXIT].active);

    // Mission four has no dialog: an open box shows nothing and keeps its keys.
    ClearPictures();
    UsePicture(PIC2_DIALOG, 0x445566);
    OpenBox(4);
    Keys[SDLK_y] = 1;
    Frame();
    EXPECT_EQ(Keys[SDLK_y], 1);
    EXPECT_TRUE(LVL2.dialogOpen);
    EXPECT_EQ(misija, 4);
    EXPECT_NE(Pixel(500, 300), 0x445566u);
}

TEST_F(Level2Test, LinesAreTheWindows1257BytesRenderedOncePerIndexAndTheWaterDialogsEnglishGoesFirst)
{
    ClearPictures();
    HoldNeeds();
    OpenBox(0);
    Frame();
    SDL_Surface* first = LVL2.Dialogs().latvianLine;
    ASSERT_NE(first, nullptr);
    const int firstWidth = first->w;  // the surface itself goes with the next index
    Frame();
    EXPECT_EQ(LVL2.Dialogs().latvianLine, first) << "not rendered every frame";

    for (int index : {0, 1}) {
        OpenBox(index);
        Frame();
        SDL_Surface* latvian = LVL2.Dialogs().latvianLine;
        SDL_Surface* english = LVL2.Dialogs().englishLine;
        ASSERT_TRUE(latvian && english);
        ASSERT_NE(latvian->w, english->w);
        SDL_Surface* top = index == 1 ? english : latvian;
        SDL_Surface* bottom = index == 1 ? latvian : english;
        EXPECT_TRUE(LineAt(screen, top, Dialogloc)) << "dialog " << index;
        EXPECT_TRUE(LineAt(screen, bottom, Dialogloc2)) << "dialog " << index;
        EXPECT_FALSE(LineAt(screen, bottom, Dialogloc)) << "dialog " << index;
    }
    TTF_Font* font = OpenGameFont(30);
    ASSERT_NE(font, nullptr);
    // "Paņēmu saēdos pīrādziņus un gribas padzerties, aizteci pēc ūdens!" in
    // Windows-1257, which font.ttf shows as those letters (font_test).
    SDL_Surface* expected = TTF_RenderText_Blended(
        font, "Pa\xf2\xe7mu sa\xe7" "dos p\xeer\xe2" "dzi\xf2us un gribas padzerties, aizteci p\xe7" "c \xfb" "dens!", bal);
    EXPECT_TRUE(SameSurfaces(LVL2.Dialogs().latvianLine, expected));
    SDL_FreeSurface(expected);
    CloseFont(font);

    OpenBox(2);
    Frame();
    EXPECT_STREQ(DialogTextL, "     Es nezinu k\xe2p\xe7" "c, bet vajag salas\xeet ogas, vai ne?");
    EXPECT_STREQ(DialogTextA, " I don't know why, but we should get some berries, right?");
    ASSERT_NE(LVL2.Dialogs().latvianLine->w, firstWidth);
    OpenBox(0);  // its flag is still set, but the surfaces hold dialog 2's lines
    Frame();
    EXPECT_EQ(LVL2.Dialogs().latvianLine->w, firstWidth);
}

TEST(DialogBoxAlone, ATextLongerThanItsBufferIsCutAtTheBuffer)
{
    static char latvian[8], english[8];
    static int rendered[1];
    static int yes = 0;
    static const DialogLook look = {Dialogloc, Dialogloc2, bal, true, -1};
    static const DialogEntry table[1] = {{"0123456789", "ab", [] { yes++; }, nullptr}};
    DialogBox box(look, table, 1, {latvian, sizeof latvian}, {english, sizeof english}, rendered);
    box.Show(nullptr, nullptr, nullptr, 0);
    EXPECT_STREQ(latvian, "0123456");
    EXPECT_STREQ(english, "ab");
    EXPECT_EQ(rendered[0], 1);
    EXPECT_EQ(yes, 0);
}

// Every line of both levels' dialogs, drawn by the levels' own dialog code,
// ends inside the frame of its box picture (and so on the screen): the rules
// fix the texts, sizes and positions, so the font and the boxes must make room.
TEST_F(Level2Test, EveryDialogLineOfBothLevelsEndsInsideItsBox)
{
    LVL3.Load(screen);
    LVL3.Uzsetot();
    std::vector<DrawnText> drawn;
    // Let go at the end, so no ASSERT in between: the watcher holds this vector.
    WatchDrawnTexts([&](const DrawnText& text) { drawn.push_back(text); });
    // The inside of each generated box's frame (tools/assetgen).
    const struct {
        bool town;
        int count;
        SDL_Rect in;
    } levels[] = {{false, DIALOGS2, {26, 534, 972, 162}}, {true, DIALOGS3, {0, 563, 1024, 136}}};
    for (const auto& level : levels)
        for (int k = 0; k < level.count; k++) {
            drawn.clear();
            if (level.town)
                LVL3.dialogs(screen, k);
            else
                LVL2.dialogs(screen, k);
            EXPECT_EQ(drawn.size(), 2u) << "dialog " << k;
            for (const DrawnText& t : drawn)
                EXPECT_TRUE(t.x >= level.in.x && t.y >= level.in.y && t.x + t.w <= level.in.x + level.in.w &&
                            t.y + t.h <= level.in.y + level.in.h)
                    << t.text << " at " << t.x << "," << t.y << " size " << t.w << "x" << t.h;
        }
    WatchDrawnTexts(nullptr);
    LVL3.FreeMemory();
}
