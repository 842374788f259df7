#pragma once

// Pictures of the demonstrations without a display (Qt's offscreen platform), and a
// screenshot check for a real display.

#include <QString>

namespace kelvotour {

class MainWindow;

// Renders every available scene into `folder`: the graph window's picture and the whole
// main window, plus an index.html that shows them. Returns the number of scenes rendered,
// or -1 when the folder cannot be written.
int render_gallery(MainWindow& window, QString const& folder);

// Renders one scene's graph picture into a PNG file. False when the scene is unavailable
// or the file cannot be written.
bool render_scene(MainWindow& window, int scene, QString const& path);

// Shows scene `scene` on the real display, saves a screenshot of the main window taken from
// the screen, and checks that the graph panel shows a picture (not one flat colour).
bool screenshot_scene(MainWindow& window, int scene, QString const& path);

} // namespace kelvotour
