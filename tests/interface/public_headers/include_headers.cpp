// The same inclusions as include_headers.c, compiled as C++.
#include "include_headers.c"
