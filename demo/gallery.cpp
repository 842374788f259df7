#include "demo/gallery.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTextStream>
#include <QThread>

#include <utility>
#include <vector>

#include "demo/main_window.h"
#include "demo/scenes/scene_table.h"

#include <kelvo/kelvoplatform.h>
#include <kelvo/kelvoqt.h>

namespace kelvotour {

namespace {

// Lets the window show itself and run its first resize (the welcome page).
void settle(MainWindow& window)
{
    if (!window.isVisible())
        window.show();
    for (int round = 0; round < 5; ++round)
        QApplication::processEvents();
}

// A real display needs a little time to map, place and paint a window.
void settle_on_screen()
{
    for (int round = 0; round < 20; ++round) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
}

void show_on_screen(MainWindow& window)
{
    window.show();
    window.raise();
    window.activateWindow();
    settle_on_screen();
}

QString html_escaped(QString text)
{
    return text.remove(QLatin1Char('&')).toHtmlEscaped();
}

// The stream and the file buffer what they are given: a write fails (a full disk) only
// when they pass it on.
bool written(QTextStream& stream, QFile& file)
{
    stream.flush();
    return stream.status() == QTextStream::Ok && file.flush() && file.error() == QFileDevice::NoError;
}

QString cannot_write(QString const& path)
{
    return QStringLiteral("cannot write %1").arg(QDir::toNativeSeparators(path));
}

// The graph panel's place on the screen, in screen pixels.
QRect panel_on_screen(MainWindow const& window)
{
    HostWidget const* panel = window.graph_panel();
    return QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size());
}

QImage grab_from_screen(QRect area)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    return screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

bool is_vector_file(QString const& path)
{
    return path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)
        || path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
}

// The graph's picture as the file's extension asks: SVG and PDF from the graph's recording,
// anything else as a PNG of what the graph window shows.
Problem save_graph_picture(MainWindow& window, QString const& path)
{
    QByteArray const file = QFile::encodeName(path);
    TkGraph const graph = window.state().GraphId;
    if (is_vector_file(path)) {
        int32_t const code = TkSaveGraph(graph, file.constData());
        if (code != 0)
            return QStringLiteral("cannot save %1 (code %2)").arg(QDir::toNativeSeparators(path)).arg(code);
        return std::nullopt;
    }
    if (KpSavePng(TkGetGraphHWnd(graph), file.constData()) != 0)
        return cannot_write(path);
    return std::nullopt;
}

} // namespace

Problem render_scene(MainWindow& window, int scene, QString const& path)
{
    if (!is_available(scene))
        return QStringLiteral("scene %1 is not available").arg(scene);
    settle(window);
    window.show_scene(scene);
    settle(window);
    return save_graph_picture(window, path);
}

namespace {

// The scene's graph also as SVG and PDF beside its PNG, named like it.
Problem save_vector_pictures(MainWindow& window, QDir const& dir, QString const& stem)
{
    for (QString const& extension : {QStringLiteral(".svg"), QStringLiteral(".pdf")})
        if (Problem problem = save_graph_picture(window, dir.filePath(stem + QStringLiteral("-graph") + extension)))
            return problem;
    return std::nullopt;
}

} // namespace

