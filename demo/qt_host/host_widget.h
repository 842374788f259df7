#pragma once

// A Qt widget that presents a platform host: it shows the host's framebuffer, forwards
// mouse input to the windows in it, shows the cursor they ask for and keeps the host's
// paint cycle running. Its host handle is what library calls take as a parent window.

#include <QElapsedTimer>
#include <QRegion>
#include <QWidget>

#include <functional>

#include "platform/window/host.h"

class QEventLoop;

namespace kelvotour {

class HostWidget : public QWidget, private kp::HostPresenter {
public:
    explicit HostWidget(QWidget* parent = nullptr);
    ~HostWidget() override;

    kp::WindowHandle host() const { return host_; }
    // The framebuffer as an image (a copy), for saving pictures.
    QImage picture() const;
    // Pushes every change so far to the screen at once.
    void flush();
    // Makes the host's framebuffer the widget's size now, without waiting for the resize
    // event that Qt delivers to hidden widgets only when they are shown.
    void follow_size();

    // Frame pacing, so that animation can be seen. A finished picture that a window of the
    // host receives (a graph's dispatch) where it received the last ones is the next frame
    // of an animation: it reaches the screen as one frame, at most about 60 a second. Before
    // a frame whose time has not come the widget waits, processing events (user input is
    // discarded), so that windows repaint and a request to close is heard; whoever handles
    // those events must not call the library meanwhile (see waiting_for_frame), and must not
    // destroy the widget. Off unless switched on: pictures for files, tests and headless use
    // are drawn at full speed.
    void set_frame_pacing(bool on);
    bool frame_pacing() const { return pacing_; }
    bool waiting_for_frame() const { return frame_wait_ != nullptr; }
    // Called after each paced frame is on the screen, with the number of paced frames shown
    // since the observer was set. An empty function removes it.
    void set_frame_observer(std::function<void(int frame)> observer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void damaged(kp::Rect area) override;
    void cursor_changed(uint32_t cursor) override;
    void paint_pending() override;
    void new_picture(kp::Rect area) override;
    bool is_next_frame(QRect picture) const;
    // False when the widget was destroyed while it waited.
    bool wait_for_frame_time();
    void forward_mouse(QMouseEvent* event, uint32_t left, uint32_t right, uint32_t middle);

    kp::WindowHandle host_ = 0;
    QRegion dirty_;
    QElapsedTimer since_flush_;
    bool update_scheduled_ = false;
    bool flush_scheduled_ = false;
    bool in_resize_event_ = false;

    bool pacing_ = false;
    QElapsedTimer since_frame_;     // invalid until the first paced frame
    QRegion last_frame_;            // where the last paced frame was published
    QRegion pictures_since_frame_;  // where pictures were published since
    QEventLoop* frame_wait_ = nullptr; // the loop that runs while waiting for a frame's time
    bool paint_put_off_ = false;    // the host asked for painting while we waited
    std::function<void(int)> frame_observer_;
    int frames_observed_ = 0;
};

} // namespace kelvotour
