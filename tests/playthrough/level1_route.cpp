// Level 1 as a player plays it: one item at a time from where it lies to the
// drop point, the nearest first, then out through the hall. On the way the
// player keeps an eye on the body and the house: a drink before hunger, the
// potty before an accident, a cloud of gas for any pest that comes close
// once the meter is full (fewer of them bite later), and a turbo charge
// picked up in passing and spent at once.

#include <algorithm>
#include <cmath>
#include <string>

#include "level1/lvl1.h"
#include "level1/lvl1_content.h"
#include "shell/game.h"
#include "tests/playthrough/routes.h"

namespace {

// Below these the player turns aside for a drink or the potty. Food is
// spent by bites as well as by time, so its mark leaves room for two bites
// on the way to a bottle; the toilet's leaves room for the longest walk to
// the potty before its warning shows.
const int FOOD_LOW = 60;
const int TOILET_LOW = 50;
// The bottle that lengthens the way least is taken if it is no further
// than this (about 8 food at walking pace); else the nearest one.
const float BOTTLE_WALK = 1200;
const float GAS_USE_RANGE = 150;  // well inside the cloud's reach, as the pest moves
// A charge saves about 780 pixels of walking; turning aside for less than
// this is worth it.
const float TURBO_DETOUR = 300;

const int POTTY_TRIES = 3;

// Reaches are strict; the walk stops a little inside.
const float INSIDE_REACH = 8;

Goal ReachOf(const float x, const float y, const Reach& reach)
{
    return {x + reach.dx, y + reach.dy, reach.radius - INSIDE_REACH};
}

const Goal DROP = {DROP_POINT.x, DROP_POINT.y, DROP_RADIUS - INSIDE_REACH};
const Goal EXIT = {EXIT_POINT.x, EXIT_POINT.y, EXIT_RADIUS - INSIDE_REACH};

Goal ItemReach(const int item) { return ReachOf(Manta[item].x, Manta[item].y, ITEM_REACH); }
Goal BottleReach(const int bottle) { return ReachOf(pudele[bottle].x, pudele[bottle].y, BOTTLE_REACH); }
Goal TurboReach(const int pickup) { return ReachOf(pirdiens[pickup].x, pirdiens[pickup].y, TURBO_REACH); }
Goal PottyReach() { return ReachOf(mini_poz[STATE_POTTY].x, mini_poz[STATE_POTTY].y, SPOT_REACH); }

// --- the route ----------------------------------------------------------------

class HouseRoute {
public:
    explicit HouseRoute(Pilot& pilot) : pilot(pilot), walker(pilot, LVL1) {}

    void Play()
    {
        while (mantu_skaits_int < MISSION_ITEMS) {
            if (!player.carrying) FetchNearestItem();
            DeliverItem();
        }
        Leave();
    }

private:
    // --- errands ----------------------------------------------------------

    // Nearest to the drop point, since every item is carried there.
    void FetchNearestItem()
    {
        const DistanceMap toDrop = walker.MapTo("fetch an item", DROP);
        int nearest = -1;
        for (int k = 0; k < MISSION_ITEMS; k++) {
            if (Manta[k].taken) continue;
            if (nearest < 0 || toDrop.FromReach(ItemReach(k)) < toDrop.FromReach(ItemReach(nearest))) nearest = k;
        }
        if (nearest < 0) pilot.Fail("fetch an item", "none left to take, yet not all delivered");
        const std::string step = "fetch item " + std::to_string(nearest);
        Errand(step, ItemReach(nearest));
        // A turn aside on the way may have ended with an item in hand.
        if (!player.carrying) SpaceHere(step);
        if (!player.carrying) pilot.Fail(step, "Space did not pick it up");
    }

    void DeliverItem()
    {
        const int delivered = mantu_skaits_int;
        const std::string step = "deliver item " + std::to_string(delivered + 1);
        Errand(step, DROP);
        SpaceHere(step);
        if (mantu_skaits_int != delivered + 1 || player.carrying) pilot.Fail(step, "the drop point did not take it");
    }

    void Leave()
    {
        Errand("walk to the exit", EXIT);
        pilot.Tap(SDLK_SPACE);
        pilot.Until("leave by the exit", [] { return kas_notiek == STATE_LOAD2; }, 3);
    }

    // An errand's walk also sees to the needs and the turbo on the way; a
    // walk that turns aside for them does not turn aside again.
    void Errand(const std::string& step, const Goal& goal)
    {
        WalkHooks hooks;
        hooks.turnAside = [this](const DistanceMap& toGoal) { return TurnAside(toGoal); };
        hooks.inPassing = [this] { KeysInPassing(); };
        walker.WalkTo(step, goal, hooks);
    }

