#pragma once
// Where a start-up failure message goes: a message box, or standard error without a display.

#include <functional>
#include <string>

using MessageSink = std::function<void(const std::string& text)>;

// The caption of every message box the game shows.
inline constexpr const char* kMessageCaption = "D2Dデモ";
