#pragma once
// The headless runner's command line.

#include <string>
#include <string_view>
#include <vector>

// A set of steps: `all`, or a list of F, A-B and A-B/S items.
class FrameSet {
  public:
    bool Contains(long frame) const;
    bool Empty() const { return !all_ && ranges_.empty(); }
    // Parses a comma list; false with a message naming the bad item.
    bool Parse(std::string_view text, std::string& error);

  private:
    struct Range {
        long first, last, stride;
    };
    bool all_ = false;
    std::vector<Range> ranges_;
};

enum class RuleSetName { LockOn, ShotHit };

struct SimOptions {
    RuleSetName rules = RuleSetName::LockOn;
    long frames = 14300;
    std::string keysPath;
    FrameSet dump;
    FrameSet png;
    std::string outDir;
    bool bench = false;
    bool soak = false;
    int density = 1;  // device pixels per game pixel in rendered frames (1 to 4)  // render every
                      // step, report memory and open files after each lap
};

// False with a one-line message for an unknown option, a missing or bad value.
bool ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error);
