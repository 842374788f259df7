/*
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

typedef uint32_t TkColor; /* 0x00BBGGRR */
typedef uint32_t TkGraph; /* graph identifier, 0 = none */
#ifndef TK_WND_DEFINED
#define TK_WND_DEFINED
typedef uint32_t TkWnd; /* platform window, 0 = none */
#endif
typedef uint32_t TkImage; /* platform bitmap, 0 = none */
typedef uint32_t TkArray; /* library array, 0 = none */
typedef uint32_t TkODE;   /* ODE set, 0 = none */

typedef double (*TkRealFunc)(double);
typedef void (*TkDerivsProc)(void);

/* The settings of one kind of text: kinds 1, 2, 3 the x, y, z axis labels; 4, 5, 6 the x,
 * y, z axis titles; 7 the graph title; 8 the graph labels. */
typedef struct TkLabelSettings {
    int32_t AutoPlace;     /* low 16 bits nonzero: the library places the text itself */
    int32_t FontFace;      /* font as TkFont */
    int32_t FontStyle;
    int32_t FontSize;
    int32_t Orientation;   /* 1..4 as TkFont2 */
    int32_t Justification; /* 1 start, 2 end, 3 middle */
    TkColor TextColour;
    int32_t XOffset;       /* percent of the cell width (kind 8: pixels) */
    int32_t YOffset;       /* percent of the cell height (kind 8: pixels) */
    int32_t TitleRef;      /* titles: 1 lower end (left), 2 middle, 3 upper end (right) */
    int32_t EdgeRule;      /* 1: an end label moved to stay clear is drawn moved; else left out */
} TkLabelSettings;

/* The effective ranges and the view angles of the last TkSetScales. */
typedef struct TkActualZoom {
    double XMin, XMax, XOrigin;
    double YMin, YMax, YOrigin;
    double ZMin, ZMax, ZOrigin;
    double Theta, Phi;
} TkActualZoom;

/* ---- Library frame ------------------------------------------------------------------- */

KELVO_API int32_t TkGetVersion(void);
KELVO_API uint8_t TkLowMemory(void);
/* Shows message in a "debugging ... Continue?" box when debug mode is on; answering No
 * ends the process with exit code 255. */
KELVO_API void Debug(const unsigned char* message);
KELVO_API void SetDebugMode(uint8_t on);

/* ---- Arrays and blocks ---------------------------------------------------------------- */
/* Indices start at 1, the last index varies fastest. An index outside the extents reads
 * and writes nothing: the error state gets code 201 "Range check error" and a read gives
 * NaN. A bad array handle does nothing and reads 0. */

KELVO_API TkArray TkNewArray1(int32_t n1);
KELVO_API TkArray TkNewArray2(int32_t n1, int32_t n2);
KELVO_API TkArray TkNewArray3(int32_t n1, int32_t n2, int32_t n3);
KELVO_API void TkDisposeArray(TkArray array);
KELVO_API double TkGetArray1(TkArray array, int32_t i);
KELVO_API double TkGetArray2(TkArray array, int32_t i, int32_t j);
KELVO_API double TkGetArray3(TkArray array, int32_t i, int32_t j, int32_t k);
KELVO_API void TkGetArray1byVar(TkArray array, int32_t i, double* value);
KELVO_API void TkGetArray2byVar(TkArray array, int32_t i, int32_t j, double* value);
KELVO_API void TkGetArray3byVar(TkArray array, int32_t i, int32_t j, int32_t k, double* value);
KELVO_API void TkSetArray1(TkArray array, int32_t i, double value);
KELVO_API void TkSetArray2(TkArray array, int32_t i, int32_t j, double value);
KELVO_API void TkSetArray3(TkArray array, int32_t i, int32_t j, int32_t k, double value);
KELVO_API double* TkGetArrayAddress(TkArray array);
KELVO_API void* TkNewBlock(uint16_t size);
KELVO_API void TkDisposeBlock(void* block, uint16_t size);

/* ---- Maths and string helpers --------------------------------------------------------- */

/* x to the power y. A negative x with a fractional y has no real result: NaN, and the
 * error state gets code 201 "Range check error". */
KELVO_API double RaisePower(double x, double y);
KELVO_API int32_t Sgn(double x);
KELVO_API double Tan(double x);
KELVO_API double Arccos(double x);
KELVO_API double Arcsin(double x);
/* Hundredths of a second since local midnight. */
KELVO_API int32_t Timer(void);
/* Writes a zero after the last character of the short string (its buffer must hold
 * length + 2 bytes) and returns the address of its first character. */
