#pragma once
// Start-up failure messages: a box with no owner window, or standard error without a display.

#include <string>

// Shows the text in a box captioned "D2Dデモ" with one OK button; without a display the text
// goes to standard error.
void ShowStartupMessage(const std::string& text);
