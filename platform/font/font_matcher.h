#pragma once

// Finds the installed font file for a logical font, through fontconfig.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/font/logical_font.h"
#include "platform/font/text_decoding.h"

namespace kp {

// How the face name of a logical font was resolved.
enum class FaceOrigin : uint8_t {
    Pinned,    // one of the engine's own faces, by one of its pinned families
    Installed, // the name of an installed family, used as it is
    Fallback,  // an unknown name: the fallback face for the font's description
    Generic,   // none of the pinned families is installed: fontconfig's pick for the generic family
};

// An installed font file chosen for a logical font.
struct FaceMatch {
    std::string file;
    int32_t index = 0;   // the face within the file (collections hold several)
    std::string family;  // the family as the font names it, e.g. "Liberation Sans"
    std::string style;   // e.g. "Bold Italic"
    FaceOrigin origin = FaceOrigin::Pinned;
    TextEncoding encoding = TextEncoding::Unicode;
    // The caller asked for bold or italic and the family has no such face: the engine
    // thickens or slants the regular one.
    bool synthetic_bold = false;
    bool synthetic_italic = false;
};

class FontMatcher {
public:
    // Null when fontconfig cannot load its configuration.
    static std::unique_ptr<FontMatcher> create();
    ~FontMatcher();
    FontMatcher(FontMatcher const&) = delete;
    FontMatcher& operator=(FontMatcher const&) = delete;

    // Nothing when no scalable font at all is installed.
    std::optional<FaceMatch> match(LogicalFont const& font) const;

    // Whether a scalable family of exactly this name (case aside) is installed.
    bool has_family(std::string_view family) const;

    // The loaded configuration; only create() can make one.
    struct Config;
    explicit FontMatcher(std::unique_ptr<Config> config);

private:
    std::unique_ptr<Config> config_;
};

} // namespace kp