KELVO_API char* MakePChar(unsigned char* text);
/* Copies text without leading and trailing characters of code 32 or less into result,
 * which holds size bytes (the copy is cut to size - 1 bytes and zero-terminated).
 * Returns the length of the whole trimmed text. */
KELVO_API int32_t Trim(const char* text, char* result, int32_t size);

/* ---- Colours ------------------------------------------------------------------------ */

/* red + 256 green + 65536 blue, each modulo 256; matched to the screen when match is 1. */
KELVO_API TkColor TkRGB(int32_t red, int32_t green, int32_t blue, int32_t match);
/* Copies the library's 16 colours to colours (64 bytes). */
KELVO_API void TkGetColorSet(TkColor* colours);

/* ---- Graph windows ------------------------------------------------------------------ */
/* Flags: bits 0..2 the drawing mode 1..4 (others give 1), 64 a thin border, 128 hidden. */
KELVO_API TkGraph TkOpenGraph(TkWnd parent, int32_t x, int32_t y, int32_t width, int32_t height, int32_t flags);
/* 1 when a graph was closed; 0 when the identifier names no open graph. */
KELVO_API uint16_t TkCloseGraph(TkGraph graph);
/* Nonzero when the window was visible before. */
KELVO_API int32_t TkShowGraph(TkGraph graph);
KELVO_API int32_t TkHideGraph(TkGraph graph);
KELVO_API TkWnd TkGetGraphHWnd(TkGraph graph);
KELVO_API int32_t TkWindowWidth(TkGraph graph);
KELVO_API int32_t TkWindowHeight(TkGraph graph);
/* A modal dialog from the named template, owned by the current graph's window. */
KELVO_API void ShowAboutBox(uint32_t instance, const char* template_name);

/* ---- Drawing modes and redraw --------------------------------------------------------- */
/* Modes: 1 "Foreground", 2 "Auto Redraw", 3 "Background", 4 "Delay Redraw". */
KELVO_API int32_t TkSetDrawingMode(TkGraph graph, int32_t mode);
KELVO_API void TkRedrawToWindow(TkGraph graph);
KELVO_API void TkRedrawToRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
KELVO_API void TkDispatchToWindow(TkGraph graph);
KELVO_API void TkDispatchToRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
KELVO_API uint8_t TkResize(TkGraph graph, int32_t x, int32_t y, int32_t width, int32_t height);
KELVO_API void TkSetMessageRoute(TkGraph graph, TkWnd window);
/* Copies the 64-byte paint record of the last paint message; returns buffer. */
KELVO_API uint8_t* TkGetPaintInfo(TkGraph graph, uint8_t* buffer);
/* Writes the last mouse x and y (two integers); returns point. */
KELVO_API int32_t* TkGetMousePos(TkGraph graph, int32_t* point);
/* Shapes 1 arrow, 2 hourglass, 3 cross, 4 hand, 5 I-beam, 6 arrow, 7 dot; returns the
 * previous shape. */
KELVO_API int32_t TkSetMouseShape(TkGraph graph, int32_t shape);
KELVO_API int32_t TkSetWaiting(TkGraph graph, uint16_t waiting);

/* ---- Primitives, pens and styles (window pixels, corners included) -------------------- */

