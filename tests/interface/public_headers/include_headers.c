/* Includes the installed headers in the order the build asks for (KELVOLIB_FIRST,
 * WITH_PLATFORM, KELVOLIB_LAST) and uses each one: every header must compile on its own and
 * with the other, in strict C99 and C++. */
#if defined(KELVOLIB_FIRST)
#include <kelvo/kelvolib.h>
#endif
#if defined(WITH_PLATFORM)
#include <kelvo/kelvoplatform.h>
#endif
#if defined(KELVOLIB_LAST)
#include <kelvo/kelvolib.h>
#endif

int uses_the_headers(void);

int uses_the_headers(void)
{
    int used = 0;
#if defined(KELVOLIB_FIRST) || defined(KELVOLIB_LAST)
    TkActualZoom zoom;
    zoom.Theta = 0.0;
    used += TkGetVersion() + (int)zoom.Theta;
#endif
#if defined(WITH_PLATFORM)
    TkWnd host = KpCreateHeadlessHost(1, 1);
    KpDestroyWindow(host);
#endif
    return used;
}
