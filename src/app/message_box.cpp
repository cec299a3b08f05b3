#include "app/message_box.h"

#include <SDL.h>

#include <cstdio>

#include "app/message_sink.h"

void ShowStartupMessage(const std::string& text) {
    if (SDL_ShowSimpleMessageBox(0, kMessageCaption, text.c_str(), nullptr) != 0) {
        std::fprintf(stderr, "%s: %s\n", kMessageCaption, text.c_str());
    }
}
