// Kelvotour: a tour of KelvoLib.
//
//   kelvotour                          the main window
//   kelvotour --gallery DIR            every available scene as PNG files and DIR/index.html
//   kelvotour --scene N --out FILE     one scene's graph picture
//   kelvotour --scene N --screenshot FILE
//                                      on a real display: a screenshot of the main window
//                                      with scene N, checked for a non-blank graph panel

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "demo/gallery.h"
#include "demo/main_window.h"
#include "demo/named_colours.h"
#include "demo/qt_host/qt_boxes.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvotour"));
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption const gallery({QStringLiteral("gallery")}, QStringLiteral("Render every scene into a folder."),
                                     QStringLiteral("folder"));
    QCommandLineOption const scene({QStringLiteral("scene")}, QStringLiteral("The scene to render."),
                                   QStringLiteral("number"));
    QCommandLineOption const out({QStringLiteral("out")}, QStringLiteral("PNG file for --scene."),
                                 QStringLiteral("file"));
    QCommandLineOption const screenshot({QStringLiteral("screenshot")},
                                        QStringLiteral("Screenshot file for --scene on a real display."),
                                        QStringLiteral("file"));
    parser.addOptions({gallery, scene, out, screenshot});
    parser.process(application);

    kelvotour::compute_named_colours();
    kelvotour::MainWindow window;
    kelvotour::install_qt_box_handlers(&window);

    int status = 0;
    if (parser.isSet(gallery)) {
        int const rendered = kelvotour::render_gallery(window, parser.value(gallery));
        if (rendered < 0) {
            std::fprintf(stderr, "kelvotour: cannot write the gallery in %s\n", qPrintable(parser.value(gallery)));
            status = 1;
        } else {
            std::printf("kelvotour: %d scenes rendered into %s\n", rendered, qPrintable(parser.value(gallery)));
        }
    } else if (parser.isSet(scene) && parser.isSet(out)) {
        if (!kelvotour::render_scene(window, parser.value(scene).toInt(), parser.value(out))) {
            std::fprintf(stderr, "kelvotour: cannot render scene %s\n", qPrintable(parser.value(scene)));
            status = 1;
        }
    } else if (parser.isSet(scene) && parser.isSet(screenshot)) {
        if (!kelvotour::screenshot_scene(window, parser.value(scene).toInt(), parser.value(screenshot))) {
            std::fprintf(stderr, "kelvotour: the screenshot shows a blank graph panel\n");
            status = 1;
        }
    } else {
        window.show();
        status = QApplication::exec();
    }
    kelvotour::remove_qt_box_handlers();
    return status;
}
