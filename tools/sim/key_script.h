#pragma once
// Key scripts: the replay format of the headless runner. Each line is `F down KEY` or
// `F up KEY`; blank lines and lines starting with # are ignored.

#include <istream>
#include <string>
#include <vector>

struct KeyEvent {
    long frame;  // applied just before this step runs
    bool down;
    int code;  // virtual-key code
};

// Parses a whole script; false with a message naming the line. Events come out ordered by
// frame, in file order within a frame.
bool ParseKeyScript(std::istream& input, const std::string& name, std::vector<KeyEvent>& events,
                    std::string& error);
