// Compares saved SVG and PDF pictures with the PNG of the same graph, scene by scene:
//   picture_compare FOLDER [SCENE...]
// FOLDER holds sceneNN-graph.png, .svg and .pdf (as Kelvotour's gallery writes them). Prints
// the share of matching pixels of each file and fails when one is below 99 %, or below 90 %
// of the pixels that differ from the background.

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "tests/platform/record/picture_match.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: picture_compare FOLDER [SCENE...]\n");
        return 2;
    }
    std::filesystem::path const folder(argv[1]);
    std::set<int> wanted;
    for (int i = 2; i < argc; ++i)
        wanted.insert(std::stoi(argv[i]));
    int compared = 0, failed = 0;
    for (int scene = 0; scene < 100; ++scene) {
        if (!wanted.empty() && !wanted.contains(scene))
            continue;
        char stem[32];
        std::snprintf(stem, sizeof stem, "scene%02d-graph", scene);
        std::filesystem::path const png = folder / (std::string(stem) + ".png");
        if (!std::filesystem::exists(png)) {
            if (wanted.contains(scene)) {
                std::printf("%s: missing\n", png.c_str());
                ++failed;
            }
            continue;
        }
        std::optional<kp::Surface> const expected = kp::read_png(png.string());
        for (char const* extension : {".svg", ".pdf"}) {
            std::filesystem::path const vector = folder / (std::string(stem) + extension);
            std::optional<kp::Surface> back;
            if (expected && std::filesystem::exists(vector))
                back = kp::testing::rasterised(vector.string(), expected->width(), expected->height());
            kp::testing::PictureMatch const match
                = back ? kp::testing::match_pictures(*expected, *back) : kp::testing::PictureMatch{};
            // Nearly every pixel, and nearly every drawn one, which the background cannot hide.
            bool const good = match.share() >= 0.99 && match.ink_share() >= 0.90;
            std::printf("%s%s: %.3f%% of %lld pixels match, %.2f%% of %lld drawn ones%s\n", stem, extension,
                        100 * match.share(), static_cast<long long>(match.pixels), 100 * match.ink_share(),
                        static_cast<long long>(match.ink_pixels), good ? "" : "  FAILED");
            ++compared;
            failed += good ? 0 : 1;
        }
    }
    std::printf("%d passed, %d failed\n", compared - failed, failed);
    return failed == 0 && compared > 0 ? 0 : 1;
}
