#include "demo/gallery.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTextStream>
#include <QThread>

#include "demo/main_window.h"
#include "demo/qt_host/host_widget.h"
#include "demo/scenes/scene_table.h"
#include "platform/kelvoplatform.h"

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

QString html_escaped(QString text)
{
    return text.remove(QLatin1Char('&')).toHtmlEscaped();
}

} // namespace

bool render_scene(MainWindow& window, int scene, QString const& path)
{
    if (!is_available(scene))
        return false;
    settle(window);
    window.show_scene(scene);
    settle(window);
    return KpSavePng(TkGetGraphHWnd(window.state().GraphId), path.toLocal8Bit().constData()) == 0;
}

int render_gallery(MainWindow& window, QString const& folder)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        return -1;
    QFile index(dir.filePath(QStringLiteral("index.html")));
    if (!index.open(QIODevice::WriteOnly | QIODevice::Text))
        return -1;
    QTextStream html(&index);
    html << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Kelvotour gallery</title>\n"
         << "<style>body{font-family:sans-serif} figure{display:inline-block;margin:1em;vertical-align:top}"
         << "img{border:1px solid #888}</style></head><body>\n<h1>Kelvotour gallery</h1>\n";
    int rendered = 0;
    for (Scene const& scene : all_scenes()) {
        if (scene.draw == nullptr)
            continue;
        QString const stem = QStringLiteral("scene%1").arg(scene.number, 2, 10, QLatin1Char('0'));
        QString const graph_file = stem + QStringLiteral("-graph.png");
        QString const window_file = stem + QStringLiteral("-window.png");
        if (!render_scene(window, scene.number, dir.filePath(graph_file)))
            return -1;
        window.grab().save(dir.filePath(window_file));
        QString const caption = html_escaped(QString::fromUtf8(scene.caption));
        html << "<h2>" << scene.number << ". " << caption << "</h2>\n"
             << "<figure><img src=\"" << graph_file << "\" alt=\"graph of " << caption
             << "\"><figcaption>graph window</figcaption></figure>\n"
             << "<figure><img src=\"" << window_file << "\" alt=\"main window with " << caption
             << "\"><figcaption>main window</figcaption></figure>\n";
        ++rendered;
    }
    html << "</body></html>\n";
    return rendered;
}

bool screenshot_scene(MainWindow& window, int scene, QString const& path)
{
    window.show();
    window.raise();
    window.activateWindow();
    for (int round = 0; round < 20; ++round) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
    window.show_scene(scene);
    for (int round = 0; round < 20; ++round) {
        QApplication::processEvents();
        QThread::msleep(25);
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return false;
    QRect const frame = window.frameGeometry();
    QPixmap const shot = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (shot.isNull() || !shot.save(path))
        return false;
    // The panel's place on the screen: a picture shows many colours, a blank panel one.
    QRect const panel(window.graph_panel()->mapTo(&window, QPoint(0, 0)) + (window.geometry().topLeft() - frame.topLeft()),
                      window.graph_panel()->size());
    QImage const image = shot.toImage();
    QSet<QRgb> colours;
    for (int y = panel.top(); y <= panel.bottom() && y < image.height(); y += 2)
        for (int x = panel.left(); x <= panel.right() && x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size() >= 3;
}

} // namespace kelvotour