KELVO_API void TkKelvoStyle(TkGraph graph, int32_t style);
KELVO_API void TkDefaults(TkGraph graph);
/* Pen styles: 1 solid, 2 dotted, 3 dashed, 4 invisible, 5 dash-dot. */
KELVO_API void TkPen(TkGraph graph, TkColor colour, int32_t style, int32_t width);
KELVO_API void TkGraphColor(TkGraph graph, TkColor colour);
KELVO_API void TkBackColor(TkGraph graph, TkColor colour);
/* Write modes: 1 copy, 2 not, 3 and, 4 or, 5 xor. */
KELVO_API void TkWritemode(TkGraph graph, int32_t mode);
KELVO_API void TkClearWindow(TkGraph graph);
KELVO_API void TkGpFill(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, TkColor colour, int32_t mode);
KELVO_API void TkGpPixel(TkGraph graph, int32_t x, int32_t y);
KELVO_API void TkGpColorPixel(TkGraph graph, int32_t x, int32_t y, TkColor colour);
KELVO_API void TkGpLine(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
KELVO_API void TkGpRectangle(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint8_t filled);
/* points: count pairs x, y. */
KELVO_API void TkGpPoly(TkGraph graph, int32_t count, const int32_t* points, uint8_t filled);
KELVO_API void TkGpCircle(TkGraph graph, int32_t x, int32_t y, int32_t radius, uint8_t filled);

/* ---- Fonts and text ------------------------------------------------------------------- */
/* Faces: 1 Times-Roman, 2 Helvetica, 3 terminal, 4 Symbol, 5 Courier New. Styles: 1 normal,
 * 2 bold, 3 italic, 4 bold italic. Sizes in points. Orientations: 1 0, 2 90, 3 180, 4 270
 * degrees. Justifications: 1 start, 2 end, 3 middle. */
KELVO_API void TkFont(TkGraph graph, int32_t face, int32_t style, int32_t size);
KELVO_API void TkFont2(TkGraph graph, int32_t face, int32_t style, int32_t size, int32_t orientation);
KELVO_API void TkTextColor(TkGraph graph, TkColor colour);
KELVO_API int32_t TkTextJustified(TkGraph graph, int32_t justification);
KELVO_API void TkGpText(TkGraph graph, int32_t x, int32_t y, const char* text);
KELVO_API int32_t TkEndTextX(TkGraph graph);
KELVO_API int32_t TkEndTextY(TkGraph graph);
KELVO_API int32_t TkCellWidth(TkGraph graph);
KELVO_API int32_t TkCellHeight(TkGraph graph);

/* ---- Images and scrolling ------------------------------------------------------------- */
/* Image modes as write modes. The caller owns an image until TkClearImage. */
KELVO_API TkImage TkGetImage(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2);
KELVO_API void TkPutImage(TkGraph graph, int32_t x, int32_t y, TkImage image, int32_t mode);
KELVO_API int32_t TkClearImage(TkImage image);
KELVO_API void TkScrollRect(TkGraph graph, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t dx, int32_t dy);
KELVO_API void TkScrollWindow(TkGraph graph, int32_t dx, int32_t dy);

/* ---- Number formatting ---------------------------------------------------------------- */

/* Formats x into buffer as exactly width characters plus a zero (buffer holds width + 1
 * bytes). Returns 0, 10201 (does not fit) or 10202 (bad width); on error the buffer is
 * left unchanged. */
KELVO_API int32_t TkFormatReal(int32_t width, char* buffer, double x);
/* Short strings (buffers of 256 bytes): fixed notation with that many decimals, or the
 * 23-character scientific form when decimals < 0. */
KELVO_API void RealToStr(int32_t decimals, unsigned char* text, double x);
KELVO_API void IntToShortStr(int32_t n, unsigned char* text);

/* ---- User coordinates, ranges and margins -------------------------------------------- */
/* Setters only store; TkSetScales turns the settings into the scales that every drawing
 * call in user coordinates uses until the next TkSetScales. TkSetScales returns the code of
 * the last warning it raised: 10602 "Bad number of intervals", 10603 "Bad axis range" (the
 * range was swapped, widened from equal ends, or not finite, which uses -10..10), 10604
 * (margins leave no room: the whole window is used), or 0. */

KELVO_API void TkSetRanges(TkGraph graph, double xmin, double xmax, double ymin, double ymax);
KELVO_API void TkSetRanges3(TkGraph graph, double xmin, double xmax, double ymin, double ymax, double zmin,
                            double zmax);
KELVO_API void TkSetOrigin(TkGraph graph, double x, double y);
KELVO_API void TkSetOrigin3(TkGraph graph, double x, double y, double z);
KELVO_API void TkSetMargins(TkGraph graph, int32_t left, int32_t top, int32_t right, int32_t bottom);
KELVO_API int32_t TkSetScales(TkGraph graph);
/* As TkSetScales with the x, y and z scales kept apart (scale mode 2). */
KELVO_API int32_t TkSetScalesAbs(TkGraph graph);
/* The window pixel of a user point, clamped to +-30000 (a NaN point gives 0). */
KELVO_API int32_t TkUserToWindowX(TkGraph graph, double x, double y);
KELVO_API int32_t TkUserToWindowY(TkGraph graph, double x, double y);
KELVO_API int32_t TkUserToWindowX3(TkGraph graph, double x, double y, double z);
KELVO_API int32_t TkUserToWindowY3(TkGraph graph, double x, double y, double z);
/* The user x or y of a window pixel in the 2D mapping (NaN for a graph that is not open). */
KELVO_API double TkWindowToUserX(TkGraph graph, int32_t ix, int32_t iy);
KELVO_API double TkWindowToUserY(TkGraph graph, int32_t ix, int32_t iy);
KELVO_API void TkWindowToUserXbyVar(TkGraph graph, int32_t ix, int32_t iy, double* result);
KELVO_API void TkWindowToUserYbyVar(TkGraph graph, int32_t ix, int32_t iy, double* result);
/* The current point: moves draw nothing; draws are lines in the graph's pen and write mode,
 * clipped to +-30000 pixels (a line whose ends both lie beyond draws nothing). The 2D forms
 * work at the graph's z plane; the relative 2D forms keep z. */
KELVO_API void TkMoveabs(TkGraph graph, double x, double y);
KELVO_API void TkMoverel(TkGraph graph, double dx, double dy);
KELVO_API void TkMoveabs3(TkGraph graph, double x, double y, double z);
KELVO_API void TkMoverel3(TkGraph graph, double dx, double dy, double dz);
KELVO_API void TkDrawabs(TkGraph graph, double x, double y);
KELVO_API void TkDrawrel(TkGraph graph, double dx, double dy);
KELVO_API void TkDrawabs3(TkGraph graph, double x, double y, double z);
KELVO_API void TkDrawrel3(TkGraph graph, double dx, double dy, double dz);

/* ---- 3D view -------------------------------------------------------------------------- */
/* theta tilts the line of sight away from the z axis (the view is 3D when |theta| > 0.0001),
 * phi turns the picture about it; radians. TkSetView2D: theta 0, phi -pi/2; TkSetView3D:
 * theta pi/3, phi -5 pi/12. */
KELVO_API void TkSetViewangles(TkGraph graph, double theta, double phi);
KELVO_API void TkSetView2D(TkGraph graph);
KELVO_API void TkSetView3D(TkGraph graph);
KELVO_API void TkGetActualZoom(TkGraph graph, TkActualZoom* zoom);

/* ---- Graph parameters and colours -------------------------------------------------------- */
/* Codes: 1-3 intervals x, y, z; 101-103 secondary intervals; 4-7 left, right, bottom, top
 * margins; 11, 12 graph-label offsets; 13-15 label widths; 16-18 pip modes; 19-21 pip
 * lengths; 119-121 secondary pip lengths; 130 scale mode; 131 axis type (1 open, 2 corner,
 * 3 boxed); 132 nice values; 133 3D zoom; 134 3D fit; 135, 136 3D origin x, y (percent); 137
 * symbol size; 140 grid mode; 141, 142 grid and sub-grid styles; 143 title room; 144, 145
 * axis width and style; 146, 147 grid and sub-grid widths; 148 use the symbol colour; 149
 * scale type. Flags (132, 134, 143, 148) read back as 0 or 1; an unknown code is ignored and
 * reads 0. */
KELVO_API void TkSetGraphParam(TkGraph graph, int32_t code, int32_t value);
KELVO_API int32_t TkGetGraphParam(TkGraph graph, int32_t code);
/* Indexes: 1 axes, 2 pips, 3 and 15 axis labels, 4 text, 5 titles (reads the graph title's),
 * 6 background, 7 pen, 8-11 spare colours, 12 grid, 13 sub-grid, 14 symbols (also turns the
 * symbol colour on), 16-18 x, y, z axis titles, 19 axes and pips. */
KELVO_API void TkSetGraphColor(TkGraph graph, int32_t index, TkColor colour);
KELVO_API TkColor TkGetGraphColor(TkGraph graph, int32_t index);
KELVO_API void TkSetColors(TkGraph graph, TkColor axis, TkColor pip, TkColor label, TkColor pen);

/* ---- Label settings and titles ------------------------------------------------------------ */
/* Kinds 1..8 as TkLabelSettings says; an unknown kind is ignored. Writing kind 8 with
 * AutoPlace set first rewrites *settings to centre graph labels above their point. */
KELVO_API void TkGetLabelSettings(TkGraph graph, int32_t kind, TkLabelSettings* settings);
KELVO_API void TkSetLabelSettings(TkGraph graph, int32_t kind, TkLabelSettings* settings);
/* Title references 4, 5, 6: x, y, z axis titles; 7: the graph title. A null or empty text
 * clears the title. TkGetTitleString copies at most size - 1 bytes and a zero and returns
 * the number of bytes copied (0 when no title is stored). */
KELVO_API void TkSetTitleString(TkGraph graph, int32_t reference, const char* text);
KELVO_API int32_t TkGetTitleString(TkGraph graph, int32_t reference, char* buffer, int32_t size);

/* ---- Axes, pips, grids, labels and titles ------------------------------------------- */
/* After TkSetScales. TkDrawAxes: the grid (graph parameter 140), the axis lines of the axis
 * type (131: 1 open, 2 corner, 3 boxed), primary and secondary pips (pip modes 16-18: 0
 * outside, 1 inside, 2 across, 3 none; lengths 19-21 and 119-121 in percent of the cell height
 * of the axis's label font), then the stored titles. The pen is put back; the write mode is
 * left at 1 and the font at the last axis's label font. TkDrawBox: the box of the effective
 * ranges (in 3D the nine edges that do not meet at the hidden corner). TkDrawGrid: nothing in
 * 3D views. TkDrawBorder: a frame around the whole window. TkLabelAxes: numbers at the primary
 * pips of x, y (and z in 3D), sharing one power of ten written after the last label; label
 * widths 13-15 (negative: no labels); the graph's font, justification and text colour are
 * left as they were. TkGraphTitle: draws a title at once (4, 5, 6 axis titles, 7 the graph
 * title; the text cut to 255 bytes) without storing it. */
KELVO_API void TkDrawAxes(TkGraph graph);
KELVO_API void TkDrawBox(TkGraph graph);
KELVO_API void TkDrawGrid(TkGraph graph);
KELVO_API void TkDrawBorder(TkGraph graph);
KELVO_API void TkLabelAxes(TkGraph graph);
KELVO_API void TkGraphTitle(TkGraph graph, int32_t reference, const char* text);

/* ---- Symbols, error bars, graph labels, polygons and cross-wires -------------------------- */
/* Symbol codes: 0 none, 1 dot, 2 plus, 3 cross, 4 square, 5 triangle, 6 circle, 7 filled
 * square, 8 filled triangle, 9 filled circle; half-size graph parameter 137 in pixels. Symbols
 * and error bars use the symbol colour when the graph uses it (graph colour 14), else the pen
 * colour; the graph's pen is left as it was. Points beyond +-30000 window pixels draw nothing.
 * TkErrorBar: bars of half-widths ex and ey about (x, y), left out when no longer than the
 * symbol size, then the symbol. TkGraphlabel: text (cut to 255 bytes) at the graph-label
 * offsets (parameters 11, 12) from the point, in the graph's font, justification and text
 * colour. Polygons: the first n points of one-dimensional library arrays, open (Draw) or filled
 * (Fill); the 2D forms return the plot array check (20802 arrays too short, 20804 missing or
 * of the wrong kind), the 3D forms 1 (an array missing), 2 (one not one-dimensional) or 3 (one
 * shorter than n); a non-zero result draws nothing. More than 125000 points draw nothing and
 * set error 10601. Vertices beyond +-30000 window pixels are dropped. Cross-wires: lines
 * through the point parallel to each axis across its effective range. */
KELVO_API void TkPlotSymbol(TkGraph graph, int32_t code, double x, double y);
KELVO_API void TkPlotSymbol3(TkGraph graph, int32_t code, double x, double y, double z);
KELVO_API void TkErrorBar(TkGraph graph, int32_t code, double x, double y, double ex, double ey);
KELVO_API void TkGraphlabel(TkGraph graph, const char* text, double x, double y);
KELVO_API void TkGraphlabel3(TkGraph graph, const char* text, double x, double y, double z);
KELVO_API int32_t TkDrawPolygon(TkGraph graph, TkArray x, TkArray y, int32_t n);
KELVO_API int32_t TkFillPolygon(TkGraph graph, TkArray x, TkArray y, int32_t n);
KELVO_API int32_t TkDrawPolygon3(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n);
KELVO_API int32_t TkFillPolygon3(TkGraph graph, TkArray x, TkArray y, TkArray z, int32_t n);
KELVO_API void TkCrossWires(TkGraph graph, double x, double y);
KELVO_API void TkCrossWires3(TkGraph graph, double x, double y, double z);

/* ---- Plotting: curves and function sampling ----------------------------------------------- */
/* Plotting calls return 0 or an error code: 20801 "Not enough room in memory for local
 * arrays", 20802 "Not enough data", 20803 "Bad range specified", 20804 "Bad data specified",
 * a formula error (10400..10425), or heap error 1. A graph identifier that names no open graph
 * does nothing and returns 0. */

/* Formula sampled on an even grid into library arrays: XArray(i) = x_i, and YArray(i) =
 * f(x_i); ZArray(i, j) = f(x_i, y_j); WArray(i, j, k) = f(x_i, y_j, z_k), the intervals used
 * as given. Counts below 2, intervals that are not finite, arrays of the wrong kind (20804)
 * or too short (20802) write nothing. A failed evaluation writes 0 and the call returns
 * the code of the last one that failed. */
/* Curves in graph colour `colour`, sampled at n points over the interval nudged slightly
 * inwards (equal ends are therefore a bad range), long steps refined, steps that jump across
 * more than a quarter of the range drawn dashed. Option: 0 draw only, 1 fit the ranges first
 * (2D view for y = f(x) and plane curves, a 3D view for space curves), 2 draw and label the
 * axes first, 3 both. The formulae take the graph's parameters and one variable, var_name.
 * The caller's functions of the Func2/3 forms get t, store the point into the variables
 * (which hold t, 0 and the z plane before each call) and return 0 where there is no point,
 * which lifts the pen. */
KELVO_API int32_t TkDrawCurve1(TkGraph graph, const char* formula, const char* var_name, double x1, double x2,
                               int32_t n, TkColor colour, uint8_t option);
KELVO_API int32_t TkDrawCurve2(TkGraph graph, const char* formula_x, const char* formula_y, const char* var_name,
                               double t1, double t2, int32_t n, TkColor colour, uint8_t option);
KELVO_API int32_t TkDrawCurve3(TkGraph graph, const char* formula_x, const char* formula_y, const char* formula_z,
                               const char* var_name, double t1, double t2, int32_t n, TkColor colour,
                               uint8_t option);
KELVO_API int32_t TkDrawCurveFunc1(TkGraph graph, TkRealFunc func, double x1, double x2, int32_t n, TkColor colour,
                                   uint8_t option);
KELVO_API int32_t TkDrawCurveFunc2(TkGraph graph, TkRealFunc func, double* x_var, double* y_var, double t1,
                                   double t2, int32_t n, TkColor colour, uint8_t option);
KELVO_API int32_t TkDrawCurveFunc3(TkGraph graph, TkRealFunc func, double* x_var, double* y_var, double* z_var,
                                   double t1, double t2, int32_t n, TkColor colour, uint8_t option);
KELVO_API int32_t TkSampleFunction1(const char* formula, const char* x_name, double x1, double x2, TkArray x_array,
                                    TkArray y_array, int32_t n);
KELVO_API int32_t TkSampleFunction2(const char* formula, const char* x_name, const char* y_name, double x1, double x2,
                                    double y1, double y2, TkArray x_array, TkArray y_array, TkArray z_array,
                                    int32_t nx, int32_t ny);
KELVO_API int32_t TkSampleFunction3(const char* formula, const char* x_name, const char* y_name, const char* z_name,
                                    double x1, double x2, double y1, double y2, double z1, double z2,
                                    TkArray x_array, TkArray y_array, TkArray z_array, TkArray w_array, int32_t nx,
                                    int32_t ny, int32_t nz);

/* ---- Plotting: arrays and histograms ------------------------------------------------------ */
/* Data in library arrays. Mark: the units digit is the symbol (0 none, 1..9 as TkPlotSymbol3);
 * 10 or more also joins the points with lines (TkDrawArray3: lines only, no symbols). The
 * colour becomes the symbol colour when the graph uses one, else the pen colour. Arrays of
 * the wrong kind give 20804 and arrays shorter than the counts 20802, without a message;
 * counts below 1 give 20802 "Not enough data". */
KELVO_API int32_t TkDrawArray1(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, int32_t mark,
                               TkColor colour, uint8_t option);
/* Stems from (X(i), Y(j), 0) up to Z(i, j) for marks of 10 or more, the symbol at the top. */
KELVO_API int32_t TkDrawArray2(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                               int32_t ny, int32_t mark, TkColor colour, uint8_t option);
KELVO_API int32_t TkDrawArray3(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t n,
                               int32_t mark, TkColor colour, uint8_t option);
/* Bars from y = 0 to Y(i), starting at X(i) + w offset width and w width wide, where w is the
 * distance to the next point (the last bar uses the one before it; a single bar is 1 wide):
 * offset 0 and width 1 fill the spaces between points, offset -0.5 centres the bars. Filled
 * in colour, outlined in the graph's own pen colour. Option 1 or 3 also starts the y range
 * at 0 and gives the x axis one interval per bar when there are fewer than 20. Widths that
 * are not finite give 20804. */
KELVO_API int32_t TkDrawHistogram1(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, double width,
                                   double offset, TkColor colour, uint8_t option);
/* 3D bars of heights Z(i, j), painted from back to front for the graph's view angles. */
KELVO_API int32_t TkDrawHistogram2(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                                   int32_t ny, double x_width, double y_width, TkColor colour, uint8_t option);

/* ---- Plotting: contours ------------------------------------------------------------------- */
/* NContours levels strictly between Z1 and Z2 (across the data when Z1 = Z2; one level at
 * Z1 = Z2 is drawn at Z1 + 0.0005), each drawn at its height. Mode 0 keeps the view, 1 the
 * plane map, 2 the 3D view (under Option 1 and 3). ZArray is NX by NY, first index along
 * x; X and Y must not decrease (20806, also for values that are not finite); heights that
 * are not finite give 20804. More than 100,000,000 grid points over all levels are refused
 * with 20805. Returns 0 or an error code. */
KELVO_API int32_t TkDrawContoursArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                                      int32_t ny, int32_t contours, double z1, double z2, uint8_t mode,
                                      TkColor colour, uint8_t option);
