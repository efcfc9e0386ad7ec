#include "level2/dialog.h"

#include <cstdio>

#include "shell/keys.h"

DialogBox::DialogBox(const DialogLook& look, const DialogEntry* table, int count, TextBuffer latvian,
                     TextBuffer english, int* renderedFlags)
    : look(look), table(table), count(count), latvian(latvian), english(english), rendered(renderedFlags)
{
}

void DialogBox::Show(SDL_Surface* screen, SDL_Surface* picture, TTF_Font* font, int index)
{
    const bool known = index >= 0 && index < count;
    if (!known && !look.pictureForAnyIndex) return;
    DrawFullScreen(picture, screen);
    if (!known) return;
    // The surfaces hold one dialog's lines: another index renders again.
    if (rendered[index] == 0 || shownIndex != index) RenderLines(font, index);
    DrawLines(screen, index);
    Answer(table[index]);
}

void DialogBox::RenderLines(TTF_Font* font, int index)
{
    // A text longer than its buffer is cut at the buffer's end, never written past it.
    std::snprintf(latvian.bytes, latvian.size, "%s", table[index].latvian);
    std::snprintf(english.bytes, english.size, "%s", table[index].english);
    RenderText(latvianLine, font, latvian.bytes, look.colour);
    RenderText(englishLine, font, english.bytes, look.colour);
    rendered[index] = 1;
    shownIndex = index;
}

void DialogBox::DrawLines(SDL_Surface* screen, int index) const
{
    const bool swapped = index == look.swappedIndex;
    DrawTextSurface(swapped ? englishLine : latvianLine, screen, look.firstLine);
    DrawTextSurface(swapped ? latvianLine : englishLine, screen, look.secondLine);
}

void DialogBox::Answer(const DialogEntry& entry)
{
    if (Keys[Y_KEY] && entry.yes) entry.yes();
    if (Keys[N_KEY] && entry.no) entry.no();
}

void DialogBox::Rearm()
{
    for (int i = 0; i < count; i++) rendered[i] = 0;
    shownIndex = -1;
}

void DialogBox::Free()
{
    FreeSurface(latvianLine);
    FreeSurface(englishLine);
    shownIndex = -1;
}
