#pragma once

// Pictures of the demonstrations without a display (Qt's offscreen platform), and
// screenshots taken from a real display.

#include <QString>

#include <optional>

namespace kelvotour {

class MainWindow;

// What went wrong, in words for the user; nothing means success.
using Problem = std::optional<QString>;

struct GalleryResult {
    int rendered = 0; // scenes whose pictures were written
    Problem problem;
};

// Renders every available scene into `folder`: the graph window's picture (PNG, SVG and
// PDF) and the whole main window, plus an index.html that shows them. Stops at the first
// file that cannot be written.
GalleryResult render_gallery(MainWindow& window, QString const& folder);

// Renders one scene's graph picture into a file: SVG or PDF for those extensions (from the
// graph's recording), PNG otherwise. Fails when the scene is unavailable or the file cannot
// be written.
Problem render_scene(MainWindow& window, int scene, QString const& path);

// Shows scene `scene` on the real display, saves a screenshot of the main window taken from
// the screen, and checks that the graph panel shows a picture (not one flat colour).
Problem screenshot_scene(MainWindow& window, int scene, QString const& path);

struct SequenceResult {
    int frames_shown = 0;  // paced frames of the scene
    int frames_saved = 0;
    qint64 milliseconds = 0; // how long the scene took
    Problem problem;
};

// Shows scene `scene` on the real display with frame pacing and saves every `step`-th paced
// frame as the screen shows the graph panel then, as `folder`/frame-NNNN.png (NNNN the
// frame's number), and the panel once the scene has finished as `folder`/final.png.
SequenceResult screenshot_sequence(MainWindow& window, int scene, QString const& folder, int step);

} // namespace kelvotour
