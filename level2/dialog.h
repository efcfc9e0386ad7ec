#ifndef VIPRATS_LEVEL2_DIALOG_H
#define VIPRATS_LEVEL2_DIALOG_H

#include <cstddef>

#include "shell/draw.h"

// The dialog box of levels 2 and 3: a full-screen picture with one sentence
// in two languages, answered with Y or N. A level owns one DialogBox, gives
// it its look, its buffers, its rendered flags and its table, and calls
// Show once per frame while its box is open.
//
//   const DialogEntry table[] = {
//       {"Latvian bytes", "English bytes", [] { /* Y */ }, [] { /* N */ }},
//   };
//   DialogBox box(look, table, count, {latvianBuffer, sizeof latvianBuffer},
//                 {englishBuffer, sizeof englishBuffer}, renderedFlags);
//
// The effects are plain functions on the level's globals; closing the box
// is one of them (the level clears its own open flag).

using DialogEffect = void (*)();

struct DialogEntry {
    const char* latvian; // Windows-1257 bytes, lead blanks included
    const char* english;
    DialogEffect yes;
    DialogEffect no;
};

struct DialogLook {
    const SDL_Rect& firstLine;
    const SDL_Rect& secondLine;
    const SDL_Color& colour;
    // Level 3 draws the picture for any index; level 2 shows nothing at all
    // for an index outside its table.
    bool pictureForAnyIndex;
    // The index whose English line goes first (level 2's 1), or -1.
    int swappedIndex;
};

struct TextBuffer {
    char* bytes;
    std::size_t size;
};

class DialogBox {
public:
    static const int Y_KEY = 121;
    static const int N_KEY = 110;

    DialogBox(const DialogLook& look, const DialogEntry* table, int count, TextBuffer latvian,
              TextBuffer english, int* renderedFlags);

    // One frame of the open box: picture, lines (rendered once per index),
    // then Y's effects and N's, Y first; keys are left as they are.
    void Show(SDL_Surface* screen, SDL_Surface* picture, TTF_Font* font, int index);
    // Set-up: every dialog is rendered afresh.
    void Rearm();
    void Free();

    SDL_Surface* latvianLine = nullptr;
    SDL_Surface* englishLine = nullptr;
    int ShownIndex() const { return shownIndex; }

private:
    void RenderLines(TTF_Font* font, int index);
    void DrawLines(SDL_Surface* screen, int index) const;
    static void Answer(const DialogEntry& entry);

    const DialogLook& look;
    const DialogEntry* table;
    int count;
    TextBuffer latvian;
    TextBuffer english;
    int* rendered;
    int shownIndex = -1;
};

#endif