/* The formula, which may use the graph's parameters, sampled on an NX by NY grid over the
 * intervals (their ends moved inwards by about 1.4e-6 of their size). */
KELVO_API int32_t TkDrawContours(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1,
                                 double x2, double y1, double y2, int32_t nx, int32_t ny, int32_t contours, double z1,
                                 double z2, uint8_t mode, TkColor colour, uint8_t option);

/* ---- Plotting: surfaces --------------------------------------------------------------------- */
/* Style 3: wire frame with edges in the upper colour where the surface faces the viewer,
 * else the lower colour; style 4: hidden lines removed, swept from the grid corner nearest
 * the viewer. A view straight down the z axis, or one that gives the sweep no front (both
 * grid directions on one arm), draws the wire frame instead. Grids as for
 * TkDrawContoursArray; the wire frame needs 8 bytes a grid point, at most 1,000,000 (20801).
 * Returns 0 or an error code. */
KELVO_API int32_t TkDrawSurfaceArray(TkGraph graph, TkArray x_array, TkArray y_array, TkArray z_array, int32_t nx,
                                     int32_t ny, uint8_t style, TkColor upper_colour, TkColor lower_colour,
                                     uint8_t option);
/* The formula, which may use the graph's parameters, sampled as for TkDrawContours. */
KELVO_API int32_t TkDrawSurface(TkGraph graph, const char* formula, const char* x_name, const char* y_name, double x1,
                                double x2, double y1, double y2, int32_t nx, int32_t ny, uint8_t style,
                                TkColor upper_colour, TkColor lower_colour, uint8_t option);

