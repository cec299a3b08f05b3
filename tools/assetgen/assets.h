#pragma once
// The asset generator's parts: each writes its files under the output folder.

#include <string>

// images/jiki1.png: every sprite at the rectangle the game reads it from.
bool WriteSpriteSheet(const std::string& path);
// images/back01.png: the two scrolling layers and the cover picture.
bool WriteBackground(const std::string& path);
// sound/*.mp3: three music tracks and three effects.
bool WriteSounds(const std::string& soundFolder);
// icons/hicolor/NxN/apps/gryvel.png: the desktop icon, drawn from the finished sprite sheet.
bool WriteIcons(const std::string& spriteSheetPath, const std::string& iconFolder);
