#include "sim/sim_options.h"

#include <cerrno>
#include <cstdlib>

namespace {

// A whole decimal number from 0 up, nothing else.
bool ParseCount(std::string_view text, long& value) {
    if (text.empty() || text.size() > 12) return false;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    value = std::strtol(std::string(text).c_str(), nullptr, 10);
    return true;
}

}  // namespace

bool FrameSet::Contains(long frame) const {
    if (all_) return true;
    for (const Range& range : ranges_) {
        if (frame >= range.first && frame <= range.last &&
            (frame - range.first) % range.stride == 0)
            return true;
    }
    return false;
}

bool FrameSet::Parse(std::string_view text, std::string& error) {
    if (text.empty()) {
        error = "empty frame list";
        return false;
    }
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        Range range{0, 0, 1};
        const std::size_t dash = item.find('-');
        const std::size_t slash = item.find('/');
        bool ok = true;
        if (item == "all") {
            all_ = true;
        } else if (dash == std::string_view::npos) {
            ok = slash == std::string_view::npos && ParseCount(item, range.first);
            range.last = range.first;
        } else {
            const std::string_view last =
                item.substr(dash + 1, slash == std::string_view::npos ? std::string_view::npos
                                                                      : slash - dash - 1);
            ok = ParseCount(item.substr(0, dash), range.first) && ParseCount(last, range.last) &&
                 range.first <= range.last;
            if (ok && slash != std::string_view::npos) {
                ok = ParseCount(item.substr(slash + 1), range.stride) && range.stride > 0;
            }
        }
        if (!ok) {
            error = "bad frame list item '" + std::string(item) + "'";
            return false;
        }
        if (item != "all") ranges_.push_back(range);
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

bool ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        const auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) {
                error = "option " + std::string(option) + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string_view text;
        if (option == "--bench") {
            options.bench = true;
        } else if (option == "--density") {
            if (!value(text)) return false;
            long density = 0;
            if (!ParseCount(text, density) || density < 1 || density > 4) {
                error = "bad density '" + std::string(text) + "' (1 to 4)";
                return false;
            }
            options.density = static_cast<int>(density);
        } else if (option == "--soak") {
            options.soak = true;
        } else if (option == "--rules") {
            if (!value(text)) return false;
            if (text == "lockon") {
                options.rules = RuleSetName::LockOn;
            } else if (text == "shothit") {
                options.rules = RuleSetName::ShotHit;
            } else {
                error = "unknown rule set '" + std::string(text) + "' (lockon or shothit)";
                return false;
            }
        } else if (option == "--frames") {
            if (!value(text)) return false;
            if (!ParseCount(text, options.frames)) {
                error = "bad frame count '" + std::string(text) + "'";
                return false;
            }
        } else if (option == "--keys") {
            if (!value(text)) return false;
            options.keysPath = std::string(text);
        } else if (option == "--dump") {
            if (!value(text)) return false;
            if (!options.dump.Parse(text, error)) return false;
        } else if (option == "--png") {
            if (!value(text)) return false;
            if (!options.png.Parse(text, error)) return false;
        } else if (option == "--out") {
            if (!value(text)) return false;
            options.outDir = std::string(text);
        } else {
            error = "unknown option '" + std::string(option) + "'";
            return false;
        }
    }
    if (!options.png.Empty() && options.outDir.empty()) {
        error = "--png needs --out DIR";
        return false;
    }
    return true;
}