/* ---- Plotting: surfaces of revolution ------------------------------------------------------- */
/* The profile (z values in XArray, radii in YArray) turned about the z axis in NAngles steps
 * (2 or more; at most 10,000,000 points N (NAngles + 1) in all). Styles: 0 and 2 parallels,
 * 3 wire frame, 4 hidden lines, 5 hidden lines with a one-sided horizon; the hidden-line
 * styles pin the surface's rows to the window. Z must not decrease (20806); radii that are
 * not finite give 20804. Returns 0 or an error code. */
KELVO_API int32_t TkDrawRevolutionArray(TkGraph graph, TkArray x_array, TkArray y_array, int32_t n, int32_t angles,
                                        uint8_t style, TkColor upper_colour, TkColor lower_colour, uint8_t option);
/* The radius r(x) a formula of one variable, sampled at N points over [X1, X2] (ends moved
 * inwards); the graph's parameters are not available to it. */
KELVO_API int32_t TkDrawRevolution(TkGraph graph, const char* formula, const char* var_name, double x1, double x2,
                                   int32_t n, int32_t angles, uint8_t style, TkColor upper_colour,
                                   TkColor lower_colour, uint8_t option);

/* ---- Formulae ------------------------------------------------------------------------- */
/* Formula text such as "sin(x) / (1 + x)" is compiled and evaluated with checked
 * arithmetic. Each call returns 0, a compile error 10400..10413, an evaluation error
 * 10414..10423 (then *result is 0), the name clash 10425 (a variable named like pi, a
 * built-in function or another variable of the call), or 1 when the formula nests deeper
 * than 512 levels. The variables are named by the name arguments (letter case does not
 * matter; an empty or null name is no variable). A null result is not written. */

