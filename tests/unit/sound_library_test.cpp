#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "sound/dshowhlp.h"
#include "sound/load_sounds.h"

namespace {

const std::string kAssets = GRYVEL_ASSET_DIR;

std::string Asset(const std::string& name) {
    return kAssets + "/sound/" + name;
}

class SoundLibrary : public ::testing::Test {
  protected:
    void SetUp() override { DShowHLP::Init(); }
    void TearDown() override { DShowHLP::Shutdown(); }
};

TEST_F(SoundLibrary, LoadsPlaysAndRestartsByName) {
    DShowHLP::Load(Asset("bom2.mp3"), "hit");
    DShowHLP::Load(Asset("bgm01.mp3"), "bgm001");
    EXPECT_EQ(DShowHLP::LoadedCount(), 2);
    EXPECT_EQ(Mix_Playing(-1), 0);  // loading makes no sound
    DShowHLP::PlayFromStart("hit");
    DShowHLP::PlayFromStart("hit");  // restarted, never doubled
    EXPECT_EQ(Mix_Playing(-1), 1);
    DShowHLP::PlayFromStart("bgm001");  // another name plays alongside
    EXPECT_EQ(Mix_Playing(-1), 2);
    DShowHLP::PlayFromStart("nothing");  // unknown names do nothing
    EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST_F(SoundLibrary, FailuresRaiseAndLeaveTheMapAsItWas) {
    DShowHLP::Load(Asset("Loc2.mp3"), "loc");
    EXPECT_THROW(DShowHLP::Load(Asset("SHOT.mp3"), "loc"), DShowHLP::LoadFailure);
    EXPECT_THROW(DShowHLP::Load(kAssets + "/sound/absent.mp3", "x"), DShowHLP::LoadFailure);
    const std::string junk = ::testing::TempDir() + "junk.mp3";
    std::ofstream(junk) << "this is not an mp3 file at all";
    EXPECT_THROW(DShowHLP::Load(junk, "junk"), DShowHLP::LoadFailure);
    const std::string empty = ::testing::TempDir() + "empty.mp3";
    std::ofstream(empty).close();
    EXPECT_THROW(DShowHLP::Load(empty, "empty"), DShowHLP::LoadFailure);
    EXPECT_EQ(DShowHLP::LoadedCount(), 1);
}

TEST_F(SoundLibrary, MissingFourthSoundKeepsTheThreeBeforeIt) {
    char pattern[] = "/tmp/gryvel-snd-XXXXXX";
    const std::string folder = mkdtemp(pattern);
    mkdir((folder + "/sound").c_str(), 0755);
    for (const char* name : {"bgm01.mp3", "bgm02.mp3", "bgm03.mp3", "SHOT.mp3", "Loc2.mp3"}) {
        std::ifstream in(Asset(name), std::ios::binary);
        std::ofstream(folder + "/sound/" + name, std::ios::binary) << in.rdbuf();
    }
    char oldDir[4096];
    ASSERT_NE(getcwd(oldDir, sizeof oldDir), nullptr);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    std::vector<std::string> messages;
    ::testing::internal::CaptureStderr();
    const int result = LoadSounds([&](const std::string& text) { messages.push_back(text); });
    const std::string errors = ::testing::internal::GetCapturedStderr();
    ASSERT_EQ(chdir(oldDir), 0);
    std::system(("rm -rf " + folder).c_str());
    EXPECT_EQ(result, 0);
    EXPECT_EQ(messages, std::vector<std::string>{"サウンドファイルが開けません"});
    EXPECT_EQ(DShowHLP::LoadedCount(), 3);
    EXPECT_NE(errors.find("sound/bom2.mp3"), std::string::npos) << errors;
}

// The mixed output, recorded by SDL's disk audio driver, carries the sound.
TEST(SoundOutput, PlayedSoundReachesTheAudioOutput) {
    const std::string recording = ::testing::TempDir() + "gryvel-audio.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", recording.c_str(), 1);
    DShowHLP::Init();
    DShowHLP::Load(Asset("bom2.mp3"), "hit");
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    DShowHLP::PlayFromStart("hit");
    std::this_thread::sleep_for(std::chrono::milliseconds(600));
    DShowHLP::Shutdown();
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    std::ifstream in(recording, std::ios::binary);
    std::vector<std::int16_t> samples;
    std::int16_t sample;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample)) samples.push_back(sample);
    ASSERT_GT(samples.size(), 44100u);
    // Silence before the sound starts, a loud stretch after.
    double early = 0, loudest = 0;
    for (std::size_t i = 0; i < 4096; ++i) early = std::max(early, std::fabs(double(samples[i])));
    for (std::int16_t s : samples) loudest = std::max(loudest, std::fabs(double(s)));
    EXPECT_EQ(early, 0.0);
    EXPECT_GT(loudest, 3000.0);
}

}  // namespace
