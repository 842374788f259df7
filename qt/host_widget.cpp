// The Qt widget that presents a platform host: framebuffer, damage, mouse, cursors, pacing.

#include "qt/kelvoqt.h"

#include <algorithm>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
#include <QWindow>

#include <utility>

#include "platform/window/host.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"
#include "qt/cursor_mapping.h"

namespace kelvoqt {

namespace {

// Long drawings show their progress at about this rate; quicker changes are gathered.
constexpr qint64 flush_interval_ms = 16;
// Paced animation shows at most one frame in this time (60 frames a second).
constexpr qint64 frame_interval_ns = 1'000'000'000 / 60;
// How many of the latest pictures are compared with a new one to find an animation's frames.
constexpr std::size_t recent_pictures_kept = 16;
// An animation counts as running while its frames come at most this far apart.
constexpr qint64 animation_gap_ms = 250;

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

// The message of a button event, or 0 for buttons the platform does not know.
uint32_t button_message(Qt::MouseButton button, uint32_t left, uint32_t right, uint32_t middle)
{
    switch (button) {
    case Qt::LeftButton:
        return left;
    case Qt::RightButton:
        return right;
    case Qt::MiddleButton:
        return middle;
    default:
        return 0;
    }
}

} // namespace

// The widget's side of the platform host: it learns of damage, cursors, pending paint and
// finished pictures, and keeps the state of flushing and frame pacing.
class HostWidget::Presenter : public kp::HostPresenter {
public:
    explicit Presenter(HostWidget& widget)
        : widget_(widget)
    {
        host_ = kp::create_host({widget.width(), widget.height()}, this);
        since_flush_.start();
    }
    ~Presenter() override
    {
        kp::set_host_presenter(host_, nullptr);
        kp::set_host_message_handler(host_, {});
        kp::destroy_window(host_);
    }
    Presenter(Presenter const&) = delete;
    Presenter& operator=(Presenter const&) = delete;

    kp::WindowHandle host() const { return host_; }
    kp::Surface const* framebuffer() const { return kp::host_framebuffer(host_); }

    void flush()
    {
        if (dirty_.isEmpty())
            return;
        QRegion const region = std::exchange(dirty_, QRegion());
        since_flush_.restart();
        if (widget_.isVisible())
            widget_.repaint(region);
    }

    void follow_size() { kp::resize_host(host_, {widget_.width(), widget_.height()}); }

    void resized()
    {
        // Qt learns which part of the window this opaque widget covers only once the resize
        // event is over. A repaint now would take the old, larger part as still covered, and
        // what the widget gave up when it shrank would keep its old pixels. Changes wait for
        // a flush.
        QScopedValueRollback<bool> const resizing(in_resize_event_, true);
        follow_size();
    }

    void forward_mouse(QMouseEvent const* event, uint32_t number)
    {
        QPoint const at = event->position().toPoint();
        kp::send_mouse(host_, number, {at.x(), at.y()}, key_flags_of(event));
    }

    void set_frame_pacing(bool on)
    {
        pacing_ = on;
        if (!on && frame_wait_ != nullptr)
            frame_wait_->quit();
    }
    bool frame_pacing() const { return pacing_; }
    bool waiting_for_frame() const { return frame_wait_ != nullptr; }
    void set_frame_observer(std::function<void(int)> observer)
    {
        frame_observer_ = std::move(observer);
        frames_observed_ = 0;
    }

private:
    void damaged(kp::Rect area) override;
    void cursor_changed(uint32_t cursor) override;
    void paint_pending() override;
    void new_picture(kp::Rect area) override;
    bool is_next_frame(QRect picture) const;
    bool animating() const
    {
        return pacing_ && since_frame_.isValid() && since_frame_.elapsed() < animation_gap_ms;
    }
    // False when the widget was destroyed while it waited.
    bool wait_for_frame_time();

    HostWidget& widget_;
    kp::WindowHandle host_ = 0;
    QRegion dirty_;
    QElapsedTimer since_flush_;
    bool update_scheduled_ = false;
    bool flush_scheduled_ = false;
    bool in_resize_event_ = false;

