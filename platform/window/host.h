#pragma once

// Hosts: top-level windows whose pixels someone else shows. A host owns a framebuffer the
// size of its client area; every window below it paints into that framebuffer inside its
// visible region. A presenter (a Qt widget, or nobody when headless) shows the framebuffer,
// learns which rectangles changed and which cursor to show, and feeds the host its input.

#include <cstdint>
#include <memory>

#include "platform/base/color.h"
#include "platform/base/rect.h"
#include "platform/raster/surface.h"
#include "platform/window/message.h"

namespace kp {

class HostPresenter {
public:
    virtual ~HostPresenter() = default;
    // Pixels of the framebuffer inside the rectangle changed.
    virtual void damaged(Rect area) = 0;
    // The cursor to show over the host changed (0 = no cursor).
    virtual void cursor_changed(uint32_t cursor) = 0;
    // Some window of the host needs painting: the presenter should call
    // update_all_windows() when its event loop is next idle.
    virtual void paint_pending() {}
    // A window of the host received a finished picture inside the rectangle: a block copied
    // in unchanged from an off-screen image outside painting (a graph's dispatch). Its pixels
    // were reported to `damaged` already. A presenter that shows animation frame by frame
    // takes each one as a frame.
    virtual void new_picture(Rect /*area*/) {}
};

struct HostState {
    Surface framebuffer;
    Color background = colors::white;
    HostPresenter* presenter = nullptr;
    WindowProcedure message_handler; // the host's own messages, e.g. notifications from children
    Rect damage;                     // union of changes since the presenter last asked
};

// A shown top-level host with a white framebuffer of the given size; 0 on failure.
WindowHandle create_host(Size client_size, HostPresenter* presenter = nullptr);
bool is_host(WindowHandle window);
void set_host_presenter(WindowHandle host, HostPresenter* presenter);
// Messages sent to the host window itself (for example notifications from a graph window
// created as its child) go to this handler; without one, default processing.
void set_host_message_handler(WindowHandle host, WindowProcedure handler);

Surface* host_framebuffer(WindowHandle host);
// The colour the host paints where no window covers it (white unless set).
void set_host_background(WindowHandle host, Color color);
// New areas are painted in the background colour and their windows repainted.
void resize_host(WindowHandle host, Size client_size);
// The rectangle (host coordinates) was uncovered: windows under it get paint at the next update.
void expose_host(WindowHandle host, Rect area);
// Feeds a mouse message at a host point: it reaches the window under the point in that
// window's client coordinates. A point on a window's border is not in its client area and
// sends nothing. A double click reaches a window whose class does not ask for double
// clicks as a second button-down.
void send_mouse(WindowHandle host, uint32_t number, Point point, WParam keys);

enum class HitArea { Client, Border };
struct WindowHit {
    WindowHandle window = 0; // 0: the point is outside the host
    HitArea area = HitArea::Client;
};
// The topmost shown window under a host point (the host itself if no child is there), and
// whether the point lies in its client area or on its border. Children show only inside
// their parent's client area, so a point on a border belongs to that window even where a
// child extends beneath it.
WindowHit hit_test(WindowHandle host, Point point);
WindowHandle window_at(WindowHandle host, Point point);

// Drawing calls report what they changed (host coordinates); the presenter hears of it.
void report_damage(WindowHandle host, Rect area);
// The union of changes since the last call, then forgotten.
Rect take_damage(WindowHandle host);
// A window of the host received a finished picture there (host coordinates); the presenter hears of it.
void report_new_picture(WindowHandle host, Rect area);

// Delivers every pending paint message of every host, as an event loop would.
void update_all_windows();

} // namespace kp
