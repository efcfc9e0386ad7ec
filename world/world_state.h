#ifndef VIPRATS_WORLD_WORLD_STATE_H
#define VIPRATS_WORLD_WORLD_STATE_H

#include "world/collision.h"

// The play state that the overworld framework reads and writes. Each level
// owns one WorldState (plus tables of its own); its play-state names are
// references onto the fields.

// The walking character: it stays at one place on the screen while the
// camera moves the world under it.
struct Player {
    float screenX, screenY;  // sprite's top-left on the screen
    int frame;               // walk-cycle column
    int row;                 // facing row of the sprite sheet
    float tNow;              // ticks at the start of this world frame
    float tLastFrame;        // ticks at the last walk-cycle step
    int frameInterval;       // ms between walk-cycle steps
    int speed;               // pixels per second
    unsigned char carrying;  // a mission item is carried (levels 1 and 2)
    int food;                // satiety; drawn as the food bar's width
    int toilet;              // drawn as the toilet bar's width
};

// An accident pile left on the floor, world pixels.
struct Pile {
    float x, y;
    unsigned char active;
};

// The music panel that slides in from the left with m.
struct MusicPanel {
    bool shown;      // opening, open or closing
    int phase;       // PANEL_OPENING, PANEL_OPEN or PANEL_CLOSING
    int x;           // screen x: -818 hidden .. 0 fully in
    int track;       // 1..10
    int startAsked;  // the panel asked for the current track to start
};

const int PANEL_OPENING = 0;
const int PANEL_OPEN = 1;
const int PANEL_CLOSING = 3;
const int PANEL_HIDDEN_X = -818;

// Timers and blink rows of the food and toilet needs.
struct Needs {
    float foodStamp;
    float toiletStamp;
    float blinkStamp;
    int foodBlink;    // source row of the food bar: 0, or BLINK_ROW
    int toiletBlink;
    int pilesPlaced;  // index of the next pile
};

const int BLINK_ROW = 22;

// Filled by the toilet ticks; when full, the player can release a cloud.
struct GasMeter {
    int level;        // 0..GAS_FULL, drawn as the meter's height
    bool ready;       // full
    bool cloud;       // the cloud is running
    int cloudFrame;
    float cloudStamp;
};

const int GAS_FULL = 61;

// The potty mini-game of one level.
struct PottyGame {
    bool started;            // initialised for this visit
    float baseX, baseY;      // steered by the arrow keys
    float phaseX, phaseY;    // wobble phases, radians
    float rateX, rateY;      // wobble phase rates, re-drawn every 100 ms
    float targetX, targetY;  // the target's top-left on the screen
    float markerX;           // the progress marker
    float rateStamp;
    float phaseStamp;
};

struct WorldState {
    int process;      // the level's own scene state
    float frameTime;  // seconds; all motion of the level uses it
    bool drawText;    // score and clock are drawn (mini-game intros clear it)
    float offsetX, offsetY;  // camera: world position of the screen's top-left
    float xvec, yvec;        // camera at the start of the frame, put back on a collision
    Player player;
    Circle circle;
    MusicPanel music;
    Needs needs;
    GasMeter gas;
    PottyGame potty;
};

#endif
