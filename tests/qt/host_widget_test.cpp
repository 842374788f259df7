#include "qt/kelvoqt.h"

#include <vector>
#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>

#include <algorithm>
#include <array>

#include "lib/kelvolib.h"

#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/memory_device_context.h"
#include "platform/graphics/object_guards.h"
#include "platform/window/cursor.h"
#include "platform/window/host.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "platform/window/window_class.h"
#include "platform/window/window_device_context.h"

namespace {

struct Click {
    uint32_t number;
    kp::WParam keys;
    kp::LParam point;
};
std::vector<Click> clicks;
int paints = 0;
// Set while a test stands for a library call that publishes a picture.
bool inside_library_call = false;
int paints_inside_library_calls = 0;

kp::LResult recording_procedure(kp::WindowHandle window, uint32_t number, kp::WParam word, kp::LParam value)
{
    if (kp::is_mouse_message(number))
        clicks.push_back({number, word, value});
    if (number == kp::message::paint) {
        ++paints;
        paints_inside_library_calls += inside_library_call ? 1 : 0;
    }
    return kp::default_window_procedure(window, number, word, value);
}

// A platform window in a host with an off-screen image to publish from, as a graph has.
class Publisher {
public:
    explicit Publisher(kp::WindowHandle host)
        : window_(kp::create_window({"QtTestWindow", host, {0, 0, 100, 80}, kp::WindowStyle::Visible}))
        , context_(*kp::window_device_context(window_))
        , image_(context_)
        , bitmap_(kp::create_compatible_bitmap(context_, 100, 80))
        , with_bitmap_(image_, bitmap_.get())
    {
    }
    ~Publisher() { kp::destroy_window(window_); }

    kp::WindowHandle window() const { return window_; }
    // Publishes the image's block, as a dispatch does.
    void publish(kp::Rect area)
    {
        inside_library_call = true;
        context_.copy_block(area, image_, area.origin(), kp::RasterOp::Copy);
        inside_library_call = false;
    }

private:
    kp::WindowHandle window_;
    kp::DeviceContext& context_;
    kp::MemoryDeviceContext image_;
    kp::OwnedObject bitmap_;
    kp::ScopedSelection with_bitmap_;
};

struct FrameLog {
    std::vector<qint64> at_ms;
    QElapsedTimer clock;