/* Per-graph parameters: named constants (at most 12) that the graph's formulae may use. */
KELVO_API void TkClearParaList(TkGraph graph);
/* The index (1..12) of the new parameter, or 0 for no graph or a full list. */
KELVO_API int32_t TkAddParaList(TkGraph graph, const char* name, double value);
/* The index of the parameter changed (names compared with letter case), or 0. */
KELVO_API int32_t TkSetParaValue(TkGraph graph, const char* name, double value);
/* 0, or 10425 when two parameter names clash or one is named like pi or a function. */
KELVO_API int32_t TkCompileParaList(TkGraph graph);
/* Compile, or compile and evaluate, a formula of the graph's parameters (graph 0: none). */
KELVO_API int32_t TkCompileEx0(TkGraph graph, const char* formula);
KELVO_API int32_t TkEvaluateEx0ByVar(TkGraph graph, const char* formula, double* result);

KELVO_API int32_t TkEvaluate1ByVar(const char* formula, const char* x_name, double* result, double x);
KELVO_API int32_t TkEvaluate2ByVar(const char* formula, const char* x_name, const char* y_name, double x, double y,
                                   double* result);
KELVO_API int32_t TkEvaluate3ByVar(const char* formula, const char* x_name, const char* y_name, const char* z_name,
                                   double x, double y, double z, double* result);

