#include "platform/font/font_matcher.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "platform/font/face_table.h"
#include "platform/font/fontconfig_handles.h"

namespace kp {

struct FontMatcher::Config {
    fontconfig::ConfigPtr config;
};

namespace {

struct WantedStyle {
    double weight;  // fontconfig's weight scale: 80 regular, 200 bold
    bool bold;
    bool italic;
};

WantedStyle wanted_style(LogicalFont const& font)
{
    // Weight 0 means "whatever is normal", as it does for the classic logical font.
    int32_t weight = font.weight <= 0 ? font_weight_normal : std::min(font.weight, 1000);
    return {FcWeightFromOpenTypeDouble(weight), weight >= 600, font.italic};
}

std::string string_of(FcPattern* pattern, char const* object, int n = 0)
{
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || value == nullptr)
        return {};
    return reinterpret_cast<char const*>(value);
}

double number_of(FcPattern* pattern, char const* object, double otherwise)
{
    double value = 0;
    return FcPatternGetDouble(pattern, object, 0, &value) == FcResultMatch ? value : otherwise;
}

// The family name of `pattern` that equals `family` apart from case, if it has one. Fonts
// may carry several family names ("DejaVu Sans" and "DejaVu Sans Condensed").
std::optional<std::string> family_named(FcPattern* pattern, std::string const& family)
{
    for (int n = 0;; ++n) {
        std::string name = string_of(pattern, FC_FAMILY, n);
        if (name.empty())
            return std::nullopt;
        if (FcStrCmpIgnoreCase(reinterpret_cast<FcChar8 const*>(name.c_str()),
                               reinterpret_cast<FcChar8 const*>(family.c_str()))
            == 0)
            return name;
    }
}

FaceMatch face_of(FcPattern* pattern, std::string family, WantedStyle const& wanted, FaceOrigin origin,
                  TextEncoding encoding)
{
    FaceMatch match;
    match.file = string_of(pattern, FC_FILE);
    int index = 0;
    if (FcPatternGetInteger(pattern, FC_INDEX, 0, &index) == FcResultMatch)
        match.index = index;
    match.family = std::move(family);
    match.style = string_of(pattern, FC_STYLE);
    match.origin = origin;
    match.encoding = encoding;
    match.synthetic_bold = wanted.bold && number_of(pattern, FC_WEIGHT, FC_WEIGHT_REGULAR) < FC_WEIGHT_DEMIBOLD;
    match.synthetic_italic = wanted.italic && number_of(pattern, FC_SLANT, FC_SLANT_ROMAN) == FC_SLANT_ROMAN;
    return match;
}

// The face of an installed family that best fits the wanted style, choosing ourselves
// rather than through fontconfig's match so that nothing outside the family can win.
// In order: the right slant, normal width (families such as DejaVu Sans include condensed
// faces), the nearest weight, and OpenType or TrueType files before Type 1 copies of the
// same face (they carry the vertical metrics and Unicode maps the engine reads).
std::optional<FaceMatch> best_face_of_family(FcConfig* config, std::string const& family, WantedStyle const& wanted,
                                             FaceOrigin origin, TextEncoding encoding)
{
    fontconfig::PatternPtr pattern(FcPatternCreate());
    if (!pattern)
        return std::nullopt;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<FcChar8 const*>(family.c_str()));
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    fontconfig::ObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT,
                                                      FC_WIDTH, FC_FONTFORMAT, nullptr));
    if (!objects)
        return std::nullopt;
    fontconfig::FontSetPtr fonts(FcFontList(config, pattern.get(), objects.get()));
    if (!fonts)
        return std::nullopt;

    FcPattern* best = nullptr;
    std::string best_family;
    std::tuple<int, double, double, int> best_score;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        std::optional<std::string> name = family_named(font, family);
        if (!name || string_of(font, FC_FILE).empty())
            continue;
        bool slanted = number_of(font, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
        std::string format = string_of(font, FC_FONTFORMAT);
        bool sfnt = format == "TrueType" || format == "CFF";
        double const width = number_of(font, FC_WIDTH, FC_WIDTH_NORMAL);
        double const weight = number_of(font, FC_WEIGHT, FC_WEIGHT_REGULAR);
        std::tuple<int, double, double, int> score{slanted != wanted.italic ? 1 : 0, std::abs(width - FC_WIDTH_NORMAL),
                                                   std::abs(weight - wanted.weight), sfnt ? 0 : 1};
        if (best == nullptr || score < best_score) {
            best = font;
            best_family = *name;
            best_score = score;
        }
    }
    if (best == nullptr)
        return std::nullopt;
    return face_of(best, best_family, wanted, origin, encoding);
}

// fontconfig's own choice for a family name, after its substitutions: the last resort.
std::optional<FaceMatch> substitute_face(FcConfig* config, char const* family, WantedStyle const& wanted,
                                         TextEncoding encoding)
{
    fontconfig::PatternPtr pattern(FcPatternCreate());
    if (!pattern)
        return std::nullopt;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<FcChar8 const*>(family));
    FcPatternAddDouble(pattern.get(), FC_WEIGHT, wanted.weight);
    FcPatternAddInteger(pattern.get(), FC_SLANT, wanted.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    fontconfig::PatternPtr font(FcFontMatch(config, pattern.get(), &result));
    if (!font || result != FcResultMatch || string_of(font.get(), FC_FILE).empty())
        return std::nullopt;
    return face_of(font.get(), string_of(font.get(), FC_FAMILY), wanted, FaceOrigin::Generic, encoding);
}

} // namespace

FontMatcher::FontMatcher(std::unique_ptr<Config> config) : config_(std::move(config)) {}
FontMatcher::~FontMatcher() = default;

std::unique_ptr<FontMatcher> FontMatcher::create()
{
    // A configuration of our own rather than fontconfig's process-wide one, so that the
    // engine frees everything it loaded when it goes.
    fontconfig::ConfigPtr config(FcInitLoadConfigAndFonts());
    if (!config)
        return nullptr;
    return std::make_unique<FontMatcher>(std::make_unique<Config>(Config{std::move(config)}));
}

bool FontMatcher::has_family(std::string_view family) const
{
    if (family.empty())
        return false;
    return best_face_of_family(config_->config.get(), std::string(family), {FC_WEIGHT_REGULAR, false, false},
                               FaceOrigin::Installed, TextEncoding::Unicode)
        .has_value();
}

std::optional<FaceMatch> FontMatcher::match(LogicalFont const& font) const
{
    FcConfig* config = config_->config.get();
    WantedStyle const wanted = wanted_style(font);

    FaceRecipe const* recipe = find_face_recipe(font.face_name);
    if (recipe == nullptr && !font.face_name.empty()) {
        TextEncoding encoding = font.charset == FontCharset::Symbol ? TextEncoding::Symbol : TextEncoding::Unicode;
        if (auto face = best_face_of_family(config, font.face_name, wanted, FaceOrigin::Installed, encoding))
            return face;
    }
    FaceOrigin origin = recipe != nullptr ? FaceOrigin::Pinned : FaceOrigin::Fallback;
    if (recipe == nullptr)
        recipe = &fallback_face_recipe(font);

    for (std::string_view family : recipe->families) {
        if (auto face = best_face_of_family(config, std::string(family), wanted, origin, recipe->encoding))
            return face;
    }
    if (auto face = substitute_face(config, recipe->generic, wanted, recipe->encoding))
        return face;
    return substitute_face(config, "sans-serif", wanted, recipe->encoding);
}

} // namespace kp
