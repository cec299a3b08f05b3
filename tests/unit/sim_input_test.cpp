#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/keyboard.h"
#include "sim/key_script.h"
#include "sim/sim_options.h"
#include "sim/state_dump.h"

namespace {

TEST(FrameList, ItemsRangesStridesAndAll) {
    struct Case {
        const char* text;
        std::vector<long> in, out;
    };
    const Case cases[] = {
        {"0,1,2,14298", {0, 1, 2, 14298}, {3, 14297, 14299}},
        {"10-12", {10, 11, 12}, {9, 13}},
        {"0-100/10", {0, 10, 100}, {5, 101, 110}},
        {"5,5,5-5", {5}, {4, 6}},
        {"all", {0, 1, 99999}, {}},
    };
    for (const Case& c : cases) {
        FrameSet set;
        std::string error;
        ASSERT_TRUE(set.Parse(c.text, error)) << c.text << ": " << error;
        for (long f : c.in) EXPECT_TRUE(set.Contains(f)) << c.text << " " << f;
        for (long f : c.out) EXPECT_FALSE(set.Contains(f)) << c.text << " " << f;
    }
}

TEST(FrameList, MalformedListsNameTheBadItem) {
    for (const char* text :
         {"", "1,,2", "a", "-1", "5-3", "1-", "1-5/0", "1-5/x", "2/3", "1 ,2", "99999999999999"}) {
        FrameSet set;
        std::string error;
        EXPECT_FALSE(set.Parse(text, error)) << text;
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimOptions, DefaultsAndValues) {
    SimOptions options;
    std::string error;
    const char* argv[] = {"gryvel-sim", "--frames", "20", "--dump", "0,19", "--rules", "lockon"};
    ASSERT_TRUE(ParseSimOptions(7, argv, options, error)) << error;
    EXPECT_EQ(options.frames, 20);
    EXPECT_TRUE(options.dump.Contains(19));
    EXPECT_EQ(options.rules, RuleSetName::LockOn);
    SimOptions defaults;
    const char* bare[] = {"gryvel-sim"};
    ASSERT_TRUE(ParseSimOptions(1, bare, defaults, error));
    EXPECT_EQ(defaults.frames, 14300);
    EXPECT_TRUE(defaults.dump.Empty());
}

TEST(SimOptions, BadCommandLinesAreRefusedWithAReason) {
    const std::vector<std::vector<const char*>> lines = {
        {"gryvel-sim", "--bogus"},          {"gryvel-sim", "--frames"},
        {"gryvel-sim", "--frames", "-3"},   {"gryvel-sim", "--frames", "1e3"},
        {"gryvel-sim", "--rules", "other"}, {"gryvel-sim", "--dump", "x"},
        {"gryvel-sim", "--png", "1"},
    };
    for (const auto& line : lines) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(ParseSimOptions(static_cast<int>(line.size()), line.data(), options, error))
            << line.back();
        EXPECT_FALSE(error.empty());
    }
}

TEST(KeyScript, ParsesEventsInFrameOrderKeepingFileOrderWithinAFrame) {
    std::istringstream script(
        "# fire and move\n"
        "\n"
        "10 down space\n"
        "3 down left\r\n"
        "10 up left\n"
        "  # indented comment\n"
        "10 down up\n");
    std::vector<KeyEvent> events;
    std::string error;
    ASSERT_TRUE(ParseKeyScript(script, "keys", events, error)) << error;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].frame, 3);
    EXPECT_EQ(events[0].code, kVkLeft);
    EXPECT_EQ(events[1].code, kVkSpace);
    EXPECT_TRUE(events[1].down);
    EXPECT_EQ(events[2].code, kVkLeft);
    EXPECT_FALSE(events[2].down);
    EXPECT_EQ(events[3].code, kVkUp);
}

TEST(KeyScript, MalformedLinesAreNamed) {
    for (const char* line : {"x down left", "5 press left", "5 down enter", "5 down", "-1 up left",
                             "5 down left extra"}) {
        std::istringstream script(std::string("1 down left\n") + line + "\n");
        std::vector<KeyEvent> events;
        std::string error;
        EXPECT_FALSE(ParseKeyScript(script, "keys.txt", events, error)) << line;
        EXPECT_NE(error.find("keys.txt:2"), std::string::npos) << error;
    }
}

TEST(DumpFloats, PrintedExactlyAsPercentPoint9g) {
    std::vector<float> values = {0.0f,
                                 -0.0f,
                                 1.0f,
                                 -2550.0f,
                                 0.002f,
                                 714.299988f,
                                 3.14f,
                                 1e-5f,
                                 1e30f,
                                 -1e-30f,
                                 0.1f,
                                 123456789.0f,
                                 16777216.0f,
                                 std::numeric_limits<float>::denorm_min(),
                                 std::numeric_limits<float>::max(),
                                 std::numeric_limits<float>::infinity()};
    std::mt19937 bits(12345);
    for (int i = 0; i < 20000; ++i) {
        const std::uint32_t pattern = bits();
        float value;
        std::memcpy(&value, &pattern, sizeof value);
        if (!std::isnan(value)) values.push_back(value);
    }
    for (float value : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.9g", static_cast<double>(value));
        std::string printed;
        AppendDumpFloat(printed, value);
        ASSERT_EQ(printed, expected) << value;
    }
}

}  // namespace
