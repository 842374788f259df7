#include <cmath>
#include "demo/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "demo/named_colours.h"
#include "qt/kelvoqt.h"
#include "demo/scenes/scene_table.h"
#include "platform/box/message_box.h"
#include "platform/window/host.h"
#include "platform/window/window.h"

namespace {

using kelvotour::MainWindow;

QByteArray picture_hash(MainWindow const& window)
{
    QImage const picture = window.graph_panel()->picture();
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<char const*>(picture.constBits()), picture.sizeInBytes()),
        QCryptographicHash::Sha1);
}

int colour_count(MainWindow const& window)
{
    QImage const picture = window.graph_panel()->picture();
    QSet<QRgb> colours;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            colours.insert(picture.pixel(x, y));
    return colours.size();
}

void shown_and_settled(MainWindow& window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::processEvents();
}

// Keeps the cursor shapes the main window shows at paced frames.
struct CursorWatch {
    explicit CursorWatch(kelvoqt::HostWidget& panel)
        : panel(panel)
    {
    }
    ~CursorWatch()
    {
        panel.set_frame_observer({});
        panel.set_frame_pacing(false);
    }
    // Paces the first frames of the next scene and keeps the cursor at each; the rest of the
    // scene runs at full speed.
    void watch_next_scene()
    {
        shapes.clear();
        panel.set_frame_observer([this](int frame) {
            shapes.insert(panel.window()->windowHandle()->cursor().shape());
            if (frame == 3)
                panel.set_frame_pacing(false);
        });
        panel.set_frame_pacing(true);
    }
    kelvoqt::HostWidget& panel;
    QSet<Qt::CursorShape> shapes;
};

// What a paced scene did, frame by frame.
struct SceneFrames {
    int frames = 0;
    int frames_with_a_closed_graph = 0;
    QSize graph_size_at_first_frame;
    bool graph_size_changed = false;
};

