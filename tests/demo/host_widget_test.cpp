#include "demo/qt_host/host_widget.h"

#include <QApplication>
#include <QTest>

#include "platform/window/cursor.h"
#include "platform/window/window.h"
#include "platform/window/window_class.h"

namespace {

struct Click {
    uint32_t number;
    kp::WParam keys;
    kp::LParam point;
};
std::vector<Click> clicks;

kp::LResult recording_procedure(kp::WindowHandle window, uint32_t number, kp::WParam word, kp::LParam value)
{
    if (kp::is_mouse_message(number))
        clicks.push_back({number, word, value});
    return kp::default_window_procedure(window, number, word, value);
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
        kelvotour::HostWidget widget;
        widget.resize(60, 40);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
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
        kelvotour::HostWidget widget;
        widget.resize(100, 100);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
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
        kelvotour::HostWidget widget;
        kp::set_cursor(kp::load_system_cursor(kp::SystemCursor::Hourglass));
        QCOMPARE(widget.cursor().shape(), Qt::WaitCursor);
        kp::set_cursor(kp::load_named_cursor("TkHand"));
        QCOMPARE(widget.cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!widget.cursor().pixmap().isNull());
        kp::set_cursor(kp::load_system_cursor(kp::SystemCursor::Arrow));
    }

    void resizingGrowsTheFramebufferAndRunsThePaintCycle()
    {
        kelvotour::HostWidget widget;
        widget.resize(50, 50);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        kp::host_framebuffer(widget.host())->fill(kp::colors::black);
        widget.resize(80, 50);
        QTRY_COMPARE(kp::host_framebuffer(widget.host())->pixel({70, 10}), kp::colors::white);
        QCOMPARE(kp::host_framebuffer(widget.host())->pixel({10, 10}), kp::colors::black);
    }
};

} // namespace

QTEST_MAIN(HostWidgetTest)
#include "host_widget_test.moc"