/* ---- Numerical methods ------------------------------------------------------------------ */
/* Failures are told by the error state (codes 20901..20914) and, for the Tk calls, by the
 * returned code. Zeroin, Fmin, Romb and Fft do not clear the error state first: with an
 * error pending, Zeroin, Fmin and Fft return at once. A failed search or integration gives
 * NaN. */

/* A zero of f between a and b (f(a) and f(b) of opposite sign) by Brent's method. */
KELVO_API double Zeroin(TkRealFunc f, double a, double b, double tol);
/* The abscissa of a minimum of f on [a, b] by Brent's method. */
KELVO_API double Fmin(TkRealFunc f, double a, double b, double tol);
/* The same for a formula in one variable: 0, a formula error code, or a numerical one. */
KELVO_API int32_t TkFindRootByVar(const char* formula, const char* var_name, double* result, double a, double b,
                                  double tol);
KELVO_API int32_t TkFindminByVar(const char* formula, const char* var_name, double* result, double a, double b,
                                 double tol);
/* The integral of f from a to b by Romberg's method with m halvings (2^m + 1 calls). */
KELVO_API double Romb(int32_t m, TkRealFunc f, double* err_est, double a, double b);
KELVO_API int32_t TkIntegrateByVar(int32_t m, const char* formula, const char* var_name, double a, double b,
                                   double* result, double* err_est);
