#include <gtest/gtest.h>

#include "app/keyboard.h"

namespace {

class KeyboardTest : public ::testing::Test {
  protected:
    void SetUp() override { ClearKeyTablesForTest(); }
};

TEST_F(KeyboardTest, HoldingReportsOncePerPress) {
    OnKeyDown(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
    // Steps go by and auto-repeat key-downs arrive: nothing more is reported.
    for (int step = 0; step < 5; ++step) {
        OnKeyDown(kVkSpace);
        EXPECT_EQ(KeyPressedOnce(kVkSpace), 0);
    }
    OnKeyUp(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 0);
    OnKeyDown(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
}

TEST_F(KeyboardTest, PressAndReleaseBetweenStepsIsNeverReported) {
    OnKeyDown(kVkSpace);
    OnKeyUp(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 0);
    EXPECT_EQ(keyHeld[kVkSpace], 0);
}

TEST_F(KeyboardTest, ReleaseAndNewPressBetweenStepsIsReportedOnce) {
    OnKeyDown(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
    OnKeyUp(kVkSpace);
    OnKeyDown(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 0);
}

TEST_F(KeyboardTest, KeyUpLostElsewhereKeepsTheKeyReportedUntilItsNextRelease) {
    OnKeyDown(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
    // The key-up went to another window: the key stays held and reported.
    OnKeyDown(kVkSpace);  // the next press here
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 0);
    OnKeyUp(kVkSpace);  // its release clears the key
    EXPECT_EQ(keyHeld[kVkSpace], 0);
    EXPECT_EQ(keyLatched[kVkSpace], 0);
    OnKeyDown(kVkSpace);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
}

TEST_F(KeyboardTest, ArrowKeysAreHeldWithoutBeingReported) {
    OnKeyDown(kVkLeft);
    OnKeyDown(kVkUp);
    EXPECT_EQ(keyHeld[kVkLeft], 1);
    EXPECT_EQ(keyHeld[kVkUp], 1);
    EXPECT_EQ(keyLatched[kVkLeft], 0);
    OnKeyUp(kVkLeft);
    EXPECT_EQ(keyHeld[kVkLeft], 0);
    EXPECT_EQ(keyHeld[kVkUp], 1);
}

TEST_F(KeyboardTest, CodesOutsideTheTablesStoreNothing) {
    for (int code : {-1, 256, 1000, -1000}) {
        OnKeyDown(code);
        OnKeyUp(code);
        EXPECT_EQ(KeyPressedOnce(code), 0) << code;
    }
    for (int i = 0; i < kKeyCodes; ++i) {
        EXPECT_EQ(keyHeld[i], 0);
        EXPECT_EQ(keyLatched[i], 0);
    }
    OnKeyDown(255);
    EXPECT_EQ(KeyPressedOnce(255), 1);
    OnKeyDown(0);
    EXPECT_EQ(KeyPressedOnce(0), 1);
}

}  // namespace
