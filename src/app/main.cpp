// gryvel: a vertical-scrolling shoot-'em-up. The command line is ignored.

#include "app/game_app.h"

int main() {
    return RunGame();
}