/* One accepted Runge-Kutta-Fehlberg 4(5) step of n <= 30 equations; derivs computes dydt
 * from *t and y. *ok is 1 after an accepted step. */
KELVO_API void Rkf(int32_t n, double* t, double* h, double abs_tol, double rel_tol, double h_min, TkDerivsProc derivs,
                   double* y, double* dydt, int32_t* k, uint8_t* ok);
/* ODE sets of 1 to 8 equations whose right-hand sides are formulae in the time name and
 * the state names (letter case matters). Value indices: -1 t, -2 h (initially 1e-4), -3
 * hmin (initially 0: set it before solving), 1..n the state. A bad index sets code 201
 * "Range check error" and changes nothing (a read gives NaN). TkODESolve makes one step:
 * 0, a formula compile code, or 22010 for a failed step (also for a bad handle). */
KELVO_API TkODE TkNewODE(int32_t n, const char* time_name, double abs_tol, double rel_tol);
KELVO_API void TkDisposeODE(TkODE set);
KELVO_API int32_t TkSetODELine(TkODE set, int32_t i, const char* name, const char* rhs);
KELVO_API void TkSetODEValue(TkODE set, int32_t i, double value);
KELVO_API void TkGetODEValueByVar(TkODE set, int32_t i, double* result);
KELVO_API int32_t TkODESolve(TkODE set);
/* The unscaled discrete Fourier transform of 2^m complex numbers (real, imaginary pairs) in
 * place: kernel exp(-2 pi i jk/N) for isign < 0, exp(+2 pi i jk/N) otherwise. */
KELVO_API void Fft(double* data, int32_t m, double isign);

#ifdef __cplusplus
}
#endif

#endif /* KELVOLIB_H */
