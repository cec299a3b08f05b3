#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/load_images.h"
#include "gfx/png_image.h"

namespace {

// A scratch folder that is also the current directory while a test runs.
class ImageFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/gryvel-png-XXXXXX";
        folder_ = mkdtemp(pattern);
        ASSERT_NE(getcwd(oldDir_, sizeof oldDir_), nullptr);
        ASSERT_EQ(chdir(folder_.c_str()), 0);
        mkdir("images", 0755);
    }
    void TearDown() override {
        ASSERT_EQ(chdir(oldDir_), 0);
        std::system(("rm -rf " + folder_).c_str());
    }
    static void WriteSmallPng(const std::string& path) {
        const std::uint32_t pixels[4] = {0xFFFF0000u, 0x8000FF00u, 0x000000FFu, 0xFFFFFFFFu};
        ASSERT_TRUE(WritePng(path, 2, 2, pixels));
    }
    static std::string ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteAll(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // A PNG signature and an IHDR chunk claiming the given size, with a correct CRC.
    static std::string HeaderClaiming(std::uint32_t width, std::uint32_t height) {
        std::string chunk = "IHDR";
        for (std::uint32_t v : {width, height}) {
            for (int shift = 24; shift >= 0; shift -= 8) chunk += static_cast<char>(v >> shift);
        }
        chunk += std::string("\x08\x06\x00\x00\x00", 5);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(chunk.data()), chunk.size());
        std::string png = "\x89PNG\r\n\x1a\n";
        png += std::string("\x00\x00\x00\x0d", 4) + chunk;
        for (int shift = 24; shift >= 0; shift -= 8) png += static_cast<char>(crc >> shift);
        return png;
    }

    std::string folder_;
    char oldDir_[4096];
};

TEST_F(ImageFolder, DecodesPixelsWithStraightAlpha) {
    WriteSmallPng("a.png");
    const DecodedImage image = DecodePng("a.png");
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels[0], 0xFFFF0000u);
    EXPECT_EQ(image.pixels[1], 0x8000FF00u);
    EXPECT_EQ(image.pixels[3], 0xFFFFFFFFu);
}

TEST_F(ImageFolder, BadFilesFailWithTheirPathAndReason) {
    WriteSmallPng("good.png");
    const std::string good = ReadAll("good.png");
    WriteAll("empty.png", "");
    WriteAll("truncated.png", good.substr(0, good.size() / 2));
    WriteAll("header-only.png", good.substr(0, 33));
    WriteAll("jpeg.png",
             std::string("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11) + std::string(64, 'x'));
    WriteAll("huge.png", HeaderClaiming(100000, 100000));
    WriteAll("zero.png", HeaderClaiming(0, 10));
    mkdir("folder.png", 0755);
    for (const char* path : {"missing.png", "empty.png", "truncated.png", "header-only.png",
                             "jpeg.png", "huge.png", "zero.png", "folder.png"}) {
        try {
            DecodePng(path);
            ADD_FAILURE() << path << " decoded";
        } catch (const ImageLoadFailure& failure) {
            EXPECT_NE(std::string(failure.what()).find(path), std::string::npos) << failure.what();
        }
    }
}

TEST_F(ImageFolder, LoadImagesStopsAtTheFirstFailureWithOneMessage) {
    WriteSmallPng("images/jiki1.png");  // the background is missing
    std::vector<std::string> messages;
    GameImages images;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(LoadImages(images, [&](const std::string& text) { messages.push_back(text); }), 0);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(messages, std::vector<std::string>{"画像ファイルが開けません"});
    EXPECT_NE(errors.find("images/back01.png"), std::string::npos);
    EXPECT_EQ(errors.find("jiki1"), std::string::npos);  // the second image is not tried
    EXPECT_EQ(images.spriteSheet.width, 0);
}

TEST_F(ImageFolder, LoadImagesKeepsBothImages) {
    WriteSmallPng("images/back01.png");
    WriteSmallPng("images/jiki1.png");
    GameImages images;
    EXPECT_EQ(LoadImages(images, [](const std::string&) { FAIL(); }), 1);
    EXPECT_EQ(images.background.width, 2);
    EXPECT_EQ(images.spriteSheet.height, 2);
}

}  // namespace
