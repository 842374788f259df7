/**
 * @file kelvoplatform.h
 * The platform layer's C interface: headless hosts for callers without any toolkit
 * (scripts, other languages, CI), and the message boxes the library shows. A headless host
 * is a top-level window whose pixels live in memory; graph windows opened in it draw there,
 * and the picture can be read back or saved. Window handles are 32-bit; a handle that is 0,
 * destroyed or never issued does nothing.
 */
#ifndef KELVOPLATFORM_H
#define KELVOPLATFORM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifndef TK_WND_DEFINED
#define TK_WND_DEFINED
typedef uint32_t TkWnd; /**< A platform window, such as a host or a graph's window; 0 = none. */
#endif

/** @defgroup headless Headless hosts
 * Windows whose pixels live in memory, for programs without a window system. Nothing
 * reaches the screen: the program calls KpUpdate() where an event loop would deliver
 * paint messages, and reads the picture with KpGetPixel() or KpSavePng(). Message boxes
 * (Debug(), failures to open a graph) are written to standard error and answered with their
 * first button.
 * @{ */

/** Creates a headless host. A shown top-level host of that client size, white; a valid parent for TkOpenGraph.
 * 0 on failure (a negative size, or too large to hold in memory).
 * @param width,height the size of its client area in pixels.
 * @return the host, or 0. */
TkWnd KpCreateHeadlessHost(int32_t width, int32_t height);
/** Destroys a window; its children (and graphs in it) go with it.
 * @param window the window, such as a host. */
void KpDestroyWindow(TkWnd window);
/** Delivers all pending paint messages, as an event loop would. */
void KpUpdate(void);
/** The colour (0x00BBGGRR) shown at client point (x, y) of the window; 0xFFFFFFFF outside.
 * @param window the window: a host, or a window in one, such as a graph's (TkGetGraphHWnd()).
 * @param x,y the point in the window's client area.
 * @return the colour there; 0xFFFFFFFF outside the window or for a bad handle. */
uint32_t KpGetPixel(TkWnd window, int32_t x, int32_t y);
/** Copies the colours (0x00BBGGRR) shown in a rectangle of a window's client area, row by
 * row from the top, as KpGetPixel() would read them one by one: points outside the window
 * get 0xFFFFFFFF. For programs that take whole pictures, such as array libraries.
 * @param window the window: a host, or a window in one.
 * @param x,y the rectangle's top-left corner in the window's client area.
 * @param width,height the rectangle's size in pixels.
 * @param colours width x height colours to fill.
 * @return 0; -1 for a bad window, a null colours or a negative size, which writes nothing. */
int32_t KpGetPixels(TkWnd window, int32_t x, int32_t y, int32_t width, int32_t height, uint32_t* colours);
/** Writes what the window shows (its client area) as a PNG file; 0 on success, -1 for a bad
 * window or a null path, -2 when the file cannot be written.
 * @param window the window: a host, or a window in one.
 * @param path the file to write.
 * @return 0, -1 or -2. */
int32_t KpSavePng(TkWnd window, const char* path);
/** Feeds a mouse message (512..521) at host client point (x, y) with key flags; it reaches
 * the window under the point.
 *
 * Messages: 512 move, 513/514/515 left button down/up/double click, 516/517/518 right
 * button, 519/520/521 middle button. Key flags: 1 left button, 2 right button, 4 Shift,
 * 8 Ctrl, 16 middle button. A graph under the point tells its parent (message + 1024).
 * @param host the host.
 * @param message the mouse message, 512..521.
 * @param x,y the point in the host's client area.
 * @param keys the key flags. */
void KpSendMouse(TkWnd host, int32_t message, int32_t x, int32_t y, int32_t keys);
/** Tells a host that a rectangle was uncovered. The rectangle (host client coordinates, x2
 * and y2 included) was uncovered: the windows under it get paint at the next update.
 * @param host the host.
 * @param x1,y1,x2,y2 the rectangle, corners included. */
void KpExpose(TkWnd host, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

/** @} */

/** @defgroup boxes Message boxes
 * A program's own boxes, shown as the library shows its boxes: as Qt message boxes while a
 * kelvoqt::BoxHandlers lives, otherwise written to standard error as "[caption] text" and
 * answered with their first button.
 * @{ */

/** Shows a modal message box and waits for its answer.
 * @param text the message; null reads as empty.
 * @param caption the box's title; null reads as empty.
 * @param buttons 0 OK, 1 OK and Cancel, 2 Yes and No, 3 Yes, No and Cancel; other values
 *        give OK.
 * @param icon 0 none, 1 information, 2 warning, 3 stop; other values give none.
 * @return the button chosen: 1 OK, 2 Cancel, 6 Yes, 7 No. */
int32_t KpMessageBox(const char* text, const char* caption, int32_t buttons, int32_t icon);

/** @} */

#ifdef __cplusplus
}
#endif

#endif /* KELVOPLATFORM_H */
