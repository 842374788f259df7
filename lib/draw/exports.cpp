// The exported functions of the drawing subsystem.

#include <cstring>

#include "lib/draw/colours.h"
#include "lib/draw/number_format.h"
#include "lib/kelvolib.h"
#include "lib/runtime/guarded_call.h"
#include "lib/runtime/short_string.h"

using namespace kelvo;

extern "C" {

TkColor TkRGB(int32_t red, int32_t green, int32_t blue, int32_t match)
{
    return make_colour(red, green, blue, match);
}

void TkGetColorSet(TkColor* colours)
{
    if (colours == nullptr)
        return;
    std::memcpy(colours, colour_set().data(), sizeof(ColourSet));
}

int32_t TkFormatReal(int32_t width, char* buffer, double x)
{
    return guarded_call(int32_t{format_no_fit_code}, [&] {
        std::string text;
        int32_t code = format_real(width, x, text);
        if (code == 0 && buffer != nullptr) {
            std::memcpy(buffer, text.data(), text.size());
            buffer[text.size()] = '\0';
        }
        return code;
    });
}

void RealToStr(int32_t decimals, unsigned char* text, double x)
{
    guarded_call([&] { write_short_string(text, real_to_text(decimals, x)); });
}

void IntToShortStr(int32_t n, unsigned char* text)
{
    guarded_call([&] { write_short_string(text, std::to_string(n)); });
}

} // extern "C"
