/*
 * The platform layer's C interface: headless hosts for callers without any toolkit
 * (scripts, other languages, CI). A headless host is a top-level window whose pixels live
 * in memory; graph windows opened in it draw there, and the picture can be read back or
 * saved. Window handles are 32-bit; a handle that is 0, destroyed or never issued does
 * nothing.
 */
#ifndef KELVOPLATFORM_H
#define KELVOPLATFORM_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifndef TK_WND_DEFINED
#define TK_WND_DEFINED
typedef uint32_t TkWnd; /* platform window, 0 = none */
#endif

/* A shown top-level host of that client size, white; a valid parent for TkOpenGraph.
 * 0 on failure (a negative size, or too large to hold in memory). */
TkWnd KpCreateHeadlessHost(int32_t width, int32_t height);
/* Destroys a window; its children (and graphs in it) go with it. */
void KpDestroyWindow(TkWnd window);
/* Delivers all pending paint messages, as an event loop would. */
void KpUpdate(void);
/* The colour (0x00BBGGRR) shown at client point (x, y) of the window; 0xFFFFFFFF outside. */
uint32_t KpGetPixel(TkWnd window, int32_t x, int32_t y);
/* Writes what the window shows (its client area) as a PNG file; 0 on success, -1 for a bad
 * window or a null path, -2 when the file cannot be written. */
int32_t KpSavePng(TkWnd window, const char* path);
/* Feeds a mouse message (512..521) at host client point (x, y) with key flags; it reaches
 * the window under the point. */
void KpSendMouse(TkWnd host, int32_t message, int32_t x, int32_t y, int32_t keys);
/* The rectangle (host client coordinates, x2 and y2 included) was uncovered: the windows
 * under it get paint at the next update. */
void KpExpose(TkWnd host, int32_t x1, int32_t y1, int32_t x2, int32_t y2);

#ifdef __cplusplus
}
#endif

#endif /* KELVOPLATFORM_H */
