#include "demo/qt_host/host_widget.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

#include <utility>

#include "demo/qt_host/cursor_mapping.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"

namespace kelvotour {

namespace {

// Long drawings show their progress at about this rate; quicker changes are gathered.
constexpr qint64 flush_interval_ms = 16;
// Paced animation shows at most one frame in this time (60 frames a second).
constexpr qint64 frame_interval_ns = 1'000'000'000 / 60;

QImage framebuffer_image(kp::Surface const& framebuffer)
{
    // The framebuffer's 0x00RRGGBB pixels are what RGB32 expects apart from the unused
    // high byte, which RGB32 ignores.
    return QImage(reinterpret_cast<uchar const*>(framebuffer.pixels().data()), framebuffer.width(),
                  framebuffer.height(), framebuffer.width() * 4, QImage::Format_RGB32);
}

qint64 area_of(QRegion const& region)
{
    qint64 area = 0;
    for (QRect const& rect : region)
        area += qint64{rect.width()} * rect.height();
    return area;
}

kp::WParam key_flags_of(QMouseEvent const* event)
{
    kp::WParam keys = 0;
    Qt::MouseButtons const buttons = event->buttons();
    if (buttons & Qt::LeftButton)
        keys |= kp::key_flags::left_button;
    if (buttons & Qt::RightButton)
        keys |= kp::key_flags::right_button;
    if (buttons & Qt::MiddleButton)
        keys |= kp::key_flags::middle_button;
    if (event->modifiers() & Qt::ShiftModifier)
        keys |= kp::key_flags::shift;
    if (event->modifiers() & Qt::ControlModifier)
        keys |= kp::key_flags::control;
    return keys;
}

// While it lives, the program's mouse, keyboard and touch input is discarded: nothing the
// user does may start work while the library is inside a call. A request to close, paint
// and resize events still arrive.
class UserInputDiscarder : public QObject {
public:
    UserInputDiscarder() { QCoreApplication::instance()->installEventFilter(this); }
    ~UserInputDiscarder() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletMove:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

HostWidget::HostWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    host_ = kp::create_host({width(), height()}, this);
    since_flush_.start();
}

HostWidget::~HostWidget()
{
    kp::set_host_presenter(host_, nullptr);
    kp::destroy_window(host_);
}

QImage HostWidget::picture() const
{
    kp::Surface const* framebuffer = kp::host_framebuffer(host_);
    return framebuffer == nullptr ? QImage() : framebuffer_image(*framebuffer).copy();
}

void HostWidget::flush()
{
    if (dirty_.isEmpty())
        return;
    QRegion const region = std::exchange(dirty_, QRegion());
    since_flush_.restart();
    if (isVisible())
        repaint(region);
}

void HostWidget::follow_size()
{
    kp::resize_host(host_, {width(), height()});
}

void HostWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    kp::Surface const* framebuffer = kp::host_framebuffer(host_);
    if (framebuffer == nullptr || framebuffer->is_empty()) {
        painter.fillRect(event->rect(), Qt::white);
        return;
    }
    QImage const image = framebuffer_image(*framebuffer);
    for (QRect const& rect : event->region())
        painter.drawImage(rect, image, rect);
}

void HostWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Qt learns which part of the window this opaque widget covers only once this event is
    // over. A repaint now would take the old, larger part as still covered, and what the
    // widget gave up when it shrank would keep its old pixels. Changes wait for a flush.
    QScopedValueRollback<bool> const resizing(in_resize_event_, true);
    follow_size();
}

void HostWidget::damaged(kp::Rect area)
{
    dirty_ += QRect(area.x, area.y, area.width, area.height);
    if (!in_resize_event_ && since_flush_.elapsed() >= flush_interval_ms) {
        flush();
    } else if (!flush_scheduled_) {
        flush_scheduled_ = true;
        QTimer::singleShot(flush_interval_ms, this, [this] {
            flush_scheduled_ = false;
            flush();
        });
    }
}

void HostWidget::cursor_changed(uint32_t cursor)
{
    QCursor const shown = qt_cursor_for(cursor);
    setCursor(shown);
    // The platform's cursor is the current cursor: it shows at once wherever the pointer is
    // over this window, as a busy cursor must while a picture is drawn. Qt would show the
    // panel's cursor only once it sees the pointer enter the panel, and after a menu item
    // was chosen the last widget it saw the pointer in is the menu. So the top-level window
    // takes the cursor too; the next widget the pointer enters shows its own cursor again.
    if (QWindow* top = window()->windowHandle())
        top->setCursor(shown);
}

