// The quest giver's dialog boxes: texts, rendering once per index, the
// swapped lines of the water dialog, answers and the Latvian letters.

#include <SDL_ttf.h>

#include <functional>
#include <string>
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

bool SameSurfaces(SDL_Surface* a, SDL_Surface* b)
{
    if (!a || !b || a->w != b->w || a->h != b->h) return false;
    for (int y = 0; y < a->h; y++)
        for (int x = 0; x < a->w; x++) {
            Uint8 alphaA = 0, alphaB = 0;
            if (SurfacePixel(a, x, y, &alphaA) != SurfacePixel(b, x, y, &alphaB) || alphaA != alphaB) return false;
        }
    return true;
}

}  // namespace

TEST_F(Level2Test, TheQuestGiverOpensTheBoxAndNPutsHimBack)
{
    StandAtSpot(mini[SPOT2_QUEST_GIVER]);
    FrameWith(SDLK_SPACE);
    ASSERT_TRUE(LVL2.dialogOpen);
    EXPECT_FALSE(mini[SPOT2_QUEST_GIVER].active);
    // The world runs under the box.
    Frame(3);
    EXPECT_TRUE(LVL2.dialogOpen);
    Keys[SDLK_n] = 1;
    Frame();
    EXPECT_EQ(Keys[SDLK_n], 1) << "the answer leaves its key down";
    Keys[SDLK_n] = 0;
    EXPECT_FALSE(LVL2.dialogOpen);
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    EXPECT_EQ(misija, 0);
}

TEST_F(Level2Test, YAndNTogetherApplyBothYFirstButTheBonfireStaysAcceptedAndTheLevelFinishable)
{
    OpenBox(0);
    Keys[SDLK_y] = Keys[SDLK_n] = 1;
    Frame();
    EXPECT_FALSE(LVL2.dialogOpen);
    EXPECT_EQ(misija, 1);
    EXPECT_FALSE(mini[SPOT2_EGGS].active);
    EXPECT_TRUE(mini[SPOT2_QUEST_GIVER].active);
    EXPECT_EQ(Keys[SDLK_y], 1);

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
}

TEST_F(Level2Test, MissionFourHasNoDialogAnOpenBoxShowsNothingAndKeepsItsKeys)
{
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

TEST_F(Level2Test, LinesAreTheWindows1257BytesRenderedOncePerIndexAndAgainForAnother)
{
    OpenBox(0);
    Frame();
    SDL_Surface* first = LVL2.Dialogs().latvianLine;
    ASSERT_NE(first, nullptr);
    const int firstWidth = first->w;  // the surface itself goes with the next index
    Frame(2);
    EXPECT_EQ(LVL2.Dialogs().latvianLine, first) << "not rendered every frame";

    OpenBox(2);
    Frame();
    EXPECT_STREQ(DialogTextL, "     Es nezinu k\xe2p\xe7" "c, bet vajag salas\xeet ogas, vai ne?");
    EXPECT_STREQ(DialogTextA, " I don't know why, but we should get some berries, right?");
    OpenBox(0);  // its flag is still set, but the surfaces hold dialog 2's lines
    Frame();
    EXPECT_STREQ(DialogTextL, LEVEL2_DIALOGS[0].latvian);
    EXPECT_EQ(LVL2.Dialogs().latvianLine->w, firstWidth);
}

TEST_F(Level2Test, TheWaterDialogShowsItsEnglishLineFirstAndItsLatvianLetters)
{
    ClearPictures();
    HoldNeeds();
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
// ends inside the frame of its box picture and on the screen: the rules fix
// the texts, sizes and positions, so the font and the boxes must make room.
TEST_F(Level2Test, EveryDialogLineOfBothLevelsEndsInsideItsBoxAndOnTheScreen)
{
    // The inside of each generated box's frame (tools/assetgen).
    const SDL_Rect level2Inside = {26, 534, 972, 162};
    const SDL_Rect level3Inside = {0, 563, 1024, 136};
    LVL3.Load(screen);
    LVL3.Uzsetot();
    std::vector<DrawnText> drawn;
    std::vector<std::string> texts;
    WatchDrawnTexts([&](const DrawnText& text) {
        drawn.push_back(text);
        texts.push_back(text.text);
    });
    // Undone however the test ends: the watcher holds this frame's vectors.
    struct Cleanup {
        ~Cleanup()
        {
            WatchDrawnTexts(nullptr);
            LVL3.FreeMemory();
        }
    } cleanup;
    struct Level {
        int count;
        SDL_Rect inside;
        std::function<void(int)> show;
    };
    const Level levels[] = {
        {DIALOGS2, level2Inside, [&](int k) { LVL2.dialogs(screen, k); }},
        {DIALOGS3, level3Inside, [&](int k) { LVL3.dialogs(screen, k); }},
    };
    for (const Level& level : levels) {
        for (int k = 0; k < level.count; k++) {
            drawn.clear();
            texts.clear();
            level.show(k);
            ASSERT_EQ(drawn.size(), 2u) << "dialog " << k;
            for (size_t line = 0; line < drawn.size(); line++) {
                const DrawnText& t = drawn[line];
                const SDL_Rect& in = level.inside;
                SCOPED_TRACE(texts[line]);
                EXPECT_GE(t.x, in.x);
                EXPECT_GE(t.y, in.y);
                EXPECT_LE(t.x + t.w, in.x + in.w);
                EXPECT_LE(t.y + t.h, in.y + in.h);
                EXPECT_LE(t.x + t.w, screen->w);
            }
        }
    }
}
