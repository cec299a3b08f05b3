#include "sim/key_script.h"

#include <algorithm>
#include <sstream>

#include "app/keyboard.h"

namespace {

int KeyCode(const std::string& key) {
    if (key == "left") return kVkLeft;
    if (key == "right") return kVkRight;
    if (key == "up") return kVkUp;
    if (key == "down") return kVkDown;
    if (key == "space") return kVkSpace;
    return -1;
}

}  // namespace

bool ParseKeyScript(std::istream& input, const std::string& name, std::vector<KeyEvent>& events,
                    std::string& error) {
    std::string line;
    long lineNumber = 0;
    while (std::getline(input, line)) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::size_t first = line.find_first_not_of(" \t");
        if (first == std::string::npos || line[first] == '#') continue;
        std::istringstream fields(line);
        std::string frameText, action, key, extra;
        fields >> frameText >> action >> key;
        const bool frameOk = !frameText.empty() && frameText.size() <= 12 &&
                             std::all_of(frameText.begin(), frameText.end(),
                                         [](char c) { return c >= '0' && c <= '9'; });
        const int code = KeyCode(key);
        if (!frameOk || (action != "down" && action != "up") || code < 0 || (fields >> extra)) {
            error = name + ":" + std::to_string(lineNumber) +
                    ": expected 'FRAME down|up KEY' with " +
                    "KEY one of left, right, up, down, space, got '" + line + "'";
            return false;
        }
        events.push_back(KeyEvent{std::stol(frameText), action == "down", code});
    }
    if (input.bad()) {
        error = name + ": read error";
        return false;
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const KeyEvent& a, const KeyEvent& b) { return a.frame < b.frame; });
    return true;
}