void HostWidget::paint_pending()
{
    if (update_scheduled_)
        return;
    update_scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        update_scheduled_ = false;
        // While we wait for a frame's time the library is in the middle of a call: its
        // windows paint once that call has returned.
        if (waiting_for_frame()) {
            paint_put_off_ = true;
            return;
        }
        kp::update_all_windows();
        flush();
    });
}

void HostWidget::set_frame_pacing(bool on)
{
    pacing_ = on;
    if (!on && frame_wait_ != nullptr)
        frame_wait_->quit();
}

void HostWidget::set_frame_observer(std::function<void(int)> observer)
{
    frame_observer_ = std::move(observer);
    frames_observed_ = 0;
}

void HostWidget::new_picture(kp::Rect area)
{
    // Frames never nest: nothing the library draws while we wait is a frame of its own.
    if (!pacing_ || waiting_for_frame())
        return;
    QWindow const* top = window()->windowHandle();
    if (!isVisible() || top == nullptr || !top->isExposed())
        return; // nobody could see the frame
    QRect const picture(area.x, area.y, area.width, area.height);
    if (!is_next_frame(picture)) {
        pictures_since_frame_ += picture;
        return;
    }
    if (!wait_for_frame_time() || !pacing_)
        return; // gone, or no longer pacing: the usual flushes show the picture
    flush();
    since_frame_.restart();
    last_frame_ = picture;
    pictures_since_frame_ = QRegion();
    if (frame_observer_)
        frame_observer_(++frames_observed_);
}

bool HostWidget::is_next_frame(QRect picture) const
{
    // An animation shows its next frame where it showed the last one, so its picture mostly
    // covers what was published since the last frame. Drawing that builds one picture piece
    // by piece, such as text published character by character, publishes new places instead
    // and runs at full speed.
    QRegion const covered = (pictures_since_frame_ + last_frame_).intersected(picture);
    return 2 * area_of(covered) >= area_of(QRegion(picture));
}

bool HostWidget::wait_for_frame_time()
{
    if (!since_frame_.isValid())
        return true;
    qint64 const wait_ms = (frame_interval_ns - since_frame_.nsecsElapsed()) / 1'000'000;
    if (wait_ms <= 0)
        return true;
    QPointer<HostWidget> const alive(this);
    QEventLoop loop;
    QTimer frame_time;
    frame_time.setSingleShot(true);
    frame_time.setTimerType(Qt::PreciseTimer);
    connect(&frame_time, &QTimer::timeout, &loop, &QEventLoop::quit);
    frame_time.start(static_cast<int>(wait_ms));
    frame_wait_ = &loop;
    {
        // Not QEventLoop::ExcludeUserInputEvents: on X11 that holds back the window
        // manager's request to close as well.
        UserInputDiscarder const discarder;
        loop.exec();
    }
    if (!alive)
        return false;
    frame_wait_ = nullptr;
    if (std::exchange(paint_put_off_, false))
        paint_pending();
    return true;
}

void HostWidget::forward_mouse(QMouseEvent* event, uint32_t left, uint32_t right, uint32_t middle)
{
    uint32_t number = 0;
    switch (event->button()) {
    case Qt::LeftButton:
        number = left;
        break;
    case Qt::RightButton:
        number = right;
        break;
    case Qt::MiddleButton:
        number = middle;
        break;
    default:
        return;
    }
    QPoint const at = event->position().toPoint();
    kp::send_mouse(host_, number, {at.x(), at.y()}, key_flags_of(event));
}

void HostWidget::mousePressEvent(QMouseEvent* event)
{
    forward_mouse(event, kp::message::left_button_down, kp::message::right_button_down,
                  kp::message::middle_button_down);
}

void HostWidget::mouseReleaseEvent(QMouseEvent* event)
{
    forward_mouse(event, kp::message::left_button_up, kp::message::right_button_up, kp::message::middle_button_up);
}

void HostWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    forward_mouse(event, kp::message::left_button_double_click, kp::message::right_button_double_click,
                  kp::message::middle_button_double_click);
}

void HostWidget::mouseMoveEvent(QMouseEvent* event)
{
    QPoint const at = event->position().toPoint();
    kp::send_mouse(host_, kp::message::mouse_move, {at.x(), at.y()}, key_flags_of(event));
}

} // namespace kelvotour
