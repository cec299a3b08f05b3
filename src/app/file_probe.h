#pragma once
// Why a data file cannot be read, in words for the player's terminal.

#include <string>

// Empty when `path` is a regular file that can be opened for reading and is not empty;
// otherwise the reason: the system's words ("No such file or directory", "Permission denied"),
// "is a directory", "is not a regular file" or "is empty".
std::string WhyUnreadable(const std::string& path);

// The same reasons for a file already open as `fd`; on success `size` (if given) gets its size.
std::string WhyUnusable(int fd, long long* size = nullptr);
