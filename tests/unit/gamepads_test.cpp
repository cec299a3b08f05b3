// Game pads through SDL's virtual joystick: plugged in, the d-pad, the stick past its dead zone
// and button A reach the key tables as key presses would, the fighter moves and fires, and
// unplugging lets every key go.

#include <SDL.h>
#include <gtest/gtest.h>

#include "app/gamepads.h"
#include "game_fixture.h"

namespace {

TEST(PadKeys, StickCountsOnlyPastItsDeadZone) {
    struct Case {
        std::int16_t x, y;
        bool left, right, up, down;
    };
    const Case cases[] = {
        {0, 0, false, false, false, false},
        {-kStickDeadZone + 1, kStickDeadZone - 1, false, false, false, false},
        {-kStickDeadZone, 0, true, false, false, false},
        {32767, -32768, false, true, true, false},
        {0, kStickDeadZone, false, false, false, true},
    };
    for (const Case& c : cases) {
        PadReading reading;
        reading.stickX = c.x;
        reading.stickY = c.y;
        const PadKeySet keys = KeysOf(reading);
        EXPECT_EQ(keys.left, c.left) << c.x << "," << c.y;
        EXPECT_EQ(keys.right, c.right) << c.x << "," << c.y;
        EXPECT_EQ(keys.up, c.up) << c.x << "," << c.y;
        EXPECT_EQ(keys.down, c.down) << c.x << "," << c.y;
    }
}

class VirtualPadTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        ASSERT_EQ(SDL_Init(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        const int index =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(index, 0) << SDL_GetError();
        stick_ = SDL_JoystickOpen(index);
        ASSERT_NE(stick_, nullptr) << SDL_GetError();
        Pump();
    }
    void TearDown() override {
        pads_.CloseAll();
        if (stick_ != nullptr) SDL_JoystickClose(stick_);
        SDL_Quit();
    }
    void Pump() {
        SDL_JoystickUpdate();
        SDL_Event event;
        while (SDL_PollEvent(&event)) pads_.HandleEvent(event);
    }
    void Button(SDL_GameControllerButton button, bool down) {
        SDL_JoystickSetVirtualButton(stick_, button, down ? 1 : 0);
        Pump();
    }
    void Axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_JoystickSetVirtualAxis(stick_, axis, value);
        Pump();
    }

    SDL_Joystick* stick_ = nullptr;
    Gamepads pads_;
};

TEST_F(VirtualPadTest, ButtonsAndStickPressKeysAsTheKeyboardWould) {
    ASSERT_EQ(pads_.Count(), 1);
    Button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(keyHeld[kVkSpace], 1);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 0);  // one report per press, as for a key
    Button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_EQ(keyHeld[kVkSpace], 0);

    Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    EXPECT_EQ(keyHeld[kVkRight], 1);
    Button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false);
    EXPECT_EQ(keyHeld[kVkRight], 0);

    Axis(SDL_CONTROLLER_AXIS_LEFTY, -30000);
    EXPECT_EQ(keyHeld[kVkUp], 1);
    Axis(SDL_CONTROLLER_AXIS_LEFTY, -3000);  // back inside the dead zone
    EXPECT_EQ(keyHeld[kVkUp], 0);
}

TEST_F(VirtualPadTest, PadFliesTheFighterAndFires) {
    const float startX = gameWorld.playerX;
    Axis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    for (int i = 0; i < 10; ++i) Step();
    EXPECT_LT(gameWorld.playerX, startX - 50);
    Button(SDL_CONTROLLER_BUTTON_A, true);
    Step();
    EXPECT_GT(LiveShots(0), 0);
    EXPECT_FALSE(sounds.Played().empty());  // the volley's "pow"
}

TEST_F(VirtualPadTest, UnpluggingLetsEveryKeyGo) {
    Button(SDL_CONTROLLER_BUTTON_A, true);
    Axis(SDL_CONTROLLER_AXIS_LEFTX, 32767);
    ASSERT_EQ(keyHeld[kVkRight], 1);
    SDL_JoystickClose(stick_);
    stick_ = nullptr;
    SDL_JoystickDetachVirtual(0);
    Pump();
    EXPECT_EQ(pads_.Count(), 0);
    EXPECT_EQ(keyHeld[kVkRight], 0);
    EXPECT_EQ(keyHeld[kVkSpace], 0);
    // Plugged in again, it plays again.
    const int index = SDL_JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    stick_ = SDL_JoystickOpen(index);
    Pump();
    EXPECT_EQ(pads_.Count(), 1);
    Button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    EXPECT_EQ(keyHeld[kVkLeft], 1);
}

}  // namespace
