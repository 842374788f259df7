#pragma once

// A Qt widget that presents a platform host: it shows the host's framebuffer, forwards
// mouse input to the windows in it, shows the cursor they ask for and keeps the host's
// paint cycle running. Its host handle is what library calls take as a parent window.

#include <QElapsedTimer>
#include <QRegion>
#include <QWidget>

#include "platform/window/host.h"

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
    void forward_mouse(QMouseEvent* event, uint32_t left, uint32_t right, uint32_t middle);

    kp::WindowHandle host_ = 0;
    QRegion dirty_;
    QElapsedTimer since_flush_;
    bool update_scheduled_ = false;
    bool flush_scheduled_ = false;
};

} // namespace kelvotour