GalleryResult render_gallery(MainWindow& window, QString const& folder)
{
    GalleryResult result;
    window.hide_timings();
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        result.problem = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    QString const index_path = dir.filePath(QStringLiteral("index.html"));
    QFile index(index_path);
    if (!index.open(QIODevice::WriteOnly | QIODevice::Text)) {
        result.problem = cannot_write(index_path);
        return result;
    }
    QTextStream html(&index);
    html << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Kelvotour gallery</title>\n"
         << "<style>body{font-family:sans-serif} figure{display:inline-block;margin:1em;vertical-align:top}"
         << "img{border:1px solid #888}</style></head><body>\n<h1>Kelvotour gallery</h1>\n";
    for (Scene const& scene : all_scenes()) {
        if (scene.draw == nullptr)
            continue;
        QString const stem = QStringLiteral("scene%1").arg(scene.number, 2, 10, QLatin1Char('0'));
        QString const graph_file = stem + QStringLiteral("-graph.png");
        QString const window_file = stem + QStringLiteral("-window.png");
        if (Problem problem = render_scene(window, scene.number, dir.filePath(graph_file))) {
            result.problem = std::move(problem);
            return result;
        }
        if (Problem problem = save_vector_pictures(window, dir, stem)) {
            result.problem = std::move(problem);
            return result;
        }
        if (!window.grab().save(dir.filePath(window_file), "PNG")) {
            result.problem = cannot_write(dir.filePath(window_file));
            return result;
        }
        QString const caption = html_escaped(QString::fromUtf8(scene.caption));
        html << "<h2>" << scene.number << ". " << caption << "</h2>\n"
             << "<figure><img src=\"" << graph_file << "\" alt=\"graph of " << caption
             << "\"><figcaption>graph window (<a href=\"" << stem << "-graph.svg\">SVG</a>, <a href=\"" << stem
             << "-graph.pdf\">PDF</a>)</figcaption></figure>\n"
             << "<figure><img src=\"" << window_file << "\" alt=\"main window with " << caption
             << "\"><figcaption>main window</figcaption></figure>\n";
        if (!written(html, index)) {
            result.problem = cannot_write(index_path);
            return result;
        }
        ++result.rendered;
    }
    html << "</body></html>\n";
    if (!written(html, index))
        result.problem = cannot_write(index_path);
    return result;
}

Problem screenshot_scene(MainWindow& window, int scene, QString const& path)
{
    if (!is_available(scene))
        return QStringLiteral("scene %1 is not available").arg(scene);
    show_on_screen(window);
    window.show_scene(scene);
    settle_on_screen();
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return QStringLiteral("there is no screen to take a screenshot of");
    QRect const frame = window.frameGeometry();
    QPixmap const shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (shot.isNull() || !shot.save(path, "PNG"))
        return cannot_write(path);
    // The panel's place in the shot: a picture shows many colours, a blank panel one.
    QRect const panel = panel_on_screen(window).translated(-frame.topLeft());
    QImage const image = shot.toImage();
    QSet<QRgb> colours;
    for (int y = panel.top(); y <= panel.bottom() && y < image.height(); y += 2)
        for (int x = panel.left(); x <= panel.right() && x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    if (colours.size() < 3)
        return QStringLiteral("the screenshot shows a blank graph panel");
    return std::nullopt;
}

SequenceResult screenshot_sequence(MainWindow& window, int scene, QString const& folder, int step)
{
    SequenceResult result;
    if (!is_available(scene)) {
        result.problem = QStringLiteral("scene %1 is not available").arg(scene);
        return result;
    }
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        result.problem = QStringLiteral("cannot make the folder %1").arg(QDir::toNativeSeparators(folder));
        return result;
    }
    show_on_screen(window);
    HostWidget* panel = window.graph_panel();
    // Frames are kept in memory while the scene runs, so that saving them does not slow it.
    std::vector<std::pair<int, QImage>> frames;
    panel->set_frame_observer([&](int frame) {
        result.frames_shown = frame;
        if (frame % step == 0)
            frames.emplace_back(frame, grab_from_screen(panel_on_screen(window)));
    });
    panel->set_frame_pacing(true);
    QElapsedTimer clock;
    clock.start();
    window.show_scene(scene);
    result.milliseconds = clock.elapsed();
    panel->set_frame_pacing(false);
    panel->set_frame_observer({});
    settle_on_screen();
    frames.emplace_back(0, grab_from_screen(panel_on_screen(window)));

    for (auto const& [frame, image] : frames) {
        QString const name = frame == 0 ? QStringLiteral("final.png")
                                        : QStringLiteral("frame-%1.png").arg(frame, 4, 10, QLatin1Char('0'));
        if (image.isNull() || !image.save(dir.filePath(name), "PNG")) {
            result.problem = cannot_write(dir.filePath(name));
            return result;
        }
        result.frames_saved += frame == 0 ? 0 : 1;
    }
    return result;
}

} // namespace kelvotour
