/**
 * @file kelvolib.h
 * KelvoLib: scientific graphics and numerics in graph windows.
 *
 * The one exported header of libKelvoLib.so, usable from C and C++. Every function here
 * is a plain C function; the library is single-threaded, and all calls must come from the
 * thread that created the graph windows.
 *
 * Graphs, arrays, images, windows and ODE sets are 32-bit handles (0 = none). A handle that
 * is 0, closed, disposed or never issued is recognised: the call does nothing.
 *
 * Texts are zero-terminated, except the short strings of Debug, MakePChar, RealToStr and
 * IntToShortStr, which are a length byte followed by at most 255 bytes.
 */
#ifndef KELVOLIB_H
#define KELVOLIB_H

#include <stdint.h>

#if defined(KELVO_BUILDING_LIBRARY)
#define KELVO_API __attribute__((visibility("default")))
#else
#define KELVO_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/** @defgroup types Types and records
 * The handles, function types and records that the functions take and return.
 * @{ */

typedef uint32_t TkColor; /**< A colour, 0x00BBGGRR: red in the low byte, then green, then blue. */
typedef uint32_t TkGraph; /**< A graph, from TkOpenGraph(); 0 = none. */
#ifndef TK_WND_DEFINED
#define TK_WND_DEFINED
typedef uint32_t TkWnd; /**< A platform window, such as a host or a graph's window; 0 = none. */
#endif
typedef uint32_t TkImage; /**< A picture copied from a graph by TkGetImage(); 0 = none. */
typedef uint32_t TkArray; /**< A library array of reals, from TkNewArray1() and relatives; 0 = none. */
typedef uint32_t TkODE;   /**< An ODE set, from TkNewODE(); 0 = none. */

/** A real function of one real, for Zeroin(), Fmin() and Romb(). */
typedef double (*TkRealFunc)(double);
/** The derivative routine of Rkf(): it reads the time and state that Rkf() wrote and stores
 *  the derivatives in the array Rkf() was given. */
typedef void (*TkDerivsProc)(void);

/** The settings of one kind of text: kinds 1, 2, 3 the x, y, z axis labels; 4, 5, 6 the x,
 * y, z axis titles; 7 the graph title; 8 the graph labels. */
typedef struct TkLabelSettings {
    int32_t AutoPlace;     /**< low 16 bits nonzero: the library places the text itself */
    int32_t FontFace;      /**< font face as TkFont() takes it */
    int32_t FontStyle;     /**< font style as TkFont() takes it */
    int32_t FontSize;      /**< font size in points */
    int32_t Orientation;   /**< 1..4 as TkFont2() takes it */
    int32_t Justification; /**< 1 start, 2 end, 3 middle */
    TkColor TextColour;    /**< the colour of the text */
    int32_t XOffset;       /**< percent of the cell width (kind 8: pixels) */
    int32_t YOffset;       /**< percent of the cell height (kind 8: pixels) */
    int32_t TitleRef;      /**< titles: 1 lower end (left), 2 middle, 3 upper end (right) */
    int32_t EdgeRule;      /**< 1: an end label moved to stay clear is drawn moved; else left out */
} TkLabelSettings;

/** The effective ranges and the view angles of the last TkSetScales(). */
typedef struct TkActualZoom {
    double XMin;    /**< lower end of the x axis */
    double XMax;    /**< upper end of the x axis */
    double XOrigin; /**< x of the axis origin */
    double YMin;    /**< lower end of the y axis */
    double YMax;    /**< upper end of the y axis */
    double YOrigin; /**< y of the axis origin */
    double ZMin;    /**< lower end of the z axis */
    double ZMax;    /**< upper end of the z axis */
    double ZOrigin; /**< z of the axis origin */
    double Theta;   /**< view angle theta in radians (TkSetViewangles()) */
    double Phi;     /**< view angle phi in radians */
} TkActualZoom;

/** @} */

/* ---- Library frame ------------------------------------------------------------------- */
/** @defgroup frame Library frame
 * The version, the memory check and the debug report box.
 * @{ */

/** The library's version number.
 * @return 202. */
KELVO_API int32_t TkGetVersion(void);
/** Whether the library is short of memory.
 * @return 0: the library keeps no reserve that could run low, so this is always 0. */
KELVO_API uint8_t TkLowMemory(void);
/** Shows message in a "debugging ... Continue?" box when debug mode is on; answering No
 * ends the process with exit code 255.
 *
 * The box has the buttons Yes and No and the stop icon. Answering Yes, or debug mode being
 * off, returns at once. The library shows such boxes itself for requests that correct use
 * never makes, such as an unknown axis or colour index.
 * @param message the text as a short string: a length byte, then at most 255 bytes. */
KELVO_API void Debug(const unsigned char* message);
/** Switches debug mode, and with it the boxes of Debug(), on or off. It starts on.
 * @param on 0 for off, any other value for on. */
KELVO_API void SetDebugMode(uint8_t on);

/** @} */

/* ---- Error state ---------------------------------------------------------------------- */
/** @defgroup error_state Error state
 * The library-wide error state that failing calls report through: a code (0 = none) and a
 * message of at most 255 bytes. The calls that return a code return this one; these calls
 * let a program read it after the calls that return something else (Zeroin(), Fmin(),
 * Romb(), Rkf(), Fft()), clear it before them, and stop them from the functions it gives
 * them: a function that leaves an error pending ends the routine that called it.
 * @{ */

/** The code of the library's error state.
 * @return the code of the last error reported and not cleared; 0 for none. */
KELVO_API int32_t TkGetErrorCode(void);
/** Copies the message of the library's error state into buffer, which holds size bytes (the
 * copy is cut to size - 1 bytes and zero-terminated). Codes without a message of their own,
 * such as the name clash 10425, leave the previous message in place.
 * @param buffer where the message goes; NULL or a size below 1 writes nothing.
 * @param size the number of bytes buffer holds.
 * @return the length of the whole message, also when the copy was cut. */
KELVO_API int32_t TkGetErrorMessage(char* buffer, int32_t size);
/** Clears the error state: no error is pending and the code is 0; the message stays
 * readable. */
KELVO_API void TkClearError(void);
/** Reports an error: the error state gets the code and the message, replacing any error
 * pending. A function given to Zeroin(), Fmin(), Romb(), Rkf() or a curve call that reports
 * an error ends that call (the numerical routines then report 20901).
 * @param code the code; 0 clears the error state as TkClearError() does.
 * @param message the message, cut to 255 bytes; NULL counts as empty. */
KELVO_API void TkSetError(int32_t code, const char* message);

/** @} */

/* ---- Arrays and blocks ---------------------------------------------------------------- */
/** @defgroup arrays Arrays and blocks
 * Library arrays hold one, two or three dimensions of reals for the plotting calls; the
 * caller owns each array from its creation to TkDisposeArray(). Indices start at 1, the
 * last index varies fastest. An index outside the extents reads
 * and writes nothing: the error state gets code 201 "Range check error" and a read gives
 * NaN. A bad array handle does nothing and reads 0. The accessors with fewer indices
 * address the first element of the missing dimensions: TkGetArray1(a, i) reads element
 * (i, 1, 1) of a three-dimensional array.
 * @{ */

/** Creates a one-dimensional array of reals, all 0.
 * @param n1 the number of elements (its absolute value is taken).
 * @return the array; 0 when n1 is 0, or when the data would take more than 1,000,000 bytes
 *         (error 1 "Not enough memory on heap"). */
KELVO_API TkArray TkNewArray1(int32_t n1);
/** Creates a two-dimensional array of n1 by n2 reals, all 0.
 * @param n1,n2 the extents (their absolute values are taken).
 * @return the array; 0 when an extent is 0, or when the data would take more than
 *         1,000,000 bytes (error 1). */
KELVO_API TkArray TkNewArray2(int32_t n1, int32_t n2);
/** Creates a three-dimensional array of n1 by n2 by n3 reals, all 0.
 * @param n1,n2,n3 the extents (their absolute values are taken).
 * @return the array; 0 when an extent is 0, or when the data would take more than
 *         1,000,000 bytes (error 1). */
KELVO_API TkArray TkNewArray3(int32_t n1, int32_t n2, int32_t n3);
/** Frees an array and its data.
 * @param array the array; 0 or an array already disposed does nothing. */
KELVO_API void TkDisposeArray(TkArray array);
/** Reads element (i) of an array.
 * @param array the array.
 * @param i the index, from 1.
 * @return the element; NaN (and error 201) for an index outside the array. */
KELVO_API double TkGetArray1(TkArray array, int32_t i);
/** Reads element (i, j) of an array.
 * @param array the array.
 * @param i,j the indices, from 1.
 * @return the element; NaN (and error 201) for an index outside the array. */
KELVO_API double TkGetArray2(TkArray array, int32_t i, int32_t j);
/** Reads element (i, j, k) of an array.
 * @param array the array.
 * @param i,j,k the indices, from 1.
 * @return the element; NaN (and error 201) for an index outside the array. */
KELVO_API double TkGetArray3(TkArray array, int32_t i, int32_t j, int32_t k);
/** Reads element (i) of an array into a variable, for callers that cannot receive a real
 * as a result.
 * @param array the array; a bad handle writes nothing.
 * @param i the index, from 1.
 * @param value where the element goes: NaN (and error 201) for an index outside the array. */
KELVO_API void TkGetArray1byVar(TkArray array, int32_t i, double* value);
/** Reads element (i, j) of an array into a variable.
 * @param array the array; a bad handle writes nothing.
 * @param i,j the indices, from 1.
 * @param value where the element goes: NaN (and error 201) for an index outside the array. */
KELVO_API void TkGetArray2byVar(TkArray array, int32_t i, int32_t j, double* value);
/** Reads element (i, j, k) of an array into a variable.
 * @param array the array; a bad handle writes nothing.
 * @param i,j,k the indices, from 1.
 * @param value where the element goes: NaN (and error 201) for an index outside the array. */
KELVO_API void TkGetArray3byVar(TkArray array, int32_t i, int32_t j, int32_t k, double* value);
/** Writes element (i) of an array.
 * @param array the array.
 * @param i the index, from 1; outside the array nothing is written (error 201).
 * @param value the new value. */
KELVO_API void TkSetArray1(TkArray array, int32_t i, double value);
/** Writes element (i, j) of an array.
 * @param array the array.
 * @param i,j the indices, from 1; outside the array nothing is written (error 201).
 * @param value the new value. */
KELVO_API void TkSetArray2(TkArray array, int32_t i, int32_t j, double value);
/** Writes element (i, j, k) of an array.
 * @param array the array.
 * @param i,j,k the indices, from 1; outside the array nothing is written (error 201).
 * @param value the new value. */
KELVO_API void TkSetArray3(TkArray array, int32_t i, int32_t j, int32_t k, double value);
/** The address of an array's data, for filling or reading it directly.
 * @param array the array.
 * @return the n1 x n2 x n3 reals, the last index varying fastest, valid until the array is
 *         disposed; NULL for a bad handle. */
KELVO_API double* TkGetArrayAddress(TkArray array);
/** Allocates a memory block, filled with zeros.
 * @param size the number of bytes, at most 65535.
 * @return the block, to be freed with TkDisposeBlock(); NULL for size 0. */
KELVO_API void* TkNewBlock(uint16_t size);
/** Frees a block of TkNewBlock().
 * @param block the block; NULL or an address that is not a live block does nothing.
 * @param size the block's size; the library knows it and does not read this. */
KELVO_API void TkDisposeBlock(void* block, uint16_t size);

/** @} */

/* ---- Maths and string helpers --------------------------------------------------------- */
/** @defgroup helpers Maths and string helpers
 * Functions that never fail where the C library's would, a clock and two text conversions.
 * They take no graph.
 * @{ */

/** x to the power y. A negative x with a fractional y has no real result: NaN, and the
 * error state gets code 201 "Range check error".
 *
 * With x = 0 the result is 0 for y > 0, 1 for y = 0 and 1.7e308 for y < 0. A negative x
 * with a whole y gives the signed power.
 * @param x the base.
 * @param y the exponent.
 * @return x to the power y. */
KELVO_API double RaisePower(double x, double y);
/** The sign of a real.
 * @param x the real.
 * @return 1 when x > 0, 0 when x is 0 (also -0), -1 otherwise. */
KELVO_API int32_t Sgn(double x);
/** The tangent of an angle, which never fails.
 * @param x the angle in radians.
 * @return sin x / cos x; plus or minus 1.7e308 where cos x is exactly 0. */
KELVO_API double Tan(double x);
/** The inverse cosine, which never fails.
 * @param x the cosine; values beyond -1 or 1 count as -1 or 1.
 * @return the angle in 0..pi radians. */
KELVO_API double Arccos(double x);
/** The inverse sine, which never fails.
 * @param x the sine; values beyond -1 or 1 count as -1 or 1.
 * @return the angle in -pi/2..pi/2 radians. */
KELVO_API double Arcsin(double x);
/** Hundredths of a second since local midnight.
 * @return the local time of day in hundredths of a second. */
KELVO_API int32_t Timer(void);
/** Writes a zero after the last character of the short string (its buffer must hold
 * length + 2 bytes) and returns the address of its first character.
 * @param text the short string: a length byte, then the characters.
 * @return text + 1, now a zero-terminated text; NULL for a null text. */
KELVO_API char* MakePChar(unsigned char* text);
/** Copies text without leading and trailing characters of code 32 or less into result,
 * which holds size bytes (the copy is cut to size - 1 bytes and zero-terminated).
 * Returns the length of the whole trimmed text.
 * @param text the text; NULL counts as empty.
 * @param result where the trimmed text goes; NULL or a size below 1 writes nothing.
 * @param size the number of bytes result holds.
 * @return the length of the whole trimmed text, also when the copy was cut. */
KELVO_API int32_t Trim(const char* text, char* result, int32_t size);

/** @} */

/* ---- Colours ------------------------------------------------------------------------ */
/** @defgroup colours Colours
 * Colour values and the library's set of 16 colours: 0 black, 1 navy, 2 green, 3 teal,
 * 4 maroon, 5 purple, 6 olive, 7 silver, 8 grey, 9 blue, 10 light green, 11 cyan, 12 red,
 * 13 violet, 14 yellow, 15 white.
 * @{ */

/** A colour from its intensities: red + 256 green + 65536 blue, each modulo 256; matched to
 * the screen when match is 1.
 * @param red,green,blue the intensities, 0..255 (taken modulo 256).
 * @param match 1 for the nearest colour the screen shows; any other value keeps the colour.
 * @return the colour, 0x00BBGGRR. */
KELVO_API TkColor TkRGB(int32_t red, int32_t green, int32_t blue, int32_t match);
/** Copies the library's 16 colours to colours (64 bytes).
 * @param colours an array of 16 colours, filled in the order of the list above. */
KELVO_API void TkGetColorSet(TkColor* colours);

/** @} */

/* ---- Graph windows ------------------------------------------------------------------ */
/** @defgroup graphs Graph windows
 * A graph is a child window of a window the caller gives, together with the library's
 * state for it. It tells that parent window of each repaint (message 1039) and of each
 * mouse message 512..521 (as message + 1024), with the graph as the long parameter.
 * Destroying the parent window closes the graphs in it.
 * @{ */

/** Opens a graph: a child window of parent at (x, y) of the given size.
 *
 * Flags: bits 0..2 the drawing mode 1..4 (others give 1), 64 a thin border, 128 hidden.
 * The graph starts with style 0 (see TkKelvoStyle()), user ranges -10..10 and is cleared,
 * dispatched and scaled (TkSetScales()). It becomes the current graph.
 * @param parent the window to open the graph in: a host of kelvoplatform.h or of KelvoQt.
 * @param x,y the top-left corner in the parent's client area, pixels.
 * @param width,height the size in pixels (their absolute values are taken).
 * @param flags the drawing mode plus 64 for a border, plus 128 to stay hidden.
 * @return the graph, or 0 when the window or its images could not be made (a window that
 *         cannot be created is also reported in a box "Fail to create graph window (code)"). */
KELVO_API TkGraph TkOpenGraph(TkWnd parent, int32_t x, int32_t y, int32_t width, int32_t height, int32_t flags);
/** Closes a graph: destroys its window and frees everything the library kept for it.
 * @param graph the graph.
 * @return 1 when a graph was closed; 0 when the identifier names no open graph. */
KELVO_API uint16_t TkCloseGraph(TkGraph graph);
/** Shows a graph's window.
 * @param graph the graph.
 * @return nonzero when the window was visible before; 0 also for a bad graph. */
KELVO_API int32_t TkShowGraph(TkGraph graph);
/** Hides a graph's window; drawing goes on.
 * @param graph the graph.
 * @return nonzero when the window was visible before; 0 also for a bad graph. */
KELVO_API int32_t TkHideGraph(TkGraph graph);
/** The window of a graph, for the platform's calls.
 * @param graph the graph.
 * @return the window, 0 for a bad graph. */
KELVO_API TkWnd TkGetGraphHWnd(TkGraph graph);
/** The width of a graph's window.
 * @param graph the graph.
 * @return the width in pixels, as opened or as the last TkResize() made it. */
KELVO_API int32_t TkWindowWidth(TkGraph graph);
/** The height of a graph's window.
 * @param graph the graph.
 * @return the height in pixels, as opened or as the last TkResize() made it. */
KELVO_API int32_t TkWindowHeight(TkGraph graph);
/** Saves what a graph shows as a picture file, in the format the file's extension names.
 *
 * SVG and PDF files hold lines, shapes and fills as vector paths and text as text in its
 * face, size, style, orientation and colour, with the font embedded (SVG sets each glyph as
 * an outline of that font). Areas drawn in a way vector graphics cannot repeat (write modes
 * other than copy, scrolling, pixels read back and put elsewhere) are kept as the graph's
 * pixels, so the picture always matches the graph. PNG files hold the graph's pixels. In
 * modes 3 and 4 the picture is that of the retained image: what the next dispatch shows.
 * The file is written under a temporary name beside `path` and renamed into place, so a
 * failed save writes nothing. The current graph does not change.
 * @param graph the graph.
 * @param path the file to write; its extension (`.svg`, `.pdf` or `.png`, in any case)
 *        chooses the format. An existing file is replaced.
 * @return 0 when the file was written; 25001 when `graph` names no open graph; 25002 when
 *         nothing was drawn since the graph was opened or last cleared; 25003 when the
 *         extension names no format; 25004 when the file cannot be written (a null or empty
 *         path, a missing folder, no permission, a full disk); 25005 when the window is
 *         larger than a picture may be: more than 65,536 pixels wide or high, or more than
 *         2^28 (268,435,456) pixels in all. Nothing is written then, and nothing allocated. */
KELVO_API int32_t TkSaveGraph(TkGraph graph, const char* path);
/** A modal dialog from the named template, owned by the current graph's window.
 *
 * The program shows its own dialogue for the name (with KelvoQt: BoxHandlers::set_dialog);
 * without one the request is written to standard error. Returns when the dialogue closes.
 * @param instance the module of the template; not used, the program's handler decides.
 * @param template_name the name of the dialogue. */
KELVO_API void ShowAboutBox(uint32_t instance, const char* template_name);

/** @} */

/* ---- Drawing modes and redraw --------------------------------------------------------- */
/** @defgroup drawing_modes Drawing modes and redraw
 * Where drawing goes. Mode 1 "Foreground" draws on the window only, and the caller redraws
 * what is uncovered. Mode 2 "Auto Redraw" draws on a retained image and on the window, and
 * repaints from the image. Mode 3 "Background" draws on the retained image only; the window
 * and its repaints show the picture of the last dispatch, so a new picture appears at once.
 * Mode 4 "Delay Redraw" draws on the retained image; the window gets it at a dispatch, and
 * repaints show the image as it stands. Text is drawn on the first target only and, in
 * mode 2, dispatched character by character.
 * @{ */

/** Switches the drawing mode. Modes: 1 "Foreground", 2 "Auto Redraw", 3 "Background",
 * 4 "Delay Redraw".
 *
 * A graph can take any mode that needs no more off-screen images than the mode it was
 * opened in (mode 1 none, 2 and 4 one, 3 two): one opened in mode 3 can take any mode, one
 * opened in mode 2 or 4 any but 3. Whatever the outcome, the graph's style is applied again
 * (TkDefaults() without the coordinate reset) and the window is cleared and dispatched.
 * @param graph the graph.
 * @param mode the mode wanted, 1..4.
 * @return the mode in force afterwards. */
KELVO_API int32_t TkSetDrawingMode(TkGraph graph, int32_t mode);
/** Repaints the whole window from the retained image (modes 2 and 4) or from the picture of
 * the last dispatch (mode 3); nothing in mode 1.
 * @param graph the graph. */
KELVO_API void TkRedrawToWindow(TkGraph graph);
/** Repaints a rectangle of the window as TkRedrawToWindow() does.
 * @param graph the graph.
 * @param x1,y1,x2,y2 the rectangle in window pixels, corners included. */
KELVO_API void TkRedrawToRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
/** Publishes what has been drawn: copies the retained image to the window (and, in mode 3,
 * keeps it as the picture that repaints show); nothing in mode 1.
 * @param graph the graph. */
KELVO_API void TkDispatchToWindow(TkGraph graph);
/** Publishes a rectangle as TkDispatchToWindow() does.
 * @param graph the graph.
 * @param x1,y1,x2,y2 the rectangle in window pixels, corners included; nothing when x2 or y2
 *        lies more than one pixel before x1 or y1. */
KELVO_API void TkDispatchToRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
/** Moves and sizes a graph's window; the picture is cleared and the caller draws again.
 *
 * The off-screen images are made anew only when the window outgrows them or they exceed it
 * by more than 80,000 pixels; the hourglass shows meanwhile. The settings (ranges, style)
 * stay: call TkSetScales() before drawing in user coordinates.
 * @param graph the graph.
 * @param x,y the new top-left corner in the parent's client area.
 * @param width,height the new size (their absolute values are taken).
 * @return 1 when the images could follow; 0 when a new image could not be made (the window
 *         is still cleared and dispatched). */
KELVO_API uint8_t TkResize(TkGraph graph, int32_t x, int32_t y, int32_t width, int32_t height);
/** Sends a second window the graph's paint and mouse messages, under their own numbers
 * (15 and 512..521), with the graph as the long parameter, after the notifications to the
 * parent. The current graph is not changed.
 * @param graph the graph.
 * @param window the window to receive them; 0 for none. */
KELVO_API void TkSetMessageRoute(TkGraph graph, TkWnd window);
/** Copies the 64-byte paint record of the last paint message; returns buffer.
 *
 * The record holds, as 32-bit integers: an unused word, the erase flag, the painted
 * rectangle (left, top, right, bottom; right and bottom excluded), two flags, then 32
 * reserved bytes.
 * @param graph the graph.
 * @param buffer 64 bytes; NULL writes nothing.
 * @return buffer. */
KELVO_API uint8_t* TkGetPaintInfo(TkGraph graph, uint8_t* buffer);
/** Writes the last mouse x and y (two integers); returns point.
 * @param graph the graph.
 * @param point two integers that receive the window pixel of the last mouse message (0, 0
 *        before the first); NULL writes nothing.
 * @return point. */
KELVO_API int32_t* TkGetMousePos(TkGraph graph, int32_t* point);
/** Sets the mouse cursor over the graph. Shapes 1 arrow, 2 hourglass, 3 cross, 4 hand,
 * 5 I-beam, 6 arrow, 7 dot; returns the previous shape.
 *
 * The cursor shows at once and whenever the mouse moves over the graph.
 * @param graph the graph.
 * @param shape the shape, 1..7; another value changes nothing.
 * @return the shape in force before the call (6 is recorded as 1). */
KELVO_API int32_t TkSetMouseShape(TkGraph graph, int32_t shape);
/** Shows the hourglass while the program is busy, or the arrow again.
 * @param graph the graph.
 * @param waiting nonzero for the hourglass (shape 2), 0 for the arrow (shape 1).
 * @return the shape in force before the call. */
KELVO_API int32_t TkSetWaiting(TkGraph graph, uint16_t waiting);

/** @} */

/* ---- Primitives, pens and styles (window pixels, corners included) -------------------- */
/** @defgroup primitives Primitives, pens and styles
 * Shapes in window pixels, drawn on every target of the drawing mode with the graph's pen,
 * brush and write mode. Rectangles and circles include their right and bottom edges, and a
 * line paints both of its ends.
 * @{ */

/** Applies a style: colours, font and write mode at once, then resets the coordinate and
 * axis settings as TkDefaults() does.
 *
 * Style 1: black text and lines on white, Helvetica. Style 2: white on black, Helvetica.
 * Any other number (0, a new graph's style, among them): green text, teal pen, maroon and
 * yellow plot colours on black, Times-Roman. All styles: 10 points, orientation 1,
 * justification 1, write mode 1, solid pen of width 1.
 * @param graph the graph.
 * @param style the style number. */
KELVO_API void TkKelvoStyle(TkGraph graph, int32_t style);
/** Applies the graph's style again and resets every coordinate, axis and label setting to
 * its default (ranges -10..10, origin 0, the 2D view, margins from the font); titles are
 * cleared. The picture is not touched.
 * @param graph the graph. */
KELVO_API void TkDefaults(TkGraph graph);
/** Sets the pen: its colour, style and width. Pen styles: 1 solid, 2 dotted, 3 dashed,
 * 4 invisible, 5 dash-dot.
 *
 * The pen draws lines and outlines; closed shapes are filled with the pen's colour. Pens
 * wider than 1 pixel are solid with round ends.
 * @param graph the graph.
 * @param colour the colour of lines and fills.
 * @param style the pen style 1..5; another value changes nothing.
 * @param width the width in pixels. */
KELVO_API void TkPen(TkGraph graph, TkColor colour, int32_t style, int32_t width);
/** Sets the pen's colour, keeping its style and width.
 * @param graph the graph.
 * @param colour the colour of lines and fills. */
KELVO_API void TkGraphColor(TkGraph graph, TkColor colour);
/** Sets the back colour, which TkClearWindow() and scrolling paint with.
 * @param graph the graph.
 * @param colour the back colour. */
KELVO_API void TkBackColor(TkGraph graph, TkColor colour);
/** Sets the write mode. Write modes: 1 copy, 2 not, 3 and, 4 or, 5 xor.
 *
 * The mode combines the pen's colour with the pixels already there, for lines, outlines
 * and fills; pixels and text are not affected. Drawing twice in mode 5 restores the picture.
 * @param graph the graph.
 * @param mode the write mode 1..5; another value changes nothing. */
KELVO_API void TkWritemode(TkGraph graph, int32_t mode);
/** Paints the whole window in the back colour and moves the end-of-text position to 0, 0.
 * @param graph the graph. */
KELVO_API void TkClearWindow(TkGraph graph);
/** Fills a rectangle with a colour in a write mode, leaving the graph's pen and write
 * mode as they are.
 * @param graph the graph.
 * @param x1,y1,x2,y2 the rectangle, corners included.
 * @param colour the fill colour.
 * @param mode the write mode 1..5 (see TkWritemode()); another value draws nothing. */
KELVO_API void TkGpFill(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour, int32_t mode);
/** Sets one pixel to the pen's colour (the write mode does not apply).
 * @param graph the graph.
 * @param x,y the pixel. */
KELVO_API void TkGpPixel(TkGraph graph, int32_t x, int32_t y);
/** Sets one pixel to a colour (the write mode does not apply).
 * @param graph the graph.
 * @param x,y the pixel.
 * @param colour its colour. */
KELVO_API void TkGpColorPixel(TkGraph graph, int32_t x, int32_t y, TkColor colour);
/** Draws a line with the pen, both ends included.
 * @param graph the graph.
 * @param x1,y1 one end.
 * @param x2,y2 the other end. */
KELVO_API void TkGpLine(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
/** Draws a rectangle: its outline with the pen, or outlined and filled.
 * @param graph the graph.
 * @param x1,y1,x2,y2 the rectangle, corners included.
 * @param filled nonzero to fill it with the pen's colour. */
KELVO_API void TkGpRectangle(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t filled);
/** Draws a polyline or a filled polygon; points: count pairs x, y.
 *
 * The polygon is closed, filled by the even-odd rule with the pen's colour and outlined
 * with the pen.
 * @param graph the graph.
 * @param count the number of points.
 * @param points count pairs of x and y; NULL draws nothing.
 * @param filled nonzero for the filled polygon, 0 for the open polyline. */
KELVO_API void TkGpPoly(TkGraph graph, int32_t count, const int32_t* points, uint8_t filled);
/** Draws a circle with the pen, or outlined and filled.
 * @param graph the graph.
 * @param x,y the centre.
 * @param radius the radius in pixels: the circle fills the box x - radius .. x + radius.
 * @param filled nonzero to fill it with the pen's colour. */
KELVO_API void TkGpCircle(TkGraph graph, int32_t x, int32_t y, int32_t radius, uint8_t filled);

/** @} */

/* ---- Fonts and text ------------------------------------------------------------------- */
/** @defgroup text Fonts and text
 * Text in five faces, four styles and four orientations, placed about a reference point on
 * its baseline. After each text the graph keeps the end-of-text position, where the next
 * character would go, so that a caller can continue the line. Characters outside the window
 * are skipped but still move that position.
 * @{ */

/** Sets the font, with orientation 1. Faces: 1 Times-Roman, 2 Helvetica, 3 terminal,
 * 4 Symbol, 5 Courier New. Styles: 1 normal, 2 bold, 3 italic, 4 bold italic. Sizes in
 * points. Orientations: 1 0, 2 90, 3 180, 4 270 degrees. Justifications: 1 start, 2 end,
 * 3 middle.
 *
 * Another face gives terminal, another style normal; the
 * screen has 96 pixels per inch. A size taller than 1000 pixels leaves the font unchanged.
 * @param graph the graph.
 * @param face the face 1..5.
 * @param style the style 1..4.
 * @param size the size in points. */
KELVO_API void TkFont(TkGraph graph, int32_t face, int32_t style, int32_t size);
/** Sets the font as TkFont() does, with an orientation.
 * @param graph the graph.
 * @param face the face 1..5.
 * @param style the style 1..4.
 * @param size the size in points.
 * @param orientation 1 left to right, 2 bottom to top, 3 upside down, 4 top to bottom;
 *        another value gives 1. */
KELVO_API void TkFont2(TkGraph graph, int32_t face, int32_t style, int32_t size, int32_t orientation);
/** Sets the colour of text.
 * @param graph the graph.
 * @param colour the text colour. */
KELVO_API void TkTextColor(TkGraph graph, TkColor colour);
/** Sets where texts sit against their reference point.
 * @param graph the graph.
 * @param justification 1 the text starts there, 2 it ends there, 3 it is centred on it;
 *        another value gives 1.
 * @return the justification in force before. */
KELVO_API int32_t TkTextJustified(TkGraph graph, int32_t justification);
/** Draws a text in the graph's font, colour and justification.
 *
 * The text is drawn on a transparent background; the write mode does not apply. In drawing
 * mode 2 each character is published to the window at once.
 * @param graph the graph.
 * @param x,y the reference point on the baseline, window pixels.
 * @param text the text. */
KELVO_API void TkGpText(TkGraph graph, int32_t x, int32_t y, const char* text);
/** The x of the end-of-text position.
 * @param graph the graph.
 * @return where the next character after the last text would be drawn, window pixels. */
KELVO_API int32_t TkEndTextX(TkGraph graph);
/** The y of the end-of-text position.
 * @param graph the graph.
 * @return where the next character after the last text would be drawn, window pixels. */
KELVO_API int32_t TkEndTextY(TkGraph graph);
/** The cell width of the current font.
 * @param graph the graph.
 * @return the width of the text "0" in pixels. */
KELVO_API int32_t TkCellWidth(TkGraph graph);
/** The cell height of the current font.
 * @param graph the graph.
 * @return the character height plus the external leading, in pixels. */
KELVO_API int32_t TkCellHeight(TkGraph graph);

/** @} */

/* ---- Images and scrolling ------------------------------------------------------------- */
/** @defgroup images Images and scrolling
 * Image modes as write modes. The caller owns an image until TkClearImage. An image can be
 * placed in any graph, not only the one it came from.
 * @{ */

/** Copies a rectangle of what the graph has drawn into a new image.
 *
 * The copy comes from the retained image in drawing modes 2, 3 and 4, so it holds what was
 * drawn whether it was dispatched or not, and from the window in mode 1.
 * @param graph the graph.
 * @param x1,y1,x2,y2 the rectangle, corners included.
 * @return the image; 0 when x1 > x2, y1 > y2 or the image could not be made. */
KELVO_API TkImage TkGetImage(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
/** Places a whole image with its top-left corner at (x, y), on every drawing target.
 * @param graph the graph.
 * @param x,y the top-left corner, window pixels.
 * @param image the image; it stays the caller's.
 * @param mode how it meets the pixels there: 1 copy, 2 inverted copy, 3 and, 4 or, 5 xor;
 *        another value draws nothing. */
KELVO_API void TkPutImage(TkGraph graph, int32_t x, int32_t y, TkImage image, int32_t mode);
/** Frees an image.
 * @param image the image.
 * @return nonzero when an image was freed, 0 for a bad handle. */
KELVO_API int32_t TkClearImage(TkImage image);
/** Scrolls the pixels inside a rectangle; what is uncovered is painted in the back colour.
 *
 * Nothing is dispatched: in drawing modes 3 and 4 the window shows the result at the next
 * dispatch. The pen and write mode are not affected.
 * @param graph the graph.
 * @param x1,y1,x2,y2 the rectangle, corners included; nothing when it is empty.
 * @param dx,dy the distance in pixels, to the right and downwards. */
KELVO_API void TkScrollRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t dx, int32_t dy);
/** Scrolls the whole window as TkScrollRect() does.
 * @param graph the graph.
 * @param dx,dy the distance in pixels, to the right and downwards. */
KELVO_API void TkScrollWindow(TkGraph graph, int32_t dx, int32_t dy);

/** @} */

/* ---- Number formatting ---------------------------------------------------------------- */
/** @defgroup number_format Number formatting
 * Reals written into fields of a fixed width, as axis labels and read-outs need them.
 * @{ */

/** Formats x into buffer as exactly width characters plus a zero (buffer holds width + 1
 * bytes). Returns 0, 10201 (does not fit) or 10202 (bad width); on error the buffer is
 * left unchanged.
 *
 * The number is rounded to the digits the field can show and written in fixed notation
 * when it fits, otherwise as a mantissa and an exponent (1.00E10); trailing zeros of the
 * decimals become blanks. A non-negative number starts with a blank.
 * @param width the field width in characters, 1..254.
 * @param buffer where the text goes: width characters and a terminating zero.
 * @param x the number.
 * @return 0; 10201 "Bad format. Value does not fit in field. " when the number (or a NaN or
 *         infinity) cannot be shown in the width; 10202 "Bad format parameters" for a width
 *         above 254. */
KELVO_API int32_t TkFormatReal(int32_t width, char* buffer, double x);
/** Writes a real as a short string. Short strings (buffers of 256 bytes): fixed notation
 * with that many decimals, or the 23-character scientific form when decimals < 0.
 * @param decimals the number of decimals; below 0 for the scientific form, such as
 *        " 1.00000000000000E+0000".
 * @param text a 256-byte buffer that receives the short string.
 * @param x the number. */
KELVO_API void RealToStr(int32_t decimals, unsigned char* text, double x);
/** Writes an integer in decimal, without blanks, as a short string.
 * @param n the integer.
 * @param text a 256-byte buffer that receives the short string. */
KELVO_API void IntToShortStr(int32_t n, unsigned char* text);

/** @} */

/* ---- User coordinates, ranges and margins -------------------------------------------- */
/** @defgroup coordinates User coordinates, ranges and margins
 * Setters only store; TkSetScales turns the settings into the scales that every drawing
 * call in user coordinates uses until the next TkSetScales.
 *
 * The ranges are widened to nice values (1, 2 or 5 times a power of ten per interval)
 * unless graph parameter 132 is off, the axis origin is kept on the axes, and the plot
 * fills the window less its margins. User points map to window pixels through the 3D view
 * (TkSetViewangles()); the 2D view is its special case. Window coordinates computed from
 * user coordinates stay within -30000..30000 pixels.
 * @{ */

/** Sets the x and y ranges (initially -10..10), for the next TkSetScales().
 * @param graph the graph.
 * @param xmin,xmax the x range.
 * @param ymin,ymax the y range. */
KELVO_API void TkSetRanges(TkGraph graph, double xmin, double xmax, double ymin, double ymax);
/** Sets the x, y and z ranges (initially -10..10), for the next TkSetScales().
 * @param graph the graph.
 * @param xmin,xmax the x range.
 * @param ymin,ymax the y range.
 * @param zmin,zmax the z range. */
KELVO_API void TkSetRanges3(TkGraph graph, double xmin, double xmax, double ymin, double ymax, double zmin,
                            double zmax);
/** Sets where the axes cross (initially 0, 0), for the next TkSetScales(). An origin
 * outside an axis's range moves to its lower end.
 * @param graph the graph.
 * @param x,y the axis origin in user coordinates. */
KELVO_API void TkSetOrigin(TkGraph graph, double x, double y);
/** Sets where the three axes cross (initially 0, 0, 0), for the next TkSetScales().
 * @param graph the graph.
 * @param x,y,z the axis origin in user coordinates. */
KELVO_API void TkSetOrigin3(TkGraph graph, double x, double y, double z);
/** Sets the margins that the plot leaves free for labels and titles, for the next
 * TkSetScales(). They start at 4 cell widths left and right and 1.5 cell heights at the
 * top and bottom.
 * @param graph the graph.
 * @param left,top,right,bottom the margins in pixels. */
KELVO_API void TkSetMargins(TkGraph graph, int32_t left, int32_t top, int32_t right, int32_t bottom);
/** Turns the graph's settings into the scales of user coordinates.
 *
 * Returns the code of the last warning it raised: 10602 "Bad number of intervals", 10603
 * "Bad axis range" (the range was swapped, widened from equal ends, or not finite, which
 * uses -10..10), 10604 (margins leave no room: the whole window is used), or 0. The work
 * goes on with the corrected values in each case.
 * @param graph the graph.
 * @return 0, 10602, 10603 or 10604. */
KELVO_API int32_t TkSetScales(TkGraph graph);
/** As TkSetScales with the x, y and z scales kept apart (scale mode 2).
 * @param graph the graph.
 * @return 0, 10602, 10603 or 10604 as TkSetScales() does. */
KELVO_API int32_t TkSetScalesAbs(TkGraph graph);
/** The window x of a user point. The window pixel of a user point, clamped to +-30000 (a
 * NaN point gives 0).
 *
 * The point lies in the graph's z plane (0 by default).
 * @param graph the graph.
 * @param x,y the user point.
 * @return its window x. */
KELVO_API int32_t TkUserToWindowX(TkGraph graph, double x, double y);
/** The window y of a user point, as TkUserToWindowX() gives its x.
 * @param graph the graph.
 * @param x,y the user point.
 * @return its window y. */
KELVO_API int32_t TkUserToWindowY(TkGraph graph, double x, double y);
/** The window x of a 3D user point, clamped to +-30000.
 * @param graph the graph.
 * @param x,y,z the user point.
 * @return its window x. */
KELVO_API int32_t TkUserToWindowX3(TkGraph graph, double x, double y, double z);
/** The window y of a 3D user point, clamped to +-30000.
 * @param graph the graph.
 * @param x,y,z the user point.
 * @return its window y. */
KELVO_API int32_t TkUserToWindowY3(TkGraph graph, double x, double y, double z);
/** The user x of a window pixel. The user x or y of a window pixel in the 2D mapping (NaN
 * for a graph that is not open).
 *
 * These read the graph without making it current.
 * @param graph the graph.
 * @param ix,iy the window pixel.
 * @return the user x there. */
KELVO_API double TkWindowToUserX(TkGraph graph, int32_t ix, int32_t iy);
/** The user y of a window pixel in the 2D mapping.
 * @param graph the graph.
 * @param ix,iy the window pixel.
 * @return the user y there; NaN for a graph that is not open. */
KELVO_API double TkWindowToUserY(TkGraph graph, int32_t ix, int32_t iy);
/** The user x of a window pixel, stored in a variable.
 * @param graph the graph.
 * @param ix,iy the window pixel.
 * @param result where the user x goes. */
KELVO_API void TkWindowToUserXbyVar(TkGraph graph, int32_t ix, int32_t iy, double* result);
/** The user y of a window pixel, stored in a variable.
 * @param graph the graph.
 * @param ix,iy the window pixel.
 * @param result where the user y goes. */
KELVO_API void TkWindowToUserYbyVar(TkGraph graph, int32_t ix, int32_t iy, double* result);
/** Moves the current point to a user point. The current point: moves draw nothing; draws
 * are lines in the graph's pen and write mode, clipped to +-30000 pixels (a line whose ends
 * both lie beyond draws nothing). The 2D forms work at the graph's z plane; the relative 2D
 * forms keep z.
 * @param graph the graph.
 * @param x,y the new current point. */
KELVO_API void TkMoveabs(TkGraph graph, double x, double y);
/** Moves the current point by a user distance.
 * @param graph the graph.
 * @param dx,dy the distance. */
KELVO_API void TkMoverel(TkGraph graph, double dx, double dy);
/** Moves the current point to a 3D user point.
 * @param graph the graph.
 * @param x,y,z the new current point. */
KELVO_API void TkMoveabs3(TkGraph graph, double x, double y, double z);
/** Moves the current point by a 3D user distance.
 * @param graph the graph.
 * @param dx,dy,dz the distance. */
KELVO_API void TkMoverel3(TkGraph graph, double dx, double dy, double dz);
/** Draws a line from the current point to a user point, which becomes the current point.
 * @param graph the graph.
 * @param x,y the end of the line. */
KELVO_API void TkDrawabs(TkGraph graph, double x, double y);
/** Draws a line from the current point by a user distance.
 * @param graph the graph.
 * @param dx,dy the distance. */
KELVO_API void TkDrawrel(TkGraph graph, double dx, double dy);
/** Draws a line from the current point to a 3D user point.
 * @param graph the graph.
 * @param x,y,z the end of the line. */
KELVO_API void TkDrawabs3(TkGraph graph, double x, double y, double z);
/** Draws a line from the current point by a 3D user distance.
 * @param graph the graph.
 * @param dx,dy,dz the distance. */
KELVO_API void TkDrawrel3(TkGraph graph, double dx, double dy, double dz);

/** @} */

/* ---- 3D view -------------------------------------------------------------------------- */
/** @defgroup view 3D view
 * A graph shows a parallel projection of its user space, set by two angles; all drawing
 * in user coordinates works the same in 2D and 3D views. The angles take effect at the
 * next TkSetScales().
 * @{ */

/** Sets the view angles: theta tilts the line of sight away from the z axis (the view is 3D
 * when |theta| > 0.0001), phi turns the picture about it; radians. TkSetView2D: theta 0, phi -pi/2; TkSetView3D:
 * theta pi/3, phi -5 pi/12.
 * @param graph the graph.
 * @param theta the tilt from the z axis, radians.
 * @param phi the turn about the z axis, radians; -pi/2 puts x to the right and y up. */
KELVO_API void TkSetViewangles(TkGraph graph, double theta, double phi);
/** The plain 2D view: theta 0, phi -pi/2, z plane 0.
 * @param graph the graph. */
KELVO_API void TkSetView2D(TkGraph graph);
/** The standard 3D view: theta pi/3 (60 degrees), phi -5 pi/12 (-75 degrees).
 * @param graph the graph. */
KELVO_API void TkSetView3D(TkGraph graph);
/** Reports the effective ranges, origin and view angles of the last TkSetScales(), without
 * making the graph current.
 * @param graph the graph; a bad graph leaves the record unchanged.
 * @param zoom the record to fill. */
KELVO_API void TkGetActualZoom(TkGraph graph, TkActualZoom* zoom);

/** @} */

/* ---- Graph parameters and colours -------------------------------------------------------- */
/** @defgroup graph_parameters Graph parameters and colours
 * The numeric settings of coordinates and axes, and the colours of the graph's parts, by
 * code. Parameters that scaling reads take effect at the next TkSetScales(), the others at
 * the next drawing call.
 * @{ */

/** Sets a graph parameter by its code. Codes: 1-3 intervals x, y, z; 101-103 secondary
 * intervals; 4-7 left, right, bottom, top margins; 11, 12 graph-label offsets; 13-15 label
 * widths; 16-18 pip modes; 19-21 pip lengths; 119-121 secondary pip lengths; 130 scale mode;
 * 131 axis type (1 open, 2 corner, 3 boxed); 132 nice values; 133 3D zoom; 134 3D fit; 135,
 * 136 3D origin x, y (percent); 137 symbol size; 140 grid mode; 141, 142 grid and sub-grid
 * styles; 143 title room; 144, 145 axis width and style; 146, 147 grid and sub-grid widths;
 * 148 use the symbol colour; 149 scale type. Flags (132, 134, 143, 148) read back as 0 or 1;
 * an unknown code is ignored and reads 0.
 *
 * Defaults: 7 intervals, 5 secondary intervals, label width 5 characters (0 means 5, a
 * negative width no labels), pip mode 2 (0 outside, 1 inside, 2 across, 3 none), pip
 * lengths 50 and 25 percent of the label font's cell height, scale mode 4 (1 equal scales,
 * 2 apart, 4 equal when nearly so), axis type 1, nice values on, 3D zoom 100 percent with
 * fit on and origin 50, 50, grid mode 0 (1 primary, 2 primary and secondary), grid styles
 * 1 and 2, widths 1, scale type 0 (1 log10 y, 2 ln y, 3 log10 x, 4 ln x, 5 log10 both,
 * 6 ln both).
 * @param graph the graph.
 * @param code the parameter.
 * @param value its new value. */
KELVO_API void TkSetGraphParam(TkGraph graph, int32_t code, int32_t value);
/** Reads a graph parameter (codes as TkSetGraphParam() takes them).
 * @param graph the graph.
 * @param code the parameter.
 * @return its value; 0 or 1 for flags; 0 for an unknown code. */
KELVO_API int32_t TkGetGraphParam(TkGraph graph, int32_t code);
/** Sets the colour of a part of the graph. Indexes: 1 axes, 2 pips, 3 and 15 axis labels, 4
 * text, 5 titles (reads the graph title's), 6 background, 7 pen, 8-11 spare colours, 12 grid,
 * 13 sub-grid, 14 symbols (also turns the symbol colour on), 16-18 x, y, z axis titles, 19
 * axes and pips.
 *
 * An unknown index changes nothing (and shows a Debug() box in debug mode).
 * @param graph the graph.
 * @param index the part.
 * @param colour its colour. */
KELVO_API void TkSetGraphColor(TkGraph graph, int32_t index, TkColor colour);
/** Reads the colour of a graph's part (indexes as TkSetGraphColor() takes them).
 * @param graph the graph.
 * @param index the part.
 * @return its colour; index 3 and 15 the x labels', 5 the graph title's, 19 the axes'. */
KELVO_API TkColor TkGetGraphColor(TkGraph graph, int32_t index);
/** Sets four colours at once.
 * @param graph the graph.
 * @param axis the colour of the axis lines.
 * @param pip the colour of the pips.
 * @param label the colour of the x, y and z axis labels.
 * @param pen the pen's colour, as TkGraphColor() sets it. */
KELVO_API void TkSetColors(TkGraph graph, TkColor axis, TkColor pip, TkColor label, TkColor pen);

/** @} */

/* ---- Label settings and titles ------------------------------------------------------------ */
/** @defgroup labels Label settings and titles
 * The font, colour and placement of each kind of text the axes carry (TkLabelSettings),
 * and the titles that the axes drawing writes.
 * @{ */

/** Copies the settings of a kind of text into a record. Kinds 1..8 as TkLabelSettings says;
 * an unknown kind is ignored. Writing kind 8 with AutoPlace set first rewrites *settings to
 * centre graph labels above their point.
 *
 * Kind 8 reads the graph's current
 * font, orientation, justification, text colour and graph-label offsets.
 * @param graph the graph.
 * @param kind the kind of text, 1..8.
 * @param settings the record to fill; NULL writes nothing. */
KELVO_API void TkGetLabelSettings(TkGraph graph, int32_t kind, TkLabelSettings* settings);
/** Stores the settings of a kind of text. Kind 8 sets the graph's font, justification,
 * text colour and graph-label offsets; with AutoPlace set it first rewrites the record
 * (orientation 1, justification 3, offsets 0 and -FontSize).
 * @param graph the graph.
 * @param kind the kind of text, 1..8; another kind is ignored.
 * @param settings the new settings; NULL changes nothing. */
KELVO_API void TkSetLabelSettings(TkGraph graph, int32_t kind, TkLabelSettings* settings);
/** Stores a copy of a title, which the axes drawing writes. Title references 4, 5, 6: x, y, z
 * axis titles; 7: the graph title. A null or empty text clears the title. TkGetTitleString
 * copies at most size - 1 bytes and a zero and returns the number of bytes copied (0 when
 * no title is stored).
 * @param graph the graph.
 * @param reference 4..7; another value stores nothing.
 * @param text the title. */
KELVO_API void TkSetTitleString(TkGraph graph, int32_t reference, const char* text);
/** Copies a stored title into a buffer.
 * @param graph the graph.
 * @param reference 4..7.
 * @param buffer where the title goes, zero-terminated (empty when none is stored).
 * @param size the number of bytes buffer holds.
 * @return the number of bytes copied; 0 when no title is stored, for another reference, a
 *         null buffer or a size below 1. */
KELVO_API int32_t TkGetTitleString(TkGraph graph, int32_t reference, char* buffer, int32_t size);

/** @} */

/* ---- Axes, pips, grids, labels and titles ------------------------------------------- */
/** @defgroup axes Axes, pips, grids, labels and titles
 * The frame of a plot, drawn after TkSetScales() from the graph parameters and colours
 * (TkSetGraphParam(), TkSetGraphColor()) and the label settings (TkSetLabelSettings()).
 * @{ */

/** Draws the axes: the grid (graph parameter 140), the axis lines of the axis type (131:
 * 1 open, 2 corner, 3 boxed), primary and secondary pips (pip modes 16-18: 0 outside,
 * 1 inside, 2 across, 3 none; lengths 19-21 and 119-121 in percent of the cell height of the
 * axis's label font), then the stored titles (TkSetTitleString()). The pen is put back; the
 * write mode is left at 1 and the font at the last axis's label font.
 * @param graph the graph. */
KELVO_API void TkDrawAxes(TkGraph graph);
/** Draws the box of the effective ranges; in 3D the nine edges that do not meet at the
 * hidden corner.
 * @param graph the graph. */
KELVO_API void TkDrawBox(TkGraph graph);
/** Draws the grid of a 2D view at the pips of the axes, the sub-grid first; nothing in 3D
 * views.
 * @param graph the graph. */
KELVO_API void TkDrawGrid(TkGraph graph);
/** Draws a frame around the whole window.
 * @param graph the graph. */
KELVO_API void TkDrawBorder(TkGraph graph);
/** Writes numbers at the primary pips of x, y (and z in 3D), sharing one power of ten
 * written after the last label; label widths 13-15 (negative: no labels). The graph's font,
 * justification and text colour are left as they were.
 * @param graph the graph. */
KELVO_API void TkLabelAxes(TkGraph graph);
/** Draws a title at once without storing it.
 * @param graph the graph.
 * @param reference 4, 5, 6: the x, y, z axis title; 7: the graph title.
 * @param text the title, cut to 255 bytes. */
KELVO_API void TkGraphTitle(TkGraph graph, int32_t reference, const char* text);
/** @} */

/* ---- Symbols, error bars, graph labels, polygons and cross-wires -------------------------- */
/** @defgroup marks Symbols, error bars, graph labels, polygons and cross-wires
 * Symbol codes: 0 none, 1 dot, 2 plus, 3 cross, 4 square, 5 triangle, 6 circle, 7 filled
 * square, 8 filled triangle, 9 filled circle; half-size graph parameter 137 in pixels.
 * Symbols and error bars use the symbol colour when the graph uses it (graph colour 14),
 * else the pen colour; the graph's pen is left as it was. Points beyond +-30000 window
 * pixels draw nothing.
 * @{ */

/** Draws a symbol at a point of a 2D view.
 * @param graph the graph.
 * @param code the symbol, 0..9.
 * @param x,y the point in user coordinates. */
KELVO_API void TkPlotSymbol(TkGraph graph, int32_t code, double x, double y);
/** Draws a symbol at a point in space.
 * @param graph the graph.
 * @param code the symbol, 0..9.
 * @param x,y,z the point in user coordinates. */
KELVO_API void TkPlotSymbol3(TkGraph graph, int32_t code, double x, double y, double z);
/** Draws error bars about a point, then its symbol. A bar no longer than the symbol size is
 * left out.
 * @param graph the graph.
 * @param code the symbol, 0..9.
 * @param x,y the point in user coordinates.
 * @param ex,ey the half-widths of the bars in user units. */
KELVO_API void TkErrorBar(TkGraph graph, int32_t code, double x, double y, double ex, double ey);
/** Writes a text at the graph-label offsets (parameters 11, 12) from a point, in the graph's
 * font, justification and text colour.
 * @param graph the graph.
 * @param text the text, cut to 255 bytes.
 * @param x,y the point in user coordinates. */
KELVO_API void TkGraphlabel(TkGraph graph, const char* text, double x, double y);
/** Writes a text at the graph-label offsets from a point in space, as TkGraphlabel() does.
 * @param graph the graph.
 * @param text the text, cut to 255 bytes.
 * @param x,y,z the point in user coordinates. */
KELVO_API void TkGraphlabel3(TkGraph graph, const char* text, double x, double y, double z);
/** Draws the open polygon of the first n points of two one-dimensional library arrays.
 * More than 125000 points draw nothing and set error 10601; vertices beyond +-30000 window
 * pixels are dropped.
 * @param graph the graph.
 * @param x,y the arrays of the vertices' user coordinates.
 * @param n the number of vertices.
 * @return 0; 20802 when an array is too short, 20804 when one is missing or of the wrong
 *         kind, which draws nothing. */
KELVO_API int32_t TkDrawPolygon(TkGraph graph, TkArray x, TkArray y, int32_t n);
/** Fills the polygon of the first n points of two one-dimensional library arrays with the
 * pen's colour, taking the points as TkDrawPolygon() does.
 * @param graph the graph.
 * @param x,y the arrays of the vertices' user coordinates.
 * @param n the number of vertices.
 * @return 0, 20802 or 20804 as TkDrawPolygon() does. */
KELVO_API int32_t TkFillPolygon(TkGraph graph, TkArray x, TkArray y, int32_t n);
/** Draws the open polygon of the first n points of three one-dimensional library arrays.
 * @param graph the graph.
 * @param x,y,z the arrays of the vertices' user coordinates.
 * @param n the number of vertices.
 * @return 0; 1 when an array is missing, 2 when one is not one-dimensional, 3 when one is
 *         shorter than n, which draws nothing. */
KELVO_API int32_t TkDrawPolygon3(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n);
/** Fills the polygon of the first n points of three one-dimensional library arrays with the
 * pen's colour.
 * @param graph the graph.
 * @param x,y,z the arrays of the vertices' user coordinates.
 * @param n the number of vertices.
 * @return 0, 1, 2 or 3 as TkDrawPolygon3() does. */
KELVO_API int32_t TkFillPolygon3(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n);
/** Draws lines through a point parallel to the x and y axes across their effective ranges.
 * @param graph the graph.
 * @param x,y the point in user coordinates. */
KELVO_API void TkCrossWires(TkGraph graph, double x, double y);
/** Draws lines through a point parallel to the three axes across their effective ranges.
 * @param graph the graph.
 * @param x,y,z the point in user coordinates. */
KELVO_API void TkCrossWires3(TkGraph graph, double x, double y, double z);
/** @} */

/* ---- Plotting: curves and function sampling ----------------------------------------------- */
/** @defgroup curves Curves and function sampling
 * Plotting calls return 0 or an error code: 20801 "Not enough room in memory for local
 * arrays", 20802 "Not enough data", 20803 "Bad range specified", 20804 "Bad data
 * specified", a formula error (10400..10425), heap error 1, or internal error 30000 (see the
 * error codes of the reference manual). A graph identifier that names no open graph does
 * nothing and returns 0.
 *
 * Curves are drawn in a graph colour, sampled at n points over the interval nudged slightly
 * inwards (equal ends are therefore a bad range), long steps refined, steps that jump across
 * more than a quarter of the range drawn dashed. Option: 0 draw only, 1 fit the ranges first
 * (2D view for y = f(x) and plane curves, a 3D view for space curves), 2 draw and label the
 * axes first, 3 both. The formulae take the graph's parameters and one variable. The
 * caller's functions of the Func2/3 forms get t, store the point into the variables (which
 * hold t, 0 and the z plane before each call) and return 0 where there is no point, which
 * lifts the pen.
 *
 * Sampling fills library arrays on an even grid: XArray(i) = x_i, and YArray(i) = f(x_i);
 * ZArray(i, j) = f(x_i, y_j); WArray(i, j, k) = f(x_i, y_j, z_k), the intervals used as
 * given. Counts below 2, intervals that are not finite, arrays of the wrong kind (20804) or
 * too short (20802) write nothing. A failed evaluation writes 0 and the call returns the code
 * of the last one that failed.
 * @{ */

/** Draws the curve y = f(x) of a formula.
 * @param graph the graph.
 * @param formula the formula f.
 * @param var_name the name of its variable.
 * @param x1,x2 the interval.
 * @param n the number of samples.
 * @param colour the curve's colour.
 * @param option 0..3: fit the ranges (1), draw the axes (2), both (3).
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawCurve1(TkGraph graph, const char* formula, const char* var_name, double x1, double x2,
                               int32_t n, TkColor colour, uint8_t option);
/** Draws the plane curve (x(t), y(t)) of two formulae.
 * @param graph the graph.
 * @param formula_x,formula_y the formulae of x and y.
 * @param var_name the name of their variable t.
 * @param t1,t2 the interval of t.
 * @param n the number of samples.
 * @param colour the curve's colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawCurve2(TkGraph graph, const char* formula_x, const char* formula_y, const char* var_name,
                               double t1, double t2, int32_t n, TkColor colour, uint8_t option);
/** Draws the space curve (x(t), y(t), z(t)) of three formulae.
 * @param graph the graph.
 * @param formula_x,formula_y,formula_z the formulae of x, y and z.
 * @param var_name the name of their variable t.
 * @param t1,t2 the interval of t.
 * @param n the number of samples.
 * @param colour the curve's colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawCurve3(TkGraph graph, const char* formula_x, const char* formula_y, const char* formula_z,
                               const char* var_name, double t1, double t2, int32_t n, TkColor colour,
                               uint8_t option);
/** Draws the curve y = func(x) of the caller's function.
 * @param graph the graph.
 * @param func the function; it may be called again from the library's own drawing.
 * @param x1,x2 the interval.
 * @param n the number of samples.
 * @param colour the curve's colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawCurveFunc1(TkGraph graph, TkRealFunc func, double x1, double x2, int32_t n, TkColor colour,
                                   uint8_t option);
/** Draws a plane curve that the caller's function computes into two variables.
 * @param graph the graph.
 * @param func called with t; stores the point into *x_var and *y_var and returns non-zero,
 *        or returns 0 where there is no point.
 * @param x_var,y_var the variables the function fills.
 * @param t1,t2 the interval of t.
 * @param n the number of samples.
 * @param colour the curve's colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawCurveFunc2(TkGraph graph, TkRealFunc func, double* x_var, double* y_var, double t1,
                                   double t2, int32_t n, TkColor colour, uint8_t option);
/** Draws a space curve that the caller's function computes into three variables.
 * @param graph the graph.
 * @param func called with t; stores the point into *x_var, *y_var and *z_var and returns
 *        non-zero, or returns 0 where there is no point.
 * @param x_var,y_var,z_var the variables the function fills.
 * @param t1,t2 the interval of t.
 * @param n the number of samples.
 * @param colour the curve's colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawCurveFunc3(TkGraph graph, TkRealFunc func, double* x_var, double* y_var, double* z_var,
                                   double t1, double t2, int32_t n, TkColor colour, uint8_t option);
/** Samples a formula of one variable into two one-dimensional library arrays.
 * @param formula the formula.
 * @param x_name the name of its variable.
 * @param x1,x2 the interval.
 * @param x_array receives the n sample points.
 * @param y_array receives the n values.
 * @param n the number of samples, 2 or more.
 * @return 0 or an error code. */
KELVO_API int32_t TkSampleFunction1(const char* formula, const char* x_name, double x1, double x2, TkArray x_array,
                                    TkArray y_array, int32_t n);
/** Samples a formula of two variables on a grid into library arrays.
 * @param formula the formula.
 * @param x_name,y_name the names of its variables.
 * @param x1,x2 the x interval.
 * @param y1,y2 the y interval.
 * @param x_array receives the nx x values.
 * @param y_array receives the ny y values.
 * @param z_array an nx by ny array; receives the values.
 * @param nx,ny the numbers of samples, 2 or more.
 * @return 0 or an error code. */
KELVO_API int32_t TkSampleFunction2(const char* formula, const char* x_name, const char* y_name, double x1, double x2,
                                    double y1, double y2, TkArray x_array, TkArray y_array, TkArray z_array,
                                    int32_t nx, int32_t ny);
/** Samples a formula of three variables on a grid into library arrays.
 * @param formula the formula.
 * @param x_name,y_name,z_name the names of its variables.
 * @param x1,x2 the x interval.
 * @param y1,y2 the y interval.
 * @param z1,z2 the z interval.
 * @param x_array receives the nx x values.
 * @param y_array receives the ny y values.
 * @param z_array receives the nz z values.
 * @param w_array an nx by ny by nz array; receives the values.
 * @param nx,ny,nz the numbers of samples, 2 or more.
 * @return 0 or an error code. */
KELVO_API int32_t TkSampleFunction3(const char* formula, const char* x_name, const char* y_name, const char* z_name,
                                    double x1, double x2, double y1, double y2, double z1, double z2,
                                    TkArray x_array, TkArray y_array, TkArray z_array, TkArray w_array, int32_t nx,
                                    int32_t ny, int32_t nz);
/** @} */

/* ---- Plotting: arrays and histograms ------------------------------------------------------ */
/** @defgroup data_plots Data arrays and histograms
 * Data in library arrays. Mark: the units digit is the symbol (0 none, 1..9 as
 * TkPlotSymbol3()); 10 or more also joins the points with lines (TkDrawArray3: lines only,
 * no symbols). The colour becomes the symbol colour when the graph uses one, else the pen
 * colour. Arrays of the wrong kind give 20804 and arrays shorter than the counts 20802,
 * without a message; counts below 1 give 20802 "Not enough data". The option is as for
 * TkDrawCurve1().
 * @{ */

/** Plots the points (X(i), Y(i)) of two one-dimensional arrays.
 * @param graph the graph.
 * @param x_array,y_array the coordinates.
 * @param n the number of points.
 * @param mark the symbol, plus 10 to join the points.
 * @param colour their colour.
 * @param option 0..3: fit the ranges (1), draw the axes (2), both (3).
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawArray1(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, int32_t mark,
                               TkColor colour, uint8_t option);
/** Plots the heights Z(i, j) over a grid: stems from (X(i), Y(j), 0) up to Z(i, j) for marks
 * of 10 or more, the symbol at the top.
 * @param graph the graph.
 * @param x_array,y_array the grid's coordinates.
 * @param z_array an nx by ny array of heights.
 * @param nx,ny the grid's size.
 * @param mark the symbol, plus 10 for stems.
 * @param colour their colour.
 * @param option 0..3 as for TkDrawArray1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawArray2(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                               int32_t ny, int32_t mark, TkColor colour, uint8_t option);
/** Plots the points (X(i), Y(i), Z(i)) of three one-dimensional arrays.
 * @param graph the graph.
 * @param x_array,y_array,z_array the coordinates.
 * @param n the number of points.
 * @param mark the symbol; 10 or more joins the points with lines only.
 * @param colour their colour.
 * @param option 0..3 as for TkDrawArray1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawArray3(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t n,
                               int32_t mark, TkColor colour, uint8_t option);
/** Draws a histogram: bars from y = 0 to Y(i), starting at X(i) + w offset and w width wide,
 * where w is the distance to the next point (the last bar uses the one before it; a single
 * bar is 1 wide): offset 0 and width 1 fill the spaces between points, offset -0.5 centres
 * the bars. Filled in colour, outlined in the graph's own pen colour. Option 1 or 3 also
 * starts the y range at 0 and gives the x axis one interval per bar when there are fewer
 * than 20.
 * @param graph the graph.
 * @param x_array,y_array the points.
 * @param n the number of bars.
 * @param width the bar width as a share of the spacing; not finite gives 20804.
 * @param offset the bar start as a share of the spacing; not finite gives 20804.
 * @param colour the fill colour.
 * @param option 0..3 as for TkDrawArray1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawHistogram1(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, double width,
                                   double offset, TkColor colour, uint8_t option);
/** Draws a 3D bar chart of the heights Z(i, j), painted from back to front for the graph's
 * view angles.
 * @param graph the graph.
 * @param x_array,y_array the grid's coordinates.
 * @param z_array an nx by ny array of heights.
 * @param nx,ny the grid's size.
 * @param x_width,y_width the bar sizes as shares of the spacings.
 * @param colour the fill colour.
 * @param option 0..3 as for TkDrawArray1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawHistogram2(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                                   int32_t ny, double x_width, double y_width, TkColor colour, uint8_t option);
/** @} */

/* ---- Plotting: contours ------------------------------------------------------------------- */
/** @defgroup contours Contours
 * Contour levels strictly between z1 and z2 (across the data when z1 = z2; one level at
 * z1 = z2 is drawn at z1 + 0.0005), each drawn at its height. Mode 0 keeps the view, 1 the
 * plane map, 2 the 3D view (under option 1 and 3). The Z array is nx by ny, first index along
 * x; X and Y must not decrease (20806, also for values that are not finite); heights that
 * are not finite give 20804. More than 100,000,000 grid points over all levels are refused
 * with 20805.
 * @{ */

/** Draws the contours of heights given in library arrays.
 * @param graph the graph.
 * @param x_array,y_array the grid's coordinates.
 * @param z_array an nx by ny array of heights.
 * @param nx,ny the grid's size.
 * @param contours the number of levels.
 * @param z1,z2 the range of the levels.
 * @param mode 0 keep the view, 1 plane map, 2 3D view.
 * @param colour the lines' colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawContoursArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                                      int32_t ny, int32_t contours, double z1, double z2, uint8_t mode,
                                      TkColor colour, uint8_t option);
/** Draws the contours of a formula, which may use the graph's parameters, sampled on an
 * nx by ny grid over the intervals (their ends moved inwards by about 1.4e-6 of their size).
 * @param graph the graph.
 * @param formula the formula.
 * @param x_name,y_name the names of its variables.
 * @param x1,x2 the x interval.
 * @param y1,y2 the y interval.
 * @param nx,ny the grid's size.
 * @param contours the number of levels.
 * @param z1,z2 the range of the levels.
 * @param mode 0 keep the view, 1 plane map, 2 3D view.
 * @param colour the lines' colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawContours(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1,
                                 double x2, double y1, double y2, int32_t nx, int32_t ny, int32_t contours, double z1,
                                 double z2, uint8_t mode, TkColor colour, uint8_t option);
/** @} */

/* ---- Plotting: surfaces --------------------------------------------------------------------- */
/** @defgroup surfaces Surfaces
 * Style 3: wire frame with edges in the upper colour where the surface faces the viewer,
 * else the lower colour; style 4: hidden lines removed, swept from the grid corner nearest
 * the viewer. A view straight down the z axis, or one that gives the sweep no front (both
 * grid directions on one arm), draws the wire frame instead. Grids as for
 * TkDrawContoursArray(); the wire frame needs 8 bytes a grid point, at most 1,000,000
 * (20801).
 * @{ */

/** Draws the surface of heights given in library arrays.
 * @param graph the graph.
 * @param x_array,y_array the grid's coordinates.
 * @param z_array an nx by ny array of heights.
 * @param nx,ny the grid's size.
 * @param style 3 wire frame, 4 hidden lines.
 * @param upper_colour the colour of the side facing the viewer.
 * @param lower_colour the colour of the other side.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawSurfaceArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                                     int32_t ny, uint8_t style, TkColor upper_colour, TkColor lower_colour,
                                     uint8_t option);
/** Draws the surface of a formula, which may use the graph's parameters, sampled as for
 * TkDrawContours().
 * @param graph the graph.
 * @param formula the formula.
 * @param x_name,y_name the names of its variables.
 * @param x1,x2 the x interval.
 * @param y1,y2 the y interval.
 * @param nx,ny the grid's size.
 * @param style 3 wire frame, 4 hidden lines.
 * @param upper_colour the colour of the side facing the viewer.
 * @param lower_colour the colour of the other side.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawSurface(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1,
                                double x2, double y1, double y2, int32_t nx, int32_t ny, uint8_t style,
                                TkColor upper_colour, TkColor lower_colour, uint8_t option);
/** @} */

/* ---- Plotting: data of any size --------------------------------------------------------- */
/** @defgroup data_calls Data of any size
 * Plots of the caller's own memory, of any length, drawn with exactly the pixels the classic
 * calls give: every segment as TkMoveabs() and TkDrawabs() (TkMoveabs3(), TkDrawabs3()) draw
 * it and every symbol as TkPlotSymbol3() plots it, in every pen, write mode, window size and
 * clip. The data are read where they lie and never copied: working memory grows with the
 * window's size for points (a bit a pixel at most) and with the grid for grids, never with
 * the number of points. Where many points fall on one pixel the work is reduced: a line from
 * a pixel to that pixel again is left out where painting again changes nothing, and a
 * symbol is painted once at each pixel symbols land on (in exclusive or, where an odd number
 * of them land). In exclusive or, and with pens wider than a pixel, every segment is drawn.
 * Saved pictures (TkSaveGraph()) hold the pixels of long polylines and of many symbols as an
 * image, so that their size grows with the window and not with the data.
 *
 * Coordinates that are not finite are gaps: the pen lifts there and comes down at the next
 * finite point, no symbol is drawn for them, and fitting the ranges passes over them. A NULL
 * x (and y for grids) stands for 0, 1, ..., n - 1. Counts below 1 give 20802 "Not enough
 * data" and a NULL y or z 20804 "Bad data specified", drawing nothing.
 * @{ */

/** Plots the points (x[i], y[i]) as TkDrawArray1() plots library arrays: mark, colour and
 * option alike.
 * @param graph the graph.
 * @param x the x coordinates, or NULL for 0, 1, ..., n - 1.
 * @param y the y coordinates.
 * @param n the number of points, 1 or more.
 * @param mark the symbol, plus 10 to join the points.
 * @param colour their colour.
 * @param option 0..3 as for TkDrawArray1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawData1(TkGraph graph, const double* x, const double* y, int64_t n, int32_t mark,
                              TkColor colour, uint8_t option);
/** Plots the points (x[i], y[i], z[i]) as TkDrawArray3() plots library arrays: symbols for
 * marks below 10, lines only for 10 or more.
 * @param graph the graph.
 * @param x the x coordinates, or NULL for 0, 1, ..., n - 1.
 * @param y,z the y and z coordinates.
 * @param n the number of points, 1 or more.
 * @param mark the symbol; 10 or more joins the points with lines only.
 * @param colour their colour.
 * @param option 0..3 as for TkDrawArray1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawData3(TkGraph graph, const double* x, const double* y, const double* z, int64_t n,
                              int32_t mark, TkColor colour, uint8_t option);
/** Draws a histogram of raw samples: bins equal bins over [min, max] of the finite samples
 * (the last bin closed; all samples equal give bins of width 1 from that value), counted in
 * one pass and drawn as TkDrawHistogram1() draws bars of those counts with width 1 and
 * offset 0, with the same option.
 * @param graph the graph.
 * @param samples the samples; those that are not finite are left out.
 * @param n the number of samples, 1 or more.
 * @param bins the number of bins, 1 to 1,048,576 (20807 otherwise).
 * @param colour the fill colour.
 * @param option 0..3 as for TkDrawArray1().
 * @return 0 or an error code; 20802 when no sample is finite. */
KELVO_API int32_t TkDrawHistogramData(TkGraph graph, const double* samples, int64_t n, int32_t bins, TkColor colour,
                                      uint8_t option);
/** Draws the contours of a grid as TkDrawContoursArray() draws library arrays, without their
 * size limit: z holds nx by ny values, element (i, j) at z[i * ny + j] (the first index runs
 * along x). A saddle cell (all four edges crossed) is drawn as two segments, joining the
 * crossings as the value at the cell's centre (the mean of its corners) separates them;
 * TkDrawContoursArray() draws the path left, bottom, top, right there.
 * @param graph the graph.
 * @param x the nx x coordinates, or NULL for 0, 1, ..., nx - 1.
 * @param y the ny y coordinates, or NULL for 0, 1, ..., ny - 1.
 * @param z the heights.
 * @param nx,ny the grid's size.
 * @param contours the number of levels.
 * @param z1,z2 the range of the levels.
 * @param mode 0 keep the view, 1 plane map, 2 3D view.
 * @param colour the lines' colour.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code; 20801 when the grid's working storage cannot be had. */
KELVO_API int32_t TkDrawContoursData(TkGraph graph, const double* x, const double* y, const double* z, int32_t nx,
                                     int32_t ny, int32_t contours, double z1, double z2, uint8_t mode,
                                     TkColor colour, uint8_t option);
/** Draws the surface of a grid as TkDrawSurfaceArray() draws library arrays, without their
 * size limit; the grid as for TkDrawContoursData().
 * @param graph the graph.
 * @param x the nx x coordinates, or NULL for 0, 1, ..., nx - 1.
 * @param y the ny y coordinates, or NULL for 0, 1, ..., ny - 1.
 * @param z the heights.
 * @param nx,ny the grid's size.
 * @param style 3 wire frame, 4 hidden lines.
 * @param upper_colour the colour of the side facing the viewer.
 * @param lower_colour the colour of the other side.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code; 20801 when the grid's working storage cannot be had. */
KELVO_API int32_t TkDrawSurfaceData(TkGraph graph, const double* x, const double* y, const double* z, int32_t nx,
                                    int32_t ny, uint8_t style, TkColor upper_colour, TkColor lower_colour,
                                    uint8_t option);
/** @} */

/* ---- Plotting: surfaces of revolution ------------------------------------------------------- */
/** @defgroup revolution Surfaces of revolution
 * A profile turned about the z axis in a number of angle steps (2 or more; at most
 * 10,000,000 points n (angles + 1) in all). Styles: 0 and 2 parallels, 3 wire frame,
 * 4 hidden lines, 5 hidden lines with a one-sided horizon; the hidden-line styles pin the
 * surface's rows to the window.
 * @{ */

/** Draws the surface of revolution of a profile given in library arrays.
 * @param graph the graph.
 * @param x_array the profile's z values; must not decrease (20806).
 * @param y_array the profile's radii; values that are not finite give 20804.
 * @param n the number of profile points.
 * @param angles the number of angle steps.
 * @param style 0, 2 parallels, 3 wire frame, 4, 5 hidden lines.
 * @param upper_colour the colour of the side facing the viewer.
 * @param lower_colour the colour of the other side.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawRevolutionArray(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, int32_t angles,
                                        uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option);
/** Draws the surface of revolution of a radius r(x) given by a formula of one variable,
 * sampled at n points over [x1, x2] (ends moved inwards); the graph's parameters are not
 * available to it.
 * @param graph the graph.
 * @param formula the radius formula.
 * @param var_name the name of its variable.
 * @param x1,x2 the interval along the axis.
 * @param n the number of samples.
 * @param angles the number of angle steps.
 * @param style 0, 2 parallels, 3 wire frame, 4, 5 hidden lines.
 * @param upper_colour the colour of the side facing the viewer.
 * @param lower_colour the colour of the other side.
 * @param option 0..3 as for TkDrawCurve1().
 * @return 0 or an error code. */
KELVO_API int32_t TkDrawRevolution(TkGraph graph, const char* formula, const char* var_name, double x1, double x2,
                                   int32_t n, int32_t angles, uint8_t style, TkColor upper_colour,
                                   TkColor lower_colour, uint8_t option);
/** @} */

/* ---- Formulae ------------------------------------------------------------------------- */
/** @defgroup formulae Formulae
 * Formula text such as "sin(x) / (1 + x)" is compiled and evaluated with checked
 * arithmetic. Each call returns 0, a compile error 10400..10413, an evaluation error
 * 10414..10423 (then *result is 0), the name clash 10425 (a variable named like pi, a
 * built-in function or another variable of the call), or 1 when the formula nests deeper
 * than 512 levels. The variables are named by the name arguments (letter case does not
 * matter; an empty or null name is no variable). A null result is not written.
 *
 * Formulae know the numbers, the operators + - * / ^ with brackets, the constant pi and
 * the functions exp, log (base 10), ln, sqrt, sin, cos, tan, atan, acos, asin, cosh, sinh,
 * tanh, abs, rnd and fnH. The main page lists the error codes.
 * @{ */

/** Empties the graph's parameter list. Per-graph parameters: named constants (at most 12)
 * that the graph's formulae may use.
 * @param graph the graph. */
KELVO_API void TkClearParaList(TkGraph graph);
/** Adds a named constant to the graph's parameter list: the index (1..12) of the new
 * parameter, or 0 for no graph or a full list.
 *
 * The name loses its leading and
 * trailing blanks and is kept to 8 characters; clashes are found when a formula is
 * compiled (TkCompileParaList()). Formulae take the value the parameter has when they are
 * compiled.
 * @param graph the graph.
 * @param name the parameter's name.
 * @param value its value.
 * @return the parameter's index, 1..12; 0 for a bad graph or a full list. */
KELVO_API int32_t TkAddParaList(TkGraph graph, const char* name, double value);
/** Gives a parameter a new value: the index of the parameter changed (names compared with
 * letter case), or 0.
 *
 * Of two parameters with one name, the later one changes.
 * @param graph the graph.
 * @param name the parameter's name, without leading and trailing blanks.
 * @param value its new value.
 * @return the parameter's index, or 0 when no parameter has that name. */
KELVO_API int32_t TkSetParaValue(TkGraph graph, const char* name, double value);
/** Checks the graph's parameter list as formulae will use it: 0, or 10425 when two parameter
 * names clash or one is named like pi or a function.
 *
 * Names compare without regard to letter case there. The error state is not touched.
 * @param graph the graph.
 * @return 0, or 10425. */
KELVO_API int32_t TkCompileParaList(TkGraph graph);
/** Compiles a formula of the graph's parameters (graph 0: none) and reports whether it is
 * correct.
 *
 * The formula may use pi, the functions and the graph's parameters, and no variables.
 * @param graph the graph whose parameters the formula may use; 0 for none.
 * @param formula the formula text.
 * @return 0, a compile code 10400..10413, 10425 for a clash in the parameter list, or 1
 *         for a formula nested too deep. */
KELVO_API int32_t TkCompileEx0(TkGraph graph, const char* formula);
/** Evaluates a formula of the graph's parameters.
 * @param graph the graph whose parameters the formula may use; 0 for none.
 * @param formula the formula text.
 * @param result where the value goes: 0 after an evaluation error, untouched after a
 *        compile error.
 * @return 0, a compile code 10400..10413, an evaluation code 10414..10423, 10425 or 1. */
KELVO_API int32_t TkEvaluateEx0ByVar(TkGraph graph, const char* formula, double* result);

/** Evaluates a formula of one variable at a point. The formula sees pi, the functions and
 * its variable, and no parameter list.
 * @param formula the formula text.
 * @param x_name the variable's name.
 * @param result where the value goes: 0 after an evaluation error, untouched after a
 *        compile error.
 * @param x the variable's value.
 * @return 0, a compile code 10400..10413, an evaluation code 10414..10423, 10425 or 1. */
KELVO_API int32_t TkEvaluate1ByVar(const char* formula, const char* x_name, double* result, double x);
/** Evaluates a formula of two variables at a point.
 * @param formula the formula text.
 * @param x_name,y_name the variables' names.
 * @param x,y the variables' values.
 * @param result where the value goes: 0 after an evaluation error, untouched after a
 *        compile error.
 * @return 0, a compile code 10400..10413, an evaluation code 10414..10423, 10425 (also for
 *         two equal names) or 1. */
KELVO_API int32_t TkEvaluate2ByVar(const char* formula, const char* x_name, const char* y_name, double x, double y,
                                   double* result);
/** Evaluates a formula of three variables at a point.
 * @param formula the formula text.
 * @param x_name,y_name,z_name the variables' names.
 * @param x,y,z the variables' values.
 * @param result where the value goes: 0 after an evaluation error, untouched after a
 *        compile error.
 * @return 0, a compile code 10400..10413, an evaluation code 10414..10423, 10425 (also for
 *         two equal names) or 1. */
KELVO_API int32_t TkEvaluate3ByVar(const char* formula, const char* x_name, const char* y_name, const char* z_name,
                                   double x, double y, double z, double* result);

/** @} */

/* ---- Formulae over arrays ------------------------------------------------------------- */
/** @defgroup formula_data Formulae over arrays
 * A formula evaluated at many points of the caller's own memory, of any length: the
 * formula is compiled once and evaluated over blocks of points, with vector instructions
 * where the processor has them and, for 100,000 points and more, on every core the calling
 * thread may run on. Each point gets the value, or the failure, it gets from
 * TkEvaluate1ByVar() or TkEvaluate2ByVar()
 * (values may differ from theirs by up to 4 units in the last place on the vector
 * instructions; the environment variable KELVO_FORMULA_PATH=scalar makes them equal).
 *
 * The graph gives the formula its parameters (0: none). Each call returns 0; 20804 "Bad
 * data specified" for a negative count or a missing array (nothing is written); a compile
 * error 10400..10413, the name clash 10425 or 1, as the formulae calls do (nothing is
 * written); or, when some points fail, the evaluation error 10414..10423 of the last one
 * to fail, after every result is written (0 where a point fails).
 * @{ */

/** Evaluates a formula of one variable at every element of an array.
 * @param graph the graph whose parameters the formula may use, or 0.
 * @param formula the formula text.
 * @param x_name the variable's name.
 * @param x the n values of the variable.
 * @param result receives the n results; it may be x itself.
 * @param n the number of points, 0 or more.
 * @return 0 or an error code (see the group). */
KELVO_API int32_t TkEvaluateData1(TkGraph graph, const char* formula, const char* x_name, const double* x,
                                  double* result, int64_t n);
/** Evaluates a formula of two variables at every pair of elements of two arrays.
 * @param graph the graph whose parameters the formula may use, or 0.
 * @param formula the formula text.
 * @param x_name,y_name the variables' names.
 * @param x,y the n values of each variable.
 * @param result receives the n results, result[p] = f(x[p], y[p]); it may be x or y.
 * @param n the number of points, 0 or more.
 * @return 0 or an error code (see the group). */
KELVO_API int32_t TkEvaluateData2(TkGraph graph, const char* formula, const char* x_name, const char* y_name,
                                  const double* x, const double* y, double* result, int64_t n);
/** Samples a formula of two variables on a grid into an array of the caller: z[i*ny + j] =
 * f(x_i, y_j), with the steps of TkSampleFunction2() (x_0 = x1, then each step added to the
 * value before).
 * @param graph the graph whose parameters the formula may use, or 0.
 * @param formula the formula text.
 * @param x_name,y_name the variables' names.
 * @param x1,x2 the x interval.
 * @param y1,y2 the y interval.
 * @param nx,ny the numbers of samples, 2 or more (20802 otherwise; 20803 for an interval
 *        or step that is not finite).
 * @param z receives the nx * ny values.
 * @return 0 or an error code (see the group). */
KELVO_API int32_t TkSampleData2(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1,
                                double x2, double y1, double y2, int32_t nx, int32_t ny, double* z);

/** @} */

/* ---- Numerical methods ------------------------------------------------------------------ */
/** @defgroup numerics Numerical methods
 * Failures are told by the error state (codes 20901..20916) and, for the Tk calls, by the
 * returned code. Zeroin, Fmin and Fft do not clear the error state first: with an error
 * pending, they return at once. A failed search or integration gives NaN.
 *
 * The functions given to Zeroin(), Fmin() and Romb() may be the caller's own; when one of
 * them leaves a library error pending (a formula that failed to evaluate), the routine
 * stops with 20901 "Error in function evaluation". One that throws a C++ exception ends the
 * routine with NaN and error 1 (std::bad_alloc) or 30000 "Internal error: ..." (anything
 * else).
 * @{ */

/** A zero of f between a and b (f(a) and f(b) of opposite sign) by Brent's method.
 *
 * Failures: 20901 when f fails, 20902 "f(a) and f(b) not of opposite sign", 20914 "No
 * convergence after 100 iterations." (the last estimate is returned).
 * @param f the function.
 * @param a,b the ends of the interval; a zero at an end is accepted.
 * @param tol the accuracy wanted in x.
 * @return the zero. */
KELVO_API double Zeroin(TkRealFunc f, double a, double b, double tol);
/** The abscissa of a minimum of f on [a, b] by Brent's method.
 *
 * Failures: 20901 when f fails, 20903 "Bad interval: high end <= low end", 20914 (the last
 * estimate is returned).
 * @param f the function.
 * @param a,b the interval, a < b.
 * @param tol the accuracy wanted in x.
 * @return the x of the minimum. */
KELVO_API double Fmin(TkRealFunc f, double a, double b, double tol);
/** Finds a zero of a formula in one variable between a and b as Zeroin() does: 0, a formula
 * error code, or a numerical one.
 *
 * This call clears the error state first.
 * @param formula the formula text.
 * @param var_name the name of its variable.
 * @param result where the zero goes; written whenever the formula compiled.
 * @param a,b the ends of the interval.
 * @param tol the accuracy wanted in x.
 * @return 0, a compile code 10400..10413, 10425, 20901 when the formula failed to evaluate
 *         on the way, 20902 or 20914. */
KELVO_API int32_t TkFindRootByVar(const char* formula, const char* var_name, double* result, double a, double b,
                                  double tol);
/** Finds a minimum of a formula on [a, b] as Fmin() does; this call clears the error state
 * first.
 * @param formula the formula text.
 * @param var_name the name of its variable.
 * @param result where the x of the minimum goes; written whenever the formula compiled.
 * @param a,b the interval, a < b.
 * @param tol the accuracy wanted in x.
 * @return 0, a compile code 10400..10413, 10425, 20901, 20903 or 20914. */
KELVO_API int32_t TkFindminByVar(const char* formula, const char* var_name, double* result, double a, double b,
                                 double tol);
/** The integral of f from a to b by Romberg's method with m halvings (2^m + 1 calls).
 *
 * Clears the error state first. Limits in either order: b < a gives the negative integral.
 * Failures: 20901 when f fails, 20906 "Must halve interval at least once" for m < 1, 20907
 * "Not enough heap space", 20916 "Too many halvings: at most 40" for m above 40 (2^40 calls
 * already take many minutes; each halving more doubles that), 20915 "Limits and their
 * distance must be finite" for a limit that is infinite or NaN or limits whose difference
 * overflows. All but 20901 are reported before f is called, with err_est untouched.
 * @param m the number of halvings of the interval, 1 to 40; each one doubles the work.
 * @param f the function.
 * @param err_est where an estimate of the error goes.
 * @param a,b the limits, finite.
 * @return the integral; NaN after a failure. */
KELVO_API double Romb(int32_t m, TkRealFunc f, double* err_est, double a, double b);
/** Integrates a formula from a to b as Romb() does.
 * @param m the number of halvings, 1 to 40.
 * @param formula the formula text.
 * @param var_name the name of its variable.
 * @param a,b the limits, finite.
 * @param result where the integral goes.
 * @param err_est where an estimate of the error goes.
 * @return 0, a compile code 10400..10413, 10425, 20901, 20906, 20907, 20915 or 20916. */
KELVO_API int32_t TkIntegrateByVar(int32_t m, const char* formula, const char* var_name, double a, double b,
                                   double* result, double* err_est);
/** One accepted Runge-Kutta-Fehlberg 4(5) step of n <= 30 equations; derivs computes dydt
 * from *t and y. *ok is 1 after an accepted step.
 *
 * A step whose estimated error exceeds abs_tol + rel_tol |y| in some equation is halved
 * and tried again; a step well within it is doubled for the next call when *k is even.
 * When the step would fall below h_min, *ok is 0 and *t and y are as before.
 * Failures, each with *ok 0: 20909 "Order must be >= 1", 20910 "Order must be <= 30", 20912
 * "Minimum time step must be positive", 20908 "Tolerance must not be negative", 20901 when
 * derivs leaves a library error pending.
 * @param n the number of equations, 1..30.
 * @param t the time; moved on by the step taken.
 * @param h the step to try; afterwards the step proposed for the next call.
 * @param abs_tol,rel_tol the absolute and relative tolerance, not negative.
 * @param h_min the smallest step allowed, above 0.
 * @param derivs the routine that computes the derivatives.
 * @param y the n states; moved on by the step taken.
 * @param dydt n reals that derivs fills.
 * @param k a step counter for the caller: one less per accepted step, doubled with each
 *        halving, halved with each doubling.
 * @param ok 1 after an accepted step, 0 otherwise. */
KELVO_API void Rkf(int32_t n, double* t, double* h, double abs_tol, double rel_tol, double h_min, TkDerivsProc derivs,
                   double* y, double* dydt, int32_t* k, uint8_t* ok);
/** Creates an ODE set, all values 0 apart from the step sizes. ODE sets of 1 to 8 equations
 * whose right-hand sides are formulae in the time name and the state names (letter case
 * matters). Value indices: -1 t, -2 h (initially 1e-4), -3 hmin (initially 0: set it before
 * solving), 1..n the state. A bad index sets code 201 "Range check error" and changes
 * nothing (a read gives NaN). TkODESolve makes one step: 0, a formula compile code, or
 * 22010 for a failed step (also for a bad handle).
 * @param n the number of equations, 1..8.
 * @param time_name the name of the time variable (at most 9 characters are kept).
 * @param abs_tol,rel_tol the absolute and relative tolerance of each step.
 * @return the set, or 0 for n outside 1..8. */
KELVO_API TkODE TkNewODE(int32_t n, const char* time_name, double abs_tol, double rel_tol);
/** Frees an ODE set.
 * @param set the set; 0 or a set already disposed does nothing. */
KELVO_API void TkDisposeODE(TkODE set);
/** Names state i and gives its derivative as a formula of the time and the states.
 * @param set the set.
 * @param i the equation, 1..n; another index sets error 201 and changes nothing.
 * @param name the state's name (at most 9 characters are kept).
 * @param rhs the formula of its derivative (at most 255 characters are kept).
 * @return 0. */
KELVO_API int32_t TkSetODELine(TkODE set, int32_t i, const char* name, const char* rhs);
/** Sets the time, a step size or a state of an ODE set.
 * @param set the set.
 * @param i -1 the time t, -2 the step to try h, -3 the smallest step hmin, 1..n a state.
 * @param value the new value. */
KELVO_API void TkSetODEValue(TkODE set, int32_t i, double value);
/** Reads the time, a step size or a state of an ODE set.
 * @param set the set.
 * @param i -1 the time t, -2 the step proposed for the next TkODESolve(), -3 hmin, 1..n a
 *        state.
 * @param result where the value goes. */
KELVO_API void TkGetODEValueByVar(TkODE set, int32_t i, double* result);
/** Moves an ODE set on by one accepted step (see Rkf()); the right-hand sides are compiled
 * the first time after a change.
 * @param set the set.
 * @return 0; a compile code 10400..10413 when a right-hand side is wrong (or was never
 *         set); 22010 when the step failed (a negative tolerance, hmin not above 0, a
 *         formula that could not be evaluated, or a step that became smaller than hmin,
 *         which leaves t and the states as they were) or for a bad handle. */
KELVO_API int32_t TkODESolve(TkODE set);
/** The unscaled discrete Fourier transform of 2^m complex numbers (real, imaginary pairs) in
 * place: kernel exp(-2 pi i jk/N) for isign < 0, exp(+2 pi i jk/N) otherwise.
 *
 * A transform forward and back multiplies the data by N. Clears the error state when it
 * succeeds. Failures: 20913 "Power of 2 must be >= 1" for m < 1; 201 for m above 30.
 * @param data 2^m complex numbers, each a real part and an imaginary part.
 * @param m the power of 2, 1..30.
 * @param isign the direction: below 0 forward, otherwise back. */
KELVO_API void Fft(double* data, int32_t m, double isign);

/** @} */

#ifdef __cplusplus
}
#endif

#endif /* KELVOLIB_H */