    bool pacing_ = false;
    QElapsedTimer since_frame_;        // invalid until the first paced frame
    QRect last_frame_;                 // where the last paced frame was published
    std::vector<QRect> pictures_since_frame_; // the latest pictures published since
    QEventLoop* frame_wait_ = nullptr; // the loop that runs while waiting for a frame's time
    bool paint_put_off_ = false;       // the host asked for painting while we waited
    std::function<void(int)> frame_observer_;
    int frames_observed_ = 0;
};

void HostWidget::Presenter::damaged(kp::Rect area)
{
    dirty_ += QRect(area.x, area.y, area.width, area.height);
    // While an animation runs its frames are shown whole, at their time: a frame half drawn
    // (a window just cleared) must not reach the screen between two of them.
    if (!in_resize_event_ && !animating() && since_flush_.elapsed() >= flush_interval_ms) {
        flush();
    } else if (!flush_scheduled_) {
        flush_scheduled_ = true;
        QTimer::singleShot(flush_interval_ms, &widget_, [this] {
            flush_scheduled_ = false;
            flush();
        });
    }
}

void HostWidget::Presenter::cursor_changed(uint32_t cursor)
{
    QCursor const shown = qt_cursor_for(cursor);
    widget_.setCursor(shown);
    // The platform's cursor is the current cursor: it shows at once wherever the pointer is
    // over this window, as a busy cursor must while a picture is drawn. Qt would show the
    // widget's cursor only once it sees the pointer enter the widget, and after a menu item
    // was chosen the last widget it saw the pointer in is the menu. So the top-level window
    // takes the cursor too; the next widget the pointer enters shows its own cursor again.
    if (QWindow* top = widget_.window()->windowHandle())
        top->setCursor(shown);
}

void HostWidget::Presenter::paint_pending()
{
    if (update_scheduled_)
        return;
    update_scheduled_ = true;
    QTimer::singleShot(0, &widget_, [this] {
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

void HostWidget::Presenter::new_picture(kp::Rect area)
{
    // Frames never nest: nothing the library draws while we wait is a frame of its own.
    if (!pacing_ || waiting_for_frame())
        return;
    QWindow const* top = widget_.window()->windowHandle();
    if (!widget_.isVisible() || top == nullptr || !top->isExposed())
        return; // nobody could see the frame
    QRect const picture(area.x, area.y, area.width, area.height);
    if (!is_next_frame(picture)) {
        // A few of the latest are enough to recognise an animation's next frame.
        if (pictures_since_frame_.size() == recent_pictures_kept)
            pictures_since_frame_.erase(pictures_since_frame_.begin());
        pictures_since_frame_.push_back(picture);
        return;
    }
    if (!wait_for_frame_time() || !pacing_)
        return; // gone, or no longer pacing: the usual flushes show the picture
    flush();
    since_frame_.restart();
    last_frame_ = picture;
    pictures_since_frame_.clear();
    if (frame_observer_)
        frame_observer_(++frames_observed_);
}

bool HostWidget::Presenter::is_next_frame(QRect picture) const
{
    // An animation shows its next frame about where it showed the last one, and about as
    // large: the new picture mostly covers a picture of much its size published since the
    // last frame, or that frame itself. Drawing that builds one picture piece by piece, such
    // as text published character by character, publishes new places, and pieces are much
    // smaller than the picture they end in; both run at full speed, and the whole picture is
    // the frame.
    qint64 const size = area_of(QRegion(picture));
    auto repeated = [&](QRect const& earlier) {
        qint64 const earlier_size = area_of(QRegion(earlier));
        if (2 * earlier_size < size || earlier_size > 2 * size)
            return false;
        return 2 * area_of(QRegion(earlier.intersected(picture))) >= size;
    };
    if ((!last_frame_.isEmpty() && repeated(last_frame_))
        || std::any_of(pictures_since_frame_.begin(), pictures_since_frame_.end(), repeated))
        return true;
    // A picture that covers most of the pieces published since the last frame ends them.
    QRegion pieces;
    for (QRect const& piece : pictures_since_frame_)
        pieces += piece;
    return !pieces.isEmpty() && 2 * area_of(pieces.intersected(picture)) >= area_of(pieces);
}

bool HostWidget::Presenter::wait_for_frame_time()
{
    if (!since_frame_.isValid())
        return true;
    qint64 const wait_ms = (frame_interval_ns - since_frame_.nsecsElapsed()) / 1'000'000;
    if (wait_ms <= 0)
        return true;
    // The widget owns this presenter: if the widget goes while we wait, so does this object.
    QPointer<HostWidget> const alive(&widget_);
    QEventLoop loop;
    QTimer frame_time;
    frame_time.setSingleShot(true);
    frame_time.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frame_time, &QTimer::timeout, &loop, &QEventLoop::quit);
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

HostWidget::HostWidget(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    presenter_ = std::make_unique<Presenter>(*this);
}

HostWidget::~HostWidget() = default;

TkWnd HostWidget::host() const
{
    return presenter_->host();
}

QImage HostWidget::picture() const
{
    kp::Surface const* framebuffer = presenter_->framebuffer();
    return framebuffer == nullptr ? QImage() : framebuffer_image(*framebuffer).copy();
}

void HostWidget::flush()
{
    presenter_->flush();
}

void HostWidget::follow_size()
{
    presenter_->follow_size();
}

void HostWidget::set_background(QColor colour)
{
    kp::set_host_background(host(), kp::Color::from_rgb(static_cast<uint8_t>(colour.red()),
                                                        static_cast<uint8_t>(colour.green()),
                                                        static_cast<uint8_t>(colour.blue())));
}

void HostWidget::set_message_handler(HostMessageHandler handler)
{
    if (!handler) {
        kp::set_host_message_handler(host(), {});
        return;
    }
    kp::set_host_message_handler(host(), [handler = std::move(handler)](kp::WindowHandle, uint32_t number,
                                                                         kp::WParam word, kp::LParam value) {
        handler(number, word, value);
        return kp::LResult{0};
    });
}

void HostWidget::set_frame_pacing(bool on)
{
    presenter_->set_frame_pacing(on);
}

bool HostWidget::frame_pacing() const
{
    return presenter_->frame_pacing();
}

bool HostWidget::waiting_for_frame() const
{
    return presenter_->waiting_for_frame();
}

void HostWidget::set_frame_observer(std::function<void(int)> observer)
{
    presenter_->set_frame_observer(std::move(observer));
}

void HostWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    kp::Surface const* framebuffer = presenter_->framebuffer();
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
    presenter_->resized();
}

void HostWidget::mousePressEvent(QMouseEvent* event)
{
    if (uint32_t const number = button_message(event->button(), kp::message::left_button_down,
                                               kp::message::right_button_down, kp::message::middle_button_down))
        presenter_->forward_mouse(event, number);
}

void HostWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (uint32_t const number = button_message(event->button(), kp::message::left_button_up,
                                               kp::message::right_button_up, kp::message::middle_button_up))
        presenter_->forward_mouse(event, number);
}

void HostWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (uint32_t const number
        = button_message(event->button(), kp::message::left_button_double_click,
                         kp::message::right_button_double_click, kp::message::middle_button_double_click))
        presenter_->forward_mouse(event, number);
}

void HostWidget::mouseMoveEvent(QMouseEvent* event)
{
    presenter_->forward_mouse(event, kp::message::mouse_move);
}

} // namespace kelvoqt
