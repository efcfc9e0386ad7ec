#include "world/standin.h"

#include "shell/keys.h"
#include "shell/log.h"

namespace {
const SDL_Color TITLE_COLOUR = {255, 220, 120, 0};
const SDL_Color HINT_COLOUR = {230, 230, 230, 0};
}  // namespace

void CStandInScreen::Open()
{
    titleFont = OpenGameFont(48);
    hintFont = OpenGameFont(24);
}

void CStandInScreen::Close()
{
    CloseFont(titleFont);
    CloseFont(hintFont);
    FreeSurface(titleText);
    FreeSurface(hintText);
    shownTitle = shownHint = nullptr;
}

void CStandInScreen::Show(SDL_Surface* screen, const char* title, const char* hint)
{
    if (title != shownTitle) {
        RenderText(titleText, titleFont, title, TITLE_COLOUR);
        shownTitle = title;
    }
    if (hint != shownHint) {
        RenderText(hintText, hintFont, hint, HINT_COLOUR);
        shownHint = hint;
    }
    FillScreen(screen, 20, 28, 48);
    if (titleText) DrawTextSurface(titleText, screen, {Sint16((1024 - titleText->w) / 2), 300, 0, 0});
    if (hintText) DrawTextSurface(hintText, screen, {Sint16((1024 - hintText->w) / 2), 400, 0, 0});
}

void CWorldStandIn::Load(SDL_Surface*)
{
    LogPrintf("%s\n", texts.loading);
    view.Open();
    LogPrintf("%s\n", texts.loaded);
}

void CWorldStandIn::Uzsetot()
{
    LogPrintf("%s\n", texts.settingUp);
    mapOpen = levelDone = demoEnded = false;
    LogPrintf("%s\n", texts.setUp);
}

void CWorldStandIn::KarteSet(int on)
{
    if (on == 1) mapOpen = true;
}

void CWorldStandIn::sceena(SDL_Surface* screen)
{
    if (demoEnded) {
        view.Show(screen, "Demo beigas / The end", "Space: uz izvelni / to the menu");
        return;
    }
    if (mapOpen) {
        view.Show(screen, "Karte / Map", "Enter: atpakal / back");
        if (Keys[SDLK_RETURN]) {
            Keys[SDLK_RETURN] = 0;
            mapOpen = false;
        }
        return;
    }
    view.Show(screen, texts.title, "Enter: limenis pabeigts / level done");
    if (Keys[SDLK_RETURN]) {
        Keys[SDLK_RETURN] = 0;
        if (endsDemo)
            demoEnded = true;
        else
            levelDone = true;
    }
}

void CWorldStandIn::FreeMemory()
{
    LogPrintf("%s\n", texts.freeing);
    view.Close();
    LogPrintf("%s\n", texts.freed);
}