void watch_frames(MainWindow& window, SceneFrames& seen)
{
    window.graph_panel()->set_frame_observer([&window, &seen](int) {
        TkGraph const graph = window.state().GraphId;
        QSize const size(TkWindowWidth(graph), TkWindowHeight(graph));
        if (++seen.frames == 1)
            seen.graph_size_at_first_frame = size;
        seen.graph_size_changed |= size != seen.graph_size_at_first_frame;
        seen.frames_with_a_closed_graph += graph == 0 || size.isEmpty() ? 1 : 0;
    });
}

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kelvotour::compute_named_colours(); }

    void opensWithTheGraphInThePanel()
    {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Kelvotour"));
        shown_and_settled(window);
        TkGraph const graph = window.state().GraphId;
        QVERIFY(graph != 0);
        QCOMPARE(kp::parent_of(TkGetGraphHWnd(graph)), window.graph_panel()->host());
        QCOMPARE(TkWindowWidth(graph), window.graph_panel()->width());
        QCOMPARE(TkWindowHeight(graph), window.graph_panel()->height());
        QCOMPARE(window.state().DrawMode, 2);
        QCOMPARE(window.state().ColorStyle, 1);
        for (kelvotour::Scene const& scene : kelvotour::all_scenes())
            QCOMPARE(window.menu_item(QString::fromUtf8(scene.item_name))->isEnabled(), scene.draw != nullptr);
        QVERIFY(window.menu_item(QStringLiteral("MnuLines"))->isEnabled());
    }

    void theFirstResizeShowsTheWelcomePageEvenAfterAScene()
    {
        MainWindow window;
        window.show_scene(3);
        shown_and_settled(window);
        QCOMPARE(window.state().CurrentScene, 31);
        QVERIFY(!window.state().FirstResize);
        QVERIFY(colour_count(window) > 2);
    }

    void eachSceneDrawsItsOwnPicture()
    {
        MainWindow window;
        shown_and_settled(window);
        QSet<QByteArray> pictures;
        qsizetype available = 0;
        for (kelvotour::Scene const& scene : kelvotour::all_scenes()) {
            if (scene.draw == nullptr)
                continue;
            ++available;
            window.show_scene(scene.number);
            QCOMPARE(window.state().CurrentScene, scene.number);
            QVERIFY2(colour_count(window) > 2, scene.caption);
            QByteArray const hash = picture_hash(window);
            QVERIFY2(!pictures.contains(hash), scene.caption);
            pictures.insert(hash);
        }
        QCOMPARE(pictures.size(), available);
        QCOMPARE(available, qsizetype(kelvotour::all_scenes().size()));
    }

    void resizingRepeatsTheCurrentScene()
    {
        MainWindow window;
        shown_and_settled(window);
        window.show_scene(5);
        window.resize(700, 520);
        QTRY_COMPARE(window.graph_panel()->width(), window.centralWidget()->width() - 136 - 4);
        QApplication::processEvents();
        TkGraph const graph = window.state().GraphId;
        QCOMPARE(TkWindowWidth(graph), window.graph_panel()->width());
        QCOMPARE(window.state().CurrentScene, 5);
        QByteArray const repeated = picture_hash(window);
        window.show_scene(5);
        QCOMPARE(picture_hash(window), repeated);

        // Too small for the panel: it keeps its size, and the scene is still repeated.
        QSize const panel = window.graph_panel()->size();
        window.resize(140, 60);
        QApplication::processEvents();
        QCOMPARE(window.graph_panel()->size(), panel);
        QCOMPARE(window.state().CurrentScene, 5);
        QVERIFY(colour_count(window) > 2);
    }

    void drawingModeAndColourStyleGroups()
    {
        MainWindow window;
        shown_and_settled(window);
        window.show_scene(1);
        window.choose_drawing_mode(3);
        QCOMPARE(window.state().DrawMode, 4);
        QCOMPARE(TkSetDrawingMode(window.state().GraphId, 4), 4);
        window.choose_drawing_mode(0);
        QCOMPARE(window.state().DrawMode, 1);

        window.show_scene(1);
        window.choose_colour_style(2);
        QCOMPARE(window.state().ColorStyle, 2);
        QCOMPARE(window.state().CurrentScene, 1); // the scene is not repeated
        QCOMPARE(colour_count(window), 1); // the window is left cleared
        QCOMPARE(window.graph_panel()->picture().pixelColor(5, 5), QColor(Qt::black));
    }

    void readoutFollowsTheMouseAndClicksWriteClicked()
    {
        MainWindow window;
        shown_and_settled(window);
        QTest::mouseMove(window.graph_panel(), QPoint(12, 34));
        QTRY_COMPARE(window.x_readout()->text(), QStringLiteral("   12"));
        QCOMPARE(window.y_readout()->text(), QStringLiteral("   34"));
        window.set_readout_mode(kelvotour::ReadoutMode::None);
        QTest::mouseMove(window.graph_panel(), QPoint(20, 40));
        QTRY_COMPARE(window.x_readout()->text(), QStringLiteral(" --- "));
        QCOMPARE(window.y_readout()->text(), QStringLiteral(" --- "));
        QTest::mouseClick(window.graph_panel(), Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(window.x_readout()->text(), QStringLiteral("clicked"));
        QCOMPARE(window.y_readout()->text(), QStringLiteral(" --- "));
    }

    void readoutModeOneShowsUserCoordinates()
    {
        MainWindow window;
        shown_and_settled(window);
        TkGraph const graph = window.state().GraphId;
        TkSetGraphParam(graph, 132, 0);
        TkSetRanges(graph, 0, 100, 0, 50);
        TkSetScales(graph);
        window.set_readout_mode(kelvotour::ReadoutMode::UserCoordinates);
        int32_t const x = TkUserToWindowX(graph, 25, 40);
        int32_t const y = TkUserToWindowY(graph, 25, 40);
        QTest::mouseMove(window.graph_panel(), QPoint(x, y));
        char expected_x[9] = {};
        char expected_y[9] = {};
        TkFormatReal(8, expected_x, TkWindowToUserX(graph, x, y));
        TkFormatReal(8, expected_y, TkWindowToUserY(graph, x, y));
        QTRY_COMPARE(window.x_readout()->text(), QString::fromLatin1(expected_x));
        QCOMPARE(window.y_readout()->text(), QString::fromLatin1(expected_y));
        QVERIFY(std::fabs(window.x_readout()->text().toDouble() - 25) < 0.5);
        QVERIFY(std::fabs(window.y_readout()->text().toDouble() - 40) < 0.5);
    }

    void aSceneChosenFromTheMenuShowsTheBusyCursor()
    {
        MainWindow window;
        shown_and_settled(window);
        CursorWatch watch(*window.graph_panel());
        watch.watch_next_scene();
        QMenu* menu = window.findChild<QMenu*>(QStringLiteral("Mnu2DPrim"));
        QTest::mouseClick(window.menuBar(), Qt::LeftButton, {},
                          window.menuBar()->actionGeometry(menu->menuAction()).center());
        QTRY_VERIFY(menu->isVisible());
        QPoint const item = menu->actionGeometry(window.menu_item(QStringLiteral("MnuLines"))).center();
        QTest::mouseMove(menu, item);
        QTest::mouseClick(menu, Qt::LeftButton, {}, item);
        QCOMPARE(window.state().CurrentScene, 1);
        QVERIFY2(watch.shapes.contains(Qt::WaitCursor), "the hourglass shows while the scene draws");
        QCOMPARE(window.windowHandle()->cursor().shape(), Qt::ArrowCursor);

        watch.watch_next_scene();
        window.show_scene(2);
        QVERIFY2(watch.shapes.contains(Qt::BitmapCursor), "scene 2 shows the TkDot cursor");
    }

    void closingInTheMiddleOfAnAnimationEndsCleanly()
    {
        MainWindow window;
        shown_and_settled(window);
        window.graph_panel()->set_frame_pacing(true);
        SceneFrames seen;
        watch_frames(window, seen);
        int frames_when_asked = -1;
        QTimer::singleShot(100, &window, [&] {
            frames_when_asked = seen.frames;
            window.close();
        });
        window.show_scene(2);
        QVERIFY2(frames_when_asked > 0 && frames_when_asked < 100, "the close request came during the animation");
        QCOMPARE(seen.frames, frames_when_asked); // the rest was drawn without waiting
        QCOMPARE(seen.frames_with_a_closed_graph, 0);
        QCOMPARE(window.state().CurrentScene, 2);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.state().GraphId, TkGraph{0});
    }

    void resizingInTheMiddleOfAnAnimationWaitsForItsEnd()
    {
        MainWindow window;
        shown_and_settled(window);
        window.show_scene(1);
        window.graph_panel()->set_frame_pacing(true);
        SceneFrames seen;
        watch_frames(window, seen);
        QTimer::singleShot(60, &window, [&] {
            window.resize(700, 520);
            window.graph_panel()->set_frame_pacing(false); // the repeat need not be watched
        });
        window.show_scene(6);
        QVERIFY(seen.frames > 0);
        QVERIFY2(!seen.graph_size_changed, "the graph keeps its size while the scene draws");
        QTRY_COMPARE(TkWindowWidth(window.state().GraphId), window.centralWidget()->width() - 136 - 4);
        QCOMPARE(TkWindowHeight(window.state().GraphId), window.graph_panel()->height());
        QCOMPARE(window.state().CurrentScene, 6);
        window.graph_panel()->set_frame_observer({});
    }

    void aboutAndClose()
    {
        std::string shown_text;
        auto previous = kp::set_message_box_handler([&](kp::MessageBoxRequest const& request) {
            shown_text = request.text;
            return kp::MessageBoxAnswer::Ok;
        });
        MainWindow window;
        shown_and_settled(window);
        window.menu_item(QStringLiteral("MnuAbout"))->trigger();
        QVERIFY(shown_text.starts_with("Kelvo graphics DLL KELVOLIB.DLL\nDLL version number: 202\n\n"));
        kp::set_message_box_handler(previous);
        TkGraph const graph = window.state().GraphId;
        window.close();
        QCOMPARE(window.state().GraphId, TkGraph{0});
        QCOMPARE(TkWindowWidth(graph), 0);
    }
};

} // namespace

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
