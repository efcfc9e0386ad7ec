#include "shell/colors.h"

namespace {
const SDL_Color WHITE = {255, 255, 255, 0};
const SDL_Color YELLOW = {255, 255, 0, 0};
const SDL_Color GREEN = {0, 255, 0, 0};
const SDL_Color RED = {255, 10, 0, 0};

constexpr SDL_Rect At(Sint16 x, Sint16 y) { return SDL_Rect{x, y, 0, 0}; }

#ifdef _WIN32
constexpr Sint16 WIN(Sint16 linuxY, Sint16 windowsY) { return (void)linuxY, windowsY; }
#else
constexpr Sint16 WIN(Sint16 linuxY, Sint16 windowsY) { return (void)windowsY, linuxY; }
#endif
}  // namespace

// Level 0 and the menu.
SDL_Color dzeltena = WHITE;  // the name says yellow; the texts are white
SDL_Color dzeltena1 = YELLOW;
SDL_Rect LaiksLoc = At(35, WIN(27, 23));
SDL_Rect ScoreLoc = At(668, WIN(707, 703));
SDL_Rect VardsLoc = At(460, WIN(316, 311));
SDL_Rect cheatloc = At(370, 220);

// Level 1.
SDL_Color zalja = GREEN, dzelt = YELLOW, sark = RED, balta_ = WHITE;
SDL_Rect InfoLoc = At(0, 108), InfoLoc2 = At(0, 126), InfoLoc3 = At(0, 144);
SDL_Rect Scoreloc = At(666, WIN(745, 742));
SDL_Rect Laiksloc1 = At(41, WIN(43, 40));
SDL_Rect pret_sk_loc = At(915, WIN(47, 44));
SDL_Rect manta_sk_loc = At(880, WIN(676, 673));

// Level 2.
SDL_Color zalj = GREEN, dzel = YELLOW, sar = RED, bal = WHITE;
SDL_Rect Info2Loc = At(0, 108), Info2Loc2 = At(0, 126), Info2Loc3 = At(0, 144);
SDL_Rect Score2loc = At(945, 742);
SDL_Rect Olasloc1 = At(830, WIN(39, 36));
SDL_Rect Dialogloc = At(80, 580), Dialogloc2 = At(80, 620);
SDL_Rect malka_sk_loc = At(880, WIN(677, 673));

// Level 3.
SDL_Color zal = GREEN, dze = YELLOW, sa = RED, balt = WHITE;
SDL_Rect Info3Loc = At(0, 108), Info3Loc2 = At(0, 126), Info3Loc3 = At(0, 144);
SDL_Rect Score3loc = At(666, WIN(745, 742));
SDL_Rect DialogLoc3 = At(10, 580), DialogLoc32 = At(10, 620);
SDL_Rect med_info_loc = At(923, WIN(677, 673));