    FrameLog() { clock.start(); }
    std::function<void(int)> observer()
    {
        return [this](int) { at_ms.push_back(clock.elapsed()); };
    }
};

// Shows the widget at a size and waits until it is on the screen.
bool shown(kelvoqt::HostWidget& widget, int width, int height)
{
    widget.resize(width, height);
    widget.show();
    return QTest::qWaitForWindowExposed(&widget);
}

class HostWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        kp::WindowClass window_class;
        window_class.name = "QtTestWindow";
        window_class.procedure = recording_procedure;
        QVERIFY(kp::register_class(std::move(window_class)));
    }

    void showsTheFramebuffer()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 60, 40));
        kp::Surface* framebuffer = kp::host_framebuffer(widget.host());
        QCOMPARE(framebuffer->size(), (kp::Size{60, 40}));
        framebuffer->set_pixel({10, 5}, kp::Color::from_rgb(200, 10, 20));
        kp::report_damage(widget.host(), {10, 5, 1, 1});
        widget.flush();
        QImage const shown = widget.grab().toImage();
        QCOMPARE(shown.pixelColor(10, 5), QColor(200, 10, 20));
        QCOMPARE(shown.pixelColor(0, 0), QColor(Qt::white));
    }

    void forwardsMouseToTheWindowUnderThePointer()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 100, 100));
        kp::WindowHandle child = kp::create_window(
            {"QtTestWindow", widget.host(), {20, 30, 50, 50}, kp::WindowStyle::Visible});
        clicks.clear();
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::ShiftModifier, QPoint(25, 40));
        QVERIFY(clicks.size() >= 2);
        QCOMPARE(clicks[0].number, kp::message::left_button_down);
        QCOMPARE(clicks[0].point, kp::pack_point(5, 10));
        QVERIFY(clicks[0].keys & kp::key_flags::shift);
        QVERIFY(clicks[0].keys & kp::key_flags::left_button);
        QCOMPARE(clicks[1].number, kp::message::left_button_up);
        kp::destroy_window(child);
    }

    void mapsCursors()
    {
        kelvoqt::HostWidget widget;
        kp::set_cursor(kp::load_system_cursor(kp::SystemCursor::Hourglass));
        QCOMPARE(widget.cursor().shape(), Qt::WaitCursor);
        kp::set_cursor(kp::load_named_cursor("TkHand"));
        QCOMPARE(widget.cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!widget.cursor().pixmap().isNull());
        kp::set_cursor(kp::load_system_cursor(kp::SystemCursor::Arrow));
    }

    // Shrinking used to leave the widget's old pixels where it no longer reached, whenever a
    // change was flushed while Qt still took the old area as covered by the widget.
    void shrinkingGivesBackWhatTheWidgetCovered()
    {
        QWidget window;
        window.resize(140, 120);
        auto* widget = new kelvoqt::HostWidget(&window);
        widget->setGeometry(10, 10, 120, 100);
        widget->set_background(QColor(128, 0, 128));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(30); // long enough since the last flush that the next change flushes at once
        widget->resize(60, 50);
        QApplication::processEvents();
        QImage const shown = QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage();
        QColor const background = window.palette().color(QPalette::Window);
        QCOMPARE(shown.pixelColor(100, 30), background);
        QCOMPARE(shown.pixelColor(30, 90), background);
        QCOMPARE(shown.pixelColor(20, 20), QColor(128, 0, 128));
    }

    void resizingGrowsTheFramebufferAndRunsThePaintCycle()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 50, 50));
        kp::host_framebuffer(widget.host())->fill(kp::colors::black);
        widget.resize(80, 50);
        QTRY_COMPARE(kp::host_framebuffer(widget.host())->pixel({70, 10}), kp::colors::white);
        QCOMPARE(kp::host_framebuffer(widget.host())->pixel({10, 10}), kp::colors::black);
    }

    void pacedPicturesReachTheScreenOneFrameApart()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 100, 80));
        Publisher publisher(widget.host());
        FrameLog frames;
        widget.set_frame_observer(frames.observer());

        for (int i = 0; i < 4; ++i)
            publisher.publish({10, 10, 30, 30});
        QVERIFY2(frames.at_ms.empty(), "without pacing pictures are not held back");

        widget.set_frame_pacing(true);
        for (int i = 0; i < 7; ++i)
            publisher.publish({10 + i, 10 + i, 30, 30});
        QCOMPARE(frames.at_ms.size(), std::size_t{6}); // each picture after the first one is a frame
        for (std::size_t i = 1; i < frames.at_ms.size(); ++i)
            QVERIFY2(frames.at_ms[i] - frames.at_ms[i - 1] >= 15, "about 60 frames a second at most");
    }

    void picturesBuiltPieceByPieceAreNoFrames()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 100, 80));
        Publisher publisher(widget.host());
        FrameLog frames;
        widget.set_frame_observer(frames.observer());
        widget.set_frame_pacing(true);
        // Character boxes along a line, as text publishes them.
        for (int x = 0; x < 96; x += 6)
            publisher.publish({x, 20, 6, 12});
        QVERIFY(frames.at_ms.size() <= 1);
        // The whole line dispatched once more covers it: one frame.
        std::size_t const before = frames.at_ms.size();
        publisher.publish({0, 20, 96, 12});
        QCOMPARE(frames.at_ms.size(), before + 1);
    }

    // An animation whose frames carry text: each frame publishes its labels character by
    // character and then the whole frame. Only the whole frames are frames, so the screen
    // never shows a frame whose labels are still missing.
    void framesWithTextPublishedPieceByPieceShowWhole()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 100, 80));
        Publisher publisher(widget.host());
        // Which picture each frame was shown at, counting from 1.
        int published = 0;
        std::vector<int> frame_pictures;
        widget.set_frame_observer([&](int) { frame_pictures.push_back(published); });
        widget.set_frame_pacing(true);
        auto publish = [&](kp::Rect area) {
            ++published;
            publisher.publish(area);
        };
        publish({0, 0, 100, 80});
        for (int frame = 0; frame < 3; ++frame) {
            for (int x = 0; x < 30; x += 6)
                publish({x, 20, 6, 12});
            publish({0, 0, 100, 80});
        }
        QCOMPARE(frame_pictures, (std::vector<int>{7, 13, 19}));
    }

    // Small frames after a whole picture, as an object moving about a drawn background.
    void smallFramesAfterAWholePictureAreFrames()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 100, 80));
        Publisher publisher(widget.host());
        FrameLog frames;
        widget.set_frame_observer(frames.observer());
        widget.set_frame_pacing(true);
        publisher.publish({0, 0, 100, 80});
        for (int i = 0; i < 6; ++i)
            publisher.publish({20 + i, 20, 16, 16});
        QCOMPARE(frames.at_ms.size(), std::size_t{5}); // each after the first one
    }

    // While it waits for a frame's time the library is inside a call: nothing may reach it.
    void whileWaitingTheHostsWindowsDoNotPaint()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 100, 80));
        Publisher publisher(widget.host());
        QApplication::processEvents();
        widget.set_frame_pacing(true);
        paints = paints_inside_library_calls = 0;
        for (int i = 0; i < 5; ++i) {
            kp::invalidate_window(publisher.window());
            publisher.publish({0, 0, 100, 80});
        }
        QCOMPARE(paints_inside_library_calls, 0);
        QTRY_VERIFY(paints > 0);
        widget.set_frame_pacing(false);
    }

    // What a graph in the widget draws is what the widget shows, and what it saves.
    void graphsDrawIntoTheWidget()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 120, 90));
        TkGraph const graph = TkOpenGraph(widget.host(), 0, 0, widget.width(), widget.height(), 2);
        QVERIFY(graph != 0);
        TkGraphColor(graph, TkRGB(255, 0, 0, 0));
        TkGpRectangle(graph, 10, 10, 49, 29, 1);
        widget.flush();
        QCOMPARE(widget.grab().toImage().pixelColor(20, 20), QColor(255, 0, 0));
        QCOMPARE(widget.picture().pixelColor(20, 20), QColor(255, 0, 0));
        QCOMPARE(widget.picture().pixelColor(60, 20), QColor(0, 0, 0)); // style 0: black back colour
        TkCloseGraph(graph);
    }

    // A graph tells its parent, the host, of clicks (message + 1024, the graph as value);
    // messages routed to the host arrive under their own numbers.
    void hostMessagesReachTheProgram()
    {
        kelvoqt::HostWidget widget;
        QVERIFY(shown(widget, 120, 90));
        std::vector<std::array<uint32_t, 3>> heard;
        widget.set_message_handler([&](uint32_t message, uint32_t word, uint32_t value) {
            heard.push_back({message, word, value});
        });
        TkGraph const graph = TkOpenGraph(widget.host(), 0, 0, widget.width(), widget.height(), 2);
        TkSetMessageRoute(graph, widget.host());
        heard.clear();
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::ControlModifier, QPoint(30, 20));
        auto const heard_message = [&](uint32_t number) {
            return std::find_if(heard.begin(), heard.end(), [&](auto const& m) { return m[0] == number; });
        };
        auto const notification = heard_message(kp::message::left_button_down + 1024);
        QVERIFY(notification != heard.end());
        QCOMPARE((*notification)[2], graph);
        QVERIFY((*notification)[1] & kp::key_flags::control);
        QVERIFY(heard_message(kp::message::left_button_down) != heard.end());

        widget.set_message_handler({});
        heard.clear();
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(30, 20));
        QVERIFY(heard.empty());
        TkCloseGraph(graph);
    }
};

} // namespace

QTEST_MAIN(HostWidgetTest)
#include "host_widget_test.moc"
