/*
 * KelvoQt: graph windows inside Qt 6 programs.
 *
 * kelvoqt::HostWidget is a QWidget that hosts KelvoLib's windows: its host() handle is the
 * parent window that TkOpenGraph takes, and everything the graphs in it draw shows in the
 * widget. It forwards mouse input (with the button and Shift/Ctrl flags) to the window
 * under the pointer, shows the cursor the graphs ask for and keeps their paint cycle going
 * with Qt's event loop. kelvoqt::BoxHandlers shows the library's message boxes and
 * dialogues with Qt; kelvoqt::named_icon() gives the platform's icons as images.
 *
 * Like the library, KelvoQt is single-threaded: use it from the thread that runs the Qt
 * event loop and makes the library calls.
 */
#ifndef KELVOQT_H
#define KELVOQT_H

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <stdint.h>

#include <functional>
#include <memory>

#if defined(KELVOQT_BUILDING_LIBRARY)
#define KELVOQT_API __attribute__((visibility("default")))
#else
#define KELVOQT_API
#endif

#ifndef TK_WND_DEFINED
#define TK_WND_DEFINED
typedef uint32_t TkWnd; /* platform window, 0 = none */
#endif

namespace kelvoqt {

/** A message that a window of the host sent to the host itself: the notifications of a
 *  graph opened in it (1039 after each repaint, mouse messages as their number + 1024) and
 *  the messages routed to the host with TkSetMessageRoute (15 paint, 512..521 mouse). The
 *  long parameter of a graph's messages is its graph identifier. */
using HostMessageHandler = std::function<void(uint32_t message, uint32_t word, uint32_t value)>;

/** A QWidget that shows a top-level platform host: the parent window for graphs. */
class KELVOQT_API HostWidget : public QWidget {
    Q_OBJECT

public:
    explicit HostWidget(QWidget* parent = nullptr);
    ~HostWidget() override;
    HostWidget(HostWidget const&) = delete;
    HostWidget& operator=(HostWidget const&) = delete;

    /** The host window: pass it to TkOpenGraph as the parent. Its client area is the
     *  widget's area, so a graph of the widget's size opens at 0, 0. */
    TkWnd host() const;
    /** What the widget shows, as an image (a copy), for saving pictures. */
    QImage picture() const;
    /** Pushes every change drawn so far to the screen at once. Long drawings show their
     *  progress by themselves about 60 times a second; call this when a picture is done. */
    void flush();
    /** Makes the host the widget's size now. Qt tells hidden widgets of a new size only when
     *  they are shown; call this before opening a graph in a widget not shown yet. */
    void follow_size();
    /** The colour shown where no window covers the host (white unless set). */
    void set_background(QColor colour);
    /** Receives the messages sent to the host window; an empty function removes it. */
    void set_message_handler(HostMessageHandler handler);

    /** Frame pacing, so that animation can be seen. A finished picture that a window of the
     *  host receives (a graph's TkDispatchToWindow) where it received the last ones is the
     *  next frame of an animation: it reaches the screen as one frame, at most about 60 a
     *  second. Before a frame whose time has not come the widget waits, processing events
     *  (mouse and keyboard input is discarded meanwhile), so that windows repaint and a
     *  request to close is heard; whoever handles those events must not call the library
     *  while waiting_for_frame() is true, and must not destroy the widget. Off unless
     *  switched on: pictures for files and tests are then drawn at full speed. */
    void set_frame_pacing(bool on);
    bool frame_pacing() const;
    bool waiting_for_frame() const;
    /** Called after each paced frame is on the screen, with the number of paced frames shown
     *  since the observer was set. An empty function removes it. */
    void set_frame_observer(std::function<void(int frame)> observer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    class Presenter;
    std::unique_ptr<Presenter> presenter_;
};

/** Shows the library's message boxes (QMessageBox) and dialogues while it lives; without
 *  it they are written to standard error and answered with their first button. */
class KELVOQT_API BoxHandlers {
public:
    /** Shows the dialogue of a template name (ShowAboutBox) and returns 1 for OK, 2 for
     *  Cancel. */
    using DialogFunction = std::function<int32_t(QWidget* owner, QString const& template_name)>;

    /** Boxes have no owner until one is set: a program makes this before its main window, so
     *  that boxes raised while the window is being built show too. */
    BoxHandlers();
    /** Boxes go back to the handlers installed before. */
    ~BoxHandlers();
    BoxHandlers(BoxHandlers const&) = delete;
    BoxHandlers& operator=(BoxHandlers const&) = delete;

    /** The window that boxes are modal to. */
    void set_owner(QWidget* owner);
    /** Who shows named dialogues. Without one, a box names the template and answers OK. */
    void set_dialog(DialogFunction dialog);

private:
    struct Previous;
    QPointer<QWidget> owner_;
    DialogFunction dialog_;
    std::unique_ptr<Previous> previous_;
};

/** The picture of one of the platform's named icons, for a window's icon: "Kelvo", a small
 *  graph with axes and a curve (32 by 32 pixels). A null image for any other name. */
KELVOQT_API QImage named_icon(QString const& name);

} // namespace kelvoqt

#endif /* KELVOQT_H */
