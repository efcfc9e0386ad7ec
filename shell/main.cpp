#include <SDL.h>

#include "shell/game.h"

int main(int, char*[]) { return RunGame(); }
