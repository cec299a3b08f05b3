#pragma once
// Why a data file cannot be read, in words for the player's terminal.

#include <string>

// Empty when `path` is a regular file that can be opened for reading and is not empty;
// otherwise the reason: the system's words ("No such file or directory", "Permission denied"),
// "is a directory", "is not a regular file" or "is empty".
std::string WhyUnreadable(const std::string& path);
