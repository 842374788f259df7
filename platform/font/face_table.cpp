#include "platform/font/face_table.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace kp {

namespace {

// Liberation Serif and Sans have the widths of Times and Helvetica and the vertical
// metrics of the fonts that the classic desktop used for those names, so text laid out
// for that desktop keeps its line heights; the URW families have the same widths and are
// the next choice.
constexpr std::array<std::string_view, 4> serif_families = {"Liberation Serif", "Nimbus Roman",
                                                            "DejaVu Serif", "FreeSerif"};
constexpr std::array<std::string_view, 4> sans_families = {"Liberation Sans", "Nimbus Sans", "DejaVu Sans",
                                                           "FreeSans"};
// "terminal" was a plain fixed-pitch screen font; DejaVu Sans Mono is the terminal face of
// most Linux desktops.
constexpr std::array<std::string_view, 3> terminal_families = {"DejaVu Sans Mono", "Liberation Mono",
                                                               "Nimbus Mono PS"};
// A font with the glyphs of the symbol encoding, found by their PostScript names.
constexpr std::array<std::string_view, 3> symbol_families = {"Standard Symbols PS", "Standard Symbols L",
                                                             "Symbol"};
// Nimbus Mono PS is drawn after Courier; Liberation Mono keeps Courier New's metrics.
constexpr std::array<std::string_view, 4> courier_families = {"Nimbus Mono PS", "Liberation Mono",
                                                              "DejaVu Sans Mono", "FreeMono"};
// The default face for names nobody knows.
constexpr std::array<std::string_view, 3> default_families = {"DejaVu Sans", "Liberation Sans", "Nimbus Sans"};

constexpr FaceRecipe times{"Times-Roman", serif_families, "serif", TextEncoding::Unicode};
constexpr FaceRecipe helvetica{"Helvetica", sans_families, "sans-serif", TextEncoding::Unicode};
constexpr FaceRecipe terminal{"terminal", terminal_families, "monospace", TextEncoding::Unicode};
constexpr FaceRecipe symbol{"Symbol", symbol_families, "Symbol", TextEncoding::Symbol};
constexpr FaceRecipe courier{"Courier New", courier_families, "monospace", TextEncoding::Unicode};
constexpr FaceRecipe default_face{"default", default_families, "sans-serif", TextEncoding::Unicode};

struct Alias {
    std::string_view name;
    FaceRecipe const* recipe;
};

// The five faces, and the names that older callers used for the same fonts.
constexpr std::array<Alias, 10> aliases = {{
    {"Times-Roman", &times},
    {"Times", &times},
    {"Times New Roman", &times},
    {"Helvetica", &helvetica},
    {"Arial", &helvetica},
    {"terminal", &terminal},
    {"Symbol", &symbol},
    {"Courier New", &courier},
    {"Courier", &courier},
    {"System", &default_face},
}};

bool same_name(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

FaceRecipe const* find_face_recipe(std::string_view face_name)
{
    for (Alias const& alias : aliases) {
        if (same_name(alias.name, face_name))
            return alias.recipe;
    }
    return nullptr;
}

FaceRecipe const& fallback_face_recipe(LogicalFont const& font)
{
    if (font.charset == FontCharset::Symbol)
        return symbol;
    if (font.family == FontFamily::Roman)
        return times;
    if (font.family == FontFamily::Modern || font.pitch == FontPitch::Fixed)
        return courier;
    return default_face;
}

} // namespace kp
