// gryvel-assets: draws the game's pictures and synthesises its sounds, deterministically.
// Usage: gryvel-assets OUTPUT_FOLDER (writes OUTPUT_FOLDER/images and OUTPUT_FOLDER/sound).

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "assetgen/assets.h"

namespace {

bool MakeFolder(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gryvel-assets OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string root = argv[1];
    if (!MakeFolder(root) || !MakeFolder(root + "/images") || !MakeFolder(root + "/sound")) {
        std::fprintf(stderr, "gryvel-assets: cannot make the folders under %s\n", root.c_str());
        return 1;
    }
    bool ok = WriteSpriteSheet(root + "/images/jiki1.png");
    ok = WriteBackground(root + "/images/back01.png") && ok;
    ok = WriteSounds(root + "/sound") && ok;
    ok = ok && MakeFolder(root + "/icons") &&
         WriteIcons(root + "/images/jiki1.png", root + "/icons");
    return ok ? 0 : 1;
}