    // Keys pressed along with the arrows: gas for a pest nearby, and a held
    // turbo charge spent as soon as the last one has run out.
    void KeysInPassing()
    {
        if (GasWanted()) pilot.Hold(SDLK_o);
        if (turboB && !nitro) pilot.Hold(SDLK_n);
    }

    bool GasWanted() const
    {
        if (!gredy) return false;
        for (const HouseHazard& hazard : launums)
            if (!hazard.knockedOut && walker.DistanceTo(hazard.x, hazard.y) < GAS_USE_RANGE) return true;
        return false;
    }

    // True when the walk was left for something else.
    bool TurnAside(const DistanceMap& toGoal)
    {
        if (player.food < FOOD_LOW && Drink(toGoal)) return true;
        if (player.toilet < TOILET_LOW) {
            UsePotty();
            return true;
        }
        return TakeTurbo(toGoal);
    }

    // How much longer the way to the goal gets by way of `at`, `there`
    // being the way from the player to it.
    float Detour(const DistanceMap& toGoal, const Goal& at, const float there) const
    {
        float px, py;
        walker.PlayerAt(&px, &py);
        return there + toGoal.FromReach(at) - toGoal.From(px, py);
    }
    float StraightTo(const Goal& at) const { return std::max(0.0f, walker.DistanceTo(at.x, at.y) - at.near); }

    // --- what the player turns aside for --------------------------------------

    bool Drink(const DistanceMap& toGoal)
    {
        float px, py;
        walker.PlayerAt(&px, &py);
        const DistanceMap fromPlayer = walker.MapTo("look for a bottle", {px, py, 2 * Floor::CELL});
        int onTheWay = -1, nearest = -1;
        float leastDetour = DistanceMap::FAR, leastWalk = DistanceMap::FAR;
        for (int k = 0; k < BOTTLES; k++) {
            if (pudele[k].taken) continue;
            const float there = fromPlayer.FromReach(BottleReach(k));
            const float detour = Detour(toGoal, BottleReach(k), there);
            if (there < leastWalk) leastWalk = there, nearest = k;
            if (there <= BOTTLE_WALK && detour < leastDetour) leastDetour = detour, onTheWay = k;
        }
        const int bottle = onTheWay >= 0 ? onTheWay : nearest;
        if (bottle < 0) return false;
        const std::string step = "drink bottle " + std::to_string(bottle);
        walker.WalkTo(step, BottleReach(bottle));
        SpaceHere(step);
        if (!pudele[bottle].taken) pilot.Fail(step, "Space did not drink it");
        return true;
    }

    bool TakeTurbo(const DistanceMap& toGoal)
    {
        if (turboB) return false;
        for (int k = 0; k < TURBO_PICKUPS; k++) {
            // Straight is short of the way along the floor, so this only
            // looks at charges in plain sight of the way.
            if (pirdiens[k].taken || Detour(toGoal, TurboReach(k), StraightTo(TurboReach(k))) > TURBO_DETOUR)
                continue;
            const std::string step = "take turbo " + std::to_string(k);
            walker.WalkTo(step, TurboReach(k));
            SpaceHere(step);
            if (!turboB) pilot.Fail(step, "Space did not take it");
            return true;
        }
        return false;
    }

    void UsePotty()
    {
        for (int tries = 0; tries < POTTY_TRIES; tries++) {
            walker.WalkTo("walk to the potty", PottyReach());
            pilot.Tap(SDLK_SPACE);
            pilot.Until("sit on the potty", [] { return process == STATE_POTTY; }, 2);
            if (walker.PlayPotty("potty")) return;
        }
        pilot.Fail("potty", "lost " + std::to_string(POTTY_TRIES) + " times");
    }

    // Space acts on everything in reach at once, so a tap meant for an item,
    // a bottle or a charge must not land on a mini-game's spot.
    void SpaceHere(const std::string& step)
    {
        pilot.Tap(SDLK_SPACE);
        if (process != STATE_WORLD) pilot.Fail(step, "Space opened state " + std::to_string(process));
    }

    Pilot& pilot;
    Walker walker;
};

}  // namespace

void PlayLevel1(Pilot& pilot)
{
    PassLoadingScreen(pilot);
    pilot.LetAll();
    pilot.Until("the house shows", [] { return kas_notiek == STATE_LEVEL1 && process == STATE_WORLD; }, 10);
    HouseRoute(pilot).Play();
}
