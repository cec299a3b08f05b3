#include "game/stage/world.h"

GameWorld gameWorld;
