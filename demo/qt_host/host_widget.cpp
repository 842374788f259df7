#include "demo/qt_host/host_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <utility>

#include "demo/qt_host/cursor_mapping.h"
#include "platform/window/painting.h"
#include "platform/window/window.h"

namespace kelvotour {

namespace {

// Long drawings show their progress at about this rate; quicker changes are gathered.
constexpr qint64 flush_interval_ms = 16;

QImage framebuffer_image(kp::Surface const& framebuffer)
{
    // The framebuffer's 0x00RRGGBB pixels are what RGB32 expects apart from the unused
    // high byte, which RGB32 ignores.
    return QImage(reinterpret_cast<uchar const*>(framebuffer.pixels().data()), framebuffer.width(),
                  framebuffer.height(), framebuffer.width() * 4, QImage::Format_RGB32);
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
    follow_size();
}

void HostWidget::damaged(kp::Rect area)
{
    dirty_ += QRect(area.x, area.y, area.width, area.height);
    if (since_flush_.elapsed() >= flush_interval_ms) {
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
    setCursor(qt_cursor_for(cursor));
}

void HostWidget::paint_pending()
{
    if (update_scheduled_)
        return;
    update_scheduled_ = true;
    QTimer::singleShot(0, this, [this] {
        update_scheduled_ = false;
        kp::update_all_windows();
        flush();
    });
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
