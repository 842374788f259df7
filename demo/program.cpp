#include "demo/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>

#include "demo/gallery.h"
#include "demo/main_window.h"
#include "demo/named_colours.h"

#include <kelvo/kelvoqt.h>

namespace kelvotour {

namespace {

constexpr int default_sequence_step = 10;

QCommandLineOption option(char const* name, char const* description, char const* value)
{
    return QCommandLineOption({QString::fromLatin1(name)}, QString::fromLatin1(description), QString::fromLatin1(value));
}

// The program's one named dialogue, the about box.
int32_t show_about_dialog(QWidget* owner, QString const&)
{
    QMessageBox::about(owner, QStringLiteral("About Kelvotour"),
                       QStringLiteral("<h3>Kelvotour</h3>"
                                      "<p>A tour of KelvoLib: graph windows, axes, curves, contours and surfaces, "
                                      "formulae and numerical methods.</p>"
                                      "<p>Written by the KelvoLib developers.</p>"));
    return 1;
}

int failed(QTextStream& errors, QString const& problem)
{
    errors << "kelvotour: " << problem << Qt::endl;
    return 1;
}

int run_main_window()
{
    // Before the window: boxes raised while it is built (a graph that fails to open) show too.
    kelvoqt::BoxHandlers boxes;
    boxes.set_dialog(show_about_dialog);
    MainWindow window;
    boxes.set_owner(&window);
    window.graph_panel()->set_frame_pacing(true);
    window.show();
    int const status = QApplication::exec();
    return window.start_failed() ? 1 : status;
}

} // namespace

int run_kelvotour(QStringList const& arguments, QTextStream& out, QTextStream& errors)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption const gallery = option("gallery", "Render every scene into a folder.", "folder");
    QCommandLineOption const scene = option("scene", "The scene to render.", "number");
    QCommandLineOption const picture = option("out", "Picture file for --scene: PNG, or SVG or PDF by its extension.", "file");
    QCommandLineOption const screenshot = option("screenshot", "Screenshot file for --scene on a real display.", "file");
    QCommandLineOption const sequence = option("screenshot-sequence",
                                               "Folder for screenshots of --scene's frames on a real display.", "folder");
    QCommandLineOption const sequence_step = option("sequence-step", "Every how many frames to take a screenshot.",
                                                    "frames");
    QCommandLineOption const drawing_mode
        = option("drawing-mode", "Drawing mode for --scene: foreground, auto, background or delay.", "mode");
    parser.addOptions({gallery, scene, picture, screenshot, sequence, sequence_step, drawing_mode});
    parser.process(arguments);

    compute_named_colours();
    bool const scene_pictures
        = parser.isSet(scene) && (parser.isSet(picture) || parser.isSet(screenshot) || parser.isSet(sequence));
    if (!parser.isSet(gallery) && !scene_pictures)
        return run_main_window();

    // Pictures are made without anybody to click: boxes go to standard error.
    MainWindow window;
    if (window.start_failed())
        return failed(errors, QStringLiteral("the graph window could not be opened"));
    int const scene_number = parser.value(scene).toInt();
    if (parser.isSet(drawing_mode)) {
        // The items of the "Drawing mode" group, in order.
        QStringList const modes{QStringLiteral("foreground"), QStringLiteral("auto"), QStringLiteral("background"),
                                QStringLiteral("delay")};
        qsizetype const item = modes.indexOf(parser.value(drawing_mode).toLower());
        if (item < 0)
            return failed(errors, QStringLiteral("--drawing-mode is one of foreground, auto, background, delay"));
        window.choose_drawing_mode(static_cast<int>(item));
    }
    if (parser.isSet(gallery)) {
        QString const folder = parser.value(gallery);
        GalleryResult const result = render_gallery(window, folder);
        if (result.problem)
            return failed(errors, *result.problem);
        out << "kelvotour: " << result.rendered << " scenes rendered into " << QDir::toNativeSeparators(folder)
            << Qt::endl;
        return 0;
    }
    if (parser.isSet(picture)) {
        Problem const problem = render_scene(window, scene_number, parser.value(picture));
        return problem ? failed(errors, *problem) : 0;
    }
    if (parser.isSet(screenshot)) {
        Problem const problem = screenshot_scene(window, scene_number, parser.value(screenshot));
        return problem ? failed(errors, *problem) : 0;
    }
    int const step = parser.isSet(sequence_step) ? parser.value(sequence_step).toInt() : default_sequence_step;
    if (step < 1)
        return failed(errors, QStringLiteral("--sequence-step needs a positive number of frames"));
    SequenceResult const result = screenshot_sequence(window, scene_number, parser.value(sequence), step);
    if (result.problem)
        return failed(errors, *result.problem);
    out << "kelvotour: scene " << scene_number << " showed " << result.frames_shown << " frames in "
        << result.milliseconds << " ms; " << result.frames_saved << " screenshots in "
        << QDir::toNativeSeparators(parser.value(sequence)) << Qt::endl;
    return 0;
}

} // namespace kelvotour
