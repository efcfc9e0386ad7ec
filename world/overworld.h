#ifndef VIPRATS_WORLD_OVERWORLD_H
#define VIPRATS_WORLD_OVERWORLD_H

#include "world/depth.h"
#include "world/dev_overlay.h"
#include "world/level_assets.h"
#include "world/overworld_values.h"

// What levels 1 to 3 share: the controller's frame order, the music panel,
// the needs, the potty, the needs strip, the player's walk and the depth
// sorting. A level derives from it, hands it its values and its WorldState,
// and supplies its own state functions, score text and (level 1) clock.
class COverworld : public CScene {
public:
    COverworld(const OverworldValues& values, WorldState& world) : values(values), world(world) {}
    virtual ~COverworld() = default;

    // One frame of the level, in this order: the state's function, the
    // frame time, the music panel, the score text, then the clock and the
    // needs. A state function therefore moves by the previous frame's time.
    void sceena(SDL_Surface* screen);
    void KarteSet(int on);
    void plejieris(SDL_Surface* screen);
    bool UzNakamoLVL() const { return levelDone; }

    const OverworldValues& Values() const { return values; }
    WorldState& World() { return world; }
    bool DevOverlayOn() const { return devOverlay; }
    LevelAssets& Assets() { return assets; }

protected:
    virtual void RunState(SDL_Surface* screen) = 0;
    virtual void DrawText(SDL_Surface* screen) = 0;
    // The level clock comes before the needs; only level 1 has one.
    virtual void TickClock() {}

    // Pictures, fonts, sounds and tracks; the level reads its walls itself.
    void LoadAssets();
    // Releases everything LoadAssets loaded and the framework's texts.
    void FreeAssets();
    // The framework's part of set-up: player, camera, circle, needs, piles,
    // gas meter, music panel, potty, flags.
    void SetUpWorld();

    void MovePlayer();
    void RunPotty(SDL_Surface* screen);

    // The needs strip, in its parts, for the frames that interleave other
    // pictures with it; DrawNeedsStrip is all of it in order.
    void DrawInterface(SDL_Surface* screen);
    void DrawNeedBars(SDL_Surface* screen);
    void DrawTurboOverlay(SDL_Surface* screen);
    void DrawNeedsStrip(SDL_Surface* screen);

    void DrawPlayer(SDL_Surface* screen);
    // The occluders in order with the player among them, by its depth point.
    void DrawDepthSorted(SDL_Surface* screen, const Occluder* occluders, int count, float depthX, float depthY);
    // The world picture at the camera, over black where it ends.
    void DrawWorldPicture(SDL_Surface* screen, int slot, int w, int h);
    // Draws a picture at a world position, truncated toward zero on screen.
    void DrawAtWorld(SDL_Surface* screen, int slot, float x, float y, int srcX, int srcY, int w, int h);
    void DrawDevOverlay(SDL_Surface* screen, const char* const lines[3]);

    SDL_Surface* Picture(int slot) const { return assets.Picture(slot); }
    Mix_Chunk* Sound(int slot) const { return assets.Sound(slot); }
    TTF_Font* Font(int index) const { return assets.Font(index); }

    const OverworldValues& values;
    WorldState& world;
    LevelAssets assets;
    bool levelDone = false;
    bool devOverlay = false;

private:
    void MusicPanelKeys();
    void AdvanceTrack();
    void StartTrack();
    void TickNeeds(SDL_Surface* screen);
    void PlaceAccidentPile();
    void PottyStart();
    void PottyKeys();
    void PottyResult();
    void PottyWobble();
    void DrawPotty(SDL_Surface* screen);

    DevOverlay overlay;
};

#endif
