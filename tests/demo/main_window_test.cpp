#include "demo/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QLabel>
#include <QSet>
#include <QTest>

#include "demo/named_colours.h"
#include "demo/qt_host/host_widget.h"
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
        QVERIFY(!window.menu_item(QStringLiteral("MunOpenAxes"))->isEnabled());
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
