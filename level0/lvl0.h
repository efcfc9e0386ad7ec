#ifndef VIPRATS_LEVEL0_LVL0_H
#define VIPRATS_LEVEL0_LVL0_H

#include "world/standin.h"

extern bool spele_iet;

class CLvl0 : public CScene {
public:
    void Load(SDL_Surface* screen);
    void Uzsetot();
    void Draw(SDL_Surface* screen);
    void Iziets(SDL_Surface* screen);
    bool GetStatus() const { return levelDone; }
    bool UzNakamoLVL() const { return goNext; }
    void FreeMemory();

private:
    CStandInScreen view;
    bool levelDone = false;
    bool goNext = false;
};

extern CLvl0 LVL0;

#endif
